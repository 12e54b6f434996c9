// The popup menu's three check items on the real program, chosen from the tray menu as the user
// would: start with Windows in the current user's Run key (under Wine the prefix's registry), the
// two options in the settings file, and click-through on the clock window's extended style.
#include "support/ClockProcess.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace testsupport;

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The Run value "Morovin", removed before and after the test: the prefix outlives the run.
class RunValueGuard {
public:
    RunValueGuard() { Remove(); }
    ~RunValueGuard() { Remove(); }
    RunValueGuard(const RunValueGuard&) = delete;
    RunValueGuard& operator=(const RunValueGuard&) = delete;
    static void Remove() { ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Morovin"); }
    static std::optional<std::wstring> Read() {
        wchar_t data[1024] = {};
        DWORD size = sizeof(data);
        if (::RegGetValueW(HKEY_CURRENT_USER, kRunKey, L"Morovin", RRF_RT_REG_SZ, nullptr, data, &size) !=
            ERROR_SUCCESS)
            return std::nullopt;
        return std::wstring(data);
    }
};

std::wstring Wide(const std::string& ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

TEST(Options, EachCheckItemReachesTheRegistryTheSettingsFileAndTheWindow) {
    RunValueGuard run;
    ClockFolder folder;
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForLayout();
    ASSERT_NE(hwnd, nullptr);
    const auto exStyle = [&] { return ::GetWindowLongA(hwnd, GWL_EXSTYLE); };
    const auto ini = [&](const char* key) { return IniValue(folder.ReadIni(), key); };
    const auto choose = [&](MenuKey item) {
        HWND menu = OpenTrayMenu(clock, hwnd);
        ASSERT_NE(menu, nullptr) << "waited for the tray menu to open";
        ChooseMenuItem(menu, item);
        ASSERT_TRUE(WaitUntil([&] { return VisibleMenuOf(clock.Id()) == nullptr; }, 3000));
    };
    EXPECT_FALSE(exStyle() & WS_EX_TRANSPARENT);

    choose(kStartWithWindows);
    const std::wstring expected = L"\"" + Wide(folder.ExePath()) + L"\"";
    EXPECT_TRUE(WaitUntil(
        [&] {
            return RunValueGuard::Read() &&
                   ::lstrcmpiW(RunValueGuard::Read()->c_str(), expected.c_str()) == 0;
        },
        3000))
        << "Run value: " << (RunValueGuard::Read() ? "another one" : "none");

    choose(kClickThrough);
    EXPECT_TRUE(WaitUntil(
        [&] {
            return (exStyle() & (WS_EX_TRANSPARENT | WS_EX_LAYERED)) == (WS_EX_TRANSPARENT | WS_EX_LAYERED);
        },
        3000));
    EXPECT_TRUE(WaitUntil([&] { return ini("ClickThrough") == "1"; }, 3000)) << "saved when chosen";
    EXPECT_EQ(ini("HideFullScreen"), "1") << "on by default";

    choose(kHideFullScreen);
    EXPECT_TRUE(WaitUntil([&] { return ini("HideFullScreen") == "0"; }, 3000));

    // The tray menu still answers and turns click-through off.
    choose(kClickThrough);
    EXPECT_TRUE(WaitUntil([&] { return !(exStyle() & WS_EX_TRANSPARENT); }, 3000));
    choose(kStartWithWindows);
    EXPECT_TRUE(WaitUntil([&] { return !RunValueGuard::Read(); }, 3000)) << "choosing again removes it";

    ASSERT_TRUE(clock.Quit());
    const std::string bytes = folder.ReadIni();
    const auto timer = bytes.find("[Timer]");
    ASSERT_NE(timer, std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.find("[", timer + 1)), "[Option]\r\nHideFullScreen=0\r\nClickThrough=0\r\n");
}

} // namespace
