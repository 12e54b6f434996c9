#include "clock/ClockFace.h"

#include "clock/FaceTexts.h"

#include <cmath>

namespace {

constexpr int kDesignDpi = 96;

void SetupLabel(TShadowLabel& label, TColor fontColour, bool shadowVisible, bool wordWrap) {
    label.SetTransparent(true);
    label.SetWordWrap(wordWrap);
    LabelFont font; // "ＭＳ Ｐゴシック", -27, Shift-JIS, regular
    font.color = fontColour;
    label.SetFont(font);
    label.Highlight().Assign(TShadow(true, clWhite, -1, -1));
    label.Shadow().Assign(TShadow(shadowVisible, clBlack, 4, 4));
}

} // namespace

ClockFace::ClockFace(LabelHost& host) : DateLbl(host), WeekLbl(host), TimeLbl(host), host_(host) {
    // The design appearance, in force until the settings file is applied.
    for (TShadowLabel* l : Labels())
        l->BeginLoading();
    SetupLabel(DateLbl, clRed, false, true);
    SetupLabel(WeekLbl, clRed, true, false);
    SetupLabel(TimeLbl, clWhite, true, false);
    DateLbl.SetCaption("DateLbl");
    WeekLbl.SetCaption("WeekLbl");
    TimeLbl.SetCaption("TimeLbl");
}

void ClockFace::EndLoading(int dpi) {
    dpi_ = dpi;
    for (TShadowLabel* l : Labels())
        l->EndLoading();
}

void ClockFace::CompensateItalicWidth(TShadowLabel& label) {
    const LabelRect text = host_.MeasureText(label.DrawnText(), label.Font(),
                                             drawflags::kCalcRect | drawflags::kExpandTabs, LabelRect{});
    // The extra (a fifth of the size in points, and the date shadow's offset, for all three) is
    // in 96-dpi units; the measured width is in the face's pixels. Rounded half away from zero,
    // as the system scales.
    const int extra = CompensatedWidth(0, label.Font(), DateLbl.Shadow().OffsetLeft());
    label.SetWidth(text.Width() +
                   static_cast<int>(std::lround(static_cast<double>(extra) * dpi_ / kDesignDpi)));
}

void ClockFace::CompensateIfItalic(TShadowLabel& label) {
    if (QualifiesForItalicCompensation(label.Font().style))
        CompensateItalicWidth(label);
}

void ClockFace::CompensateItalicWidths(std::uint8_t style) {
    if (!QualifiesForItalicCompensation(style))
        return;
    CompensateItalicWidth(DateLbl);
    CompensateItalicWidth(TimeLbl);
    CompensateItalicWidth(WeekLbl);
}

void ClockFace::ShowDateAndWeekday(const ClockSettings& settings, const ClockTime& now) {
    DateLbl.SetCaption(DateText(settings, now, locale_));
    CompensateIfItalic(DateLbl);
    WeekLbl.SetCaption(WeekdayText(settings, now, locale_));
    CompensateIfItalic(WeekLbl);
}

std::string ClockFace::TimeText(const ClockSettings& settings, const ClockTime& now) const {
    return ::TimeText(settings, now, locale_);
}

void ClockFace::ShowTime(const std::string& text) {
    TimeLbl.SetCaption(text);
    CompensateIfItalic(TimeLbl);
}

void ClockFace::ShowTexts(const ClockSettings& settings, const ClockTime& now) {
    DateLbl.SetCaption(DateText(settings, now, locale_));
    WeekLbl.SetCaption(WeekdayText(settings, now, locale_));
    TimeLbl.SetCaption(::TimeText(settings, now, locale_));
    CompensateItalicWidths(DateLbl.Font().style);
}

void ClockFace::Rescale(int dpi) {
    const int previous = dpi_;
    if (dpi <= 0 || dpi == previous)
        return;
    dpi_ = dpi;
    for (TShadowLabel* l : Labels()) {
        l->Rescale(dpi, previous);
        CompensateIfItalic(*l);
    }
}

FaceSize ClockFace::LayoutLabels() {
    DateLbl.SetBounds(0, 0, DateLbl.Width(), DateLbl.Height());
    WeekLbl.SetBounds(DateLbl.Left() + DateLbl.Width(), 0, WeekLbl.Width(), WeekLbl.Height());
    TimeLbl.SetBounds(DateLbl.Left() + DateLbl.Width() + WeekLbl.Width(), 0, TimeLbl.Width(),
                      TimeLbl.Height());
    return FaceSize{DateLbl.Left() + DateLbl.Width() + WeekLbl.Width() + TimeLbl.Width(), DateLbl.Height()};
}
