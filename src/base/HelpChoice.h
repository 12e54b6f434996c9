#pragma once
// What the help command shows, decided by the files that lie beside the program.
#include <string>
#include <string_view>

enum class HelpChoice {
    Page,    // MOROVIN.html: the page shipped with the program, in the default browser
    WinHelp, // MOROVIN.hlp: the WinHelp viewer, where a Windows still has one
    Missing, // neither: the user is told what was looked for, and where
};

// The shipped page whenever it is there: a WinHelp file left in the folder by an old version
// would only bring Windows 10 and 11's notice that WinHelp is not included. The WinHelp file
// only where there is no page.
HelpChoice ChooseHelp(bool hlpExists, bool htmlExists);

// The text that tells the user that the page `pagePath` (a full Shift-JIS path) is not there:
// the page's file name and the folder it was looked for in.
std::string MissingHelpText(std::string_view pagePath);
