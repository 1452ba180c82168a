// How a program hands its resources to the platform: a table of typed, numbered blobs.
// The program defines `ProgramResources`; the platform passes it to WinMain as the instance.
#pragma once

#include <cstddef>

#include "platform/win_types.h"

// The numbers of the resource types, for tables written as constant data.
namespace resource_type {
constexpr WORD Bitmap = 2;
constexpr WORD Menu = 4;
constexpr WORD Dialog = 5;
constexpr WORD String = 6;
constexpr WORD RcData = 10;
constexpr WORD GroupIcon = 14;
}  // namespace resource_type

struct PlatformResource {
    WORD type;  // one of resource_type
    WORD id;
    // String: the string's UTF-16 code units, without a terminator. Bitmap: a whole .bmp file.
    // GroupIcon: the program's icon, its images as whole .bmp files back to back, the largest
    // first; the first image of the first icon group is the window's icon.
    // Others: the platform's published binary layout.
    const void* data;
    DWORD size;
};

struct PlatformResourceModule {
    const PlatformResource* resources;
    std::size_t count;
};

extern const PlatformResourceModule ProgramResources;
