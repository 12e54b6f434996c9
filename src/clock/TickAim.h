#pragma once
// When the clock's next tick should come. A plain 1000 ms timer keeps the phase at which it was
// started and drifts later each tick, so the shown second lags by up to a whole second and now
// and then one is skipped. Each tick therefore re-arms its timer from the clock reading it has
// just made, for a moment shortly after the next turn of the second.

// How far past the turn of the second a tick aims: more than a timer or clock granularity of
// about 16 ms, so that a tick is past the turn on every system, and little enough not to be seen.
inline constexpr unsigned kTickMarginMs = 30;

// Milliseconds from a clock reading `millisecond` into its second until the next tick: the rest of
// that second plus the margin. A tick that came early (still in the second before the one it
// aimed at) is thus followed by another within the margin instead of a whole second later.
// Readings outside 0..999 count as the nearest end of that range.
unsigned NextTickDelayMs(int millisecond);
