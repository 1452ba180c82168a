#include "platform/core/gdi_object.h"

#include "platform/core/handle_table.h"
#include "platform/text/font.h"
#include "platform/win_gdi.h"

namespace gdi {
namespace {

// GDI objects may be created on any thread (a font made by a worker, say); each object itself
// is used by one thread at a time. Never destroyed: threads may still draw while the process ends.
HandleTable<PlatformGdiObject>& TheTable() {
    static auto* table = new HandleTable<PlatformGdiObject>;
    return *table;
}

template <typename T>
T* MakeStock() {
    auto object = std::make_unique<T>();
    object->stock = true;
    return static_cast<T*>(Add(std::move(object)));
}

HPEN MakeStockPen(raster::PenColor color) {
    PlatformPen* pen = MakeStock<PlatformPen>();
    pen->color = color;
    return pen;
}

HBRUSH MakeStockBrush(raster::BrushColor color) {
    PlatformBrush* brush = MakeStock<PlatformBrush>();
    brush->color = color;
    return brush;
}

}  // namespace

PlatformGdiObject* Find(HGDIOBJ handle) {
    return TheTable().Find(handle);
}

HGDIOBJ Add(std::unique_ptr<PlatformGdiObject> object) {
    return TheTable().Add(std::move(object));
}

void Remove(HGDIOBJ handle) {
    TheTable().Take(handle);
}

HPEN StockPen(int object) {
    static HPEN white = MakeStockPen(raster::MakePixel(255, 255, 255));
    static HPEN black = MakeStockPen(raster::MakePixel(0, 0, 0));
    static HPEN none = MakeStockPen(std::nullopt);
    switch (object) {
        case WHITE_PEN:
            return white;
        case BLACK_PEN:
            return black;
        case NULL_PEN:
            return none;
        default:
            return nullptr;
    }
}

HBRUSH StockBrush(int object) {
    static HBRUSH brushes[] = {
        MakeStockBrush(raster::MakePixel(255, 255, 255)),
        MakeStockBrush(raster::MakePixel(192, 192, 192)),
        MakeStockBrush(raster::MakePixel(128, 128, 128)),
        MakeStockBrush(raster::MakePixel(64, 64, 64)),
        MakeStockBrush(raster::MakePixel(0, 0, 0)),
        MakeStockBrush(std::nullopt),
    };
    if (object < WHITE_BRUSH || object > NULL_BRUSH) {
        return nullptr;
    }
    return brushes[object];
}

HFONT SystemFontObject() {
    static HFONT system = [] {
        PlatformFont* font = MakeStock<PlatformFont>();
        font->font = text::SystemFont();
        return static_cast<HFONT>(font);
    }();
    return system;
}

}  // namespace gdi
