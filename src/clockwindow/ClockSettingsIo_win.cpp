#include "clockwindow/ClockWindow_win.h"

#include "clock/Monitors_win.h"
#include "clock/SettingsFile_win.h"
#include "clock/SettingsStore.h"

namespace {

// Where the settings file's window values go. The place is kept until the whole file is read and
// then taken in one move: two, the first with only one edge, could cross a monitor of another
// scale on the way.
class ClockWindowTarget : public SettingsTarget {
public:
    explicit ClockWindowTarget(TWobToke& clock) : clock_(clock) {}
    void SetWindowLeft(int left) override { left_ = left; }
    void SetWindowTop(int top) override { top_ = top; }
    void SetStayOnTop(bool topmost) override { clock_.SetStayOnTop(topmost); }
    void SetStoredSize(std::optional<int> width, std::optional<int> height) override {
        width_ = width;
        height_ = height;
    }

    std::optional<int> left_, top_, width_, height_;

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
    MoveWindowTo(target.left_.value_or(r.left), target.top_.value_or(r.top));
    storedWidth_ = target.width_;
    storedHeight_ = target.height_;
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
