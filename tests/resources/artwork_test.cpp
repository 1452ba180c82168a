// The program's resources as the platform reads them: one of each type and id, and the About
// logo and icons as the phone's 4-bit .bmp files, decoded to pictures of their sizes.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <span>
#include <utility>
#include <vector>

#include "platform/core/resources.h"
#include "platform/raster/bmp_decode.h"
#include "platform/resource_module.h"
#include "platform/windows.h"
#include "resources/resource_ids.h"

namespace {

using Bytes = std::span<const std::uint8_t>;

// Two resources of one type and id would hide one another.
TEST(ResourceTableTest, EachTypeAndIdOnce) {
    std::map<std::pair<WORD, WORD>, int> seen;
    for (std::size_t i = 0; i < ProgramResources.count; ++i) {
        const PlatformResource& resource = ProgramResources.resources[i];
        EXPECT_EQ(++seen[std::pair(resource.type, resource.id)], 1)
            << "type " << resource.type << ", id " << resource.id;
        EXPECT_GT(resource.size, 0u);
    }
}

Bytes ResourceBytes(UINT id, LPCWSTR type) {
    HRSRC found = FindResourceW(&ProgramResources, MAKEINTRESOURCEW(id), type);
    return found == nullptr ? Bytes{}
                            : Bytes{static_cast<const std::uint8_t*>(
                                        LockResource(LoadResource(&ProgramResources, found))),
                                    SizeofResource(&ProgramResources, found)};
}

// The window's icon is the first image of the first icon group: whole files back to back, each
// cut at its own size, three of them and nothing else; then the logo. The phone's are 4-bit,
// the stones' black and white among their colours.
TEST(ArtworkTest, IconsAndLogoAreFourBitBitmapsOfTheirSizes) {
    const PlatformResource* first =
        resources::FindFirst(&ProgramResources, resource_type::GroupIcon);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->id, IDI_TALVEX_GO);
    std::vector<Bytes> images;
    for (Bytes rest = ResourceBytes(IDI_TALVEX_GO, RT_GROUP_ICON); !rest.empty();) {
        images.push_back(raster::FirstBmpFile(rest));
        ASSERT_FALSE(images.back().empty()) << "a cut image";
        rest = rest.subspan(images.back().size());
    }
    ASSERT_EQ(images.size(), 3u);
    images.push_back(ResourceBytes(IDB_ABOUT_LOGO, RT_BITMAP));
    const std::pair<int, int> sizes[] = {{64, 64}, {32, 32}, {16, 16}, {102, 126}};
    for (std::size_t i = 0; i < images.size(); ++i) {
        const auto image = raster::DecodeBmp(images[i]);
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(std::pair(image->Width(), image->Height()), sizes[i]) << "image " << i;
        if (i == 0) {
            continue;  // the desktop's icon, of more colours
        }
        EXPECT_EQ(images[i][28], 4) << "bits per pixel of image " << i;
        std::set<raster::Pixel> colours(image->Data(),
                                        image->Data() + image->Width() * image->Height());
        EXPECT_TRUE(colours.contains(raster::MakePixel(0, 0, 0)));
        EXPECT_TRUE(colours.contains(raster::MakePixel(255, 255, 255)));
        EXPECT_GE(colours.size(), 4u);
    }
}

}  // namespace
