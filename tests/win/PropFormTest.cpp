// The Properties dialog in-process: the opening over the control <-> settings correspondence,
// its handlers, the pickers, the closing, the layout invariants and the layout at 144 dpi.
#include "PropFormFixture.h"
#include "TestSupport.h"
#include "ui/DialogScreen.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace wintest;

namespace {

class PropFormTest : public PropFormFixture {};

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
    for (const Row& on : rows) { // one flag on at a time
        settings = ClockSettings{};
        settings.*on.flag = true;
        const auto form = Open();
        for (const Row& r : rows)
            EXPECT_EQ((*form.*r.box).Checked(), (settings.*r.flag) != r.inverse)
                << &on - rows << "/" << &r - rows;
    }
}

TEST_F(PropFormTest, IntervalGroupAndPageFollowTheStoredValues) {
    struct Chime {
        bool on, half, hour;
        int item;
    } chimes[] = {{true, true, true, 0},  {true, false, true, 1},  {true, false, false, -1},
                  {false, true, true, 0}, {false, false, true, 1}, {false, false, false, 0}};
    for (const Chime& c : chimes) {
        settings.ChimeOn = c.on;
        settings.ChimeHalfHour = c.half;
        settings.ChimeHour = c.hour;
        const auto form = Open();
        EXPECT_EQ(form->CheckBox3.Checked(), c.on);
        EXPECT_EQ(form->RadioGroup1.Visible(), c.on);
        EXPECT_EQ(form->RadioGroup1.ItemIndex(), c.item) << c.on << c.half << c.hour;
    }
    const std::pair<int, int> pages[] = {{0, 0}, {2, 2}, {3, 1}, {5, 1}, {-1, 1}};
    for (const auto& [stored, shown] : pages) {
        settings.PropPage = stored;
        const auto form = Open();
        EXPECT_EQ(form->PageControl1.ActivePageIndex(), shown) << stored;
        EXPECT_TRUE(::GetWindowLongA(form->PageControl1.Page(shown), GWL_STYLE) & WS_VISIBLE);
    }
}

TEST_F(PropFormTest, ColoursFontAndOffsetsOpenFromTheLabels) {
    LabelFont font;
    font.name = "IPAGothic";
    font.SetSizePoints(20);
    font.style = fsBold | fsItalic;
    font.charset = 0;
    font.pitch = FontPitch::Fixed;
    font.color = 0x000001;
    date.SetFont(font);
    week.SetFontColor(0x000002);
    time.SetFontColor(clBtnShadow);
    date.Shadow().SetColor(0x000004);
    week.Shadow().SetColor(0x000005);
    time.Shadow().SetColor(0x000006);
    const auto form = Open();
    const std::vector<TColor> colours = {form->DateBtn.Colour(),  form->WeekBtn.Colour(),
                                         form->TimeBtn.Colour(),  form->SDateBtn.Colour(),
                                         form->SWeekBtn.Colour(), form->STimeBtn.Colour()};
    EXPECT_EQ(colours, (std::vector<TColor>{1, 2, clBtnShadow, 4, 5, 6})); // named colours stay named
    const LabelFont& preview = form->PreviewFont();
    EXPECT_EQ(preview.name, "IPAGothic");
    EXPECT_EQ(preview.SizePoints(), 20);
    EXPECT_EQ(preview.style, fsBold | fsItalic);
    EXPECT_EQ(preview.color, clBlack);
    EXPECT_EQ(preview.charset, kShiftJisCharset); // the design font's, not the clock's
    EXPECT_EQ(preview.pitch, FontPitch::Default);
    EXPECT_STREQ(form->Label1.Font().lfFaceName, "IPAGothic");

    struct Offsets {
        int left, top;
        const char *x, *y;
    } offsets[] = {{0, 0, "0", "0"}, {12, -9, "10", "-4"}, {-6, 5, "-5", "4"}, {3, -2, "3", "-2"}};
    for (const Offsets& o : offsets) {
        date.Shadow().SetOffsetLeft(o.left);
        date.Shadow().SetOffsetTop(o.top);
        const auto opened = Open();
        EXPECT_EQ(opened->XLabel.Text() + "," + opened->YLabel.Text(), std::string(o.x) + "," + o.y);
        EXPECT_EQ(std::to_string(opened->ScrollBar1.Position()), o.x);
        EXPECT_EQ(std::to_string(opened->ScrollBar2.Position()), o.y);
    }
}

