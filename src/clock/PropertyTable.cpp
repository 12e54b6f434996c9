#include "clock/PropertyTable.h"

#include "base/IntText.h"

namespace {

using Kind = PropertyRow::Kind;
using PV = PropertyValues;
using CS = ClockSettings;

constexpr PropertyRow Flag(bool PV::*value, bool CS::*flag, ApplyStep then = ApplyStep::None) {
    return PropertyRow{.kind = Kind::Flag, .flagValue = value, .flag = flag, .then = then};
}
constexpr PropertyRow Inverse(bool PV::*value, bool CS::*flag, ApplyStep then = ApplyStep::None) {
    return PropertyRow{.kind = Kind::Flag, .flagValue = value, .flag = flag, .inverse = true, .then = then};
}
constexpr PropertyRow Text(std::string PV::*value, std::string CS::*text) {
    return PropertyRow{.kind = Kind::Text, .textValue = value, .text = text};
}
constexpr PropertyRow Font(Kind kind, ApplyStep then = ApplyStep::None) {
    return PropertyRow{.kind = kind, .then = then};
}
constexpr PropertyRow Colour(Kind kind, TColor PV::*value, FaceLabel label) {
    return PropertyRow{.kind = kind, .colourValue = value, .label = label};
}

// Applying's order: the level between the first flags and the rest, the italic widths after the
// fonts and before the new offsets, the interval after the time-signal switch.
constexpr PropertyRow kRows[] = {
    Flag(&PV::YChk, &CS::ShowYear),
    Inverse(&PV::MChk, &CS::Movable, ApplyStep::Level),
    Flag(&PV::FChk, &CS::StayOnTop),
    Flag(&PV::CheckBox1, &CS::ShowSeconds),
    Flag(&PV::CheckBox2, &CS::Use24Hour),
    Flag(&PV::Engchk, &CS::EnglishWeekday),
    Flag(&PV::AllChk, &CS::WallpaperMode),
    Font(Kind::FontName),
    Font(Kind::FontSize),
    Font(Kind::FontStyle, ApplyStep::ItalicWidths),
    Colour(Kind::FontColour, &PV::DateBtn, FaceLabel::Date),
    Colour(Kind::FontColour, &PV::WeekBtn, FaceLabel::Week),
    Colour(Kind::FontColour, &PV::TimeBtn, FaceLabel::Time),
    Colour(Kind::ShadowColour, &PV::SDateBtn, FaceLabel::Date),
    Colour(Kind::ShadowColour, &PV::SWeekBtn, FaceLabel::Week),
    Colour(Kind::ShadowColour, &PV::STimeBtn, FaceLabel::Time),
    PropertyRow{.kind = Kind::ShadowFlag,
                .flagValue = &PV::ShadowCheck,
                .flag = &CS::ShadowOn,
                .then = ApplyStep::ShadowOffsets},
    Inverse(&PV::TChk, &CS::AlarmOn), // stored with the file, hour and minute whether on or off
    Text(&PV::ChosenSoundFile, &CS::SoundFile),
    Text(&PV::TimeEdt, &CS::AlarmHour),
    Text(&PV::SecoEdt, &CS::AlarmMinute),
    Flag(&PV::Dialogchk, &CS::AlarmByDialog),
    Text(&PV::Edit2, &CS::DialogText),
    Flag(&PV::CheckBox3, &CS::ChimeOn, ApplyStep::ChimeInterval),
};

const TShadowLabel& At(const ClockFace& face, FaceLabel which) {
    return *face.Labels()[static_cast<std::size_t>(which)];
}

TShadowLabel& At(ClockFace& face, FaceLabel which) {
    return *face.Labels()[static_cast<std::size_t>(which)];
}

void WriteShadowOffsets(const PropertyValues& v, ClockFace& face) {
    // The texts always hold the scroll bars' positions; anything else would keep the offset.
    const TShadow& date = face.DateLbl.Shadow();
    const int left = ParseIntText(v.XLabel).value_or(date.OffsetLeft());
    const int top = ParseIntText(v.YLabel).value_or(date.OffsetTop());
    for (TShadowLabel* l : face.Labels()) {
        l->Shadow().SetOffsetLeft(left);
        l->Shadow().SetOffsetTop(top);
    }
}

void WriteChimeInterval(const PropertyValues& v, ClockSettings& s) {
    if (v.RadioGroup1 == 0 || v.RadioGroup1 == 1) { // no selection leaves both as they were
        s.ChimeHalfHour = v.RadioGroup1 == 0;
        s.ChimeHour = v.RadioGroup1 == 1;
    }
}

} // namespace

