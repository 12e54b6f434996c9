#include "ui/Application.h"

#include "base/ErrorText.h"
#include "base/HelpChoice.h"
#include "ui/WideCalls.h"

#include <vector>

namespace ui {
namespace {
Application* theApplication = nullptr;

BOOL CALLBACK CollectEnabledWindow(HWND hwnd, LPARAM lp) {
    auto* list = reinterpret_cast<std::vector<HWND>*>(lp);
    if (::IsWindowEnabled(hwnd))
        list->push_back(hwnd);
    return TRUE;
}
} // namespace

Application* App() {
    return theApplication;
}

Application::Application() {
    CreateParams p{"TApplication"};
    p.style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX;
    p.icon = ::LoadIconW(ModuleInstance(), L"MAINICON");
    CreateHandle(p);
    theApplication = this;
}

Application::~Application() {
    if (theApplication == this)
        theApplication = nullptr;
}

void Application::SetTitle(const std::string& title) {
    title_ = title;
    SetTextOf(Handle(), title);
}

void Application::HelpCommand(UINT command, ULONG_PTR data) {
    HWND owner = mainWindow_ ? mainWindow_ : Handle();
    switch (ChooseHelp(Help.FileExists(helpFile_), Help.FileExists(helpPage_))) {
    case HelpChoice::WinHelp:
        Help.WinHelp(owner, helpFile_, command, data);
        break;
    case HelpChoice::Page:
        Help.OpenPage(owner, helpPage_);
        break;
    case HelpChoice::Missing:
        ShowMessageBox(owner, MissingHelpText(helpPage_), title_, MB_OK | MB_ICONWARNING);
        break;
    }
}

int Application::Run() {
    if (mainWindow_ && !::IsWindowVisible(mainWindow_))
        ::ShowWindow(mainWindow_, SW_SHOWNOACTIVATE);
    // A nested loop of the system's (a window drag, for one) ends on the WM_QUIT that the main
    // window's end posts and swallows it, so the main window's end also ends this loop.
    MSG msg{};
    while (!mainWindow_ || ::IsWindow(mainWindow_)) {
        if (::GetMessageW(&msg, nullptr, 0, 0) <= 0)
            return static_cast<int>(msg.wParam);
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}

void Application::RunModal(HWND dialog, const std::function<bool()>& done,
                           const std::function<bool(const MSG&)>& keyFilter) {
    std::vector<HWND> disabled;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CollectEnabledWindow, reinterpret_cast<LPARAM>(&disabled));
    for (HWND w : disabled)
        if (w != dialog)
            ::EnableWindow(w, FALSE);
    ::EnableWindow(dialog, TRUE);
    // Shown only now, so that nothing of the program takes input once the dialog can be seen.
    if (!::IsWindowVisible(dialog))
        ::ShowWindow(dialog, SW_SHOW);
    ::SetForegroundWindow(dialog);

    MSG msg{};
    while (!done()) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: leave the quit for the loops outside this one.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (keyFilter && keyFilter(msg))
            continue;
        if (!::IsDialogMessageW(dialog, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    for (HWND w : disabled)
        if (w != dialog && ::IsWindow(w))
            ::EnableWindow(w, TRUE);
}

void Application::MainWindowDestroyed(HWND hwnd) {
    if (hwnd && hwnd == mainWindow_ && EndsWithMainWindow)
        ::PostQuitMessage(0);
}

void Application::ShowError(const std::string& message) {
    HWND owner = ::GetActiveWindow();
    if (!owner)
        owner = mainWindow_;
    ShowMessageBox(owner, ErrorReportText(message), title_, MB_OK | MB_ICONERROR);
}

LRESULT Application::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_WININICHANGE) {
        if (OnSettingChange)
            OnSettingChange();
        return 0;
    }
    if (msg == WM_CLOSE && mainWindow_ && ::IsWindow(mainWindow_)) {
        // What a task manager's "end task" sends: closing the hidden window would destroy the main
        // window with it and skip its close path, so close the main window instead.
        ::SendMessageW(mainWindow_, WM_CLOSE, 0, 0);
        return 0;
    }
    return DefaultHandling(msg, wp, lp);
}

void ReportError(const std::string& message) {
    try {
        if (theApplication)
            theApplication->ShowError(message);
        else
            ShowMessageBox(nullptr, ErrorReportText(message), "", MB_OK | MB_ICONERROR);
    } catch (...) {
    }
}

void ShowFatalError(const std::string& message) {
    ShowMessageBox(nullptr, message, "ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

} // namespace ui
