#include "dialogs/PropForm.h"

#include <utility>

TPropForm* PropForm = nullptr;

namespace {

// Every apply sets the clock's stay-on-top level anew, which lifts a topmost clock above this
// topmost dialog, and a clock lying over it hides its buttons. The dialog goes back on top after
// the apply, also when the save failed and the dialog stays open.
class BackOnTopAfterwards {
public:
    explicit BackOnTopAfterwards(HWND form) : form_(form) {}
    ~BackOnTopAfterwards() {
        ::SetWindowPos(form_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    BackOnTopAfterwards(const BackOnTopAfterwards&) = delete;
    BackOnTopAfterwards& operator=(const BackOnTopAfterwards&) = delete;

private:
    HWND form_;
};

} // namespace

TPropForm::TPropForm(ui::Application& app, PropFormClock clock) : Form(app), clock_(std::move(clock)) {
    CreateForm("TPropForm", "プロパティ", kClientWidth, kClientHeight);
    Add(PageControl1, Handle(), {5, 5, 212, 244});
    TabSheet1 = PageControl1.AddPage("全般").Handle();
    TabSheet2 = PageControl1.AddPage("フォント・カラー").Handle();
    TabSheet3 = PageControl1.AddPage("タイマー・他").Handle();
    PageControl1.SetActivePageIndex(1); // the page shown unless the settings choose another
    SetKeyboardPages(&PageControl1);
    Add(OKBtn, Handle(), {16, 256, 57, 25}, "確定");
    Add(RenewBtn, Handle(), {88, 256, 57, 25}, "更新");
    Add(CloseBtn, Handle(), {160, 256, 57, 25}, "閉じる");
    OKBtn.OnClick = [this] { OKBtnClick(); };
    RenewBtn.OnClick = [this] { RenewBtnClick(); };
    CloseBtn.OnClick = [this] { CloseBtnClick(); };

    CreateGeneralPage(TabSheet1);
    CreateFontPage(TabSheet2);
    CreateTimerPage(TabSheet3);
    FormCreate();
}

TPropForm::~TPropForm() {
    Destroy();
}

void TPropForm::FormCreate() {
    // The order matters: each check box set here runs its click handler when its state changes.
    const std::int32_t page = clock_.Settings.PropPage;
    if (page >= 0 && page <= 2)
        PageControl1.SetActivePageIndex(page);
    const PropertyValues start = ReadPropertyValues(clock_.Settings, clock_.Face);
    FillDialogText(start);
    FillFlags(start);
    FillChimeInterval(start);
    FillColours(start);
    FillPreview(start);
    FillAlarmControls(start);
    FillOffsets();
}

void TPropForm::OKBtnClick() {
    // A failed save ends the handler before the closing: the dialog stays open with its values.
    if (clock_.Apply) {
        BackOnTopAfterwards onTop(Handle());
        clock_.Apply(Values());
    }
    Close();
}

void TPropForm::RenewBtnClick() {
    if (clock_.Apply) {
        BackOnTopAfterwards onTop(Handle());
        clock_.Apply(Values());
    }
}

void TPropForm::CloseBtnClick() {
    Close();
}

bool TPropForm::FormCloseQuery() {
    // However the dialog closes, the page shown is remembered for the next opening.
    clock_.Settings.PropPage = PageControl1.ActivePageIndex();
    return true;
}