std::span<const PropertyRow> PropertyRows() {
    return kRows;
}

PropertyValues ReadPropertyValues(const ClockSettings& s, const ClockFace& face) {
    PropertyValues v;
    const LabelFont& font = At(face, FaceLabel::Date).Font();
    for (const PropertyRow& row : kRows) {
        switch (row.kind) {
        case Kind::Flag:
        case Kind::ShadowFlag:
            v.*row.flagValue = s.*row.flag != row.inverse;
            break;
        case Kind::Text:
            v.*row.textValue = s.*row.text;
            break;
        case Kind::FontName:
            v.FontName = font.name;
            break;
        case Kind::FontSize:
            v.FontSizePoints = font.SizePoints();
            break;
        case Kind::FontStyle:
            v.FontStyle = font.style;
            break;
        case Kind::FontColour:
            v.*row.colourValue = At(face, row.label).Font().color;
            break;
        case Kind::ShadowColour:
            v.*row.colourValue = At(face, row.label).Shadow().Color();
            break;
        }
    }
    // A shown group may keep no choice; a hidden one falls back to every half hour.
    v.RadioGroup1 = s.ChimeHalfHour ? 0 : s.ChimeHour ? 1 : s.ChimeOn ? -1 : 0;
    const TShadow& shadow = At(face, FaceLabel::Date).Shadow();
    v.XLabel = IntToText(shadow.OffsetLeft());
    v.YLabel = IntToText(shadow.OffsetTop());
    return v;
}

void WritePropertyValues(const PropertyValues& v, ClockSettings& s, ClockFace& face,
                         const std::function<void(ApplyStep)>& step) {
    for (const PropertyRow& row : kRows) {
        switch (row.kind) {
        case Kind::Flag:
            s.*row.flag = v.*row.flagValue != row.inverse;
            break;
        case Kind::ShadowFlag:
            s.*row.flag = v.*row.flagValue;
            for (TShadowLabel* l : face.Labels())
                l->Shadow().SetVisible(v.*row.flagValue);
            break;
        case Kind::Text:
            s.*row.text = v.*row.textValue;
            break;
        case Kind::FontName:
            for (TShadowLabel* l : face.Labels())
                l->SetFontName(v.FontName);
            break;
        case Kind::FontSize:
            for (TShadowLabel* l : face.Labels())
                l->SetFontSizePoints(v.FontSizePoints);
            break;
        case Kind::FontStyle:
            for (TShadowLabel* l : face.Labels())
                l->SetFontStyle(v.FontStyle);
            break;
        case Kind::FontColour:
            At(face, row.label).SetFontColor(v.*row.colourValue);
            break;
        case Kind::ShadowColour:
            At(face, row.label).Shadow().SetColor(v.*row.colourValue);
            break;
        }
        switch (row.then) {
        case ApplyStep::ShadowOffsets:
            WriteShadowOffsets(v, face);
            break;
        case ApplyStep::ChimeInterval:
            WriteChimeInterval(v, s);
            break;
        case ApplyStep::ItalicWidths:
            // Still the date shadow's offset from before this apply: the new one comes later.
            face.CompensateItalicWidths(v.FontStyle);
            break;
        case ApplyStep::None:
            break;
        default:
            if (step)
                step(row.then);
            break;
        }
    }
}
