#pragma once
// Shared pieces of the Windows-side tests: one application object for the whole run, a fixed
// clock, and the settings file beside the test program.
#include "ui/Application.h"

#include <windows.h>

#include <string>

namespace wintest {

ui::Application& TestApplication();
SYSTEMTIME MakeTime(int year, int month, int day, int dayOfWeek, int hour, int minute, int second);
// The settings file the clock code uses when it runs inside the test program.
std::string TestSettingsFile();
void RemoveTestSettingsFile();
// Dispatches every message waiting for this thread.
void PumpMessages();

} // namespace wintest
