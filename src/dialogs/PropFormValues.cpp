// The dialog's controls as plain values, for the clock's ApplyProperties.
#include "dialogs/PropForm.h"

PropertyValues TPropForm::Values() const {
    PropertyValues v;
    for (const FlagRow& row : kFlagRows)
        v.*row.value = (this->*row.box).Checked();
    v.CheckBox3 = CheckBox3.Checked();
    v.RadioGroup1 = RadioGroup1.ItemIndex();

    v.FontName = previewFont_.name;
    v.FontSizePoints = previewFont_.SizePoints();
    v.FontStyle = previewFont_.style;
    v.DateBtn = DateBtn.Colour();
    v.WeekBtn = WeekBtn.Colour();
    v.TimeBtn = TimeBtn.Colour();
    v.SDateBtn = SDateBtn.Colour();
    v.SWeekBtn = SWeekBtn.Colour();
    v.STimeBtn = STimeBtn.Colour();
    v.XLabel = XLabel.Text();
    v.YLabel = YLabel.Text();

    v.TChk = TChk.Checked();
    v.ChosenSoundFile = ChosenSoundFile; // not Edit1: typing there only changes what "再生" plays
    v.TimeEdt = TimeEdt.Text();
    v.SecoEdt = SecoEdt.Text();
    v.Dialogchk = Dialogchk.Checked();
    v.Edit2 = Edit2.Text();
    return v;
}
