#pragma once
// The clock's popup menu as the shell opens it on a right click on the tray icon, its items
// chosen with the keyboard as a user would, and the controls of the dialogs it opens.
#include "support/ClockProcess.h"

namespace e2e {

inline constexpr UINT kTrayIconMessage = WM_USER + 101;

// Menu items counted from the top with the down key (separators are skipped).
enum MenuKey { kProperties = 1, kPosition, kScreenSaver, kDisplay, kHelp, kVersion, kQuit };

// The visible popup menu ('#32768') of a process; null if none is open.
HWND VisibleMenuOf(DWORD processId);
void ChooseItem(HWND menu, MenuKey item);
// Opens the tray menu with the pointer at `pointer`, chooses `item` and waits for the visible
// top-level window of `dialogClass` it opens; null if none came. Two tries: under Wine the menu
// can show before its loop takes keys.
HWND OpenFromTrayMenu(const ClockProcess& clock, HWND clockWindow, MenuKey item, const char* dialogClass,
                      POINT pointer = {300, 300});
// The child window of `parent` whose text is `text`; null if there is none.
HWND ChildWithText(HWND parent, const std::string& text);

} // namespace e2e
