// DrawText: the laid-out lines put on a canvas.
#include <algorithm>
#include <cwchar>

#include "platform/text/font.h"
#include "platform/text/font_face.h"
#include "platform/text/glyph_blend.h"
#include "platform/text/text_layout.h"
#include "platform/win_gdi.h"

namespace text {

namespace {

void DrawLine(const raster::Canvas& canvas, const Font& font, const LaidOutLine& line,
              raster::Pixel color) {
    // Beyond the clip's right edge (and a line height more, for glyphs that lean back over
    // their pen position) nothing more of the line can show.
    const long long stop = std::min(
        static_cast<long long>(canvas.clip.Bounds().right) - canvas.originX + font.LineHeight(),
        kMaxCoordinate);
    long long pen = line.box.left;
    const int baseline = line.box.top + font.Ascent();
    for (wchar_t c : line.chars) {
        if (pen > stop) {
            break;
        }
        const Glyph& glyph = font.GlyphOf(c);
        BlendGlyph(canvas, glyph, static_cast<int>(pen) + glyph.left, baseline - glyph.top, color);
        pen += glyph.advance;
    }
}

}  // namespace

std::wstring_view TextOfCount(const wchar_t* text, int count) {
    if (text == nullptr || count == 0) {
        return {};
    }
    if (count < 0) {
        return {text, std::wcslen(text)};
    }
    // Never past a terminating zero, whatever the count says.
    size_t length = 0;
    while (length < static_cast<size_t>(count) && text[length] != L'\0') {
        ++length;
    }
    return {text, length};
}

int DrawText(const raster::Canvas& canvas, const Font& font, std::wstring_view text,
             raster::Rect* rect, unsigned format, const TextStyle& style) {
    if (rect == nullptr) {
        return 0;
    }
    const TextLayout layout = LayOutText(text, *rect, format, font);
    if (format & DT_CALCRECT) {
        rect->right = layout.extent.right;
        rect->bottom = layout.extent.bottom;
        return layout.height;
    }
    raster::Canvas clipped = canvas;
    // Moved as a region, which saturates at the coordinate range's ends.
    raster::Region area(*rect);
    area.Offset(canvas.originX, canvas.originY);
    clipped.clip.IntersectWith(area.Bounds());
    // Every background first: a descender reaching into the next line's box stays visible.
    if (style.background) {
        for (const LaidOutLine& line : layout.lines) {
            raster::FillRect(clipped, line.box, *style.background);
        }
    }
    for (const LaidOutLine& line : layout.lines) {
        DrawLine(clipped, font, line, style.color);
    }
    return layout.height;
}

}  // namespace text
