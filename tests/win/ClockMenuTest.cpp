// The clock's popup menu and its commands without a dialog of their own, in-process: the items,
// the screen-saver test against System.INI, the menu over an open box, the help command's choice,
// nudges, presses and quitting.
#include "ClockCommandsFixture.h"
#include "TestSupport.h"
#include "clockwindow/ClockWindow_win.h"
#include "dialogs/AboutBox.h"
#include "support/ClockProcess.h"
#include "ui/PopupMenu.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <sstream>
#include <vector>

using namespace testsupport;
using namespace wintest;

namespace {

// The Windows directory's System.INI, put back byte for byte afterwards.
class SystemIniGuard {
public:
    SystemIniGuard() {
        char dir[MAX_PATH];
        ::GetWindowsDirectoryA(dir, MAX_PATH);
        path_ = std::string(dir) + "\\system.ini";
        std::ifstream in(path_, std::ios::binary);
        if (in) {
            std::ostringstream s;
            s << in.rdbuf();
            original_ = s.str();
        }
    }
    ~SystemIniGuard() {
        ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, "System.INI"); // flush the cache
        if (original_) {
            std::ofstream(path_, std::ios::binary | std::ios::trunc) << *original_;
        } else {
            ::DeleteFileA(path_.c_str());
        }
        ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, "System.INI");
    }
    SystemIniGuard(const SystemIniGuard&) = delete;
    SystemIniGuard& operator=(const SystemIniGuard&) = delete;

    static void SetBootKey(const char* value) {
        ::WritePrivateProfileStringA("Boot", "SCRNSAVE.EXE", value, "System.INI");
    }
    static void DropBootSection() { ::WritePrivateProfileStringA("Boot", nullptr, nullptr, "System.INI"); }

private:
    std::string path_;
    std::optional<std::string> original_;
};

void CloseEveryAboutBox() {
    for (HWND box : ThreadWindows("TAboutBox"))
        ::PostMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, 0);
}

TEST_F(ClockCommandsTest, MenuHasItsItemsInOrder) {
    HMENU menu = Clock().Menu().PopupMenu1.Handle();
    ASSERT_EQ(::GetMenuItemCount(menu), 13);
    const auto& ids = Clock().Menu();
    struct Item {
        const char* caption; // null: separator
        UINT id;
    } items[] = {{"プロパティ", ids.KP1},
                 {"表示位置調整", ids.K1},
                 {nullptr, 0},
                 {"スクリーンセーバー起動", ids.KS1},
                 {"画面のプロパティ", ids.N4},
                 {nullptr, 0},
                 {"Windows起動時に実行", ids.StartWithWindows},
                 {"全画面表示中は隠す", ids.HideFullScreen},
                 {"クリックを透過する", ids.ClickThrough},
                 {nullptr, 0},
                 {"ヘルプ", ids.N3},
                 {"バージョン情報", ids.KA1},
                 {"Morovinの終了", ids.KC1}};
    for (int i = 0; i < 13; ++i) {
        SCOPED_TRACE(i);
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID;
        ASSERT_TRUE(::GetMenuItemInfoA(menu, i, TRUE, &info));
        if (!items[i].caption) {
            EXPECT_TRUE(info.fType & MFT_SEPARATOR);
            continue;
        }
        char text[64] = {};
        ::GetMenuStringA(menu, i, text, sizeof(text), MF_BYPOSITION);
        EXPECT_STREQ(text, items[i].caption);
        EXPECT_EQ(info.wID, items[i].id);
    }
}

TEST_F(ClockCommandsTest, ScreenSaverItemFollowsSystemIniEveryTimeTheMenuOpens) {
    SystemIniGuard guard;
    const UINT ks1 = Clock().Menu().KS1;
    auto enabledAfterPopup = [&] {
        Clock().PopupMenu1Popup();
        return Clock().Menu().PopupMenu1.IsEnabled(ks1);
    };
    SystemIniGuard::DropBootSection();
    EXPECT_FALSE(enabledAfterPopup()) << "no [Boot] section";
    ::WritePrivateProfileStringA("Boot", "shell", "Explorer.exe", "System.INI");
    EXPECT_FALSE(enabledAfterPopup()) << "no key";
    SystemIniGuard::SetBootKey("");
    EXPECT_TRUE(enabledAfterPopup()) << "empty value";
    SystemIniGuard::SetBootKey("A");
    EXPECT_FALSE(enabledAfterPopup()) << "the default's own text";
    SystemIniGuard::SetBootKey("a");
    EXPECT_TRUE(enabledAfterPopup()) << "compared case-sensitively";
    SystemIniGuard::SetBootKey("AA");
    EXPECT_TRUE(enabledAfterPopup()) << "compared as a whole";
    SystemIniGuard::SetBootKey("C:\\WINDOWS\\system32\\ssstars.scr");
    EXPECT_TRUE(enabledAfterPopup());
}

