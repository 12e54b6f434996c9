#include "clockwindow/ClockWindow_win.h"

#include "clockwindow/StartupRegistry_win.h"
#include "ui/WidePath.h"

void TWobToke::CheckOptionItems() {
    // Read afresh each time: Windows' startup list may have disabled the entry meanwhile.
    UserStartupRegistry registry;
    ui::PopupMenu& m = menu_.PopupMenu1;
    m.SetChecked(menu_.StartWithWindows, StartsWithWindows(registry, ui::ProgramPath()));
    m.SetChecked(menu_.HideFullScreen, Settings.HideFullScreen);
    m.SetChecked(menu_.ClickThrough, Settings.ClickThrough);
}

void TWobToke::StartWithWindowsClick() {
    UserStartupRegistry registry;
    ChooseStartWithWindows(registry, ui::ProgramPath());
}

void TWobToke::HideFullScreenClick() {
    Settings.HideFullScreen = !Settings.HideFullScreen;
    ApplyOptions();
    SaveSettings(); // a clock kept for months should not lose a choice to a power cut
}

void TWobToke::ClickThroughClick() {
    Settings.ClickThrough = !Settings.ClickThrough;
    ApplyOptions();
    SaveSettings();
}

void TWobToke::ApplyOptions() {
    fullScreen_.SetEnabled(Settings.HideFullScreen);
    const HWND hwnd = Handle();
    if (!hwnd)
        return;
    // The mouse passes through a layered window with WS_EX_TRANSPARENT; every painting path keeps
    // the window layered while this is on (SeeThrough::ClickThrough). The tray icon is the way back.
    const LONG style = ::GetWindowLongW(hwnd, GWL_EXSTYLE);
    const LONG wanted = Settings.ClickThrough ? style | WS_EX_TRANSPARENT : style & ~WS_EX_TRANSPARENT;
    if (wanted != style)
        ::SetWindowLongW(hwnd, GWL_EXSTYLE, wanted);
    if (see_.ClickThrough != Settings.ClickThrough) {
        see_.ClickThrough = Settings.ClickThrough;
        see_.RepaintWhole(); // a composed path is layered or plain from its next paint
    }
}
