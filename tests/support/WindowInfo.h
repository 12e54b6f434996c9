#pragma once
// What the tests of both levels read off a window: its class, its text, its place on the screen
// and its place among the top-level windows.
#include <windows.h>

#include <string>

namespace testsupport {

std::string ClassOf(HWND hwnd);
std::string TextOf(HWND hwnd);
RECT WindowRectOf(HWND hwnd);
// True when `upper` comes before `lower` among the top-level windows.
bool Above(HWND upper, HWND lower);

} // namespace testsupport
