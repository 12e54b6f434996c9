#include "clockwindow/ClockWindow_win.h"

#include "clock/Monitors_win.h"
#include "clock/SettingsFile_win.h"
#include "clock/SettingsStore.h"

namespace {

// Where the settings file's window values go.
class ClockWindowTarget : public SettingsTarget {
public:
    explicit ClockWindowTarget(TWobToke& clock) : clock_(clock) {}
    void SetWindowLeft(int left) override { clock_.SetWindowLeft(left); }
    void SetWindowTop(int top) override { clock_.SetWindowTop(top); }
    void SetStayOnTop(bool topmost) override { clock_.SetStayOnTop(topmost); }

private:
    TWobToke& clock_;
};

} // namespace

void TWobToke::LoadSettings() {
    const IniDocument document = ReadSettingsDocument(SettingsFile());
    ClockWindowTarget target(*this);
    const RECT r = BoundsRect();
    const std::vector<std::string> errors =
        LoadSettingsFrom(document, CurrentDesktop(r.left, r.top), Settings, target, face_);
    ApplyOptions();
    // A bad colour text is reported once; everything else in the file has been applied.
    if (!errors.empty())
        app_.ShowError(errors.front());
}

void TWobToke::SaveSettings() {
    const std::string path = SettingsFile();
    // Start from the file as it is, so lines and keys the clock does not know survive.
    IniDocument document = ReadSettingsDocumentToUpdate(path);
    const RECT r = BoundsRect();
    SaveSettingsTo(document, Settings, WindowBounds{r.left, r.top, r.right - r.left, r.bottom - r.top},
                   face_);
    WriteSettingsDocument(path, document);
}
