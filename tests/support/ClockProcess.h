#pragma once
// Drives the real Morovin.exe from another process, as a user would meet it: a fresh folder per
// test with its own copy of the program (and so its own settings file), start, find the window,
// quit, read the settings file back.
#include "support/WindowInfo.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// The Windows path of the Morovin.exe under test (from MOROVIN_EXE, a Unix or Windows path).
std::string ProgramUnderTest();

class ClockFolder {
public:
    ClockFolder();
    ~ClockFolder();
    ClockFolder(const ClockFolder&) = delete;
    ClockFolder& operator=(const ClockFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string ExePath() const { return path_ + "\\Morovin.exe"; }
    std::string IniPath() const { return path_ + "\\Morovin.ini"; }
    void WriteIni(const std::string& bytes) const;
    // A small settings file (a position only), marked read-only so that no save can replace it;
    // returns its bytes.
    std::string WriteReadOnlyIni() const;
    // The settings file's bytes; empty when there is none.
    std::string ReadIni() const;
    bool IniExists() const;

private:
    std::string path_;
};

class ClockProcess {
public:
    explicit ClockProcess(const ClockFolder& folder);
    ~ClockProcess(); // a process still running is ended
    ClockProcess(const ClockProcess&) = delete;
    ClockProcess& operator=(const ClockProcess&) = delete;

    // Starts the program with the given environment additions ("NAME=value").
    void Start(const std::vector<std::string>& extraEnv = {});
    // The process's top-level window of `className`, waited for up to `ms`; null if none came.
    HWND WaitForWindow(const char* className, int ms = 10000) const;
    HWND ClockWindow(int ms = 10000) const { return WaitForWindow("TWobToke", ms); }
    // Starts the program and waits for its clock window; null if none came.
    HWND StartAndWaitForWindow() {
        Start();
        return ClockWindow();
    }
    // Asks the clock to close (WM_CLOSE) and waits for the process to end.
    bool Quit(int ms = 10000);
    bool WaitForExit(int ms) const;
    bool Running() const;
    DWORD ExitCode() const;
    DWORD Id() const { return pi_.dwProcessId; }

private:
    const ClockFolder& folder_;
    PROCESS_INFORMATION pi_{};
};

// A message box ('#32770') of a process with the given caption, waited for; null if none came.
HWND WaitForMessageBox(DWORD processId, const std::string& caption, int ms = 10000);
// The text of a message box, and its button labels in order.
std::string MessageBoxText(HWND box);
std::vector<std::string> ButtonTexts(HWND box);
// Presses a message box's button with the given id (IDOK by default).
void PressButton(HWND box, int id = IDOK);

// The value of `key` in a settings file's bytes (the first such key); "<missing>" when absent.
std::string IniValue(const std::string& ini, const std::string& key);

// The message the clock's tray icon sends its window (the shell's callback).
constexpr UINT kTrayIconMessage = WM_USER + 101;
// The clock's popup menu items, counted from the top with the down key (separators skipped).
enum MenuKey { kProperties = 1, kPosition, kScreenSaver, kDisplay, kHelp, kVersion, kQuit };
// Opens the tray menu of the clock window `hwnd`, chooses `item` with the keys and waits for the
// process's visible top-level window of `dialogClass`; null if none came.
HWND OpenDialogFromTrayMenu(const ClockProcess& clock, HWND hwnd, MenuKey item, const char* dialogClass);
// No window of the process could carry a task-bar button: every visible one is owned by the
// hidden tool window and none asks for a button (gtest expectations).
void ExpectNoTaskbarButton(DWORD processId);
// The child windows of `parent` with the given class, in creation order.
std::vector<HWND> ChildrenOf(HWND parent, const char* className);
// The Properties dialog's page windows, in order.
std::vector<HWND> PagesOf(HWND dialog);
// A visible window of the process's `#32770` class (message box or picker); null if none.
HWND VisibleDialogOf(DWORD processId);
// The process's visible popup menu (class '#32768'); null if none.
HWND VisibleMenuOf(DWORD processId);
// Presses `button`, lets `fill` (if any) set the fields of the picker it opens and answers the
// picker with `answer`; false when no picker came or it did not go.
bool AnswerPicker(DWORD processId, HWND button, int answer, const std::function<void(HWND)>& fill = {});
// Whether the clock window's tray icon (number 1) is registered: the shell answers a change to it.
bool TrayIconPresent(HWND clock);

// Polls `condition` every 20 ms until it holds or `ms` pass.
bool WaitUntil(const std::function<bool()>& condition, int ms);
// Top-level windows of a process with the given class (empty class: any).
std::vector<HWND> WindowsOf(DWORD processId, const char* className = nullptr);

} // namespace testsupport
