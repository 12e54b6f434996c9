#pragma once
// The processes a test made the clock start (a help viewer, for one), found by their program's
// name and ended again, so that none outlives the test run.
#include <windows.h>

#include <set>

namespace testsupport {

// The ids of the running processes of `exe` (a file name such as "winhlp32.exe").
std::set<DWORD> ProcessesNamed(const char* exe);
// Ends the processes of `exe` that were not there in `before`.
void EndNewProcesses(const char* exe, const std::set<DWORD>& before);

} // namespace testsupport
