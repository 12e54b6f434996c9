// The shadow label's property rules: notifications, repaint requests and auto-sizing.
#include "FakeLabelHost.h"

#include <gtest/gtest.h>

namespace {

TEST(TShadow, SettingTheSameValueIsSilentAndAssignAlwaysNotifiesOnce) {
    TShadow s(true, clBlack, 4, 4);
    int changes = 0;
    s.OnChange = [&](TShadow&) { ++changes; };
    s.SetVisible(true);
    s.SetColor(clBlack);
    s.SetOffsetLeft(4);
    s.SetOffsetTop(4);
    EXPECT_EQ(changes, 0);
    s.SetOffsetLeft(-2);
    s.SetColor(clRed);
    EXPECT_EQ(changes, 2);

    TShadow same(true, clRed, -2, 4);
    s.Assign(same);
    EXPECT_EQ(changes, 3);
    EXPECT_FALSE(static_cast<bool>(same.OnChange)) << "assign must not copy the hook";
}

TEST(TShadowLabel, ConstructionValuesAndNoRepaintRequest) {
    FakeLabelHost host;
    TShadowLabel label(host);
    EXPECT_TRUE(host.invalidated.empty());
    EXPECT_TRUE(label.Highlight().Visible());
    EXPECT_EQ(label.Highlight().Color(), clWhite);
    EXPECT_EQ(label.Highlight().OffsetLeft(), -1);
    EXPECT_EQ(label.Shadow().Color(), clSilver);
    EXPECT_EQ(label.Shadow().OffsetTop(), 1);
    EXPECT_EQ(label.Width(), 65);
    EXPECT_EQ(label.Height(), 17);
    EXPECT_FALSE(label.Transparent());
    EXPECT_TRUE(label.AutoSize());
    EXPECT_TRUE(label.ShowAccelChar());
}

TEST(TShadowLabel, RepaintRequestsFollowRealChangesOnly) {
    FakeLabelHost host;
    TShadowLabel label(host);
    label.SetCaption("12:00");
    host.invalidated.clear();

    label.SetCaption("12:00");
    label.Shadow().SetOffsetLeft(1);
    label.SetTransparent(false);
    EXPECT_TRUE(host.invalidated.empty());

    TShadow copy = label.Highlight();
    label.SetHighlight(&copy); // assign notifies once, then the label repaints once more
    EXPECT_EQ(host.invalidated.size(), 2u);
    label.SetHighlight(nullptr);
    EXPECT_EQ(host.invalidated.size(), 2u);
}

TEST(TShadowLabel, AutoSizeMeasuresOneSpaceForEmptyOrBareAmpersand) {
    FakeLabelHost host;
    TShadowLabel label(host);
    label.SetCaption("abc");
    EXPECT_EQ(label.Width(), 30);
    label.SetCaption("");
    EXPECT_EQ(label.DrawnText(), " ");
    EXPECT_EQ(label.Height(), FakeLabelHost::kLineHeight) << "an empty label keeps one line's height";

    label.SetCaption("&");
    EXPECT_EQ(label.DrawnText(), "& ");
    label.SetShowAccelChar(false);
    EXPECT_EQ(label.DrawnText(), "&");
    EXPECT_TRUE(label.DrawFlags() & drawflags::kNoPrefix);
}

TEST(TShadowLabel, DrawFlagsFollowAlignmentWrapAndPrefix) {
    FakeLabelHost host;
    TShadowLabel label(host);
    EXPECT_EQ(label.DrawFlags(), drawflags::kExpandTabs);
    label.SetAlignment(TAlignment::Right);
    label.SetWordWrap(true);
    EXPECT_EQ(label.DrawFlags(), drawflags::kExpandTabs | drawflags::kRight | drawflags::kWordBreak);
    label.SetAlignment(TAlignment::Center);
    EXPECT_EQ(label.DrawFlags() & 3u, drawflags::kCenter);
    EXPECT_TRUE(host.measureFlags.back() & drawflags::kCalcRect);
}

TEST(TShadowLabel, RightAlignedLabelGrowsToTheLeft) {
    FakeLabelHost host;
    TShadowLabel label(host);
    label.SetAlignment(TAlignment::Right);
    label.SetBounds(100, 5, 40, 20);
    label.SetCaption("abcd"); // 40 wide: no change
    EXPECT_EQ(label.Left(), 100);
    label.SetCaption("abcdef"); // 60 wide
    EXPECT_EQ(label.Left() + label.Width(), 140);
    EXPECT_EQ(label.Top(), 5);
}

TEST(TShadowLabel, WordWrapGrowsTheHeightAtTheCurrentWidth) {
    FakeLabelHost host;
    TShadowLabel label(host);
    label.SetAutoSize(false);
    label.SetBounds(0, 0, 60, 20);
    label.SetCaption("one two three");
    label.SetWordWrap(true);
    label.SetAutoSize(true);
    EXPECT_EQ(label.Height(), 3 * FakeLabelHost::kLineHeight);
    EXPECT_LE(label.Width(), 60);
}

TEST(TShadowLabel, NoSizingWhileLoadingAndOnceAfterwards) {
    FakeLabelHost host;
    TShadowLabel label(host);
    label.BeginLoading();
    label.SetCaption("abcdefgh");
    EXPECT_EQ(label.Width(), 65);
    EXPECT_TRUE(host.measureFlags.empty());
    label.EndLoading();
    EXPECT_EQ(host.measureFlags.size(), 1u);
    EXPECT_EQ(label.Width(), 80);
}

TEST(TShadowLabel, FontChangesRepaintThenResize) {
    FakeLabelHost host;
    TShadowLabel label(host);
    label.SetCaption("x");
    host.invalidated.clear();
    host.measureFlags.clear();
    label.SetFontStyle(fsItalic);
    EXPECT_FALSE(host.invalidated.empty());
    EXPECT_EQ(host.measureFlags.size(), 1u);
    label.SetFontStyle(fsItalic);
    EXPECT_EQ(host.measureFlags.size(), 1u) << "an unchanged font is no change";
    label.SetWidth(99); // a width set by the holder
    host.invalidated.clear();
    label.SetFontColor(clRed);
    EXPECT_FALSE(host.invalidated.empty());
    EXPECT_EQ(host.measureFlags.size(), 1u) << "a colour does not change the text's extent";
    EXPECT_EQ(label.Width(), 99);
    label.SetFontName("IPAGothic");
    EXPECT_EQ(host.measureFlags.size(), 2u);
    label.SetFontSizePoints(20);
    EXPECT_EQ(label.Font().height, -27);
    EXPECT_EQ(label.Font().SizePoints(), 20);
}

} // namespace
