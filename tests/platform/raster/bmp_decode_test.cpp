// Bitmap files decoded against an encoder of the test's own and a hand-written file; every
// malformed or truncated file is refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <span>
#include <tuple>
#include <vector>

#include "platform/raster/bmp_decode.h"

namespace {

using raster::MakePixel;
using raster::Pixel;
using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes* bytes, size_t at, std::uint32_t value) {
    (*bytes)[at] = static_cast<std::uint8_t>(value);
    (*bytes)[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(Bytes* bytes, size_t at, std::uint32_t value) {
    Put16(bytes, at, value & 0xFFFF);
    Put16(bytes, at + 2, value >> 16);
}

// A minimal writer of the file format at any depth, the decoder's two and others: file header,
// 40-byte info header, palette, rows padded to four bytes. An image of `width` × 3 whose rows and
// columns all differ, using every colour of its palette, which a 24- or 32-bit image has none of; a
// 32-bit image's fourth bytes vary too, and decode to nothing.
Bytes EncodeBmp(int width, int bits, bool topDown, int colours, std::vector<Pixel>* pixels) {
    std::vector<Pixel> palette;
    for (int i = 0; i < colours; ++i) {
        palette.push_back(MakePixel(i * 37, 255 - i, i * 11));
    }
    const size_t headers = 14 + 40 + palette.size() * 4;
    const size_t stride = (static_cast<size_t>(width * bits) + 31) / 32 * 4;
    Bytes bytes(headers + stride * 3, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(&bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    Put32(&bytes, 10, static_cast<std::uint32_t>(headers));
    Put32(&bytes, 14, 40);
    Put32(&bytes, 18, static_cast<std::uint32_t>(width));
    Put32(&bytes, 22, topDown ? static_cast<std::uint32_t>(-3) : 3);
    Put16(&bytes, 26, 1);
    Put16(&bytes, 28, static_cast<std::uint32_t>(bits));
    Put32(&bytes, 46, static_cast<std::uint32_t>(palette.size()));
    for (size_t i = 0; i < palette.size(); ++i) {
        Put32(&bytes, 54 + i * 4, palette[i]);  // 0x00RRGGBB is B, G, R, 0 in memory order
    }
    for (int y = 0; y < 3; ++y) {
        const size_t row = headers + stride * static_cast<size_t>(topDown ? y : 2 - y);
        for (int x = 0; x < width; ++x) {
            const size_t index = static_cast<size_t>(x * 7 + y * 3) % std::max(colours, 1);
            const Pixel p = colours ? palette[index] : MakePixel(x * 40, y * 70, x * y * 9);
            pixels->push_back(p);
            const size_t bit = static_cast<size_t>(x * bits);
            if (bits >= 24) {
                Put16(&bytes, row + bit / 8, p & 0xFFFF);
                bytes[row + bit / 8 + 2] = static_cast<std::uint8_t>(p >> 16);
                if (bits == 32) {
                    bytes[row + bit / 8 + 3] = static_cast<std::uint8_t>(x * 90 + y * 60 + 1);
                }
            } else {
                bytes[row + bit / 8] |= static_cast<std::uint8_t>(index << (8 - bits - bit % 8));
            }
        }
    }
    return bytes;
}

Bytes EncodeBmp(int width, int bits, bool topDown, int colours) {
    std::vector<Pixel> ignored;
    return EncodeBmp(width, bits, topDown, colours, &ignored);
}

std::vector<Pixel> PixelsOf(const raster::Framebuffer& image) {
    return {image.Data(), image.Data() + image.Width() * image.Height()};
}

// ((bits per pixel, palette size), top-down, width)
class BmpRoundTripTest
    : public ::testing::TestWithParam<std::tuple<std::tuple<int, int>, bool, int>> {};

TEST_P(BmpRoundTripTest, DecodesWhatWasEncoded) {
    const auto [format, topDown, width] = GetParam();
    std::vector<Pixel> pixels;
    const Bytes file = EncodeBmp(width, std::get<0>(format), topDown, std::get<1>(format), &pixels);
    const auto decoded = raster::DecodeBmp(file);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->Width(), width);
    EXPECT_EQ(PixelsOf(*decoded), pixels);
}

INSTANTIATE_TEST_SUITE_P(Formats, BmpRoundTripTest,
                         ::testing::Combine(::testing::Values(std::tuple{4, 16}, std::tuple{4, 5},
                                                              std::tuple{32, 0}),
                                            ::testing::Bool(), ::testing::Values(1, 3, 5, 8, 9)));

// The same file byte by byte, written by hand, so that a mistake the encoder above shares with
// the decoder (colour order, nibble order, row order) cannot hide.
TEST(BmpDecodeTest, HandWrittenFourBitFile) {
    // clang-format off
    const Bytes file = {
        'B', 'M', 74, 0, 0, 0, 0, 0, 0, 0, 66, 0, 0, 0,                   // file header, rows at 66
        40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 4, 0, 0, 0, 0, 0,     // 2 x 2, 4 bits
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0,      // 3 colours
        0x00, 0x00, 0xFF, 0, 0xFF, 0x00, 0x00, 0, 0x00, 0xFF, 0x00, 0,   // red, blue, green
        0x12, 0, 0, 0,                                                   // bottom row: blue, green
        0x20, 0, 0, 0,                                                   // top row: green, red
    };
    // clang-format on
    const auto image = raster::DecodeBmp(file);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(PixelsOf(*image), (std::vector<Pixel>{0x00FF00, 0xFF0000, 0x0000FF, 0x00FF00}));
}

// The fourth byte of a 32-bit file is opacity where it is asked for, unless no pixel sets it;
// a 4-bit file is opaque.
TEST(BmpDecodeTest, AlphaOfAHandWrittenThirtyTwoBitFile) {
    // clang-format off
    Bytes file = {
        'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                   // file header, rows at 54
        40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0,    // 2 x 1, 32 bits
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0x30, 0x20, 0x10, 0x00, 0x60, 0x50, 0x40, 0x80,                  // transparent, half
    };
    // clang-format on
    EXPECT_EQ(PixelsOf(raster::DecodeBmpWithAlpha(file).value()),
              (std::vector<Pixel>{0x00102030, 0x80405060}));
    EXPECT_EQ(PixelsOf(raster::DecodeBmp(file).value()), (std::vector<Pixel>{0x102030, 0x405060}));
    file.back() = 0;
    EXPECT_EQ(PixelsOf(raster::DecodeBmpWithAlpha(file).value()),
              (std::vector<Pixel>{0xFF102030, 0xFF405060}))
        << "fourth bytes all zero are unused";
    std::vector<Pixel> pixels;
    const auto paletted = raster::DecodeBmpWithAlpha(EncodeBmp(5, 4, false, 16, &pixels));
    for (Pixel& p : pixels) {
        p |= 0xFF000000;
    }
    EXPECT_EQ(PixelsOf(paletted.value()), pixels);
}

using Damage = std::function<void(Bytes*)>;

TEST(BmpDecodeTest, MalformedFilesGiveNothing) {
    const std::pair<const char*, Damage> damages[] = {
        {"bad magic", [](Bytes* b) { (*b)[1] = 'A'; }},
        {"rows past the end", [](Bytes* b) { Put32(b, 10, static_cast<uint32_t>(b->size())); }},
        {"rows inside the palette", [](Bytes* b) { Put32(b, 10, 60); }},
        {"huge row offset", [](Bytes* b) { Put32(b, 10, 0xFFFFFFFF); }},
        {"core header", [](Bytes* b) { Put32(b, 14, 12); }},
        {"huge info header", [](Bytes* b) { Put32(b, 14, 0xFFFFFFF0); }},
        {"zero width", [](Bytes* b) { Put32(b, 18, 0); }},
        {"negative width", [](Bytes* b) { Put32(b, 18, 0xFFFFFFFB); }},
        {"width too large", [](Bytes* b) { Put32(b, 18, 4097); }},
        {"zero height", [](Bytes* b) { Put32(b, 22, 0); }},
        {"top-down too tall", [](Bytes* b) { Put32(b, 22, static_cast<uint32_t>(-4097)); }},
        {"lowest height", [](Bytes* b) { Put32(b, 22, 0x80000000); }},
        {"largest sides", [](Bytes* b) { Put32(b, 18, 4096), Put32(b, 22, 4096); }},
        {"two planes", [](Bytes* b) { Put16(b, 26, 2); }},
        {"zero bits", [](Bytes* b) { Put16(b, 28, 0); }},
        {"sixteen bits", [](Bytes* b) { Put16(b, 28, 16); }},
        {"thirty-two bits, rows of four", [](Bytes* b) { Put16(b, 28, 32); }},
        {"run-length compressed", [](Bytes* b) { Put32(b, 30, 2); }},
        {"bit fields", [](Bytes* b) { Put32(b, 30, 3); }},
        {"more colours than bits allow", [](Bytes* b) { Put32(b, 46, 17); }},
        {"palette index out of range", [](Bytes* b) { Put32(b, 46, 2); }},
    };
    for (const auto& [name, damage] : damages) {
        Bytes file = EncodeBmp(5, 4, false, 16);
        ASSERT_TRUE(raster::DecodeBmp(file).has_value());
        damage(&file);
        EXPECT_FALSE(raster::DecodeBmp(file).has_value()) << name;
    }
    for (const Bytes& file : {EncodeBmp(9, 4, true, 16), EncodeBmp(3, 32, false, 0)}) {
        for (size_t size = 0; size < file.size(); ++size) {
            EXPECT_FALSE(raster::DecodeBmpWithAlpha(std::span(file.data(), size)).has_value())
                << size;
        }
    }
}

// Well-formed files of the depths not read are refused as a whole, with or without alpha.
TEST(BmpDecodeTest, OtherDepthsGiveNothing) {
    for (const auto& [bits, colours] : {std::pair{1, 2}, {8, 200}, {24, 0}}) {
        const Bytes file = EncodeBmp(5, bits, false, colours);
        EXPECT_FALSE(raster::DecodeBmp(file).has_value()) << bits;
        EXPECT_FALSE(raster::DecodeBmpWithAlpha(file).has_value()) << bits;
    }
}

// An icon's images are whole files back to back; the first is cut at its own size.
TEST(FirstBmpFileTest, CutsTheFirstOfSeveralFilesAndRefusesMalformedOnes) {
    Bytes both = EncodeBmp(6, 4, false, 16);
    const size_t firstSize = both.size();
    const Bytes small = EncodeBmp(3, 4, false, 16);
    both.insert(both.end(), small.begin(), small.end());
    const std::span<const std::uint8_t> first = raster::FirstBmpFile(both);
    EXPECT_EQ(first.data(), both.data());
    EXPECT_EQ(first.size(), firstSize);
    EXPECT_EQ(raster::FirstBmpFile(small).size(), small.size()) << "a single file is itself";

    const std::pair<const char*, Damage> damages[] = {
        {"file header cut", [](Bytes* b) { b->resize(13); }},
        {"bad magic", [](Bytes* b) { (*b)[0] = 'X'; }},
        {"size past the data", [](Bytes* b) { Put32(b, 2, static_cast<uint32_t>(b->size() + 1)); }},
        {"last byte cut", [](Bytes* b) { b->pop_back(); }},
        {"huge size", [](Bytes* b) { Put32(b, 2, 0xFFFFFFFF); }},
        {"size inside the headers", [](Bytes* b) { Put32(b, 2, 14 + 39); }},
    };
    for (const auto& [name, damage] : damages) {
        Bytes file = small;
        damage(&file);
        EXPECT_TRUE(raster::FirstBmpFile(file).empty()) << name;
    }
}

}  // namespace
