#include "clockwindow/ClockWindow_win.h"

#include "dialogs/AboutBox.h"
#include "dialogs/PosForm.h"
#include "dialogs/PropForm.h"

#include <shellapi.h>

#include <utility>

namespace {

// A dialog command: a fresh dialog owned by the application object, named by its program-wide
// reference while it is open, shown modally and released. The tray menu answers while a dialog
// is open, so the same command can come again: that second opening is refused and the open
// dialog brought forward, so each command releases exactly the dialog it created and the
// reference never names a released one. Returns whether this call showed a dialog.
template <typename Dialog, typename... Args>
bool RunDialogCommand(Dialog*& reference, ui::Application& app, Args&&... args) {
    if (reference) {
        if (reference->Handle())
            ::SetForegroundWindow(reference->Handle());
        return false;
    }
    Dialog dialog(app, std::forward<Args>(args)...);
    reference = &dialog;
    struct Release {
        Dialog*& ref;
        ~Release() { ref = nullptr; }
    } release{reference};
    dialog.ShowModal();
    return true;
}

} // namespace

void TWobToke::BuildPopupMenu() {
    ui::PopupMenu& m = menu_.PopupMenu1;
    menu_.KP1 = m.Add("プロパティ", [this] { KP1Click(); });
    menu_.K1 = m.Add("表示位置調整", [this] { K1Click(); });
    m.AddSeparator(); // N2
    menu_.KS1 = m.Add("スクリーンセーバー起動", [this] { KS1Click(); });
    menu_.N4 = m.Add("画面のプロパティ", [this] { N4Click(); });
    m.AddSeparator();
    menu_.StartWithWindows = m.Add("Windows起動時に実行", [this] { StartWithWindowsClick(); });
    menu_.HideFullScreen = m.Add("全画面表示中は隠す", [this] { HideFullScreenClick(); });
    menu_.ClickThrough = m.Add("クリックを透過する", [this] { ClickThroughClick(); });
    m.AddSeparator(); // N1
    menu_.N3 = m.Add("ヘルプ", [this] { N3Click(); });
    menu_.KA1 = m.Add("バージョン情報", [this] { KA1Click(); });
    menu_.KC1 = m.Add("Morovinの終了", [this] { KC1Click(); });
    m.OnPopup = [this] { PopupMenu1Popup(); };
}

void TWobToke::FormMouseDown(TMouseButton button) {
    // A clock that lets clicks through is never dragged, should a click still reach it.
    if (Settings.Movable && !Settings.ClickThrough && button == TMouseButton::Left) {
        // Drag as if by a caption bar; returns once the button is released.
        ::ReleaseCapture();
        ::SendMessageW(Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
    }
    ::ShowWindow(app_.AppWindow(), SW_HIDE);
}

void TWobToke::OnTrayIconMessage(WPARAM, LPARAM lp) {
    // Where the pointer is now, before anything else can move it: the menu opens there.
    POINT cursor{};
    ::GetCursorPos(&cursor);
    switch (lp) {
    case WM_LBUTTONDOWN:
        ::SetForegroundWindow(Handle());
        break;
    case WM_RBUTTONDOWN:
        ShowPopupMenu(cursor); // brings the menu's owner forward
        break;
    default:
        break;
    }
}

void TWobToke::ShowPopupMenu(POINT screenPoint) {
    // While a modal box is open the clock is disabled and the box holds the foreground. Taking the
    // foreground back for the clock would start a focus change that the box's own activation,
    // possibly still on its way, then undoes, and the menu closes at once; so the box owns it.
    HWND owner = Handle();
    if (!::IsWindowEnabled(owner))
        if (HWND active = ::GetActiveWindow())
            owner = active;
    menu_.PopupMenu1.Popup(owner, screenPoint);
}

void TWobToke::PopupMenu1Popup() {
    // No path: the profile functions look the file up in the Windows directory.
    wchar_t value[1024] = {};
    ::GetPrivateProfileStringW(L"Boot", L"SCRNSAVE.EXE", L"A", value, ARRAYSIZE(value), L"System.INI");
    menu_.PopupMenu1.SetEnabled(menu_.KS1, std::wstring(value) != L"A");
    CheckOptionItems();
}

void TWobToke::KP1Click() {
    const PropFormClock clock{Settings, face_,
                              [this](const PropertyValues& values) { ApplyProperties(values); }};
    if (RunDialogCommand(PropForm, app_, clock))
        NudgeWindow(); // the clock shows again what the dialog covered
}

void TWobToke::K1Click() {
    // The dialog moves the clock window itself, on every change of its choice.
    ClockWindowMover clock{[this] { return BoundsRect(); }, [this](int left) { SetWindowLeft(left); },
                           [this](int top) { SetWindowTop(top); }};
    if (RunDialogCommand(PosForm, app_, std::move(clock)))
        NudgeWindow(); // the clock shows again what the dialog covered
}

void TWobToke::KS1Click() {
    ::SendMessageW(Handle(), WM_SYSCOMMAND, SC_SCREENSAVE, 0);
    NudgeWindow();
}

void TWobToke::N4Click() {
    ::ShellExecuteW(Handle(), L"OPEN", L"rundll32.exe", L"shell32.dll,Control_RunDLL desk.cpl", L"", SW_SHOW);
}

void TWobToke::N3Click() {
    static const char kContents[] = "CONTENTS()";
    app_.HelpCommand(HELP_COMMAND, reinterpret_cast<ULONG_PTR>(kContents));
}

void TWobToke::KA1Click() {
    if (RunDialogCommand(AboutBox, app_))
        NudgeWindow(); // the clock shows again what the box covered
}

void TWobToke::KC1Click() {
    // The ordinary close path: close query, close, end of the message loop.
    ::PostMessageW(Handle(), WM_CLOSE, 0, 0);
}
