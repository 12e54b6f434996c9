// Page "フォント・カラー": the font preview and its picker, the six colour buttons and their
// picker, the shadow switch and the two shadow offsets.
#include "base/FontPoints.h"
#include "base/IntText.h"
#include "dialogs/PropForm.h"
#include "ui/Colours.h"
#include "widgets/ShadowLabelPaint_win.h"

const std::array<TPropForm::ColourRow, 6> TPropForm::kColourRows = {{
    {&TPropForm::DateBtn, &PropertyValues::DateBtn},
    {&TPropForm::WeekBtn, &PropertyValues::WeekBtn},
    {&TPropForm::TimeBtn, &PropertyValues::TimeBtn},
    {&TPropForm::SDateBtn, &PropertyValues::SDateBtn},
    {&TPropForm::SWeekBtn, &PropertyValues::SWeekBtn},
    {&TPropForm::STimeBtn, &PropertyValues::STimeBtn},
}};

void TPropForm::CreateFontPage(HWND page) {
    Add(Label1, page, {0, 8, 201, 41}, "　 Morovin");
    Add(Button1, page, {0, 56, 202, 25}, "フォントの設定");
    const ui::Place colours = Add(GroupBox2, page, {2, 82, 200, 38}, " カラーの設定 ").Bounds();
    Add(DateBtn, page, ui::Within(colours, {8, 13, 57, 20}), "日付");
    Add(WeekBtn, page, ui::Within(colours, {72, 13, 57, 20}), "曜日");
    Add(TimeBtn, page, ui::Within(colours, {136, 13, 57, 20}), "時間");
    const ui::Place shadows = Add(GroupBox1, page, {0, 123, 200, 38}, "影のカラーの設定").Bounds();
    Add(SDateBtn, page, ui::Within(shadows, {8, 13, 57, 20}), "日付");
    Add(SWeekBtn, page, ui::Within(shadows, {72, 13, 57, 20}), "曜日");
    Add(STimeBtn, page, ui::Within(shadows, {136, 13, 57, 20}), "時間");
    Add(ShadowCheck, page, {8, 165, 97, 17}, "影を付ける");
    Add(ScrollBar1, page, {8, 184, 121, 9}).SetRange(-5, 10);
    Add(ScrollBar2, page, {8, 200, 121, 9}).SetRange(-4, 4);
    Add(XLabel, page, {136, 184, 34, 12});
    Add(YLabel, page, {136, 200, 34, 12});
    Add(Label5, page, {168, 184, 32, 12}, "Ｘ方向");
    Add(Label6, page, {168, 200, 32, 12}, "Ｙ方向");

    Label1.SetColours(clBlack, clWhite);
    Button1.OnClick = [this] { Button1Click(); };
    DateBtn.OnClick = [this] { DateBtnClick(); };
    WeekBtn.OnClick = [this] { WeekBtnClick(); };
    TimeBtn.OnClick = [this] { TimeBtnClick(); };
    SDateBtn.OnClick = [this] { SDateBtnClick(); };
    SWeekBtn.OnClick = [this] { SWeekBtnClick(); };
    STimeBtn.OnClick = [this] { STimeBtnClick(); };
    ScrollBar1.OnChange = [this] { ScrollBar1Change(); };
    ScrollBar2.OnChange = [this] { ScrollBar2Change(); };
}

void TPropForm::FillColours(const PropertyValues& start) {
    for (const ColourRow& row : kColourRows)
        (this->*row.button).SetColour(start.*row.value);
}

void TPropForm::FillPreview(const PropertyValues& start) {
    // The design font's character set and pitch stay; name, size and style come from the clock.
    LabelFont preview; // "ＭＳ Ｐゴシック", 27 pixels, Shift-JIS
    preview.color = clBlack;
    preview.name = start.FontName;
    preview.SetSizePoints(start.FontSizePoints);
    preview.style = start.FontStyle;
    SetPreviewFont(preview);
}

void TPropForm::SetPreviewFont(const LabelFont& font) {
    previewFont_ = font;
    // The font's height is at 96 dpi, as the clock keeps it; the preview shows it at the dialog's.
    LOGFONTA shown = ui::ToLogFont(font);
    shown.lfHeight = ui::ScaleForDpi(shown.lfHeight, Dpi());
    Label1.SetFont(shown);
}

void TPropForm::Button1Click() {
    // The picker works in points at the system DPI: it gets the clock's size in points there (a
    // 96-dpi height scaled up would show 21 for 20 at 144 dpi), and what it answers is read in
    // points. A size the user did not choose stays the clock's.
    const int points = previewFont_.SizePoints();
    LOGFONTA font = ui::ToLogFont(previewFont_);
    font.lfHeight = FontHeightForPoints(points, ui::SystemDpi());
    if (!FontDialog1.Execute(Handle(), font))
        return;
    const int tenths = FontDialog1.ChosenSizeTenths();
    LabelFont chosen = ui::FromLogFont(font); // the picker offers no colour: it stays black
    chosen.SetSizePoints(tenths > 0 ? FontPointsFromTenths(tenths) : points);
    SetPreviewFont(chosen);
}

void TPropForm::PickColour(ui::ColourButton& button) {
    // A named system colour starts as its current RGB value; what comes back is always plain RGB.
    COLORREF colour = ui::ResolveColour(button.Colour());
    if (ColorDialog1.Execute(Handle(), colour))
        button.SetColour(static_cast<TColor>(colour));
}

void TPropForm::FillOffsets() {
    const TShadow& shadow = clock_.Face.DateLbl.Shadow();
    ScrollBar1.SetPosition(shadow.OffsetLeft());
    ScrollBar2.SetPosition(shadow.OffsetTop());
    // Shown whether or not a position moved: a bar that stays at 0 still needs its "0".
    ScrollBar1Change();
    ScrollBar2Change();
}

void TPropForm::ScrollBar1Change() {
    XLabel.SetText(IntToText(ScrollBar1.Position()));
}

void TPropForm::ScrollBar2Change() {
    YLabel.SetText(IntToText(ScrollBar2.Position()));
}