TEST_F(PropFormTest, ALongFaceNameIsCutBetweenCharacters) {
    LabelFont font;
    font.name = std::string(20, 'a') + "ゴシックゴシック"; // the 31st byte is a lead byte
    date.SetFont(font);
    EXPECT_STREQ(Open()->Label1.Font().lfFaceName, (std::string(20, 'a') + "ゴシックゴ").c_str());
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
    EXPECT_EQ(form->XLabel.Text() + "," + form->YLabel.Text(), "-1,1");
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

TEST_F(PropFormTest, PickersChangeOnlyOnConfirmAndGivePlainColours) {
    time.SetFontColor(clBtnShadow);
    LabelFont font;
    font.name = InstalledFace();
    font.SetSizePoints(20); // 20.5 points at 144 dpi when its 96-dpi height is scaled
    date.SetFont(font);
    const auto form = Open();
    const LabelFont before = form->PreviewFont();
    EXPECT_TRUE(AnswerNextDialog(IDCANCEL, [&] { form->Button1Click(); }));
    EXPECT_EQ(form->PreviewFont(), before);
    EXPECT_TRUE(AnswerNextDialog(IDOK, [&] { form->Button1Click(); }));
    EXPECT_EQ(form->PreviewFont().name, font.name);
    EXPECT_EQ(form->PreviewFont().SizePoints(), 20);
    EXPECT_EQ(form->PreviewFont().color, clBlack);

    EXPECT_TRUE(AnswerNextDialog(IDCANCEL, [&] { form->TimeBtnClick(); }));
    EXPECT_EQ(form->TimeBtn.Colour(), clBtnShadow);
    EXPECT_TRUE(AnswerNextDialog(IDOK, [&] { form->TimeBtnClick(); }));
    EXPECT_EQ(form->TimeBtn.Colour(), static_cast<TColor>(::GetSysColor(COLOR_BTNSHADOW)));
}

TEST_F(PropFormTest, ClosingRemembersThePageShownAndChangesNothingElse) {
    settings.PropPage = 0;
    settings.ShowYear = true;
    const std::pair<int, UINT> cases[] = {{2, WM_SYSCOMMAND}, {1, BM_CLICK}, {0, WM_CLOSE}};
    for (const auto& [page, how] : cases) {
        const auto form = Open();
        ::SendMessageA(form->MChk.Handle(), BM_CLICK, 0, 0); // an edit that is not applied
        ClockSettings expected = settings;
        expected.PropPage = page;
        Script script([&](int n) {
            if (n == 0) {
                form->PageControl1.SetActivePageIndex(page);
                if (how == BM_CLICK)
                    ::PostMessageA(form->CloseBtn.Handle(), BM_CLICK, 0, 0); // 閉じる
                else
                    ::PostMessageA(form->Handle(), how, how == WM_SYSCOMMAND ? SC_CLOSE : 0, 0);
            } else if (n > 60) {
                form->Close();
            }
        });
        form->ShowModal();
        EXPECT_EQ(settings, expected) << how;
    }
}

TEST_F(PropFormTest, ControlsSitInsideTheirParentsInTheDialogFontAndInTheDeclaredTabOrder) {
    settings.ChimeOn = true;
    const auto form = Open();
    LOGFONTA dialogFont{};
    ::GetObjectA(form->DialogFont(), sizeof(dialogFont), &dialogFont);
    EXPECT_EQ(std::string(dialogFont.lfFaceName) + " " + std::to_string(dialogFont.lfHeight) + " " +
                  std::to_string(dialogFont.lfCharSet),
              "ＭＳ Ｐゴシック -12 128");
    for (HWND parent : {form->Handle(), form->TabSheet1, form->TabSheet2, form->TabSheet3}) {
        RECT outer{};
        ::GetClientRect(parent, &outer);
        for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            RECT r{};
            ::GetWindowRect(child, &r);
            ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= outer.right && r.bottom <= outer.bottom)
                << ::GetDlgCtrlID(child);
            // Every control but the preview in the dialog font; scroll bars have no text.
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
        for (HWND h = form->PageControl1.Handle(); order.size() < 20;) {
            h = ::GetNextDlgTabItem(form->Handle(), h, FALSE);
            if (h == form->PageControl1.Handle())
                break;
            order.push_back(h);
        }
        return order;
    };
    const TPropForm& f = *form;
    const std::vector<HWND> buttons = {f.OKBtn.Handle(), f.RenewBtn.Handle(), f.CloseBtn.Handle()};
    std::vector<HWND> general = {f.MChk.Handle(),      f.YChk.Handle(),      f.FChk.Handle(),
                                 f.CheckBox1.Handle(), f.CheckBox2.Handle(), f.Engchk.Handle(),
                                 f.AllChk.Handle(),    f.CheckBox3.Handle(), f.RadioGroup1.ItemHandle(0)};
    std::vector<HWND> fonts = {f.Button1.Handle(),   f.DateBtn.Handle(),     f.WeekBtn.Handle(),
                               f.TimeBtn.Handle(),   f.SDateBtn.Handle(),    f.SWeekBtn.Handle(),
                               f.STimeBtn.Handle(),  f.ShadowCheck.Handle(), f.ScrollBar1.Handle(),
                               f.ScrollBar2.Handle()};
    general.insert(general.end(), buttons.begin(), buttons.end());
    fonts.insert(fonts.end(), buttons.begin(), buttons.end());
    EXPECT_EQ(tabWalk(0), general);
    EXPECT_EQ(tabWalk(1), fonts);
}

