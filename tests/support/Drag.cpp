#include "support/Drag.h"

namespace testsupport {

POINT DragWithLeftButton(POINT from, int dx, int dy) {
    const int w = ::GetSystemMetrics(SM_CXSCREEN), h = ::GetSystemMetrics(SM_CYSCREEN);
    auto input = [&](int x, int y, DWORD flags) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dx = (x * 65536 + w / 2) / w;
        in.mi.dy = (y * 65536 + h / 2) / h;
        in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
        ::SendInput(1, &in, sizeof(in));
        ::Sleep(30);
    };
    input(from.x, from.y, 0);
    POINT pressed{}, released{};
    ::GetCursorPos(&pressed);
    input(from.x, from.y, MOUSEEVENTF_LEFTDOWN);
    for (int step = 1; step <= 8; ++step)
        input(from.x + dx * step / 8, from.y + dy * step / 8, 0);
    ::GetCursorPos(&released);
    input(from.x + dx, from.y + dy, MOUSEEVENTF_LEFTUP);
    return POINT{released.x - pressed.x, released.y - pressed.y};
}

} // namespace testsupport
