// startcheck: starts a Morovin.exe and checks that it comes up and goes down as a user meets it.
//   startcheck PATH\Morovin.exe
// Waits for the program's clock window (class TWobToke), closes it as the close command does
// (WM_CLOSE) and waits for the program to end. Exit code 0 when the window came and the program
// ended with 0; otherwise 1, with what was waited for on stderr. Used by `make dist` on the
// program inside the zip, so that the package itself is known to start.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindClockWindow(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<Search*>(lp);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    char name[32] = {};
    ::GetClassNameA(hwnd, name, sizeof(name));
    if (owner == search->processId && std::string(name) == "TWobToke" && ::IsWindowVisible(hwnd)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

int Fail(const char* what) {
    std::fprintf(stderr, "startcheck: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return Fail("usage: startcheck PATH\\Morovin.exe");
    std::string commandLine = std::string("\"") + argv[1] + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessA(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                          &pi))
        return Fail("the program did not start");
    ::CloseHandle(pi.hThread);

    Search search{pi.dwProcessId, nullptr};
    for (int waited = 0; !search.found && waited < 30000; waited += 50) {
        if (::WaitForSingleObject(pi.hProcess, 50) == WAIT_OBJECT_0)
            break;
        ::EnumWindows(&FindClockWindow, reinterpret_cast<LPARAM>(&search));
    }
    if (!search.found) {
        ::TerminateProcess(pi.hProcess, 1);
        ::CloseHandle(pi.hProcess);
        return Fail("waited 30 s for the clock window (TWobToke); none came");
    }
    std::printf("startcheck: the clock window came\n");

    ::PostMessageA(search.found, WM_CLOSE, 0, 0);
    DWORD exitCode = STILL_ACTIVE;
    if (::WaitForSingleObject(pi.hProcess, 15000) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(pi.hProcess, &exitCode);
    else
        ::TerminateProcess(pi.hProcess, 1);
    ::CloseHandle(pi.hProcess);
    if (exitCode == STILL_ACTIVE)
        return Fail("waited 15 s for the program to end after WM_CLOSE; it went on");
    if (exitCode != 0)
        return Fail(("the program ended with exit code " + std::to_string(exitCode)).c_str());
    std::printf("startcheck: closed, exit code 0\n");
    return 0;
}