TEST_F(ClockCommandsTest, MenuOpensAtThePointWithTheScreenSaverStateOfThatMoment) {
    SystemIniGuard guard;
    const UINT ks1 = Clock().Menu().KS1;
    struct Seen {
        RECT menu{};
        bool ks1Enabled = false;
        bool shown = false;
    };
    auto openAt = [&](POINT p) {
        Seen seen;
        Script script([&](int n) {
            const std::vector<HWND> menus = ThreadWindows("#32768");
            for (HWND m : menus) {
                if (::IsWindowVisible(m) && !seen.shown) {
                    seen.shown = true;
                    ::GetWindowRect(m, &seen.menu);
                    seen.ks1Enabled = Clock().Menu().PopupMenu1.IsEnabled(ks1);
                }
            }
            if (seen.shown || n > 40)
                ::EndMenu();
        });
        Clock().ShowPopupMenu(p);
        return seen;
    };
    const struct {
        const char* bootKey;
        POINT at;
        bool ks1Enabled;
    } rows[] = {{"A", {300, 200}, false}, {"ssstars.scr", {150, 120}, true}};
    for (const auto& row : rows) {
        SystemIniGuard::SetBootKey(row.bootKey);
        const Seen seen = openAt(row.at);
        ASSERT_TRUE(seen.shown) << row.bootKey;
        EXPECT_EQ(seen.menu.left, row.at.x) << row.bootKey;
        EXPECT_EQ(seen.menu.top, row.at.y) << row.bootKey;
        EXPECT_EQ(seen.ks1Enabled, row.ks1Enabled) << row.bootKey;
    }
}

// A box's activation reaches the window system some time after the box is shown; a menu whose
// owner took the foreground back from the box in the meantime is closed by it at once. So while
// a box is open, the tray menu belongs to the box.
TEST_F(ClockCommandsTest, TrayMenuOverAnOpenAboutBoxBelongsToTheBox) {
    struct Seen {
        bool shown = false;
        HWND foreground = nullptr, about = nullptr;
    } seen;
    Script script([&](int n) {
        if (n == 0 && AboutBox) {
            Clock().OnTrayIconMessage(1, WM_RBUTTONDOWN); // returns once the menu has closed
            if (AboutBox)
                ::PostMessageA(AboutBox->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
        } else if (!seen.shown) {
            for (HWND m : ThreadWindows("#32768")) {
                if (::IsWindowVisible(m) && !seen.shown) {
                    seen.shown = true;
                    seen.foreground = ::GetForegroundWindow();
                    seen.about = AboutBox ? AboutBox->Handle() : nullptr;
                    ::EndMenu();
                }
            }
        }
        if (n > 60) { // safety net: never hang the test run
            ::EndMenu();
            CloseEveryAboutBox();
        }
    });
    Clock().KA1Click();
    ASSERT_TRUE(seen.shown) << "the tray menu did not open over the About box";
    EXPECT_NE(seen.about, nullptr);
    EXPECT_EQ(seen.foreground, seen.about) << "the clock took the foreground from the open box";
    EXPECT_EQ(AboutBox, nullptr);
}

TEST_F(ClockCommandsTest, ScreenSaverCommandNudgesTheClock) {
    const int left = Clock().BoundsRect().left;
    MoveRecorder moves(ClockHwnd());
    Clock().KS1Click();
    EXPECT_EQ(MoveRecorder::lefts, (std::vector<int>{left + 1, left}));
    EXPECT_EQ(Clock().BoundsRect().left, left);
}

TEST_F(ClockCommandsTest, DisplaySettingsCommandDoesNotNudge) {
    MoveRecorder moves(ClockHwnd());
    Clock().N4Click();
    PumpMessages();
    EXPECT_TRUE(MoveRecorder::lefts.empty());
}

TEST_F(ClockCommandsTest, HelpCommandOpensTheHelpFileOrThePageOrSaysWhatIsMissing) {
    ui::Application& app = TestApplication();
    const ui::HelpCalls real = app.Help;
    app.SetHelpFile("C:\\時計\\表\\MOROVIN.hlp"); // the box shows "表" (0x95 0x5C) whole
    app.SetHelpPage("C:\\時計\\表\\MOROVIN.html");
    std::string seen; // what the command did: the viewer's or the browser's file, or the box's text
    app.Help.WinHelp = [&](HWND owner, const std::string& path, UINT command, ULONG_PTR data) {
        seen += path + " " + std::to_string(command) + reinterpret_cast<const char*>(data);
        EXPECT_EQ(owner, ClockHwnd());
    };
    app.Help.OpenPage = [&](HWND, const std::string& path) { seen += path; };
    const std::pair<int, const char*> rows[] = {
        // the files there: 1 the .hlp, 2 the .html
        {1, "C:\\時計\\表\\MOROVIN.hlp 258CONTENTS()"},
        {3, "C:\\時計\\表\\MOROVIN.html"}, // an old version's .hlp beside the page: the page
        {2, "C:\\時計\\表\\MOROVIN.html"},
        {0, "ヘルプのファイル MOROVIN.html が見つかりません。\n\n探したフォルダー:\nC:\\時計\\表\\\n\n"
            "zip に入っていた MOROVIN.html を、このフォルダーに置いてください。"}};
    for (const auto& [files, expected] : rows) {
        seen.clear();
        app.Help.FileExists = [&](const std::string& path) {
            return (files & (path == app.HelpFile() ? 1 : 2)) != 0;
        };
        ModalScript script({[&] { // reads and closes any box, so that a wrong one never hangs the run
            const HWND box = OpenDialogOfThisThread("Morovin");
            seen += box ? MessageBoxText(box) : "";
            if (box)
                PressButton(box);
            return box != nullptr;
        }});
        MoveRecorder moves(ClockHwnd());
        Clock().N3Click();
        EXPECT_EQ(seen, expected);
        EXPECT_TRUE(MoveRecorder::lefts.empty()) << "the help command nudged the clock";
    }
    app.Help = real;
    app.SetHelpFile({});
    app.SetHelpPage({});
}

TEST_F(ClockCommandsTest, PressWithAnyButtonOnWindowOrLabelHidesTheApplicationWindow) {
    Clock().Settings.Movable = false; // a left press would otherwise start a real drag
    HWND app = TestApplication().AppWindow();
    // (Each hiding of the captioned application window costs Wine about 2 s: one press per label.)
    const struct {
        const TShadowLabel& label;
        UINT press;
    } cases[] = {{Clock().Face().DateLbl, WM_LBUTTONDOWN},
                 {Clock().Face().WeekLbl, WM_RBUTTONDOWN},
                 {Clock().Face().TimeLbl, WM_MBUTTONDOWN}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label.Caption());
        ::ShowWindow(app, SW_SHOWNOACTIVATE);
        ASSERT_TRUE(::IsWindowVisible(app));
        const int x = c.label.Left() + c.label.Width() / 2, y = c.label.Top() + c.label.Height() / 2;
        ::SendMessageA(ClockHwnd(), c.press, 0, MAKELPARAM(x, y));
        EXPECT_FALSE(::IsWindowVisible(app));
    }
}

