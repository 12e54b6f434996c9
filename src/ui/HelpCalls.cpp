#include "ui/HelpCalls.h"

#include "ui/WidePath.h"

#include <shellapi.h>

namespace ui {

HelpCalls SystemHelpCalls() {
    HelpCalls calls;
    calls.FileExists = [](const std::string& path) {
        const DWORD attributes = ::GetFileAttributesW(WidePath(path).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    };
    calls.WinHelp = [](HWND owner, const std::string& path, UINT command, ULONG_PTR data) {
        // The data (a macro such as "CONTENTS()") is ASCII, the same bytes in every code page.
        ::WinHelpW(owner, WidePath(path).c_str(), command, data);
    };
    calls.OpenPage = [](HWND owner, const std::string& path) {
        ::ShellExecuteW(owner, L"open", WidePath(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    };
    return calls;
}

} // namespace ui
