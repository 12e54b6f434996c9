// Integer texts: any text either fails or gives a value whose decimal text reads back the same;
// every value but the one decimal texts cannot hold reads back from its own text.
#include "FuzzInput.h"
#include "base/IntText.h"

#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto value = ParseIntText(text)) {
        FUZZ_CHECK(*value != std::numeric_limits<std::int32_t>::min() || text.find('$') != text.npos);
        if (*value != std::numeric_limits<std::int32_t>::min())
            FUZZ_CHECK(ParseIntText(IntToText(*value)) == value);
    }
    FuzzInput input(data, size);
    const auto number = input.Number<std::int32_t>();
    if (number != std::numeric_limits<std::int32_t>::min())
        FUZZ_CHECK(ParseIntText(IntToText(number)) == number);
    return 0;
}
