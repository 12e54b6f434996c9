#pragma once
// A framed group of radio buttons in columns. The frame and the buttons are siblings on the
// group's parent (a group box is not a parent); the arrow keys move the choice within the group.
#include "ui/Control.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

// Where item `index` of `count` sits inside a group `width` x `height` whose font has the line
// height `lineHeight`, the items filling `columns` columns top to bottom: each column is
// (width - 10) / columns wide from 8 px in; with n = items per column, each row is
// (height - lineHeight - 5) / n high, the first starting lineHeight + 1 plus half the remainder
// of that division from the top. Relative to the group's top-left corner; all at 96 dpi, the
// items scaled with the group.
Place RadioItemPlace(int width, int height, int lineHeight, int count, int columns, int index);

class RadioGroup : public Control {
public:
    RadioGroup();
    ~RadioGroup() override;

    // Makes the frame; the items come with SetItems.
    void Create(HWND parent, const Place& place, std::string_view caption, HFONT font) override;
    // Makes one radio button per caption, laid out in `columns` columns, none selected.
    void SetItems(const std::vector<std::string>& captions, int columns);
    int Count() const { return static_cast<int>(items_.size()); }
    HWND ItemHandle(int index) const;

    // -1: none selected.
    int ItemIndex() const { return itemIndex_; }
    // Selects the item (out-of-range values select none); runs OnClick when the choice changes.
    void SetItemIndex(int index);
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    // The frame and its items laid out again for the font's line height at `dpi`.
    void Rescale(int dpi, HFONT font) override;

    // Runs whenever the selected item changes, by the user or by code.
    std::function<void()> OnClick;

private:
    class Button;
    void ItemClicked(int index);
    void ShowChoice();
    // The font's line height at 96 dpi, which the items are placed for.
    int LineHeight() const;
    Place ItemPlace(int lineHeight, int index) const;

    std::vector<std::unique_ptr<Button>> items_;
    int itemIndex_ = -1;
    int columns_ = 1;
    HWND parent_ = nullptr;
    HFONT font_ = nullptr;
};

} // namespace ui
