// Page "全般": the display options and the time-signal interval.
#include "dialogs/PropForm.h"

const std::array<TPropForm::CheckRow, 11> TPropForm::kCheckRows = {{
    {&TPropForm::FChk, &PropertyValues::FChk},
    {&TPropForm::MChk, &PropertyValues::MChk},
    {&TPropForm::YChk, &PropertyValues::YChk},
    {&TPropForm::CheckBox1, &PropertyValues::CheckBox1},
    {&TPropForm::CheckBox2, &PropertyValues::CheckBox2},
    {&TPropForm::Engchk, &PropertyValues::Engchk},
    {&TPropForm::AllChk, &PropertyValues::AllChk},
    {&TPropForm::ShadowCheck, &PropertyValues::ShadowCheck},
    {&TPropForm::CheckBox3, &PropertyValues::CheckBox3},
    {&TPropForm::Dialogchk, &PropertyValues::Dialogchk},
    {&TPropForm::TChk, &PropertyValues::TChk},
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

void TPropForm::FillFlags(const PropertyValues& start) {
    for (std::size_t i = 0; i < 8; ++i)
        (this->*kCheckRows[i].box).SetChecked(start.*kCheckRows[i].value);
}

void TPropForm::FillChimeInterval(const PropertyValues& start) {
    CheckBox3.SetChecked(start.CheckBox3);
    RadioGroup1.SetVisible(start.CheckBox3);
    RadioGroup1.SetItemIndex(start.RadioGroup1);
}

void TPropForm::CheckBox3Click() {
    RadioGroup1.SetVisible(CheckBox3.Checked());
}
