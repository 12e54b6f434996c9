#pragma once
// Byte rules of Shift-JIS (code page 932) text: where characters begin and end.
#include <cstddef>
#include <string>
#include <string_view>

// The first byte of a double-byte character: 0x81-0x9F or 0xE0-0xFC.
bool IsSjisLeadByte(unsigned char byte);

// The byte length of the character starting at `at`: 2 for a lead byte followed by another byte,
// else 1 (a lead byte at the very end counts as one character of its own).
std::size_t SjisCharLength(std::string_view text, std::size_t at);

// The settings file for an executable: the extension (from the last "." after the last "\" or
// ":") replaced by ".ini", or ".ini" appended when there is none. A "\" that is the second byte
// of a double-byte character (as in "表" = 0x95 0x5C) is part of that character, not a separator.
std::string SettingsPathFor(std::string_view exePath);

// `name` in the folder of `path` (a "\\" that is a trail byte does not end the folder).
std::string SiblingPath(std::string_view path, std::string_view name);

// The longest start of `text` of at most `maxBytes` bytes that ends on a character boundary.
std::string TruncateSjis(std::string_view text, std::size_t maxBytes);

// Equal texts, ignoring the case of single-byte ASCII letters only; second bytes of double-byte
// characters (which may look like letters) must match exactly.
bool SjisEqualIgnoreCase(std::string_view a, std::string_view b);
