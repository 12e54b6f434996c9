#pragma once
// A page control: a row of tabs over a stack of pages, one shown at a time. The tab strip is a
// native tab control; each page is a window of its own on the same parent, just after the tab
// strip in the tab order, with WS_EX_CONTROLPARENT so the dialog keys reach its controls.
#include "ui/Control.h"
#include "ui/Window.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

// One page: the parent of the controls shown on it.
class TabSheet : public Window {
public:
    void Create(HWND parent, const RECT& area);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};

class PageControl : public Control {
public:
    PageControl();
    ~PageControl() override;

    void Create(HWND parent, const Place& place, std::string_view caption, HFONT font) override;
    // Adds a page with its tab caption; the first page added is shown until another is chosen.
    TabSheet& AddPage(const std::string& caption);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    HWND Page(int index) const;

    int ActivePageIndex() const { return active_; }
    // Shows page `index` (ignored when out of range); runs OnChange when the page changes.
    void SetActivePageIndex(int index);
    // The next page after the shown one (the previous one when `forward` is false), round.
    void SelectNextPage(bool forward);

    bool Notify(const NMHDR& header, LRESULT& result) override;
    // The tab strip in the new font and size, and every page over its display area again.
    void Rescale(int dpi, HFONT font) override;
    std::function<void()> OnChange;

private:
    void ShowActivePage();
    void SetTabPadding();
    // The tab strip's display area in the parent's coordinates, and the strip cut away there.
    RECT PageArea() const;
    void LeaveAreaToPages(const RECT& area);
    std::vector<std::unique_ptr<TabSheet>> pages_;
    int active_ = -1;
    HWND parent_ = nullptr;
};

} // namespace ui
