#pragma once
// TWobToke: the clock window. A borderless see-through window holding the three shadow labels,
// the one-second tick, the tray icon, the popup menu and the wave player. Its handlers are
// spread over files by concern:
//   ClockWindow_win.cpp    creation, layout, tick, closing, message routing
//   ClockTickAim_win.cpp   aiming each tick at the turn of the second; clock changes and resume
//   ClockSettingsIo_win.cpp  LoadSettings / SaveSettings against the settings file
//   ClockPaint_win.cpp     painting, see-through background, RevealBeneath, NudgeWindow
//   ClockLayered_win.cpp   screen mode in a layered window
//   ClockCommands_win.cpp  mouse, tray icon callback, popup menu and its commands
//   ClockChime_win.cpp     alarm and time-signal checks, opening the alarm box (TAlarmBox in
//                          src/dialogs), PlaySoundFile
//   ClockApply_win.cpp     the Properties dialog's values into the settings and the labels
#include "clock/ChimeSchedule.h"
#include "clock/ClockSettings.h"
#include "clock/ClockText.h"
#include "clock/PropertyValues.h"
#include "clockwindow/LayeredSurface_win.h"
#include "clockwindow/KeyedSurface_win.h"
#include "clockwindow/TrayIcon_win.h"
#include "ui/Application.h"
#include "ui/Handles.h"
#include "ui/WindowTimer.h"
#include "widgets/ShadowLabelPaint_win.h"

#include <shellapi.h>

#include <functional>
#include <memory>
#include <optional>

namespace ui {
class PopupMenu;
class MediaPlayer;
} // namespace ui

inline constexpr UINT TrayIconMessage = WM_USER + 101; // 1125
inline constexpr int kClockDesignLeft = 198;
inline constexpr int kClockDesignTop = 103;

class TWobToke : public ui::Window, private LabelHost {
public:
    using ClockSource = std::function<SYSTEMTIME()>;
    // `clock` replaces the local clock (tests); by default GetLocalTime.
    explicit TWobToke(ui::Application& app, ClockSource clock = {});
    ~TWobToke() override;

    ClockSettings Settings; // the clock's options, read and written by the dialogs
    // The program ends when the clock window is destroyed (not so for a clock inside the tests).
    bool EndsApplication = true;
    // Screen mode draws into a layered window unless the system refuses it; off, it reveals and
    // captures what lies beneath at every repaint (the tests reach that path this way).
    bool AllowLayered = true;
    // Where the desktop does not compose windows, screen mode's layered window cuts out a key
    // colour; off, it cuts out the pixels of alpha 0 there too (the tests reach that path so).
    bool KeyWhereNotComposed = true;
    // Per-pixel alpha blends its edges where the desktop composes windows and cuts them where it
    // does not; on, it blends them all the same (a display whose compositing the system does not
    // report, as a compositing X manager under Wine).
    bool BlendWhereNotComposed = false;
    TShadowLabel DateLbl;
    TShadowLabel WeekLbl;
    TShadowLabel TimeLbl;

    // The one source of the time of day for everything the clock does.
    ClockSource LocalClock;
    const LocaleValues& Locale() const { return locale_; }
    void ReadLocaleSeparators();

    // Clock face
    void RefreshClockText();
    void LayoutLabels();
    void Timer1Timer();
    // The system clock was set, its time zone changed, or the system woke from sleep.
    void OnTimeChange();
    void OnPowerBroadcast(WPARAM event);
    void CompensateItalicWidth(TShadowLabel& label);

    // The DPI the clock is laid out for: its monitor's when it was made, then the last one
    // WM_DPICHANGED brought. Fonts, offsets and label boxes are at this DPI; the settings keep
    // the 96-dpi values.
    int Dpi() const { return fonts_.Dpi(); }
    const ui::FontCache& Fonts() const { return fonts_; }
    // WM_DPICHANGED: lays the labels out again at `dpi`, reloads the tray icon at its size and
    // moves to the suggested place; the size follows the labels.
    void OnDpiChanged(int dpi, const RECT& suggested);

    // Settings file
    void LoadSettings();
    void SaveSettings();

