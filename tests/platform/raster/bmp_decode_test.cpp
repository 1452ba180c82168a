// Bitmap files written byte by byte, so that a mistake an encoder would share with the decoder
// (colour order, nibble order, row order, padding) cannot hide; malformed files give nothing.
#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <vector>

#include "platform/raster/bmp_decode.h"

namespace {

using raster::Pixel;
using Bytes = std::vector<std::uint8_t>;

void Put(Bytes* bytes, size_t at, std::uint32_t value, int size = 4) {
    for (int i = 0; i < size; ++i) {
        (*bytes)[at + static_cast<size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::vector<Pixel> PixelsOf(const std::optional<raster::Framebuffer>& image) {
    EXPECT_TRUE(image.has_value());
    return image
               ? std::vector<Pixel>(image->Data(), image->Data() + image->Width() * image->Height())
               : std::vector<Pixel>{};
}

// clang-format off
const Bytes FourBit = {  // 3 × 2, rows bottom-up and padded to four bytes
    'B', 'M', 74, 0, 0, 0, 0, 0, 0, 0, 66, 0, 0, 0,                   // file header, rows at 66
    40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 4, 0, 0, 0, 0, 0,     // 3 x 2, 4 bits
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0,      // 3 colours
    0x00, 0x00, 0xFF, 0, 0xFF, 0x00, 0x00, 0, 0x00, 0xFF, 0x00, 0,   // red, blue, green
    0x12, 0x00, 0, 0,                                                // blue, green, red
    0x20, 0x10, 0, 0,                                                // green, red, blue
};
const Bytes ThirtyTwoBit = {
    'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                   // file header, rows at 54
    40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0,    // 2 x 1, 32 bits
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0x30, 0x20, 0x10, 0x00, 0x60, 0x50, 0x40, 0x80,                  // transparent, half
};
// clang-format on

TEST(BmpDecodeTest, HandWrittenFourBitFile) {
    EXPECT_EQ(PixelsOf(raster::DecodeBmp(FourBit)),
              (std::vector<Pixel>{0x00FF00, 0xFF0000, 0x0000FF, 0x0000FF, 0x00FF00, 0xFF0000}));
    Bytes topDown = FourBit;
    Put(&topDown, 22, static_cast<std::uint32_t>(-2));
    EXPECT_EQ(PixelsOf(raster::DecodeBmp(topDown)),
              (std::vector<Pixel>{0x0000FF, 0x00FF00, 0xFF0000, 0x00FF00, 0xFF0000, 0x0000FF}));
    EXPECT_EQ(PixelsOf(raster::DecodeBmpWithAlpha(FourBit))[0], 0xFF00FF00u) << "not opaque";
}

// The fourth byte of a 32-bit file is opacity where it is asked for, unless no pixel sets it.
TEST(BmpDecodeTest, HandWrittenThirtyTwoBitFile) {
    Bytes file = ThirtyTwoBit;
    EXPECT_EQ(PixelsOf(raster::DecodeBmpWithAlpha(file)),
              (std::vector<Pixel>{0x00102030, 0x80405060}));
    file.back() = 0;
    EXPECT_EQ(PixelsOf(raster::DecodeBmpWithAlpha(file)),
              (std::vector<Pixel>{0xFF102030, 0xFF405060}))
        << "fourth bytes all zero are unused";
}

// Each damage is one value written at one offset of the four-bit file.
TEST(BmpDecodeTest, MalformedFilesGiveNothing) {
    const struct {
        const char* name;
        size_t at;
        std::uint32_t value;
    } damages[] = {
        // clang-format off
        {"bad magic", 0, 0x004A4142},          {"rows past the end", 10, 74},
        {"rows inside the palette", 10, 60},   {"huge row offset", 10, 0xFFFFFFFF},
        {"core header", 14, 12},               {"huge info header", 14, 0xFFFFFFF0},
        {"negative width", 18, 0xFFFFFFFB},    {"width too large", 18, 4097},
        {"zero height", 22, 0},                {"top-down too tall", 22, 0xFFFFEFFF},
        {"lowest height", 22, 0x80000000},     {"two planes", 26, 0x00040002},
        {"sixteen bits", 28, 16},              {"thirty-two bits, rows of four", 28, 32},
        {"run-length compressed", 30, 2},      {"more colours than bits allow", 46, 17},
        {"palette index out of range", 46, 2},
        // clang-format on
    };
    for (const auto& [name, at, value] : damages) {
        Bytes file = FourBit;
        Put(&file, at, value, at == 28 ? 2 : 4);
        EXPECT_FALSE(raster::DecodeBmp(file).has_value()) << name;
    }
    Bytes huge = FourBit;
    Put(&huge, 18, 4096), Put(&huge, 22, 4096);
    EXPECT_FALSE(raster::DecodeBmp(huge).has_value()) << "largest sides, rows past the end";
    Bytes twentyFourBit = ThirtyTwoBit;  // well-formed, of a depth not read
    Put(&twentyFourBit, 28, 24, 2);
    EXPECT_FALSE(raster::DecodeBmpWithAlpha(twentyFourBit).has_value());
    for (const Bytes& file : {FourBit, ThirtyTwoBit}) {
        for (size_t size = 0; size < file.size(); ++size) {
            EXPECT_FALSE(raster::DecodeBmpWithAlpha(std::span(file.data(), size)).has_value())
                << size;
        }
    }
}

// An icon's images are whole files back to back (the game's icon is read in the resource
// tests); a file whose size is cut, past the data or inside the headers is refused.
TEST(FirstBmpFileTest, RefusesMalformedFiles) {
    EXPECT_EQ(raster::FirstBmpFile(ThirtyTwoBit).size(), ThirtyTwoBit.size());
    EXPECT_TRUE(raster::FirstBmpFile(std::span(ThirtyTwoBit.data(), 13)).empty());
    for (std::uint32_t size : {63u, 0xFFFFFFFFu, 14u + 39u}) {
        Bytes file = ThirtyTwoBit;
        Put(&file, 2, size);
        EXPECT_TRUE(raster::FirstBmpFile(file).empty()) << size;
    }
}

}  // namespace
