// Decoding the platform's bitmap files (device-independent bitmaps) held in memory.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/raster/framebuffer.h"

namespace raster {

// The largest width or height accepted; bitmaps of a phone's screen are far smaller.
inline constexpr int kMaxBitmapSide = 4096;

// Decodes a whole .bmp file: file header, BITMAPINFOHEADER (or a larger header of that
// family), palette and rows. Uncompressed (BI_RGB) bitmaps of 4 bits per pixel (16 colours at
// most) or 32 (blue, green, red and a fourth byte, dropped here), bottom-up or top-down.
// Anything else (other depths too), or any inconsistent or truncated input, gives nullopt.
std::optional<Framebuffer> DecodeBmp(std::span<const std::uint8_t> file);

// As DecodeBmp, but the top byte of each pixel is its opacity, 0xFF opaque (0xAARRGGBB), for
// an image shown over other things, such as the window's icon: a 32-bit file's fourth byte, or
// opaque for a 4-bit file and for a 32-bit file whose fourth bytes are all zero (unused).
std::optional<Framebuffer> DecodeBmpWithAlpha(std::span<const std::uint8_t> file);

// The first of several whole .bmp files stored back to back (the images of an icon): the bytes
// up to the size its file header gives. Empty when that header is missing, or its size is
// smaller than the headers or runs past the data.
std::span<const std::uint8_t> FirstBmpFile(std::span<const std::uint8_t> files);

}  // namespace raster
