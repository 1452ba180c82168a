// A face file opened with FreeType at one pixel size: its line metrics and its rendered glyphs.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/text/font_match.h"
#include "platform/text/text_measure.h"

struct FT_FaceRec_;

namespace text {

class FreeTypeLibrary;

// One character's antialiased image, placed relative to the pen on the baseline.
struct Glyph {
    int left = 0;  // from the pen to the image's first column
    int top = 0;   // from the baseline up to the image's first row
    int width = 0;
    int rows = 0;
    int advance = 0;                     // whole pixels the pen moves on
    std::vector<std::uint8_t> coverage;  // rows × width, 0 (none) to 255 (full)
};

// How the size of a face is asked for, in whole pixels.
struct PixelSize {
    int pixels = 0;
    bool cell = true;  // cell height (ascender + descender) rather than em height
};

class Font final : public TextMeasure {
  public:
    // Null when the file cannot be opened or sized.
    static std::shared_ptr<const Font> Load(const FaceFile& file, PixelSize size);

    Font(std::shared_ptr<FreeTypeLibrary> library, FT_FaceRec_* face, FaceFile file);
    ~Font() override;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    int Advance(wchar_t c) const override { return GlyphOf(c).advance; }
    int LineHeight() const override { return lineHeight_; }
    // From the top of a line down to its baseline.
    int Ascent() const { return ascent_; }
    int AverageCharWidth() const { return averageCharWidth_; }
    const std::string& Path() const { return file_.path; }

    // Rendered on first use and kept; the reference stays valid as long as the font.
    const Glyph& GlyphOf(wchar_t c) const;

  private:
    bool Size(PixelSize size);
    Glyph Render(wchar_t c) const;

    std::shared_ptr<FreeTypeLibrary> library_;
    FT_FaceRec_* face_;
    FaceFile file_;
    int lineHeight_ = 0;
    int ascent_ = 0;
    int averageCharWidth_ = 0;
    // Guarded by the library's mutex, which every use of face_ holds anyway.
    mutable std::unordered_map<wchar_t, std::unique_ptr<const Glyph>> glyphs_;
};

}  // namespace text
