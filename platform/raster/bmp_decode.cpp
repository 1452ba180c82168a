#include "platform/raster/bmp_decode.h"

#include <cstddef>
#include <vector>

namespace raster {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;
// The two depths read: 16 colours from a palette, two pixels a byte; and blue, green, red and
// a fourth byte.
constexpr std::uint32_t kPalettedBits = 4;
constexpr std::uint64_t kPaletteColors = 16;
constexpr std::uint32_t kDirectBits = 32;
constexpr Pixel kAlphaMask = 0xFF000000u;

// Little-endian fields read from a buffer whose size the caller has checked.
class FieldReader {
  public:
    explicit FieldReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint32_t U16(std::size_t at) const {
        const std::uint32_t low = bytes_[at];
        const std::uint32_t high = bytes_[at + 1];
        return low | high << 8;
    }
    std::uint32_t U32(std::size_t at) const { return U16(at) | U16(at + 2) << 16; }
    std::int64_t I32(std::size_t at) const {
        const std::uint32_t raw = U32(at);
        return raw < 0x80000000u ? std::int64_t{raw} : std::int64_t{raw} - (std::int64_t{1} << 32);
    }

  private:
    std::span<const std::uint8_t> bytes_;
};

struct Layout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    bool paletted = false;
    std::vector<Pixel> palette;
    std::size_t pixelOffset = 0;
    std::size_t rowStride = 0;
};

bool ValidSide(std::int64_t side) {
    return side > 0 && side <= kMaxBitmapSide;
}

// Reads the headers and the palette; nullopt unless they describe rows that fit in the file.
std::optional<Layout> ReadLayout(std::span<const std::uint8_t> file) {
    const FieldReader field(file);
    if (file.size() < kFileHeaderSize + kInfoHeaderSize || file[0] != 'B' || file[1] != 'M') {
        return std::nullopt;
    }
    const std::uint64_t pixelOffset = field.U32(10);
    const std::uint64_t headerSize = field.U32(14);
    const std::int64_t width = field.I32(18);
    const std::int64_t signedHeight = field.I32(22);
    const std::uint32_t planes = field.U16(26);
    const std::uint32_t bits = field.U16(28);
    const std::uint32_t compression = field.U32(30);
    const std::uint64_t colorsUsed = field.U32(46);

    const std::int64_t height = signedHeight < 0 ? -signedHeight : signedHeight;
    if (headerSize < kInfoHeaderSize || planes != 1 || compression != kBiRgb || !ValidSide(width) ||
        !ValidSide(height) || (bits != kPalettedBits && bits != kDirectBits)) {
        return std::nullopt;
    }
    Layout layout;
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);
    layout.topDown = signedHeight < 0;
    layout.paletted = bits == kPalettedBits;
    layout.rowStride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;

    const std::uint64_t paletteStart = kFileHeaderSize + headerSize;
    const std::uint64_t maxColors = layout.paletted ? kPaletteColors : 0;
    const std::uint64_t colors = colorsUsed != 0 && layout.paletted ? colorsUsed : maxColors;
    if (colors > maxColors || paletteStart + colors * 4 > pixelOffset) {
        return std::nullopt;
    }
    const std::uint64_t rowsEnd = pixelOffset + std::uint64_t{layout.rowStride} * height;
    if (rowsEnd > file.size()) {
        return std::nullopt;
    }
    for (std::uint64_t i = 0; i < colors; ++i) {
        const std::size_t at = static_cast<std::size_t>(paletteStart + i * 4);
        layout.palette.push_back(MakePixel(file[at + 2], file[at + 1], file[at]));
    }
    layout.pixelOffset = static_cast<std::size_t>(pixelOffset);
    return layout;
}

// The colour of pixel x of a row, a 32-bit pixel's fourth byte on top; nullopt for a palette
// index the palette lacks.
std::optional<Pixel> PixelOfRow(const Layout& layout, std::span<const std::uint8_t> row, int x) {
    const std::size_t column = static_cast<std::size_t>(x);
    if (!layout.paletted) {
        const std::size_t at = column * 4;
        return MakePixel(row[at + 2], row[at + 1], row[at]) | Pixel{row[at + 3]} << 24;
    }
    // The leftmost pixel sits in the byte's high bits.
    const std::uint8_t pair = row[column / 2];
    const std::size_t index = column % 2 == 0 ? pair >> 4 : pair & 0x0F;
    if (index >= layout.palette.size()) {
        return std::nullopt;
    }
    return layout.palette[index];
}

// The image, its top bytes as DecodeBmpWithAlpha gives them when `alpha`, else zero.
std::optional<Framebuffer> Decode(std::span<const std::uint8_t> file, bool alpha) {
    const std::optional<Layout> layout = ReadLayout(file);
    if (!layout) {
        return std::nullopt;
    }
    Framebuffer image(layout->width, layout->height);
    bool anyAlpha = false;
    for (int y = 0; y < layout->height; ++y) {
        // Rows are stored bottom-up unless the height is negative.
        const int storedRow = layout->topDown ? y : layout->height - 1 - y;
        const std::span<const std::uint8_t> row = file.subspan(
            layout->pixelOffset + static_cast<std::size_t>(storedRow) * layout->rowStride,
            layout->rowStride);
        for (int x = 0; x < layout->width; ++x) {
            const std::optional<Pixel> pixel = PixelOfRow(*layout, row, x);
            if (!pixel) {
                return std::nullopt;
            }
            anyAlpha = anyAlpha || (*pixel & kAlphaMask) != 0;
            image.Set(x, y, alpha ? *pixel : *pixel & ~kAlphaMask);
        }
    }
    if (alpha && !anyAlpha) {
        for (int y = 0; y < image.Height(); ++y) {
            for (int x = 0; x < image.Width(); ++x) {
                image.Set(x, y, image.At(x, y) | kAlphaMask);
            }
        }
    }
    return image;
}

}  // namespace

std::optional<Framebuffer> DecodeBmp(std::span<const std::uint8_t> file) {
    return Decode(file, false);
}

std::optional<Framebuffer> DecodeBmpWithAlpha(std::span<const std::uint8_t> file) {
    return Decode(file, true);
}

std::span<const std::uint8_t> FirstBmpFile(std::span<const std::uint8_t> files) {
    if (files.size() < kFileHeaderSize || files[0] != 'B' || files[1] != 'M') {
        return {};
    }
    const std::uint64_t size = FieldReader(files).U32(2);
    if (size < kFileHeaderSize + kInfoHeaderSize || size > files.size()) {
        return {};
    }
    return files.first(static_cast<std::size_t>(size));
}

}  // namespace raster
