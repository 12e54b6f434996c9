#include "ui/DelayLoad.h"

#include "base/AppError.h"
#include "ui/WideText.h"

#include <windows.h>

#include <string>

namespace ui {

void RequireLibrary(const wchar_t* dll, LibraryPlace place) {
    if (::GetModuleHandleW(dll))
        return;
    // Kept for the life of the program, as an imported library would be.
    if (place == LibraryPlace::Manifest) {
        // By name: the side-by-side version the manifest asks for is found before any folder.
        if (::LoadLibraryW(dll))
            return;
    } else {
        wchar_t folder[MAX_PATH];
        const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
        if (length > 0 && length < MAX_PATH &&
            ::LoadLibraryW((std::wstring(folder, length) + L"\\" + dll).c_str()))
            return;
    }
    throw AppError(InsertText("%s を読み込めません", Narrow(dll)));
}

} // namespace ui
