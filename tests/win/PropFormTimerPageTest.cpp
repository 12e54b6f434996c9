// The Properties dialog's page "タイマー・他" in-process: its three states, the alarm message's
// typing limit, the wave file picker, the dialog's own player through the sound sink, and the
// values that "確定" and "更新" hand to the clock.
#include "../unit/FakeLabelHost.h"
#include "TestSupport.h"
#include "WaveFile.h"
#include "base/ErrorText.h"
#include "dialogs/PropForm.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

using namespace wintest;

namespace {

class PropFormTimerPageTest : public ::testing::Test {
protected:
    void SetUp() override { settings.PropPage = 2; }
    std::unique_ptr<TPropForm> Open() {
        return std::make_unique<TPropForm>(TestApplication(), PropFormClock{settings, date, week, time, {}});
    }
    static void Click(const ui::Control& c) { ::SendMessageA(c.Handle(), BM_CLICK, 0, 0); }

    // Shows the form, presses `button` once it is up and returns the text of the error report
    // that the press brings (nothing when none comes); the report is closed, the form stays.
    std::optional<std::string> ErrorReportOfPress(TPropForm& form, const ui::Control& button) {
        std::optional<std::string> report;
        bool formOpenAfterwards = false;
        Script script([&](int n) {
            if (n == 0) {
                ::PostMessageA(button.Handle(), BM_CLICK, 0, 0);
            } else if (HWND box = OpenDialogOfThisThread("Morovin"); box && !report) {
                char text[512] = {};
                ::GetWindowTextA(::GetDlgItem(box, 0xFFFF), text, sizeof(text));
                report = text;
                AnswerOpenDialog(IDOK);
            } else if (n > 10 || (report && n > 3)) {
                formOpenAfterwards = !form.Closed() && ::IsWindowVisible(form.Handle());
                form.Close();
            }
        });
        form.ShowModal();
        EXPECT_TRUE(formOpenAfterwards);
        return report;
    }

