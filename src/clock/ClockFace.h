#pragma once
// The clock face: the date, weekday and time labels side by side with no gap and no margin, as one
// thing. It shows the texts of one clock reading, widens italic labels so that their slanted last
// letter is not cut off, lays the labels out and says how large the window must be. The boxes a
// change repaints reach the window through the labels' host.
#include "clock/ClockSettings.h"
#include "clock/ClockText.h"
#include "widgets/ShadowLabel.h"

#include <array>
#include <cstdint>
#include <string>

struct FaceSize {
    int width = 0, height = 0;
    bool operator==(const FaceSize&) const = default;
};

class ClockFace {
public:
    // `host` measures the labels' texts and repaints their boxes. The labels start in the design
    // appearance, loading: they measure nothing until EndLoading, so the host may still be in the
    // making.
    explicit ClockFace(LabelHost& host);
    ClockFace(const ClockFace&) = delete;
    ClockFace& operator=(const ClockFace&) = delete;

    TShadowLabel DateLbl;
    TShadowLabel WeekLbl;
    TShadowLabel TimeLbl;

    // The three labels in the face's order: date, weekday, time.
    std::array<TShadowLabel*, 3> Labels() { return {&DateLbl, &WeekLbl, &TimeLbl}; }
    std::array<const TShadowLabel*, 3> Labels() const { return {&DateLbl, &WeekLbl, &TimeLbl}; }

    // The host can measure now (its window exists), at `dpi`: every label sizes itself once.
    void EndLoading(int dpi);

    // The day names and separators the texts are formatted with.
    const LocaleValues& Locale() const { return locale_; }
    LocaleValues& Locale() { return locale_; }

    // The tick's texts up to its time text, each label widened as soon as its text is set when
    // its own style is italic.
    void ShowDateAndWeekday(const ClockSettings& settings, const ClockTime& now);
    std::string TimeText(const ClockSettings& settings, const ClockTime& now) const;
    void ShowTime(const std::string& text);
    // The first showing: the three texts, then the widths of all three by the date's style.
    void ShowTexts(const ClockSettings& settings, const ClockTime& now);

    // Widens every label (date, time, weekday) when `style` is italic or bold italic: by the
    // size in points / 5 and the date shadow's horizontal offset, scaled to the face's DPI.
    void CompensateItalicWidths(std::uint8_t style);

    // The face is shown at another DPI: every box scales, and italic labels are widened anew.
    int Dpi() const { return dpi_; }
    void Rescale(int dpi);

    // Date, weekday and time side by side from the left edge; returns the window size they need.
    FaceSize LayoutLabels();

private:
    void CompensateItalicWidth(TShadowLabel& label);
    void CompensateIfItalic(TShadowLabel& label);

    LabelHost& host_;
    int dpi_ = 96;
    LocaleValues locale_;
};
