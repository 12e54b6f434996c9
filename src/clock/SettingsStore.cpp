#include "clock/SettingsStore.h"

#include "base/AppError.h"
#include "base/IntText.h"
#include "base/Sjis.h"
#include "clock/ColourText.h"

#include <algorithm>
#include <cstdint>

namespace {

// A key holding its sentinel reads exactly like a missing key.
constexpr const char* kMissingText = "A";
constexpr std::int32_t kMissingInt = -1;
constexpr int kDefaultShadowOffset = 3;
// LOGFONT's face name holds 31 bytes and a NUL.
constexpr std::size_t kMaxFaceBytes = 31;
// The largest size whose pixel height still fits in an int; only absurd files reach it.
constexpr int kMaxFontPoints = static_cast<int>(2147483647LL * 72 / kScreenPixelsPerInch) - 1;

std::string ReadText(const IniDocument& doc, const char* section, const char* key) {
    return doc.Get(section, key).value_or(kMissingText);
}

std::int32_t ReadInteger(const IniDocument& doc, const char* section, const char* key,
                         std::int32_t fallback) {
    std::string text = doc.Get(section, key).value_or("");
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.replace(0, 2, "$");
    return ParseIntText(text).value_or(fallback);
}

bool ReadBoolean(const IniDocument& doc, const char* section, const char* key, bool fallback) {
    return ReadInteger(doc, section, key, fallback ? 1 : 0) != 0;
}

// Sets one colour from its text unless the key is missing; a bad text keeps the old colour and
// its message is collected for the caller's error report.
template <typename Apply>
void ReadColour(const IniDocument& doc, const char* key, std::vector<std::string>& errors, Apply apply) {
    const std::string text = ReadText(doc, "Font", key);
    if (text == kMissingText)
        return;
    try {
        apply(TextToColor(text));
    } catch (const AppError& error) {
        errors.emplace_back(error.what());
    }
}

void ReadTextInto(const IniDocument& doc, const char* section, const char* key, std::string& field) {
    std::string text = ReadText(doc, section, key);
    if (text != kMissingText)
        field = std::move(text);
}

} // namespace

std::vector<std::string> LoadSettingsFrom(const IniDocument& doc, const DesktopLayout& desktop,
                                          ClockSettings& settings, SettingsTarget& target, ClockFace& face) {
    std::vector<std::string> errors;
    const auto forEachLabel = [&face](auto apply) {
        for (TShadowLabel* label : face.Labels())
            apply(*label);
    };

    // The stored rectangle decides the monitor; an edge the file lacks is where the window stands.
    const std::int32_t left = ReadInteger(doc, "Form", "Left", kMissingInt);
    const std::int32_t width = left != kMissingInt ? ReadInteger(doc, "Form", "Width", kMissingInt) : 0;
    const std::int32_t top = ReadInteger(doc, "Form", "Top", kMissingInt);
    const std::int32_t height = top != kMissingInt ? ReadInteger(doc, "Form", "Height", kMissingInt) : 0;
    const MonitorArea& monitor = NearestMonitor(desktop, left != kMissingInt ? left : desktop.windowLeft,
                                                top != kMissingInt ? top : desktop.windowTop, width, height);
    if (left != kMissingInt)
        target.SetWindowLeft(ClampLeftEdge(monitor, left, width));
    if (top != kMissingInt)
        target.SetWindowTop(ClampTopEdge(monitor, top, height));
    const auto stored = [](std::int32_t edge, std::int32_t size) {
        return edge != kMissingInt && size != kMissingInt ? std::optional<int>(size) : std::nullopt;
    };
    target.SetStoredSize(stored(left, width), stored(top, height));

    const std::int32_t page = ReadInteger(doc, "Prop", "Page", kMissingInt);
    settings.PropPage = page == kMissingInt ? 0 : page;

    settings.Movable = ReadBoolean(doc, "Prop", "Move", true);
    settings.ShowYear = ReadBoolean(doc, "Prop", "Year", true);
    settings.StayOnTop = ReadBoolean(doc, "Prop", "Front", true);
    target.SetStayOnTop(settings.StayOnTop);
    settings.ShadowOn = ReadBoolean(doc, "Prop", "Shadow", true);
    forEachLabel([&](TShadowLabel& l) { l.Shadow().SetVisible(settings.ShadowOn); });
    settings.EnglishWeekday = ReadBoolean(doc, "Prop", "English", true);
    settings.WallpaperMode = ReadBoolean(doc, "Prop", "Back", true);
    settings.ChimeOn = ReadBoolean(doc, "Prop", "Jihou", true);
    // Saved under "30" / "60"; files from before that was read back may only hold "Time30" / "Time60".
    settings.ChimeHalfHour = ReadBoolean(doc, "Prop", "30", ReadBoolean(doc, "Prop", "Time30", true));
    settings.ChimeHour = ReadBoolean(doc, "Prop", "60", ReadBoolean(doc, "Prop", "Time60", true));

    const std::string faceName = ReadText(doc, "Font", "Name");
    if (faceName != kMissingText && !faceName.empty()) {
        // Without blanks the cut leaves at its end: the name must read back as it is saved.
        const std::string cut(TrimIniBlanks(TruncateSjis(faceName, kMaxFaceBytes)));
        forEachLabel([&](TShadowLabel& l) { l.SetFontName(cut); });
    }

    ReadColour(doc, "DColor", errors, [&](TColor c) { face.DateLbl.SetFontColor(c); });
    ReadColour(doc, "WColor", errors, [&](TColor c) { face.WeekLbl.SetFontColor(c); });
    ReadColour(doc, "TColor", errors, [&](TColor c) { face.TimeLbl.SetFontColor(c); });
    ReadColour(doc, "ShadowDColor", errors, [&](TColor c) { face.DateLbl.Shadow().SetColor(c); });
    ReadColour(doc, "ShadowWColor", errors, [&](TColor c) { face.WeekLbl.Shadow().SetColor(c); });
    ReadColour(doc, "ShadowTColor", errors, [&](TColor c) { face.TimeLbl.Shadow().SetColor(c); });

    ReadTextInto(doc, "Timer", "DialogText", settings.DialogText);

    const std::int32_t size = ReadInteger(doc, "Font", "Size", kMissingInt);
    if (size != kMissingInt) {
        const int points = std::clamp(size, -kMaxFontPoints, kMaxFontPoints);
        forEachLabel([&](TShadowLabel& l) { l.SetFontSizePoints(points); });
    }

    const auto style = static_cast<std::uint8_t>(ReadInteger(doc, "Font", "Style", 0) & 0xFF);
    const auto pitch = static_cast<FontPitch>(ReadInteger(doc, "Font", "Pitch", 0) & 0xFF);

    const std::int32_t xInt = ReadInteger(doc, "Font", "XInt", kMissingInt);
    forEachLabel([&](TShadowLabel& l) {
        l.Shadow().SetOffsetLeft(xInt == kMissingInt ? kDefaultShadowOffset : xInt);
    });
    const std::int32_t yInt = ReadInteger(doc, "Font", "YInt", kMissingInt);
    forEachLabel(
        [&](TShadowLabel& l) { l.Shadow().SetOffsetTop(yInt == kMissingInt ? kDefaultShadowOffset : yInt); });

    settings.AlarmOn = ReadBoolean(doc, "Timer", "ON/OFF", true);
    ReadTextInto(doc, "Timer", "Sound", settings.SoundFile);
    ReadTextInto(doc, "Timer", "Time", settings.AlarmHour);
    ReadTextInto(doc, "Timer", "Minutes", settings.AlarmMinute);

    settings.ShowSeconds = ReadBoolean(doc, "Prop", "Second", true);
    settings.Use24Hour = ReadBoolean(doc, "Prop", "24ON", true);
    settings.AlarmByDialog = ReadBoolean(doc, "Timer", "Dialog", true);

    forEachLabel([&](TShadowLabel& l) { l.SetFontStyle(style); });
    forEachLabel([&](TShadowLabel& l) { l.SetFontPitch(pitch); });

    settings.HideFullScreen = ReadBoolean(doc, "Option", "HideFullScreen", true);
    settings.ClickThrough = ReadBoolean(doc, "Option", "ClickThrough", false);
    return errors;
}

