// GDI objects and memory contexts: GetStockObject, CreatePen, CreateSolidBrush,
// CreateFontIndirectW, LoadBitmapW, SelectObject, DeleteObject, GetObjectW,
// CreateCompatibleDC, DeleteDC.
#include <algorithm>
#include <cstring>

#include "platform/core/device_context.h"
#include "platform/core/gdi_object.h"
#include "platform/core/resources.h"
#include "platform/core/utf8.h"
#include "platform/raster/bmp_decode.h"
#include "platform/text/font.h"
#include "platform/win_gdi.h"
#include "platform/win_kernel.h"
#include "platform/win_user.h"

namespace {

// Puts the object in the context's slot of its kind and returns what the slot held.
template <typename Handle>
HGDIOBJ Swap(Handle& slot, HGDIOBJ object) {
    Handle previous = slot;
    slot = static_cast<Handle>(object);
    return previous;
}

}  // namespace

HGDIOBJ GetStockObject(int object) {
    if (object == SYSTEM_FONT) {
        return gdi::SystemFontObject();
    }
    if (HPEN pen = gdi::StockPen(object)) {
        return pen;
    }
    return gdi::StockBrush(object);
}

HPEN CreatePen(int style, int, COLORREF color) {
    if (style != PS_SOLID && style != PS_NULL) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto pen = std::make_unique<PlatformPen>();
    if (style == PS_SOLID) {
        pen->color = ToPixel(color);
    }
    return static_cast<HPEN>(gdi::Add(std::move(pen)));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    auto brush = std::make_unique<PlatformBrush>();
    brush->color = ToPixel(color);
    return static_cast<HBRUSH>(gdi::Add(std::move(brush)));
}

HFONT CreateFontIndirectW(const LOGFONTW* logFont) {
    if (logFont == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    text::FontRequest request;
    // The face name need not be terminated when it fills its field.
    const wchar_t* faceEnd =
        std::find(logFont->lfFaceName, logFont->lfFaceName + LF_FACESIZE, L'\0');
    const std::wstring_view face(logFont->lfFaceName,
                                 static_cast<std::size_t>(faceEnd - logFont->lfFaceName));
    request.face = utf8::FromWide(face);
    request.height = logFont->lfHeight;
    auto font = std::make_unique<PlatformFont>();
    font->font = text::OpenFont(request);
    if (font->font == nullptr) {
        return nullptr;
    }
    return static_cast<HFONT>(gdi::Add(std::move(font)));
}

HBITMAP LoadBitmapW(HINSTANCE instance, LPCWSTR name) {
    HRSRC found = FindResourceW(instance, name, RT_BITMAP);
    if (found == nullptr) {
        return nullptr;
    }
    auto decoded =
        raster::DecodeBmp(std::span(static_cast<const std::uint8_t*>(found->data), found->size));
    if (!decoded) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto bitmap = std::make_unique<PlatformBitmap>();
    bitmap->pixels = std::move(*decoded);
    return static_cast<HBITMAP>(gdi::Add(std::move(bitmap)));
}

HGDIOBJ SelectObject(HDC handle, HGDIOBJ object) {
    PlatformDeviceContext* dc = device_context::Find(handle);
    PlatformGdiObject* selected = gdi::Find(object);
    if (dc == nullptr || selected == nullptr) {
        return nullptr;
    }
    HGDIOBJ previous = nullptr;
    switch (selected->kind) {
        case GdiKind::Pen:
            previous = Swap(dc->pen, object);
            break;
        case GdiKind::Brush:
            previous = Swap(dc->brush, object);
            break;
        case GdiKind::Font:
            previous = Swap(dc->font, object);
            break;
        case GdiKind::Bitmap:
            // Only memory contexts draw into a bitmap.
            if (!dc->memory) {
                return nullptr;
            }
            previous = Swap(dc->bitmap, object);
            break;
    }
    if (PlatformGdiObject* old = gdi::Find(previous)) {
        --old->selections;
    }
    ++selected->selections;
    return previous;
}

BOOL DeleteObject(HGDIOBJ object) {
    PlatformGdiObject* found = gdi::Find(object);
    // Stock objects are shared and selected objects are in use: neither is deleted.
    if (found == nullptr || found->stock || found->selections > 0) {
        return FALSE;
    }
    gdi::Remove(object);
    return TRUE;
}

int GetObjectW(HGDIOBJ object, int size, LPVOID buffer) {
    auto* bitmap = dynamic_cast<PlatformBitmap*>(gdi::Find(object));
    if (bitmap == nullptr) {
        return 0;
    }
    if (buffer == nullptr) {
        return sizeof(BITMAP);
    }
    if (size < static_cast<int>(sizeof(BITMAP))) {
        return 0;
    }
    BITMAP description{};
    description.bmWidth = bitmap->pixels.Width();
    description.bmHeight = bitmap->pixels.Height();
    description.bmWidthBytes = bitmap->pixels.Width() * 4;
    description.bmPlanes = 1;
    description.bmBitsPixel = static_cast<WORD>(bitmap->bitsPerPixel);
    std::memcpy(buffer, &description, sizeof description);
    return sizeof(BITMAP);
}

HDC CreateCompatibleDC(HDC) {
    return device_context::ForMemory();
}

BOOL DeleteDC(HDC dc) {
    if (device_context::Find(dc) == nullptr) {
        return FALSE;
    }
    device_context::Release(dc);
    return TRUE;
}
