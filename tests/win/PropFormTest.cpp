// The Properties dialog in-process: the opening over the control <-> settings correspondence,
// its handlers, the pickers, the closing, and the layout invariants.
#include "../unit/FakeLabelHost.h"
#include "TestSupport.h"
#include "dialogs/PropForm.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

using namespace wintest;

namespace {

class PropFormTest : public ::testing::Test {
protected:
    std::unique_ptr<TPropForm> Open() {
        return std::make_unique<TPropForm>(TestApplication(), PropFormClock{settings, date, week, time, {}});
    }
    FakeLabelHost host;
    TShadowLabel date{host}, week{host}, time{host};
    ClockSettings settings;
};

TEST_F(PropFormTest, EachFlagOpensInItsOwnCheckBox) {
    struct Row {
        bool ClockSettings::*flag;
        ui::CheckBox TPropForm::*box;
        bool inverse;
    } rows[] = {{&ClockSettings::ShowYear, &TPropForm::YChk, false},
                {&ClockSettings::Movable, &TPropForm::MChk, true},
                {&ClockSettings::StayOnTop, &TPropForm::FChk, false},
                {&ClockSettings::ShowSeconds, &TPropForm::CheckBox1, false},
                {&ClockSettings::Use24Hour, &TPropForm::CheckBox2, false},
                {&ClockSettings::EnglishWeekday, &TPropForm::Engchk, false},
                {&ClockSettings::WallpaperMode, &TPropForm::AllChk, false},
                {&ClockSettings::ChimeOn, &TPropForm::CheckBox3, false},
                {&ClockSettings::ShadowOn, &TPropForm::ShadowCheck, false}};
    // One flag on at a time: exactly its box differs from the all-off opening.
    for (const Row& on : rows) {
        settings = ClockSettings{};
        settings.*on.flag = true;
        const auto form = Open();
        for (const Row& r : rows) {
            SCOPED_TRACE(std::to_string(&on - rows) + " / " + std::to_string(&r - rows));
            EXPECT_EQ((*form.*r.box).Checked(), (settings.*r.flag) != r.inverse);
        }
    }
}

TEST_F(PropFormTest, TheIntervalGroupFollowsTheSignalFlags) {
    struct Case {
        bool on, half, hour;
        int item;
    } cases[] = {{true, true, true, 0},    {true, true, false, 0}, {true, false, true, 1},
                 {true, false, false, -1}, {false, true, true, 0}, {false, false, true, 1},
                 {false, false, false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.on) + std::to_string(c.half) + std::to_string(c.hour));
        settings.ChimeOn = c.on;
        settings.ChimeHalfHour = c.half;
        settings.ChimeHour = c.hour;
        const auto form = Open();
        EXPECT_EQ(form->CheckBox3.Checked(), c.on);
        EXPECT_EQ(form->RadioGroup1.Visible(), c.on);
        EXPECT_EQ(form->RadioGroup1.ItemIndex(), c.item);
    }
}

TEST_F(PropFormTest, StoredPageOpensThatPageAndAnyOtherOpensTheFontPage) {
    const std::pair<int, int> cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 1}, {5, 1}, {-1, 1}, {2147483647, 1}};
    for (const auto& [stored, shown] : cases) {
        SCOPED_TRACE(stored);
        settings.PropPage = stored;
        const auto form = Open();
        EXPECT_EQ(form->PageControl1.ActivePageIndex(), shown);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ((::GetWindowLongA(form->PageControl1.Page(i), GWL_STYLE) & WS_VISIBLE) != 0,
                      i == shown);
    }
}

TEST_F(PropFormTest, ColourButtonsHoldTheLabelsColoursAndThePreviewTheDateFontInBlack) {
    week.SetFontColor(0x000002);
    time.SetFontColor(clBtnShadow);
    date.Shadow().SetColor(0x000004);
    week.Shadow().SetColor(0x000005);
    time.Shadow().SetColor(0x000006);
    LabelFont font;
    font.name = "IPAGothic";
    font.SetSizePoints(20);
    font.style = fsBold | fsItalic;
    font.charset = 0;
    font.pitch = FontPitch::Fixed;
    font.color = 0x000001;
    date.SetFont(font);
    const auto form = Open();
    EXPECT_EQ(form->DateBtn.Colour(), 0x000001u);
    EXPECT_EQ(form->WeekBtn.Colour(), 0x000002u);
    EXPECT_EQ(form->TimeBtn.Colour(), clBtnShadow); // kept as the named colour until picked
    EXPECT_EQ(form->SDateBtn.Colour(), 0x000004u);
    EXPECT_EQ(form->SWeekBtn.Colour(), 0x000005u);
    EXPECT_EQ(form->STimeBtn.Colour(), 0x000006u);
    const LabelFont& preview = form->PreviewFont();
    EXPECT_EQ(preview.name, "IPAGothic");
    EXPECT_EQ(preview.SizePoints(), 20);
    EXPECT_EQ(preview.style, fsBold | fsItalic);
    EXPECT_EQ(preview.color, clBlack);
    EXPECT_EQ(preview.charset, kShiftJisCharset); // the design font's, not the clock's
    EXPECT_EQ(preview.pitch, FontPitch::Default);
    const LOGFONTA shown = form->Label1.Font();
    EXPECT_STREQ(shown.lfFaceName, "IPAGothic");
    EXPECT_EQ(shown.lfHeight, preview.height);
    EXPECT_TRUE(shown.lfItalic);
}

