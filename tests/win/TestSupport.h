#pragma once
// Shared pieces of the Windows-side tests: one application object for the whole run, a fixed
// clock, and the settings file beside the test program.
#include "support/Scripts.h"
#include "ui/Application.h"

#include <windows.h>

#include <functional>
#include <string>

namespace wintest {

ui::Application& TestApplication();
SYSTEMTIME MakeTime(int year, int month, int day, int dayOfWeek, int hour, int minute, int second);
// The test program's own path, and the settings file the clock code uses when it runs inside it.
std::string TestProgramPath();
std::string TestSettingsFile();
void RemoveTestSettingsFile();
// The settings file's bytes; empty when there is none.
std::string TestSettingsBytes();
// Dispatches every message waiting for this thread.
void PumpMessages();
// Pumps this thread's messages until `done` holds or `ms` pass; returns whether it held.
bool PumpUntil(const std::function<bool()>& done, int ms);

// A visible dialog-class window ('#32770': message box or common-dialog picker) of this thread,
// with the given caption unless `caption` is null; null when there is none.
HWND OpenDialogOfThisThread(const char* caption = nullptr);
// Answers the open picker or message box of this thread with IDOK or IDCANCEL; false when none
// is open yet.
bool AnswerOpenDialog(int id);
// Runs `open`, which shows a picker or message box modally, while a script answers the first
// one of this thread with `answer` (IDOK or IDCANCEL); returns whether one was answered.
bool AnswerNextDialog(int answer, const std::function<void()>& open);
// Sets or clears the thread's Ctrl and Shift key state, as GetKeyState reports it to the dialog
// keys, without touching the real keyboard.
void SetModifierKeys(bool control, bool shift);

// The shared scripts, by the names these tests have always used.
using testsupport::ModalScript;
using testsupport::Script;

} // namespace wintest
