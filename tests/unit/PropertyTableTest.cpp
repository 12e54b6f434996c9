// The property table both ways: what the opening reads from the clock, applied to a clock that
// differs in every field, gives the first clock back.
#include "ClockLabelsFixture.h"
#include "clock/PropertyTable.h"

#include <gtest/gtest.h>

namespace {

struct Face {
    std::string font;
    int points;
    std::uint8_t style;
    TColor colours[6]; // font colours of date, week, time, then their shadow colours
    bool shadows;
    int offsetLeft, offsetTop;
};

void Dress(ClockLabelsFixture& clock, const Face& face) {
    TShadowLabel* labels[] = {&clock.date, &clock.week, &clock.time};
    for (int i = 0; i < 3; ++i) {
        labels[i]->SetFontName(face.font);
        labels[i]->SetFontSizePoints(face.points);
        labels[i]->SetFontStyle(face.style);
        labels[i]->SetFontColor(face.colours[i]);
        labels[i]->Shadow().SetColor(face.colours[3 + i]);
        labels[i]->Shadow().SetVisible(face.shadows);
        labels[i]->Shadow().SetOffsetLeft(face.offsetLeft);
        labels[i]->Shadow().SetOffsetTop(face.offsetTop);
    }
}

ClockSettings Settings(bool on, bool halfHour) {
    ClockSettings s;
    s.Movable = on, s.ShowYear = !on, s.StayOnTop = on, s.AlarmOn = !on, s.ShowSeconds = on;
    s.AlarmByDialog = !on, s.Use24Hour = on, s.EnglishWeekday = !on, s.WallpaperMode = on;
    s.ChimeOn = !on, s.ChimeHalfHour = halfHour, s.ChimeHour = !halfHour, s.ShadowOn = on;
    s.PropPage = 2;
    s.SoundFile = on ? "C:\\音\\時報.wav" : "";
    s.AlarmHour = on ? "07" : "";
    s.AlarmMinute = on ? "5" : "abc";
    s.DialogText = on ? "起きる時間です" : "";
    return s;
}

TEST(PropertyTable, ReadThenWriteGivesTheSameClock) {
    const Face kFaces[] = {
        {"ＭＳ ゴシック",
         24,
         fsBold | fsItalic,
         {clRed, clRed, clWhite, clBlack, clBlack, clBlack},
         true,
         4,
         4},
        {"Courier New", 9, fsItalic, {0x123456, clBtnShadow, 0, 0xFFFFFF, clNone, 0x010203}, false, -5, -4},
        {"", 72, 0, {clYellow, clGreen, clSilver, clWhite, clWhite, clWhite}, true, 10, 0},
    };
    const ClockSettings kSettings[] = {Settings(true, true), Settings(false, false), Settings(true, false)};
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        ClockLabelsFixture from(10), to(10);
        Dress(from, kFaces[row]);
        Dress(to, kFaces[(row + 1) % 3]);
        from.settings = kSettings[row];
        to.settings = kSettings[(row + 1) % 3];

        const PropertyValues values = ReadPropertyValues(from.settings, from.face);
        std::string steps;
        WritePropertyValues(values, to.settings, to.face,
                            [&](ApplyStep step) { steps += step == ApplyStep::Level ? "L" : "?"; });

        EXPECT_EQ(steps, "L"); // the level is the window's; the table makes every other step itself
        to.settings.PropPage = from.settings.PropPage; // the dialog's closing sets it, not applying
        EXPECT_EQ(to.settings, from.settings);
        EXPECT_EQ(ReadPropertyValues(to.settings, to.face), values);
        for (const TShadowLabel* l : {&to.date, &to.week, &to.time}) {
            EXPECT_EQ(l->Font().name, kFaces[row].font);
            EXPECT_EQ(l->Shadow().Visible(), kFaces[row].shadows);
            EXPECT_EQ(l->Shadow().OffsetLeft(), kFaces[row].offsetLeft);
        }
    }
}

} // namespace
