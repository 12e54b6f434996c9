#include "support/ClockProcess.h"
#include "support/Paths.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace testsupport {

std::string ProgramUnderTest() {
    const char* env = std::getenv("MOROVIN_EXE");
    if (!env || !*env)
        throw std::runtime_error("MOROVIN_EXE is not set");
    const std::string path = env;
    return path.front() == '/' ? WindowsPathOf(path) : path;
}

ClockFolder::ClockFolder(const std::string& name) : path_(name.empty() ? folder_.Path() : folder_ / name) {
    if (!name.empty() && !::CreateDirectoryA(path_.c_str(), nullptr))
        throw std::runtime_error("cannot create " + path_);
    if (!::CopyFileA(ProgramUnderTest().c_str(), ExePath().c_str(), FALSE))
        throw std::runtime_error("cannot copy " + ProgramUnderTest());
}

std::string ClockFolder::WriteReadOnlyIni() const {
    const std::string bytes = "[Form]\r\nLeft=10\r\nTop=20\r\n";
    WriteIni(bytes);
    ::SetFileAttributesA(IniPath().c_str(), FILE_ATTRIBUTE_READONLY);
    return bytes;
}

bool ClockFolder::IniExists() const {
    return ::GetFileAttributesA(IniPath().c_str()) != INVALID_FILE_ATTRIBUTES;
}

ClockProcess::ClockProcess(const ClockFolder& folder) : folder_(folder) {}

ClockProcess::~ClockProcess() {
    if (pi_.hProcess) {
        if (Running()) {
            ::TerminateProcess(pi_.hProcess, 99);
            ::WaitForSingleObject(pi_.hProcess, 5000);
        }
        ::CloseHandle(pi_.hProcess);
    }
    if (pi_.hThread)
        ::CloseHandle(pi_.hThread);
}

std::string EnvironmentBlock(const std::vector<std::string>& extra) {
    auto replaced = [&](const std::string& entry) {
        for (const std::string& e : extra)
            if (entry.substr(0, entry.find('=') + 1) == e.substr(0, e.find('=') + 1))
                return true;
        return false;
    };
    std::string block;
    LPCH env = ::GetEnvironmentStringsA();
    for (const char* p = env; *p; p += std::strlen(p) + 1)
        if (!replaced(p))
            block.append(p).push_back('\0');
    ::FreeEnvironmentStringsA(env);
    for (const std::string& e : extra)
        block.append(e).push_back('\0');
    block.push_back('\0');
    return block;
}

void ClockProcess::Start(const std::vector<std::string>& extraEnv) {
    std::string block = extraEnv.empty() ? std::string() : EnvironmentBlock(extraEnv);
    STARTUPINFOA si{};
    si.cb = sizeof(si);
    std::string command = "\"" + folder_.ExePath() + "\"";
    if (!::CreateProcessA(folder_.ExePath().c_str(), command.data(), nullptr, nullptr, FALSE, 0,
                          block.empty() ? nullptr : block.data(), folder_.Path().c_str(), &si, &pi_))
        throw std::runtime_error("cannot start " + folder_.ExePath() + " (error " +
                                 std::to_string(::GetLastError()) + ")");
    ::WaitForInputIdle(pi_.hProcess, 10000);
}

HWND ClockProcess::StartThroughShell(const std::vector<std::string>& extraEnv, int ms) {
    std::string block = EnvironmentBlock(extraEnv);
    STARTUPINFOA si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION shell{};
    std::string command = "/bin/sh -c \"exec /usr/bin/wine '" + folder_.ExePath() + "'\"";
    if (!::CreateProcessA("Z:\\bin\\sh", command.data(), nullptr, nullptr, FALSE, 0, block.data(),
                          folder_.Path().c_str(), &si, &shell))
        return nullptr;
    // The clock window of a process whose program is our copy.
    auto ours = [&](HWND w) {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(w, &pid);
        HANDLE p = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
        char image[MAX_PATH] = {};
        DWORD size = MAX_PATH;
        const bool match = p && ::QueryFullProcessImageNameA(p, 0, image, &size) &&
                           ::lstrcmpiA(image, folder_.ExePath().c_str()) == 0;
        if (p)
            ::CloseHandle(p);
        return match;
    };
    HWND window = nullptr;
    WaitUntil(
        [&] {
            for (HWND w : WindowsOf(kAnyProcess, "TWobToke"))
                if (ours(w))
                    return (window = w) != nullptr;
            return false;
        },
        ms);
    if (!window)
        return nullptr;
    ::GetWindowThreadProcessId(window, &pi_.dwProcessId);
    pi_.hProcess = ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE,
                                 pi_.dwProcessId);
    return window;
}

HWND ClockProcess::WaitForWindow(const char* className, int ms) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            const auto windows = WindowsOf(pi_.dwProcessId, className);
            found = windows.empty() ? nullptr : windows.front();
            return found != nullptr;
        },
        ms);
    return found;
}

HWND ClockProcess::StartAndWaitForLayout() {
    HWND hwnd = StartAndWaitForWindow();
    if (hwnd)
        WaitForFirstLayout(hwnd);
    return hwnd;
}

bool ClockProcess::Quit(int ms) {
    if (HWND clock = ClockWindow(1000))
        ::PostMessageA(clock, WM_CLOSE, 0, 0);
    return WaitForExit(ms);
}

