// Program entry: one clock per desktop. A second start shows the About box and ends.
#include "app/App.h"
#include "base/Sjis.h"
#include "clockwindow/ClockWindow_win.h"
#include "dialogs/AboutBox.h"
#include "ui/WidePath.h"

namespace {

// The help files live beside the program, wherever the program is started from (in Shift-JIS, as
// the missing-help box shows them; the help calls find them by the program's wide folder).
std::string HelpFileBesideProgram(const std::string& name) {
    return SiblingPath(ui::NarrowProgramPath(), name);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        TApp app;
        if (::FindWindowW(L"TWobToke", nullptr)) {
            TAboutBox box(app);
            box.ShowModal();
            return 0;
        }
        app.SetTitle("Morovin");
        app.SetHelpFile(HelpFileBesideProgram("MOROVIN.hlp"));
        app.SetHelpPage(HelpFileBesideProgram("MOROVIN.html"));
        app.OnSettingChange = [] {
            ::SetThreadLocale(::GetUserDefaultLCID());
            if (WobToke)
                WobToke->ReadLocaleSeparators();
        };
        TWobToke clock(app);
        ::ShowWindow(app.AppWindow(), SW_HIDE);
        return app.Run();
    } catch (const std::exception& e) {
        ui::ShowFatalError(e.what());
        return 1;
    }
}
