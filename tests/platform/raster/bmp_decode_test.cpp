#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "platform/raster/bmp_decode.h"
#include "tests/platform/raster/raster_art.h"

namespace {

using raster::MakePixel;
using raster::Pixel;
using Bytes = std::vector<std::uint8_t>;
using raster_test::PrintTo;

void Put16(Bytes* bytes, size_t at, std::uint32_t value) {
    (*bytes)[at] = static_cast<std::uint8_t>(value);
    (*bytes)[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(Bytes* bytes, size_t at, std::uint32_t value) {
    Put16(bytes, at, value & 0xFFFF);
    Put16(bytes, at + 2, value >> 16);
}

// A minimal writer of the file format: file header, 40-byte info header, palette, rows padded
// to four bytes. Pixels of palette images are looked up in `palette`.
Bytes EncodeBmp(const raster::Framebuffer& image, int bits, bool topDown,
                const std::vector<Pixel>& palette) {
    const size_t headers = 14 + 40 + palette.size() * 4;
    const size_t stride = (static_cast<size_t>(image.Width()) * bits + 31) / 32 * 4;
    Bytes bytes(headers + stride * static_cast<size_t>(image.Height()), 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(&bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    Put32(&bytes, 10, static_cast<std::uint32_t>(headers));
    Put32(&bytes, 14, 40);
    Put32(&bytes, 18, static_cast<std::uint32_t>(image.Width()));
    Put32(&bytes, 22, static_cast<std::uint32_t>(topDown ? -image.Height() : image.Height()));
    Put16(&bytes, 26, 1);
    Put16(&bytes, 28, static_cast<std::uint32_t>(bits));
    Put32(&bytes, 46, static_cast<std::uint32_t>(palette.size()));
    for (size_t i = 0; i < palette.size(); ++i) {
        Put32(&bytes, 54 + i * 4, palette[i]);  // 0x00RRGGBB is B, G, R, 0 in memory order
    }
    for (int y = 0; y < image.Height(); ++y) {
        const size_t row =
            headers + stride * static_cast<size_t>(topDown ? y : image.Height() - 1 - y);
        for (int x = 0; x < image.Width(); ++x) {
            const Pixel p = image.At(x, y);
            if (bits == 24) {
                Put16(&bytes, row + static_cast<size_t>(x) * 3, p & 0xFFFF);
                bytes[row + static_cast<size_t>(x) * 3 + 2] = static_cast<std::uint8_t>(p >> 16);
                continue;
            }
            const auto index = static_cast<std::uint32_t>(
                std::find(palette.begin(), palette.end(), p) - palette.begin());
            const size_t bit = static_cast<size_t>(x) * static_cast<size_t>(bits);
            bytes[row + bit / 8] |= static_cast<std::uint8_t>(index << (8 - bits - bit % 8));
        }
    }
    return bytes;
}

std::vector<Pixel> Palette(int colours) {
    std::vector<Pixel> palette;
    for (int i = 0; i < colours; ++i) {
        palette.push_back(MakePixel(i * 37, 255 - i, i * 11));
    }
    return palette;
}

// An image whose rows and columns all differ, using every colour it can.
raster::Framebuffer Pattern(int width, int height, const std::vector<Pixel>& palette) {
    raster::Framebuffer image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.Set(x, y,
                      palette.empty()
                          ? MakePixel(x * 40, y * 70, x * y * 9)
                          : palette[static_cast<size_t>(x * 7 + y * 3) % palette.size()]);
        }
    }
    return image;
}

std::vector<Pixel> PixelsOf(const raster::Framebuffer& image) {
    return {image.Data(), image.Data() + image.Width() * image.Height()};
}

// ((bits per pixel, palette size), top-down, width)
class BmpRoundTripTest
    : public ::testing::TestWithParam<std::tuple<std::tuple<int, int>, bool, int>> {};

TEST_P(BmpRoundTripTest, DecodesWhatWasEncoded) {
    const auto [format, topDown, width] = GetParam();
    const auto [bits, colours] = format;
    const std::vector<Pixel> palette = Palette(colours);
    const raster::Framebuffer image = Pattern(width, 3, palette);
    const std::optional<raster::Framebuffer> decoded =
        raster::DecodeBmp(EncodeBmp(image, bits, topDown, palette));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->Width(), width);
    EXPECT_EQ(decoded->Height(), 3);
    EXPECT_EQ(PixelsOf(*decoded), PixelsOf(image));
}

std::string RoundTripName(const ::testing::TestParamInfo<BmpRoundTripTest::ParamType>& info) {
    const auto [format, topDown, width] = info.param;
    return std::to_string(std::get<0>(format)) + "Bits" + std::to_string(std::get<1>(format)) +
           "Colours" + (topDown ? "TopDown" : "BottomUp") + std::to_string(width) + "Wide";
}

INSTANTIATE_TEST_SUITE_P(Formats, BmpRoundTripTest,
                         ::testing::Combine(::testing::Values(std::tuple{1, 2}, std::tuple{4, 16},
                                                              std::tuple{4, 5}, std::tuple{8, 200},
                                                              std::tuple{24, 0}),
                                            ::testing::Bool(), ::testing::Values(1, 3, 5, 8, 9)),
                         RoundTripName);

// The same file byte by byte, written by hand, so that a mistake the encoder above shares with
// the decoder (colour order, nibble order, row order) cannot hide.
TEST(BmpDecodeTest, HandWrittenFourBitFile) {
    const Bytes file = {
        'B', 'M', 74, 0, 0, 0, 0, 0, 0, 0, 66, 0, 0, 0,   // file header, rows
                                                          // at 66
        40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 4, 0,  // 2 x 2, 1
                                                          // plane, 4 bits
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0,  // 3 colours
        0x00, 0x00, 0xFF, 0, 0xFF, 0x00, 0x00, 0, 0x00, 0xFF, 0x00, 0,           // red, blue, green
        0x12, 0, 0, 0,  // bottom row: blue, green
        0x20, 0, 0, 0,  // top row: green, red
    };
    const std::optional<raster::Framebuffer> image = raster::DecodeBmp(file);
    ASSERT_TRUE(image.has_value());
    const Pixel red = MakePixel(255, 0, 0);
    const Pixel green = MakePixel(0, 255, 0);
    const Pixel blue = MakePixel(0, 0, 255);
    EXPECT_EQ(PixelsOf(*image), (std::vector<Pixel>{green, red, blue, green}));
}

struct Malformed {
    std::string name;
    std::function<void(Bytes*)> damage;
};

class BmpMalformedTest : public ::testing::TestWithParam<Malformed> {};

TEST_P(BmpMalformedTest, GivesNothing) {
    const std::vector<Pixel> palette = Palette(16);
    Bytes file = EncodeBmp(Pattern(5, 3, palette), 4, false, palette);
    ASSERT_TRUE(raster::DecodeBmp(file).has_value());
    GetParam().damage(&file);
    EXPECT_FALSE(raster::DecodeBmp(file).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Damage, BmpMalformedTest,
    ::testing::Values(Malformed{"Empty", [](Bytes* b) { b->clear(); }},
                      Malformed{"FileHeaderOnly", [](Bytes* b) { b->resize(14); }},
                      Malformed{"LastRowCut", [](Bytes* b) { b->pop_back(); }},
                      Malformed{"BadMagic", [](Bytes* b) { (*b)[1] = 'A'; }},
                      Malformed{
                          "RowsPastTheEnd",
                          [](Bytes* b) { Put32(b, 10, static_cast<std::uint32_t>(b->size())); }},
                      Malformed{"RowsInsideThePalette", [](Bytes* b) { Put32(b, 10, 60); }},
                      Malformed{"HugeRowOffset", [](Bytes* b) { Put32(b, 10, 0xFFFFFFFF); }},
                      Malformed{"CoreHeader", [](Bytes* b) { Put32(b, 14, 12); }},
                      Malformed{"HugeInfoHeader", [](Bytes* b) { Put32(b, 14, 0xFFFFFFF0); }},
                      Malformed{"ZeroWidth", [](Bytes* b) { Put32(b, 18, 0); }},
                      Malformed{"NegativeWidth", [](Bytes* b) { Put32(b, 18, 0xFFFFFFFB); }},
                      Malformed{"WidthTooLarge", [](Bytes* b) { Put32(b, 18, 4097); }},
                      Malformed{"ZeroHeight", [](Bytes* b) { Put32(b, 22, 0); }},
                      Malformed{"TopDownTooTall",
                                [](Bytes* b) { Put32(b, 22, static_cast<std::uint32_t>(-4097)); }},
                      Malformed{"LowestHeight", [](Bytes* b) { Put32(b, 22, 0x80000000); }},
                      Malformed{"LargestSidesPastTheEnd",
                                [](Bytes* b) {
                                    Put32(b, 18, 4096);
                                    Put32(b, 22, 4096);
                                }},
                      Malformed{"TwoPlanes", [](Bytes* b) { Put16(b, 26, 2); }},
                      Malformed{"ZeroBits", [](Bytes* b) { Put16(b, 28, 0); }},
                      Malformed{"SixteenBits", [](Bytes* b) { Put16(b, 28, 16); }},
                      Malformed{"RunLengthCompressed", [](Bytes* b) { Put32(b, 30, 2); }},
                      Malformed{"BitFields", [](Bytes* b) { Put32(b, 30, 3); }},
                      Malformed{"MoreColoursThanBitsAllow", [](Bytes* b) { Put32(b, 46, 17); }},
                      Malformed{"PaletteIndexOutOfRange", [](Bytes* b) { Put32(b, 46, 2); }}),
    [](const auto& info) { return info.param.name; });

TEST(BmpDecodeTest, EveryTruncationGivesNothing) {
    const std::vector<Pixel> palette = Palette(2);
    const Bytes file = EncodeBmp(Pattern(9, 2, palette), 1, true, palette);
    for (size_t size = 0; size < file.size(); ++size) {
        EXPECT_FALSE(raster::DecodeBmp(std::span(file.data(), size)).has_value()) << size;
    }
}

// An icon's images are whole files back to back; the first is cut at its own size.
TEST(FirstBmpFileTest, CutsTheFirstOfSeveralFiles) {
    const std::vector<Pixel> palette = Palette(16);
    const Bytes large = EncodeBmp(Pattern(6, 6, palette), 4, false, palette);
    const Bytes small = EncodeBmp(Pattern(3, 3, palette), 4, false, palette);
    Bytes both = large;
    both.insert(both.end(), small.begin(), small.end());

    const std::span<const std::uint8_t> first = raster::FirstBmpFile(both);
    EXPECT_EQ(first.data(), both.data());
    EXPECT_EQ(first.size(), large.size());
    const std::optional<raster::Framebuffer> image = raster::DecodeBmp(first);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(PixelsOf(*image), PixelsOf(Pattern(6, 6, palette)));
    EXPECT_EQ(raster::FirstBmpFile(small).size(), small.size()) << "a single file is itself";
}

class FirstBmpFileMalformedTest : public ::testing::TestWithParam<Malformed> {};

TEST_P(FirstBmpFileMalformedTest, GivesNothing) {
    const std::vector<Pixel> palette = Palette(2);
    Bytes file = EncodeBmp(Pattern(5, 3, palette), 1, false, palette);
    ASSERT_EQ(raster::FirstBmpFile(file).size(), file.size());
    GetParam().damage(&file);
    EXPECT_TRUE(raster::FirstBmpFile(file).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Damage, FirstBmpFileMalformedTest,
    ::testing::Values(Malformed{"Empty", [](Bytes* b) { b->clear(); }},
                      Malformed{"FileHeaderCut", [](Bytes* b) { b->resize(13); }},
                      Malformed{"BadMagic", [](Bytes* b) { (*b)[0] = 'X'; }},
                      Malformed{
                          "SizePastTheData",
                          [](Bytes* b) { Put32(b, 2, static_cast<std::uint32_t>(b->size() + 1)); }},
                      Malformed{"LastByteCut", [](Bytes* b) { b->pop_back(); }},
                      Malformed{"HugeSize", [](Bytes* b) { Put32(b, 2, 0xFFFFFFFF); }},
                      Malformed{"ZeroSize", [](Bytes* b) { Put32(b, 2, 0); }},
                      Malformed{"SizeInsideTheHeaders", [](Bytes* b) { Put32(b, 2, 14 + 39); }}),
    [](const auto& info) { return info.param.name; });

}  // namespace
