// Fonts matched by fontconfig and drawn with FreeType, and the text layout of DrawTextW.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/raster/canvas.h"

namespace text {

// What a program asks for, in the platform's logical-font terms.
struct FontRequest {
    std::string face;  // UTF-8; empty for the default sans
    int height = 0;    // > 0: cell height in pixels; < 0: character (em) height; 0: default
};

class Font;

// The platform's system font is the default sans at this cell height: readable on the
// 176 × 220 screen. A request of height 0 gets this height; the face name "System" (any case)
// names the default sans.
constexpr int kSystemFontCellHeight = 13;

// The requested face when installed, else the default sans, at the requested height; always
// the regular upright style. Null only when no font at all can be loaded.
// Equal requests share one font; fonts may be used from any thread. Heights beyond 1000 pixels
// either way are taken as 1000.
std::shared_ptr<const Font> OpenFont(const FontRequest& request);

// The platform's system font: the default font of every device context and of dialogs.
std::shared_ptr<const Font> SystemFont();

// The height of one line of text, and the average character width that dialog units use.
int LineHeight(const Font& font);
int AverageCharWidth(const Font& font);
// The path of the face file that was matched, for diagnostics and tests.
std::string FacePath(const Font& font);

struct TextStyle {
    raster::Pixel color = raster::MakePixel(0, 0, 0);
    // Opaque background behind each line's text, or none (transparent).
    raster::BrushColor background = raster::MakePixel(255, 255, 255);
};

// The characters DrawTextW's (text, count) pair names: count -1 (any negative) runs up to the
// terminating zero, a positive count is that many characters but never past a terminating zero,
// 0 (or a null text) is none.
std::wstring_view TextOfCount(const wchar_t* text, int count);

// The platform's DrawTextW on a canvas: `format` takes the DT_ values (DT_CENTER, DT_RIGHT,
// DT_VCENTER, DT_WORDBREAK, DT_SINGLELINE, DT_CALCRECT). "\r\n", "\n" and "\r" break lines
// unless DT_SINGLELINE. Drawing is clipped to `rect`.
// With DT_CALCRECT nothing is drawn: rect's right and bottom are set to the text's extent.
// Line breaks, wrapping and alignment are as text_layout.h describes. The background, when
// there is one, fills each line's text box (its width × the line height), not the whole rect;
// glyphs are antialiased and blended over what lies under them.
// Returns the height of the text drawn or measured: lines × line height.
int DrawText(const raster::Canvas& canvas, const Font& font, std::wstring_view text,
             raster::Rect* rect, unsigned format, const TextStyle& style);

}  // namespace text
