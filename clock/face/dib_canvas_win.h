// An off-screen image that GDI draws into and the program reads directly: a top-down DIB
// section selected into its own memory DC for its whole life. It is recreated only when its
// size changes, so a render a second costs no allocation.
#pragma once

#include <windows.h>

#include <cstdint>

#include "clock/common/handles_win.h"

namespace vistrel {

class DibCanvas {
public:
    // 32: colour pixels 0x00RRGGBB in memory order B, G, R, 0.
    // 8: one byte per pixel on a grey palette (index = grey level), for the shape image.
    explicit DibCanvas(int bits_per_pixel);
    ~DibCanvas();
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    // Makes the image width x height; keeps the existing one when the size is the same.
    void Resize(int width, int height);
    // Sets every byte of the pixels (after GDI has finished its pending drawing).
    void Fill(std::uint8_t value);

    HDC dc() const { return dc_.get(); }
    HBITMAP bitmap() const { return bitmap_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    int bits_per_pixel() const { return bits_per_pixel_; }
    std::ptrdiff_t stride() const { return stride_; }
    // Row y, top row first. Call GdiFlush() before reading what GDI drew.
    const std::uint8_t* Row(int y) const { return bits_ + stride_ * y; }
    std::uint8_t* Row(int y) { return bits_ + stride_ * y; }
    // Sets the pixels of [left, right) x [top, bottom), clipped to the image, straight in
    // memory: far cheaper than a GDI call for the short bevel lines of the ticks. 8-bit
    // canvases take the colour's red byte as the grey level. Call GdiFlush() first when GDI
    // has drawn into the image since the last flush.
    void FillRectDirect(int left, int top, int right, int bottom, COLORREF colour);
    // The colour of a pixel of a 32-bit canvas as 0x00BBGGRR, like a COLORREF.
    std::uint32_t Pixel(int x, int y) const;

private:
    int bits_per_pixel_;
    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ original_ = nullptr;
    std::uint8_t* bits_ = nullptr;
    int width_ = 0, height_ = 0;
    std::ptrdiff_t stride_ = 0;
};

} // namespace vistrel
