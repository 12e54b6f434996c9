// The Position dialog in-process: the clock's moves on each choice, the layout, and the keys.
#include "TestSupport.h"
#include "dialogs/PosForm.h"
#include "ui/Handles.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace wintest;

namespace {

using Moves = std::vector<std::string>;

// A 1024 x 768 screen with a task bar 30 high on top: every corner differs from the flush one.
PlacementArea TopTaskBar(const RECT&) {
    return PlacementArea{
        {{1024, 768, 1024, 719, 19}, ScreenRect{-2, -2, 1026, 30}, ScreenRect{0, 30, 1024, 768}}, {}};
}

// Stands in for a 200 x 40 clock window: notes each move asked for, "L<left>" or "T<top>".
struct FakeClock {
    RECT rect{0, 0, 200, 40};
    Moves moves;
    int growOnMove = 0; // moves after which the clock is 300 x 60, as on a monitor at 150 %
    ClockWindowMover Mover() {
        auto note = [this](const char* what, int value, int dx, int dy) {
            moves.push_back(what + std::to_string(value));
            ::OffsetRect(&rect, dx, dy);
            if (growOnMove > 0 && --growOnMove == 0)
                rect = RECT{rect.left, rect.top, rect.left + 300, rect.top + 60};
        };
        return ClockWindowMover{[this] { return rect; }, [=, this](int l) { note("L", l, l - rect.left, 0); },
                                [=, this](int t) { note("T", t, 0, t - rect.top); }};
    }
    Moves Take() { return std::exchange(moves, {}); }
};

TEST(PosForm, TheInitialItemIsPlacedAtOnceAndEachNewChoiceMovesTheClock) {
    FakeClock clock; // at (0, 0): the upper left, which goes below the task bar, top first
    TPosForm form(TestApplication(), clock.Mover(), TopTaskBar);
    EXPECT_EQ(form.OpeningPosition, (PlacementPoint{0, 0}));
    EXPECT_EQ(form.RadioGroup1.ItemIndex(), kUpperLeft);
    EXPECT_EQ(clock.Take(), (Moves{"T30", "L0"}));
    const std::pair<int, Moves> steps[] = {
        {kUpperRight, {"L824", "T30"}},
        {kUpperRight, {}}, // the selected item again does nothing
        {kOpeningPosition, {"L0", "T0"}},
        {kLowerRight, {"L824", "T698"}},
        {kLowerLeft, {"L0", "T728"}},
        {kOpeningPosition, {"L0", "T0"}}, // back where it stood when the dialog opened
    };
    for (const auto& [item, moves] : steps) {
        ::SendMessageA(form.RadioGroup1.ItemHandle(item), BM_CLICK, 0, 0); // the user's click
        EXPECT_EQ(clock.Take(), moves) << "item " << item;
    }
}

TEST(PosForm, AMoveThatChangesTheClocksSizePlacesItOnceMore) {
    FakeClock clock;
    clock.rect = RECT{100, 100, 300, 140}; // not in a corner: nothing moves at the start
    TPosForm form(TestApplication(), clock.Mover(), TopTaskBar);
    EXPECT_EQ(clock.Take(), (Moves{"L100", "T100"})); // the opening position: where it stands
    clock.growOnMove = 1;
    ::SendMessageA(form.RadioGroup1.ItemHandle(kLowerRight), BM_CLICK, 0, 0);
    EXPECT_EQ(clock.Take(), (Moves{"L824", "T698", "L724", "T678"})) << "the corner for 300 x 60";
}

TEST(PosForm, EveryItemShowsItsWholeCaptionBelowTheGroupsCaptionAndTheButtonIsBelowTheGroup) {
    FakeClock clock;
    TPosForm form(TestApplication(), clock.Mover(), TopTaskBar);
    auto place = [&](HWND h) {
        RECT r{};
        ::GetWindowRect(h, &r);
        ::MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    RECT client{};
    ::GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, 182);
    EXPECT_EQ(client.bottom, 111);
    const RECT group = place(form.RadioGroup1.Handle()), button = place(form.Button1.Handle());
    EXPECT_TRUE(button.top >= group.bottom && button.bottom <= client.bottom && group.right <= client.right);

    ui::WindowDc dc(form.Handle());
    ui::SelectedObject font(dc.get(), form.DialogFont());
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc.get(), &metrics);
    for (int i = 0; i < form.RadioGroup1.Count(); ++i) {
        const RECT r = place(form.RadioGroup1.ItemHandle(i));
        char caption[32] = {};
        SIZE text{};
        ::GetTextExtentPoint32A(dc.get(), caption,
                                ::GetWindowTextA(form.RadioGroup1.ItemHandle(i), caption, sizeof(caption)),
                                &text);
        EXPECT_TRUE(r.top > group.top + metrics.tmHeight && r.bottom <= group.bottom &&
                    r.right <= group.right)
            << i;
        EXPECT_LE(::GetSystemMetrics(SM_CXMENUCHECK) + 4 + text.cx, r.right - r.left)
            << caption << " is cut off";
    }
}

TEST(PosForm, EnterClosesOnlyOnTheButtonAndEscNever) {
    FakeClock clock;
    TPosForm form(TestApplication(), clock.Mover(), TopTaskBar);
    HWND item = form.RadioGroup1.ItemHandle(kUpperLeft), button = form.Button1.Handle();
    const std::pair<HWND, WPARAM> keys[] = {
        {item, VK_RETURN}, {item, VK_ESCAPE}, {button, VK_ESCAPE}, {button, VK_RETURN}};
    int pressed = 0;
    bool closedByTest = false;
    Script script([&](int n) {
        if (n < 4) {
            ::SetFocus(keys[n].first);
            ::PostMessageA(keys[n].first, WM_KEYDOWN, keys[n].second, 0);
            pressed = n + 1;
        } else {
            closedByTest = true;
            form.Close();
        }
    });
    form.ShowModal();
    EXPECT_EQ(pressed, 4) << "closed by key " << pressed;
    EXPECT_FALSE(closedByTest) << "Enter on the button left the dialog open";
}

} // namespace
