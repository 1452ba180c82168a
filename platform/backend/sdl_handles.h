// Owning pointers for SDL's objects, each freed by its own SDL call.
#pragma once

#include <SDL.h>

#include <memory>

namespace backend {

template <typename T, void (*Free)(T*)>
struct SdlFree {
    void operator()(T* object) const { Free(object); }
};

using WindowPtr = std::unique_ptr<SDL_Window, SdlFree<SDL_Window, SDL_DestroyWindow>>;
using RendererPtr = std::unique_ptr<SDL_Renderer, SdlFree<SDL_Renderer, SDL_DestroyRenderer>>;
using TexturePtr = std::unique_ptr<SDL_Texture, SdlFree<SDL_Texture, SDL_DestroyTexture>>;
using SurfacePtr = std::unique_ptr<SDL_Surface, SdlFree<SDL_Surface, SDL_FreeSurface>>;

}  // namespace backend
