#pragma once
// An INI file held as its lines, read and changed the way the platform's profile functions do
// (GetPrivateProfileStringA / WritePrivateProfileStringA), but in memory and without their
// surprises, so that a whole file can be written at once and lines we do not know survive.
//
// Like the platform: names compare ignoring ASCII case, values lose surrounding blanks, CR LF,
// LF and a lone CR all end a line, lines before the first header form a section without a name,
// only the first section of a name counts, a line without "=" is no key, and a header without "]"
// opens no section (its keys stay in the section before). Where it knowingly differs:
// - Quotes are data: a value written as "x" (with the quotes) reads back with them; Windows
//   strips one pair of matching quotes, which would change a text the clock saved itself.
// - A UTF-8 byte order mark at the start is skipped for reading and written back unchanged;
//   Windows may take such a file for UTF-8 and convert the values.
// - A line starting with ";" is a comment even when it holds "="; the platform reads it as a key
//   whose name starts with ";" and so adds new keys after it.
// - Blank lines and comments are kept where they are; the platform drops blank lines.
// - Set cuts a value at CR, LF or NUL; the platform writes it out and so makes new lines.
// - A value ends at a NUL byte, as the C string the platform hands out would.
// - The second byte of a Shift-JIS character is never taken for "]", "=" or a letter to fold.
// - No size limit: any bytes are read, and every line is written back with CR LF.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
