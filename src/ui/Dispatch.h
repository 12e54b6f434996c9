#pragma once
// Every event handler runs through Dispatch: an error it raises ends only that handler and is
// shown by the application's error report, and the program goes on.
#include <exception>
#include <string>

namespace ui {

void ReportError(const std::string& message); // Application's error report (Application.cpp)

template <typename Handler> void Dispatch(Handler&& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& e) {
        ReportError(e.what());
    } catch (...) {
        ReportError("原因不明のｴﾗｰ");
    }
}

} // namespace ui
