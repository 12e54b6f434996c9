#pragma once
// Drives the real Morovin.exe from another process, as a user would meet it: a fresh folder per
// test with its own copy of the program (and so its own settings file), start, find the window,
// open its tray menu, quit, read the settings file back.
#include "support/Files.h"
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
    // The program in the scratch folder itself, or in a folder `name` made inside it.
    explicit ClockFolder(const std::string& name = "");

    const std::string& Path() const { return path_; }
    std::string ExePath() const { return path_ + "\\Morovin.exe"; }
    std::string IniPath() const { return path_ + "\\Morovin.ini"; }
    void WriteIni(const std::string& bytes) const { PutFile(IniPath(), bytes); }
    // A small settings file (a position only), marked read-only so that no save can replace it;
    // returns its bytes.
    std::string WriteReadOnlyIni() const;
    // The settings file's bytes; empty when there is none.
    std::string ReadIni() const { return FileBytes(IniPath(), ""); }
    bool IniExists() const;

private:
    ScratchFolder folder_{"morovin-e2e-"};
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
    // Starts the program through the machine's /bin/sh, whose Unix child takes its environment
    // (LD_PRELOAD, for one) only from the block it is given, with the given additions. Wine hands
    // out no handle for a Unix child, so the program is found by its clock window, waited for up
    // to `ms`; returns that window, null if none came.
    HWND StartThroughShell(const std::vector<std::string>& extraEnv, int ms = 15000);
    // The process's top-level window of `className`, waited for up to `ms`; null if none came.
    HWND WaitForWindow(const char* className, int ms = 10000) const;
    HWND ClockWindow(int ms = 10000) const { return WaitForWindow("TWobToke", ms); }
    // Starts the program and waits for its clock window; null if none came.
    HWND StartAndWaitForWindow() {
        Start();
        return ClockWindow();
    }
    // Starts the program and waits for its clock window and then, for up to 5 s, for its first
    // layout (WaitForFirstLayout); the window, null if none came.
    HWND StartAndWaitForLayout();
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

// This process's environment with `extra` ("NAME=value") added, each replacing a variable of the
// same name, as an environment block for CreateProcess.
std::string EnvironmentBlock(const std::vector<std::string>& extra);

// Whether the clock window has had its first layout: its design size (250 x 204) gives way to
// the three labels side by side. Waits up to `ms`.
bool WaitForFirstLayout(HWND clock, int ms = 5000);

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
// clang-format off
enum MenuKey { kProperties = 1, kPosition, kScreenSaver, kDisplay, kStartWithWindows, kHideFullScreen,
               kClickThrough, kHelp, kVersion, kQuit };
// clang-format on
// What the shell does on a right click on the clock window `hwnd`'s tray icon, the pointer
// already at `pointer`: the process's popup menu, once it takes keys; null if none opened in 5 s.
HWND OpenTrayMenu(const ClockProcess& clock, HWND hwnd, POINT pointer = {300, 300});
// Chooses `item` in an open popup menu with the keys.
void ChooseMenuItem(HWND menu, MenuKey item);
// Opens the tray menu at `pointer`, chooses `item` and waits for the process's visible top-level
// window of `dialogClass`; tries twice. Null if none came.
HWND OpenDialogFromTrayMenu(const ClockProcess& clock, HWND hwnd, MenuKey item, const char* dialogClass,
                            POINT pointer = {300, 300});
// No window of the process could carry a task-bar button: every visible one is owned by the
// hidden tool window and none asks for a button (gtest expectations).
void ExpectNoTaskbarButton(DWORD processId);
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

} // namespace testsupport
