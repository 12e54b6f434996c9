// Page "タイマー・他": the alarm (on or off, hour, minute, by sound or by message box) and the
// wave file that the alarm and the time signal play, with its own player to try it out.
#include "dialogs/PropForm.h"

std::string ChosenSoundFile;

namespace {
// What the user may type into the alarm message; a longer text from the settings file is kept.
constexpr std::size_t kDialogTextTypingLimit = 45;
} // namespace

void TPropForm::CreateTimerPage(HWND page) {
    Add(TChk, page, {16, 115, 137, 17}, "タイマーを鳴らさない");
    const ui::Place sound = Add(GroupBox3, page, {0, 0, 201, 81}, "音楽の設定").Bounds();
    Add(Label2, page, ui::Within(sound, {8, 13, 80, 12}), "Waveファイル名");
    Add(GoBtn, page, ui::Within(sound, {56, 52, 41, 22}), "再生");
    Add(OpenBtn, page, ui::Within(sound, {8, 52, 41, 22}), "開く");
    Add(Edit1, page, ui::Within(sound, {8, 28, 185, 20}));
    Add(StopBtn, page, ui::Within(sound, {104, 52, 41, 22}), "停止");
    Add(Dialogchk, page, {16, 131, 145, 17}, "ダイアログで知らせる");
    Add(Edit2, page, {8, 152, 185, 20}).SetMaxBytes(kDialogTextTypingLimit);
    Add(TimeEdt, page, {8, 90, 25, 20});
    Add(SecoEdt, page, {64, 90, 25, 20});
    Add(Label3, page, {39, 94, 12, 12}, "時");
    Add(Label4, page, {96, 94, 12, 12}, "分");

    TChk.OnClick = [this] { TChkClick(); };
    Dialogchk.OnClick = [this] { DialogchkClick(); };
    OpenBtn.OnClick = [this] { OpenBtnClick(); };
    GoBtn.OnClick = [this] { GoBtnClick(); };
    StopBtn.OnClick = [this] { StopBtnClick(); };
}

void TPropForm::FillDialogText(const PropertyValues& start) {
    Edit2.SetText(start.Edit2); // shown whole, however long
}

void TPropForm::FillAlarmControls(const PropertyValues& start) {
    Dialogchk.SetChecked(start.Dialogchk);
    TChk.SetChecked(start.TChk);
    Edit1.SetText(start.ChosenSoundFile);
    ChosenSoundFile = start.ChosenSoundFile;
    TimeEdt.SetText(start.TimeEdt);
    SecoEdt.SetText(start.SecoEdt);
    // Whatever the check boxes held before, the page opens in the state the settings give.
    TChkClick();
}

void TPropForm::TChkClick() {
    // The sound controls stay usable in every state: the time signal plays the file too.
    const bool alarmOn = !TChk.Checked();
    Dialogchk.SetEnabled(alarmOn);
    TimeEdt.SetEnabled(alarmOn);
    SecoEdt.SetEnabled(alarmOn);
    Edit2.SetVisible(alarmOn && Dialogchk.Checked());
}

void TPropForm::DialogchkClick() {
    // The whole rule, not only Dialogchk: a click that reaches the box while it is disabled (Wine
    // passes BM_CLICK on) must not show the message box's text with the alarm off.
    Edit2.SetVisible(!TChk.Checked() && Dialogchk.Checked());
}

void TPropForm::OpenBtnClick() {
    if (!OpenDialog1.Execute(Handle()))
        return;
    Edit1.SetText(OpenDialog1.FileName());
    ChosenSoundFile = OpenDialog1.FileName();
}

void TPropForm::GoBtnClick() {
    // What the box says now, typed by hand or picked; a file that does not open plays nothing.
    MediaPlayer1.FileName = Edit1.Text();
    MediaPlayer1.Open();
    MediaPlayer1.Play();
}

void TPropForm::StopBtnClick() {
    MediaPlayer1.Stop();
}
