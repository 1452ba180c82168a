// The About logo and the program icon: whole .bmp files in the phone's 16-colour format (4 bits
// a pixel, the standard VGA palette, uncompressed), and the desktop window's icon in full colour
// with alpha, read back through the platform.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "platform/core/resources.h"
#include "platform/raster/bmp_decode.h"
#include "platform/resource_module.h"
#include "platform/windows.h"
#include "resources/resource_ids.h"

namespace {

using Bytes = std::span<const std::uint8_t>;

// The 16 standard VGA colours in the Windows palette's order, as red, green, blue.
constexpr std::array<std::array<int, 3>, 16> Vga = {{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

std::uint32_t U16(Bytes bytes, std::size_t at) {
    return bytes[at] | static_cast<std::uint32_t>(bytes[at + 1]) << 8;
}

std::uint32_t U32(Bytes bytes, std::size_t at) {
    return U16(bytes, at) | U16(bytes, at + 2) << 16;
}

Bytes ResourceBytes(UINT id, LPCWSTR type) {
    HRSRC found = FindResourceW(&ProgramResources, MAKEINTRESOURCEW(id), type);
    if (found == nullptr) {
        return {};
    }
    return {static_cast<const std::uint8_t*>(LockResource(LoadResource(&ProgramResources, found))),
            SizeofResource(&ProgramResources, found)};
}

// The icon group's images: whole files back to back, each cut at its own size.
std::vector<Bytes> IconImages() {
    std::vector<Bytes> images;
    for (Bytes rest = ResourceBytes(IDI_TALVEX_GO, RT_GROUP_ICON); !rest.empty();) {
        const Bytes image = raster::FirstBmpFile(rest);
        if (image.empty()) {
            break;  // the rest is no whole file; the tests below see it
        }
        images.push_back(image);
        rest = rest.subspan(image.size());
    }
    return images;
}

struct ImageCase {
    std::string name;
    std::function<Bytes()> bytes;
    int width;
    int height;
    friend void PrintTo(const ImageCase& c, std::ostream* os) { *os << c.name; }
};

Bytes IconImage(std::size_t index) {
    const std::vector<Bytes> images = IconImages();
    return index < images.size() ? images[index] : Bytes{};
}

class ArtworkFormatTest : public ::testing::TestWithParam<ImageCase> {};

TEST_P(ArtworkFormatTest, IsAWholeFourBitVgaBitmap) {
    const Bytes file = GetParam().bytes();
    ASSERT_GE(file.size(), 14u + 40u + 16u * 4u) << "missing or cut short";
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(U32(file, 2), file.size()) << "file size";
    const std::uint32_t headerSize = U32(file, 14);
    EXPECT_EQ(headerSize, 40u);
    EXPECT_EQ(static_cast<std::int32_t>(U32(file, 18)), GetParam().width);
    EXPECT_EQ(static_cast<std::int32_t>(U32(file, 22)), GetParam().height) << "bottom-up rows";
    EXPECT_EQ(U16(file, 26), 1u) << "planes";
    EXPECT_EQ(U16(file, 28), 4u) << "bits per pixel";
    EXPECT_EQ(U32(file, 30), 0u) << "BI_RGB: uncompressed";
    const std::uint32_t colorsUsed = U32(file, 46);
    EXPECT_TRUE(colorsUsed == 0 || colorsUsed == 16) << colorsUsed;
    for (std::size_t i = 0; i < Vga.size(); ++i) {
        const std::size_t at = 14 + headerSize + i * 4;  // blue, green, red, reserved
        EXPECT_EQ((std::array<int, 3>{file[at + 2], file[at + 1], file[at]}), Vga[i])
            << "palette entry " << i;
        EXPECT_EQ(file[at + 3], 0) << "palette entry " << i;
    }
}

// The platform decodes it, and it is a picture: the black and the white of the stones and
// colours besides.
TEST_P(ArtworkFormatTest, DecodesToAPicture) {
    const std::optional<raster::Framebuffer> image = raster::DecodeBmp(GetParam().bytes());
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->Width(), GetParam().width);
    EXPECT_EQ(image->Height(), GetParam().height);
    std::set<raster::Pixel> colours(image->Data(),
                                    image->Data() + image->Width() * image->Height());
    EXPECT_TRUE(colours.contains(raster::MakePixel(0, 0, 0)));
    EXPECT_TRUE(colours.contains(raster::MakePixel(255, 255, 255)));
    EXPECT_GE(colours.size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(
    Images, ArtworkFormatTest,
    ::testing::Values(ImageCase{"AboutLogo",
                                [] { return ResourceBytes(IDB_ABOUT_LOGO, RT_BITMAP); }, 102, 126},
                      ImageCase{"Icon32", [] { return IconImage(1); }, 32, 32},
                      ImageCase{"Icon16", [] { return IconImage(2); }, 16, 16}),
    [](const auto& info) { return info.param.name; });

TEST(ArtworkTest, IconGroupHoldsThreeImagesAndNothingElse) {
    const Bytes group = ResourceBytes(IDI_TALVEX_GO, RT_GROUP_ICON);
    const std::vector<Bytes> images = IconImages();
    ASSERT_EQ(images.size(), 3u);
    EXPECT_EQ(images[0].size() + images[1].size() + images[2].size(), group.size())
        << "bytes after the images";
    // The window's icon is the first image of the first icon group: the 64-pixel one.
    const PlatformResource* first =
        resources::FindFirst(&ProgramResources, resource_type::GroupIcon);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->id, IDI_TALVEX_GO);
}

// The window's icon is the desktop icon's smooth drawing: transparent outside its rounded
// corners, softened along them, and opaque everywhere else, the stones' shadows included.
TEST(ArtworkTest, WindowIconHasTransparentRoundedCorners) {
    const std::optional<raster::Framebuffer> icon = raster::DecodeBmpWithAlpha(IconImage(0));
    ASSERT_TRUE(icon.has_value());
    ASSERT_EQ(icon->Width(), 64);
    ASSERT_EQ(icon->Height(), 64);
    std::set<raster::Pixel> cornerAlphas;
    int seeThrough = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const raster::Pixel alpha = icon->At(x, y) >> 24;
            if (std::min(x, 63 - x) < 9 && std::min(y, 63 - y) < 9) {
                cornerAlphas.insert(alpha);
            } else if (alpha != 0xFF) {
                ++seeThrough;
            }
        }
    }
    EXPECT_EQ(seeThrough, 0) << "pixels not opaque outside the corners";
    for (const int x : {0, 63}) {
        for (const int y : {0, 63}) {
            EXPECT_EQ(icon->At(x, y) >> 24, 0u) << x << ", " << y;
        }
    }
    EXPECT_GE(cornerAlphas.size(), 4u) << "smooth edges";
}

TEST(ArtworkTest, LogoLoadsAsABitmapOfItsSize) {
    HBITMAP logo = LoadBitmapW(&ProgramResources, MAKEINTRESOURCEW(IDB_ABOUT_LOGO));
    ASSERT_NE(logo, nullptr);
    BITMAP description{};
    ASSERT_EQ(GetObjectW(logo, sizeof description, &description),
              static_cast<int>(sizeof description));
    EXPECT_EQ(description.bmWidth, 102);
    EXPECT_EQ(description.bmHeight, 126);
    EXPECT_TRUE(DeleteObject(logo));
}

}  // namespace
