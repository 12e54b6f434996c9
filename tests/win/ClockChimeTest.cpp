// The alarm and the time signal inside the clock's real tick: the alarm box with the clock
// ticking beneath it, real sound through MCI to the session's sink, and the media error.
#include "ClockFixture.h"
#include "TestSupport.h"
#include "base/ErrorText.h"
#include "clockwindow/ClockWindow_win.h"
#include "support/Scripts.h"
#include "support/WaveFile.h"
#include "support/WindowInfo.h"
#include "ui/MediaPlayer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

using namespace testsupport;
using namespace wintest;

namespace {

constexpr UINT_PTR kClockTimer = 1;

class ClockChimeTest : public ClockFixture {
protected:
    ClockChimeTest() { now_ = MakeTime(2026, 1, 5, 1, 7, 4, 59); }
    TWobToke& Open() {
        ClockSettings& s = MakeClock().Settings;
        s.AlarmOn = s.AlarmByDialog = s.ChimeOn = s.ChimeHalfHour = s.ChimeHour = false;
        ShowClock();
        return *clock_;
    }
    void At(int hour, int minute, int second) { now_ = MakeTime(2026, 1, 5, 1, hour, minute, second); }
    // Ticks through the window procedure, whose dispatcher reports errors.
    void TickThroughDispatcher() { ::SendMessageA(clock_->Handle(), WM_TIMER, kClockTimer, 0); }
    void NestedTick() { ::PostMessageA(clock_->Handle(), WM_TIMER, kClockTimer, 0); }
    std::string MakeWave(int samples) {
        const std::string path = wave::TempPath("chime-test.wav");
        wave::WriteBytes(path, wave::FileBytes(22050, samples));
        return path;
    }
    bool SkipWithoutSink() const { return !sink_.Available(); }

