#include "platform/backend/frame_surface.h"

namespace backend {

SurfacePtr SurfaceOf(const raster::Framebuffer& frame) {
    if (frame.Width() <= 0 || frame.Height() <= 0) {
        SDL_SetError("the image is empty");
        return nullptr;
    }
    // SDL's surface API takes a mutable pointer even for surfaces it only reads.
    void* pixels = const_cast<raster::Pixel*>(frame.Data());
    const int pitch = frame.Width() * static_cast<int>(sizeof(raster::Pixel));
    return SurfacePtr(SDL_CreateRGBSurfaceWithFormatFrom(pixels, frame.Width(), frame.Height(), 32,
                                                         pitch, kFramePixelFormat));
}

}  // namespace backend
