#include "platform/backend/frame_surface.h"

namespace backend {

SurfacePtr AlphaSurfaceOf(const raster::Framebuffer& image) {
    if (image.Width() <= 0 || image.Height() <= 0) {
        SDL_SetError("the image is empty");
        return nullptr;
    }
    // SDL's surface API takes a mutable pointer even for surfaces it only reads.
    void* pixels = const_cast<raster::Pixel*>(image.Data());
    const int pitch = image.Width() * static_cast<int>(sizeof(raster::Pixel));
    return SurfacePtr(SDL_CreateRGBSurfaceWithFormatFrom(pixels, image.Width(), image.Height(), 32,
                                                         pitch, SDL_PIXELFORMAT_ARGB8888));
}

}  // namespace backend
