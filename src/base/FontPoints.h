#pragma once
// Font sizes in points and character heights in pixels, as the platform's font picker converts
// them: a point is 1/72 inch, a monitor has `dpi` pixels to the inch, and every result is rounded
// to the nearest whole number, halves away from zero (as MulDiv does).

// The character height of a font of `points` at `dpi`, negative as a LOGFONT's lfHeight.
int FontHeightForPoints(int points, int dpi);
// The size in whole points of a font whose character height is `height` pixels (either sign) at
// `dpi`: what the picker shows for it.
int FontPointsForHeight(int height, int dpi);
// A size in tenths of a point (the picker's own answer) in whole points.
int FontPointsFromTenths(int tenths);
