// Reading a dialog template resource in the platform's published binary layout.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/win_types.h"

namespace dialog_template {

struct Item {
    DWORD style = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int id = 0;
    std::wstring className;  // predefined classes by name: "STATIC", "LISTBOX", ...
    std::wstring text;
};

struct Template {
    DWORD style = 0;
    int x = 0;
    int y = 0;
    int width = 0;   // dialog units
    int height = 0;  // dialog units
    std::wstring title;
    int fontPoints = 0;
    std::wstring fontFace;
    std::vector<Item> items;
};

// Parses `size` bytes; nullopt for a malformed or truncated template.
std::optional<Template> Parse(const void* data, std::size_t size);

}  // namespace dialog_template
