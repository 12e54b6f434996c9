// Shadow labels painted into a memory DC over a known background, checked pixel by pixel.
#include "ui/Handles.h"
#include "widgets/ShadowLabelPaint_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

constexpr COLORREF kBackground = RGB(0, 0, 255);
constexpr int kWidth = 160, kHeight = 80;

// A 32-bit DIB we can read back, filled with the background colour.
class Canvas {
public:
    Canvas() {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = kWidth;
        bi.bmiHeader.biHeight = -kHeight;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        dc_ = ui::unique_hdc(::CreateCompatibleDC(nullptr));
        bitmap_ = ui::unique_hbitmap(::CreateDIBSection(dc_.get(), &bi, DIB_RGB_COLORS, &bits_, nullptr, 0));
        old_ = ::SelectObject(dc_.get(), bitmap_.get());
        ui::unique_hbrush brush(::CreateSolidBrush(kBackground));
        RECT all{0, 0, kWidth, kHeight};
        ::FillRect(dc_.get(), &all, brush.get());
    }
    ~Canvas() { ::SelectObject(dc_.get(), old_); }
    HDC Dc() const { return dc_.get(); }
    COLORREF At(int x, int y) const {
        ::GdiFlush();
        const DWORD p = static_cast<const DWORD*>(bits_)[y * kWidth + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    // Bounding box of the pixels of one colour.
    RECT BoxOf(COLORREF c) const {
        RECT r{kWidth, kHeight, -1, -1};
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (At(x, y) == c) {
                    r.left = std::min<LONG>(r.left, x);
                    r.top = std::min<LONG>(r.top, y);
                    r.right = std::max<LONG>(r.right, x);
                    r.bottom = std::max<LONG>(r.bottom, y);
                }
        return r;
    }

private:
    ui::unique_hdc dc_;
    ui::unique_hbitmap bitmap_;
    HGDIOBJ old_ = nullptr;
    void* bits_ = nullptr;
};

class PaintHost : public LabelHost {
public:
    explicit PaintHost(int dpi) : fonts(dpi) {}
    void InvalidateArea(const LabelRect&) override {}
    LabelRect MeasureText(const std::string& text, const LabelFont& font, unsigned flags,
                          const LabelRect& start) override {
        return MeasureLabelText(text, font, flags, start, fonts);
    }
    ui::FontCache fonts;
};

// A label showing one solid square "■" in red, with a black shadow and a white highlight, on a
// window of the given DPI.
struct SquareLabel {
    PaintHost host;
    TShadowLabel label{host};
    explicit SquareLabel(int dpi = ui::kDesignDpi, int fontHeight = -48) : host(dpi) {
        LabelFont font;
        font.height = fontHeight;
        font.color = RGB(255, 0, 0);
        label.SetFont(font);
        label.SetTransparent(true);
        // Offsets of three pixels leave solid strips beside the (anti-aliased) edges of the square.
        label.Highlight().Assign(TShadow(true, clWhite, -3, -3));
        label.Shadow().Assign(TShadow(true, clBlack, 4, 4));
        label.SetCaption("■");
        label.SetBounds(20, 10, label.Width() + 8, label.Height() + 8);
    }
};

TEST(ShadowLabelPaint, ShadowUnderHighlightUnderTextOverUntouchedBackground) {
    SquareLabel s;
    Canvas canvas;
    PaintShadowLabel(s.label, canvas.Dc(), s.host.fonts);

    const RECT text = canvas.BoxOf(RGB(255, 0, 0));
    ASSERT_LT(text.left, text.right) << "the text was not drawn";
    const int midX = (text.left + text.right) / 2, midY = (text.top + text.bottom) / 2;
    EXPECT_EQ(canvas.At(midX, midY), RGB(255, 0, 0));
    // The highlight shows up and left of the text, the shadow down and right of it.
    EXPECT_EQ(canvas.At(text.left - 2, midY), RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(midX, text.top - 2), RGB(255, 255, 255));
    EXPECT_EQ(canvas.At(text.right + 2, text.bottom + 2), RGB(0, 0, 0));
    // Transparent: the background between and around the copies is untouched.
    EXPECT_EQ(canvas.At(s.label.Left() + 1, s.label.Top() + s.label.Height() - 1), kBackground);
    EXPECT_EQ(canvas.At(0, 0), kBackground) << "painting must stay inside the label";
    EXPECT_EQ(canvas.At(s.label.Left() + s.label.Width(), midY), kBackground);
}

TEST(ShadowLabelPaint, OffsetsMoveTheCopiesAndZeroHidesTheShadowUnderTheText) {
    SquareLabel s;
    s.label.Shadow().SetOffsetLeft(0);
    s.label.Shadow().SetOffsetTop(0);
    s.label.Highlight().SetVisible(false);
    Canvas canvas;
    PaintShadowLabel(s.label, canvas.Dc(), s.host.fonts);
    const RECT text = canvas.BoxOf(RGB(255, 0, 0));
    EXPECT_EQ(canvas.BoxOf(RGB(0, 0, 0)).right, -1) << "a shadow at 0,0 lies wholly under the text";
    EXPECT_EQ(canvas.At(text.right + 2, text.bottom + 2), kBackground);

    // Negative offsets move the shadow up and left; it is still drawn before the text.
    s.label.Shadow().SetOffsetLeft(-3);
    s.label.Shadow().SetOffsetTop(-3);
    Canvas moved;
    PaintShadowLabel(s.label, moved.Dc(), s.host.fonts);
    const RECT t2 = moved.BoxOf(RGB(255, 0, 0));
    EXPECT_EQ(moved.At(t2.left - 2, t2.top - 2), RGB(0, 0, 0));
    EXPECT_EQ(moved.At(t2.right - 1, t2.bottom - 1), RGB(255, 0, 0));

    // The offsets (4 and -3) are in 96-dpi units: drawn scaled at the window's DPI.
    for (auto [dpi, shadow, highlight] :
         {std::tuple{96, 4, -3}, std::tuple{120, 5, -4}, std::tuple{144, 6, -5}}) {
        SquareLabel at(dpi, -32);
        Canvas c;
        PaintShadowLabel(at.label, c.Dc(), at.host.fonts);
        const RECT text = c.BoxOf(RGB(255, 0, 0));
        EXPECT_EQ(c.BoxOf(RGB(0, 0, 0)).bottom - text.bottom, shadow) << dpi;
        EXPECT_EQ(c.BoxOf(RGB(255, 255, 255)).left - text.left, highlight) << dpi;
    }
}

TEST(ShadowLabelPaint, OpaqueLabelFillsItsRectangle) {
    SquareLabel s;
    s.label.SetTransparent(false);
    s.label.SetColor(RGB(0, 128, 0));
    Canvas canvas;
    PaintShadowLabel(s.label, canvas.Dc(), s.host.fonts);
    EXPECT_EQ(canvas.At(s.label.Left() + 1, s.label.Top() + s.label.Height() - 1), RGB(0, 128, 0));
    EXPECT_EQ(canvas.At(s.label.Left() - 1, s.label.Top()), kBackground);
}

TEST(ShadowLabelPaint, DisabledLabelUsesTheFixedGreys) {
    SquareLabel s;
    s.label.SetEnabled(false);
    Canvas canvas;
    PaintShadowLabel(s.label, canvas.Dc(), s.host.fonts);
    const COLORREF textGrey = ::GetSysColor(COLOR_BTNSHADOW);
    const RECT text = canvas.BoxOf(textGrey);
    ASSERT_LT(text.left, text.right);
    EXPECT_EQ(canvas.BoxOf(RGB(255, 0, 0)).right, -1);
    EXPECT_EQ(canvas.At(text.right + 2, text.bottom + 2), RGB(128, 128, 128));
}

TEST(ShadowLabelPaint, PaintingAndMeasuringManyTimesLeavesNoGdiObjectBehind) {
    SquareLabel s;
    Canvas canvas;
    PaintShadowLabel(s.label, canvas.Dc(), s.host.fonts);
    const long owners = ui::LiveGdiOwners();
    for (int i = 0; i < 20000; ++i) {
        PaintShadowLabel(s.label, canvas.Dc(), s.host.fonts);
        s.label.SetCaption(i % 2 ? "■" : "■■");
    }
    EXPECT_EQ(ui::LiveGdiOwners(), owners);
    EXPECT_EQ(s.host.fonts.Size(), 1u);
}

} // namespace
