#pragma once
// The clock's settings and face as its window starts them, before the settings file: red date
// and weekday, white time, black shadows, all in one font size.
#include "NullLabelHost.h"
#include "clock/SettingsStore.h"

struct ClockLabelsFixture {
    explicit ClockLabelsFixture(int fontPoints) {
        face.EndLoading(96);
        for (TShadowLabel* l : face.Labels())
            l->SetFontSizePoints(fontPoints);
    }

    NullLabelHost host;
    ClockFace face{host};
    TShadowLabel &date = face.DateLbl, &week = face.WeekLbl, &time = face.TimeLbl;
    ClockSettings settings;
};
