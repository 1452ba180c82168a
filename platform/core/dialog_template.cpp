#include "platform/core/dialog_template.h"

#include "platform/core/resources.h"

namespace dialog_template {
namespace {

// Reads little-endian 16-bit words, failing softly at the end of the data.
class Reader {
  public:
    Reader(const void* data, std::size_t size)
        : bytes_(static_cast<const unsigned char*>(data)), size_(size) {}

    bool Ok() const { return ok_; }

    WORD Word() {
        if (offset_ + 2 > size_) {
            ok_ = false;
            return 0;
        }
        const WORD value = static_cast<WORD>(bytes_[offset_] | (bytes_[offset_ + 1] << 8));
        offset_ += 2;
        return value;
    }

    DWORD Dword() {
        const DWORD low = Word();
        return low | (static_cast<DWORD>(Word()) << 16);
    }

    short Short() { return static_cast<short>(Word()); }

    std::wstring String() {
        std::u16string units;
        for (WORD unit = Word(); ok_ && unit != 0; unit = Word()) {
            units.push_back(static_cast<char16_t>(unit));
        }
        return resources::FromUtf16(units);
    }

    // A menu, class or title field: none (0), an ordinal (0xFFFF, n) or a string.
    std::wstring NameOrOrdinal(WORD* ordinal) {
        *ordinal = 0;
        if (offset_ + 2 > size_) {
            ok_ = false;
            return {};
        }
        const WORD first = static_cast<WORD>(bytes_[offset_] | (bytes_[offset_ + 1] << 8));
        if (first == 0) {
            Word();
            return {};
        }
        if (first == 0xFFFF) {
            Word();
            *ordinal = Word();
            return {};
        }
        return String();
    }

    void AlignToDword() { offset_ = (offset_ + 3) & ~static_cast<std::size_t>(3); }

    void Skip(std::size_t bytes) {
        if (offset_ + bytes > size_) {
            ok_ = false;
        }
        offset_ += bytes;
    }

  private:
    const unsigned char* bytes_;
    std::size_t size_;
    std::size_t offset_ = 0;
    bool ok_ = true;
};

std::wstring PredefinedClass(WORD atom) {
    switch (atom) {
        case 0x0080:
            return L"BUTTON";
        case 0x0081:
            return L"EDIT";
        case 0x0082:
            return L"STATIC";
        case 0x0083:
            return L"LISTBOX";
        case 0x0084:
            return L"SCROLLBAR";
        case 0x0085:
            return L"COMBOBOX";
        default:
            return {};
    }
}

constexpr DWORD SetFontStyle = 0x0040;  // DS_SETFONT

}  // namespace

std::optional<Template> Parse(const void* data, std::size_t size) {
    if (data == nullptr) {
        return std::nullopt;
    }
    Reader reader(data, size);
    Template parsed;
    parsed.style = reader.Dword();
    reader.Dword();  // extended style
    const WORD count = reader.Word();
    parsed.x = reader.Short();
    parsed.y = reader.Short();
    parsed.width = reader.Short();
    parsed.height = reader.Short();
    WORD ordinal = 0;
    reader.NameOrOrdinal(&ordinal);  // menu: dialogs here have none
    reader.NameOrOrdinal(&ordinal);  // class: always the dialog class
    parsed.title = reader.String();
    if ((parsed.style & SetFontStyle) != 0) {
        parsed.fontPoints = reader.Word();
        parsed.fontFace = reader.String();
    }
    for (WORD i = 0; i < count && reader.Ok(); ++i) {
        reader.AlignToDword();
        Item item;
        item.style = reader.Dword();
        reader.Dword();  // extended style
        item.x = reader.Short();
        item.y = reader.Short();
        item.width = reader.Short();
        item.height = reader.Short();
        item.id = reader.Short();
        item.className = reader.NameOrOrdinal(&ordinal);
        if (ordinal != 0) {
            item.className = PredefinedClass(ordinal);
        }
        item.text = reader.NameOrOrdinal(&ordinal);
        reader.Skip(reader.Word());  // creation data
        parsed.items.push_back(std::move(item));
    }
    if (!reader.Ok()) {
        return std::nullopt;
    }
    return parsed;
}

}  // namespace dialog_template