    wave::SoundSink sink_;
};

TEST_F(ClockChimeTest, AlarmBoxFromATickWithTheClockTickingBeneath) {
    TWobToke& clock = Open();
    clock.Settings.AlarmOn = true;
    clock.Settings.AlarmByDialog = true;
    clock.Settings.AlarmHour = "07"; // typed with a leading zero, and a one-digit minute
    clock.Settings.AlarmMinute = "5";
    std::string text;
    for (int i = 0; i < 12; ++i)
        text += "起きる時間です。 ";
    clock.Settings.DialogText = text;
    clock.Timer1Timer(); // 7:04:59
    ASSERT_TRUE(BoxesOfThisThread().empty());

    HWND box = nullptr;
    ModalScript script({
        [&] {
            if (BoxesOfThisThread().size() != 1)
                return false;
            box = BoxesOfThisThread().front();
            EXPECT_EQ(TextOf(box), "情報");
            HWND message = ::GetDlgItem(box, 0xFFFF);
            EXPECT_EQ(TextOf(message), text);
            RECT m{};
            ::GetWindowRect(message, &m);
            const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
            EXPECT_LE(m.right - m.left, screenWidth / 2);
            EXPECT_GT(m.right - m.left, screenWidth / 3) << "the text is not wrapped near half the screen";
            EXPECT_GE(m.bottom - m.top, 2 * 12) << "the long text is not on several lines";

            HWND button = ::GetDlgItem(box, IDOK);
            EXPECT_EQ(TextOf(button), "はい(&Y)");
            EXPECT_EQ(::GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
            EXPECT_EQ(LOWORD(::SendMessageA(box, DM_GETDEFID, 0, 0)), IDOK);
            int buttons = 0;
            for (HWND c = ::GetWindow(box, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
                char cls[32] = {};
                ::GetClassNameA(c, cls, sizeof(cls));
                buttons += std::string(cls) == "Button";
            }
            EXPECT_EQ(buttons, 1);
            HWND icon = ::GetDlgItem(box, 0x0014);
            EXPECT_EQ(::GetWindowLongA(icon, GWL_STYLE) & SS_TYPEMASK, SS_ICON);
            EXPECT_NE(::SendMessageA(icon, STM_GETICON, 0, 0), 0);

            RECT r{};
            ::GetWindowRect(box, &r);
            EXPECT_NEAR((r.left + r.right) / 2, screenWidth / 2, 1);
            EXPECT_NEAR((r.top + r.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);
            // Modal for the whole program, owned by the hidden application window (so no
            // task-bar button) and above the stay-on-top clock.
            EXPECT_FALSE(::IsWindowEnabled(clock.Handle()));
            EXPECT_EQ(::GetWindow(box, GW_OWNER), TestApplication().AppWindow());
            EXPECT_FALSE(::GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_APPWINDOW);
            EXPECT_TRUE(::GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST);

            At(7, 5, 1);
            NestedTick();
            return true;
        },
        [&] { return clock.Face().TimeLbl.Caption() == "7:05:01"; },
        [&] {
            At(7, 5, 2);
            NestedTick();
            return true;
        },
        [&] {
            if (clock.Face().TimeLbl.Caption() != "7:05:02")
                return false;
            EXPECT_EQ(BoxesOfThisThread().size(), 1u) << "a nested tick fired the alarm again";
            At(7, 5, 12); // closed before the next tick
            ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(box, IDOK)));
            return true;
        },
    });
    At(7, 5, 0);
    clock.Timer1Timer(); // returns when the box is closed
    EXPECT_TRUE(script.Finished());
    EXPECT_FALSE(::IsWindow(box));
    EXPECT_TRUE(::IsWindowEnabled(clock.Handle()));
    // The interrupted tick shows the time at which the box closed, not its own from before the box.
    EXPECT_EQ(clock.Face().TimeLbl.Caption(), "7:05:12");
    At(7, 5, 13);
    clock.Timer1Timer();
    EXPECT_EQ(clock.Face().TimeLbl.Caption(), "7:05:13");
    EXPECT_TRUE(BoxesOfThisThread().empty());
}

TEST_F(ClockChimeTest, AlarmBoxWithoutTextHasTheIconAndTheButtonOnlyAndClosesWithEscape) {
    TWobToke& clock = Open();
    clock.Settings.AlarmOn = true;
    clock.Settings.AlarmByDialog = true;
    clock.Settings.AlarmHour = "7";
    clock.Settings.AlarmMinute = "05";
    clock.Settings.DialogText = "";
    ModalScript script({
        [&] {
            if (BoxesOfThisThread().size() != 1)
                return false;
            HWND box = BoxesOfThisThread().front();
            EXPECT_EQ(::GetDlgItem(box, 0xFFFF), nullptr) << "no text, no text control";
            HWND icon = ::GetDlgItem(box, 0x0014);
            EXPECT_NE(::SendMessageA(icon, STM_GETICON, 0, 0), 0);
            HWND button = ::GetDlgItem(box, IDOK);
            EXPECT_EQ(TextOf(button), "はい(&Y)");
            // As narrow as the wider of icon and button with their margins, not the wrapping width.
            RECT client{}, i{}, b{};
            ::GetClientRect(box, &client);
            ::GetWindowRect(icon, &i);
            ::GetWindowRect(button, &b);
            const int widest = std::max(i.right - i.left, b.right - b.left);
            EXPECT_LE(client.right, widest + 2 * 12 + 12) << "the empty text made the box wide";
            EXPECT_LT(client.right, ::GetSystemMetrics(SM_CXSCREEN) / 4);
            ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
            return true;
        },
    });
    At(7, 5, 0);
    clock.Timer1Timer();
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(BoxesOfThisThread().empty());
}

// The alarm box stays open until the user closes it; what is left of its second afterwards may
// only sound while that second is within the catch-up window, and by the settings then in force.
// The bare sound device (no wave file) shows whether a signal was played.
TEST_F(ClockChimeTest, AfterTheAlarmBoxOnlyWhatIsStillDueSounds) {
    struct Case {
        int closedAtMinute, closedAtSecond;
        bool signalTurnedOffMeanwhile;
        bool played;
    };
    const Case cases[] = {
        {0, 4, false, true},   // closed within the window: the 7:00 signal still sounds
        {0, 5, false, false},  // just past it: dropped
        {45, 0, false, false}, // the 7:00 signal never sounds at 7:45
        {0, 1, true, false},   // the settings of the moment decide
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "closed at 7:" << c.closedAtMinute << ":" << c.closedAtSecond);
        TWobToke& clock = Open();
        clock.Settings.AlarmOn = clock.Settings.AlarmByDialog = true;
        clock.Settings.AlarmHour = "7";
        clock.Settings.AlarmMinute = "00";
        clock.Settings.ChimeOn = clock.Settings.ChimeHour = true;
        clock.Settings.SoundFile = "";
        ModalScript script({
            [&] {
                if (BoxesOfThisThread().size() != 1)
                    return false;
                EXPECT_FALSE(clock.MediaPlayer1().IsOpen()) << "the signal came before the alarm";
                if (c.signalTurnedOffMeanwhile)
                    clock.Settings.ChimeOn = false;
                At(7, c.closedAtMinute, c.closedAtSecond);
                ::PostMessageA(BoxesOfThisThread().front(), WM_COMMAND, IDOK, 0);
                return true;
            },
        });
        At(7, 0, 0);
        clock.Timer1Timer();
        ASSERT_TRUE(script.Finished());
        EXPECT_EQ(clock.MediaPlayer1().IsOpen(), c.played);
    }
}

TEST_F(ClockChimeTest, SignalOfTheAlarmSecondSoundsAfterTheBoxIsClosed) {
    if (SkipWithoutSink())
        GTEST_SKIP() << "no sound sink";
    TWobToke& clock = Open();
    clock.Settings.AlarmOn = true;
    clock.Settings.AlarmByDialog = true;
    clock.Settings.AlarmHour = "7";
    clock.Settings.AlarmMinute = "00";
    clock.Settings.ChimeOn = true;
    clock.Settings.ChimeHour = true;
    clock.Settings.SoundFile = MakeWave(4410);
    ModalScript script({
        [&] {
            if (BoxesOfThisThread().size() != 1)
                return false;
            // The alarm comes first: nothing has sounded while the box is up, nested ticks included.
            At(7, 0, 1);
            NestedTick();
            return true;
        },
        [&] {
            if (clock.Face().TimeLbl.Caption() != "7:00:01")
                return false;
            EXPECT_EQ(sink_.Since(), "");
            ::PostMessageA(BoxesOfThisThread().front(), WM_COMMAND, IDOK, 0);
            return true;
        },
    });
    At(7, 0, 0);
    clock.Timer1Timer();
    ASSERT_TRUE(script.Finished());
    const std::string data = wave::SampleBytes(4410);
    EXPECT_TRUE(sink_.WaitFor([&](const std::string& s) { return s == data; }, 5000))
        << sink_.Since().size() << " bytes heard";
}

TEST_F(ClockChimeTest, EverySignalPlaysTheWholeWaveAgainAndTheNoticesDisturbNothing) {
    if (SkipWithoutSink())
        GTEST_SKIP() << "no sound sink";
    TWobToke& clock = Open();
    clock.Settings.ChimeOn = true;
    clock.Settings.ChimeHalfHour = true;
    clock.Settings.ChimeHour = true;
    clock.Settings.SoundFile = MakeWave(11025);
    At(13, 29, 59);
    clock.Timer1Timer();
    At(13, 30, 0);
    clock.Timer1Timer();
    EXPECT_EQ(clock.Face().TimeLbl.Caption(), "13:30:00");
    const std::string data = wave::SampleBytes(11025);
    ASSERT_TRUE(sink_.WaitFor([&](const std::string& s) { return s.size() >= data.size(); }, 5000));
    EXPECT_EQ(sink_.Since(), data);

    // The completion notice arrives at the player's own window; the clock sees nothing of it.
    EXPECT_NE(clock.MediaPlayer1().NotifyWindow(), clock.Handle());
    ::UpdateWindow(clock.Handle());
    ::ValidateRect(clock.Handle(), nullptr);
    const RECT before = clock.BoundsRect();
    EXPECT_TRUE(
        sink_.WaitFor([&](const std::string&) { return clock.MediaPlayer1().NotifyValue() != 0; }, 3000));
    EXPECT_EQ(clock.MediaPlayer1().NotifyValue(), static_cast<UINT>(MCI_NOTIFY_SUCCESSFUL));
    EXPECT_FALSE(::GetUpdateRect(clock.Handle(), nullptr, FALSE));
    const RECT after = clock.BoundsRect();
    EXPECT_TRUE(::EqualRect(&before, &after));
    EXPECT_TRUE(BoxesOfThisThread().empty());
    EXPECT_TRUE(::IsWindowEnabled(clock.Handle()));

    // The device is still open at the end of the file; the next signal starts it afresh.
    At(14, 0, 0);
    clock.Timer1Timer();
    ASSERT_TRUE(sink_.WaitFor([&](const std::string& s) { return s.size() >= 2 * data.size(); }, 5000));
    EXPECT_EQ(sink_.Since(), data + data);
}

TEST_F(ClockChimeTest, LateTickStillSoundsTheSignalOnce) {
    if (SkipWithoutSink())
        GTEST_SKIP() << "no sound sink";
    TWobToke& clock = Open();
    clock.Settings.ChimeOn = true;
    clock.Settings.ChimeHour = true;
    clock.Settings.SoundFile = MakeWave(2205);
    At(13, 59, 58);
    clock.Timer1Timer();
    At(14, 0, 2); // the ticks for 13:59:59 to 14:00:01 never came
    clock.Timer1Timer();
    At(14, 0, 3);
    clock.Timer1Timer();
    const std::string data = wave::SampleBytes(2205);
    ASSERT_TRUE(sink_.WaitFor([&](const std::string& s) { return s.size() >= data.size(); }, 5000));
    ::Sleep(300);
    EXPECT_EQ(sink_.Since(), data);
}

TEST_F(ClockChimeTest, AlarmAndSignalOfOneSecondAreHeardOnceFromTheStart) {
    if (SkipWithoutSink())
        GTEST_SKIP() << "no sound sink";
    TWobToke& clock = Open();
    clock.Settings.AlarmOn = true;
    clock.Settings.AlarmHour = "13";
    clock.Settings.AlarmMinute = "30";
    clock.Settings.ChimeOn = true;
    clock.Settings.ChimeHalfHour = true;
    clock.Settings.SoundFile = MakeWave(3 * 22050);
    At(13, 30, 0);
    clock.Timer1Timer();
    const std::string data = wave::SampleBytes(3 * 22050);
    // Three seconds of sound, twice begun: allow for a machine busy with other work.
    ASSERT_TRUE(sink_.WaitFor([&](const std::string& s) { return s.ends_with(data); }, 20000))
        << "waited for the whole wave to reach the sound sink";
    // The second play cut the first off: what came before the whole file is its beginning, and on a
    // busy machine the silence the driver pads the cut-off period with.
    const std::string heard = sink_.Since();
    const std::string before = heard.substr(0, heard.size() - data.size());
    const size_t played = before.find_last_not_of('\0') + 1;
    EXPECT_LT(played, data.size());
    EXPECT_EQ(before.substr(0, played), data.substr(0, played));
}

TEST_F(ClockChimeTest, MissingWaveFileIsReportedAndTheClockGoesOn) {
    TWobToke& clock = Open();
    clock.Settings.ChimeOn = true;
    clock.Settings.ChimeHour = true;
    clock.Settings.SoundFile = wave::TempPath("chime-no-such-file.wav");
    const std::string expected = ErrorReportText(ui::MciErrorText(MCIERR_FILE_NOT_FOUND));
    At(7, 59, 59);
    clock.Timer1Timer();
    ModalScript script({
        [&] {
            if (BoxesOfThisThread().size() != 1)
                return false;
            HWND box = BoxesOfThisThread().front();
            EXPECT_EQ(TextOf(box), "Morovin");
            EXPECT_EQ(TextOf(::GetDlgItem(box, 0xFFFF)), expected);
            // The failed tick ended before its time text was shown.
            EXPECT_EQ(clock.Face().TimeLbl.Caption(), "7:59:59");
            At(8, 0, 1);
            NestedTick();
            return true;
        },
        [&] {
            if (clock.Face().TimeLbl.Caption() != "8:00:01")
                return false;
            EXPECT_EQ(BoxesOfThisThread().size(), 1u) << "the failed signal was tried again";
            ::PostMessageA(BoxesOfThisThread().front(), WM_COMMAND, IDOK, 0);
            return true;
        },
    });
    At(8, 0, 0);
    TickThroughDispatcher();
    EXPECT_TRUE(script.Finished());
    EXPECT_FALSE(clock.MediaPlayer1().IsOpen());

    At(8, 0, 2);
    clock.Timer1Timer();
    EXPECT_EQ(clock.Face().TimeLbl.Caption(), "8:00:02");
    EXPECT_TRUE(BoxesOfThisThread().empty());
}

TEST_F(ClockChimeTest, SignalWithoutAWaveFileReportsNothing) {
    TWobToke& clock = Open();
    clock.Settings.ChimeOn = true;
    clock.Settings.ChimeHour = true;
    clock.Settings.ChimeHalfHour = true;
    clock.Settings.SoundFile = ""; // as after a first start
    At(9, 0, 0);
    EXPECT_NO_THROW(clock.Timer1Timer()); // the bare device opens; its play error is not reported
    EXPECT_EQ(clock.Face().TimeLbl.Caption(), "9:00:00");
    EXPECT_TRUE(clock.MediaPlayer1().IsOpen());
}

} // namespace
