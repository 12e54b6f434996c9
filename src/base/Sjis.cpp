#include "base/Sjis.h"

bool IsSjisLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t SjisCharLength(std::string_view text, std::size_t at) {
    return IsSjisLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

std::string SettingsPathFor(std::string_view exePath) {
    std::size_t dot = std::string_view::npos;
    for (std::size_t i = 0; i < exePath.size(); i += SjisCharLength(exePath, i)) {
        const char c = exePath[i];
        if (c == '\\' || c == ':')
            dot = std::string_view::npos;
        else if (c == '.')
            dot = i;
    }
    std::string path(exePath.substr(0, dot));
    return path + ".ini";
}

std::string SiblingPath(std::string_view path, std::string_view name) {
    std::size_t folderEnd = 0; // just past the last "\\" or ":" that is a character of its own
    for (std::size_t i = 0; i < path.size(); i += SjisCharLength(path, i))
        if (path[i] == '\\' || path[i] == ':')
            folderEnd = i + 1;
    return std::string(path.substr(0, folderEnd)) + std::string(name);
}

std::string TruncateSjis(std::string_view text, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = end + SjisCharLength(text, end);
        if (next > maxBytes)
            break;
        end = next;
    }
    return std::string(text.substr(0, end));
}

namespace {

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool SjisEqualIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size();) {
        const std::size_t length = SjisCharLength(a, i);
        if (length == 2) {
            if (a.compare(i, 2, b.substr(i, 2)) != 0)
                return false;
        } else if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
        i += length;
    }
    return true;
}
