#include "support/WindowInfo.h"

namespace testsupport {

std::string ClassOf(HWND hwnd) {
    char name[256] = {};
    ::GetClassNameA(hwnd, name, sizeof(name));
    return name;
}

std::string TextOf(HWND hwnd) {
    char text[2048] = {};
    ::GetWindowTextA(hwnd, text, sizeof(text));
    return text;
}

RECT WindowRectOf(HWND hwnd) {
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    return r;
}

bool Above(HWND upper, HWND lower) {
    for (HWND w = ::GetWindow(::GetDesktopWindow(), GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        if (w == upper)
            return true;
        if (w == lower)
            return false;
    }
    return false;
}

namespace {

struct Lookup {
    DWORD processId; // kAnyProcess: any
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND hwnd, LPARAM lp) {
    auto* lookup = reinterpret_cast<Lookup*>(lp);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if ((lookup->processId == kAnyProcess || pid == lookup->processId) &&
        (!lookup->className || ::lstrcmpiA(ClassOf(hwnd).c_str(), lookup->className) == 0))
        lookup->found.push_back(hwnd);
    return TRUE;
}

} // namespace

std::vector<HWND> WindowsOf(DWORD processId, const char* className) {
    Lookup lookup{processId, className, {}};
    ::EnumWindows(&Collect, reinterpret_cast<LPARAM>(&lookup));
    return lookup.found;
}

std::vector<HWND> ThreadWindows(const char* className, DWORD threadId) {
    Lookup lookup{kAnyProcess, className, {}};
    ::EnumThreadWindows(threadId, &Collect, reinterpret_cast<LPARAM>(&lookup));
    return lookup.found;
}

HWND FirstVisible(const std::vector<HWND>& windows) {
    for (HWND w : windows)
        if (::IsWindowVisible(w))
            return w;
    return nullptr;
}

std::vector<HWND> ChildrenOf(HWND parent, const char* className) {
    std::vector<HWND> children;
    for (HWND h = ::FindWindowExA(parent, nullptr, className, nullptr); h;
         h = ::FindWindowExA(parent, h, className, nullptr))
        children.push_back(h);
    return children;
}

} // namespace testsupport
