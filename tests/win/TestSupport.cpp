#include "TestSupport.h"

#include <fstream>
#include <memory>
#include <sstream>

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

std::string TestSettingsFile() {
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s = path;
    return s.substr(0, s.rfind('.')) + ".ini";
}

void RemoveTestSettingsFile() {
    ::SetFileAttributesA(TestSettingsFile().c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA(TestSettingsFile().c_str());
}

std::string TestSettingsBytes() {
    std::ifstream in(TestSettingsFile(), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

} // namespace wintest
