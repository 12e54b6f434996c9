#pragma once
// TWobToke: the clock window. A borderless see-through window that shows the clock face, runs
// the one-second tick and owns the tray icon, the popup menu and the chime. What it holds is only
// what the window itself must: its owners do the work, each in a room of its own:
//   ClockFace (src/clock)   the three labels: texts of one reading, italic widths, layout
//   SeeThrough_win          painting state and paths: layered, keyed, captured, wallpaper
//   Chime_win               the alarm and time-signal checks and the wave player
//   TrayIcon_win            the tray icon's registration and picture
//   SessionNotices_win      the session's lock and unlock notices
// Its handlers are spread over files by concern:
//   ClockWindow_win.cpp     creation, layout, tick, geometry, closing, message routing
//   ClockPlacement_win.cpp  keeping the clock on its monitor's work area as its size changes
//   ClockTickAim_win.cpp    aiming each tick at the turn of the second; clock changes and resume
//   ClockSettingsIo_win.cpp LoadSettings / SaveSettings against the settings file
//   ClockCommands_win.cpp   mouse, tray icon callback, popup menu and its commands
//   ClockChime_win.cpp      the tick's alarm and signal hook, the alarm box (src/dialogs)
//   ClockApply_win.cpp      the Properties dialog's values into the settings and the face
//   ClockOptions_win.cpp    start with Windows, stepping aside for full screen, click-through
#include "clock/ClockFace.h"
#include "clock/ClockSettings.h"
#include "clock/PropertyValues.h"
#include "clockwindow/Chime_win.h"
#include "clockwindow/FullScreenWatch_win.h"
#include "clockwindow/SeeThrough_win.h"
#include "clockwindow/SessionNotices_win.h"
#include "clockwindow/TrayIcon_win.h"
#include "ui/Application.h"
#include "ui/PopupMenu.h"
#include "ui/WindowTimer.h"

#include <functional>
#include <optional>

inline constexpr UINT TrayIconMessage = WM_USER + 101; // 1125
inline constexpr int kClockDesignLeft = 198;
inline constexpr int kClockDesignTop = 103;

// The popup menu of the tray icon and of the clock, with the command ids of its items.
struct ClockMenu {
    ui::PopupMenu PopupMenu1;
    UINT KP1 = 0, K1 = 0, KS1 = 0, N4 = 0, N3 = 0, KA1 = 0, KC1 = 0;
    UINT StartWithWindows = 0, HideFullScreen = 0, ClickThrough = 0; // check items, between N4 and N3
};

class TWobToke : public ui::Window, private LabelHost {
public:
    using ClockSource = std::function<SYSTEMTIME()>;
    // `clock` replaces the local clock (tests); by default GetLocalTime.
    explicit TWobToke(ui::Application& app, ClockSource clock = {});
    ~TWobToke() override;

    ClockSettings Settings; // the clock's options, read and written by the dialogs
    // The one source of the time of day for everything the clock does.
    ClockSource LocalClock;

    // The face's labels DateLbl, WeekLbl and TimeLbl, and the locale its texts are made with.
    ClockFace& Face() { return face_; }
    const ClockFace& Face() const { return face_; }
    const LocaleValues& Locale() const { return face_.Locale(); }
    void ReadLocaleSeparators();

    // Clock face
    void RefreshClockText();
    void LayoutLabels();
    void Timer1Timer();
    // The system clock was set, its time zone changed, or the system woke from sleep.
    void OnTimeChange();
    void OnPowerBroadcast(WPARAM event);

    // The DPI the clock is laid out for: its monitor's when it was made, then the last one
    // WM_DPICHANGED brought. Fonts, offsets and label boxes are at this DPI; the settings keep
    // the 96-dpi values.
    int Dpi() const { return see_.Fonts().Dpi(); }
    // WM_DPICHANGED: lays the labels out again at `dpi` and moves to the suggested place, unless
    // the clock is moving itself (loading its place, the Position dialog), where it keeps the
    // place it asked for; the size follows the labels. Then the clock is kept on its monitor's
    // work area, except during the user's drag, after which that is done once.
    void OnDpiChanged(int dpi, const RECT& suggested);
    // Keeps the clock wholly on the work area of its monitor now that it has its size; `before`
    // is where it stood, with the size it had there (KeepOnWorkArea, src/clock).
    void KeepOnMonitor(const RECT& before);

