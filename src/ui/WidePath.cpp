#include "ui/WidePath.h"

#include "ui/WideText.h"

#include <windows.h>

namespace ui {
namespace {

std::wstring ModuleFileName() {
    // Paths can be longer than MAX_PATH; grow until the name fits with room for its NUL.
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size() || buffer.size() >= 32768) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring_view ProgramFolder() {
    const std::wstring& path = ProgramPath();
    return std::wstring_view(path).substr(0, path.find_last_of(L"\\/:") + 1);
}

} // namespace

const std::wstring& ProgramPath() {
    static const std::wstring path = ModuleFileName();
    return path;
}

std::string NarrowProgramPath() {
    return Narrow(ProgramPath());
}

std::wstring WidePath(std::string_view path, std::wstring_view folder) {
    // Shift-JIS is one code per character, so the folder's form is where the path's form starts.
    const std::string narrowFolder = Narrow(folder);
    if (!folder.empty() && path.starts_with(narrowFolder))
        return std::wstring(folder) + Wide(path.substr(narrowFolder.size()));
    return Wide(path);
}

std::wstring WidePath(std::string_view path) {
    return WidePath(path, ProgramFolder());
}

std::string NarrowPath(std::wstring_view path) {
    const std::string narrow = Narrow(path);
    if (WidePath(narrow) == path)
        return narrow;
    const std::wstring whole(path);
    std::wstring shortPath(MAX_PATH, L'\0');
    DWORD length = ::GetShortPathNameW(whole.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size()));
    if (length >= shortPath.size()) {
        shortPath.resize(length);
        length = ::GetShortPathNameW(whole.c_str(), shortPath.data(), length);
    }
    shortPath.resize(length < shortPath.size() ? length : 0);
    if (!shortPath.empty() && FitsShiftJis(shortPath))
        return Narrow(shortPath);
    return narrow;
}

} // namespace ui
