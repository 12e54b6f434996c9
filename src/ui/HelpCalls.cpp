#include "ui/HelpCalls.h"

#include <shellapi.h>

namespace ui {

HelpCalls SystemHelpCalls() {
    HelpCalls calls;
    calls.FileExists = [](const std::string& path) {
        const DWORD attributes = ::GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    };
    calls.WinHelp = [](HWND owner, const std::string& path, UINT command, ULONG_PTR data) {
        ::WinHelpA(owner, path.c_str(), command, data);
    };
    calls.OpenPage = [](HWND owner, const std::string& path) {
        ::ShellExecuteA(owner, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    };
    return calls;
}

} // namespace ui
