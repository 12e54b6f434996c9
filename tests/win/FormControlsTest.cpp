// The forms layer in-process: the two control rules, the radio group, the dialog keys, a failing
// handler, the colour button and the pickers.
#include "TestSupport.h"
#include "ui/Buttons.h"
#include "ui/CommonDialogs.h"
#include "ui/Form.h"
#include "dialogs/AlarmBox.h"
#include "ui/RadioGroup.h"
#include "ui/ScrollBar.h"
#include "ui/TextControls.h"
#include "widgets/ShadowLabelPaint_win.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <utility>
#include <vector>

using namespace wintest;

namespace {

// One control of each kind that has rules of its own, two of them on a second page.
class SampleForm : public ui::Form {
public:
    SampleForm() : Form(TestApplication()) {
        CreateForm("TSampleForm", "サンプル", 200, 180);
        Add(Pages, Handle(), {5, 5, 190, 145});
        HWND first = Pages.AddPage("一").Handle();
        HWND second = Pages.AddPage("二").Handle();
        Add(Box, first, {8, 8, 97, 17}, "チェック");
        Add(Group, first, {8, 28, 172, 76}, "位置").SetItems({"左上", "左下", "現在", "右上", "右下"}, 2);
        Add(Bar, second, {8, 8, 121, 9}).SetRange(-5, 10);
        Add(Colour, second, {8, 24, 57, 20}, "日付");
        Add(Ok, Handle(), {16, 153, 57, 25}, "確定");
        Add(Cancel, Handle(), {88, 153, 57, 25}, "閉じる");
        Add(Note, Handle(), {150, 156, 45, 12}, "注");
        Note.SetFont(ui::ToLogFont(LabelFont{})); // -27
        SetKeyboardPages(&Pages);
    }
    ui::PageControl Pages;
    ui::CheckBox Box;
    ui::RadioGroup Group;
    ui::ScrollBar Bar;
    ui::ColourButton Colour;
    ui::PushButton Ok, Cancel;
    ui::StaticText Note; // in a font of its own
};

// A window's rectangle in its parent's client coordinates (the form's own: its client area), and
// the height of the font it draws in (0: none).
std::pair<std::vector<LONG>, LONG> PlaceAndFont(HWND hwnd, HWND form) {
    RECT r{};
    if (hwnd == form) {
        ::GetClientRect(hwnd, &r);
    } else {
        ::GetWindowRect(hwnd, &r);
        ::MapWindowPoints(nullptr, ::GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    }
    LOGFONTA font{};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(hwnd, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return {{r.left, r.top, r.right, r.bottom}, font.lfHeight};
}

// WM_DPICHANGED as the system sends it, with the frame it suggests.
void SendDpiChange(HWND hwnd, int dpi, const RECT& suggested) {
    ::SendMessageA(hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

struct DialogDpi {
    explicit DialogDpi(int dpi) { ui::SetDialogDpi(dpi); }
    ~DialogDpi() { ui::SetDialogDpi(0); }
};

TEST(FormControls, CheckBoxRunsItsClickHandlerExactlyWhenTheStateChanges) {
    SampleForm form;
    int clicks = 0;
    form.Box.OnClick = [&] { ++clicks; };
    // From code, in sequence: (set to, clicks so far); then the user's click.
    const std::pair<bool, int> steps[] = {{false, 0}, {true, 1}, {true, 1}, {false, 2}};
    for (const auto& [to, total] : steps) {
        form.Box.SetChecked(to);
        EXPECT_EQ(form.Box.Checked(), to);
        EXPECT_EQ(clicks, total) << "set to " << to;
    }
    ::SendMessageA(form.Box.Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(form.Box.Checked());
    EXPECT_EQ(clicks, 3);
}

TEST(FormControls, ScrollBarClampsAndRunsItsChangeHandlerOnlyOnARealChange) {
    SampleForm form; // range -5..10, at 0
    int changes = 0;
    form.Bar.OnChange = [&] { ++changes; };
    // A position set from code (kCode) or the user's scroll code: where the bar ends, changes so far.
    constexpr int kCode = -1;
    struct Step {
        int code, set, position, total;
    } steps[] = {{kCode, 0, 0, 0},        {kCode, 3, 3, 1},         {kCode, 3, 3, 1},
                 {kCode, 12, 10, 2},      {kCode, 15, 10, 2},       {kCode, -9, -5, 3},
                 {SB_LINELEFT, 0, -5, 3}, {SB_LINERIGHT, 0, -4, 4}, {SB_PAGERIGHT, 0, -3, 5},
                 {SB_PAGELEFT, 0, -4, 6}, {SB_RIGHT, 0, 10, 7},     {SB_LINERIGHT, 0, 10, 7}};
    for (const Step& s : steps) {
        if (s.code == kCode)
            form.Bar.SetPosition(s.set);
        else
            ::SendMessageA(form.Pages.Page(1), WM_HSCROLL, s.code,
                           reinterpret_cast<LPARAM>(form.Bar.Handle()));
        EXPECT_EQ(form.Bar.Position(), s.position) << s.set << "/" << s.code;
        EXPECT_EQ(::GetScrollPos(form.Bar.Handle(), SB_CTL), s.position);
        EXPECT_EQ(changes, s.total) << s.set << "/" << s.code;
    }
}

TEST(FormControls, RadioGroupLaysOutItsItemsAndRunsItsHandlerOnAChangeOfChoice) {
    // 172 x 76 with a 12-pixel line, two columns: columns of 81 from 8, rows of (76 - 12 - 5) / 3
    // = 19 from 12 + 1 + (59 % 3) / 2 = 14; item 4 is the second of the right-hand column.
    EXPECT_EQ(ui::RadioItemPlace(172, 76, 12, 5, 2, 0), (ui::Place{8, 14, 81, 19}));
    EXPECT_EQ(ui::RadioItemPlace(172, 76, 12, 5, 2, 4), (ui::Place{89, 33, 81, 19}));
    EXPECT_EQ(ui::RadioItemPlace(185, 41, 12, 2, 2, 1), (ui::Place{95, 13, 87, 24})); // one row

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
    form.Group.SetItemIndex(3);
    form.Group.SetItemIndex(3);
    EXPECT_EQ(checked(), std::vector<int>{3});
    ::SendMessageA(form.Group.ItemHandle(1), BM_CLICK, 0, 0); // the user's click
    EXPECT_EQ(form.Group.ItemIndex(), 1);
    form.Group.SetVisible(false);
    EXPECT_FALSE(::GetWindowLongA(form.Group.ItemHandle(4), GWL_STYLE) & WS_VISIBLE);
    form.Group.SetVisible(true);
    form.Group.SetItemIndex(-1);
    EXPECT_TRUE(checked().empty());
    EXPECT_EQ(clicks, 3);
}

TEST(FormControls, DialogKeysFollowTheTabOrderTurnPagesMoveTheChoiceAndPressOnlyTheFocusedButton) {
    SampleForm form;
    int okClicks = 0;
    form.Ok.OnClick = [&] { ++okClicks; };
    struct Key {
        WPARAM key;
        bool control, shift;
        HWND focusAfter;
    } keys[] = {
        {VK_TAB, false, false, form.Box.Handle()},        // the tabs had the focus; then the shown page
        {VK_TAB, false, false, form.Group.ItemHandle(0)}, // a group without a choice at its first item
        {VK_DOWN, false, false, form.Group.ItemHandle(1)},
        {VK_RETURN, false, false, form.Group.ItemHandle(1)}, // no default button
        {VK_ESCAPE, false, false, form.Group.ItemHandle(1)}, // no cancel button
        {VK_TAB, false, false, form.Ok.Handle()},
        {VK_RETURN, false, false, form.Ok.Handle()}, // presses the focused button
        {VK_TAB, true, false, form.Ok.Handle()},     // Ctrl+Tab: the next page
        {VK_TAB, false, true, form.Colour.Handle()}, // Shift+Tab: back into the page now shown
        {VK_TAB, false, true, form.Bar.Handle()},
    };
    std::vector<HWND> focus;
    Script script([&](int n) {
        const std::size_t i = static_cast<std::size_t>(n);
        if (i > 0 && i <= std::size(keys))
            focus.push_back(::GetFocus()); // after key i - 1
        if (i < std::size(keys)) {
            SetModifierKeys(keys[i].control, keys[i].shift);
            ::PostMessageA(::GetFocus(), WM_KEYDOWN, keys[i].key, 0);
        } else {
            form.Close();
        }
    });
    form.ShowModal();
    SetModifierKeys(false, false);
    ASSERT_EQ(focus.size(), std::size(keys));
    for (std::size_t i = 0; i < focus.size(); ++i)
        EXPECT_EQ(focus[i], keys[i].focusAfter) << "after key " << i;
    EXPECT_EQ(form.Group.ItemIndex(), 1);
    EXPECT_EQ(form.Pages.ActivePageIndex(), 1);
    EXPECT_EQ(okClicks, 1);
}

TEST(FormControls, AtAnotherDpiEveryControlIsLaidOutAgainAndBackAtTheFirstItIsWhereItWas) {
    const DialogDpi at96(96);
    SampleForm form;
    const HWND f = form.Handle(), page = form.Pages.Page(0);
    // In its parent's client coordinates, its design place's edges at 144 dpi, and its font's
    // height there. (*) The items are placed for the font's line height, 12 or 13 pixels at 96 dpi
    // from 18 or 19 at 144: either way item 4 is at {97, 61, 81, 19} on the first page.
    const struct {
        HWND control;
        std::vector<LONG> place;
        LONG font;
    } rows[] = {
        {f, {0, 0, 300, 270}, 0},                             // the client area, 200 x 180
        {form.Pages.Handle(), {8, 8, 293, 225}, -18},         // {5, 5, 190, 145}
        {form.Box.Handle(), {12, 12, 158, 38}, -18},          // {8, 8, 97, 17}
        {form.Group.ItemHandle(4), {146, 92, 267, 120}, -18}, // *
        {form.Bar.Handle(), {12, 12, 194, 26}, 0},            // {8, 8, 121, 9}
        {form.Cancel.Handle(), {132, 230, 218, 267}, -18},    // {88, 153, 57, 25}
        {form.Note.Handle(), {225, 234, 293, 252}, -41},      // {150, 156, 45, 12}, its own -27
    };
    std::vector<std::pair<std::vector<LONG>, LONG>> before;
    for (const auto& row : rows)
        before.push_back(PlaceAndFont(row.control, f));
    const std::vector<LONG> pageBefore = PlaceAndFont(page, f).first;
    RECT frame{}, moved{};
    ::GetWindowRect(f, &frame);
    const RECT suggested{frame.left + 10, frame.top + 20,
                         frame.left + 10 + (frame.right - frame.left) * 3 / 2,
                         frame.top + 20 + (frame.bottom - frame.top) * 3 / 2};
    SendDpiChange(f, 144, suggested);
    ::GetWindowRect(f, &moved);
    EXPECT_EQ(std::pair(moved.left, moved.top), std::pair(suggested.left, suggested.top));
    for (const auto& row : rows)
        EXPECT_EQ(PlaceAndFont(row.control, f), std::pair(row.place, row.font))
            << ::GetDlgCtrlID(row.control);
    const std::vector<LONG> area = PlaceAndFont(page, f).first; // inside the strip, below its taller tabs
    EXPECT_TRUE(area[0] > 8 && area[1] > pageBefore[1] && area[2] < 293 && area[3] < 225);

    SendDpiChange(f, 96, frame);
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(PlaceAndFont(rows[i].control, f), before[i]) << i;
    EXPECT_EQ(PlaceAndFont(page, f).first, pageBefore);
}

TEST(FormControls, TheAlarmBoxIsLaidOutAgainAtAnotherDpiAndBackAtTheFirst) {
    const DialogDpi at96(96);
    TAlarmBox box(TestApplication(), "起きる時間です。");
    ASSERT_TRUE(box.Create());
    const HWND b = box.Handle(),
               parts[] = {b, box.Image1.Handle(), box.Label1.Handle(), box.Button1.Handle()};
    std::vector<std::pair<std::vector<LONG>, LONG>> before;
    for (HWND part : parts)
        before.push_back(PlaceAndFont(part, b));
    RECT frame{};
    ::GetWindowRect(b, &frame);
    SendDpiChange(b, 144, RECT{frame.left, frame.top, frame.right + 100, frame.bottom + 50});
    const LONG width = PlaceAndFont(b, b).first[2], icon = ui::SystemMetricForDpi(SM_CXICON, 144);
    EXPECT_NEAR(width, before[0].first[2] * 3 / 2, before[0].first[2] / 10) << "1.5 times as wide";
    EXPECT_EQ(PlaceAndFont(parts[1], b).first, (std::vector<LONG>{18, 18, 18 + icon, 18 + icon}))
        << "margin 12";
    EXPECT_NEAR(PlaceAndFont(parts[3], b).second, before[3].second * 3 / 2, 1);
    SendDpiChange(b, 96, frame);
    for (std::size_t i = 0; i < std::size(parts); ++i)
        EXPECT_EQ(PlaceAndFont(parts[i], b), before[i]) << i;
}

TEST(FormControls, AFailingHandlerIsReportedAndTheFormStaysOpen) {
    SampleForm form;
    form.Ok.OnClick = [] { throw std::runtime_error("だめ"); };
    bool openAfter = false;
    const bool reported = AnswerNextDialog(IDOK, [&] {
        ::SendMessageA(form.Ok.Handle(), BM_CLICK, 0, 0);
        openAfter = ::IsWindow(form.Handle()) && !form.Closed();
    });
    EXPECT_TRUE(reported);
    EXPECT_TRUE(openAfter);
}

TEST(FormControls, ColourButtonDrawsItsCaptionInItsColour) {
    SampleForm form;
    form.Pages.SetActivePageIndex(1);
    auto pixelsOf = [&](COLORREF colour) {
        ::UpdateWindow(form.Colour.Handle());
        const ui::WindowDc dc(form.Colour.Handle());
        int count = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 57; ++x)
                count += ::GetPixel(dc.get(), x, y) == colour;
        return count;
    };
    std::vector<int> counts;
    Script script([&](int n) {
        if (n == 1) {
            form.Colour.SetColour(clRed);
            counts.push_back(pixelsOf(RGB(255, 0, 0)));
            form.Colour.SetColour(0xFF0000); // blue
            counts.push_back(pixelsOf(RGB(0, 0, 255)));
            counts.push_back(pixelsOf(RGB(255, 0, 0)));
            form.Close();
        }
    });
    form.ShowModal();
    ASSERT_EQ(counts.size(), 3u);
    EXPECT_GT(counts[0], 5);
    EXPECT_GT(counts[1], 5);
    EXPECT_EQ(counts[2], 0);
}

TEST(FormControls, FontPickerAsksForScreenFontsWithoutEffectsAndLeavesTheFontOnCancel) {
    LOGFONTW wideFont{};
    const CHOOSEFONTW fontOptions = ui::FontDialog().Options(nullptr, wideFont);
    EXPECT_EQ(fontOptions.Flags & (CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS | CF_LIMITSIZE),
              static_cast<DWORD>(CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT));
    static const char kWave[] = "WAVEファイル\0*.wav\0";
    static const char kPops[] = "ポップ音\0*.wav\0"; // "ポ" is 0x83 0x7C: its second byte looks like '|'
    const std::pair<const char*, std::string> filters[] = {
        {"WAVEファイル|*.wav", std::string(kWave, sizeof kWave)},
        {"ポップ音|*.wav", std::string(kPops, sizeof kPops)},
    };
    for (const auto& [filter, platform] : filters)
        EXPECT_EQ(ui::OpenDialog(filter).PlatformFilter(), platform) << filter;

    SampleForm form;
    bool confirmed = true;
    // A face the picker does not list is no reason to fail, and a cancel leaves every byte.
    LOGFONTA font{};
    font.lfHeight = -20;
    lstrcpynA(font.lfFaceName, "どこにもない書体", LF_FACESIZE);
    const LOGFONTA before = font;
    EXPECT_TRUE(
        AnswerNextDialog(IDCANCEL, [&] { confirmed = ui::FontDialog().Execute(form.Handle(), font); }));
    EXPECT_FALSE(confirmed);
    EXPECT_EQ(std::memcmp(&font, &before, sizeof(font)), 0);
    // Confirmed as it opened, on a face it could not show: the font keeps its face and size.
    ui::FontDialog picker;
    EXPECT_TRUE(AnswerNextDialog(IDOK, [&] { picker.Execute(form.Handle(), font); }));
    EXPECT_EQ(std::string(font.lfFaceName), "どこにもない書体");
    EXPECT_EQ(font.lfHeight, -20);
    EXPECT_EQ(picker.ChosenSizeTenths(), 0);
}

} // namespace
