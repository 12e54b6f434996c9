#pragma once
// Windows of known content for the painting tests: a solid-colour top-level window that runs on
// a thread of its own, as another program's window would, so that the clock can make it repaint
// at once while the test thread is busy or asleep.
#include <windows.h>

namespace testsupport {

class ColourWindow {
public:
    enum class Loop {
        Normal,   // paints whenever it is invalidated, like any program
        SentOnly, // answers only sent messages: it paints only when another thread makes it paint
                  // at once (UpdateWindow), never by itself after a mere invalidation
    };
    // A popup window of `colour` at `area` (screen coordinates), shown without activation unless
    // `visible` is false.
    ColourWindow(const RECT& area, COLORREF colour, bool visible = true, Loop loop = Loop::Normal);
    ~ColourWindow();
    ColourWindow(const ColourWindow&) = delete;
    ColourWindow& operator=(const ColourWindow&) = delete;

    HWND Handle() const { return hwnd_; }
    // Paints itself in `colour` at once.
    void SetColour(COLORREF colour);
    // How many times it has painted something since it was shown, other than for SetColour, and
    // the update rectangle of the last such paint in client coordinates. A WM_PAINT with nothing
    // left to paint (another thread's UpdateWindow that came just after the window painted the
    // same area by itself) is not counted.
    int Paints() const;
    RECT LastPaint() const;
    // From now on each counted paint notes whether `other` was visible at that moment.
    void Watch(HWND other);
    bool WatchedWasVisible() const;
    // Makes it the foreground window; false if it did not become so within a second.
    bool TakeForeground() const;

private:
    static DWORD WINAPI Run(LPVOID self);
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);

    RECT area_;
    COLORREF colour_;
    bool visible_;
    Loop loop_;
    bool closed_ = false;
    HWND hwnd_ = nullptr;
    HANDLE ready_ = nullptr;
    HANDLE thread_ = nullptr;
    // Owned by the window's thread; read through messages sent to it.
    int paints_ = 0;
    bool settingColour_ = false;
    RECT lastPaint_{};
    HWND watched_ = nullptr;
    bool watchedVisible_ = false;
};

} // namespace testsupport
