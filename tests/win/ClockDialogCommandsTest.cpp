// The clock's dialog commands in-process: each shows its dialog modally over the disabled clock,
// names it by its program-wide reference while it is open, refuses a second opening, goes on
// ticking behind it, releases it and nudges the clock; quitting meanwhile takes the close path.
#include "ClockCommandsFixture.h"
#include "TestSupport.h"
#include "dialogs/AboutBox.h"
#include "dialogs/PosForm.h"
#include "dialogs/PropForm.h"
#include "support/ClockProcess.h"
#include "support/Files.h"

#include <gtest/gtest.h>

using namespace testsupport;
using namespace wintest;

namespace {

TEST_F(ClockCommandsTest, VersionCommandShowsOneAboutBoxModallyThenReleasesItAndNudges) {
    const int left = Clock().BoundsRect().left;
    MoveRecorder moves(ClockHwnd());
    struct During {
        bool openOverDisabledClock = false, visible = false, clockDisabled = false, secondRefused = false;
        bool ticked = false;
        size_t movesWhileOpen = 99;
    } during;
    WhileDialogOpen(
        "TAboutBox", [&] { Clock().KA1Click(); },
        [&](HWND) {
            TAboutBox* first = AboutBox;
            during.openOverDisabledClock = first != nullptr;
            if (!first)
                return;
            during.visible = ::IsWindowVisible(first->Handle()) != FALSE;
            during.clockDisabled = !::IsWindowEnabled(ClockHwnd());
            // The tray menu answers meanwhile: the same command again is refused.
            Clock().KA1Click();
            during.secondRefused = AboutBox == first && ThreadWindows("TAboutBox").size() == 1;
            during.movesWhileOpen = MoveRecorder::lefts.size();
            TickBehindTheDialog();
        },
        [&](HWND box) {
            during.ticked = Ticked();
            ::PostMessageA(box, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
        });

    EXPECT_TRUE(during.openOverDisabledClock);
    EXPECT_TRUE(during.visible);
    EXPECT_TRUE(during.clockDisabled);
    EXPECT_TRUE(during.secondRefused);
    EXPECT_EQ(during.movesWhileOpen, 0u) << "a refused opening nudges nothing";
    EXPECT_TRUE(during.ticked);
    EXPECT_EQ(AboutBox, nullptr);
    EXPECT_TRUE(ThreadWindows("TAboutBox").empty()) << "the box is destroyed, not only hidden";
    EXPECT_TRUE(::IsWindowEnabled(ClockHwnd()));
    EXPECT_EQ(MoveRecorder::lefts, (std::vector<int>{left + 1, left}));
}

TEST_F(ClockCommandsTest, PropertiesCommandOpensTheClocksStateThenReleasesTheDialogAndNudges) {
    Clock().Settings.ShowYear = true;
    Clock().Settings.PropPage = 0;
    Clock().Face().DateLbl.Shadow().SetOffsetLeft(7);
    const int left = Clock().BoundsRect().left;
    MoveRecorder moves(ClockHwnd());
    struct During {
        bool referenceSet = false, yearShown = false, offsetShown = false, ticked = false;
    } during;
    WhileDialogOpen(
        "TPropForm", [&] { Clock().KP1Click(); },
        [&](HWND) {
            TPropForm* form = PropForm;
            if (!form)
                return;
            during.referenceSet = true;
            during.yearShown = form->YChk.Checked();
            during.offsetShown = form->XLabel.Text() == "7";
            TickBehindTheDialog();
        },
        [&](HWND dialog) {
            during.ticked = Ticked();
            if (PropForm)
                PropForm->PageControl1.SetActivePageIndex(2);
            ::PostMessageA(dialog, WM_CLOSE, 0, 0);
        });

    EXPECT_TRUE(during.referenceSet);
    EXPECT_TRUE(during.yearShown);
    EXPECT_TRUE(during.offsetShown);
    EXPECT_TRUE(during.ticked);
    EXPECT_EQ(PropForm, nullptr);
    EXPECT_TRUE(ThreadWindows("TPropForm").empty()) << "the dialog is destroyed, not only hidden";
    EXPECT_EQ(Clock().Settings.PropPage, 2);
    EXPECT_EQ(MoveRecorder::lefts, (std::vector<int>{left + 1, left}));
}

TEST_F(ClockCommandsTest, PositionCommandMovesTheClockOnEachChoiceThenReleasesTheDialogAndNudges) {
    const RECT start = Clock().BoundsRect();
    const PlacementPoint corner =
        PlaceForItem(kUpperRight, start.right - start.left, start.bottom - start.top, ReadScreenReport(),
                     PlacementPoint{start.left, start.top});
    ASSERT_NE(corner.top, start.top) << "the test needs the top to move too";
    MoveRecorder moves(ClockHwnd());
    bool openOverDisabledClock = false;
    WhileDialogOpen(
        "TPosForm", [&] { Clock().K1Click(); },
        [&](HWND) {
            if (!PosForm)
                return;
            openOverDisabledClock = !::IsWindowEnabled(ClockHwnd());
            ::SendMessageA(PosForm->RadioGroup1.ItemHandle(kUpperRight), BM_CLICK, 0, 0);
            ::SendMessageA(PosForm->Button1.Handle(), BM_CLICK, 0, 0); // closes it
        },
        [](HWND) {});

    EXPECT_TRUE(openOverDisabledClock) << "no dialog named while open over a disabled clock";
    EXPECT_EQ(PosForm, nullptr);
    EXPECT_TRUE(ThreadWindows("TPosForm").empty()) << "the dialog is destroyed, not only hidden";
    // The left and then the top, each a move; then the nudge. Where it stood moved nothing.
    EXPECT_EQ(MoveRecorder::lefts,
              (std::vector<int>{corner.left, corner.left, corner.left + 1, corner.left}));
    EXPECT_EQ(Clock().BoundsRect().top, corner.top);
}

TEST_F(ClockCommandsTest, QuitClosesThroughTheClosePathEvenWithTheAboutBoxOpen) {
    bool closedDuring = false, boxStillOpen = false;
    WhileDialogOpen(
        "TAboutBox", [&] { Clock().KA1Click(); }, // returns after the box closes; its nudge finds no window
        [&](HWND) { Clock().KC1Click(); },
        [&](HWND) {
            closedDuring = !::IsWindow(ClockHwnd()) && Clock().Handle() == nullptr;
            boxStillOpen = AboutBox && ::IsWindowVisible(AboutBox->Handle());
            if (AboutBox)
                AboutBox->Image1MouseDown();
        });
    EXPECT_TRUE(closedDuring);
    EXPECT_TRUE(boxStillOpen);
    EXPECT_EQ(AboutBox, nullptr);
    EXPECT_NE(FileBytes(TestSettingsFile(), "").find("[Form]"), std::string::npos)
        << "the close path saved the settings";
}

} // namespace
