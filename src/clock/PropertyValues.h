#pragma once
// What the Properties dialog's controls hold at the moment "確定" or "更新" is pressed, as plain
// values named after the controls. The dialog gathers them; ApplyProperties copies them into the
// clock, so neither side needs the other's header.
#include "base/Colour.h"

#include <cstdint>
#include <string>

struct PropertyValues {
    // Page "全般"
    bool YChk = false;      // show the year
    bool MChk = false;      // forbid moving: the inverse of Movable
    bool FChk = false;      // stay on top
    bool CheckBox1 = false; // show seconds
    bool CheckBox2 = false; // 24-hour time
    bool Engchk = false;    // weekday in English
    bool AllChk = false;    // see through to the wallpaper
    bool CheckBox3 = false; // time signal on
    int RadioGroup1 = -1;   // selected interval: 0 every 30 minutes, 1 every hour, -1 none

    // Page "フォント・カラー": Label1's font, the six colour buttons' caption colours, the shadow.
    std::string FontName;
    int FontSizePoints = 0;
    std::uint8_t FontStyle = 0;
    TColor DateBtn = clBlack;
    TColor WeekBtn = clBlack;
    TColor TimeBtn = clBlack;
    TColor SDateBtn = clBlack;
    TColor SWeekBtn = clBlack;
    TColor STimeBtn = clBlack;
    bool ShadowCheck = false;
    std::string XLabel; // the shadow offsets as shown beside their scroll bars
    std::string YLabel;

    // Page "タイマー・他"
    bool TChk = false;           // alarm off
    std::string ChosenSoundFile; // the file last picked with "開く" (not what Edit1 shows)
    std::string TimeEdt;         // alarm hour, as typed
    std::string SecoEdt;         // alarm minute, as typed
    bool Dialogchk = false;      // alarm by message box
    std::string Edit2;           // alarm message

    bool operator==(const PropertyValues&) const = default;
};
