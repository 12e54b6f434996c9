#include "support/ClockProcess.h"
#include "support/Paths.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testsupport {

std::string ProgramUnderTest() {
    const char* env = std::getenv("MOROVIN_EXE");
    if (!env || !*env)
        throw std::runtime_error("MOROVIN_EXE is not set");
    const std::string path = env;
    return path.front() == '/' ? WindowsPathOf(path) : path;
}

ClockFolder::ClockFolder() {
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    static int serial = 0;
    for (;;) {
        path_ = std::string(temp) + "morovin-e2e-" + std::to_string(::GetCurrentProcessId()) + "-" +
                std::to_string(++serial);
        if (::CreateDirectoryA(path_.c_str(), nullptr))
            break;
        if (::GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("cannot create " + path_);
    }
    if (!::CopyFileA(ProgramUnderTest().c_str(), ExePath().c_str(), FALSE))
        throw std::runtime_error("cannot copy " + ProgramUnderTest());
}

ClockFolder::~ClockFolder() {
    WIN32_FIND_DATAA fd;
    HANDLE find = ::FindFirstFileA((path_ + "\\*").c_str(), &fd);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = fd.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string file = path_ + "\\" + name;
            ::SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileA(file.c_str());
        } while (::FindNextFileA(find, &fd));
        ::FindClose(find);
    }
    ::RemoveDirectoryA(path_.c_str());
}

void ClockFolder::WriteIni(const std::string& bytes) const {
    std::ofstream out(IniPath(), std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string ClockFolder::WriteReadOnlyIni() const {
    const std::string bytes = "[Form]\r\nLeft=10\r\nTop=20\r\n";
    WriteIni(bytes);
    ::SetFileAttributesA(IniPath().c_str(), FILE_ATTRIBUTE_READONLY);
    return bytes;
}

std::string ClockFolder::ReadIni() const {
    std::ifstream in(IniPath(), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
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
        ::CloseHandle(pi_.hThread);
    }
}

void ClockProcess::Start(const std::vector<std::string>& extraEnv) {
    std::string block;
    if (!extraEnv.empty()) {
        LPCH env = ::GetEnvironmentStringsA();
        for (const char* p = env; *p; p += std::strlen(p) + 1)
            block.append(p).push_back('\0');
        ::FreeEnvironmentStringsA(env);
        for (const std::string& e : extraEnv)
            block.append(e).push_back('\0');
        block.push_back('\0');
    }
    STARTUPINFOA si{};
    si.cb = sizeof(si);
    std::string command = "\"" + folder_.ExePath() + "\"";
    if (!::CreateProcessA(folder_.ExePath().c_str(), command.data(), nullptr, nullptr, FALSE, 0,
                          block.empty() ? nullptr : block.data(), folder_.Path().c_str(), &si, &pi_))
        throw std::runtime_error("cannot start " + folder_.ExePath() + " (error " +
                                 std::to_string(::GetLastError()) + ")");
    ::WaitForInputIdle(pi_.hProcess, 10000);
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

namespace {
struct EnumState {
    DWORD pid;
    const char* className;
    std::vector<HWND> found;
};
BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<EnumState*>(lp);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid == s->pid && (!s->className || ClassOf(hwnd) == s->className))
        s->found.push_back(hwnd);
    return TRUE;
}
} // namespace

std::vector<HWND> WindowsOf(DWORD processId, const char* className) {
    EnumState state{processId, className, {}};
    ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&state));
    return state.found;
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

namespace {
BOOL CALLBACK CollectChild(HWND hwnd, LPARAM lp) {
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    return TRUE;
}
std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    ::EnumChildWindows(parent, &CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}
} // namespace

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

namespace {
HWND VisibleOf(DWORD processId, const char* className) {
    for (HWND h : WindowsOf(processId, className))
        if (::IsWindowVisible(h))
            return h;
    return nullptr;
}
} // namespace

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

std::vector<HWND> ChildrenOf(HWND parent, const char* className) {
    std::vector<HWND> children;
    for (HWND h = ::FindWindowExA(parent, nullptr, className, nullptr); h;
         h = ::FindWindowExA(parent, h, className, nullptr))
        children.push_back(h);
    return children;
}

std::vector<HWND> PagesOf(HWND dialog) {
    return ChildrenOf(dialog, "TTabSheet");
}

HWND VisibleDialogOf(DWORD processId) {
    return VisibleOf(processId, "#32770");
}

HWND VisibleMenuOf(DWORD processId) {
    return VisibleOf(processId, "#32768");
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

HWND OpenDialogFromTrayMenu(const ClockProcess& clock, HWND hwnd, MenuKey item, const char* dialogClass) {
    // Two tries: under Wine the menu can show before its loop takes keys.
    for (int attempt = 0; attempt < 2; ++attempt) {
        ::SetCursorPos(300, 300);
        ::PostMessageA(hwnd, kTrayIconMessage, 1, WM_RBUTTONDOWN); // the tray icon's right click
        HWND menu = nullptr;
        if (!WaitUntil([&] { return (menu = VisibleMenuOf(clock.Id())) != nullptr; }, 5000))
            continue;
        ::Sleep(150);
        for (int i = 0; i < item; ++i)
            ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
        HWND dialog = nullptr;
        if (WaitUntil([&] { return (dialog = VisibleOf(clock.Id(), dialogClass)) != nullptr; }, 5000))
            return dialog;
        if (HWND stale = VisibleMenuOf(clock.Id()))
            ::PostMessageA(stale, WM_KEYDOWN, VK_ESCAPE, 0);
    }
    return nullptr;
}

} // namespace testsupport
