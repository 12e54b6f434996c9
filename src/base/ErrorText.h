#pragma once
#include <string>

// The text of the application's error report: the message, with "." appended when its last byte
// sorts after "." (so any message ending in a letter, digit or double-byte character).
std::string ErrorReportText(const std::string& message);
