#pragma once
// What the help command asks of the system, behind functions so that a test can see which help
// it chose: whether a file is there, and the opening of a file by the WinHelp viewer or the shell.
#include <windows.h>

#include <functional>
#include <string>

namespace ui {

struct HelpCalls {
    std::function<bool(const std::string& path)> FileExists;
    // The WinHelp viewer runs `command` with `data` on the help file `path`.
    std::function<void(HWND owner, const std::string& path, UINT command, ULONG_PTR data)> WinHelp;
    // The shell opens the page `path` with its default browser.
    std::function<void(HWND owner, const std::string& path)> OpenPage;
};

// The real calls: GetFileAttributesW, WinHelpW and ShellExecuteW "open", on the wide path. Their failures are
// not reported: the viewer and the browser tell the user about their own troubles.
HelpCalls SystemHelpCalls();

} // namespace ui
