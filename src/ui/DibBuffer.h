#pragma once
// An off-screen 32-bit top-down DIB section with its memory DC, whose pixels the program reads
// and writes directly. Made again only when a larger size is asked for.
#include "ui/Handles.h"

#include <cstdint>

namespace ui {

class DibBuffer {
public:
    DibBuffer() = default;
    DibBuffer(const DibBuffer&) = delete;
    DibBuffer& operator=(const DibBuffer&) = delete;
    ~DibBuffer() { Release(); }

    // A memory DC holding a DIB of at least width x height.
    HDC Prepare(int width, int height);
    void Release();

    HDC Dc() const { return dc_.get(); }
    // The first pixel of row `y` (0xAARRGGBB); rows are Stride() pixels apart.
    std::uint32_t* Row(int y) const { return bits_ + static_cast<std::ptrdiff_t>(y) * width_; }
    int Stride() const { return width_; }

private:
    unique_hdc dc_;
    unique_hbitmap bitmap_;
    HGDIOBJ original_ = nullptr;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0, height_ = 0;
};

} // namespace ui
