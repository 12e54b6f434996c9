#pragma once
// The application object: owns the hidden application window that owns every other window of
// the program (and would carry its task-bar button), the title that captions error reports, the
// help, the message loop and modal showing.
#include "ui/HelpCalls.h"
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
    // The help page, and the WinHelp file shown where there is no page (full paths).
    const std::string& HelpFile() const { return helpFile_; }
    void SetHelpFile(const std::string& file) { helpFile_ = file; }
    const std::string& HelpPage() const { return helpPage_; }
    void SetHelpPage(const std::string& page) { helpPage_ = page; }
    // Shows the help, owned by the main window: the shell opens the help page when it is there,
    // else the help viewer runs `command` on the help file; with neither, a box names the
    // missing page and its folder. Nothing waits for the viewer or the browser.
    void HelpCommand(UINT command, ULONG_PTR data);
    // What the help command asks of the system.
    HelpCalls Help = SystemHelpCalls();

    HWND MainWindow() const { return mainWindow_; }
    void SetMainWindow(HWND hwnd) { mainWindow_ = hwnd; }
    // A window is being destroyed: when it is the main window, the message loop ends, unless
    // the application goes on without one (a test that makes and closes many).
    void MainWindowDestroyed(HWND hwnd);
    bool EndsWithMainWindow = true;

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
    std::string helpPage_;
    HWND mainWindow_ = nullptr;
};

// The one application object, while it exists.
Application* App();

// Shows a top-level error that ends the program: task-modal, "ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ".
void ShowFatalError(const std::string& message);

} // namespace ui
