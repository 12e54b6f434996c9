#pragma once
// Splits a fuzzer's input into the pieces a target needs: fixed-size numbers from the front,
// then texts separated by a NUL byte.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    // The next `sizeof(T)` bytes as a number (zero bytes where the input has run out).
    template <typename T> T Number() {
        T value{};
        const std::size_t n = rest_.size() < sizeof(T) ? rest_.size() : sizeof(T);
        std::memcpy(&value, rest_.data(), n);
        rest_.remove_prefix(n);
        return value;
    }
    // The bytes up to the next NUL (which is skipped), or all that is left.
    std::string_view Text() {
        const std::size_t end = rest_.find('\0');
        const std::string_view text = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return text;
    }
    std::string_view Rest() const { return rest_; }

private:
    std::string_view rest_;
};

// A broken property: reported by libFuzzer as a crash with this input.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            __builtin_trap();                                                                                \
    } while (0)
