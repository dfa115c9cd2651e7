#include "clock/face/dib_canvas_win.h"

#include <algorithm>
#include <cstring>

#include "clock/common/error.h"

namespace vistrel {

// The platform header's records, of the sizes the system documents for 64-bit programs.
static_assert(sizeof(BITMAPINFOHEADER) == 40);

DibCanvas::DibCanvas(int bits_per_pixel) : bits_per_pixel_(bits_per_pixel == 8 ? 8 : 32) {
    dc_.reset(CreateCompatibleDC(nullptr));
    if (!dc_) throw Error("Cannot create a drawing context");
}

DibCanvas::~DibCanvas() {
    // The bitmap cannot be deleted while it is selected.
    if (original_) SelectObject(dc_.get(), original_);
}

void DibCanvas::Resize(int width, int height) {
    if (width < 1) width = 1;
    if (height < 1) height = 1;
    if (bitmap_ && width == width_ && height == height_) return;

    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } bmi{};
    bmi.header.biSize = sizeof(BITMAPINFOHEADER);
    bmi.header.biWidth = width;
    bmi.header.biHeight = -height;
    bmi.header.biPlanes = 1;
    bmi.header.biBitCount = static_cast<WORD>(bits_per_pixel_);
    bmi.header.biCompression = BI_RGB;
    if (bits_per_pixel_ == 8) {
        bmi.header.biClrUsed = 256;
        for (int i = 0; i < 256; ++i) {
            const auto v = static_cast<BYTE>(i);
            bmi.colours[i] = {v, v, v, 0};
        }
    }
    void* bits = nullptr;
    UniqueBitmap fresh(CreateDIBSection(dc_.get(), reinterpret_cast<BITMAPINFO*>(&bmi),
                                        DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!fresh || !bits) throw Error("Cannot create an image of the clock's size");

    const HGDIOBJ previous = SelectObject(dc_.get(), fresh.get());
    if (!original_) original_ = previous;
    bitmap_ = std::move(fresh); // the old one is no longer selected, so it can go
    bits_ = static_cast<std::uint8_t*>(bits);
    width_ = width;
    height_ = height;
    stride_ = ((static_cast<std::ptrdiff_t>(width) * bits_per_pixel_ + 31) / 32) * 4;
}

void DibCanvas::Fill(std::uint8_t value) {
    if (!bits_) return;
    GdiFlush();
    std::memset(bits_, value,
                static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height_));
}

void DibCanvas::FillRectDirect(int left, int top, int right, int bottom, COLORREF colour) {
    if (!bits_) return;
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_);
    bottom = std::min(bottom, height_);
    if (left >= right || top >= bottom) return;
    for (int y = top; y < bottom; ++y) {
        std::uint8_t* row = bits_ + stride_ * y;
        if (bits_per_pixel_ == 8) {
            std::memset(row + left, GetRValue(colour), static_cast<std::size_t>(right - left));
            continue;
        }
        auto* px = reinterpret_cast<std::uint32_t*>(row) + left;
        const std::uint32_t value = static_cast<std::uint32_t>(GetBValue(colour)) |
                                    (static_cast<std::uint32_t>(GetGValue(colour)) << 8) |
                                    (static_cast<std::uint32_t>(GetRValue(colour)) << 16);
        std::fill(px, px + (right - left), value);
    }
}

std::uint32_t DibCanvas::Pixel(int x, int y) const {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    if (bits_per_pixel_ == 8) return Row(y)[x];
    const std::uint8_t* p = Row(y) + static_cast<std::ptrdiff_t>(x) * 4;
    return static_cast<std::uint32_t>(p[2]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[0]) << 16);
}

} // namespace vistrel
