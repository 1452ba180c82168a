#include "platform/text/font_match.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <optional>

namespace text {

namespace {

constexpr int kFamilyMask = 0xF0;
constexpr int kRomanFamily = 0x10;   // FF_ROMAN
constexpr int kModernFamily = 0x30;  // FF_MODERN
constexpr int kPitchMask = 0x03;
constexpr int kFixedPitch = 0x01;  // FIXED_PITCH
constexpr int kNormalWeight = 400;
constexpr int kBoldFrom = 600;  // LOGFONT weights from semibold up ask for a bold face

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

// A weight of 0 is FW_DONTCARE; out-of-range weights are taken as the nearest valid one.
int RequestedWeight(int weight) {
    return weight <= 0 ? kNormalWeight : std::min(weight, 1000);
}

Pattern MatchFamily(FcConfig* config, const char* family, const FontRequest& request) {
    Pattern query(FcPatternCreate());
    if (!query) {
        return nullptr;
    }
    FcPatternAddString(query.get(), FC_FAMILY, AsFc(family));
    FcPatternAddDouble(query.get(), FC_WEIGHT,
                       FcWeightFromOpenTypeDouble(RequestedWeight(request.weight)));
    FcPatternAddInteger(query.get(), FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
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

std::optional<FaceFile> FaceFileOf(const FcPattern& match, const FontRequest& request) {
    FcChar8* path = nullptr;
    if (FcPatternGetString(&match, FC_FILE, 0, &path) != FcResultMatch) {
        return std::nullopt;
    }
    FaceFile file;
    file.path = reinterpret_cast<const char*>(path);
    FcPatternGetInteger(&match, FC_INDEX, 0, &file.index);
    double weight = FC_WEIGHT_REGULAR;
    FcPatternGetDouble(&match, FC_WEIGHT, 0, &weight);
    int slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(&match, FC_SLANT, 0, &slant);
    file.embolden = RequestedWeight(request.weight) >= kBoldFrom && weight < FC_WEIGHT_DEMIBOLD;
    file.oblique = request.italic && slant == FC_SLANT_ROMAN;
    return file;
}

}  // namespace

const char* GenericFamily(int pitchAndFamily) {
    const int family = pitchAndFamily & kFamilyMask;
    if (family == kRomanFamily) {
        return "serif";
    }
    if (family == kModernFamily || (pitchAndFamily & kPitchMask) == kFixedPitch) {
        return "monospace";
    }
    return "sans-serif";
}

std::vector<FaceFile> MatchFaces(const FontRequest& request) {
    Fontconfig& fontconfig = Fontconfig::Get();
    std::lock_guard lock(fontconfig.Mutex());
    std::vector<FaceFile> files;
    if (fontconfig.Config() == nullptr) {
        return files;
    }
    if (!request.face.empty()) {
        Pattern match = MatchFamily(fontconfig.Config(), request.face.c_str(), request);
        if (match && HasFamily(*match, request.face)) {
            if (auto file = FaceFileOf(*match, request)) {
                files.push_back(*file);
            }
        }
    }
    Pattern generic =
        MatchFamily(fontconfig.Config(), GenericFamily(request.pitchAndFamily), request);
    if (generic) {
        auto file = FaceFileOf(*generic, request);
        if (file && std::find(files.begin(), files.end(), *file) == files.end()) {
            files.push_back(*file);
        }
    }
    return files;
}

}  // namespace text
