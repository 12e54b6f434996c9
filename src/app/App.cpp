#include "app/App.h"

TApp::TApp() {
    const LONG exStyle = ::GetWindowLongW(AppWindow(), GWL_EXSTYLE);
    ::SetWindowLongW(AppWindow(), GWL_EXSTYLE, exStyle | WS_EX_TOOLWINDOW);
}
