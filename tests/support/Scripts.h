#pragma once
// Test steps run from a thread timer, inside whatever modal loop the code under test runs on the
// test's thread (a message box, a dialog, a menu).
#include <windows.h>

#include <cstddef>
#include <functional>
#include <vector>

namespace testsupport {

// Runs `step(n)` every 30 ms (n = 0, 1, ...) on this thread while a modal loop is running.
class Script {
public:
    explicit Script(std::function<void(int)> step);
    ~Script();
    Script(const Script&) = delete;
    Script& operator=(const Script&) = delete;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    static inline Script* current = nullptr;
    std::function<void(int)> step_;
    UINT_PTR id_ = 0;
    int n_ = 0;
};

// Runs `steps` in order. A step is retried every 50 ms until it returns true; a step that never
// does within 5 s fails the test and every box is closed, so a fault never hangs the run.
class ModalScript {
public:
    explicit ModalScript(std::vector<std::function<bool()>> steps);
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;
    bool Finished() const { return next_ == steps_.size(); }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    static inline ModalScript* current_ = nullptr;
    std::vector<std::function<bool()>> steps_;
    std::size_t next_ = 0;
    int tries_ = 0;
    bool running_ = false;
    UINT_PTR timer_ = 0;
};

// Visible dialog-class windows ('#32770') of this thread: message boxes, the alarm box, pickers.
std::vector<HWND> BoxesOfThisThread();

} // namespace testsupport
