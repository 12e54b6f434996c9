#include "ClockCommandsFixture.h"

#include "support/Scripts.h"

namespace wintest {

MoveRecorder::MoveRecorder(HWND hwnd) {
    target = hwnd;
    lefts.clear();
    hook_ = ::SetWindowsHookExA(WH_CALLWNDPROC, &MoveRecorder::Hook, nullptr, ::GetCurrentThreadId());
}

MoveRecorder::~MoveRecorder() {
    ::UnhookWindowsHookEx(hook_);
}

LRESULT CALLBACK MoveRecorder::Hook(int code, WPARAM wp, LPARAM lp) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && m->hwnd == target && m->message == WM_WINDOWPOSCHANGED) {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(m->lParam);
        if (!(pos->flags & SWP_NOMOVE))
            lefts.push_back(pos->x);
    }
    return ::CallNextHookEx(nullptr, code, wp, lp);
}

void ClockCommandsTest::SetUp() {
    ClockFixture::SetUp();
    MakeClock();
    ShowClock();
}

void ClockCommandsTest::TearDown() {
    clock_.reset();
    PumpMessages();
    ClockFixture::TearDown();
}

void ClockCommandsTest::WhileDialogOpen(const char* className, const std::function<void()>& command,
                                        const std::function<void(HWND)>& whenOpen,
                                        const std::function<void(HWND)>& thenClose) {
    int openedAt = -1;
    bool closing = false;
    testsupport::Script script([&](int n) {
        const std::vector<HWND> open = testsupport::ThreadWindows(className);
        if (openedAt < 0 && !open.empty() && ::IsWindowVisible(open.front())) {
            openedAt = n;
            whenOpen(open.front());
        } else if (openedAt >= 0 && n == openedAt + 2 && !closing && !open.empty()) {
            closing = true; // the steps 30 ms apart: what `whenOpen` posted has been handled
            thenClose(open.front());
        } else if (n > 40) {
            for (HWND dialog : open)
                ::PostMessageA(dialog, WM_CLOSE, 0, 0);
        }
    });
    command();
}

void ClockCommandsTest::TickBehindTheDialog() {
    now_ = MakeTime(2026, 1, 5, 1, 13, 29, 59);
    ::PostMessageA(ClockHwnd(), WM_TIMER, 1, 0);
}

} // namespace wintest
