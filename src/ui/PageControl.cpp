#include "ui/PageControl.h"

#include "base/AppError.h"
#include "ui/DelayLoad.h"
#include "ui/Handles.h"
#include "ui/WideText.h"

#include <commctrl.h>

namespace ui {
namespace {
constexpr int kTabPadding = 3;
} // namespace

void TabSheet::Create(HWND parent, const RECT& area) {
    CreateParams p{"TTabSheet"};
    p.style = WS_CHILD | WS_CLIPSIBLINGS;
    p.exStyle = WS_EX_CONTROLPARENT;
    p.left = area.left;
    p.top = area.top;
    p.width = area.right - area.left;
    p.height = area.bottom - area.top;
    p.owner = parent;
    p.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    CreateHandle(p);
}

LRESULT TabSheet::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (RouteControlMessage(msg, wp, lp, result))
        return result;
    return DefaultHandling(msg, wp, lp);
}

PageControl::PageControl() = default;
PageControl::~PageControl() = default;

void PageControl::Create(HWND parent, const Place& place, std::string_view, HFONT font) {
    RequireLibrary(L"comctl32.dll", LibraryPlace::Manifest);
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&init);
    parent_ = parent;
    CreateChild(parent, "SysTabControl32", WS_VISIBLE | WS_TABSTOP | WS_GROUP | WS_CLIPSIBLINGS, 0, place, "",
                font);
    SetTabPadding();
}

void PageControl::SetTabPadding() {
    // Tabs as narrow as a designer's: the caption and a few pixels each side, so a row of short
    // captions fits the control's width without scroll arrows.
    const int padding = ScaleForDpi(kTabPadding, Dpi());
    ::SendMessageW(Handle(), TCM_SETPADDING, 0, MAKELPARAM(padding, padding));
}

void PageControl::Rescale(int dpi, HFONT font) {
    Control::Rescale(dpi, nullptr);
    SetTabPadding();
    if (font)
        UseFont(font); // after the padding: the tabs are measured again for both
    const RECT area = PageArea();
    for (const auto& page : pages_)
        ::SetWindowPos(page->Handle(), nullptr, area.left, area.top, area.right - area.left,
                       area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
    LeaveAreaToPages(area);
}

RECT PageControl::PageArea() const {
    // In pixels: the tab strip's height is the system's, for the font; what a page holds is
    // scaled itself.
    const Place& at = PixelBounds();
    RECT area{0, 0, at.width, at.height};
    ::SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    ::OffsetRect(&area, at.left, at.top);
    return area;
}

void PageControl::LeaveAreaToPages(const RECT& area) {
    // The tab strip neither paints nor takes clicks where the pages are.
    const Place& at = PixelBounds();
    RECT inner = area;
    ::OffsetRect(&inner, -at.left, -at.top);
    unique_hrgn region(::CreateRectRgn(0, 0, at.width, at.height));
    const unique_hrgn hole(::CreateRectRgn(inner.left, inner.top, inner.right, inner.bottom));
    if (region && hole && ::CombineRgn(region.get(), region.get(), hole.get(), RGN_DIFF) != ERROR &&
        ::SetWindowRgn(Handle(), region.get(), FALSE))
        region.release(); // the window owns the region from here on
}

TabSheet& PageControl::AddPage(const std::string& caption) {
    std::wstring text = Wide(caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    const int index = PageCount();
    if (::SendMessageW(Handle(), TCM_INSERTITEMW, static_cast<WPARAM>(index),
                       reinterpret_cast<LPARAM>(&item)) < 0)
        throw AppError("TabCtrl_InsertItem");

    // The page covers the tab control's display area, in the parent's coordinates.
    const RECT area = PageArea();
    auto page = std::make_unique<TabSheet>();
    page->Create(parent_, area);
    // Just after the tab strip and the pages before it, ahead of whatever the parent holds next.
    HWND after = pages_.empty() ? Handle() : pages_.back()->Handle();
    ::SetWindowPos(page->Handle(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    LeaveAreaToPages(area);

    pages_.push_back(std::move(page));
    if (active_ < 0)
        SetActivePageIndex(0);
    return *pages_.back();
}

HWND PageControl::Page(int index) const {
    return index >= 0 && index < PageCount() ? pages_[static_cast<std::size_t>(index)]->Handle() : nullptr;
}

void PageControl::SetActivePageIndex(int index) {
    if (index < 0 || index >= PageCount() || index == active_)
        return;
    active_ = index;
    ::SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    ShowActivePage();
    if (OnChange)
        OnChange();
}

void PageControl::SelectNextPage(bool forward) {
    if (PageCount() == 0)
        return;
    const int step = forward ? 1 : PageCount() - 1;
    SetActivePageIndex((active_ + step) % PageCount());
}

void PageControl::ShowActivePage() {
    // A focus left on a page that goes away moves to the tab strip.
    HWND focus = ::GetFocus();
    for (int i = 0; i < PageCount(); ++i) {
        HWND page = pages_[static_cast<std::size_t>(i)]->Handle();
        if (i != active_ && focus && (focus == page || ::IsChild(page, focus)))
            ::SetFocus(Handle());
        ::ShowWindow(page, i == active_ ? SW_SHOWNA : SW_HIDE);
    }
}

bool PageControl::Notify(const NMHDR& header, LRESULT& result) {
    if (header.code == static_cast<UINT>(TCN_SELCHANGE)) {
        SetActivePageIndex(static_cast<int>(::SendMessageW(Handle(), TCM_GETCURSEL, 0, 0)));
        result = 0;
        return true;
    }
    return false;
}

} // namespace ui
