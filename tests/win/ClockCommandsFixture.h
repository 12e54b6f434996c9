#pragma once
// A shown clock in-process for its commands, with what their tests share: the clock's moves,
// the windows of a class on this thread, and a dialog command driven while its dialog is open.
#include "ClockFixture.h"
#include "support/WindowInfo.h"

#include <functional>
#include <vector>

namespace wintest {

// Records the left edge of every move of one window on this thread.
class MoveRecorder {
public:
    explicit MoveRecorder(HWND hwnd);
    ~MoveRecorder();
    MoveRecorder(const MoveRecorder&) = delete;
    MoveRecorder& operator=(const MoveRecorder&) = delete;
    static inline std::vector<int> lefts;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp);
    static inline HWND target = nullptr;
    HHOOK hook_ = nullptr;
};

class ClockCommandsTest : public ClockFixture {
protected:
    void SetUp() override;
    void TearDown() override;
    TWobToke& Clock() { return *clock_; }
    HWND ClockHwnd() { return clock_->Handle(); }

    // Runs `command`, which shows a dialog of `className` modally and returns once it is gone.
    // Once the dialog is there `whenOpen` runs, given the dialog; the messages it posts are
    // handled; then `thenClose` runs, which is to close it. A dialog still open a second later
    // gets WM_CLOSE, so a fault never hangs the run.
    void WhileDialogOpen(const char* className, const std::function<void()>& command,
                         const std::function<void(HWND)>& whenOpen,
                         const std::function<void(HWND)>& thenClose);
    // A tick behind an open dialog, one second on: the clock shows 13:29:59 once it has run.
    void TickBehindTheDialog();
    bool Ticked() { return Clock().Face().TimeLbl.Caption() == "13:29:59"; }
};

} // namespace wintest
