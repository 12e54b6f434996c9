#pragma once
// TShadowLabel: a windowless text label that draws its caption three times in one font: a
// shadow copy, a highlight copy (each shifted by its own offsets) and the text on top. This
// file is the portable model: its properties, change notifications and auto-sizing rules.
// Drawing and measuring belong to the parent window through LabelHost (ShadowLabelPaint_win).
#include "base/Colour.h"
#include "widgets/LabelFont.h"

#include <cstdint>
#include <functional>
#include <string>

struct LabelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const LabelRect&) const = default;
};

// DrawTextA flags, with the Win32 values, so the portable code can compose them.
namespace drawflags {
inline constexpr unsigned kLeft = 0x0, kCenter = 0x1, kRight = 0x2, kWordBreak = 0x10, kExpandTabs = 0x40,
                          kCalcRect = 0x400, kNoPrefix = 0x800;
}

// What a label needs from the window it lives on.
class LabelHost {
public:
    virtual ~LabelHost() = default;
    // Repaint request: the parent repaints this area (in its client coordinates), background first.
    virtual void InvalidateArea(const LabelRect& area) = 0;
    // DrawTextA with DT_CALCRECT on a screen surface in `font`, starting from `start`.
    virtual LabelRect MeasureText(const std::string& text, const LabelFont& font, unsigned flags,
                                  const LabelRect& start) = 0;
};

// The settings of one copy of the text. Setting a value to what it already holds does nothing;
// otherwise the value is stored and OnChange is called once.
class TShadow {
public:
    TShadow() = default;
    TShadow(bool visible, TColor color, int offsetLeft, int offsetTop)
        : visible_(visible), color_(color), offsetLeft_(offsetLeft), offsetTop_(offsetTop) {}

    bool Visible() const { return visible_; }
    TColor Color() const { return color_; }
    int OffsetLeft() const { return offsetLeft_; }
    int OffsetTop() const { return offsetTop_; }

    void SetVisible(bool value);
    void SetColor(TColor value);
    void SetOffsetLeft(int value);
    void SetOffsetTop(int value);

    // Copies the four values (not OnChange), then notifies once whether or not anything differed.
    void Assign(const TShadow& source);

    std::function<void(TShadow&)> OnChange;

private:
    void Changed();

    bool visible_ = true;
    TColor color_ = clBlack;
    int offsetLeft_ = 0;
    int offsetTop_ = 0;
};

enum class TAlignment { Left, Right, Center };
enum class TMouseButton { Left, Right, Middle };

class TShadowLabel {
public:
    explicit TShadowLabel(LabelHost& host);
    TShadowLabel(const TShadowLabel&) = delete;
    TShadowLabel& operator=(const TShadowLabel&) = delete;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& text);

    const LabelFont& Font() const { return font_; }
    void SetFont(const LabelFont& font);
    void SetFontName(const std::string& name);
    void SetFontHeight(int height);
    void SetFontSizePoints(int points);
    void SetFontStyle(std::uint8_t style);
    void SetFontPitch(FontPitch pitch);
    void SetFontColor(TColor color);

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);

    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    LabelRect BoundsRect() const { return bounds_; }
    void SetBounds(int left, int top, int width, int height);
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }

    TShadow& Highlight() { return highlight_; }
    const TShadow& Highlight() const { return highlight_; }
    TShadow& Shadow() { return shadow_; }
    const TShadow& Shadow() const { return shadow_; }
    // Copies the values into the label's own object (a null source is ignored), then repaints.
    void SetHighlight(const TShadow* source);
    void SetShadow(const TShadow* source);

    // The holder shows the label at another scale now (its DPI changed): the box scales by
    // multiplier / divisor, and an auto-sized label measures itself again.
    void Rescale(int multiplier, int divisor);

    // While the holder is being built the label does not size itself; EndLoading sizes it once.
    void BeginLoading() { loading_ = true; }
    void EndLoading();

    // The text as drawn and measured: an empty caption, or a bare "&" with ShowAccelChar on,
    // gets one space appended so it keeps one line's height.
    std::string DrawnText() const;
    // DrawTextA flags shared by the three copies.
    unsigned DrawFlags() const;

    // Raised by the holder when a mouse button goes down over the label (label coordinates).
    std::function<void(TMouseButton, int x, int y)> OnMouseDown;

    void Invalidate();

private:
    void AdjustBounds();
    void FontChanged();

    LabelHost& host_;
    std::string caption_;
    LabelFont font_;
    TColor color_ = clBtnFaceColour();
    bool transparent_ = false;
    bool wordWrap_ = false;
    TAlignment alignment_ = TAlignment::Left;
    bool autoSize_ = true;
    bool showAccelChar_ = true;
    bool enabled_ = true;
    bool visible_ = true;
    bool loading_ = false;
    LabelRect bounds_{0, 0, 65, 17};
    TShadow highlight_;
    TShadow shadow_;

    static constexpr TColor clBtnFaceColour() { return clSystemColor + 15; }
};
