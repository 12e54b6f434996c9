#pragma once
// The libraries that only a picker or the sound needs are delay-loaded (cmake/delayload): Windows
// maps them at their first call, not at start. A call whose library cannot be mapped would raise
// the delay-load helper's exception, which no handler of ours can catch, so every first use goes
// through RequireLibrary first.

namespace ui {

// Where a delay-loaded library comes from.
enum class LibraryPlace {
    SystemFolder, // the system folder only: a copy of the same name beside the program is never taken
    Manifest,     // the version the program's manifest names (the common controls' version 6)
};

// Maps `dll` (a file name such as "comdlg32.dll"), once; a library that cannot be mapped raises
// AppError naming it, through the usual error report.
void RequireLibrary(const wchar_t* dll, LibraryPlace place = LibraryPlace::SystemFolder);

} // namespace ui
