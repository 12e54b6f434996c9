#include "TestSupport.h"
#include "support/Files.h"
#include "support/WindowInfo.h"

#include <memory>

namespace wintest {

ui::Application& TestApplication() {
    static std::unique_ptr<ui::Application> app = [] {
        auto a = std::make_unique<ui::Application>();
        a->SetTitle("Morovin");
        return a;
    }();
    return *app;
}

SYSTEMTIME MakeTime(int year, int month, int day, int dayOfWeek, int hour, int minute, int second) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(year);
    st.wMonth = static_cast<WORD>(month);
    st.wDay = static_cast<WORD>(day);
    st.wDayOfWeek = static_cast<WORD>(dayOfWeek);
    st.wHour = static_cast<WORD>(hour);
    st.wMinute = static_cast<WORD>(minute);
    st.wSecond = static_cast<WORD>(second);
    return st;
}

std::string TestProgramPath() {
    char path[MAX_PATH * 2] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

std::string TestSettingsFile() {
    const std::string s = TestProgramPath();
    return s.substr(0, s.rfind('.')) + ".ini";
}

void RemoveTestSettingsFile() {
    testsupport::RemoveTree(TestSettingsFile());
}

std::string TestSettingsBytes() {
    return testsupport::FileBytes(TestSettingsFile(), "");
}

HWND OpenDialogOfThisThread(const char* caption) {
    for (HWND w : testsupport::ThreadWindows("#32770"))
        if (::IsWindowVisible(w) && (!caption || testsupport::TextOf(w) == caption))
            return w;
    return nullptr;
}

bool AnswerOpenDialog(int id) {
    HWND dialog = OpenDialogOfThisThread();
    if (!dialog)
        return false;
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    return true;
}

bool AnswerNextDialog(int answer, const std::function<void()>& open) {
    bool answered = false;
    Script script([&](int n) {
        if (!answered)
            answered = AnswerOpenDialog(answer);
        else if (n > 150)
            AnswerOpenDialog(IDCANCEL); // never hang the run
    });
    open();
    return answered;
}

void SetModifierKeys(bool control, bool shift) {
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = control ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

void PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& done, int ms) {
    const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(ms);
    while (!done()) {
        if (::GetTickCount64() >= end)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        PumpMessages();
    }
    return true;
}

} // namespace wintest
