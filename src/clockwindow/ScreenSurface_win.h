#pragma once
// What screen mode's two layered pictures share: the labels' picture of the whole window, of which
// an update draws and hands over only the area that changed; all of it when the window's size
// changed or the window does not show this picture yet. The window never hides for it, and no
// window beneath is asked to repaint: the system shows them between the letters itself.
#include "clockwindow/CoveragePicture_win.h"

#include <functional>

class ScreenSurface {
public:
    virtual ~ScreenSurface() = default;

    // Draws `area` (client coordinates) of a width x height window through `draw`, which paints
    // onto the DC it is given, and shows it. False when the system refuses the layered window.
    virtual bool Update(HWND hwnd, int width, int height, RECT area,
                        const std::function<void(HDC)>& draw) = 0;
    // The window's picture is gone (the layered style was off): the next update is whole.
    void Forget() { shown_ = false; }
    bool Shown() const { return shown_; }

protected:
    // Whether an update draws the whole picture: the window does not show it yet, or its size changed.
    bool WholeAt(int width, int height) const { return !shown_ || width != width_ || height != height_; }
    // The picture is on the window now, at this size.
    void MarkShown(int width, int height) {
        shown_ = true;
        width_ = width;
        height_ = height;
    }

    CoveragePicture picture_;

private:
    bool shown_ = false;
    int width_ = 0, height_ = 0;
};
