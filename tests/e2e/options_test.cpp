// The three check items chosen from the tray menu of the real program: the Run value (under Wine
// the prefix's registry, which outlives the test: it removes the value), the settings file, the style.
#include "support/ClockProcess.h"

#include <gtest/gtest.h>

using namespace testsupport;

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::string RunValue() { // the test's paths are ASCII
    wchar_t data[1024] = {};
    DWORD size = sizeof(data);
    ::RegGetValueW(HKEY_CURRENT_USER, kRunKey, L"Morovin", RRF_RT_REG_SZ, nullptr, data, &size);
    return std::string(data, data + ::lstrlenW(data));
}

struct RunValueRemovedAtTheEnd {
    ~RunValueRemovedAtTheEnd() { ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Morovin"); }
};

TEST(Options, EachCheckItemReachesTheRegistryTheSettingsFileAndTheWindow) {
    RunValueRemovedAtTheEnd cleanUp;
    ClockFolder folder;
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForLayout();
    ASSERT_NE(hwnd, nullptr);
    const std::string ours = "\"" + folder.ExePath() + "\"";
    const auto chosen = [&](MenuKey item, const std::function<bool()>& then) {
        const HWND menu = OpenTrayMenu(clock, hwnd);
        return menu && (ChooseMenuItem(menu, item), WaitUntil(then, 3000));
    };
    const auto transparent = [&] { return (::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0; };
    const auto ini = [&](const char* key) { return IniValue(folder.ReadIni(), key); };
    EXPECT_TRUE(
        chosen(kStartWithWindows, [&] { return ::lstrcmpiA(RunValue().c_str(), ours.c_str()) == 0; }));
    EXPECT_TRUE(chosen(kClickThrough, [&] { return transparent() && ini("ClickThrough") == "1"; }));
    EXPECT_TRUE(chosen(kHideFullScreen, [&] { return ini("HideFullScreen") == "0"; }));
    EXPECT_TRUE(chosen(kClickThrough, [&] { return !transparent() && ini("ClickThrough") == "0"; }));
    EXPECT_TRUE(chosen(kStartWithWindows, [&] { return RunValue().empty(); }));
    EXPECT_TRUE(clock.Quit());
}
