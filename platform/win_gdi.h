// Drawing: device contexts, pens, brushes, fonts, bitmaps, shapes and text.
#pragma once

#include "platform/win_types.h"

// Stock objects; they are never deleted.
constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int SYSTEM_FONT = 13;

constexpr int PS_SOLID = 0;
constexpr int PS_NULL = 5;

constexpr DWORD SRCCOPY = 0x00CC0020;

constexpr UINT DT_TOP = 0x0000;
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_WORDBREAK = 0x0010;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_CALCRECT = 0x0400;

constexpr LONG FW_NORMAL = 400;
constexpr BYTE ANSI_CHARSET = 0;
constexpr BYTE FF_SWISS = 0x20;
constexpr int LF_FACESIZE = 32;

struct LOGFONTW {
    LONG lfHeight;  // > 0: cell height; < 0: character height; 0: the default
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    WCHAR lfFaceName[LF_FACESIZE];
};

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
};

HGDIOBJ GetStockObject(int object);
HPEN CreatePen(int style, int width, COLORREF color);
HBRUSH CreateSolidBrush(COLORREF color);
// Only the face name and the height are read: the face when installed, else the default sans,
// regular and upright.
HFONT CreateFontIndirectW(const LOGFONTW* font);
// Bitmap resources: uncompressed device-independent bitmaps of 4 or 32 bits per pixel.
HBITMAP LoadBitmapW(HINSTANCE instance, LPCWSTR name);
// Selects the object into the context and returns the one of its kind selected before.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
// Deleting a stock object, or one still selected, does nothing and fails.
BOOL DeleteObject(HGDIOBJ object);
int GetObjectW(HGDIOBJ object, int size, LPVOID buffer);

HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);

// Shapes. Right and bottom edges are exclusive; a shape is outlined with the pen inside its
// box and filled with the brush; with a PS_NULL pen a rectangle fills one pixel less each way.
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
// Draws the segments between the points, leaving out the last point itself.
BOOL Polyline(HDC dc, const POINT* points, int count);
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
            DWORD rop);

// Draws `count` characters (-1: up to the terminating zero) in the rectangle; returns the height
// of the text. DT_CALCRECT only measures, setting the rectangle's right and bottom.
int DrawTextW(HDC dc, LPCWSTR text, int count, RECT* rect, UINT format);
