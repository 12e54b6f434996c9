#include "clockwindow/ClockWindow_win.h"

#include "base/IntText.h"
#include "clock/FaceTexts.h"

#include <initializer_list>

// The Properties dialog's "確定" and "更新": every control of the three pages into the settings
// and the labels, in one pass between two ticks, then layout and save. The steps keep their
// order: the italic widths are taken before the new shadow offsets are in place, and the tray
// icon comes back only with the layout at the end.
void TWobToke::ApplyProperties(const PropertyValues& v) {
    const std::initializer_list<TShadowLabel*> labels = {&DateLbl, &WeekLbl, &TimeLbl};

    Settings.ShowYear = v.YChk;
    Settings.Movable = !v.MChk;

    // Every apply sets the level anew. The window keeps its handle, so the icon the layout
    // below registers again is bound to the same window.
    DeleteTrayIcon();
    SetStayOnTop(v.FChk);
    Settings.StayOnTop = v.FChk;

    Settings.ShowSeconds = v.CheckBox1;
    Settings.Use24Hour = v.CheckBox2;
    Settings.EnglishWeekday = v.Engchk;
    Settings.WallpaperMode = v.AllChk;

    for (TShadowLabel* l : labels)
        l->SetFontName(v.FontName);
    for (TShadowLabel* l : labels)
        l->SetFontSizePoints(v.FontSizePoints);
    for (TShadowLabel* l : labels)
        l->SetFontStyle(v.FontStyle);

    // Still the offset from before this apply: the new one is set further down.
    if (QualifiesForItalicCompensation(v.FontStyle)) {
        CompensateItalicWidth(DateLbl);
        CompensateItalicWidth(TimeLbl);
        CompensateItalicWidth(WeekLbl);
    }

    DateLbl.SetFontColor(v.DateBtn);
    WeekLbl.SetFontColor(v.WeekBtn);
    TimeLbl.SetFontColor(v.TimeBtn);
    DateLbl.Shadow().SetColor(v.SDateBtn);
    WeekLbl.Shadow().SetColor(v.SWeekBtn);
    TimeLbl.Shadow().SetColor(v.STimeBtn);

    Settings.ShadowOn = v.ShadowCheck;
    for (TShadowLabel* l : labels)
        l->Shadow().SetVisible(v.ShadowCheck);

    // The texts always hold the scroll bars' positions; anything else would keep the offset.
    const int offsetLeft = ParseIntText(v.XLabel).value_or(DateLbl.Shadow().OffsetLeft());
    const int offsetTop = ParseIntText(v.YLabel).value_or(DateLbl.Shadow().OffsetTop());
    for (TShadowLabel* l : labels) {
        l->Shadow().SetOffsetLeft(offsetLeft);
        l->Shadow().SetOffsetTop(offsetTop);
    }

    // Stored whether the alarm is on or off, exactly as typed.
    Settings.AlarmOn = !v.TChk;
    Settings.SoundFile = v.ChosenSoundFile;
    Settings.AlarmHour = v.TimeEdt;
    Settings.AlarmMinute = v.SecoEdt;
    Settings.AlarmByDialog = v.Dialogchk;
    Settings.DialogText = v.Edit2;

    Settings.ChimeOn = v.CheckBox3;
    if (v.RadioGroup1 == 0 || v.RadioGroup1 == 1) { // no selection leaves both as they were
        Settings.ChimeHalfHour = v.RadioGroup1 == 0;
        Settings.ChimeHour = v.RadioGroup1 == 1;
    }

    LayoutLabels();
    // A refused write is the settings file's usual error; everything above is already in force.
    SaveSettings();
}
