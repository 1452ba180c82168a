// Choosing face files for a font request with fontconfig.
#pragma once

#include <string>
#include <vector>

#include "platform/text/font.h"

namespace text {

struct FaceFile {
    std::string path;
    int index = 0;  // the face's index inside the file (font collections)
    friend bool operator==(const FaceFile&, const FaceFile&) = default;
};

// The face files to try, best first, each in its regular upright style: the requested family
// when a face of exactly that family (compared without regard to case) is installed, then the
// default sans. Empty when fontconfig finds no font at all.
std::vector<FaceFile> MatchFaces(const FontRequest& request);

}  // namespace text
