#include "clockwindow/ClockWindow_win.h"

#include "clock/PropertyTable.h"

// The Properties dialog's "確定" and "更新": every control of the three pages into the settings
// and the face through the property table, in one pass between two ticks, then layout and
// save. Here are only the steps that need the window; the table runs them in their place.
void TWobToke::ApplyProperties(const PropertyValues& v) {
    const bool wallpaperBefore = Settings.WallpaperMode;
    WritePropertyValues(v, Settings, face_, [&](ApplyStep step) {
        if (step == ApplyStep::Level) {
            // Every apply sets the level anew. The window keeps its handle, so the icon the
            // layout below registers again is bound to the same window.
            DeleteTrayIcon();
            SetStayOnTop(v.FChk);
        }
    });
    LayoutLabels();
    // A new see-through mode shows at once, not at the next change of a label (a minute away
    // without seconds): the whole window, on either path, is painted anew.
    if (Settings.WallpaperMode != wallpaperBefore)
        see_.RepaintWhole();
    // A refused write is the settings file's usual error; everything above is already in force.
    SaveSettings();
}
