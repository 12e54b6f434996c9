// ApplyProperties on a real clock window in-process: every control of the three pages reaches its
// setting, the labels and the saved file; the italic width with the offset from before the apply;
// the level change with one tray icon; a refused save.
#include "TestSupport.h"
#include "base/AppError.h"
#include "base/ErrorText.h"
#include "base/IniDocument.h"
#include "clock/ClockWindow_win.h"
#include "clock/ColourText.h"
#include "clock/FaceTexts.h"
#include "dialogs/PropForm.h"

#include <gtest/gtest.h>

using namespace wintest;

namespace {

class ApplyPropertiesTest : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveTestSettingsFile();
        clock_ = std::make_unique<TWobToke>(TestApplication(), [this] { return now_; });
        clock_->EndsApplication = false;
        ::ShowWindow(clock_->Handle(), SW_SHOWNOACTIVATE);
        PumpMessages();
    }
    void TearDown() override {
        clock_.reset();
        RemoveTestSettingsFile();
    }
    TWobToke& Clock() { return *clock_; }
    // A dialog with the alarm and the signal off, so nothing sounds while the clock ticks.
    static PropertyValues Quiet() {
        PropertyValues v;
        v.TChk = true;
        v.FontName = "ＭＳ ゴシック";
        v.FontSizePoints = 20;
        v.XLabel = "3";
        v.YLabel = "3";
        return v;
    }
    IniDocument Saved() const { return IniDocument::Parse(TestSettingsBytes()); }
    std::string Saved(const char* section, const char* key) const {
        return Saved().Get(section, key).value_or("<missing>");
    }
    std::vector<TShadowLabel*> Labels() { return {&Clock().DateLbl, &Clock().WeekLbl, &Clock().TimeLbl}; }

    SYSTEMTIME now_ = MakeTime(2026, 1, 5, 1, 13, 29, 58);
    std::unique_ptr<TWobToke> clock_;
};

TEST_F(ApplyPropertiesTest, EveryCheckBoxReachesItsFlagAndTheFile) {
    const struct {
        bool PropertyValues::*control;
        bool ClockSettings::*flag;
        bool inverse;
        const char* section;
        const char* key;
    } rows[] = {
        {&PropertyValues::YChk, &ClockSettings::ShowYear, false, "Prop", "Year"},
        {&PropertyValues::MChk, &ClockSettings::Movable, true, "Prop", "Move"},
        {&PropertyValues::FChk, &ClockSettings::StayOnTop, false, "Prop", "Front"},
        {&PropertyValues::CheckBox1, &ClockSettings::ShowSeconds, false, "Prop", "Second"},
        {&PropertyValues::CheckBox2, &ClockSettings::Use24Hour, false, "Prop", "24ON"},
        {&PropertyValues::Engchk, &ClockSettings::EnglishWeekday, false, "Prop", "English"},
        {&PropertyValues::AllChk, &ClockSettings::WallpaperMode, false, "Prop", "Back"},
        {&PropertyValues::CheckBox3, &ClockSettings::ChimeOn, false, "Prop", "Jihou"},
        {&PropertyValues::ShadowCheck, &ClockSettings::ShadowOn, false, "Prop", "Shadow"},
        {&PropertyValues::TChk, &ClockSettings::AlarmOn, true, "Timer", "ON/OFF"},
        {&PropertyValues::Dialogchk, &ClockSettings::AlarmByDialog, false, "Timer", "Dialog"},
    };
    Clock().Settings.PropPage = 2;
    for (const auto& row : rows) {
        for (const bool checked : {true, false}) {
            SCOPED_TRACE(std::string(row.key) + (checked ? " checked" : " unchecked"));
            PropertyValues v = Quiet();
            v.*row.control = checked;
            Clock().ApplyProperties(v);
            const bool expected = checked != row.inverse;
            EXPECT_EQ(Clock().Settings.*row.flag, expected);
            EXPECT_EQ(Saved(row.section, row.key), expected ? "1" : "0");
        }
    }
    EXPECT_EQ(Clock().Settings.PropPage, 2) << "the page is the closing's to set";
}

