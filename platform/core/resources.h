// Looking up the program's resources by type and id.
#pragma once

#include <string>
#include <string_view>

#include "platform/resource_module.h"
#include "platform/win_user.h"

namespace resources {

// The number of a MAKEINTRESOURCEW name or type.
inline WORD IdOf(LPCWSTR name) {
    return LOWORD(reinterpret_cast<ULONG_PTR>(name));
}

const PlatformResource* Find(HINSTANCE module, WORD type, WORD id);
// The first resource of a type, e.g. the program's icon group.
const PlatformResource* FindFirst(HINSTANCE module, WORD type);
// A string resource, empty when there is none.
std::wstring String(HINSTANCE module, UINT id);
// UTF-16 code units (as resources hold text) to a wide string.
std::wstring FromUtf16(std::u16string_view units);

}  // namespace resources
