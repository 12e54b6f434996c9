#pragma once
// An INI file held as its lines, read and changed the way the platform's profile functions do
// (GetPrivateProfileStringA / WritePrivateProfileStringA), but in memory and without their
// surprises, so that a whole file can be written at once and lines we do not know survive.
//
// Like the platform (as tests/win/IniCompatibilityTest.cpp measures it): names compare ignoring
// case; names and values lose surrounding blanks (space, tab, CR, VT, FF and 0x1A, the old
// end-of-file mark; a full-width space is text); blanks inside a header's brackets do not count;
// CR LF, LF and a lone CR all end a line; lines before the first header form a section without a
// name; only the first section of a name and the first line of a key count; a line without "="
// names a key without a value (reading gives nothing, even when a later line gives the key a
// value, and setting the key fills that line in); a header without "]" opens no section (its keys
// stay in the section before); the second byte of a Shift-JIS character is never taken for "]",
// "=" or a letter. Where it knowingly differs:
// - Quotes are data: a value written as "x" (with the quotes) reads back with them; the platform
//   strips one pair of matching quotes, which would change a text the clock saved itself.
// - A header's name ends at its first "]", as on Windows; Wine reads to the last ("[a]b]" is "a]b").
// - Only ASCII letters fold; the platform also folds full-width and other letters. The clock's
//   names are ASCII.
// - A UTF-8 byte order mark at the start is skipped for reading and written back unchanged, and
//   the rest stays Shift-JIS; the platform takes such a file for UTF-8, so Shift-JIS values read
//   as garbage there, and it writes the file back in UTF-8.
// - A line starting with ";" is a comment even when it holds "="; the platform reads it as a key
//   whose name starts with ";" and so adds new keys after it.
// - Blank lines and comments are kept where they are; the platform drops blank lines.
// - Set cuts a value at CR, LF or NUL; the platform writes it out and so makes new lines.
// - A value ends at a NUL byte, as the C string the platform hands out would.
// - A value longer than 1023 bytes is cut between characters, and blanks the cut leaves at its
//   end are dropped, so what is read is what a file can give back. When a double-byte character
//   straddles the cut, the platform reports 1023 bytes, the last being whatever its caller's
//   buffer held there.
// - No size limit: any bytes are read, and every line is written back with CR LF.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// `text` without the blanks a settings file drops around a value (byte by byte, as the platform).
std::string_view TrimIniBlanks(std::string_view text);

class IniDocument {
public:
    // Values longer than this are cut (at a character boundary), as a 1024-byte buffer would.
    static constexpr std::size_t kMaxValueBytes = 1023;

    // Any bytes at all are accepted; nothing is lost.
    static IniDocument Parse(std::string_view bytes);

    // The key's value without surrounding blanks, or nothing when the section or key is missing.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Replaces the key's value where it stands, or adds the key at the end of its section, or
    // adds the section (then the key) at the end of the document. The value is cut at its first
    // CR, LF or NUL, so it can never make a line of its own. Names must be plain (no surrounding
    // blanks, no "]", "=" or line ends, not starting with ";" or "["): the program's names are fixed.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // The whole document: every line as it was read or set, each ended with CR LF.
    std::string Serialize() const;

private:
    enum class Kind : std::uint8_t { Other, Section, Key };
    // A section header or a key is one line's text (no line end). Other is a run of one or more
    // whole lines we do not interpret, with their original line ends.
    struct Line {
        std::size_t begin, end;
        Kind kind;
    };

    // Lines [first, end) of a section, its header excluded.
    struct Range {
        std::size_t first, end;
    };

    std::string_view Text(const Line& line) const;
    void AppendLine(std::size_t at, Kind kind, std::string_view text);
    std::optional<Range> FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKey(std::string_view section, std::string_view key) const;

    std::string bytes_; // the parsed bytes, followed by every line set since
    bool byteOrderMark_ = false;
    std::vector<Line> lines_;
};
