#pragma once
// The clock's settings file, in memory: which keys LoadSettings reads in which order, with their
// defaults, sentinels and clamps, and what SaveSettings writes. The file itself is read and
// written by SettingsFile_win.
#include "base/IniDocument.h"
#include "clock/ClockFace.h"
#include "clock/ClockSettings.h"
#include "clock/ScreenPlacement.h"

#include <optional>
#include <string>
#include <vector>

// Where the window values of the file go.
class SettingsTarget {
public:
    virtual ~SettingsTarget() = default;
    virtual void SetWindowLeft(int) = 0;
    virtual void SetWindowTop(int) = 0;
    virtual void SetStayOnTop(bool) = 0;
    // The width and height stored with the position (each only with its Left or Top), the size the
    // window had where it was saved: whether it reached a right or bottom edge is judged by it
    // once the window has its size here.
    virtual void SetStoredSize(std::optional<int> /*width*/, std::optional<int> /*height*/) {}
};

struct WindowBounds {
    int left, top, width, height;
};

// Applies the document in the documented order. Returns the conversion error messages met (the
// caller reports the first one); a bad colour keeps the label's colour and loading goes on.
// A stored position is kept on the monitor of `desktop` nearest the stored rectangle.
std::vector<std::string> LoadSettingsFrom(const IniDocument& document, const DesktopLayout& desktop,
                                          ClockSettings& settings, SettingsTarget& target, ClockFace& face);

// Writes every key in table order, replacing values where they stand and keeping other keys.
void SaveSettingsTo(IniDocument& document, const ClockSettings& settings, const WindowBounds& bounds,
                    const ClockFace& face);