TEST_F(ApplyPropertiesTest, TextsAreStoredExactlyAsTyped) {
    const struct {
        std::string PropertyValues::*control;
        std::string ClockSettings::*field;
        const char* key;
    } rows[] = {
        {&PropertyValues::ChosenSoundFile, &ClockSettings::SoundFile, "Sound"},
        {&PropertyValues::TimeEdt, &ClockSettings::AlarmHour, "Time"},
        {&PropertyValues::SecoEdt, &ClockSettings::AlarmMinute, "Minutes"},
        {&PropertyValues::Edit2, &ClockSettings::DialogText, "DialogText"},
    };
    // Longer than the 45 bytes the message box takes by typing: what came from the file goes back whole.
    const std::string longText = "起きる時間です。起きる時間です。起きる時間です。起きる時間です。x";
    for (const auto& row : rows) {
        for (const std::string& text : {std::string(), std::string("07"), std::string("x"), longText}) {
            SCOPED_TRACE(std::string(row.key) + " = '" + text + "'");
            for (const bool alarmOff : {false, true}) {
                PropertyValues v = Quiet();
                v.TChk = alarmOff; // stored whether the alarm is on or off
                v.*row.control = text;
                Clock().ApplyProperties(v);
                EXPECT_EQ(Clock().Settings.*row.field, text);
                EXPECT_EQ(Saved("Timer", row.key), text);
            }
        }
    }
}

TEST_F(ApplyPropertiesTest, IntervalSetsOneFlagAndNoSelectionKeepsBoth) {
    const struct {
        int item;
        bool halfBefore, hourBefore, half, hour;
    } rows[] = {
        {0, false, true, true, false},  {1, true, false, false, true},  {0, true, true, true, false},
        {-1, true, false, true, false}, {-1, false, true, false, true}, {-1, true, true, true, true},
    };
    for (const auto& row : rows) {
        for (const bool signalOn : {true, false}) {
            SCOPED_TRACE(testing::Message() << "item " << row.item << (signalOn ? " on" : " off"));
            Clock().Settings.ChimeHalfHour = row.halfBefore;
            Clock().Settings.ChimeHour = row.hourBefore;
            PropertyValues v = Quiet();
            v.CheckBox3 = signalOn;
            v.RadioGroup1 = row.item;
            Clock().ApplyProperties(v);
            EXPECT_EQ(Clock().Settings.ChimeHalfHour, row.half);
            EXPECT_EQ(Clock().Settings.ChimeHour, row.hour);
            EXPECT_EQ(Saved("Prop", "30"), row.half ? "1" : "0");
            EXPECT_EQ(Saved("Prop", "60"), row.hour ? "1" : "0");
        }
    }
}

