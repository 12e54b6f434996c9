#pragma once
#include "ui/Application.h"

// The program's application object: its hidden application window is a tool window, so no
// window of the program ever gets a task-bar button.
class TApp : public ui::Application {
public:
    TApp();
};
