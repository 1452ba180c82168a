// Encoders for the platform's resource layouts, usable at compile time, so that a program
// writes its dialogs, menus and soft-key bars as readable declarations:
//
//   constexpr auto Bar = resource_format::Freeze<[] { return resource_format::SoftKeyBar(...);
//   }>();
//
// Freeze turns a builder's std::vector<WORD> into a std::array<WORD, N> that lives in the
// program's constant data.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/resource_module.h"
#include "platform/win_types.h"

namespace resource_format {

using Words = std::vector<WORD>;

// Text as UTF-16 code units, terminated when `terminate` is set.
constexpr void AppendText(Words& out, std::wstring_view text, bool terminate = true) {
    for (const wchar_t c : text) {
        const auto code = static_cast<char32_t>(c);
        if (code >= 0x10000) {
            out.push_back(static_cast<WORD>(0xD800 + ((code - 0x10000) >> 10)));
            out.push_back(static_cast<WORD>(0xDC00 + ((code - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<WORD>(code));
        }
    }
    if (terminate) {
        out.push_back(0);
    }
}

constexpr void AppendDword(Words& out, DWORD value) {
    out.push_back(static_cast<WORD>(value & 0xFFFF));
    out.push_back(static_cast<WORD>(value >> 16));
}

// A string resource: its code units, without a terminator.
constexpr Words String(std::wstring_view text) {
    Words out;
    AppendText(out, text, false);
    return out;
}

struct MenuEntry {
    std::wstring_view text;
    WORD command = 0;              // for a command item
    std::vector<MenuEntry> items;  // for a popup
};

constexpr void AppendMenuLevel(Words& out, const std::vector<MenuEntry>& entries) {
    constexpr WORD Popup = 0x0010;
    constexpr WORD End = 0x0080;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const MenuEntry& entry = entries[i];
        const WORD last = i + 1 == entries.size() ? End : 0;
        if (!entry.items.empty()) {
            out.push_back(static_cast<WORD>(Popup | last));
            AppendText(out, entry.text);
            AppendMenuLevel(out, entry.items);
        } else {
            out.push_back(last);
            out.push_back(entry.command);
            AppendText(out, entry.text);
        }
    }
}

// A menu resource: a header of two zero words, then the items.
constexpr Words Menu(const std::vector<MenuEntry>& entries) {
    Words out{0, 0};
    AppendMenuLevel(out, entries);
    return out;
}

struct SoftKey {
    WORD command = 0;
    WORD labelString = 0;
    BYTE style = 0x10;         // TBSTYLE_AUTOSIZE; | 0x08 TBSTYLE_DROPDOWN for a popup
    WORD popupIndex = 0xFFFF;  // the menu's top-level item that a drop-down key opens
};

// A soft-key bar record: the menu id, the button count, then seven words a button.
constexpr Words SoftKeyBar(WORD menuId, const std::vector<SoftKey>& keys) {
    Words out{menuId, static_cast<WORD>(keys.size())};
    for (const SoftKey& key : keys) {
        out.push_back(static_cast<WORD>(-2));  // I_IMAGENONE
        out.push_back(key.command);
        out.push_back(0x04);  // TBSTATE_ENABLED
        out.push_back(key.style);
        out.push_back(key.labelString);
        out.push_back(0);
        out.push_back(key.popupIndex);
    }
    return out;
}

struct DialogItem {
    DWORD style = 0;
    short x = 0;
    short y = 0;
    short width = 0;
    short height = 0;
    WORD id = 0xFFFF;
    WORD predefinedClass = 0;     // 0x0082 STATIC, 0x0083 LISTBOX, ...; 0 to use className
    std::wstring_view className;  // e.g. L"msctls_updown32"
    std::wstring_view text;
};

struct Dialog {
    DWORD style = 0;
    short x = 0;
    short y = 0;
    short width = 0;
    short height = 0;
    std::wstring_view title;
    WORD fontPoints = 8;
    std::wstring_view fontFace = L"System";
    std::vector<DialogItem> items;
};

// A dialog template in the platform's published layout (DLGTEMPLATE, then its items, each
// starting on a four-byte boundary).
constexpr Words DialogTemplate(const Dialog& dialog) {
    Words out;
    AppendDword(out, dialog.style);
    AppendDword(out, 0);
    out.push_back(static_cast<WORD>(dialog.items.size()));
    for (short value : {dialog.x, dialog.y, dialog.width, dialog.height}) {
        out.push_back(static_cast<WORD>(value));
    }
    out.push_back(0);  // no menu
    out.push_back(0);  // the dialog class
    AppendText(out, dialog.title);
    if ((dialog.style & 0x40) != 0) {  // DS_SETFONT
        out.push_back(dialog.fontPoints);
        AppendText(out, dialog.fontFace);
    }
    for (const DialogItem& item : dialog.items) {
        if (out.size() % 2 != 0) {
            out.push_back(0);
        }
        AppendDword(out, item.style);
        AppendDword(out, 0);
        for (short value : {item.x, item.y, item.width, item.height}) {
            out.push_back(static_cast<WORD>(value));
        }
        out.push_back(item.id);
        if (item.predefinedClass != 0) {
            out.push_back(0xFFFF);
            out.push_back(item.predefinedClass);
        } else {
            AppendText(out, item.className);
        }
        AppendText(out, item.text);
        out.push_back(0);  // no creation data
    }
    return out;
}

// The builder's words as constant data.
template <auto Builder>
consteval auto Freeze() {
    constexpr std::size_t size = Builder().size();
    std::array<WORD, size> frozen{};
    const Words words = Builder();
    std::copy(words.begin(), words.end(), frozen.begin());
    return frozen;
}

// The table entry of a resource frozen above: its type, its id and its words.
template <typename Array>
constexpr PlatformResource Entry(WORD type, WORD id, const Array& words) {
    return {type, id, words.data(), static_cast<DWORD>(words.size() * sizeof(WORD))};
}

}  // namespace resource_format
