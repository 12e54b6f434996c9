// The tick's hook point: the alarm and the time signal, and opening the alarm box.
#include "clockwindow/ClockWindow_win.h"

#include "dialogs/AlarmBox.h"

bool TWobToke::AlarmAndSignalChecks() {
    return chime_.Check(Settings, Chime::Clock{[this] { return Now(); }, [this] { ShowAlarmBox(); },
                                               [this] { return Handle() != nullptr; }});
}

void TWobToke::ShowAlarmBox() {
    TAlarmBox::Show(app_, Settings.DialogText);
}
