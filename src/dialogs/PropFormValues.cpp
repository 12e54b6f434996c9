// The dialog's controls as plain values, for the clock's ApplyProperties.
#include "dialogs/PropForm.h"

PropertyValues TPropForm::Values() const {
    PropertyValues v;
    for (const CheckRow& row : kCheckRows)
        v.*row.value = (this->*row.box).Checked();
    v.RadioGroup1 = RadioGroup1.ItemIndex();

    v.FontName = previewFont_.name;
    v.FontSizePoints = previewFont_.SizePoints();
    v.FontStyle = previewFont_.style;
    for (const ColourRow& row : kColourRows)
        v.*row.value = (this->*row.button).Colour();
    v.XLabel = XLabel.Text();
    v.YLabel = YLabel.Text();

    v.ChosenSoundFile = ChosenSoundFile; // not Edit1: typing there only changes what "再生" plays
    v.TimeEdt = TimeEdt.Text();
    v.SecoEdt = SecoEdt.Text();
    v.Edit2 = Edit2.Text();
    return v;
}
