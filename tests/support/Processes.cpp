#include "support/Processes.h"

#include <tlhelp32.h>

namespace testsupport {

std::set<DWORD> ProcessesNamed(const char* exe) {
    std::set<DWORD> ids;
    HANDLE snap = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 pe{};
    pe.dwSize = sizeof(pe);
    for (BOOL ok = ::Process32First(snap, &pe); ok; ok = ::Process32Next(snap, &pe))
        if (lstrcmpiA(pe.szExeFile, exe) == 0)
            ids.insert(pe.th32ProcessID);
    ::CloseHandle(snap);
    return ids;
}

void EndNewProcesses(const char* exe, const std::set<DWORD>& before) {
    for (DWORD id : ProcessesNamed(exe)) {
        if (before.count(id))
            continue;
        if (HANDLE p = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
            ::TerminateProcess(p, 0);
            ::WaitForSingleObject(p, 2000);
            ::CloseHandle(p);
        }
    }
}

} // namespace testsupport
