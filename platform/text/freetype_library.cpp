#include "platform/text/freetype_library.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace text {

namespace {

std::shared_ptr<FreeTypeLibrary> Start() {
    FT_Library handle = nullptr;
    if (FT_Init_FreeType(&handle) != 0) {
        return nullptr;
    }
    return std::make_shared<FreeTypeLibrary>(handle);
}

}  // namespace

std::shared_ptr<FreeTypeLibrary> FreeTypeLibrary::Get() {
    static const std::shared_ptr<FreeTypeLibrary> library = Start();
    return library;
}

FreeTypeLibrary::~FreeTypeLibrary() {
    FT_Done_FreeType(handle_);
}

}  // namespace text
