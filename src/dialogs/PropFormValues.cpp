// The dialog's controls as plain values, for the clock's ApplyProperties.
#include "dialogs/PropForm.h"

PropertyValues TPropForm::Values() const {
    PropertyValues v;
    v.YChk = YChk.Checked();
    v.MChk = MChk.Checked();
    v.FChk = FChk.Checked();
    v.CheckBox1 = CheckBox1.Checked();
    v.CheckBox2 = CheckBox2.Checked();
    v.Engchk = Engchk.Checked();
    v.AllChk = AllChk.Checked();
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
    v.ShadowCheck = ShadowCheck.Checked();
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
