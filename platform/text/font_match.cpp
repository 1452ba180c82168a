#include "platform/text/font_match.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <optional>

namespace text {

namespace {

constexpr const char* kDefaultFamily = "sans-serif";

// The fonts and rules fontconfig knows, loaded once and released at exit. Our own
// configuration rather than fontconfig's implicit global one, which it would never free.
// Fontconfig objects are not for two threads at once: every use holds the mutex.
class Fontconfig {
  public:
    static Fontconfig& Get() {
        static Fontconfig fontconfig;
        return fontconfig;
    }
    ~Fontconfig() {
        if (config_ != nullptr) {
            FcConfigDestroy(config_);
        }
    }
    Fontconfig(const Fontconfig&) = delete;
    Fontconfig& operator=(const Fontconfig&) = delete;

    FcConfig* Config() const { return config_; }  // null when fontconfig could not load
    std::mutex& Mutex() { return mutex_; }

  private:
    Fontconfig() : config_(FcInitLoadConfigAndFonts()) {}
    FcConfig* config_;
    std::mutex mutex_;
};

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

const FcChar8* AsFc(const char* s) {
    return reinterpret_cast<const FcChar8*>(s);
}

Pattern MatchFamily(FcConfig* config, const char* family) {
    Pattern query(FcPatternCreate());
    if (!query) {
        return nullptr;
    }
    FcPatternAddString(query.get(), FC_FAMILY, AsFc(family));
    // The regular upright style, set before the configuration's rules see the query.
    FcPatternAddDouble(query.get(), FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcPatternAddInteger(query.get(), FC_SLANT, FC_SLANT_ROMAN);
    if (!FcConfigSubstitute(config, query.get(), FcMatchPattern)) {
        return nullptr;
    }
    FcDefaultSubstitute(query.get());
    FcResult result = FcResultNoMatch;
    return Pattern(FcFontMatch(config, query.get(), &result));
}

bool HasFamily(const FcPattern& match, const std::string& family) {
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(&match, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        if (FcStrCmpIgnoreCase(name, AsFc(family.c_str())) == 0) {
            return true;
        }
    }
    return false;
}

std::optional<FaceFile> FaceFileOf(const FcPattern& match) {
    FcChar8* path = nullptr;
    if (FcPatternGetString(&match, FC_FILE, 0, &path) != FcResultMatch) {
        return std::nullopt;
    }
    FaceFile file;
    file.path = reinterpret_cast<const char*>(path);
    FcPatternGetInteger(&match, FC_INDEX, 0, &file.index);
    return file;
}

}  // namespace

std::vector<FaceFile> MatchFaces(const FontRequest& request) {
    Fontconfig& fontconfig = Fontconfig::Get();
    std::lock_guard lock(fontconfig.Mutex());
    std::vector<FaceFile> files;
    if (fontconfig.Config() == nullptr) {
        return files;
    }
    if (!request.face.empty()) {
        Pattern match = MatchFamily(fontconfig.Config(), request.face.c_str());
        if (match && HasFamily(*match, request.face)) {
            if (auto file = FaceFileOf(*match)) {
                files.push_back(*file);
            }
        }
    }
    if (Pattern fallback = MatchFamily(fontconfig.Config(), kDefaultFamily)) {
        auto file = FaceFileOf(*fallback);
        if (file && std::find(files.begin(), files.end(), *file) == files.end()) {
            files.push_back(*file);
        }
    }
    return files;
}

}  // namespace text
