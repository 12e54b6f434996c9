// The forms layer in-process: the two control rules, the radio group's layout and keys, the
// page control, the dialog keys of a form, colour buttons and the pickers.
#include "TestSupport.h"
#include "ui/Buttons.h"
#include "ui/CommonDialogs.h"
#include "ui/Form.h"
#include "ui/RadioGroup.h"
#include "ui/ScrollBar.h"
#include "ui/TextControls.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <vector>

using namespace wintest;

namespace {

// A small form with one control of each kind, two of them on a second page.
class SampleForm : public ui::Form {
public:
    SampleForm() : Form(TestApplication()) {
        CreateForm("TSampleForm", "サンプル", 200, 180);
        Add(Pages, Handle(), {5, 5, 190, 145});
        HWND first = Pages.AddPage("一").Handle();
        HWND second = Pages.AddPage("二").Handle();
        Add(Box, first, {8, 8, 97, 17}, "チェック");
        Add(Group, first, {8, 30, 172, 76}, "位置").SetItems({"左上", "左下", "現在", "右上", "右下"}, 2);
        Add(Bar, second, {8, 8, 121, 9}).SetRange(-5, 10);
        Add(Colour, second, {8, 24, 57, 20}, "日付");
        Add(Text, second, {8, 50, 40, 12}, "0");
        Add(Ok, Handle(), {16, 153, 57, 25}, "確定");
        Add(Cancel, Handle(), {88, 153, 57, 25}, "閉じる");
        SetKeyboardPages(&Pages);
        Cancel.OnClick = [this] { Close(); };
    }
    ui::PageControl Pages;
    ui::CheckBox Box;
    ui::RadioGroup Group;
    ui::ScrollBar Bar;
    ui::ColourButton Colour;
    ui::StaticText Text;
    ui::PushButton Ok;
    ui::PushButton Cancel;
};

TEST(FormControls, CheckBoxRunsItsClickHandlerExactlyWhenTheStateChanges) {
    SampleForm form;
    int clicks = 0;
    form.Box.OnClick = [&] { ++clicks; };
    struct Case {
        bool from, to;
        int clicks;
    } cases[] = {{false, false, 0}, {false, true, 1}, {true, true, 0}, {true, false, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + "->" + std::to_string(c.to));
        form.Box.OnClick = nullptr;
        form.Box.SetChecked(c.from);
        clicks = 0;
        form.Box.OnClick = [&] { ++clicks; };
        form.Box.SetChecked(c.to);
        EXPECT_EQ(form.Box.Checked(), c.to);
        EXPECT_EQ(clicks, c.clicks);
    }
    // A click by the user toggles the box and runs the handler once, like a change from code.
    clicks = 0;
    ::SendMessageA(form.Box.Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(form.Box.Checked());
    EXPECT_EQ(clicks, 1);
}

TEST(FormControls, ScrollBarClampsAndRunsItsChangeHandlerOnlyOnARealChange) {
    SampleForm form; // range -5..10, at 0
    int changes = 0;
    form.Bar.OnChange = [&] { ++changes; };
    struct Case {
        int set, position, changes;
    } cases[] = {{0, 0, 0}, {3, 3, 1}, {3, 3, 0}, {12, 10, 1}, {15, 10, 0}, {-9, -5, 1}, {-5, -5, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.set);
        changes = 0;
        form.Bar.SetPosition(c.set);
        EXPECT_EQ(form.Bar.Position(), c.position);
        EXPECT_EQ(::GetScrollPos(form.Bar.Handle(), SB_CTL), c.position);
        EXPECT_EQ(changes, c.changes);
    }
    // The user's arrows and page clicks step by one and stop at the ends, by the same rule.
    struct Step {
        WORD code;
        int position, changes;
    } steps[] = {{SB_LINELEFT, -5, 0}, {SB_LINERIGHT, -4, 1}, {SB_PAGERIGHT, -3, 1},
                 {SB_PAGELEFT, -4, 1}, {SB_RIGHT, 10, 1},     {SB_LINERIGHT, 10, 0}};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.code);
        changes = 0;
        ::SendMessageA(form.Pages.Page(1), WM_HSCROLL, MAKEWPARAM(s.code, 0),
                       reinterpret_cast<LPARAM>(form.Bar.Handle()));
        EXPECT_EQ(form.Bar.Position(), s.position);
        EXPECT_EQ(changes, s.changes);
    }
}