    // The Properties dialog's "確定" and "更新": applies, lays out and saves. A failed save is
    // raised after everything else is in force.
    void ApplyProperties(const PropertyValues& values);

    // Time signal and alarm (the tick's hook point). True when an alarm box was shown, so
    // that the clock has been read again since.
    bool AlarmAndSignalChecks();
    void PlaySoundFile();
    void ShowAlarmBox();
    ui::MediaPlayer& MediaPlayer1();

    // See-through painting
    void RevealBeneath();
    static void RepaintWindowsUnder(const RECT& area);
    void NudgeWindow();
    bool IsLayered() const;
    bool IsKeyed() const { return keyed_.Shown(); }
    // Refusals of the layered window in a row after which the capture path takes over, until the
    // display or the desktop's composition changes.
    static constexpr int kLayeredRefusalsToGiveUp = 3;
    bool LayeredGivenUp() const { return layeredRefused_; }
    // GetLastError of the last refused layered update; 0 while none was refused.
    DWORD LayeredError() const { return layered_.LastError(); }
    // Screen mode's per-pixel-alpha picture (tests replace its call into the system).
    LayeredSurface& Layered() { return layered_; }

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
    void SetStayOnTop(bool topmost);
    void DeleteTrayIcon();
    // While the window lives.
    const NOTIFYICONDATAA& TrayIconData() const { return trayIcon_->Data(); }
    const TrayIcon& Tray() const { return *trayIcon_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // LabelHost
    void InvalidateArea(const LabelRect& area) override;
    LabelRect MeasureText(const std::string& text, const LabelFont& font, unsigned flags,
                          const LabelRect& start) override;

    void BuildPopupMenu();
    void SetupLabel(TShadowLabel& label, TColor fontColour, bool shadowVisible, bool wordWrap);
    void OnPaint();
    bool PaintSeeThrough();
    bool PaintLayered();
    void PaintKeyed();
    RECT TakeOwedArea();
    void PaintComposed();
    void PaintLabels(HDC dc, const RECT& area, BYTE quality = DEFAULT_QUALITY);
    bool SetLayeredStyle(bool on);
    void RetryLayered();
    void RepaintWhole();
    void OnMove();
    LRESULT OnEraseBackground(HDC dc);
    TShadowLabel* LabelAt(POINT clientPoint);
    ClockTime Now() const;
    void RefreshClockText(const ClockTime& now);
    void ShowDateAndWeekday(const ClockTime& now);
    void AimNextTick(const SYSTEMTIME& reading);
    void SetWindowSize(int width, int height);
    void LoadTrayIconImage();

    ui::Application& app_;
    LocaleValues locale_;
    ui::FontCache fonts_;
    // A DIB section of its own, not a bitmap compatible with the window: on a DC that goes through
    // the display driver every font selection costs a call into that driver (under Wine an X resource
    // lookup), three a label.
    ui::DibBuffer backBuffer_;
    ui::DibBuffer beneath_; // screen mode: what lay under the window at the last reveal
    LayeredSurface layered_;
    KeyedSurface keyed_;
    bool layeredRefused_ = false;
    int layeredRefusals_ = 0; // in a row
    // What the layered window owes since its last update: Wine hands a window drawn with
    // UpdateLayeredWindowIndirect an empty paint rectangle, so the area asked for is kept here.
    RECT layeredOwed_{};
    HWND transitionsOffFor_ = nullptr;
    ui::unique_hicon trayIconImage_;
    std::optional<TrayIcon> trayIcon_; // made with the window, ended with it (and so removed)
    bool topmost_ = false;
    bool levelApplied_ = false;
    bool closing_ = false;
    ChimeSchedule chimeSchedule_;
    std::unique_ptr<ui::PopupMenu> popupMenu_;
    struct MenuItems {
        UINT KP1, K1, KS1, N4, N3, KA1, KC1;
    } menuItems_{};

public:
    const ui::PopupMenu& PopupMenu1() const { return *popupMenu_; }
    const MenuItems& MenuItemIds() const { return menuItems_; }

private:
    std::unique_ptr<ui::MediaPlayer> mediaPlayer_;
    ui::WindowTimer timer1_;
};

// The one clock window, set before its creation handler runs.
extern TWobToke* WobToke;
