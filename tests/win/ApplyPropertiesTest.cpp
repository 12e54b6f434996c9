// "確定" and "更新" on a real clock window in-process: every control of the three pages reaches
// the settings, the labels and the saved file; the italic widths take the shadow offset from
// before the apply; a refused save keeps the dialog open with its values.
#include "ClockFixture.h"
#include "TestSupport.h"
#include "base/AppError.h"
#include "base/IniDocument.h"
#include "clockwindow/ClockWindow_win.h"
#include "dialogs/PropForm.h"

#include <gtest/gtest.h>

using namespace wintest;

namespace {

class ApplyPropertiesTest : public ClockFixture {
protected:
    void SetUp() override {
        ClockFixture::SetUp();
        MakeClock();
        form = std::make_unique<TPropForm>(TestApplication(), PropFormClock{clock_->Settings, clock_->Face(),
                                                                            [this](const PropertyValues& v) {
                                                                                clock_->ApplyProperties(v);
                                                                            }});
    }
    void TearDown() override {
        form.reset();
        ClockFixture::TearDown();
    }
    std::string Saved(const char* section, const char* key) const {
        return IniDocument::Parse(TestSettingsBytes()).Get(section, key).value_or("<missing>");
    }
    bool AllLabels(const std::function<bool(const TShadowLabel&)>& test) const {
        return test(clock_->Face().DateLbl) && test(clock_->Face().WeekLbl) && test(clock_->Face().TimeLbl);
    }
    std::unique_ptr<TPropForm> form;
};

TEST_F(ApplyPropertiesTest, EveryControlReachesTheSettingsTheLabelsAndTheFile) {
    TPropForm& f = *form;
    const ClockSettings& s = clock_->Settings; // from no file: every option on
    const HWND hwnd = clock_->Handle();
    const std::string message = "起きる時間です。起きる時間です。起きる時間です。x"; // over 45 bytes
    const struct {
        const char *section, *key, *saved;
        std::function<void()> change; // one control, from where the rows before left it
        std::function<bool()> holds;
    } rows[] = {
        {"Prop", "Year", "0", [&] { f.YChk.SetChecked(false); }, [&] { return !s.ShowYear; }},
        {"Prop", "Move", "0", [&] { f.MChk.SetChecked(true); }, [&] { return !s.Movable; }},
        {"Prop", "Front", "0", [&] { f.FChk.SetChecked(false); },
         [&] { return !s.StayOnTop && !(::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST); }},
        {"Prop", "Second", "0", [&] { f.CheckBox1.SetChecked(false); }, [&] { return !s.ShowSeconds; }},
        {"Prop", "24ON", "0", [&] { f.CheckBox2.SetChecked(false); }, [&] { return !s.Use24Hour; }},
        {"Prop", "English", "0", [&] { f.Engchk.SetChecked(false); }, [&] { return !s.EnglishWeekday; }},
        {"Prop", "Back", "0", [&] { f.AllChk.SetChecked(false); }, [&] { return !s.WallpaperMode; }},
        {"Prop", "Jihou", "0", [&] { f.CheckBox3.SetChecked(false); }, [&] { return !s.ChimeOn; }},
        {"Prop", "60", "1", [&] { f.RadioGroup1.SetItemIndex(1); },
         [&] { return !s.ChimeHalfHour && s.ChimeHour; }},
        {"Prop", "30", "1", [&] { f.RadioGroup1.SetItemIndex(0); },
         [&] { return s.ChimeHalfHour && !s.ChimeHour; }},
        {"Prop", "30", "1", [&] { f.RadioGroup1.SetItemIndex(-1); },
         [&] { return s.ChimeHalfHour && !s.ChimeHour; }},
        {"Prop", "Shadow", "0", [&] { f.ShadowCheck.SetChecked(false); },
         [&] { return !s.ShadowOn && AllLabels([](auto& l) { return !l.Shadow().Visible(); }); }},
        {"Font", "TColor", "$00563412", [&] { f.TimeBtn.SetColour(0x563412); },
         [&] { return clock_->Face().TimeLbl.Font().color == 0x563412; }},
        {"Font", "ShadowDColor", "clYellow", [&] { f.SDateBtn.SetColour(clYellow); },
         [&] { return clock_->Face().DateLbl.Shadow().Color() == clYellow; }},
        {"Font", "XInt", "-5", [&] { f.ScrollBar1.SetPosition(-9); },
         [&] { return AllLabels([](auto& l) { return l.Shadow().OffsetLeft() == -5; }); }},
        {"Font", "YInt", "4", [&] { f.ScrollBar2.SetPosition(4); },
         [&] { return AllLabels([](auto& l) { return l.Shadow().OffsetTop() == 4; }); }},
        {"Timer", "ON/OFF", "0", [&] { f.TChk.SetChecked(true); }, [&] { return !s.AlarmOn; }},
        {"Timer", "Time", "07", [&] { f.TimeEdt.SetText("07"); }, [&] { return s.AlarmHour == "07"; }},
        {"Timer", "Minutes", "", [&] { f.SecoEdt.SetText(""); }, [&] { return s.AlarmMinute.empty(); }},
        {"Timer", "Dialog", "0", [&] { f.Dialogchk.SetChecked(false); }, [&] { return !s.AlarmByDialog; }},
        {"Timer", "DialogText", message.c_str(), [&] { f.Edit2.SetText(message); },
         [&] { return s.DialogText == message; }},
        {"Timer", "Sound", "C:\\picked.wav",
         [&] {
             ChosenSoundFile = "C:\\picked.wav";
             f.Edit1.SetText("C:\\typed.wav"); // typed by hand: only "再生" plays it
         },
         [&] { return s.SoundFile == "C:\\picked.wav"; }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.key);
        row.change();
        f.RenewBtnClick();
        EXPECT_TRUE(row.holds());
        EXPECT_EQ(Saved(row.section, row.key), row.saved);
        EXPECT_EQ(clock_->Face().TimeLbl.Left(),
                  clock_->Face().DateLbl.Width() + clock_->Face().WeekLbl.Width())
            << "laid out";
    }
    // The level changed under the same handle, with exactly one icon: a second delete finds none.
    NOTIFYICONDATAW icon = clock_->Tray().Data();
    EXPECT_EQ(icon.hWnd, hwnd);
    EXPECT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &icon));
    EXPECT_FALSE(::Shell_NotifyIconW(NIM_DELETE, &icon));
}

