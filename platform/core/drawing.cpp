// Drawing calls: Rectangle, Ellipse, Polyline, BitBlt and DrawTextW, each on the canvas of its
// device context (its target, origin and clip).
#include "platform/core/device_context.h"
#include "platform/core/gdi_object.h"
#include "platform/text/font.h"
#include "platform/win_gdi.h"

namespace {

struct Tools {
    raster::Canvas canvas;
    raster::PenColor pen;
    raster::BrushColor brush;
};

std::optional<Tools> ToolsOf(HDC handle) {
    const PlatformDeviceContext* dc = device_context::Find(handle);
    if (dc == nullptr) {
        return std::nullopt;
    }
    Tools tools;
    tools.canvas = device_context::CanvasOf(*dc);
    if (const auto* pen = static_cast<const PlatformPen*>(gdi::Find(dc->pen))) {
        tools.pen = pen->color;
    }
    if (const auto* brush = static_cast<const PlatformBrush*>(gdi::Find(dc->brush))) {
        tools.brush = brush->color;
    }
    return tools;
}

}  // namespace

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
    const auto tools = ToolsOf(dc);
    if (!tools) {
        return FALSE;
    }
    raster::DrawRectangle(tools->canvas, {left, top, right, bottom}, tools->pen, tools->brush);
    return TRUE;
}

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom) {
    const auto tools = ToolsOf(dc);
    if (!tools) {
        return FALSE;
    }
    raster::DrawEllipse(tools->canvas, {left, top, right, bottom}, tools->pen, tools->brush);
    return TRUE;
}

BOOL Polyline(HDC dc, const POINT* points, int count) {
    const auto tools = ToolsOf(dc);
    if (!tools || points == nullptr || count < 2) {
        return FALSE;
    }
    if (tools->pen) {
        for (int i = 0; i + 1 < count; ++i) {
            raster::DrawLine(tools->canvas, points[i].x, points[i].y, points[i + 1].x,
                             points[i + 1].y, *tools->pen);
        }
    }
    return TRUE;
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
            DWORD rop) {
    const auto tools = ToolsOf(dest);
    const PlatformDeviceContext* from = device_context::Find(source);
    if (!tools || from == nullptr || rop != SRCCOPY) {
        return FALSE;
    }
    const raster::Canvas sourceCanvas = device_context::CanvasOf(*from);
    raster::Blit(tools->canvas, x, y, width, height, *sourceCanvas.target,
                 sourceX + sourceCanvas.originX, sourceY + sourceCanvas.originY);
    return TRUE;
}

int DrawTextW(HDC handle, LPCWSTR textChars, int count, RECT* rect, UINT format) {
    const PlatformDeviceContext* dc = device_context::Find(handle);
    if (dc == nullptr || textChars == nullptr || rect == nullptr) {
        return 0;
    }
    const auto* font = static_cast<const PlatformFont*>(gdi::Find(dc->font));
    if (font == nullptr || font->font == nullptr) {
        return 0;
    }
    // -1 reads up to the terminator; a count needs none but never reads past one.
    const std::wstring_view shown = text::TextOfCount(textChars, count);
    raster::Rect box{rect->left, rect->top, rect->right, rect->bottom};
    const int height = text::DrawText(device_context::CanvasOf(*dc), *font->font, shown, &box,
                                      format, text::TextStyle{});
    if ((format & DT_CALCRECT) != 0) {
        *rect = RECT{box.left, box.top, box.right, box.bottom};
    }
    return height;
}
