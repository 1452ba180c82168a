// The platform's records of pens, brushes, fonts and bitmaps.
#pragma once

#include <memory>

#include "platform/raster/canvas.h"
#include "platform/raster/framebuffer.h"
#include "platform/win_types.h"

namespace text {
class Font;
}

enum class GdiKind { Pen, Brush, Font, Bitmap };

struct PlatformGdiObject {
    explicit PlatformGdiObject(GdiKind k) : kind(k) {}
    virtual ~PlatformGdiObject() = default;
    GdiKind kind;
    bool stock = false;
    // How many device contexts have it selected; a selected object is not deleted.
    int selections = 0;
};

struct PlatformPen : PlatformGdiObject {
    PlatformPen() : PlatformGdiObject(GdiKind::Pen) {}
    raster::PenColor color;  // none for PS_NULL
};

struct PlatformBrush : PlatformGdiObject {
    PlatformBrush() : PlatformGdiObject(GdiKind::Brush) {}
    raster::BrushColor color;  // none for the null brush
};

struct PlatformFont : PlatformGdiObject {
    PlatformFont() : PlatformGdiObject(GdiKind::Font) {}
    std::shared_ptr<const text::Font> font;
};

struct PlatformBitmap : PlatformGdiObject {
    PlatformBitmap() : PlatformGdiObject(GdiKind::Bitmap) {}
    raster::Framebuffer pixels;
    int bitsPerPixel = 32;
};

// The COLORREF 0x00BBGGRR as a framebuffer pixel.
inline raster::Pixel ToPixel(COLORREF color) {
    return raster::MakePixel(GetRValue(color), GetGValue(color), GetBValue(color));
}

namespace gdi {

// The object if `handle` names a live GDI object, else null.
PlatformGdiObject* Find(HGDIOBJ handle);
// Takes ownership and returns the handle.
HGDIOBJ Add(std::unique_ptr<PlatformGdiObject> object);
void Remove(HGDIOBJ handle);

// The stock objects; they live for the whole process.
HPEN StockPen(int object);
HBRUSH StockBrush(int object);
HFONT SystemFontObject();

}  // namespace gdi
