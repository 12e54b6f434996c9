#pragma once
// What the help command shows, decided by the files that lie beside the program.
#include <string>
#include <string_view>

enum class HelpChoice {
    WinHelp, // MOROVIN.hlp: the WinHelp viewer, where a Windows still has one
    Page,    // MOROVIN.html: the page shipped with the program, in the default browser
    Missing, // neither: the user is told what was looked for, and where
};

// A WinHelp file someone put there is asked for first; the shipped page is the usual case.
HelpChoice ChooseHelp(bool hlpExists, bool htmlExists);

// The text that tells the user that the page `pagePath` (a full Shift-JIS path) is not there:
// the page's file name and the folder it was looked for in.
std::string MissingHelpText(std::string_view pagePath);