    // Settings file
    void LoadSettings();
    void SaveSettings();

    // The Properties dialog's "確定" and "更新": applies, lays out and saves. A failed save is
    // raised after everything else is in force.
    void ApplyProperties(const PropertyValues& values);

    // Time signal and alarm (the tick's hook point). True when an alarm box was shown, so
    // that the clock has been read again since.
    bool AlarmAndSignalChecks();
    void ShowAlarmBox();
    ui::MediaPlayer& MediaPlayer1() { return chime_.Player(); }

    // See-through painting, and its two moves that show again what a dialog covered.
    SeeThrough& Painting() { return see_; }
    void NudgeWindow();

    // Mouse, tray icon and menu
    void FormMouseDown(TMouseButton button);
    void OnTrayIconMessage(WPARAM wp, LPARAM lp);
    void PopupMenu1Popup();
    void ShowPopupMenu(POINT screenPoint);
    void KP1Click();
    void K1Click();
    void KS1Click();
    void N4Click();
    void N3Click();
    void KA1Click();
    void KC1Click();
    const ClockMenu& Menu() const { return menu_; }
    // The check items (ClockOptions_win.cpp). Start with Windows lives in the registry; the
    // other two in Settings, saved when chosen.
    void StartWithWindowsClick();
    void HideFullScreenClick();
    void ClickThroughClick();
    void CheckOptionItems();
    // Puts Settings' HideFullScreen and ClickThrough in force.
    void ApplyOptions();
    FullScreenWatch& FullScreen() { return fullScreen_; }
    // While the window lives.
    const TrayIcon& Tray() const { return *tray_; }

    // Start-up and shutdown
    void FormCreate();
    bool FormCloseQuery();
    // The one close path: save once and destroy the window, which takes the tray icon with it and
    // ends the message loop. At the end of the session a failed save is not shown.
    enum class CloseReport { Shown, Quiet };
    void CloseClock(CloseReport report);

    // Window geometry, moved and sized only on a real change.
    RECT BoundsRect() const;
    void SetWindowLeft(int left);
    void SetWindowTop(int top);
    // Left and top in one move.
    void MoveWindowTo(int left, int top);
    void SetStayOnTop(bool topmost);
    void DeleteTrayIcon();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // LabelHost
    void InvalidateArea(const LabelRect& area) override;
    LabelRect MeasureText(const std::string& text, const LabelFont& font, unsigned flags,
                          const LabelRect& start) override;

    void BuildPopupMenu();
    void PaintLabels(HDC dc, const RECT& area, BYTE quality);
    TShadowLabel* LabelAt(POINT clientPoint);
    ClockTime Now() const;
    void RefreshClockText(const ClockTime& now);
    void AimNextTick(const SYSTEMTIME& reading);
    void SetWindowSize(int width, int height);
    bool IsTopmost() const;
    void LoadTrayIconImage();
    // The clock's own SetWindowPos, counted so that a WM_DPICHANGED it brings keeps its place.
    void SetOwnWindowPos(HWND after, int left, int top, int width, int height, UINT flags);
    // WM_ENTERSIZEMOVE (true) and WM_EXITSIZEMOVE (false): the user's drag.
    void OnSizeMoveLoop(bool entering);

    ui::Application& app_;
    SeeThrough see_; // before the face, whose labels measure with its fonts
    ClockFace face_;
    std::optional<TrayIcon> tray_; // made with the window, ended with it (and so removed)
    ClockMenu menu_;
    Chime chime_;
    ui::WindowTimer timer1_;
    FullScreenWatch fullScreen_{[this] { return Handle(); }, [this] { see_.RepaintWhole(); }};
    bool closing_ = false;
    std::optional<SessionNotices> sessions_; // while the window lives
    int ownMoves_ = 0;                       // SetOwnWindowPos calls under way
    bool loading_ = false;                   // FormCreate before its first layout is kept on the monitor
    bool userMoving_ = false;                // between WM_ENTERSIZEMOVE and WM_EXITSIZEMOVE
    bool dpiChangedWhileMoving_ = false;
    // The size the settings file stored with the place, for the first KeepOnMonitor.
    std::optional<int> storedWidth_, storedHeight_;
};

// The one clock window, set before its creation handler runs.
extern TWobToke* WobToke;
