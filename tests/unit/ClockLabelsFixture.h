#pragma once
// The clock's settings and three labels as its window starts them, before the settings file: red
// date and weekday, white time, black shadows, all in one font size.
#include "NullLabelHost.h"
#include "clock/SettingsStore.h"

struct ClockLabelsFixture {
    explicit ClockLabelsFixture(int fontPoints) {
        for (TShadowLabel* l : {&date, &week, &time}) {
            l->SetFontSizePoints(fontPoints);
            l->Shadow().SetColor(clBlack);
        }
        date.SetFontColor(clRed);
        week.SetFontColor(clRed);
        time.SetFontColor(clWhite);
    }
    ClockLabels Labels() { return ClockLabels{date, week, time}; }

    NullLabelHost host;
    TShadowLabel date{host}, week{host}, time{host};
    ClockSettings settings;
};
