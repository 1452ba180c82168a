// The phone platform's basic types, handles and records, as the program spells them.
#pragma once

#include <cstddef>
#include <cstdint>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using WCHAR = wchar_t;
using LPWSTR = wchar_t*;
using LPCWSTR = const wchar_t*;
using LPVOID = void*;
using HRESULT = std::int32_t;
using COLORREF = DWORD;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using ULONG_PTR = std::uintptr_t;
using INT_PTR = std::intptr_t;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;
constexpr HRESULT S_OK = 0;
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);

// Opaque handles: each points to the platform's own record of the object.
struct PlatformWindow;
struct PlatformDeviceContext;
struct PlatformPen;
struct PlatformBrush;
struct PlatformFont;
struct PlatformBitmap;
struct PlatformKernelObject;
struct PlatformResourceModule;
struct PlatformResource;

using HWND = PlatformWindow*;
using HDC = PlatformDeviceContext*;
// Any GDI object; the typed handles below convert to it, as the program passes them.
using HGDIOBJ = void*;
using HPEN = PlatformPen*;
using HBRUSH = PlatformBrush*;
using HFONT = PlatformFont*;
using HBITMAP = PlatformBitmap*;
using HANDLE = PlatformKernelObject*;
using HINSTANCE = const PlatformResourceModule*;
using HMODULE = HINSTANCE;
using HRSRC = const PlatformResource*;
using HGLOBAL = const void*;
using HMENU = void*;
using HICON = void*;
using HCURSOR = void*;

struct POINT {
    LONG x;
    LONG y;
};

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};

constexpr WORD LOWORD(ULONG_PTR value) {
    return static_cast<WORD>(value & 0xFFFF);
}
constexpr WORD HIWORD(ULONG_PTR value) {
    return static_cast<WORD>((value >> 16) & 0xFFFF);
}
constexpr LPARAM MAKELPARAM(WORD low, WORD high) {
    return static_cast<LPARAM>(static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16));
}
constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) |
           (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) {
    return static_cast<BYTE>(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c) {
    return static_cast<BYTE>((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c) {
    return static_cast<BYTE>((c >> 16) & 0xFF);
}

// Resource ids are passed where names are expected, as the platform's macro does.
inline LPCWSTR MAKEINTRESOURCEW(ULONG_PTR id) {
    return reinterpret_cast<LPCWSTR>(id & 0xFFFF);
}
inline bool IS_INTRESOURCE(LPCWSTR name) {
    return reinterpret_cast<ULONG_PTR>(name) >> 16 == 0;
}