void SaveSettingsTo(IniDocument& doc, const ClockSettings& settings, const WindowBounds& bounds,
                    const ClockFace& face) {
    const auto text = [&doc](const char* section, const char* key, const std::string& value) {
        doc.Set(section, key, value);
    };
    const auto integer = [&doc](const char* section, const char* key, std::int32_t value) {
        doc.Set(section, key, IntToText(value));
    };
    const auto boolean = [&doc](const char* section, const char* key, bool value) {
        doc.Set(section, key, value ? "1" : "0");
    };
    const LabelFont& font = face.DateLbl.Font();

    integer("Form", "Left", bounds.left);
    integer("Form", "Top", bounds.top);
    integer("Form", "Width", bounds.width);
    integer("Form", "Height", bounds.height);

    integer("Prop", "Page", settings.PropPage);
    boolean("Prop", "Move", settings.Movable);
    boolean("Prop", "Year", settings.ShowYear);
    boolean("Prop", "Front", settings.StayOnTop);
    boolean("Prop", "Second", settings.ShowSeconds);
    boolean("Prop", "24ON", settings.Use24Hour);
    boolean("Prop", "English", settings.EnglishWeekday);
    boolean("Prop", "Back", settings.WallpaperMode);
    boolean("Prop", "Jihou", settings.ChimeOn);
    boolean("Prop", "30", settings.ChimeHalfHour);
    boolean("Prop", "60", settings.ChimeHour);
    boolean("Prop", "Shadow", settings.ShadowOn);

    text("Font", "Name", font.name);
    text("Font", "DColor", ColorToText(font.color));
    text("Font", "WColor", ColorToText(face.WeekLbl.Font().color));
    text("Font", "TColor", ColorToText(face.TimeLbl.Font().color));
    text("Font", "ShadowDColor", ColorToText(face.DateLbl.Shadow().Color()));
    text("Font", "ShadowWColor", ColorToText(face.WeekLbl.Shadow().Color()));
    text("Font", "ShadowTColor", ColorToText(face.TimeLbl.Shadow().Color()));
    integer("Font", "XInt", face.DateLbl.Shadow().OffsetLeft());
    integer("Font", "YInt", face.DateLbl.Shadow().OffsetTop());
    integer("Font", "Size", font.SizePoints());
    integer("Font", "Style", font.style);
    integer("Font", "Pitch", static_cast<std::int32_t>(font.pitch));

    boolean("Timer", "ON/OFF", settings.AlarmOn);
    text("Timer", "Sound", settings.SoundFile);
    text("Timer", "Time", settings.AlarmHour);
    text("Timer", "Minutes", settings.AlarmMinute);
    boolean("Timer", "Dialog", settings.AlarmByDialog);
    text("Timer", "DialogText", settings.DialogText);

    boolean("Option", "HideFullScreen", settings.HideFullScreen);
    boolean("Option", "ClickThrough", settings.ClickThrough);
}
