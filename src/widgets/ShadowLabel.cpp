#include "widgets/ShadowLabel.h"

#include <cmath>

void TShadow::SetVisible(bool value) {
    if (visible_ == value)
        return;
    visible_ = value;
    Changed();
}

void TShadow::SetColor(TColor value) {
    if (color_ == value)
        return;
    color_ = value;
    Changed();
}

void TShadow::SetOffsetLeft(int value) {
    if (offsetLeft_ == value)
        return;
    offsetLeft_ = value;
    Changed();
}

void TShadow::SetOffsetTop(int value) {
    if (offsetTop_ == value)
        return;
    offsetTop_ = value;
    Changed();
}

void TShadow::Assign(const TShadow& source) {
    visible_ = source.visible_;
    color_ = source.color_;
    offsetLeft_ = source.offsetLeft_;
    offsetTop_ = source.offsetTop_;
    Changed();
}

void TShadow::Changed() {
    if (OnChange)
        OnChange(*this);
}

TShadowLabel::TShadowLabel(LabelHost& host)
    : host_(host), highlight_(true, clWhite, -1, -1), shadow_(true, clSilver, 1, 1) {
    // Values are in place before the hooks, so construction requests no repaint.
    highlight_.OnChange = [this](TShadow&) { Invalidate(); };
    shadow_.OnChange = [this](TShadow&) { Invalidate(); };
}

void TShadowLabel::Invalidate() {
    if (visible_)
        host_.InvalidateArea(bounds_);
}

void TShadowLabel::SetCaption(const std::string& text) {
    if (caption_ == text)
        return;
    caption_ = text;
    Invalidate();
    AdjustBounds();
}

void TShadowLabel::FontChanged() {
    Invalidate();
    AdjustBounds();
}

void TShadowLabel::SetFont(const LabelFont& font) {
    if (font_ == font)
        return;
    LabelFont recoloured = font_;
    recoloured.color = font.color;
    font_ = font;
    // A new colour does not change the text's extent: measuring again would only undo a width
    // the holder set on purpose (the italic compensation).
    if (recoloured == font)
        Invalidate();
    else
        FontChanged();
}

void TShadowLabel::SetFontName(const std::string& name) {
    LabelFont f = font_;
    f.name = name;
    SetFont(f);
}

void TShadowLabel::SetFontHeight(int height) {
    LabelFont f = font_;
    f.height = height;
    SetFont(f);
}

void TShadowLabel::SetFontSizePoints(int points) {
    LabelFont f = font_;
    f.SetSizePoints(points);
    SetFont(f);
}

void TShadowLabel::SetFontStyle(std::uint8_t style) {
    LabelFont f = font_;
    f.style = style;
    SetFont(f);
}

void TShadowLabel::SetFontPitch(FontPitch pitch) {
    LabelFont f = font_;
    f.pitch = pitch;
    SetFont(f);
}

void TShadowLabel::SetFontColor(TColor color) {
    LabelFont f = font_;
    f.color = color;
    SetFont(f);
}

void TShadowLabel::SetColor(TColor color) {
    if (color_ == color)
        return;
    color_ = color;
    Invalidate();
}

void TShadowLabel::SetTransparent(bool value) {
    if (transparent_ == value)
        return;
    transparent_ = value;
    Invalidate();
}

void TShadowLabel::SetWordWrap(bool value) {
    if (wordWrap_ == value)
        return;
    wordWrap_ = value;
    AdjustBounds();
    Invalidate();
}

void TShadowLabel::SetAlignment(TAlignment value) {
    if (alignment_ == value)
        return;
    alignment_ = value;
    Invalidate();
}

void TShadowLabel::SetAutoSize(bool value) {
    if (autoSize_ == value)
        return;
    autoSize_ = value;
    AdjustBounds();
}

void TShadowLabel::SetShowAccelChar(bool value) {
    if (showAccelChar_ == value)
        return;
    showAccelChar_ = value;
    Invalidate();
}

void TShadowLabel::SetEnabled(bool value) {
    if (enabled_ == value)
        return;
    enabled_ = value;
    Invalidate();
}

void TShadowLabel::SetVisible(bool value) {
    if (visible_ == value)
        return;
    if (visible_)
        host_.InvalidateArea(bounds_);
    visible_ = value;
    Invalidate();
}

void TShadowLabel::SetBounds(int left, int top, int width, int height) {
    const LabelRect next{left, top, left + width, top + height};
    if (next == bounds_)
        return;
    Invalidate(); // the area it leaves
    bounds_ = next;
    Invalidate(); // the area it takes
}

void TShadowLabel::SetHighlight(const TShadow* source) {
    if (!source)
        return;
    highlight_.Assign(*source);
    Invalidate();
}

void TShadowLabel::SetShadow(const TShadow* source) {
    if (!source)
        return;
    shadow_.Assign(*source);
    Invalidate();
}

void TShadowLabel::Rescale(int multiplier, int divisor) {
    if (divisor <= 0 || multiplier == divisor)
        return;
    // Rounded half away from zero, as the system scales.
    const auto scaled = [&](int v) {
        return static_cast<int>(std::lround(static_cast<double>(v) * multiplier / divisor));
    };
    // The width too: a word-wrapped label breaks its lines at the same place as before.
    SetBounds(scaled(Left()), scaled(Top()), scaled(Width()), scaled(Height()));
    AdjustBounds();
}

void TShadowLabel::EndLoading() {
    loading_ = false;
    AdjustBounds();
}

std::string TShadowLabel::DrawnText() const {
    if (caption_.empty() || (showAccelChar_ && caption_ == "&"))
        return caption_ + " ";
    return caption_;
}

unsigned TShadowLabel::DrawFlags() const {
    unsigned flags = drawflags::kExpandTabs;
    if (alignment_ == TAlignment::Right)
        flags |= drawflags::kRight;
    else if (alignment_ == TAlignment::Center)
        flags |= drawflags::kCenter;
    if (wordWrap_)
        flags |= drawflags::kWordBreak;
    if (!showAccelChar_)
        flags |= drawflags::kNoPrefix;
    return flags;
}

void TShadowLabel::AdjustBounds() {
    if (!autoSize_ || loading_)
        return;
    unsigned flags = drawflags::kCalcRect | drawflags::kExpandTabs;
    if (wordWrap_)
        flags |= drawflags::kWordBreak;
    if (!showAccelChar_)
        flags |= drawflags::kNoPrefix;
    const LabelRect measured =
        host_.MeasureText(DrawnText(), font_, flags, LabelRect{0, 0, Width(), Height()});
    int left = Left();
    if (alignment_ == TAlignment::Right)
        left += Width() - measured.right;
    SetBounds(left, Top(), measured.right, measured.bottom);
}
