// Colour texts: any text is a colour or the conversion error, never anything else, and every
// colour's text reads back as that colour.
#include "FuzzInput.h"
#include "base/AppError.h"
#include "clock/ColourText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const TColor colour = TextToColor(text);
        FUZZ_CHECK(TextToColor(ColorToText(colour)) == colour);
    } catch (const AppError&) {
    }
    FuzzInput input(data, size);
    const auto colour = input.Number<TColor>();
    FUZZ_CHECK(TextToColor(ColorToText(colour)) == colour);
    return 0;
}
