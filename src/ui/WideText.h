#pragma once
// The one place where the program's Shift-JIS (code page 932) texts meet Windows' UTF-16. Texts
// stay Shift-JIS inside; each call into Windows takes Wide(text) and hands back Narrow(answer), so
// Japanese shows and file names resolve whatever the system's ANSI code page is.
#include <string>
#include <string_view>

namespace ui {

// Shift-JIS bytes as UTF-16. A byte that is not valid Shift-JIS becomes one replacement character;
// the characters after it are kept.
std::wstring Wide(std::string_view sjis);

// UTF-16 as Shift-JIS bytes; a character Shift-JIS cannot hold becomes "?" (no look-alike
// substitutes, which could turn one file name into another).
std::string Narrow(std::wstring_view text);

// Whether Narrow(text) holds every character of `text` (a path that does not is kept wide).
bool FitsShiftJis(std::wstring_view text);

} // namespace ui