bool ClockProcess::WaitForExit(int ms) const {
    return ::WaitForSingleObject(pi_.hProcess, ms) == WAIT_OBJECT_0;
}

bool ClockProcess::Running() const {
    return pi_.hProcess && !WaitForExit(0);
}

DWORD ClockProcess::ExitCode() const {
    DWORD code = 0;
    ::GetExitCodeProcess(pi_.hProcess, &code);
    return code;
}

bool WaitForFirstLayout(HWND clock, int ms) {
    return WaitUntil([&] { return WindowRectOf(clock).bottom - WindowRectOf(clock).top != 204; }, ms);
}

bool TrayIconPresent(HWND clock) {
    NOTIFYICONDATAA icon{};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = clock;
    icon.uID = 1;
    return ::Shell_NotifyIconA(NIM_MODIFY, &icon) != FALSE;
}

bool WaitUntil(const std::function<bool()>& condition, int ms) {
    const ULONGLONG end = ::GetTickCount64() + ms;
    for (;;) {
        if (condition())
            return true;
        if (::GetTickCount64() >= end)
            return false;
        ::Sleep(20);
    }
}

HWND WaitForMessageBox(DWORD processId, const std::string& caption, int ms) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND w : WindowsOf(processId, "#32770"))
                if (::IsWindowVisible(w) && TextOf(w) == caption)
                    found = w;
            return found != nullptr;
        },
        ms);
    return found;
}

std::string MessageBoxText(HWND box) {
    // The static control that holds the message (the icon is a static without text).
    std::string text;
    for (HWND child : ChildrenOf(box))
        if (ClassOf(child) == "Static" && !TextOf(child).empty())
            text = TextOf(child);
    return text;
}

std::vector<std::string> ButtonTexts(HWND box) {
    std::vector<std::string> texts;
    for (HWND child : ChildrenOf(box))
        if (ClassOf(child) == "Button" && ::IsWindowVisible(child))
            texts.push_back(TextOf(child));
    return texts;
}

void PressButton(HWND box, int id) {
    ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

std::string IniValue(const std::string& ini, const std::string& key) {
    const auto at = ini.find("\n" + key + "=");
    if (at == std::string::npos)
        return "<missing>";
    const auto start = at + key.size() + 2;
    return ini.substr(start, ini.find_first_of("\r\n", start) - start);
}

void ExpectNoTaskbarButton(DWORD pid) {
    for (HWND w : WindowsOf(pid)) {
        if (!::IsWindowVisible(w))
            continue;
        SCOPED_TRACE(ClassOf(w));
        HWND owner = ::GetWindow(w, GW_OWNER);
        ASSERT_NE(owner, nullptr);
        EXPECT_EQ(ClassOf(owner), "TApplication");
        EXPECT_FALSE(::IsWindowVisible(owner));
        EXPECT_TRUE(::GetWindowLongA(owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
        EXPECT_FALSE(::GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    }
}

std::vector<HWND> PagesOf(HWND dialog) {
    return ChildrenOf(dialog, "TTabSheet");
}

HWND VisibleDialogOf(DWORD processId) {
    return FirstVisible(WindowsOf(processId, "#32770"));
}

HWND VisibleMenuOf(DWORD processId) {
    return FirstVisible(WindowsOf(processId, "#32768"));
}

bool AnswerPicker(DWORD processId, HWND button, int answer, const std::function<void(HWND)>& fill) {
    ::PostMessageA(button, BM_CLICK, 0, 0);
    HWND picker = nullptr;
    if (!WaitUntil([&] { return (picker = VisibleDialogOf(processId)) != nullptr; }, 5000))
        return false;
    if (fill)
        fill(picker);
    ::PostMessageA(picker, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
    return WaitUntil([&] { return !::IsWindow(picker) || !::IsWindowVisible(picker); }, 5000);
}

HWND OpenTrayMenu(const ClockProcess& clock, HWND hwnd, POINT pointer) {
    ::SetCursorPos(pointer.x, pointer.y);
    ::PostMessageA(hwnd, kTrayIconMessage, 1, WM_RBUTTONDOWN); // the tray icon's right click
    HWND menu = nullptr;
    if (!WaitUntil([&] { return (menu = VisibleMenuOf(clock.Id())) != nullptr; }, 5000))
        return nullptr;
    ::Sleep(150); // under Wine the menu can show before its loop takes keys
    return menu;
}

void ChooseMenuItem(HWND menu, MenuKey item) {
    for (int i = 0; i < item; ++i)
        ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
}

HWND OpenDialogFromTrayMenu(const ClockProcess& clock, HWND hwnd, MenuKey item, const char* dialogClass,
                            POINT pointer) {
    // Two tries: a menu that showed before its loop took keys may have let them pass.
    for (int attempt = 0; attempt < 2; ++attempt) {
        HWND menu = OpenTrayMenu(clock, hwnd, pointer);
        if (!menu)
            continue;
        ChooseMenuItem(menu, item);
        HWND dialog = nullptr;
        if (WaitUntil([&] { return (dialog = FirstVisible(WindowsOf(clock.Id(), dialogClass))) != nullptr; },
                      5000))
            return dialog;
        if (HWND stale = VisibleMenuOf(clock.Id()))
            ::PostMessageA(stale, WM_KEYDOWN, VK_ESCAPE, 0);
    }
    return nullptr;
}

} // namespace testsupport
