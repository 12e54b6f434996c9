#include "app/App.h"

TApp::TApp() {
    const LONG exStyle = ::GetWindowLongA(AppWindow(), GWL_EXSTYLE);
    ::SetWindowLongA(AppWindow(), GWL_EXSTYLE, exStyle | WS_EX_TOOLWINDOW);
}
