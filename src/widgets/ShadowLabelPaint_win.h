#pragma once
// Drawing and measuring shadow labels with GDI, plus the small caches that keep the tick from
// creating GDI objects: fonts by description, and one back buffer per window.
#include "ui/Colours.h"
#include "ui/Handles.h"
#include "widgets/ShadowLabel.h"

#include <vector>

namespace ui {

// The GDI fonts of the last few label fonts in use. The clock uses one font for three labels,
// so the cache stays tiny; a new font only replaces the oldest entry.
class FontCache {
public:
    HFONT Get(const LabelFont& font);
    std::size_t Size() const { return entries_.size(); }
    // A memory DC kept for measuring text. A screen DC taken for each measure costs Wine a
    // display DC and three font selections through the display driver (each a lookup of the X
    // resources); a measure on this one selects the font and puts the previous one back.
    HDC MeasuringDc();

private:
    struct Entry {
        LabelFont font;
        unique_hfont handle;
    };
    std::vector<Entry> entries_;
    unique_hdc measuring_;
    static constexpr std::size_t kCapacity = 4;
};

LOGFONTA ToLogFont(const LabelFont& font);
// The label font a GDI font description stands for (bold from FW_BOLD up); colour black.
LabelFont FromLogFont(const LOGFONTA& font);

} // namespace ui

// Paints `label` into `dc`, whose origin is the label's parent's client origin. Clips to the
// label's rectangle and restores the DC's state afterwards.
void PaintShadowLabel(const TShadowLabel& label, HDC dc, ui::FontCache& fonts);
// The two halves of PaintShadowLabel, for labels that overlap: every background first, then every
// text, so that no label's opaque background covers a neighbour's letters.
void PaintShadowLabelBackground(const TShadowLabel& label, HDC dc);
void PaintShadowLabelText(const TShadowLabel& label, HDC dc, ui::FontCache& fonts);

// DrawTextA with DT_CALCRECT on a DC compatible with the screen.
LabelRect MeasureLabelText(const std::string& text, const LabelFont& font, unsigned flags,
                           const LabelRect& start, ui::FontCache& fonts);