TEST_F(PropFormTest, At144DpiEveryKindOfControlAndTheClientAreaAreTheirDesignPlacesScaledAtTheEdges) {
    struct DialogDpi {
        DialogDpi() { ui::SetDialogDpi(144); }
        ~DialogDpi() { ui::SetDialogDpi(0); }
    } dpi;
    settings.ChimeOn = true;
    const auto form = Open();
    const TPropForm& f = *form;
    // Each in its parent's client coordinates; the design place at 96 dpi beside it. (*) The
    // items are placed for the font's line height, 19 pixels at 18 (13 at 96 dpi, not 12).
    const std::pair<HWND, RECT> rows[] = {
        {f.Handle(), {0, 0, 335, 429}},                      // the client area, 223 x 286
        {f.PageControl1.Handle(), {8, 8, 326, 374}},         // {5, 5, 212, 244}
        {f.OKBtn.Handle(), {24, 384, 110, 422}},             // {16, 256, 57, 25}
        {f.MChk.Handle(), {12, 36, 170, 62}},                // {8, 24, 105, 17}
        {f.RadioGroup1.Handle(), {12, 228, 290, 290}},       // {8, 152, 185, 41}
        {f.RadioGroup1.ItemHandle(1), {155, 249, 285, 284}}, // {95, 14, 87, 23} in the group *
        {f.GroupBox2.Handle(), {3, 123, 303, 180}},          // {2, 82, 200, 38}
        {f.DateBtn.Handle(), {15, 143, 101, 173}},           // {8, 13, 57, 20} in the group box
        {f.ScrollBar1.Handle(), {12, 276, 194, 290}},        // {8, 184, 121, 9}
        {f.XLabel.Handle(), {204, 276, 255, 294}},           // {136, 184, 34, 12}
        {f.Edit1.Handle(), {12, 42, 290, 72}},               // {8, 28, 185, 20} in a box at 0, 0
    };
    const auto placeOf = [&](HWND control) {
        RECT r{};
        if (control == f.Handle()) {
            ::GetClientRect(control, &r);
        } else {
            ::GetWindowRect(control, &r);
            ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&r), 2);
        }
        return std::vector<LONG>({r.left, r.top, r.right, r.bottom});
    };
    // Made at 144 dpi, moved to 96 ("閉じる" at its design place) and back: as if made there.
    for (const int dpi : {144, 96, 144}) {
        RECT frame{};
        ::GetWindowRect(f.Handle(), &frame);
        ::SendMessageA(f.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&frame));
        if (dpi == 96) {
            EXPECT_EQ(placeOf(f.CloseBtn.Handle()), (std::vector<LONG>{160, 256, 217, 281}));
            continue;
        }
        for (const auto& [control, expected] : rows)
            EXPECT_EQ(placeOf(control),
                      std::vector<LONG>({expected.left, expected.top, expected.right, expected.bottom}))
                << ::GetDlgCtrlID(control);
    }
    LOGFONTA dialogFont{};
    ::GetObjectA(f.DialogFont(), sizeof(dialogFont), &dialogFont);
    EXPECT_EQ(dialogFont.lfHeight, -18);
}

} // namespace
