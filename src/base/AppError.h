#pragma once
// The program's one error type. Its message is Shift-JIS text shown to the user as it stands
// by the application's error report; code raises it, event dispatchers catch it.
#include <stdexcept>
#include <string>

class AppError : public std::runtime_error {
public:
    explicit AppError(const std::string& message) : std::runtime_error(message) {}
};

// Builds a message by putting `value` in place of the one "%s" in `pattern`. The value is
// inserted as text, never interpreted, so a path or a value holding "%" is safe.
std::string InsertText(const std::string& pattern, const std::string& value);
