#include "dialogs/AboutBox.h"

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(ui::Application& app)
    : Label1(*this), Label2(*this), Label3(*this), Label4(*this), app_(app),
      background_(::CreateSolidBrush(RGB(0, 0, 0))) {
    for (TShadowLabel* l : {&Label1, &Label2, &Label3, &Label4})
        l->BeginLoading();
    SetupLabel(Label4, 40, 8, 225, 40, "Morovin", clYellow, 40, 0);
    SetupLabel(Label3, 123, 52, 65, 16, "Ver " MOROVIN_VERSION_TEXT, clRed, 16, fsBold);
    SetupLabel(Label1, 47, 65, 173, 19, kContactLine1, clGreen, 19, 0);
    SetupLabel(Label2, 40, 86, 222, 19, kContactLine2, clGreen, 19, 0);
    Label2.SetWordWrap(true);

    // No frame, so the window is exactly its client area.
    CreateParams p{"TAboutBox"};
    p.caption = "ﾊﾞｰｼﾞｮﾝ情報";
    p.style = WS_POPUP;
    p.exStyle = WS_EX_TOPMOST;
    p.width = kClientWidth;
    p.height = kClientHeight;
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
    label.SetBounds(left, top, width, height);
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

void TAboutBox::ShowModal() {
    closed_ = false;
    // Centred on the screen as it is when the box is shown.
    ::SetWindowPos(Handle(), HWND_TOPMOST, (::GetSystemMetrics(SM_CXSCREEN) - kClientWidth) / 2,
                   (::GetSystemMetrics(SM_CYSCREEN) - kClientHeight) / 2, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
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
        for (const TShadowLabel* l : {&Label4, &Label3, &Label1, &Label2})
            PaintShadowLabel(*l, dc.get(), fonts_);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        // The background and every label close the box alike.
        Image1MouseDown();
        return 0;
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