// Asks the shell, as the clock window is being destroyed, whether its tray icon is still there.
// (The shell drops the icons of windows that are gone, so asking afterwards would prove nothing.)
class IconAtDestroy {
public:
    explicit IconAtDestroy(const TWobToke& clock) {
        record = clock.Tray().Data();
        present.reset();
        hook_ = ::SetWindowsHookExA(WH_CALLWNDPROC, &IconAtDestroy::Hook, nullptr, ::GetCurrentThreadId());
    }
    ~IconAtDestroy() { ::UnhookWindowsHookEx(hook_); }
    IconAtDestroy(const IconAtDestroy&) = delete;
    IconAtDestroy& operator=(const IconAtDestroy&) = delete;
    static inline std::optional<bool> present;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp) {
        const auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
        if (code == HC_ACTION && m->hwnd == record.hWnd && m->message == WM_DESTROY) {
            NOTIFYICONDATAW probe = record;
            probe.uFlags = NIF_TIP;
            present = ::Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
        }
        return ::CallNextHookEx(nullptr, code, wp, lp);
    }
    static inline NOTIFYICONDATAW record{};
    HHOOK hook_ = nullptr;
};

TEST_F(ClockCommandsTest, QuitSavesAndDeletesTheTrayIconOnTheWayOut) {
    NOTIFYICONDATAW probe = Clock().Tray().Data();
    probe.uFlags = NIF_TIP;
    ASSERT_TRUE(::Shell_NotifyIconW(NIM_MODIFY, &probe)) << "the icon was never registered";
    IconAtDestroy icon(Clock());
    Clock().KC1Click();
    for (int i = 0; i < 200 && ::IsWindow(probe.hWnd); ++i) {
        PumpMessages();
        ::Sleep(10);
    }
    EXPECT_FALSE(::IsWindow(probe.hWnd));
    ASSERT_TRUE(IconAtDestroy::present.has_value());
    EXPECT_FALSE(*IconAtDestroy::present);
    EXPECT_NE(::GetFileAttributesA(TestSettingsFile().c_str()), INVALID_FILE_ATTRIBUTES);
}

} // namespace
