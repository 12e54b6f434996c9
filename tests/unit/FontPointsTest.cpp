#include "base/FontPoints.h"

#include <gtest/gtest.h>

TEST(FontPoints, HeightsAtTheCommonScalesAndThePointsThePickerShowsForThem) {
    // points, then the height at 96, 120 and 144 dpi; each height shows as those points again.
    const int rows[][4] = {{20, -27, -33, -40}, {14, -19, -23, -28}, {26, -35, -43, -52}, {7, -9, -12, -14}};
    for (const auto& row : rows)
        for (int i = 1; i <= 3; ++i) {
            const int dpi = 72 + 24 * i;
            EXPECT_EQ(FontHeightForPoints(row[0], dpi), row[i]) << row[0] << " pt at " << dpi;
            EXPECT_EQ(FontPointsForHeight(row[i], dpi), row[0]) << row[i] << " px at " << dpi;
        }
    for (int dpi : {96, 120, 144})
        for (int points = 1; points <= 200; ++points)
            ASSERT_EQ(FontPointsForHeight(FontHeightForPoints(points, dpi), dpi), points) << dpi;
    EXPECT_EQ(FontPointsForHeight(-41, 144), 21); // 20 points' 96-dpi height scaled up: 20.5 there
    EXPECT_EQ(FontPointsFromTenths(105), 11);     // the picker answers in tenths: 10.5 points
}
