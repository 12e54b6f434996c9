// The tick's hook point: the alarm and the time signal, the alarm box and the wave playback.
#include "clockwindow/ClockWindow_win.h"

#include "ui/MediaPlayer.h"

#include <algorithm>

namespace {

// The alarm box: a message box of our own, since the system's box neither names its button
// "はい(&Y)" nor wraps its text to half the screen width.
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonMinWidth = 75;
constexpr int kButtonId = IDOK;
constexpr int kTextId = 0xFFFF; // the message's static, as in the system's boxes
constexpr int kIconId = 0x0014;

struct AlarmBoxState {
    const std::string* text;
    HFONT font;
    bool closed = false;
};

SIZE MeasureText(HWND hwnd, HFONT font, const std::string& text, UINT flags, int maxWidth) {
    ui::WindowDc dc(hwnd);
    ui::SelectedObject selected(dc.get(), font);
    if (text.empty())
        return SIZE{0, 0}; // not the wrapping width: an empty text takes no room at all
    RECT r{0, 0, maxWidth, 0};
    ::DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &r, flags | DT_CALCRECT);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

HWND AddControl(HWND box, const char* cls, const char* text, DWORD style, int id, HFONT font, int x, int y,
                int w, int h) {
    HWND control =
        ::CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, box,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ui::ModuleInstance(), nullptr);
    ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

// Icon and text side by side, the button centred beneath, the whole box centred on the screen.
void LayOutAlarmBox(HWND box, const AlarmBoxState& state) {
    const std::string& text = *state.text;
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    const SIZE textSize = MeasureText(box, state.font, text, DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX,
                                      std::max(1, screenWidth / 2));
    const char* caption = "はい(&Y)";
    const SIZE captionSize = MeasureText(box, state.font, caption, DT_SINGLELINE, 0);
    const int buttonWidth = std::max<int>(kButtonMinWidth, captionSize.cx + 2 * kMargin);
    const int buttonHeight = std::max<int>(23, captionSize.cy + 10);

    const int textLeft = kMargin + kIconSize + kMargin;
    const int contentHeight = std::max<int>(kIconSize, textSize.cy);
    const int besideIcon = text.empty() ? 0 : static_cast<int>(textSize.cx) + kMargin;
    const int clientWidth = std::max<int>(textLeft + besideIcon, buttonWidth + 2 * kMargin);
    const int buttonTop = kMargin + contentHeight + kMargin;
    const int clientHeight = buttonTop + buttonHeight + kMargin;

    HWND icon =
        AddControl(box, "STATIC", "", SS_ICON, kIconId, state.font, kMargin, kMargin, kIconSize, kIconSize);
    ::SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(::LoadIconA(nullptr, IDI_INFORMATION)), 0);
    // A text shorter than the icon sits level with the icon's middle.
    const int textTop = kMargin + (contentHeight - static_cast<int>(textSize.cy)) / 2;
    if (!text.empty())
        AddControl(box, "STATIC", text.c_str(), SS_LEFT | SS_NOPREFIX, kTextId, state.font, textLeft, textTop,
                   textSize.cx, textSize.cy);
    HWND button = AddControl(box, "BUTTON", caption, BS_DEFPUSHBUTTON | WS_TABSTOP, kButtonId, state.font,
                             (clientWidth - buttonWidth) / 2, buttonTop, buttonWidth, buttonHeight);
    ::SendMessageA(box, DM_SETDEFID, kButtonId, 0);
    ::SetFocus(button);

    RECT frame{0, 0, clientWidth, clientHeight};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongA(box, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongA(box, GWL_EXSTYLE)));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    ::SetWindowPos(box, HWND_TOPMOST, (screenWidth - width) / 2,
                   (::GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, SWP_NOACTIVATE);
}

INT_PTR CALLBACK AlarmBoxProc(HWND box, UINT msg, WPARAM wp, LPARAM lp) {
    auto* state = reinterpret_cast<AlarmBoxState*>(::GetWindowLongPtrA(box, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG:
        ::SetWindowLongPtrA(box, DWLP_USER, lp);
        ::SetWindowTextA(box, "情報");
        LayOutAlarmBox(box, *reinterpret_cast<AlarmBoxState*>(lp));
        return FALSE; // the focus is set
    case WM_COMMAND:
        // The button, Enter, Esc and the close box all just close it.
        if (state && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL))
            state->closed = true;
        return TRUE;
    default:
        return FALSE;
    }
}

// An empty dialog template; the controls are made and placed once the text is measured.
struct alignas(4) EmptyDialogTemplate {
    DLGTEMPLATE dialog{};
    WORD menu = 0, windowClass = 0, title = 0;
};

ui::unique_hfont MessageFont() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        return ui::unique_hfont();
    return ui::unique_hfont(::CreateFontIndirectA(&metrics.lfMessageFont));
}

} // namespace

void TWobToke::AlarmAndSignalChecks() {
    // Alarm first, then the signal, for every second since the last check. An alarm box can stay
    // open for minutes: whatever is left after it counts only while its second is still within
    // the catch-up window, and by the settings in force then, so nothing ever sounds late.
    // The clock is read again only after a box: a late tick whose reading turns a second meanwhile
    // must not lose the oldest second it was given.
    bool boxShown = false;
    for (const std::int64_t second : chimeSchedule_.TakeSeconds(Now())) {
        for (const ChimeEvent event : {ChimeEvent::Alarm, ChimeEvent::Signal}) {
            if (!ChimeSchedule::Fires(event, second, Settings))
                continue;
            if (boxShown && !ChimeSchedule::WithinCatchUp(second, Now()))
                return;
            if (event == ChimeEvent::Alarm && Settings.AlarmByDialog) {
                ShowAlarmBox();
                boxShown = true;
            } else {
                PlaySoundFile();
            }
            if (!Handle())
                return; // the clock was closed while the alarm box was open
        }
    }
}

void TWobToke::ShowAlarmBox() {
    const ui::unique_hfont font = MessageFont();
    const std::string text = Settings.DialogText;
    AlarmBoxState state{&text, font ? font.get() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))};
    EmptyDialogTemplate tmpl;
    tmpl.dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    tmpl.dialog.dwExtendedStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST;
    // Owned by the hidden application window, so it has no task-bar button.
    HWND box = ::CreateDialogIndirectParamA(ui::ModuleInstance(), &tmpl.dialog, app_.AppWindow(),
                                            &AlarmBoxProc, reinterpret_cast<LPARAM>(&state));
    if (!box)
        return;
    // Modal for the whole program; the clock goes on ticking in the nested loop.
    app_.RunModal(box, [&] { return state.closed; });
    ::DestroyWindow(box);
}

ui::MediaPlayer& TWobToke::MediaPlayer1() {
    return *mediaPlayer_;
}

void TWobToke::PlaySoundFile() {
    ui::MediaPlayer& player = *mediaPlayer_;
    player.FileName = Settings.SoundFile;
    player.Open(); // raises the media error; the tick ends there
    player.Play();
}
