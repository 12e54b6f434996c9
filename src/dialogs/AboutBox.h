#pragma once
// TAboutBox: a borderless black panel in the middle of the clock's monitor with the program's
// name, its version and two contact lines, laid out at that monitor's DPI. Any mouse press on it
// closes it; keys do nothing.
#include "ui/Application.h"
#include "ui/DialogScreen.h"
#include "widgets/ShadowLabelPaint_win.h"

class TAboutBox : public ui::Window, private LabelHost {
public:
    // Opens on the clock's monitor, on the primary one without a clock (a second start).
    explicit TAboutBox(ui::Application& app);
    ~TAboutBox() override;

    // Shows the box centred on its monitor and topmost, and returns once a mouse press has
    // closed it.
    void ShowModal();
    void Image1MouseDown();

    TShadowLabel Label1; // first contact line
    TShadowLabel Label2; // second contact line, word-wrapped
    TShadowLabel Label3; // version
    TShadowLabel Label4; // program name

    // At 96 dpi; the box and its labels scale with the DPI of its monitor.
    static constexpr int kClientWidth = 302;
    static constexpr int kClientHeight = 112;
    // Each fits its label's designed width on one line (the second wraps only if it must).
    static constexpr const char* kContactLine1 = "ご意見・ご感想は下記まで";
    static constexpr const char* kContactLine2 = "morovin@example.jp";

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void InvalidateArea(const LabelRect& area) override;
    LabelRect MeasureText(const std::string& text, const LabelFont& font, unsigned flags,
                          const LabelRect& start) override;
    void SetupLabel(TShadowLabel& label, int left, int top, int width, int height, const char* text,
                    TColor colour, int charHeight, std::uint8_t style);
    // The box's window rectangle: its scaled size, centred on its monitor as it is now.
    RECT Placement() const;

    ui::Application& app_;
    ui::DialogScreen screen_; // the monitor it opens on, and its DPI
    ui::FontCache fonts_;     // at that DPI
    ui::unique_hbrush background_;
    bool closed_ = false;
};

// The About box while a command has it open.
extern TAboutBox* AboutBox;
