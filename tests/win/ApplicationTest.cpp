// The application object's message loop.
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace wintest;

namespace {

// A system loop of its own (a window drag, for one) ends on WM_QUIT and takes it off the queue:
// the loop outside must still end once the main window is gone.
TEST(Application, LoopEndsWithTheMainWindowWhenANestedLoopTookTheQuit) {
    ui::Application& app = TestApplication();
    const HWND previous = app.MainWindow();
    HWND main = ::CreateWindowExA(0, "STATIC", "main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(main, nullptr);
    app.SetMainWindow(main);
    Script script([&](int n) {
        if (n == 0) {
            ::DestroyWindow(main);
            ::PostQuitMessage(0);
            MSG msg;
            while (::GetMessageA(&msg, nullptr, 0, 0) > 0) // ends on the WM_QUIT and drops it
                ::DispatchMessageA(&msg);
        } else if (n > 60) {
            ::PostQuitMessage(7); // never hang the test run
        }
    });
    EXPECT_EQ(app.Run(), 0) << "the loop went on after the main window was gone";
    app.SetMainWindow(previous);
}

} // namespace
