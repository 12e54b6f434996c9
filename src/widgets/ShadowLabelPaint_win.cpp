#include "widgets/ShadowLabelPaint_win.h"

#include "base/Sjis.h"
#include "ui/WideCalls.h"

#include <cstring>

namespace ui {

LOGFONTA ToLogFont(const LabelFont& font, int dpi, BYTE quality) {
    LOGFONTA lf{};
    lf.lfHeight = ScaleForDpi(font.height, dpi);
    lf.lfWeight = (font.style & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (font.style & fsItalic) ? TRUE : FALSE;
    lf.lfUnderline = (font.style & fsUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (font.style & fsStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = font.charset;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = quality;
    // Stored pitch: 0 default, 1 variable, 2 fixed; Win32 orders fixed before variable.
    switch (font.pitch) {
    case FontPitch::Variable:
        lf.lfPitchAndFamily = VARIABLE_PITCH;
        break;
    case FontPitch::Fixed:
        lf.lfPitchAndFamily = FIXED_PITCH;
        break;
    default:
        lf.lfPitchAndFamily = DEFAULT_PITCH;
        break;
    }
    // A name too long for the record is cut between characters, never inside a double-byte one.
    const std::string face = TruncateSjis(font.name, LF_FACESIZE - 1);
    std::memcpy(lf.lfFaceName, face.c_str(), face.size() + 1);
    return lf;
}

LabelFont FromLogFont(const LOGFONTA& lf) {
    LabelFont font;
    font.name.assign(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
    font.height = lf.lfHeight;
    font.style =
        static_cast<std::uint8_t>((lf.lfWeight >= FW_BOLD ? fsBold : 0) | (lf.lfItalic ? fsItalic : 0) |
                                  (lf.lfUnderline ? fsUnderline : 0) | (lf.lfStrikeOut ? fsStrikeOut : 0));
    font.charset = lf.lfCharSet;
    switch (lf.lfPitchAndFamily & 0x3) {
    case VARIABLE_PITCH:
        font.pitch = FontPitch::Variable;
        break;
    case FIXED_PITCH:
        font.pitch = FontPitch::Fixed;
        break;
    default:
        font.pitch = FontPitch::Default;
        break;
    }
    font.color = clBlack;
    return font;
}

void FontCache::SetDpi(int dpi) {
    if (dpi == dpi_)
        return;
    dpi_ = dpi;
    entries_.clear(); // none is selected anywhere: painting and measuring put the previous font back
}

HFONT FontCache::Get(const LabelFont& wanted, BYTE quality) {
    // Colour is drawing state, not part of the GDI font.
    LabelFont key = wanted;
    key.color = clBlack;
    for (auto& e : entries_)
        if (e.font == key && e.quality == quality)
            return e.handle.get();
    if (entries_.size() == kCapacity)
        entries_.erase(entries_.begin());
    const LOGFONTA lf = ToLogFont(key, dpi_, quality);
    entries_.push_back(Entry{key, quality, CreateFontFrom(lf)});
    return entries_.back().handle.get();
}

std::vector<LOGFONTA> FontCache::Descriptions() const {
    std::vector<LOGFONTA> fonts;
    for (const auto& e : entries_)
        fonts.push_back(FontRecordOf(e.handle.get()));
    return fonts;
}

HDC FontCache::MeasuringDc() {
    if (!measuring_)
        measuring_ = unique_hdc(::CreateCompatibleDC(nullptr));
    return measuring_.get();
}

} // namespace ui

void PaintShadowLabel(const TShadowLabel& label, HDC dc, ui::FontCache& fonts, BYTE quality) {
    PaintShadowLabelBackground(label, dc);
    PaintShadowLabelText(label, dc, fonts, quality);
}

void PaintShadowLabelBackground(const TShadowLabel& label, HDC dc) {
    if (!label.Visible() || label.Transparent())
        return;
    const RECT t{label.Left(), label.Top(), label.Left() + label.Width(), label.Top() + label.Height()};
    const COLORREF previous = ::SetBkColor(dc, ui::ResolveColour(label.Color()));
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &t, nullptr, 0, nullptr); // fills exactly the rectangle
    ::SetBkColor(dc, previous);
}

void PaintShadowLabelText(const TShadowLabel& label, HDC dc, ui::FontCache& fonts, BYTE quality) {
    if (!label.Visible())
        return;
    ui::SavedDcState saved(dc);
    const int left = label.Left(), top = label.Top();
    ::IntersectClipRect(dc, left, top, left + label.Width(), top + label.Height());

    const std::string text = label.DrawnText();
    const UINT flags = label.DrawFlags();
    RECT t{left, top, left + label.Width(), top + label.Height()};

    // The saved state puts the previous font back: under Wine each font selection on a DC of
    // the display driver costs a lookup of the X resources, so none is made twice.
    ::SelectObject(dc, fonts.Get(label.Font(), quality));
    ::SetBkMode(dc, TRANSPARENT);

    const TShadow& hl = label.Highlight();
    const TShadow& sh = label.Shadow();
    // The offsets are in 96-dpi units, as the settings hold them: scaled with the font.
    const int dpi = fonts.Dpi();
    RECT h = t, s = t;
    ::OffsetRect(&h, ui::ScaleForDpi(hl.OffsetLeft(), dpi), ui::ScaleForDpi(hl.OffsetTop(), dpi));
    ::OffsetRect(&s, ui::ScaleForDpi(sh.OffsetLeft(), dpi), ui::ScaleForDpi(sh.OffsetTop(), dpi));

    const bool on = label.Enabled();
    const COLORREF shadowColour = ui::ResolveColour(on ? sh.Color() : clGray);
    const COLORREF highlightColour = ui::ResolveColour(on ? hl.Color() : clBtnHighlight);
    const COLORREF textColour = ui::ResolveColour(on ? label.Font().color : clBtnShadow);

    auto draw = [&](RECT r, COLORREF colour) {
        ::SetTextColor(dc, colour);
        ui::DrawShiftJisText(dc, text, r, flags);
    };
    if (sh.Visible())
        draw(s, shadowColour);
    if (hl.Visible())
        draw(h, highlightColour);
    draw(t, textColour);
}

LabelRect MeasureLabelText(const std::string& text, const LabelFont& font, unsigned flags,
                           const LabelRect& start, ui::FontCache& fonts) {
    HDC dc = fonts.MeasuringDc();
    ui::SelectedObject selected(dc, fonts.Get(font));
    RECT r{start.left, start.top, start.right, start.bottom};
    ui::DrawShiftJisText(dc, text, r, flags);
    return LabelRect{r.left, r.top, r.right, r.bottom};
}
