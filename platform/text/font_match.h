// Choosing face files for a font request with fontconfig.
#pragma once

#include <string>
#include <vector>

#include "platform/text/font.h"

namespace text {

struct FaceFile {
    std::string path;
    int index = 0;          // the face's index inside the file (font collections)
    bool embolden = false;  // bold asked for but the face is not bold: thicken the outlines
    bool oblique = false;   // italic asked for but the face is upright: slant the outlines
    friend bool operator==(const FaceFile&, const FaceFile&) = default;
};

// The generic fontconfig family that the LOGFONT pitch and family bits ask for: "serif" for
// FF_ROMAN, "monospace" for FF_MODERN or FIXED_PITCH, "sans-serif" for anything else.
const char* GenericFamily(int pitchAndFamily);

// The face files to try, best first: the requested family when a face of exactly that family
// (compared without regard to case) is installed, then the closest face of the generic family.
// Empty when fontconfig finds no font at all.
std::vector<FaceFile> MatchFaces(const FontRequest& request);

}  // namespace text
