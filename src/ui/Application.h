#pragma once
// The application object: owns the hidden application window that owns every other window of
// the program (and would carry its task-bar button), the title that captions error reports, the
// help file, the message loop and modal showing.
#include "ui/Window.h"

#include <functional>
#include <string>

namespace ui {

class Application : public Window {
public:
    Application();
    ~Application() override;

    HWND AppWindow() const { return Handle(); }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    const std::string& HelpFile() const { return helpFile_; }
    void SetHelpFile(const std::string& file) { helpFile_ = file; }
    // Asks the help viewer to run `command` on the help file, owned by the main window.
    bool HelpCommand(UINT command, ULONG_PTR data);

    HWND MainWindow() const { return mainWindow_; }
    void SetMainWindow(HWND hwnd) { mainWindow_ = hwnd; }

    // Shows the main window and runs the message loop until it posts WM_QUIT.
    int Run();
    // Disables every other enabled window of the program, shows and activates `dialog`, and runs
    // a nested loop until `done` holds (or WM_QUIT arrives, which is posted again); then gives the
    // other windows back their input. Hiding and destroying the dialog is left to the caller.
    // `keyFilter`, when given, sees each message first and swallows it by returning true.
    void RunModal(HWND dialog, const std::function<bool()>& done,
                  const std::function<bool(const MSG&)>& keyFilter = {});

    // The error report: "Morovin" caption, error icon, OK; "." appended by the usual rule.
    void ShowError(const std::string& message);

    // Called when the system announces changed settings (WM_WININICHANGE to this window).
    std::function<void()> OnSettingChange;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    std::string title_;
    std::string helpFile_;
    HWND mainWindow_ = nullptr;
};

// The one application object, while it exists.
Application* App();

// Shows a top-level error that ends the program: task-modal, "ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ".
void ShowFatalError(const std::string& message);

} // namespace ui