TEST_F(PropFormTest, OffsetsOpenLimitedToTheBarsAndShownBesideThem) {
    struct Case {
        int left, top;
        const char *x, *y;
    } cases[] = {{0, 0, "0", "0"}, {12, -9, "10", "-4"}, {-6, 5, "-5", "4"}, {3, -2, "3", "-2"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.left) + "," + std::to_string(c.top));
        date.Shadow().SetOffsetLeft(c.left);
        date.Shadow().SetOffsetTop(c.top);
        const auto form = Open();
        EXPECT_EQ(form->XLabel.Text(), c.x);
        EXPECT_EQ(form->YLabel.Text(), c.y);
        EXPECT_EQ(std::to_string(form->ScrollBar1.Position()), c.x);
        EXPECT_EQ(std::to_string(form->ScrollBar2.Position()), c.y);
    }
}

TEST_F(PropFormTest, HandlersKeepTheGroupAndTheOffsetTextsInStep) {
    settings.ChimeOn = true;
    settings.ChimeHour = true;
    date.Shadow().SetOffsetLeft(0);
    date.Shadow().SetOffsetTop(0);
    const auto form = Open();
    ::SendMessageA(form->CheckBox3.Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(form->RadioGroup1.Visible());
    ::SendMessageA(form->CheckBox3.Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(form->RadioGroup1.Visible());
    EXPECT_EQ(form->RadioGroup1.ItemIndex(), 1) << "hiding the group changed its choice";
    ::SendMessageA(form->TabSheet2, WM_HSCROLL, SB_LINELEFT,
                   reinterpret_cast<LPARAM>(form->ScrollBar1.Handle()));
    ::SendMessageA(form->TabSheet2, WM_HSCROLL, SB_PAGERIGHT,
                   reinterpret_cast<LPARAM>(form->ScrollBar2.Handle()));
    EXPECT_EQ(form->XLabel.Text(), "-1");
    EXPECT_EQ(form->YLabel.Text(), "1");
}

// The face the platform really uses for the dialog font, so the font picker lists it.
std::string InstalledFace() {
    ui::WindowDc dc(nullptr);
    const ui::unique_hfont font(::CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                                              0, 0, 0, 0, ui::Form::kDialogFontName));
    const ui::SelectedObject selected(dc.get(), font.get());
    char face[LF_FACESIZE] = {};
    ::GetTextFaceA(dc.get(), LF_FACESIZE, face);
    return face;
}

// Shows the dialog, runs `press` once it is up, answers the picker that opens with `answer`,
// then closes the dialog.
void PressAndAnswer(TPropForm& form, const std::function<void()>& press, int answer) {
    bool pressed = false, answered = false;
    Script script([&](int n) {
        if (!pressed) {
            pressed = true;
            press();
        } else if (!answered) {
            answered = AnswerOpenDialog(answer);
        } else if (!OpenDialogOfThisThread()) {
            form.Close();
        }
        if (n > 150) {
            AnswerOpenDialog(IDCANCEL); // never hang the run
            form.Close();
        }
    });
    form.ShowModal();
    EXPECT_TRUE(answered) << "no picker opened";
}

TEST_F(PropFormTest, PickersChangeOnlyOnConfirmAndGivePlainColours) {
    time.SetFontColor(clBtnShadow);
    LabelFont font;
    font.name = InstalledFace();
    font.SetSizePoints(18);
    date.SetFont(font);
    const auto form = Open();
    auto post = [&](ui::Control& c) { return [&c] { ::PostMessageA(c.Handle(), BM_CLICK, 0, 0); }; };

    const LabelFont before = form->PreviewFont();
    PressAndAnswer(*form, post(form->Button1), IDCANCEL);
    EXPECT_EQ(form->PreviewFont(), before);
    PressAndAnswer(*form, post(form->Button1), IDOK);
    EXPECT_EQ(form->PreviewFont().name, font.name);
    EXPECT_EQ(form->PreviewFont().SizePoints(), 18);
    EXPECT_EQ(form->PreviewFont().color, clBlack);

    PressAndAnswer(*form, post(form->TimeBtn), IDCANCEL);
    EXPECT_EQ(form->TimeBtn.Colour(), clBtnShadow);
    PressAndAnswer(*form, post(form->TimeBtn), IDOK);
    EXPECT_EQ(form->TimeBtn.Colour(), static_cast<TColor>(::GetSysColor(COLOR_BTNSHADOW)));
}

TEST_F(PropFormTest, ClosingRemembersThePageShownAndChangesNothingElse) {
    settings.PropPage = 0;
    settings.ShowYear = true;
    settings.SoundFile = "a.wav";
    struct Case {
        const char* how;
        int page;
        std::function<void(TPropForm&)> close;
    } cases[] = {
        {"close box", 2, [](TPropForm& f) { ::PostMessageA(f.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"閉じる", 1, [](TPropForm& f) { ::PostMessageA(f.CloseBtn.Handle(), BM_CLICK, 0, 0); }},
        {"WM_CLOSE", 0, [](TPropForm& f) { ::PostMessageA(f.Handle(), WM_CLOSE, 0, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        const auto form = Open();
        ::SendMessageA(form->MChk.Handle(), BM_CLICK, 0, 0); // an edit that is not applied
        ClockSettings expected = settings;
        expected.PropPage = c.page;
        Script script([&](int n) {
            if (n == 0) {
                form->PageControl1.SetActivePageIndex(c.page);
                c.close(*form);
            } else if (n > 60) {
                form->Close();
            }
        });
        form->ShowModal();
        EXPECT_EQ(settings, expected);
    }
}

TEST_F(PropFormTest, ControlsSitInsideTheirParentsInTheDeclaredTabOrder) {
    settings.ChimeOn = true;
    const auto form = Open();
    for (HWND parent : {form->Handle(), form->TabSheet1, form->TabSheet2, form->TabSheet3}) {
        RECT outer{};
        ::GetClientRect(parent, &outer);
        for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            RECT r{};
            ::GetWindowRect(child, &r);
            ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= outer.right && r.bottom <= outer.bottom)
                << ::GetDlgCtrlID(child) << " in " << outer.right << "x" << outer.bottom;
            // Every control in the dialog font but the preview; scroll bars have no text.
            ui::Control* control = ui::ControlOf(child);
            if (control && control != &form->Label1 && !dynamic_cast<ui::ScrollBar*>(control)) {
                EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageA(child, WM_GETFONT, 0, 0)),
                          form->DialogFont());
            }
        }
    }
    auto tabWalk = [&](int page) {
        form->PageControl1.SetActivePageIndex(page);
        std::vector<HWND> order;
        HWND h = form->PageControl1.Handle();
        for (int i = 0; i < 20; ++i) {
            h = ::GetNextDlgTabItem(form->Handle(), h, FALSE);
            if (h == form->PageControl1.Handle())
                break;
            order.push_back(h);
        }
        return order;
    };
    const TPropForm& f = *form;
    EXPECT_EQ(tabWalk(0),
              (std::vector<HWND>{f.MChk.Handle(), f.YChk.Handle(), f.FChk.Handle(), f.CheckBox1.Handle(),
                                 f.CheckBox2.Handle(), f.Engchk.Handle(), f.AllChk.Handle(),
                                 f.CheckBox3.Handle(), f.RadioGroup1.ItemHandle(0), f.OKBtn.Handle(),
                                 f.RenewBtn.Handle(), f.CloseBtn.Handle()}));
    EXPECT_EQ(tabWalk(1), (std::vector<HWND>{f.Button1.Handle(), f.DateBtn.Handle(), f.WeekBtn.Handle(),
                                             f.TimeBtn.Handle(), f.SDateBtn.Handle(), f.SWeekBtn.Handle(),
                                             f.STimeBtn.Handle(), f.ShadowCheck.Handle(),
                                             f.ScrollBar1.Handle(), f.ScrollBar2.Handle(), f.OKBtn.Handle(),
                                             f.RenewBtn.Handle(), f.CloseBtn.Handle()}));
}

TEST_F(PropFormTest, ThePreviewIsBlackOnWhiteWhateverTheClockColours) {
    date.SetFontColor(clRed);
    settings.PropPage = 1;
    const auto form = Open();
    std::vector<int> counts;
    Script script([&](int n) {
        if (n == 1) {
            ::UpdateWindow(form->Handle());
            HWND h = form->Label1.Handle();
            RECT r{};
            ::GetClientRect(h, &r);
            HDC dc = ::GetDC(h);
            int white = 0, black = 0, greys = 0, other = 0;
            for (int y = 0; y < r.bottom; ++y)
                for (int x = 0; x < r.right; ++x) {
                    const COLORREF c = ::GetPixel(dc, x, y);
                    const bool grey = std::abs(GetRValue(c) - GetGValue(c)) < 16 &&
                                      std::abs(GetRValue(c) - GetBValue(c)) < 16;
                    (c == RGB(255, 255, 255) ? white : c == RGB(0, 0, 0) ? black : grey ? greys : other) += 1;
                }
            ::ReleaseDC(h, dc);
            counts = {white, black, other};
            form->Close();
        }
    });
    form->ShowModal();
    ASSERT_EQ(counts.size(), 3u);
    EXPECT_GT(counts[0], counts[1]);
    EXPECT_GT(counts[1], 20);
    EXPECT_EQ(counts[2], 0) << "only black text and its grey smoothing on white";
}

} // namespace
