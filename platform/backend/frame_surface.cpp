#include "platform/backend/frame_surface.h"

namespace backend {
namespace {

SurfacePtr SurfaceWithFormat(const raster::Framebuffer& frame, Uint32 format) {
    if (frame.Width() <= 0 || frame.Height() <= 0) {
        SDL_SetError("the image is empty");
        return nullptr;
    }
    // SDL's surface API takes a mutable pointer even for surfaces it only reads.
    void* pixels = const_cast<raster::Pixel*>(frame.Data());
    const int pitch = frame.Width() * static_cast<int>(sizeof(raster::Pixel));
    return SurfacePtr(SDL_CreateRGBSurfaceWithFormatFrom(pixels, frame.Width(), frame.Height(), 32,
                                                         pitch, format));
}

}  // namespace

SurfacePtr SurfaceOf(const raster::Framebuffer& frame) {
    return SurfaceWithFormat(frame, kFramePixelFormat);
}

SurfacePtr AlphaSurfaceOf(const raster::Framebuffer& image) {
    return SurfaceWithFormat(image, SDL_PIXELFORMAT_ARGB8888);
}

}  // namespace backend