TEST(FormControls, RadioItemsFillTheColumnsByTheGroupArithmetic) {
    // The five corners of a 172 x 76 group in two columns with a 12-pixel line: columns of 81 from
    // 8, rows of (76 - 12 - 5) / 3 = 19 from 12 + 1 + (59 % 3) / 2 = 14.
    const ui::Place expected[] = {
        {8, 14, 81, 19}, {8, 33, 81, 19}, {8, 52, 81, 19}, {89, 14, 81, 19}, {89, 33, 81, 19}};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(ui::RadioItemPlace(172, 76, 12, 5, 2, i), expected[i]) << i;
    // Two items side by side use the whole height below the caption for one row.
    EXPECT_EQ(ui::RadioItemPlace(185, 41, 12, 2, 2, 1), (ui::Place{95, 13, 87, 24}));
}

TEST(FormControls, RadioGroupChoiceRunsItsHandlerOnChangeAndSurvivesHiding) {
    SampleForm form;
    int clicks = 0;
    form.Group.OnClick = [&] { ++clicks; };
    auto checked = [&] {
        std::vector<int> on;
        for (int i = 0; i < form.Group.Count(); ++i)
            if (::SendMessageA(form.Group.ItemHandle(i), BM_GETCHECK, 0, 0) == BST_CHECKED)
                on.push_back(i);
        return on;
    };
    EXPECT_EQ(form.Group.ItemIndex(), -1);
    EXPECT_TRUE(checked().empty());
    form.Group.SetItemIndex(3);
    EXPECT_EQ(checked(), std::vector<int>{3});
    form.Group.SetItemIndex(3);
    EXPECT_EQ(clicks, 1);
    ::SendMessageA(form.Group.ItemHandle(1), BM_CLICK, 0, 0); // the user's click
    EXPECT_EQ(form.Group.ItemIndex(), 1);
    EXPECT_EQ(checked(), std::vector<int>{1});
    EXPECT_EQ(clicks, 2);
    form.Group.SetVisible(false);
    for (int i = 0; i < form.Group.Count(); ++i)
        EXPECT_FALSE(::GetWindowLongA(form.Group.ItemHandle(i), GWL_STYLE) & WS_VISIBLE);
    form.Group.SetVisible(true);
    EXPECT_EQ(form.Group.ItemIndex(), 1);
    form.Group.SetItemIndex(-1);
    EXPECT_TRUE(checked().empty());
    EXPECT_EQ(clicks, 3);
}

TEST(FormControls, FormHasItsClientSizeFixedFrameTopmostAndOneFontCentredWhenShown) {
    SampleForm form;
    RECT client{}, shown{};
    Script script([&](int n) {
        if (n == 0) {
            ::GetWindowRect(form.Handle(), &shown);
            form.Close();
        }
    });
    form.ShowModal();
    ::GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 180);
    EXPECT_EQ(shown.left, (::GetSystemMetrics(SM_CXSCREEN) - (shown.right - shown.left)) / 2);
    EXPECT_EQ(shown.top, (::GetSystemMetrics(SM_CYSCREEN) - (shown.bottom - shown.top)) / 2);
    const LONG style = ::GetWindowLongA(form.Handle(), GWL_STYLE);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(::GetWindowLongA(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(::GetWindow(form.Handle(), GW_OWNER), TestApplication().AppWindow());
    LOGFONTA font{};
    ::GetObjectA(form.DialogFont(), sizeof(font), &font);
    EXPECT_STREQ(font.lfFaceName, ui::Form::kDialogFontName);
    EXPECT_EQ(font.lfHeight, -12);
    EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
    for (const ui::Control* c : std::initializer_list<const ui::Control*>{&form.Box, &form.Ok, &form.Colour})
        EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageA(c->Handle(), WM_GETFONT, 0, 0)), form.DialogFont());
}

// Shows the form, presses `keys` one after the other (each with its Ctrl and Shift state) and
// returns the focused window after each key.
struct Key {
    WPARAM key;
    bool control = false, shift = false;
};
std::vector<HWND> FocusAfterKeys(SampleForm& form, const std::vector<Key>& keys, bool& closedByKeys,
                                 int& okClicks) {
    std::vector<HWND> focus;
    closedByKeys = false;
    okClicks = 0;
    form.Ok.OnClick = [&] { ++okClicks; };
    Script script([&](int n) {
        if (n == 0)
            return; // let the form take the focus first
        const std::size_t i = static_cast<std::size_t>(n - 1);
        if (i > 0 && i <= keys.size())
            focus.push_back(::GetFocus());
        if (form.Closed()) {
            closedByKeys = true;
            return;
        }
        if (i < keys.size()) {
            SetModifierKeys(keys[i].control, keys[i].shift);
            ::PostMessageA(::GetFocus(), WM_KEYDOWN, keys[i].key, 0);
        } else {
            SetModifierKeys(false, false);
            form.Close();
        }
    });
    form.ShowModal();
    SetModifierKeys(false, false);
    return focus;
}

