// Resources: FindResourceW, LoadResource, LockResource, SizeofResource, LoadStringW.
#include "platform/core/resources.h"

#include <algorithm>

#include "platform/resource_module.h"
#include "platform/win_kernel.h"
#include "platform/win_user.h"

namespace resources {

const PlatformResource* Find(HINSTANCE module, WORD type, WORD id) {
    if (module == nullptr) {
        return nullptr;
    }
    for (std::size_t i = 0; i < module->count; ++i) {
        const PlatformResource& resource = module->resources[i];
        if (resource.type == type && resource.id == id) {
            return &resource;
        }
    }
    return nullptr;
}

const PlatformResource* FindFirst(HINSTANCE module, WORD type) {
    if (module == nullptr) {
        return nullptr;
    }
    for (std::size_t i = 0; i < module->count; ++i) {
        if (module->resources[i].type == type) {
            return &module->resources[i];
        }
    }
    return nullptr;
}

std::wstring String(HINSTANCE module, UINT id) {
    const PlatformResource* resource = Find(module, IdOf(RT_STRING), static_cast<WORD>(id));
    if (resource == nullptr) {
        return {};
    }
    const auto* units = static_cast<const char16_t*>(resource->data);
    return FromUtf16(std::u16string_view(units, resource->size / sizeof(char16_t)));
}

std::wstring FromUtf16(std::u16string_view units) {
    std::wstring text;
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t c = units[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        }
        text.push_back(static_cast<wchar_t>(c));
    }
    return text;
}

}  // namespace resources

HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type) {
    // Resources are numbered: names and types are integer ids.
    if (!IS_INTRESOURCE(name) || !IS_INTRESOURCE(type)) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    const PlatformResource* found =
        resources::Find(module, resources::IdOf(type), resources::IdOf(name));
    if (found == nullptr) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    }
    return found;
}

HGLOBAL LoadResource(HMODULE, HRSRC resource) {
    return resource ? resource->data : nullptr;
}

LPVOID LockResource(HGLOBAL loaded) {
    return const_cast<void*>(loaded);
}

DWORD SizeofResource(HMODULE, HRSRC resource) {
    return resource ? resource->size : 0;
}

int LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int bufferMax) {
    if (buffer == nullptr || bufferMax <= 0) {
        return 0;
    }
    const std::wstring text = resources::String(instance, id);
    // Cut to the buffer, always terminated, as the platform does.
    const int length = std::min(static_cast<int>(text.size()), bufferMax - 1);
    text.copy(buffer, static_cast<std::size_t>(length));
    buffer[length] = L'\0';
    return length;
}
