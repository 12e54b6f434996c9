// The Properties dialog's page "タイマー・他" in-process: its three states, the alarm message's
// typing limit, and the dialog's own player through the session's sound sink.
#include "PropFormFixture.h"
#include "TestSupport.h"
#include "base/AppError.h"
#include "support/WaveFile.h"

#include <gtest/gtest.h>

using namespace wintest;

namespace {

class PropFormTimerPageTest : public PropFormFixture {};

TEST_F(PropFormTimerPageTest, ThreeStatesAtTheOpeningAndAfterTheUsersClicks) {
    // {TChk, Dialogchk} -> Dialogchk/TimeEdt/SecoEdt enabled, Edit2 shown; the sound controls always usable.
    auto expectState = [](const TPropForm& f) {
        const bool alarmOn = !f.TChk.Checked();
        for (const ui::Control* c :
             std::initializer_list<const ui::Control*>{&f.Dialogchk, &f.TimeEdt, &f.SecoEdt})
            EXPECT_EQ(c->Enabled(), alarmOn);
        EXPECT_EQ(f.Edit2.Visible(), alarmOn && f.Dialogchk.Checked());
        for (const ui::Control* c :
             std::initializer_list<const ui::Control*>{&f.Edit1, &f.OpenBtn, &f.GoBtn, &f.StopBtn})
            EXPECT_TRUE(c->Enabled() && c->Visible());
    };
    for (const bool alarmOn : {true, false}) {
        for (const bool byDialog : {true, false}) {
            SCOPED_TRACE(testing::Message() << "AlarmOn " << alarmOn << " AlarmByDialog " << byDialog);
            settings.AlarmOn = alarmOn;
            settings.AlarmByDialog = byDialog;
            const auto f = Open();
            EXPECT_EQ(f->TChk.Checked(), !alarmOn);
            EXPECT_EQ(f->Dialogchk.Checked(), byDialog);
            expectState(*f);
            for (const ui::CheckBox* box : {&f->TChk, &f->Dialogchk, &f->Dialogchk, &f->TChk}) {
                ::SendMessageA(box->Handle(), BM_CLICK, 0, 0); // Wine clicks even a disabled box
                expectState(*f);
            }
        }
    }
}

TEST_F(PropFormTimerPageTest, AlarmMessageFromTheFileIsShownWholeButTypingStopsAt45Bytes) {
    settings.DialogText = std::string(30, 'a') + "起きる時間です。おはよう";
    const auto f = Open();
    EXPECT_EQ(f->Edit2.Text(), settings.DialogText);
    auto type = [&](const std::string& bytes) {
        for (const char c : bytes)
            ::SendMessageA(f->Edit2.Handle(), WM_CHAR, static_cast<unsigned char>(c), 0);
    };
    type("b"); // refused: the text is already longer than anyone may type
    EXPECT_EQ(f->Edit2.Text(), settings.DialogText);
    ::SendMessageA(f->Edit2.Handle(), EM_SETSEL, 0, -1);
    type(std::string(22, 'y'));
    for (int i = 0; i < 20; ++i)
        type("あ"); // two bytes each: at 44 bytes the next one does not fit, one more byte does
    type("zz");
    EXPECT_EQ(f->Edit2.Text(), std::string(22, 'y') + "あああああああああああz");
    // A paste keeps what fits, whole characters, where it went in.
    ::SendMessageA(f->Edit2.Handle(), EM_SETSEL, 22, 24);
    ::SendMessageA(f->Edit2.Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("いいいx"));
    EXPECT_EQ(f->Edit2.Text(), std::string(22, 'y') + "いい" + "あああああああああz");
    ::SendMessageA(f->Edit2.Handle(), EM_SETSEL, 0, 0);
    ::SendMessageA(f->Edit2.Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("q"));
    EXPECT_EQ(f->Edit2.Text(), std::string(22, 'y') + "いい" + "あああああああああz");
}

TEST_F(PropFormTimerPageTest, PlayerErrorsThenPlayStopAndTheDialogsEndSilenceTheSound) {
    auto errorOf = [](const std::function<void()>& press) -> std::string {
        try {
            press();
        } catch (const AppError& e) {
            return e.what();
        }
        return {};
    };
    auto f = Open();
    EXPECT_EQ(errorOf([&] { f->StopBtnClick(); }), "MCI ﾃﾞﾊﾞｲｽがありません");
    f->Edit1.SetText(wave::TempPath("page-no-such-file.wav"));
    EXPECT_EQ(errorOf([&] { f->GoBtnClick(); }), ui::MciErrorText(MCIERR_FILE_NOT_FOUND));
    EXPECT_EQ(errorOf([&] { f->StopBtnClick(); }), "MCI ﾃﾞﾊﾞｲｽがありません") << "a failed open left a device";
    EXPECT_TRUE(AnswerNextDialog(IDCANCEL, [&] { f->OpenBtnClick(); }));
    EXPECT_EQ(f->Edit1.Text(), wave::TempPath("page-no-such-file.wav")) << "a cancelled pick changed the box";

    wave::SoundSink sink;
    if (!sink.Available())
        GTEST_SKIP() << "no sound sink: run inside scripts/test-session";
    constexpr size_t kFlushed = 48000; // what Wine may still hand on after a stop (MediaPlayerTest)
    const std::string path = wave::TempPath("page-six-seconds.wav");
    wave::WriteBytes(path, wave::FileBytes(22050, 6 * 22050));
    f->Edit1.SetText(path); // typed by hand: played all the same
    size_t heard = 0;
    for (const bool stopByButton : {true, false}) {
        f->GoBtnClick();
        ASSERT_TRUE(sink.WaitFor([&](const std::string& s) { return s.size() >= heard + 4096; }, 5000));
        if (stopByButton)
            f->StopBtnClick();
        else
            f.reset(); // the dialog is released after it closes
        heard = sink.Since().size();
        sink.WaitFor([](const std::string&) { return false; }, 600);
        EXPECT_LE(sink.Since().size(), heard + kFlushed)
            << (stopByButton ? "停止" : "closing") << " left it playing";
        heard = sink.Since().size();
    }
}

} // namespace