TEST_F(ApplyPropertiesTest, UpdatingTwiceWritesWhatOnceDoesAndARefusedSaveKeepsTheDialog) {
    form->TimeEdt.SetText("7");
    form->RenewBtnClick();
    const std::string once = TestSettingsBytes();
    form->RenewBtnClick();
    EXPECT_EQ(TestSettingsBytes(), once);

    ::SetFileAttributesA(TestSettingsFile().c_str(), FILE_ATTRIBUTE_READONLY);
    form->TimeEdt.SetText("8");
    EXPECT_THROW(form->OKBtnClick(), AppError); // the dispatcher reports it
    EXPECT_FALSE(form->Closed());
    EXPECT_EQ(form->TimeEdt.Text(), "8");
    EXPECT_EQ(clock_->Settings.AlarmHour, "8") << "applied in memory before the save";
    EXPECT_EQ(TestSettingsBytes(), once);
    ::SetFileAttributesA(TestSettingsFile().c_str(), FILE_ATTRIBUTE_NORMAL);
    form->OKBtnClick();
    EXPECT_TRUE(form->Closed());
    EXPECT_EQ(Saved("Timer", "Time"), "8");
}

TEST_F(ApplyPropertiesTest, ItalicWidthsTakeTheShadowOffsetFromBeforeTheApply) {
    ui::FontCache fonts;
    auto textWidth = [&](const TShadowLabel& l) {
        return MeasureLabelText(l.DrawnText(), l.Font(), drawflags::kCalcRect | drawflags::kExpandTabs,
                                LabelRect{}, fonts)
            .Width();
    };
    const std::pair<std::uint8_t, bool> rows[] = {
        {fsItalic, true}, {fsBold | fsItalic, true},       {fsItalic | fsUnderline, false},
        {fsBold, false},  {fsItalic | fsStrikeOut, false}, {0, false}};
    for (const auto& [style, compensated] : rows) {
        SCOPED_TRACE(testing::Message() << "style " << int(style));
        PropertyValues v = form->Values();
        v.FontSizePoints = 24;
        v.XLabel = "7";
        v.DateBtn = clYellow;
        clock_->ApplyProperties(v); // the offset before the next apply: 7
        v.FontStyle = style;
        v.XLabel = "-3";
        v.DateBtn = clGreen; // a new colour does not undo the widths
        clock_->ApplyProperties(v);
        EXPECT_TRUE(AllLabels([&](auto& l) { return l.Font().style == style; }));
        EXPECT_TRUE(
            AllLabels([&](auto& l) { return l.Width() == textWidth(l) + (compensated ? 24 / 5 + 7 : 0); }));
        clock_->Timer1Timer(); // the tick compensates with the offset now in force
        EXPECT_TRUE(
            AllLabels([&](auto& l) { return l.Width() == textWidth(l) + (compensated ? 24 / 5 - 3 : 0); }));
    }
}

} // namespace
