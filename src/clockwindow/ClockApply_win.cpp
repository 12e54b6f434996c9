#include "clockwindow/ClockWindow_win.h"

#include "clock/FaceTexts.h"
#include "clock/PropertyTable.h"

// The Properties dialog's "確定" and "更新": every control of the three pages into the settings
// and the labels through the property table, in one pass between two ticks, then layout and
// save. Here are only the steps that need the window; the table runs them in their place.
void TWobToke::ApplyProperties(const PropertyValues& v) {
    const bool wallpaperBefore = Settings.WallpaperMode;
    WritePropertyValues(v, Settings, {&DateLbl, &WeekLbl, &TimeLbl}, [&](ApplyStep step) {
        switch (step) {
        case ApplyStep::Level:
            // Every apply sets the level anew. The window keeps its handle, so the icon the
            // layout below registers again is bound to the same window.
            DeleteTrayIcon();
            SetStayOnTop(v.FChk);
            break;
        case ApplyStep::ItalicWidths:
            // Still the offset from before this apply: the new one comes later in the table.
            if (QualifiesForItalicCompensation(v.FontStyle)) {
                CompensateItalicWidth(DateLbl);
                CompensateItalicWidth(TimeLbl);
                CompensateItalicWidth(WeekLbl);
            }
            break;
        default:
            break;
        }
    });
    LayoutLabels();
    // A new see-through mode shows at once, not at the next change of a label (a minute away
    // without seconds): the whole window, on either path, is painted anew.
    if (Settings.WallpaperMode != wallpaperBefore)
        RepaintWhole();
    // A refused write is the settings file's usual error; everything above is already in force.
    SaveSettings();
}
