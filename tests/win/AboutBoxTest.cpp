// The About box in-process: its labels on the real fonts, and what closes it.
#include "TestSupport.h"
#include "dialogs/AboutBox.h"
#include "ui/DibBuffer.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace wintest;

namespace {

TEST(AboutBox, FourLabelsInTheirFontsAndPlacesAllInsideThePanel) {
    TAboutBox box(TestApplication());
    ui::DibBuffer picture; // the box's, to compare with each label painted alone on black
    HDC boxDc = picture.Prepare(TAboutBox::kClientWidth, TAboutBox::kClientHeight);
    ::SendMessageA(box.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(boxDc), PRF_ERASEBKGND);
    ui::FontCache fonts;
    struct Expected {
        const TShadowLabel& label;
        int left, top, charHeight;
        std::uint8_t style;
        TColor colour;
    };
    const Expected table[] = {{box.Label4, 40, 8, 40, 0, clYellow},
                              {box.Label3, 123, 52, 16, fsBold, clRed},
                              {box.Label1, 47, 65, 19, 0, clGreen},
                              {box.Label2, 40, 86, 19, 0, clGreen}};
    for (const Expected& e : table) {
        SCOPED_TRACE(e.label.Caption());
        EXPECT_EQ(e.label.Left(), e.left);
        EXPECT_EQ(e.label.Top(), e.top);
        EXPECT_EQ(e.label.Font().name, "ＭＳ Ｐゴシック");
        EXPECT_EQ(e.label.Font().charset, kShiftJisCharset);
        EXPECT_EQ(e.label.Font().height, -e.charHeight);
        EXPECT_EQ(e.label.Font().style, e.style);
        EXPECT_EQ(e.label.Font().color, e.colour);
        // Plain opaque text on black: no highlight, no shadow.
        EXPECT_FALSE(e.label.Transparent());
        EXPECT_EQ(e.label.Color(), clBlack);
        EXPECT_FALSE(e.label.Highlight().Visible());
        EXPECT_FALSE(e.label.Shadow().Visible());
        // Sized to the text on the real font, and still inside the 302 x 112 panel.
        EXPECT_FALSE(e.label.Caption().empty());
        EXPECT_GE(e.label.Height(), e.charHeight);
        EXPECT_LE(e.label.Left() + e.label.Width(), TAboutBox::kClientWidth);
        EXPECT_LE(e.label.Top() + e.label.Height(), TAboutBox::kClientHeight);
        // Every letter pixel is in the box's: no other label's background covers it (the version's).
        ui::DibBuffer alone; // black
        PaintShadowLabel(e.label, alone.Prepare(TAboutBox::kClientWidth, TAboutBox::kClientHeight), fonts);
        ::GdiFlush();
        int letters = 0, covered = 0;
        for (int y = e.label.Top(); y < e.label.Top() + e.label.Height(); ++y)
            for (int x = e.label.Left(); x < e.label.Left() + e.label.Width(); ++x)
                if (const std::uint32_t ink = alone.Row(y)[x] & 0xFFFFFF)
                    ++letters, covered += (picture.Row(y)[x] & 0xFFFFFF) != ink;
        EXPECT_GT(letters, 20);
        EXPECT_EQ(covered, 0) << "of " << letters << " letter pixels";
    }
    EXPECT_EQ(box.Label4.Caption(), "Morovin");
    EXPECT_EQ(box.Label3.Caption(), "Ver 1.71");
    EXPECT_TRUE(box.Label2.WordWrap());
    EXPECT_LE(box.Label2.Width(), 222); // wraps within its designed width
    EXPECT_LT(box.Label2.Height(), 2 * 19) << "the second contact line wraps out of the panel";
    EXPECT_FALSE(box.Label1.WordWrap());
}

// Opens the box modally; the script first sends it keys, then presses `message` at `at`.
// Returns whether the box was still open after the keys, and whether the press closed it.
struct CloseRun {
    bool openAfterKeys = false;
    bool closedByPress = false;
};
CloseRun ShowAndPress(UINT message, WPARAM buttons, POINT at) {
    TAboutBox box(TestApplication());
    CloseRun run;
    bool pressed = false, closedBySafetyNet = false;
    Script script([&](int n) {
        HWND h = box.Handle();
        if (n == 0) {
            ::PostMessageA(h, WM_KEYDOWN, VK_RETURN, 0);
            ::PostMessageA(h, WM_CHAR, '\r', 0);
            ::PostMessageA(h, WM_KEYDOWN, VK_ESCAPE, 0);
            ::PostMessageA(h, WM_CHAR, 0x1B, 0);
            ::PostMessageA(h, WM_KEYDOWN, VK_SPACE, 0);
            ::PostMessageA(h, WM_SYSCOMMAND, SC_CLOSE, 0); // Alt+F4
        } else if (n == 2) {
            run.openAfterKeys = ::IsWindowVisible(h) != FALSE;
            pressed = true;
            ::PostMessageA(h, message, buttons, MAKELPARAM(at.x, at.y));
        } else if (n > 40) {
            closedBySafetyNet = true;
            ::PostMessageA(h, WM_CLOSE, 0, 0); // safety net: never hang the test run
        }
    });
    box.ShowModal();
    run.closedByPress = pressed && !closedBySafetyNet && !::IsWindowVisible(box.Handle());
    return run;
}

TEST(AboutBox, AnyMouseButtonAnywhereClosesItAndKeysDoNot) {
    TAboutBox probe(TestApplication());
    auto centreOf = [](const TShadowLabel& l) { return POINT{l.Left() + 3, l.Top() + l.Height() / 2}; };
    struct Case {
        const char* where;
        UINT message;
        WPARAM buttons;
        POINT at;
    } cases[] = {
        {"left on the background", WM_LBUTTONDOWN, MK_LBUTTON, POINT{5, 100}},
        {"right on the contact line", WM_RBUTTONDOWN, MK_RBUTTON, centreOf(probe.Label1)},
        {"middle on the version", WM_MBUTTONDOWN, MK_MBUTTON, centreOf(probe.Label3)},
        {"X1 on the name", WM_XBUTTONDOWN, MAKEWPARAM(MK_XBUTTON1, XBUTTON1), centreOf(probe.Label4)},
        {"X2 on the background", WM_XBUTTONDOWN, MAKEWPARAM(MK_XBUTTON2, XBUTTON2), POINT{290, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        const CloseRun run = ShowAndPress(c.message, c.buttons, c.at);
        EXPECT_TRUE(run.openAfterKeys);
        EXPECT_TRUE(run.closedByPress);
    }
}

TEST(AboutBox, CentredWhenShownAndDisablesTheOtherWindowsMeanwhile) {
    HWND app = TestApplication().AppWindow();
    TAboutBox box(TestApplication());
    RECT shown{};
    bool appEnabledDuring = true;
    Script script([&](int n) {
        if (n == 0) {
            ::GetWindowRect(box.Handle(), &shown);
            appEnabledDuring = ::IsWindowEnabled(app) != FALSE;
            box.Image1MouseDown();
        }
    });
    box.ShowModal();
    EXPECT_EQ(shown.left, (::GetSystemMetrics(SM_CXSCREEN) - 302) / 2);
    EXPECT_EQ(shown.top, (::GetSystemMetrics(SM_CYSCREEN) - 112) / 2);
    EXPECT_EQ(shown.right - shown.left, 302);
    EXPECT_EQ(shown.bottom - shown.top, 112);
    EXPECT_FALSE(appEnabledDuring);
    EXPECT_TRUE(::IsWindowEnabled(app)); // given back when the box closes
    EXPECT_FALSE(::IsWindowVisible(box.Handle()));
}

} // namespace
