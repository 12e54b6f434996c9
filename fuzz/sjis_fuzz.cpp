// Shift-JIS cutting and the byte rules around it: a cut text is the longest start that fits and
// ends between characters; paths and caseless comparison hold for any bytes.
#include "FuzzInput.h"
#include "base/Sjis.h"

#include <string>

namespace {

// Whether `end` falls between two characters of `text` read from its start.
bool OnBoundary(std::string_view text, std::size_t end) {
    std::size_t at = 0;
    while (at < end)
        at += SjisCharLength(text, at);
    return at == end;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::size_t limit = input.Number<std::uint16_t>() % 2048;
    const std::string_view text = input.Rest();

    const std::string cut = TruncateSjis(text, limit);
    FUZZ_CHECK(cut.size() <= limit && text.substr(0, cut.size()) == cut);
    FUZZ_CHECK(OnBoundary(text, cut.size()));
    if (cut.size() < text.size()) // the next character would not have fitted
        FUZZ_CHECK(cut.size() + SjisCharLength(text, cut.size()) > limit);

    FUZZ_CHECK(SjisEqualIgnoreCase(text, text));
    const std::string path = SettingsPathFor(text);
    FUZZ_CHECK(path.size() >= 4 && path.compare(path.size() - 4, 4, ".ini") == 0);
    const std::string sibling = SiblingPath(text, "MOROVIN.hlp");
    FUZZ_CHECK(sibling.size() >= 11 && sibling.compare(sibling.size() - 11, 11, "MOROVIN.hlp") == 0);
    FUZZ_CHECK(OnBoundary(sibling, sibling.size() - 11));
    return 0;
}
