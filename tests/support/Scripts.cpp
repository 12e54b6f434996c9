#include "support/Scripts.h"
#include "support/WindowInfo.h"

#include <gtest/gtest.h>

namespace testsupport {

Script::Script(std::function<void(int)> step) : step_(std::move(step)) {
    current = this;
    id_ = ::SetTimer(nullptr, 0, 30, &Script::Tick);
}

Script::~Script() {
    ::KillTimer(nullptr, id_);
    current = nullptr;
}

void CALLBACK Script::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (current)
        current->step_(current->n_++);
}

ModalScript::ModalScript(std::vector<std::function<bool()>> steps) : steps_(std::move(steps)) {
    current_ = this;
    timer_ = ::SetTimer(nullptr, 0, 50, &ModalScript::OnTimer);
}

ModalScript::~ModalScript() {
    ::KillTimer(nullptr, timer_);
    current_ = nullptr;
}

void CALLBACK ModalScript::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    ModalScript* self = current_;
    if (!self || self->running_ || self->Finished())
        return;
    self->running_ = true; // a step may run a nested loop of its own
    if (self->steps_[self->next_]()) {
        ++self->next_;
        self->tries_ = 0;
    } else if (++self->tries_ > 100) {
        ADD_FAILURE() << "step " << self->next_ << " never came true";
        self->next_ = self->steps_.size();
        for (HWND box : BoxesOfThisThread())
            ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    self->running_ = false;
}

std::vector<HWND> BoxesOfThisThread() {
    std::vector<HWND> boxes;
    for (HWND w : ThreadWindows("#32770"))
        if (::IsWindowVisible(w))
            boxes.push_back(w);
    return boxes;
}

} // namespace testsupport
