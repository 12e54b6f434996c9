#pragma once
// TPosForm: the Position dialog "表示位置調整". Choosing an item of its radio group moves the clock
// window at once to a corner of the monitor it is on, clear of the task bar, or back where it
// stood when the dialog opened; its button only closes it. It never writes the settings file.
#include "clock/Monitors_win.h"
#include "clock/PositionPlacement.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/RadioGroup.h"

#include <functional>

// What the dialog needs of the clock window: where it stands and how large it is, and moving its
// left or its top alone (each a move of the window; the same value again moves nothing).
struct ClockWindowMover {
    std::function<RECT()> bounds;
    std::function<void(int)> setLeft;
    std::function<void(int)> setTop;
};

class TPosForm : public ui::Form {
public:
    // The monitor a clock whose window is at the given rectangle is placed on.
    using ScreenReader = std::function<PlacementArea(const RECT& clock)>;
    // `screen` is asked afresh for every placement.
    TPosForm(ui::Application& app, ClockWindowMover clock, ScreenReader screen = ReadPlacementArea);
    // The form's window goes first, so no control's end is seen by a live dialog.
    ~TPosForm() override;

    ui::RadioGroup RadioGroup1;
    ui::PushButton Button1;
    // The clock's left and top when the dialog was created: where "現在の位置" puts it back.
    PlacementPoint OpeningPosition{};

    void FormCreate();
    void RadioGroup1Click();
    void Button1Click();

    static constexpr int kClientWidth = 182;
    static constexpr int kClientHeight = 111;

private:
    // Moves the clock for `item` by its size now; returns that size.
    SIZE Place(int item);

    ClockWindowMover clock_;
    ScreenReader screen_;
};

// The Position dialog while a command has it open.
extern TPosForm* PosForm;
