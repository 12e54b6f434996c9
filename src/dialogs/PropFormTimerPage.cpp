// Page "タイマー・他": the alarm, its sound and its message. The controls and their opening steps
// are filled in by the timer page; until then the page stays empty.
#include "dialogs/PropForm.h"

std::string ChosenSoundFile;

void TPropForm::CreateTimerPage(HWND) {}

void TPropForm::FillDialogText() {}

void TPropForm::FillAlarmControls() {}
