// The About logo and the program icon, read back through the platform: the phone's 4-bit .bmp
// files, decoded to pictures of their sizes.
#include <gtest/gtest.h>

#include <cstdint>
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
            break;
        }
        images.push_back(image);
        rest = rest.subspan(image.size());
    }
    return images;
}

TEST(ArtworkTest, IconGroupHoldsThreeWholeImagesAndNothingElse) {
    const std::vector<Bytes> images = IconImages();
    ASSERT_EQ(images.size(), 3u);
    EXPECT_EQ(images[0].size() + images[1].size() + images[2].size(),
              ResourceBytes(IDI_TALVEX_GO, RT_GROUP_ICON).size());
    // The window's icon is the first image of the first icon group.
    const PlatformResource* first =
        resources::FindFirst(&ProgramResources, resource_type::GroupIcon);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->id, IDI_TALVEX_GO);
}

struct ImageCase {
    std::string name;
    int side;  // the icons' sides; 0 for the logo
};

class PhoneImageTest : public ::testing::TestWithParam<ImageCase> {};

// A 4-bit file (the phone's 16 colours) that decodes to a picture: the stones' black and white,
// and colours besides.
TEST_P(PhoneImageTest, IsAFourBitBitmapThatDecodesToAPicture) {
    const int side = GetParam().side;
    const Bytes file =
        side == 0 ? ResourceBytes(IDB_ABOUT_LOGO, RT_BITMAP) : IconImages().at(side == 32 ? 1 : 2);
    ASSERT_GT(file.size(), 30u);
    EXPECT_EQ(file[28], 4) << "bits per pixel";
    const auto image = raster::DecodeBmp(file);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->Width(), side == 0 ? 102 : side);
    EXPECT_EQ(image->Height(), side == 0 ? 126 : side);
    std::set<raster::Pixel> colours(image->Data(),
                                    image->Data() + image->Width() * image->Height());
    EXPECT_TRUE(colours.contains(raster::MakePixel(0, 0, 0)));
    EXPECT_TRUE(colours.contains(raster::MakePixel(255, 255, 255)));
    EXPECT_GE(colours.size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(Images, PhoneImageTest,
                         ::testing::Values(ImageCase{"AboutLogo", 0}, ImageCase{"Icon32", 32},
                                           ImageCase{"Icon16", 16}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
