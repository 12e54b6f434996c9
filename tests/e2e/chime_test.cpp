// The alarm and the time signal of the real program at a faked time of day: libfaketime is
// preloaded into a Wine process of its own, started through /bin/sh (a Unix process takes its
// environment from the block CreateProcess is given; a Windows child would not).
#include "support/ClockProcess.h"
#include "support/Paths.h"
#include "support/Screen.h"
#include "support/WaveFile.h"

#include <gtest/gtest.h>

#include <mmsystem.h>

#include <string>
#include <vector>

using namespace testsupport;

namespace {

const char* const kFakeTimeLibrary = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1";

// Starts the program of `clock` with its local clock set to `fakeTime` ("2026-01-05 07:04:58",
// running on from there) and the given extra Unix environment; its clock window, null if none came.
HWND StartAtFakeTime(ClockProcess& clock, const std::string& fakeTime, std::vector<std::string> env = {}) {
    env.push_back(std::string("LD_PRELOAD=") + kFakeTimeLibrary);
    env.push_back("FAKETIME=@" + fakeTime);
    env.push_back("FAKETIME_DONT_FAKE_MONOTONIC=1"); // Wine's timers keep the server's pace
    return clock.StartThroughShell(env);
}

bool FakeTimeAvailable() {
    return ::GetFileAttributesA(WindowsPathOf(kFakeTimeLibrary).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The clock's face changes on the screen (its time label, every second).
bool FaceChanges(HWND clock) {
    const RECT r = WindowRectOf(clock);
    const ScreenShot before(r);
    return WaitUntil([&] { return ScreenShot(r).CountDiffering(before) > 0; }, 3000);
}

const char* const kAlarmIni = "[Prop]\r\nJihou=0\r\nBack=1\r\n"
                              "[Timer]\r\nON/OFF=1\r\nTime=7\r\nMinutes=05\r\nDialog=1\r\n"
                              "DialogText=７時５分です。起きてください。\r\n";

class AlarmEndToEnd : public ::testing::TestWithParam<const char*> {};

TEST_P(AlarmEndToEnd, AlarmSetInTheSettingsFileFiresItsBoxWhileTheClockTicks) {
    if (!FakeTimeAvailable())
        GTEST_SKIP() << "libfaketime is not installed";
    ClockFolder folder;
    folder.WriteIni(kAlarmIni);
    ClockProcess clock(folder);
    HWND hwnd = StartAtFakeTime(clock, "2026-01-05 07:04:58", {std::string("LC_ALL=") + GetParam()});
    ASSERT_NE(hwnd, nullptr);

    // The box is found as the process's one dialog window; its texts are Japanese under a locale
    // of another code page too.
    HWND box = nullptr;
    WaitUntil([&] { return (box = VisibleDialogOf(clock.Id())) != nullptr; }, 8000);
    ASSERT_NE(box, nullptr) << "no alarm box under " << GetParam();
    EXPECT_EQ(TextOf(box), "情報");
    EXPECT_EQ(MessageBoxText(box), "７時５分です。起きてください。");
    EXPECT_EQ(ButtonTexts(box), std::vector<std::string>{"はい(&Y)"});
    const RECT r = WindowRectOf(box);
    EXPECT_NEAR((r.left + r.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    EXPECT_FALSE(::IsWindowEnabled(hwnd)) << "the box is not modal";
    EXPECT_TRUE(FaceChanges(hwnd)) << "the clock stopped under the box";

    PressButton(box);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(box); }, 5000));
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(hwnd) != FALSE; }, 5000));
    ::Sleep(1200);
    EXPECT_EQ(VisibleDialogOf(clock.Id()), nullptr) << "the alarm came again";
    EXPECT_TRUE(clock.Quit(15000));
}

TEST(AlarmBoxEndToEnd, ClosingTheClockUnderAnOpenAlarmBoxEndsTheProgram) {
    if (!FakeTimeAvailable())
        GTEST_SKIP() << "libfaketime is not installed";
    ClockFolder folder;
    folder.WriteIni(kAlarmIni);
    ClockProcess clock(folder);
    HWND hwnd = StartAtFakeTime(clock, "2026-01-05 07:04:58");
    ASSERT_NE(hwnd, nullptr);
    HWND box = WaitForMessageBox(clock.Id(), "情報", 8000);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(clock.Quit(15000)); // as at the end of the session
    EXPECT_EQ(clock.ExitCode(), 0u);
    EXPECT_NE(folder.ReadIni().find("Minutes=05"), std::string::npos);
}

// Japanese (":" between hour and minute) and Finnish ("." between them): the alarm matches on
// the clock's numbers, not on its text.
INSTANTIATE_TEST_SUITE_P(Locales, AlarmEndToEnd, ::testing::Values("ja_JP.UTF-8", "fi_FI.UTF-8"));

TEST(SignalEndToEnd, HalfHourSignalPlaysTheWaveFileToTheSoundDevice) {
    if (!FakeTimeAvailable())
        GTEST_SKIP() << "libfaketime is not installed";
    wave::SoundSink sink;
    if (!sink.Available())
        GTEST_SKIP() << "no sound sink: run inside scripts/test-session";
    ClockFolder folder;
    const std::string wavePath = folder.Path() + "\\signal.wav";
    wave::WriteBytes(wavePath, wave::FileBytes(22050, 11025));
    folder.WriteIni("[Prop]\r\nJihou=1\r\nTime30=1\r\nTime60=0\r\n[Timer]\r\nON/OFF=0\r\nSound=" + wavePath +
                    "\r\n");
    ClockProcess clock(folder);
    HWND hwnd = StartAtFakeTime(clock, "2026-01-05 07:29:58");
    ASSERT_NE(hwnd, nullptr);
    const std::string data = wave::SampleBytes(11025);
    EXPECT_TRUE(sink.WaitFor([&](const std::string& s) { return s == data; }, 8000))
        << sink.Since().size() << " bytes heard";
    EXPECT_TRUE(WindowsOf(clock.Id(), "#32770").empty());
    EXPECT_TRUE(clock.Quit(15000));
}

TEST(SignalEndToEnd, MissingWaveFileIsReportedAndTheClockGoesOn) {
    if (!FakeTimeAvailable())
        GTEST_SKIP() << "libfaketime is not installed";
    ClockFolder folder;
    folder.WriteIni("[Prop]\r\nJihou=1\r\nTime30=0\r\nTime60=1\r\n[Timer]\r\nON/OFF=0\r\nSound=" +
                    folder.Path() + "\\no-such-file.wav\r\n");
    ClockProcess clock(folder);
    HWND hwnd = StartAtFakeTime(clock, "2026-01-05 07:59:58");
    ASSERT_NE(hwnd, nullptr);

    HWND box = WaitForMessageBox(clock.Id(), "Morovin", 8000);
    ASSERT_NE(box, nullptr);
    char text[4096] = {};
    ASSERT_TRUE(::mciGetErrorStringA(MCIERR_FILE_NOT_FOUND, text, sizeof(text)));
    std::string expected = text;
    if (static_cast<unsigned char>(expected.back()) > '.')
        expected += ".";
    EXPECT_EQ(MessageBoxText(box), expected);
    EXPECT_TRUE(FaceChanges(hwnd)) << "the clock stopped under the error report";

    PressButton(box);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(box); }, 5000));
    EXPECT_EQ(WaitForMessageBox(clock.Id(), "Morovin", 1500), nullptr) << "the error came again";
    EXPECT_TRUE(clock.Running());
    EXPECT_TRUE(FaceChanges(hwnd));
    EXPECT_TRUE(clock.Quit(15000));
}

} // namespace
