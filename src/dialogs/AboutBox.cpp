#include "dialogs/AboutBox.h"

#include <initializer_list>

TAboutBox* AboutBox = nullptr;

namespace {

// The version line reaches into the first contact line's rectangle: every label's opaque
// background goes down first, then the texts, so none of the version's letters is covered.
void PaintLabels(HDC dc, std::initializer_list<const TShadowLabel*> labels, ui::FontCache& fonts) {
    for (const TShadowLabel* l : labels)
        PaintShadowLabelBackground(*l, dc);
    for (const TShadowLabel* l : labels)
        PaintShadowLabelText(*l, dc, fonts);
}

} // namespace

TAboutBox::TAboutBox(ui::Application& app)
    : Label1(*this), Label2(*this), Label3(*this), Label4(*this), app_(app), screen_(ui::DialogScreenOf(app)),
      fonts_(screen_.dpi), background_(::CreateSolidBrush(RGB(0, 0, 0))) {
    for (TShadowLabel* l : {&Label1, &Label2, &Label3, &Label4})
        l->BeginLoading();
    SetupLabel(Label4, 40, 8, 225, 40, "Morovin", clYellow, 40, 0);
    SetupLabel(Label3, 123, 52, 65, 16, "Ver " MOROVIN_VERSION_TEXT, clRed, 16, fsBold);
    SetupLabel(Label1, 47, 65, 173, 19, kContactLine1, clGreen, 19, 0);
    SetupLabel(Label2, 40, 86, 222, 19, kContactLine2, clGreen, 19, 0);
    Label2.SetWordWrap(true);

    // No frame, so the window is exactly its client area. It is made where it is shown, so it
    // never meets another monitor's DPI on its way there.
    const RECT place = Placement();
    CreateParams p{"TAboutBox"};
    p.caption = "ﾊﾞｰｼﾞｮﾝ情報";
    p.style = WS_POPUP;
    p.exStyle = WS_EX_TOPMOST;
    p.left = place.left;
    p.top = place.top;
    p.width = place.right - place.left;
    p.height = place.bottom - place.top;
    p.owner = app.AppWindow();
    CreateHandle(p);
    for (TShadowLabel* l : {&Label1, &Label2, &Label3, &Label4})
        l->EndLoading();
}

TAboutBox::~TAboutBox() {
    Destroy();
}

void TAboutBox::SetupLabel(TShadowLabel& label, int left, int top, int width, int height, const char* text,
                           TColor colour, int charHeight, std::uint8_t style) {
    // Designed at 96 dpi: the box in the window's pixels, the font as designed (the cache makes
    // it at the box's DPI).
    const int dpi = fonts_.Dpi();
    label.SetBounds(ui::ScaleForDpi(left, dpi), ui::ScaleForDpi(top, dpi), ui::ScaleForDpi(width, dpi),
                    ui::ScaleForDpi(height, dpi));
    LabelFont font;
    font.height = -charHeight;
    font.style = style;
    font.color = colour;
    label.SetFont(font);
    label.SetColor(clBlack);
    label.Highlight().SetVisible(false);
    label.Shadow().SetVisible(false);
    label.SetCaption(text);
    label.OnMouseDown = [this](TMouseButton, int, int) { Image1MouseDown(); };
}

RECT TAboutBox::Placement() const {
    const int width = ui::ScaleForDpi(kClientWidth, fonts_.Dpi());
    const int height = ui::ScaleForDpi(kClientHeight, fonts_.Dpi());
    const POINT at = ui::CentreOn(screen_.monitor, width, height);
    return RECT{at.x, at.y, at.x + width, at.y + height};
}

void TAboutBox::ShowModal() {
    closed_ = false;
    // Centred on its monitor as it is when the box is shown.
    const RECT place = Placement();
    ::SetWindowPos(Handle(), HWND_TOPMOST, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    app_.RunModal(Handle(), [this] { return closed_ || !Handle(); });
    if (Handle())
        ::ShowWindow(Handle(), SW_HIDE);
}

void TAboutBox::Image1MouseDown() {
    closed_ = true;
}

void TAboutBox::InvalidateArea(const LabelRect& area) {
    if (!Handle())
        return;
    RECT r{area.left, area.top, area.right, area.bottom};
    ::InvalidateRect(Handle(), &r, TRUE);
}

LabelRect TAboutBox::MeasureText(const std::string& text, const LabelFont& font, unsigned flags,
                                 const LabelRect& start) {
    return MeasureLabelText(text, font, flags, start, fonts_);
}

LRESULT TAboutBox::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND: {
        RECT r{};
        ::GetClientRect(Handle(), &r);
        ::FillRect(reinterpret_cast<HDC>(wp), &r, background_.get());
        return 1;
    }
    case WM_PAINT: {
        ui::PaintDc dc(Handle());
        PaintLabels(dc.get(), {&Label4, &Label3, &Label1, &Label2}, fonts_);
        return 0;
    }
    case WM_PRINTCLIENT: // the same picture into a DC of the caller's
        if (lp & PRF_ERASEBKGND)
            HandleMessage(WM_ERASEBKGND, wp, 0);
        PaintLabels(reinterpret_cast<HDC>(wp), {&Label4, &Label3, &Label1, &Label2}, fonts_);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
        // The background and every label close the box alike, for every button of the mouse.
        Image1MouseDown();
        return msg == WM_XBUTTONDOWN ? TRUE : 0;
    case WM_SYSCOMMAND:
        if ((wp & 0xFFF0) == SC_CLOSE)
            return 0; // keys never close the box
        break;
    case WM_CLOSE:
        closed_ = true;
        return 0;
    default:
        break;
    }
    return DefaultHandling(msg, wp, lp);
}
