#pragma once
// The wide Win32 calls that take or give the program's Shift-JIS texts: window texts, message
// boxes, drawn and measured text, and font records (whose face names the program keeps in a
// LOGFONTA, in Shift-JIS). Each converts through WideText, so the system's ANSI code page never
// reads our bytes.
#include "ui/Handles.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace ui {

std::string WindowText(HWND window);
void SetTextOf(HWND window, std::string_view text);
int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type);
// DrawTextW of `text` in `r`; with DT_CALCRECT `r` comes back as the size it needs.
int DrawShiftJisText(HDC dc, std::string_view text, RECT& r, UINT flags);

// A font record with its face name as UTF-16, and back; a face name too long for the record is
// cut between characters.
LOGFONTW WideLogFont(const LOGFONTA& font);
LOGFONTA NarrowLogFont(const LOGFONTW& font);
unique_hfont CreateFontFrom(const LOGFONTA& font);
// What a font handle was made from (an empty record when it is none).
LOGFONTA FontRecordOf(HGDIOBJ font);

} // namespace ui
