// Keeping the tick on the second: each tick re-arms the timer from its own clock reading, and a
// jump of the clock (set by the user or a time service, a new time zone, a wake from sleep) shows
// the new time at once and aims the next tick from it. The alarm and the time signal see such a
// jump like a late tick: only the last five seconds are checked, nothing further back fires.
#include "clockwindow/ClockWindow_win.h"

#include "clock/TickAim.h"

void TWobToke::AimNextTick(const SYSTEMTIME& reading) {
    // Should the system refuse, the timer runs on as it was last armed and the next tick tries again.
    timer1_.Rearm(NextTickDelayMs(reading.wMilliseconds));
}

// Both messages are sent, and their senders wait: the tick (which may open the alarm box) runs
// from the queue a moment later instead of inside them, and the two resume notices of one wake
// give a single tick.
void TWobToke::OnTimeChange() {
    // Sent for a new system time and for a new time zone alike.
    timer1_.Rearm(USER_TIMER_MINIMUM);
}

void TWobToke::OnPowerBroadcast(WPARAM event) {
    if (event == PBT_APMRESUMEAUTOMATIC || event == PBT_APMRESUMESUSPEND) {
        timer1_.Rearm(USER_TIMER_MINIMUM);
        see_.RetryLayered(); // what refused the layered window before the sleep may be gone
    }
}
