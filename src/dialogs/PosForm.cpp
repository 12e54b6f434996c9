#include "dialogs/PosForm.h"

#include <utility>

TPosForm* PosForm = nullptr;

TPosForm::TPosForm(ui::Application& app, ClockWindowMover clock, ScreenReader screen)
    : Form(app), clock_(std::move(clock)), screen_(std::move(screen)) {
    CreateForm("TPosForm", "表示位置調整", kClientWidth, kClientHeight);
    Add(RadioGroup1, Handle(), {5, 5, 172, 76}, "表示位置（画面の）")
        .SetItems({"左上", "左下", "現在の位置", "右上", "右下"}, 2);
    Add(Button1, Handle(), {56, 84, 75, 25}, "確定");
    RadioGroup1.OnClick = [this] { RadioGroup1Click(); };
    Button1.OnClick = [this] { Button1Click(); };
    FormCreate();
}

TPosForm::~TPosForm() {
    Destroy();
}

void TPosForm::FormCreate() {
    const RECT r = clock_.bounds();
    // Taken before the initial item is selected, so that item 2 as the initial item moves nothing.
    OpeningPosition = PlacementPoint{r.left, r.top};
    RadioGroup1.SetItemIndex(InitialItem(OpeningPosition, r.right - r.left, r.bottom - r.top, screen_(r)));
}

SIZE TPosForm::Place(int item) {
    const RECT r = clock_.bounds();
    const SIZE size{r.right - r.left, r.bottom - r.top};
    const PlacementPoint p = PlaceForItem(item, size.cx, size.cy, screen_(r), OpeningPosition);
    if (SetsTopFirst(item)) {
        clock_.setTop(p.top);
        clock_.setLeft(p.left);
    } else {
        clock_.setLeft(p.left);
        clock_.setTop(p.top);
    }
    return size;
}

void TPosForm::RadioGroup1Click() {
    const int item = RadioGroup1.ItemIndex();
    if (item < 0)
        return;
    const SIZE placedBy = Place(item);
    // A move onto a part of the desktop of another scale gives the clock another size, which
    // the corner was not computed for: it is computed once more, for the size now.
    const RECT r = clock_.bounds();
    if (r.right - r.left != placedBy.cx || r.bottom - r.top != placedBy.cy)
        Place(item);
}

void TPosForm::Button1Click() {
    Close();
}
