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
// family), palette and rows. Uncompressed (BI_RGB) bitmaps of 1, 4, 8 or 24 bits per pixel,
// bottom-up or top-down. Anything else, or any inconsistent or truncated input, gives nullopt.
std::optional<Framebuffer> DecodeBmp(std::span<const std::uint8_t> file);

// The first of several whole .bmp files stored back to back (the images of an icon): the bytes
// up to the size its file header gives. Empty when that header is missing, or its size is
// smaller than the headers or runs past the data.
std::span<const std::uint8_t> FirstBmpFile(std::span<const std::uint8_t> files);

}  // namespace raster
