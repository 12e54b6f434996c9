#pragma once
// TPropForm: the Properties dialog. Three pages over three buttons; while it is open its
// controls are the working copy of the clock's settings, its font, its six colours and its
// shadow offsets. It reads the clock only through what it is given (the settings record and the
// three labels, both portable types) and applies only through the clock's own callback.
//   PropForm.cpp               the form, the buttons, the opening's order, the closing
//   PropFormGeneralPage.cpp    page "全般": the check boxes and the interval group
//   PropFormFontPage.cpp       page "フォント・カラー": preview, font and colour pickers, offsets
//   PropFormTimerPage.cpp      page "タイマー・他"
#include "clock/ClockSettings.h"
#include "clock/PropertyTable.h"
#include "clock/PropertyValues.h"
#include "ui/Buttons.h"
#include "ui/ByteLimitEdit.h"
#include "ui/CommonDialogs.h"
#include "ui/Form.h"
#include "ui/MediaPlayer.h"
#include "ui/RadioGroup.h"
#include "ui/ScrollBar.h"
#include "ui/TextControls.h"
#include "widgets/ShadowLabel.h"

#include <array>
#include <functional>
#include <string>

// What the dialog is given of the clock.
struct PropFormClock {
    ClockSettings& Settings;
    const ClockFace& Face;
    // ApplyProperties: copies the controls' values into the clock, lays it out and saves.
    std::function<void(const PropertyValues&)> Apply;
};

class TPropForm : public ui::Form {
public:
    TPropForm(ui::Application& app, PropFormClock clock);
    ~TPropForm() override;

    static constexpr int kClientWidth = 223;
    static constexpr int kClientHeight = 286;

    ui::PageControl PageControl1;
    HWND TabSheet1 = nullptr, TabSheet2 = nullptr, TabSheet3 = nullptr;

    // Page "全般"
    ui::CheckBox MChk, YChk, FChk, CheckBox1, CheckBox2, Engchk, AllChk, CheckBox3;
    ui::RadioGroup RadioGroup1;

    // Page "フォント・カラー"
    ui::StaticText Label1; // the preview
    ui::PushButton Button1;
    ui::GroupBox GroupBox2;
    ui::ColourButton DateBtn, WeekBtn, TimeBtn;
    ui::GroupBox GroupBox1;
    ui::ColourButton SDateBtn, SWeekBtn, STimeBtn;
    ui::CheckBox ShadowCheck;
    ui::ScrollBar ScrollBar1, ScrollBar2;
    ui::StaticText XLabel, YLabel, Label5, Label6;

    // Page "タイマー・他"
    ui::CheckBox TChk;
    ui::GroupBox GroupBox3;
    ui::StaticText Label2;
    ui::PushButton GoBtn, OpenBtn;
    ui::Edit Edit1;
    ui::MediaPlayer MediaPlayer1; // the dialog's own player, separate from the clock's
    ui::PushButton StopBtn;
    ui::CheckBox Dialogchk;
    ui::ByteLimitEdit Edit2;
    ui::Edit TimeEdt, SecoEdt;
    ui::StaticText Label3, Label4;
    ui::OpenDialog OpenDialog1{"WAVEファイル|*.wav"};

    ui::PushButton OKBtn, RenewBtn, CloseBtn;

    // The preview's font (name, size and style reach the clock; character set and pitch do not).
    const LabelFont& PreviewFont() const { return previewFont_; }

    // Which of the property table's values each check box and colour button holds. The opening
    // fills them from the values read from the clock and Values() gathers them back, both through
    // these rows; the first eight are filled in this order by FillFlags, the last three each in
    // its own step of the opening.
    struct CheckRow {
        ui::CheckBox TPropForm::*box;
        bool PropertyValues::*value;
    };
    static const std::array<CheckRow, 11> kCheckRows;
    struct ColourRow {
        ui::ColourButton TPropForm::*button;
        TColor PropertyValues::*value;
    };
    static const std::array<ColourRow, 6> kColourRows;

    // Handlers
    void FormCreate();
    void Button1Click();
    void DateBtnClick() { PickColour(DateBtn); }
    void WeekBtnClick() { PickColour(WeekBtn); }
    void TimeBtnClick() { PickColour(TimeBtn); }
    void SDateBtnClick() { PickColour(SDateBtn); }
    void SWeekBtnClick() { PickColour(SWeekBtn); }
    void STimeBtnClick() { PickColour(STimeBtn); }
    void CheckBox3Click();
    void ScrollBar1Change();
    void ScrollBar2Change();
    void TChkClick();
    void DialogchkClick();
    void OpenBtnClick();
    void GoBtnClick();
    void StopBtnClick();
    void OKBtnClick();
    void RenewBtnClick();

    // What every control of the three pages holds now, as ApplyProperties takes it.
    PropertyValues Values() const;
    void CloseBtnClick();

protected:
    bool FormCloseQuery() override;

private:
    // Each page's controls, in tab order, with their handlers.
    void CreateGeneralPage(HWND page);
    void CreateFontPage(HWND page);
    void CreateTimerPage(HWND page);
    // The parts of the opening, called by FormCreate in its order.
    void FillFlags(const PropertyValues& start);         // the first eight check boxes of kCheckRows
    void FillChimeInterval(const PropertyValues& start); // CheckBox3 and RadioGroup1
    void FillColours(const PropertyValues& start);       // the six colour buttons
    void FillPreview(const PropertyValues& start);       // Label1's font
    void FillOffsets();                                  // the scroll bars and the numbers beside them
    void FillDialogText(const PropertyValues& start);    // page "タイマー・他": the alarm message
    void FillAlarmControls(const PropertyValues& start); // Dialogchk, the alarm switch, file, hour, minute

    void PickColour(ui::ColourButton& button);
    void SetPreviewFont(const LabelFont& font);

    PropFormClock clock_;
    LabelFont previewFont_;
    ui::FontDialog FontDialog1;
    ui::ColourDialog ColorDialog1;
};

// The Properties dialog while a command has it open.
extern TPropForm* PropForm;
// The wave file the dialog will apply to SoundFile; set by the opening.
extern std::string ChosenSoundFile;
