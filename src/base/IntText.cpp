#include "base/IntText.h"

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::optional<std::int32_t> ParseIntText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i == text.size())
        return std::nullopt;

    // Values are accumulated in 64 bits and checked after every digit, so any length is safe.
    std::uint64_t value = 0;
    if (text[i] == '$') {
        if (++i == text.size())
            return std::nullopt;
        for (; i < text.size(); ++i) {
            const int digit = HexDigit(text[i]);
            if (digit < 0)
                return std::nullopt;
            value = value * 16 + static_cast<unsigned>(digit);
            if (value > 0xFFFFFFFFu)
                return std::nullopt;
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }

    const bool negative = text[i] == '-';
    if (text[i] == '+' || text[i] == '-')
        ++i;
    if (i == text.size())
        return std::nullopt;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
        if (value > 2147483647u)
            return std::nullopt;
    }
    const auto magnitude = static_cast<std::int32_t>(value);
    return negative ? -magnitude : magnitude;
}

std::string IntToText(std::int32_t value) {
    return std::to_string(value);
}
