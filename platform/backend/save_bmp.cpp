// SaveBmp: a frame written with SDL's BMP writer.
#include "platform/backend/backend.h"
#include "platform/backend/frame_surface.h"

namespace backend {

bool SaveBmp(const raster::Framebuffer& frame, const std::string& path) {
    const SurfacePtr surface = SurfaceOf(frame);
    if (surface && SDL_SaveBMP(surface.get(), path.c_str()) == 0) {
        return true;
    }
    SDL_LogError(SDL_LOG_CATEGORY_APPLICATION, "Cannot save %s: %s", path.c_str(), SDL_GetError());
    return false;
}

}  // namespace backend
