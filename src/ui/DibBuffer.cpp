#include "ui/DibBuffer.h"

namespace ui {

HDC DibBuffer::Prepare(int width, int height) {
    if (dc_ && width <= width_ && height <= height_)
        return dc_.get();
    Release();
    width_ = width > 0 ? width : 1;
    height_ = height > 0 ? height : 1;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_; // top-down: row 0 is the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_ = unique_hdc(::CreateCompatibleDC(nullptr));
    bitmap_ = unique_hbitmap(::CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<std::uint32_t*>(bits);
    original_ = ::SelectObject(dc_.get(), bitmap_.get());
    return dc_.get();
}

void DibBuffer::Release() {
    if (dc_ && original_)
        ::SelectObject(dc_.get(), original_);
    original_ = nullptr;
    bitmap_.reset();
    dc_.reset();
    bits_ = nullptr;
    width_ = height_ = 0;
}

} // namespace ui