TEST(FormControls, TabWalksTheTabOrderOfTheShownPageAndCtrlTabTurnsThePage) {
    SampleForm form;
    bool closed = false;
    int okClicks = 0;
    const std::vector<HWND> focus = FocusAfterKeys(form,
                                                   {{VK_TAB},
                                                    {VK_TAB},
                                                    {VK_TAB},
                                                    {VK_TAB},
                                                    {VK_TAB, false, true},
                                                    {VK_TAB, true},
                                                    {VK_TAB, false, true},
                                                    {VK_TAB, false, true}},
                                                   closed, okClicks);
    ASSERT_EQ(focus.size(), 8u);
    // Page one: tabs, check box, the group (at its first item, none being chosen), then the buttons.
    EXPECT_EQ(focus[0], form.Box.Handle());
    EXPECT_EQ(focus[1], form.Group.ItemHandle(0));
    EXPECT_EQ(focus[2], form.Ok.Handle());
    EXPECT_EQ(focus[3], form.Cancel.Handle());
    EXPECT_EQ(focus[4], form.Ok.Handle()); // Shift+Tab goes back
    EXPECT_EQ(form.Pages.ActivePageIndex(), 1);
    EXPECT_FALSE(::IsWindowVisible(form.Pages.Page(0)));
    // Page two's controls now come between the tabs and the buttons.
    EXPECT_EQ(focus[6], form.Colour.Handle());
    EXPECT_EQ(focus[7], form.Bar.Handle());
}

TEST(FormControls, ArrowsMoveTheChoiceInARadioGroupAndEnterPressesOnlyTheFocusedButton) {
    SampleForm form;
    form.Group.SetItemIndex(0);
    bool closed = false;
    int okClicks = 0;
    const std::vector<HWND> focus = FocusAfterKeys(
        form, {{VK_TAB}, {VK_TAB}, {VK_DOWN}, {VK_DOWN}, {VK_RETURN}, {VK_ESCAPE}, {VK_TAB}, {VK_RETURN}},
        closed, okClicks);
    ASSERT_EQ(focus.size(), 8u);
    EXPECT_EQ(focus[3], form.Group.ItemHandle(2));
    EXPECT_EQ(form.Group.ItemIndex(), 2);
    EXPECT_EQ(focus[6], form.Ok.Handle());
    EXPECT_FALSE(closed) << "Enter or Esc closed the form";
    EXPECT_EQ(okClicks, 1) << "Enter pressed a button without the focus, or not the focused one";
}

