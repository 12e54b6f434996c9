// Keeping the tick on the second: each tick re-arms the timer from its own clock reading, and a
// jump of the clock (set by the user or a time service, a new time zone, a wake from sleep) shows
// the new time at once and aims the next tick from it. The alarm and the time signal see such a
// jump like a late tick: only the last five seconds are checked, nothing further back fires.
#include "clock/ClockWindow_win.h"

#include "clock/TickAim.h"

void TWobToke::AimNextTick(const SYSTEMTIME& reading) {
    // Should the system refuse, the timer runs on as it was last armed and the next tick tries again.
    timer1_.Rearm(NextTickDelayMs(reading.wMilliseconds));
}

void TWobToke::OnTimeChange() {
    // Sent for a new system time and for a new time zone alike.
    Timer1Timer();
}

void TWobToke::OnPowerBroadcast(WPARAM event) {
    if (event == PBT_APMRESUMEAUTOMATIC || event == PBT_APMRESUMESUSPEND)
        Timer1Timer();
}
