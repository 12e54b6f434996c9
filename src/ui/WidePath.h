#pragma once
// Paths between the program's Shift-JIS texts and the wide file calls. The program's own path
// comes wide from Windows and stays whole for the file calls, even in a folder whose name
// Shift-JIS cannot hold: its Shift-JIS form (with "?" for such characters) is what is shown and
// stored, and WidePath turns that form back into the real folder.
#include <string>
#include <string_view>

namespace ui {

// The running program's full path, as Windows gives it.
const std::wstring& ProgramPath();
// Its Shift-JIS form, for what is shown and stored.
std::string NarrowProgramPath();

// `path` for a wide file call: a path in `folder` (a wide folder ending in "\", given by
// Windows) keeps that folder whole, whatever Shift-JIS made of it; any other path is converted.
std::wstring WidePath(std::string_view path, std::wstring_view folder);
// The same in the program's folder, where the settings file and the help files are.
std::wstring WidePath(std::string_view path);

// A path from Windows (a file the user picked) as a Shift-JIS path that leads back to the same
// file: its own name where Shift-JIS holds it (or WidePath restores it); else its short (8.3)
// name where the volume keeps one; else its name with "?" for what Shift-JIS cannot hold.
std::string NarrowPath(std::wstring_view path);

} // namespace ui
