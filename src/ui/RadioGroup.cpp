#include "ui/RadioGroup.h"

#include "ui/Handles.h"

namespace ui {

Place RadioItemPlace(int width, int height, int lineHeight, int count, int columns, int index) {
    if (columns < 1)
        columns = 1;
    const int perColumn = count > 0 ? (count + columns - 1) / columns : 1;
    const int columnWidth = (width - 10) / columns;
    const int free = height - lineHeight - 5;
    const int rowHeight = free / perColumn;
    const int topMargin = lineHeight + 1 + (free % perColumn) / 2;
    return Place{8 + (index / perColumn) * columnWidth, topMargin + (index % perColumn) * rowHeight,
                 columnWidth, rowHeight};
}

class RadioGroup::Button : public Control {
public:
    Button(RadioGroup& group, int index) : group_(group), index_(index) {}
    void Create(HWND parent, const Place& place, std::string_view caption, HFONT font) override {
        // The first item starts the group for the dialog manager's arrow keys.
        const DWORD group = index_ == 0 ? WS_GROUP : 0;
        CreateChild(parent, "BUTTON", WS_VISIBLE | group | BS_AUTORADIOBUTTON, 0, place, caption, font);
    }
    void Command(WORD code) override {
        if (code == BN_CLICKED && ::SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED)
            group_.ItemClicked(index_);
    }

private:
    RadioGroup& group_;
    int index_;
};

RadioGroup::RadioGroup() = default;
RadioGroup::~RadioGroup() = default;

void RadioGroup::Create(HWND parent, const Place& place, std::string_view caption, HFONT font) {
    parent_ = parent;
    font_ = font;
    CreateChild(parent, "BUTTON", WS_VISIBLE | BS_GROUPBOX, 0, place, caption, font);
}

void RadioGroup::SetItems(const std::vector<std::string>& captions, int columns) {
    items_.clear();
    itemIndex_ = -1;
    columns_ = columns;
    const int count = static_cast<int>(captions.size());
    for (int i = 0; i < count; ++i)
        items_.push_back(std::make_unique<Button>(*this, i));
    const int lineHeight = LineHeight();
    for (int i = 0; i < count; ++i) {
        Button& item = *items_[static_cast<std::size_t>(i)];
        item.SetDpi(Dpi());
        item.Create(parent_, ItemPlace(lineHeight, i), captions[static_cast<std::size_t>(i)], font_);
        if (!Visible())
            item.SetVisible(false);
    }
    ShowChoice();
}

int RadioGroup::LineHeight() const {
    WindowDc dc(Handle());
    const SelectedObject selected(dc.get(),
                                  font_ ? static_cast<HGDIOBJ>(font_) : ::GetStockObject(SYSTEM_FONT));
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc.get(), &metrics);
    // The items are placed at 96 dpi, like the group: the line height too.
    return ::MulDiv(metrics.tmHeight, kDesignDpi, Dpi());
}

Place RadioGroup::ItemPlace(int lineHeight, int index) const {
    return Within(Bounds(),
                  RadioItemPlace(Bounds().width, Bounds().height, lineHeight, Count(), columns_, index));
}

void RadioGroup::Rescale(int dpi, HFONT font) {
    Control::Rescale(dpi, font);
    if (font)
        font_ = font;
    const int lineHeight = LineHeight();
    for (int i = 0; i < Count(); ++i) {
        Button& item = *items_[static_cast<std::size_t>(i)];
        item.Rescale(dpi, font_);
        item.MoveTo(ItemPlace(lineHeight, i));
    }
}

HWND RadioGroup::ItemHandle(int index) const {
    return index >= 0 && index < Count() ? items_[static_cast<std::size_t>(index)]->Handle() : nullptr;
}

void RadioGroup::SetItemIndex(int index) {
    if (index < 0 || index >= Count())
        index = -1;
    if (index == itemIndex_)
        return;
    itemIndex_ = index;
    ShowChoice();
    if (OnClick)
        OnClick();
}

void RadioGroup::ItemClicked(int index) {
    SetItemIndex(index);
}

void RadioGroup::ShowChoice() {
    // Tab reaches the group at its chosen item (the first when none is chosen).
    for (int i = 0; i < Count(); ++i) {
        HWND h = items_[static_cast<std::size_t>(i)]->Handle();
        ::SendMessageW(h, BM_SETCHECK, i == itemIndex_ ? BST_CHECKED : BST_UNCHECKED, 0);
        const bool stop = i == (itemIndex_ >= 0 ? itemIndex_ : 0);
        const LONG style = ::GetWindowLongW(h, GWL_STYLE);
        ::SetWindowLongW(h, GWL_STYLE, stop ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
    }
}

void RadioGroup::SetVisible(bool visible) {
    Control::SetVisible(visible);
    for (auto& item : items_)
        item->SetVisible(visible);
}

void RadioGroup::SetEnabled(bool enabled) {
    Control::SetEnabled(enabled);
    for (auto& item : items_)
        item->SetEnabled(enabled);
}

} // namespace ui
