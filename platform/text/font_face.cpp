#include "platform/text/font_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H

#include <algorithm>
#include <cstdlib>
#include <mutex>

#include "platform/text/freetype_library.h"

namespace text {

namespace {

// FreeType measures in 26.6 fixed point: 64 units a pixel.
constexpr FT_Pos kUnitsPerPixel = 64;

int RoundPixels(FT_Pos units) {
    return static_cast<int>((units + kUnitsPerPixel / 2) / kUnitsPerPixel);
}

// Rounds up, but takes a value no more than one unit over a whole pixel as that pixel: the
// scaled metrics of a cell-height request come back a unit off now and then.
int CeilPixels(FT_Pos units) {
    return static_cast<int>((std::max<FT_Pos>(units, 0) + kUnitsPerPixel - 2) / kUnitsPerPixel);
}

// Bitmap-only faces come in fixed sizes: the strike nearest the requested height.
bool SelectNearestStrike(FT_Face face, int pixels) {
    if (face->num_fixed_sizes <= 0) {
        return false;
    }
    int best = 0;
    for (int i = 1; i < face->num_fixed_sizes; ++i) {
        if (std::abs(face->available_sizes[i].height - pixels) <
            std::abs(face->available_sizes[best].height - pixels)) {
            best = i;
        }
    }
    return FT_Select_Size(face, best) == 0;
}

// The slot's image as 0..255 coverage, whatever its pixel mode (mono, 2-, 4- or 8-bit gray).
void CopyCoverage(FT_Library library, const FT_Bitmap& source, Glyph& glyph) {
    if (source.width == 0 || source.rows == 0) {
        return;
    }
    FT_Bitmap gray;
    FT_Bitmap_Init(&gray);
    if (FT_Bitmap_Convert(library, &source, &gray, 1) == 0 && gray.num_grays > 1) {
        glyph.width = static_cast<int>(gray.width);
        glyph.rows = static_cast<int>(gray.rows);
        glyph.coverage.resize(static_cast<size_t>(glyph.width) * glyph.rows);
        const int levels = gray.num_grays - 1;
        const int pitch = std::abs(gray.pitch);
        for (int row = 0; row < glyph.rows; ++row) {
            const unsigned char* in = gray.buffer + static_cast<ptrdiff_t>(row) * pitch;
            std::uint8_t* out = glyph.coverage.data() + static_cast<size_t>(row) * glyph.width;
            for (int x = 0; x < glyph.width; ++x) {
                out[x] = static_cast<std::uint8_t>(
                    std::min(in[x], static_cast<unsigned char>(levels)) * 255 / levels);
            }
        }
    }
    FT_Bitmap_Done(library, &gray);
}

}  // namespace

std::shared_ptr<const Font> Font::Load(const FaceFile& file, PixelSize size) {
    std::shared_ptr<FreeTypeLibrary> library = FreeTypeLibrary::Get();
    if (!library || size.pixels <= 0) {
        return nullptr;
    }
    FT_Face face = nullptr;
    {
        std::lock_guard lock(library->Mutex());
        if (FT_New_Face(library->Handle(), file.path.c_str(), file.index, &face) != 0) {
            return nullptr;
        }
    }
    // From here the font owns the face; it is dropped, when sizing fails, outside the lock
    // that its destructor takes.
    auto font = std::make_shared<Font>(library, face, file);
    bool sized = false;
    {
        std::lock_guard lock(library->Mutex());
        sized = font->Size(size);
    }
    if (!sized) {
        return nullptr;
    }
    int sum = 0;
    constexpr int kLetters = 52;
    for (wchar_t c = L'a'; c <= L'z'; ++c) {
        sum += font->Advance(c) + font->Advance(static_cast<wchar_t>(c - L'a' + L'A'));
    }
    font->averageCharWidth_ = (sum + kLetters / 2) / kLetters;
    return font;
}

Font::Font(std::shared_ptr<FreeTypeLibrary> library, FT_FaceRec_* face, FaceFile file)
    : library_(std::move(library)), face_(face), file_(std::move(file)) {}

Font::~Font() {
    std::lock_guard lock(library_->Mutex());
    FT_Done_Face(face_);
}

bool Font::Size(PixelSize size) {
    FT_Size_RequestRec request{};
    request.type = size.cell ? FT_SIZE_REQUEST_TYPE_CELL : FT_SIZE_REQUEST_TYPE_NOMINAL;
    request.height = static_cast<FT_Long>(size.pixels) * kUnitsPerPixel;
    if (FT_Request_Size(face_, &request) != 0 && !SelectNearestStrike(face_, size.pixels)) {
        return false;
    }
    const FT_Size_Metrics& metrics = face_->size->metrics;
    FT_Pos ascent = metrics.ascender;
    FT_Pos descent = -metrics.descender;
    if (FT_IS_SCALABLE(face_) && face_->ascender - face_->descender > 0) {
        // Unrounded, so that a cell-height request gives back exactly its height.
        ascent = FT_MulFix(face_->ascender, metrics.y_scale);
        descent = FT_MulFix(-face_->descender, metrics.y_scale);
    }
    lineHeight_ = ascent + descent > 0 ? CeilPixels(ascent + descent) : RoundPixels(metrics.height);
    lineHeight_ = std::max(lineHeight_, 1);
    ascent_ = std::clamp(RoundPixels(ascent), 0, lineHeight_);
    return true;
}

const Glyph& Font::GlyphOf(wchar_t c) const {
    std::lock_guard lock(library_->Mutex());
    auto found = glyphs_.find(c);
    if (found == glyphs_.end()) {
        found = glyphs_.emplace(c, std::make_unique<const Glyph>(Render(c))).first;
    }
    return *found->second;
}

Glyph Font::Render(wchar_t c) const {
    Glyph glyph;
    const FT_UInt index = FT_Get_Char_Index(face_, static_cast<FT_ULong>(c));
    if (FT_Load_Glyph(face_, index, FT_LOAD_TARGET_LIGHT) != 0) {
        return glyph;
    }
    FT_GlyphSlot slot = face_->glyph;
    glyph.advance = RoundPixels(slot->advance.x);
    if (slot->format != FT_GLYPH_FORMAT_BITMAP &&
        FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) {
        return glyph;
    }
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    CopyCoverage(library_->Handle(), slot->bitmap, glyph);
    return glyph;
}

}  // namespace text
