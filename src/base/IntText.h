#pragma once
// Integer texts as the settings file stores them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Leading blanks are skipped; then either an optional "+" or "-" and decimal digits, or "$" and
// hexadecimal digits in either case. The whole text must be used. Decimal values must lie within
// +-2147483647 (so -2147483648 fails); hexadecimal values must fit in 32 bits and give that bit
// pattern ("$FFFFFFFF" is -1). Anything else gives nothing.
std::optional<std::int32_t> ParseIntText(std::string_view text);

// The decimal form, with a leading "-" when negative.
std::string IntToText(std::int32_t value);