    FakeLabelHost host;
    TShadowLabel date{host}, week{host}, time{host};
    ClockSettings settings;
};

struct PageState {
    bool alarmControlsEnabled, messageShown;
};

PageState StateOf(const TPropForm& f) {
    const bool enabled = f.Dialogchk.Enabled();
    EXPECT_EQ(f.TimeEdt.Enabled(), enabled);
    EXPECT_EQ(f.SecoEdt.Enabled(), enabled);
    // The sound controls are usable in every state.
    for (const ui::Control* c :
         std::initializer_list<const ui::Control*>{&f.Edit1, &f.OpenBtn, &f.GoBtn, &f.StopBtn})
        EXPECT_TRUE(c->Enabled() && c->Visible());
    return PageState{enabled, f.Edit2.Visible()};
}

TEST_F(PropFormTimerPageTest, ThreeStatesAtTheOpeningAndAfterClicks) {
    // The state follows TChk and Dialogchk, however they came to be as they are.
    auto expected = [](bool alarmOff, bool byDialog) { return PageState{!alarmOff, !alarmOff && byDialog}; };
    for (const bool alarmOn : {true, false}) {
        for (const bool byDialog : {true, false}) {
            SCOPED_TRACE(testing::Message() << "AlarmOn " << alarmOn << " AlarmByDialog " << byDialog);
            settings.AlarmOn = alarmOn;
            settings.AlarmByDialog = byDialog;
            const auto form = Open();
            EXPECT_EQ(form->TChk.Checked(), !alarmOn);
            EXPECT_EQ(form->Dialogchk.Checked(), byDialog);
            const PageState opened = StateOf(*form);
            EXPECT_EQ(opened.alarmControlsEnabled, expected(!alarmOn, byDialog).alarmControlsEnabled);
            EXPECT_EQ(opened.messageShown, expected(!alarmOn, byDialog).messageShown);

            // The user: alarm on, message box toggled twice, alarm off again.
            for (const ui::CheckBox* box : {&form->TChk, &form->Dialogchk, &form->Dialogchk, &form->TChk}) {
                if (box == &form->TChk || form->Dialogchk.Enabled())
                    Click(*box);
                const PageState now = StateOf(*form);
                const PageState want = expected(form->TChk.Checked(), form->Dialogchk.Checked());
                EXPECT_EQ(now.alarmControlsEnabled, want.alarmControlsEnabled);
                EXPECT_EQ(now.messageShown, want.messageShown);
            }
        }
    }
}

TEST_F(PropFormTimerPageTest, OpeningShowsTheAlarmTextsWholeAndTypingStopsAt45Bytes) {
    settings.AlarmOn = true;
    settings.AlarmByDialog = true;
    settings.SoundFile = "C:\\音\\ring.wav";
    settings.AlarmHour = "07";
    settings.AlarmMinute = "";
    const std::string longText = std::string(30, 'a') + "起きる時間です。おはよう";
    settings.DialogText = longText; // longer than anyone can type
    const auto form = Open();
    EXPECT_EQ(form->Edit1.Text(), settings.SoundFile);
    EXPECT_EQ(ChosenSoundFile, settings.SoundFile);
    EXPECT_EQ(form->TimeEdt.Text(), "07");
    EXPECT_EQ(form->SecoEdt.Text(), "");
    EXPECT_EQ(form->Edit2.Text(), longText);
    EXPECT_EQ(form->Values().Edit2, longText);

    auto type = [&](const std::string& bytes) {
        for (const char c : bytes)
            ::SendMessageA(form->Edit2.Handle(), WM_CHAR, static_cast<unsigned char>(c), 0);
    };
    ::SendMessageA(form->Edit2.Handle(), EM_SETSEL, 0, -1);
    type("x"); // replaces the whole long text
    EXPECT_EQ(form->Edit2.Text(), "x");
    const std::string ys(21, 'y');
    type(ys);
    for (int i = 0; i < 20; ++i)
        type("あ"); // two bytes each: at 44 bytes the next one does not fit
    EXPECT_EQ(form->Edit2.Text(), "x" + ys + "あああああああああああ");
    type("zz"); // but one more single byte does
    EXPECT_EQ(form->Edit2.Text(), "x" + ys + "あああああああああああz");
    ::SendMessageA(form->Edit2.Handle(), WM_CHAR, VK_BACK, 0);
    EXPECT_EQ(form->Edit2.Text().size(), 44u);
}

TEST_F(PropFormTimerPageTest, ValuesAreWhatTheControlsHoldAndThePickedFileNotTheTypedOne) {
    settings.SoundFile = "C:\\opened.wav";
    settings.ChimeOn = true;
    const auto form = Open();
    const struct {
        ui::CheckBox TPropForm::*box;
        bool PropertyValues::*value;
    } boxes[] = {
        {&TPropForm::YChk, &PropertyValues::YChk},
        {&TPropForm::MChk, &PropertyValues::MChk},
        {&TPropForm::FChk, &PropertyValues::FChk},
        {&TPropForm::CheckBox1, &PropertyValues::CheckBox1},
        {&TPropForm::CheckBox2, &PropertyValues::CheckBox2},
        {&TPropForm::Engchk, &PropertyValues::Engchk},
        {&TPropForm::AllChk, &PropertyValues::AllChk},
        {&TPropForm::CheckBox3, &PropertyValues::CheckBox3},
        {&TPropForm::ShadowCheck, &PropertyValues::ShadowCheck},
        {&TPropForm::TChk, &PropertyValues::TChk},
        {&TPropForm::Dialogchk, &PropertyValues::Dialogchk},
    };
    for (const auto& row : boxes) {
        for (const bool checked : {true, false}) {
            (*form.*row.box).SetChecked(checked);
            EXPECT_EQ(form->Values().*row.value, checked) << (&row - boxes);
        }
    }
    const struct {
        ui::Edit TPropForm::*edit;
        std::string PropertyValues::*value;
    } edits[] = {{&TPropForm::TimeEdt, &PropertyValues::TimeEdt},
                 {&TPropForm::SecoEdt, &PropertyValues::SecoEdt}};
    for (const auto& row : edits) {
        for (const char* text : {"", "07", "x"}) {
            (*form.*row.edit).SetText(text);
            EXPECT_EQ(form->Values().*row.value, text);
        }
    }
    form->Edit2.SetText("");
    EXPECT_EQ(form->Values().Edit2, "");
    for (const int item : {1, 0}) {
        form->RadioGroup1.SetItemIndex(item);
        EXPECT_EQ(form->Values().RadioGroup1, item);
    }
    form->ScrollBar1.SetPosition(-7); // limited to the bar
    form->ScrollBar2.SetPosition(3);
    EXPECT_EQ(form->Values().XLabel, "-5");
    EXPECT_EQ(form->Values().YLabel, "3");
    form->STimeBtn.SetColour(0x00123456);
    EXPECT_EQ(form->Values().STimeBtn, 0x00123456u);
    EXPECT_EQ(form->Values().FontName, date.Font().name);
    EXPECT_EQ(form->Values().FontSizePoints, date.Font().SizePoints());

    // Typed by hand: played by "再生", never applied.
    form->Edit1.SetText("C:\\typed.wav");
    EXPECT_EQ(form->Values().ChosenSoundFile, "C:\\opened.wav");
}

// Shows the form, presses "開く" and answers the file picker: with `file` typed into its name box
// and confirmed, or cancelled when `file` is empty. Returns the folder the picker started in.
std::string PickWave(TPropForm& form, const std::string& file) {
    constexpr int kNameBox = 0x480, kNameCombo = 0x47c; // edt1, or cmb13 in newer pickers
    std::string startFolder;
    bool answered = false;
    Script script([&](int n) {
        if (n == 0) {
            ::PostMessageA(form.OpenBtn.Handle(), BM_CLICK, 0, 0);
        } else if (HWND picker = OpenDialogOfThisThread(); picker && !answered) {
            char folder[MAX_PATH] = {};
            ::SendMessageA(picker, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
            startFolder = folder;
            if (!file.empty())
                ::SetDlgItemTextA(picker, ::GetDlgItem(picker, kNameBox) ? kNameBox : kNameCombo,
                                  file.c_str());
            answered = AnswerOpenDialog(file.empty() ? IDCANCEL : IDOK);
        } else if ((answered && !OpenDialogOfThisThread()) || n > 150) {
            AnswerOpenDialog(IDCANCEL); // never hang the run
            form.Close();
        }
    });
    form.ShowModal();
    EXPECT_TRUE(answered) << "no file picker opened";
    return startFolder;
}

TEST_F(PropFormTimerPageTest, OpenPicksAWaveAndTheNextPickStartsInItsFolder) {
    settings.SoundFile = "C:\\opened.wav";
    const std::string wave1 = wave::TempPath("pick-one.wav"), wave2 = wave::TempPath("pick-two.wav");
    wave::WriteBytes(wave1, wave::FileBytes(22050, 100));
    wave::WriteBytes(wave2, wave::FileBytes(22050, 100));
    const auto form = Open();

    PickWave(*form, "");
    EXPECT_EQ(form->Edit1.Text(), "C:\\opened.wav") << "a cancelled pick changed the file";
    EXPECT_EQ(ChosenSoundFile, "C:\\opened.wav");

    PickWave(*form, wave1);
    EXPECT_EQ(form->Edit1.Text(), wave1);
    EXPECT_EQ(form->Values().ChosenSoundFile, wave1);

    std::string tempFolder = wave::TempPath("");
    tempFolder.pop_back(); // without its last "\"
    EXPECT_EQ(PickWave(*form, "pick-two.wav"), tempFolder);
    EXPECT_EQ(form->Values().ChosenSoundFile, wave2);
}

TEST_F(PropFormTimerPageTest, PlayerErrorsAreReportedAndTheDialogStaysOpen) {
    const auto form = Open();
    EXPECT_EQ(ErrorReportOfPress(*form, form->StopBtn), "MCI ﾃﾞﾊﾞｲｽがありません.");

    form->Edit1.SetText(wave::TempPath("page-no-such-file.wav"));
    EXPECT_EQ(ErrorReportOfPress(*form, form->GoBtn), ErrorReportText(MciErrorText(MCIERR_FILE_NOT_FOUND)));
    EXPECT_FALSE(form->MediaPlayer1.IsOpen());
    EXPECT_EQ(ErrorReportOfPress(*form, form->StopBtn), "MCI ﾃﾞﾊﾞｲｽがありません.")
        << "a failed open left a device";

    const std::string notWave = wave::TempPath("page-not-a-wave.wav");
    wave::WriteBytes(notWave, "plain text");
    form->Edit1.SetText(notWave);
    const std::optional<std::string> report = ErrorReportOfPress(*form, form->GoBtn);
    ASSERT_TRUE(report.has_value());
    EXPECT_NE(*report, ErrorReportText(MciErrorText(MCIERR_FILE_NOT_FOUND)));
    EXPECT_EQ(form->Edit1.Text(), notWave);
}

TEST_F(PropFormTimerPageTest, PlayStopAndClosingTheDialogEndTheSound) {
    wave::SoundSink sink;
    if (!sink.Available())
        GTEST_SKIP() << "no sound sink: run inside scripts/test-session";
    constexpr size_t kFlushed = 48000; // what Wine may still hand on after a stop (MediaPlayerTest)
    const std::string path = wave::TempPath("page-six-seconds.wav");
    const int samples = 6 * 22050;
    wave::WriteBytes(path, wave::FileBytes(22050, samples));
    auto form = Open();
    form->Edit1.SetText(path); // typed by hand: played all the same

    EXPECT_EQ(ErrorReportOfPress(*form, form->GoBtn), std::nullopt);
    ASSERT_TRUE(sink.WaitFor([](const std::string& s) { return s.size() >= 4096; }, 5000))
        << "nothing played";
    EXPECT_EQ(ErrorReportOfPress(*form, form->StopBtn), std::nullopt);
    EXPECT_TRUE(form->MediaPlayer1.IsOpen());
    size_t heard = sink.Since().size();
    ::Sleep(600);
    EXPECT_LE(sink.Since().size(), heard + kFlushed) << "the sound went on after 停止";

    EXPECT_EQ(ErrorReportOfPress(*form, form->GoBtn), std::nullopt); // from the start again
    ASSERT_TRUE(sink.WaitFor([&](const std::string& s) { return s.size() >= heard + 4096; }, 5000));
    form.reset(); // the dialog is released after it closes
    heard = sink.Since().size();
    ::Sleep(600);
    EXPECT_LE(sink.Since().size(), heard + kFlushed) << "the sound outlived the dialog";
    EXPECT_LT(sink.Since().size(), 2 * wave::SampleBytes(samples).size());
}

} // namespace
