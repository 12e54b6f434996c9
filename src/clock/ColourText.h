#pragma once
// The text form of colours in the settings file: a name from the colour table ("clRed",
// "clWindow", "clNone"...), or "$" and eight hexadecimal digits.
#include "base/Colour.h"

#include <string>
#include <string_view>

// The table name of the colour, or "$" and its value as 8 capital hexadecimal digits.
std::string ColorToText(TColor colour);

// A table name (ignoring the case of ASCII letters only) or an integer text ("$" hex or
// decimal; no "0x"). Throws AppError "'<text>' は整数ではありません" for anything else.
TColor TextToColor(std::string_view text);
