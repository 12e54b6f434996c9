#include "base/IniDocument.h"

#include "base/Sjis.h"

namespace {

constexpr unsigned char kByteOrderMark[] = {0xEF, 0xBB, 0xBF};

// 0x1A (the old end-of-file mark some editors leave behind) counts as a blank, as it does for the
// platform.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\x1A';
}

} // namespace

std::string_view TrimIniBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

namespace {

std::string_view Trim(std::string_view text) {
    return TrimIniBlanks(text);
}

// Finds a single-byte character, stepping over double-byte ones ("]" can be a second byte).
std::size_t FindChar(std::string_view text, char wanted, std::size_t from = 0) {
    for (std::size_t i = from; i < text.size(); i += SjisCharLength(text, i))
        if (text[i] == wanted)
            return i;
    return std::string_view::npos;
}

std::size_t SkipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return i;
}

// The name of a section header line, or nothing when the line is not one.
std::optional<std::string_view> SectionName(std::string_view line) {
    const std::size_t open = SkipBlanks(line);
    if (open == line.size() || line[open] != '[')
        return std::nullopt;
    const std::size_t close = FindChar(line, ']', open + 1);
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(open + 1, close - open - 1));
}

// The name of a key line, or nothing when the line is not one. A line without "=" names a key
// that has no value.
std::optional<std::string_view> KeyName(std::string_view line) {
    const std::size_t first = SkipBlanks(line);
    if (first == line.size() || line[first] == ';' || line[first] == '[')
        return std::nullopt;
    return Trim(line.substr(0, FindChar(line, '=', first)));
}

// What follows the "=" of a key line, or nothing for a bare name.
std::optional<std::string_view> RawValue(std::string_view keyLine) {
    const std::size_t equals = FindChar(keyLine, '=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return keyLine.substr(equals + 1);
}

// One line of `text` from `pos`: its end, and where the next line starts. CR LF, LF and a lone
// CR end a line; the last line may have no end.
struct LineSpan {
    std::size_t end, next;
};
LineSpan NextLine(std::string_view text, std::size_t pos) {
    const std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos)
        return {text.size(), text.size()};
    if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
        return {end, end + 2};
    return {end, end + 1};
}

} // namespace

IniDocument IniDocument::Parse(std::string_view bytes) {
    IniDocument doc;
    doc.bytes_.assign(bytes);
    std::size_t pos = 0;
    if (bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == kByteOrderMark[0] &&
        static_cast<unsigned char>(bytes[1]) == kByteOrderMark[1] &&
        static_cast<unsigned char>(bytes[2]) == kByteOrderMark[2]) {
        doc.byteOrderMark_ = true;
        pos = 3;
    }
    while (pos < bytes.size()) {
        const auto [end, next] = NextLine(bytes, pos);
        const std::string_view line = bytes.substr(pos, end - pos);
        const Kind kind = SectionName(line) ? Kind::Section : KeyName(line) ? Kind::Key : Kind::Other;
        if (kind != Kind::Other)
            doc.lines_.push_back(Line{pos, end, kind});
        else if (!doc.lines_.empty() && doc.lines_.back().kind == Kind::Other)
            doc.lines_.back().end = next; // one run for any number of lines we keep as they are
        else
            doc.lines_.push_back(Line{pos, next, Kind::Other});
        pos = next;
    }
    return doc;
}

std::string_view IniDocument::Text(const Line& line) const {
    return std::string_view(bytes_).substr(line.begin, line.end - line.begin);
}

std::optional<IniDocument::Range> IniDocument::FindSection(std::string_view section) const {
    // Lines before the first header form a section without a name.
    std::size_t at = 0;
    if (!section.empty()) {
        while (at < lines_.size() && !(lines_[at].kind == Kind::Section &&
                                       SjisEqualIgnoreCase(*SectionName(Text(lines_[at])), section)))
            ++at;
        if (at == lines_.size())
            return std::nullopt;
        ++at;
    }
    std::size_t end = at;
    while (end < lines_.size() && lines_[end].kind != Kind::Section)
        ++end;
    return Range{at, end};
}

std::optional<std::size_t> IniDocument::FindKey(std::string_view section, std::string_view key) const {
    const auto range = FindSection(section);
    if (!range)
        return std::nullopt;
    for (std::size_t i = range->first; i < range->end; ++i)
        if (lines_[i].kind == Kind::Key && SjisEqualIgnoreCase(*KeyName(Text(lines_[i])), key))
            return i;
    return std::nullopt;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    const auto at = FindKey(section, key);
    if (!at)
        return std::nullopt;
    // A bare name hides any later line of the same key, as it does for the platform.
    const auto raw = RawValue(Text(lines_[*at]));
    if (!raw)
        return std::nullopt;
    const std::string_view value = Trim(raw->substr(0, raw->find('\0')));
    // Blanks that the cut brings to the end go too, or the value would not read back the same.
    return std::string(Trim(TruncateSjis(value, kMaxValueBytes)));
}

void IniDocument::AppendLine(std::size_t at, Kind kind, std::string_view text) {
    const std::size_t begin = bytes_.size();
    bytes_ += text;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{begin, bytes_.size(), kind});
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));

    if (const auto found = FindKey(section, key)) {
        Line& line = lines_[*found];
        const std::string_view text = Text(line);
        const auto current = RawValue(text);
        if (current && (*current == value || Trim(*current) == value))
            return; // already in force: the line stays byte for byte, spacing and all
        // Keep the name as the file spells it; the line (a bare name too) is rewritten in place.
        const std::string replaced = std::string(*KeyName(text)) + "=" + std::string(value);
        line.begin = bytes_.size();
        bytes_ += replaced;
        line.end = bytes_.size();
        return;
    }

    const std::string keyLine = std::string(key) + "=" + std::string(value);
    if (const auto range = FindSection(section)) {
        // After the section's last key, so comments and blank lines before the next header stay there.
        std::size_t at = range->first;
        for (std::size_t i = range->first; i < range->end; ++i)
            if (lines_[i].kind == Kind::Key)
                at = i + 1;
        AppendLine(at, Kind::Key, keyLine);
        return;
    }
    AppendLine(lines_.size(), Kind::Section, "[" + std::string(section) + "]");
    AppendLine(lines_.size(), Kind::Key, keyLine);
}

std::string IniDocument::Serialize() const {
    std::string out;
    out.reserve(bytes_.size() + bytes_.size() / 8 + 16);
    if (byteOrderMark_)
        out.append(reinterpret_cast<const char*>(kByteOrderMark), sizeof kByteOrderMark);
    for (const Line& line : lines_) {
        const std::string_view text = Text(line);
        if (line.kind != Kind::Other) {
            out.append(text);
            out.append("\r\n");
            continue;
        }
        for (std::size_t pos = 0; pos < text.size();) {
            const auto [end, next] = NextLine(text, pos);
            out.append(text.substr(pos, end - pos));
            out.append("\r\n");
            pos = next;
        }
    }
    return out;
}