TEST(FormControls, CloseBoxAndAltF4CloseTheFormOnlyWhenTheCloseQueryAgrees) {
    class Refusing : public SampleForm {
    public:
        bool allow = false;
        int asked = 0;

    protected:
        bool FormCloseQuery() override {
            ++asked;
            return allow;
        }
    };
    Refusing form;
    Script script([&](int n) {
        if (n == 0)
            ::PostMessageA(form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        if (n == 2) {
            form.allow = true;
            ::PostMessageA(form.Handle(), WM_CLOSE, 0, 0);
        }
    });
    form.ShowModal();
    EXPECT_EQ(form.asked, 2);
    EXPECT_FALSE(::IsWindowVisible(form.Handle()));
    EXPECT_TRUE(::IsWindow(form.Handle())); // hidden, not destroyed: the caller releases it
}

TEST(FormControls, AFailingHandlerIsReportedAndTheFormStaysOpen) {
    SampleForm form;
    form.Ok.OnClick = [] { throw std::runtime_error("だめ"); };
    bool reported = false, openAfter = false;
    Script script([&](int n) {
        if (n == 0)
            ::PostMessageA(form.Ok.Handle(), BM_CLICK, 0, 0);
        else if (!reported && OpenDialogOfThisThread("Morovin"))
            reported = AnswerOpenDialog(IDOK);
        else if (reported && n > 3 && !form.Closed()) {
            openAfter = ::IsWindowVisible(form.Handle()) != FALSE;
            form.Close();
        } else if (n > 60)
            form.Close();
    });
    form.ShowModal();
    EXPECT_TRUE(reported);
    EXPECT_TRUE(openAfter);
}

// Counts the screen pixels of a window near `colour`.
int PixelsNear(HWND hwnd, COLORREF colour) {
    RECT r{};
    ::GetClientRect(hwnd, &r);
    HDC dc = ::GetDC(hwnd);
    int count = 0;
    for (int y = 0; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x) {
            const COLORREF c = ::GetPixel(dc, x, y);
            if (std::abs(GetRValue(c) - GetRValue(colour)) < 40 &&
                std::abs(GetGValue(c) - GetGValue(colour)) < 40 &&
                std::abs(GetBValue(c) - GetBValue(colour)) < 40)
                ++count;
        }
    ::ReleaseDC(hwnd, dc);
    return count;
}

TEST(FormControls, ColourButtonDrawsItsCaptionInItsColour) {
    SampleForm form;
    form.Pages.SetActivePageIndex(1);
    form.Colour.SetColour(clRed);
    int red = 0, blueAfter = 0, redAfter = 0;
    Script script([&](int n) {
        if (n == 1) {
            ::UpdateWindow(form.Colour.Handle());
            red = PixelsNear(form.Colour.Handle(), RGB(255, 0, 0));
            form.Colour.SetColour(0xFF0000); // blue
            ::UpdateWindow(form.Colour.Handle());
            blueAfter = PixelsNear(form.Colour.Handle(), RGB(0, 0, 255));
            redAfter = PixelsNear(form.Colour.Handle(), RGB(255, 0, 0));
            form.Close();
        }
    });
    form.ShowModal();
    EXPECT_GT(red, 5);
    EXPECT_GT(blueAfter, 5);
    EXPECT_EQ(redAfter, 0);
}

TEST(FormControls, PickerOptionsAskForScreenFontsWithoutEffectsAndKeepCustomColours) {
    LOGFONTA font{};
    const CHOOSEFONTA fontOptions = ui::FontDialog().Options(nullptr, font);
    EXPECT_TRUE(fontOptions.Flags & CF_SCREENFONTS);
    EXPECT_TRUE(fontOptions.Flags & CF_INITTOLOGFONTSTRUCT);
    EXPECT_FALSE(fontOptions.Flags & (CF_EFFECTS | CF_LIMITSIZE));
    ui::ColourDialog colours;
    for (COLORREF c : colours.CustomColours())
        EXPECT_EQ(c, RGB(255, 255, 255));
    const CHOOSECOLORA colourOptions = colours.Options(nullptr, RGB(1, 2, 3));
    EXPECT_EQ(colourOptions.rgbResult, RGB(1, 2, 3));
    EXPECT_TRUE(colourOptions.Flags & CC_RGBINIT);
    EXPECT_EQ(colourOptions.lpCustColors, colours.CustomColours().data());
    static const char kPlatformFilter[] = "WAVEファイル\0*.wav\0";
    EXPECT_EQ(ui::OpenDialog("WAVEファイル|*.wav").PlatformFilter(),
              std::string(kPlatformFilter, sizeof(kPlatformFilter)));
}

// Runs a picker under a script that answers it with `answer`.
template <typename Run> bool AnswerPicker(int answer, Run run) {
    bool answered = false;
    Script script([&](int n) {
        if (!answered)
            answered = AnswerOpenDialog(answer);
        else if (n > 100)
            AnswerOpenDialog(IDCANCEL); // never hang the run
    });
    const bool result = run();
    EXPECT_TRUE(answered);
    return result;
}

TEST(FormControls, PickersGiveBackAConfirmedValueAndLeaveItOnCancel) {
    SampleForm form;
    ui::ColourDialog colours;
    COLORREF colour = RGB(10, 20, 30);
    EXPECT_FALSE(AnswerPicker(IDCANCEL, [&] { return colours.Execute(form.Handle(), colour); }));
    EXPECT_EQ(colour, RGB(10, 20, 30));
    EXPECT_TRUE(AnswerPicker(IDOK, [&] { return colours.Execute(form.Handle(), colour); }));
    EXPECT_EQ(colour, RGB(10, 20, 30));

    // A face the picker does not list is no reason to fail.
    LOGFONTA font{};
    font.lfHeight = -20;
    font.lfItalic = TRUE;
    lstrcpynA(font.lfFaceName, "どこにもない書体", LF_FACESIZE);
    const LOGFONTA before = font;
    EXPECT_FALSE(AnswerPicker(IDCANCEL, [&] { return ui::FontDialog().Execute(form.Handle(), font); }));
    EXPECT_EQ(std::memcmp(&font, &before, sizeof(font)), 0);
    AnswerPicker(IDOK, [&] { return ui::FontDialog().Execute(form.Handle(), font); });
}

std::string ClassName(HWND hwnd) {
    char name[64] = {};
    ::GetClassNameA(hwnd, name, sizeof(name));
    return name;
}

TEST(FormControls, ControlWindowsDieWithTheirObjectsAndChildrenStayInsideTheirParents) {
    HWND box = nullptr;
    {
        SampleForm form;
        box = form.Box.Handle();
        for (HWND parent : {form.Handle(), form.Pages.Page(0), form.Pages.Page(1)}) {
            RECT outer{};
            ::GetClientRect(parent, &outer);
            for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
                RECT r{};
                ::GetWindowRect(child, &r);
                ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
                EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= outer.right && r.bottom <= outer.bottom)
                    << ClassName(child) << " " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
            }
        }
        EXPECT_EQ(ui::ControlOf(box), &form.Box);
    }
    EXPECT_FALSE(::IsWindow(box));
}

} // namespace
