#include "base/AppError.h"
#include "base/ErrorText.h"

#include <gtest/gtest.h>

namespace {

TEST(ErrorReportText, AppendsFullStopOnlyAfterBytesThatSortAfterIt) {
    EXPECT_EQ(ErrorReportText("abc"), "abc.");
    EXPECT_EQ(ErrorReportText("3"), "3.");
    EXPECT_EQ(ErrorReportText("done."), "done.");
    EXPECT_EQ(ErrorReportText("what?"), "what?."); // '?' sorts after '.'
    EXPECT_EQ(ErrorReportText("a-"), "a-");        // '-' sorts before '.'
    EXPECT_EQ(ErrorReportText("(x)"), "(x)");      // ')' sorts before '.'
    EXPECT_EQ(ErrorReportText(""), "");
    // A double-byte character ends in a trail byte above 0x2E.
    EXPECT_EQ(ErrorReportText("MCI ﾃﾞﾊﾞｲｽがありません"), "MCI ﾃﾞﾊﾞｲｽがありません.");
}

TEST(InsertText, PutsTheValueInAsTextNeverAsAFormat) {
    EXPECT_EQ(InsertText("%s に書き込めません", "C:\\a\\b.ini"), "C:\\a\\b.ini に書き込めません");
    EXPECT_EQ(InsertText("'%s' は整数ではありません", "%s%n%d"), "'%s%n%d' は整数ではありません");
    EXPECT_EQ(InsertText("'%s' は整数ではありません", ""), "'' は整数ではありません");
}

} // namespace
