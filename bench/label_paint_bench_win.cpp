// Painting one clock label (shadow, highlight and text) into a memory DC, timed with the
// performance counter. Run under Wine: scripts/test-session scripts/wine-run
// build/win/label_paint_bench_win.exe
#include "ui/DibBuffer.h"
#include "widgets/ShadowLabelPaint_win.h"

#include <cstdio>

namespace {

class Host : public LabelHost {
public:
    ui::FontCache fonts;
    void InvalidateArea(const LabelRect&) override {}
    LabelRect MeasureText(const std::string& text, const LabelFont& font, unsigned flags,
                          const LabelRect& start) override {
        return MeasureLabelText(text, font, flags, start, fonts);
    }
};

} // namespace

int main() {
    Host host;
    TShadowLabel label(host);
    label.SetTransparent(true);
    label.Shadow().Assign(TShadow(true, clBlack, 4, 4));
    label.SetCaption("12:34:56");

    ui::DibBuffer buffer;
    HDC dc = buffer.Prepare(300, 40);

    LARGE_INTEGER freq, start, end;
    ::QueryPerformanceFrequency(&freq);
    constexpr int kRounds = 5000;
    ::QueryPerformanceCounter(&start);
    for (int i = 0; i < kRounds; ++i)
        PaintShadowLabel(label, dc, host.fonts);
    ::GdiFlush();
    ::QueryPerformanceCounter(&end);
    const double us = 1e6 * static_cast<double>(end.QuadPart - start.QuadPart) / freq.QuadPart / kRounds;
    std::printf("paint one label \"%s\": %.1f us per paint (%d paints), live GDI owners %ld\n",
                label.Caption().c_str(), us, kRounds, ui::LiveGdiOwners());
    return 0;
}
