// Page "全般": the display options and the time-signal interval.
#include "dialogs/PropForm.h"

const std::array<TPropForm::FlagRow, 8> TPropForm::kFlagRows = {{
    {&TPropForm::FChk, &ClockSettings::StayOnTop, false, &PropertyValues::FChk},
    {&TPropForm::MChk, &ClockSettings::Movable, true, &PropertyValues::MChk},
    {&TPropForm::YChk, &ClockSettings::ShowYear, false, &PropertyValues::YChk},
    {&TPropForm::CheckBox1, &ClockSettings::ShowSeconds, false, &PropertyValues::CheckBox1},
    {&TPropForm::CheckBox2, &ClockSettings::Use24Hour, false, &PropertyValues::CheckBox2},
    {&TPropForm::Engchk, &ClockSettings::EnglishWeekday, false, &PropertyValues::Engchk},
    {&TPropForm::AllChk, &ClockSettings::WallpaperMode, false, &PropertyValues::AllChk},
    {&TPropForm::ShadowCheck, &ClockSettings::ShadowOn, false, &PropertyValues::ShadowCheck},
}};

void TPropForm::CreateGeneralPage(HWND page) {
    Add(MChk, page, {8, 24, 105, 17}, "移動禁止にする");
    Add(YChk, page, {8, 8, 97, 17}, "年を表示する");
    Add(FChk, page, {8, 40, 129, 17}, "常に前面に表示する");
    Add(CheckBox1, page, {8, 56, 97, 17}, "秒を表示する");
    Add(CheckBox2, page, {8, 72, 121, 17}, "２４時間表示にする");
    Add(Engchk, page, {8, 88, 137, 17}, "曜日を英語にする");
    Add(AllChk, page, {8, 104, 153, 17}, "壁紙まで透過する（推奨）");
    Add(CheckBox3, page, {8, 120, 97, 17}, "時報を鳴らす");
    Add(RadioGroup1, page, {8, 152, 185, 41}, "時報の間隔").SetItems({"３０分毎", "１時間毎"}, 2);
    CheckBox3.OnClick = [this] { CheckBox3Click(); };
}

void TPropForm::FillFlags() {
    for (const FlagRow& row : kFlagRows)
        (this->*row.box).SetChecked(clock_.Settings.*row.flag != row.inverse);
}

void TPropForm::FillChimeInterval() {
    const ClockSettings& s = clock_.Settings;
    // A shown group may keep no choice; a hidden one falls back to every half hour.
    const int unset = s.ChimeOn ? -1 : 0;
    CheckBox3.SetChecked(s.ChimeOn);
    RadioGroup1.SetVisible(s.ChimeOn);
    RadioGroup1.SetItemIndex(s.ChimeHalfHour ? 0 : s.ChimeHour ? 1 : unset);
}

void TPropForm::CheckBox3Click() {
    RadioGroup1.SetVisible(CheckBox3.Checked());
}