TEST_F(ApplyPropertiesTest, FontColoursAndShadowReachAllThreeLabelsAndTheFile) {
    const struct {
        const char* font;
        int points;
        std::uint8_t style;
        TColor colours[6]; // date, weekday, time; then their shadows
        bool shadow;
        const char *x, *y;
    } rows[] = {
        {"ＭＳ 明朝", 28, fsBold, {clRed, clYellow, clWhite, clBlack, clGray, 0x00123456}, true, "-5", "4"},
        {"IPAGothic",
         12,
         fsUnderline | fsStrikeOut,
         {0x00010203, clSilver, clGreen, clNone, clWhite, clRed},
         false,
         "10",
         "-4"},
        {"ＭＳ Ｐゴシック",
         20,
         0,
         {clSystemColor + 5, clRed, clWhite, clBlack, clBlack, clBlack},
         true,
         "0",
         "0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.font);
        PropertyValues v = Quiet();
        v.FontName = row.font;
        v.FontSizePoints = row.points;
        v.FontStyle = row.style;
        v.DateBtn = row.colours[0];
        v.WeekBtn = row.colours[1];
        v.TimeBtn = row.colours[2];
        v.SDateBtn = row.colours[3];
        v.SWeekBtn = row.colours[4];
        v.STimeBtn = row.colours[5];
        v.ShadowCheck = row.shadow;
        v.XLabel = row.x;
        v.YLabel = row.y;
        Clock().ApplyProperties(v);

        const std::vector<TShadowLabel*> labels = Labels();
        for (size_t i = 0; i < labels.size(); ++i) {
            const TShadowLabel& l = *labels[i];
            EXPECT_EQ(l.Font().name, row.font);
            EXPECT_EQ(l.Font().SizePoints(), row.points);
            EXPECT_EQ(l.Font().style, row.style);
            EXPECT_EQ(l.Font().color, row.colours[i]);
            EXPECT_EQ(l.Shadow().Color(), row.colours[3 + i]);
            EXPECT_EQ(l.Shadow().Visible(), row.shadow);
            EXPECT_EQ(l.Shadow().OffsetLeft(), std::stoi(row.x));
            EXPECT_EQ(l.Shadow().OffsetTop(), std::stoi(row.y));
        }
        EXPECT_EQ(Clock().Settings.ShadowOn, row.shadow);
        EXPECT_EQ(Saved("Font", "Name"), row.font);
        EXPECT_EQ(Saved("Font", "Size"), std::to_string(row.points));
        EXPECT_EQ(Saved("Font", "Style"), std::to_string(row.style));
        const char* colourKeys[6] = {"DColor",       "WColor",       "TColor",
                                     "ShadowDColor", "ShadowWColor", "ShadowTColor"};
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(Saved("Font", colourKeys[i]), ColorToText(row.colours[i])) << colourKeys[i];
        EXPECT_EQ(Saved("Font", "XInt"), row.x);
        EXPECT_EQ(Saved("Font", "YInt"), row.y);
        // Laid out again in the new font: side by side, the window shrink-wrapped around them.
        EXPECT_EQ(Clock().TimeLbl.Left(), Clock().DateLbl.Width() + Clock().WeekLbl.Width());
        const RECT r = Clock().BoundsRect();
        EXPECT_EQ(r.right - r.left, Clock().TimeLbl.Left() + Clock().TimeLbl.Width());
        EXPECT_EQ(r.bottom - r.top, Clock().DateLbl.Height());
    }
}

TEST_F(ApplyPropertiesTest, ItalicWidthsTakeTheShadowOffsetFromBeforeTheApply) {
    ui::FontCache fonts;
    auto textWidth = [&](const TShadowLabel& l) {
        return MeasureLabelText(l.DrawnText(), l.Font(), drawflags::kCalcRect | drawflags::kExpandTabs,
                                LabelRect{}, fonts)
            .Width();
    };
    const struct {
        std::uint8_t style;
        bool compensated;
    } rows[] = {
        {fsItalic, true}, {fsBold | fsItalic, true},       {fsItalic | fsUnderline, false},
        {fsBold, false},  {fsItalic | fsStrikeOut, false}, {0, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "style " << int(row.style));
        PropertyValues v = Quiet();
        v.FontSizePoints = 24;
        v.XLabel = "7";
        Clock().ApplyProperties(v); // the offset in force before the apply below: 7

        v.FontStyle = row.style;
        v.XLabel = "-3";
        Clock().ApplyProperties(v);
        for (TShadowLabel* l : Labels()) {
            SCOPED_TRACE(l->Caption());
            const int automatic = textWidth(*l);
            EXPECT_EQ(l->Width(), row.compensated ? automatic + 24 / 5 + 7 : automatic);
        }
        // The tick compensates with the offset now in force.
        Clock().Timer1Timer();
        for (TShadowLabel* l : Labels())
            EXPECT_EQ(l->Width(), textWidth(*l) + (row.compensated ? 24 / 5 - 3 : 0)) << l->Caption();
    }
}

TEST_F(ApplyPropertiesTest, LevelChangesKeepTheHandleAndExactlyOneTrayIcon) {
    const HWND hwnd = Clock().Handle();
    for (const bool onTop : {false, true, true, false}) {
        SCOPED_TRACE(onTop ? "topmost" : "normal");
        PropertyValues v = Quiet();
        v.FChk = onTop;
        Clock().ApplyProperties(v);
        EXPECT_EQ(Clock().Handle(), hwnd);
        EXPECT_EQ((::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, onTop);
        EXPECT_EQ(Clock().TrayIconData().hWnd, hwnd);
    }
    // One icon for the clock: the first delete finds it, a second finds nothing.
    NOTIFYICONDATAA probe = Clock().TrayIconData();
    EXPECT_TRUE(::Shell_NotifyIconA(NIM_DELETE, &probe));
    EXPECT_FALSE(::Shell_NotifyIconA(NIM_DELETE, &probe));
    EXPECT_FALSE(::Shell_NotifyIconA(NIM_MODIFY, &probe));
}

TEST_F(ApplyPropertiesTest, ApplyingTwiceWritesTheSameFileAsOnce) {
    PropertyValues v = Quiet();
    v.FontName = "IPAGothic";
    v.FontStyle = fsBold | fsItalic;
    v.XLabel = "3"; // a new offset reaches the italic widths only at the next apply or tick
    v.YLabel = "-2";
    v.DateBtn = clYellow; // a new colour keeps the italic widths
    v.RadioGroup1 = 1;
    v.Edit2 = "起きる";
    v.ChosenSoundFile = "C:\\音\\ring.wav";
    Clock().ApplyProperties(v);
    const std::string once = TestSettingsBytes();
    Clock().ApplyProperties(v);
    EXPECT_EQ(TestSettingsBytes(), once);
}

TEST_F(ApplyPropertiesTest, RefusedSaveIsRaisedWithEverythingElseInForce) {
    PropertyValues v = Quiet();
    Clock().ApplyProperties(v);
    const std::string before = TestSettingsBytes();
    ::SetFileAttributesA(TestSettingsFile().c_str(), FILE_ATTRIBUTE_READONLY);

    v.YChk = true;
    v.FontName = "IPAGothic";
    v.TimeEdt = "7";
    try {
        Clock().ApplyProperties(v);
        ADD_FAILURE() << "a read-only settings file was written";
    } catch (const AppError& e) {
        EXPECT_EQ(std::string(e.what()), TestSettingsFile() + " に書き込めません");
    }
    EXPECT_TRUE(Clock().Settings.ShowYear);
    EXPECT_EQ(Clock().Settings.AlarmHour, "7");
    EXPECT_EQ(Clock().DateLbl.Font().name, "IPAGothic");
    EXPECT_EQ(TestSettingsBytes(), before);
}

// The menu command's dialog: "更新" twice writes what once does and keeps the dialog; "確定" with
// a file that cannot be written reports it and keeps the dialog and its values; "確定" closes.
TEST_F(ApplyPropertiesTest, UpdateAndConfirmFromTheMenusDialog) {
    Clock().Settings.ShowYear = false;
    Clock().SaveSettings();
    std::string once, twice, report;
    bool openAfterUpdates = false, openAfterRefusal = false;
    std::string hourAfterRefusal;
    int step = 0;
    Script script([&](int n) {
        if (!PropForm || n > 400) {
            if (n > 400)
                ADD_FAILURE() << "stuck at step " << step;
            if (n > 400 && PropForm)
                PropForm->Close();
            return;
        }
        TPropForm& form = *PropForm;
        auto press = [](const ui::Control& c) { ::PostMessageA(c.Handle(), BM_CLICK, 0, 0); };
        switch (step) {
        case 0:
            form.YChk.SetChecked(true);
            form.TimeEdt.SetText("7");
            form.ScrollBar1.SetPosition(-2);
            press(form.RenewBtn);
            ++step;
            break;
        case 1:
            if (!Clock().Settings.ShowYear)
                return; // not applied yet
            once = TestSettingsBytes();
            press(form.RenewBtn);
            ++step;
            break;
        case 2:
            twice = TestSettingsBytes();
            openAfterUpdates = ::IsWindowVisible(form.Handle()) != FALSE;
            ::SetFileAttributesA(TestSettingsFile().c_str(), FILE_ATTRIBUTE_READONLY);
            form.TimeEdt.SetText("8");
            press(form.OKBtn);
            ++step;
            break;
        case 3:
            if (HWND box = OpenDialogOfThisThread("Morovin")) {
                char text[512] = {};
                ::GetWindowTextA(::GetDlgItem(box, 0xFFFF), text, sizeof(text));
                report = text;
                AnswerOpenDialog(IDOK);
                ++step;
            }
            break;
        case 4:
            if (OpenDialogOfThisThread("Morovin"))
                return;
            openAfterRefusal = ::IsWindowVisible(form.Handle()) != FALSE;
            hourAfterRefusal = form.TimeEdt.Text();
            ::SetFileAttributesA(TestSettingsFile().c_str(), FILE_ATTRIBUTE_NORMAL);
            press(form.OKBtn);
            ++step;
            break;
        default:
            break;
        }
    });
    Clock().KP1Click(); // returns once "確定" has closed the dialog
    EXPECT_EQ(step, 5);
    EXPECT_EQ(PropForm, nullptr);
    EXPECT_NE(once.find("Year=1"), std::string::npos);
    EXPECT_EQ(twice, once);
    EXPECT_TRUE(openAfterUpdates);
    EXPECT_EQ(report, ErrorReportText(TestSettingsFile() + " に書き込めません"));
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(hourAfterRefusal, "8");
    EXPECT_EQ(Clock().Settings.AlarmHour, "8");
    EXPECT_EQ(Saved("Timer", "Time"), "8");
    EXPECT_EQ(Saved("Font", "XInt"), "-2");
    EXPECT_EQ(Clock().TimeLbl.Shadow().OffsetLeft(), -2);
}

} // namespace
