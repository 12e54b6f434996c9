#include "ui/DelayLoad.h"

#include "base/AppError.h"
#include "ui/WideText.h"

#include <windows.h>

#include <string>

namespace ui {

void RequireLibrary(const wchar_t* dll) {
    if (::GetModuleHandleW(dll))
        return;
    // From the system folder only: a copy of the same name beside the program is never taken.
    wchar_t folder[MAX_PATH];
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        const std::wstring path = std::wstring(folder, length) + L"\\" + dll;
        // Kept for the life of the program, as an imported library would be.
        if (::LoadLibraryW(path.c_str()))
            return;
    }
    throw AppError(InsertText("%s を読み込めません", Narrow(dll)));
}

} // namespace ui
