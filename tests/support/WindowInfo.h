#pragma once
// What the tests of both levels read off a window: its class, its text, its place on the screen
// and its place among the top-level windows; and the one way they look windows up.
#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

std::string ClassOf(HWND hwnd);
std::string TextOf(HWND hwnd);
RECT WindowRectOf(HWND hwnd);
// True when `upper` comes before `lower` among the top-level windows.
bool Above(HWND upper, HWND lower);

// The top-level windows, front to back, of a process (of every process with kAnyProcess) with
// the class `className` (any class when null; compared without regard to case, as the system
// compares class names).
constexpr DWORD kAnyProcess = 0;
std::vector<HWND> WindowsOf(DWORD processId, const char* className = nullptr);
// The same of one thread, this one unless another is named: its dialogs, menus and message boxes.
std::vector<HWND> ThreadWindows(const char* className = nullptr, DWORD threadId = ::GetCurrentThreadId());
// The first visible one of `windows`; null if none is.
HWND FirstVisible(const std::vector<HWND>& windows);
// The child windows of `parent` (only its own, not theirs) with the given class (any when
// null), in creation order.
std::vector<HWND> ChildrenOf(HWND parent, const char* className = nullptr);

} // namespace testsupport
