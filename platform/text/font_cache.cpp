// OpenFont and SystemFont: requests resolved once and their fonts kept, since the program asks
// for the same few fonts on every paint.
#include <strings.h>
#include <algorithm>
#include <compare>
#include <map>
#include <mutex>

#include "platform/text/font.h"
#include "platform/text/font_face.h"
#include "platform/text/font_match.h"

namespace text {

namespace {

// Larger heights are taken as this: far beyond any screen, and it keeps a mistaken height from
// rendering glyphs of gigabytes.
constexpr int kMaxPixelHeight = 1000;

PixelSize SizeOf(int height) {
    if (height == 0) {
        return {kSystemFontCellHeight, true};
    }
    const long long pixels = height > 0 ? height : -static_cast<long long>(height);
    return {static_cast<int>(std::min<long long>(pixels, kMaxPixelHeight)), height > 0};
}

// "System" names the system font, whose face is the default sans.
std::string FaceOf(const std::string& face) {
    return strcasecmp(face.c_str(), "System") == 0 ? std::string() : face;
}

struct RequestKey {
    std::string face;
    int pixels;
    bool cell;
    auto operator<=>(const RequestKey&) const = default;
};

struct FaceKey {
    std::string path;
    int index;
    int pixels;
    bool cell;
    auto operator<=>(const FaceKey&) const = default;
};

// Two levels: a request seen before skips fontconfig, and requests that resolve to the same
// face file at the same size (a missing face and the default sans, say) share one font.
class FontCache {
  public:
    std::shared_ptr<const Font> Open(const FontRequest& request) {
        FontRequest resolved = request;
        resolved.face = FaceOf(request.face);
        const PixelSize size = SizeOf(request.height);
        const RequestKey key{resolved.face, size.pixels, size.cell};

        std::lock_guard lock(mutex_);
        if (auto found = byRequest_.find(key); found != byRequest_.end()) {
            return found->second;
        }
        for (const FaceFile& file : MatchFaces(resolved)) {
            if (auto font = OpenFace(file, size)) {
                byRequest_.emplace(key, font);
                return font;
            }
        }
        return nullptr;
    }

  private:
    std::shared_ptr<const Font> OpenFace(const FaceFile& file, PixelSize size) {
        const FaceKey key{file.path, file.index, size.pixels, size.cell};
        if (auto found = byFace_.find(key); found != byFace_.end()) {
            return found->second;
        }
        auto font = Font::Load(file, size);
        if (font) {
            byFace_.emplace(key, font);
        }
        return font;
    }

    std::mutex mutex_;
    std::map<RequestKey, std::shared_ptr<const Font>> byRequest_;
    std::map<FaceKey, std::shared_ptr<const Font>> byFace_;
};

FontCache& Cache() {
    static FontCache cache;
    return cache;
}

}  // namespace

std::shared_ptr<const Font> OpenFont(const FontRequest& request) {
    return Cache().Open(request);
}

std::shared_ptr<const Font> SystemFont() {
    FontRequest request;
    request.face = "System";
    return OpenFont(request);
}

int LineHeight(const Font& font) {
    return font.LineHeight();
}

int AverageCharWidth(const Font& font) {
    return font.AverageCharWidth();
}

std::string FacePath(const Font& font) {
    return font.Path();
}

}  // namespace text
