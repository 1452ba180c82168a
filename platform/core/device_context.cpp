#include "platform/core/device_context.h"

#include "platform/core/handle_table.h"
#include "platform/core/screen.h"
#include "platform/core/window.h"
#include "platform/win_gdi.h"

namespace device_context {
namespace {

HandleTable<PlatformDeviceContext>& TheTable() {
    static auto* table = new HandleTable<PlatformDeviceContext>;
    return *table;
}

void Select(HGDIOBJ object) {
    if (PlatformGdiObject* found = gdi::Find(object)) {
        ++found->selections;
    }
}

void Deselect(HGDIOBJ object) {
    if (PlatformGdiObject* found = gdi::Find(object)) {
        --found->selections;
    }
}

HDC AddContext(std::unique_ptr<PlatformDeviceContext> dc) {
    dc->pen = gdi::StockPen(BLACK_PEN);
    dc->brush = gdi::StockBrush(WHITE_BRUSH);
    dc->font = gdi::SystemFontObject();
    Select(dc->pen);
    Select(dc->brush);
    Select(dc->font);
    return TheTable().Add(std::move(dc));
}

}  // namespace

HDC ForWindow(HWND window, const raster::Region& clip) {
    auto dc = std::make_unique<PlatformDeviceContext>();
    dc->window = window;
    dc->area = windows::ScreenClientRect(window);
    dc->clip = clip;
    dc->clip.IntersectWith(dc->area);
    dc->clip.IntersectWith(screen::ClientArea);
    return AddContext(std::move(dc));
}

HDC ForMemory() {
    auto dc = std::make_unique<PlatformDeviceContext>();
    dc->memory = true;
    auto bitmap = std::make_unique<PlatformBitmap>();
    bitmap->pixels = raster::Framebuffer(1, 1, raster::MakePixel(0, 0, 0));
    dc->bitmap = static_cast<HBITMAP>(gdi::Add(std::move(bitmap)));
    dc->ownBitmap = dc->bitmap;
    Select(dc->bitmap);
    return AddContext(std::move(dc));
}

PlatformDeviceContext* Find(HDC handle) {
    return TheTable().Find(handle);
}

void Release(HDC handle) {
    const std::unique_ptr<PlatformDeviceContext> dc = TheTable().Take(handle);
    if (dc == nullptr) {
        return;
    }
    Deselect(dc->pen);
    Deselect(dc->brush);
    Deselect(dc->font);
    Deselect(dc->bitmap);
    gdi::Remove(dc->ownBitmap);
}

raster::Canvas CanvasOf(const PlatformDeviceContext& dc) {
    if (dc.memory) {
        auto* bitmap = static_cast<PlatformBitmap*>(gdi::Find(dc.bitmap));
        return raster::CanvasFor(bitmap->pixels);
    }
    raster::Canvas canvas;
    canvas.target = &screen::Frame();
    canvas.originX = dc.area.left;
    canvas.originY = dc.area.top;
    canvas.clip = dc.clip;
    return canvas;
}

}  // namespace device_context
