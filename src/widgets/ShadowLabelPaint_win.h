#pragma once
// Drawing and measuring shadow labels with GDI, plus the small caches that keep the tick from
// creating GDI objects: fonts by description, and one back buffer per window.
//
// A label's font and offsets are designed at 96 dpi; a window's labels are measured and drawn at
// the DPI of its fonts' cache, so the label boxes are in the window's physical pixels.
#include "ui/Colours.h"
#include "ui/Dpi.h"
#include "ui/Handles.h"
#include "widgets/ShadowLabel.h"

#include <vector>

namespace ui {

// The GDI fonts of the last few label fonts a window uses, made at that window's DPI. The clock
// uses one font for three labels, so the cache stays tiny; a new font only replaces the oldest
// entry.
class FontCache {
public:
    explicit FontCache(int dpi = kDesignDpi) : dpi_(dpi) {}
    int Dpi() const { return dpi_; }
    // The window is shown at another DPI: the fonts made for the old one are released.
    void SetDpi(int dpi);
    // `quality` is the GDI font's antialiasing: the default (ClearType where the user has it), or
    // ANTIALIASED_QUALITY where a picture's alpha comes from its colour channels.
    HFONT Get(const LabelFont& font, BYTE quality = DEFAULT_QUALITY);
    std::size_t Size() const { return entries_.size(); }
    // The fonts as GDI describes them, oldest first.
    std::vector<LOGFONTA> Descriptions() const;
    // A memory DC kept for measuring text. A screen DC taken for each measure costs Wine a
    // display DC and three font selections through the display driver (each a lookup of the X
    // resources); a measure on this one selects the font and puts the previous one back.
    HDC MeasuringDc();

private:
    struct Entry {
        LabelFont font;
        BYTE quality;
        unique_hfont handle;
    };
    int dpi_;
    std::vector<Entry> entries_;
    unique_hdc measuring_;
    static constexpr std::size_t kCapacity = 4;
};

// The GDI font for `font` at `dpi`: its 96-dpi height scaled, with the given quality.
LOGFONTA ToLogFont(const LabelFont& font, int dpi = kDesignDpi, BYTE quality = DEFAULT_QUALITY);
// The label font a GDI font description stands for (bold from FW_BOLD up); colour black.
LabelFont FromLogFont(const LOGFONTA& font);

} // namespace ui

// Paints `label` into `dc`, whose origin is the label's parent's client origin, at the DPI of
// `fonts` (the shadow and highlight offsets scaled with the font) and in `quality`. Clips to the
// label's rectangle and restores the DC's state afterwards.
void PaintShadowLabel(const TShadowLabel& label, HDC dc, ui::FontCache& fonts,
                      BYTE quality = DEFAULT_QUALITY);
// The two halves of PaintShadowLabel, for labels that overlap: every background first, then every
// text, so that no label's opaque background covers a neighbour's letters.
void PaintShadowLabelBackground(const TShadowLabel& label, HDC dc);
void PaintShadowLabelText(const TShadowLabel& label, HDC dc, ui::FontCache& fonts,
                          BYTE quality = DEFAULT_QUALITY);

// DrawTextA with DT_CALCRECT on a DC compatible with the screen, at the DPI of `fonts`.
LabelRect MeasureLabelText(const std::string& text, const LabelFont& font, unsigned flags,
                           const LabelRect& start, ui::FontCache& fonts);
