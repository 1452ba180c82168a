#include "platform/backend/sdl_backend.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "platform/backend/event_map.h"
#include "platform/backend/frame_surface.h"
#include "platform/backend/window_scale.h"

namespace backend {
namespace {

std::atomic<bool> slotTaken{false};
std::atomic<SdlBackend*> current{nullptr};

constexpr int kPixelBytes = static_cast<int>(sizeof(raster::Pixel));

// Milliseconds left until deadline, as SDL's waits take them.
int RemainingMs(Uint64 deadline) {
    const Uint64 now = SDL_GetTicks64();
    return now >= deadline ? 0 : static_cast<int>(std::min<Uint64>(deadline - now, INT_MAX));
}

// Without waiting, every queued event counts: SDL_PollEvent ends at the mark of its last poll
// and so misses events queued after it (a Wake from another thread) until it is called again.
bool NextEvent(SDL_Event* event, int waitMs) {
    if (waitMs != 0) {
        return SDL_WaitEventTimeout(event, waitMs) != 0;
    }
    SDL_PumpEvents();
    return SDL_PeepEvents(event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1;
}

}  // namespace

SdlBackend::InstanceSlot::InstanceSlot() : held_(!slotTaken.exchange(true)) {}

SdlBackend::InstanceSlot::~InstanceSlot() {
    if (held_) {
        slotTaken.store(false);
    }
}

SdlBackend* SdlBackend::Current() {
    return current.load();
}

std::unique_ptr<Backend> CreateSdlBackend(int screenWidth, int screenHeight) {
    if (screenWidth <= 0 || screenHeight <= 0) {
        SDL_LogError(SDL_LOG_CATEGORY_APPLICATION, "No window for a %dx%d screen", screenWidth,
                     screenHeight);
        return nullptr;
    }
    std::unique_ptr<SdlBackend> created(new SdlBackend(screenWidth, screenHeight));
    if (!created->Start()) {
        return nullptr;
    }
    current.store(created.get());
    return created;
}

SdlBackend::SdlBackend(int screenWidth, int screenHeight)
    : driver_(ChooseVideoDriver(std::getenv("SDL_VIDEODRIVER"), std::getenv("DISPLAY"),
                                std::getenv("WAYLAND_DISPLAY"))),
      lastFrame_(screenWidth, screenHeight, raster::MakePixel(0, 0, 0)) {}

SdlBackend::~SdlBackend() {
    SdlBackend* self = this;
    current.compare_exchange_strong(self, nullptr);
}

bool SdlBackend::Start() {
    if (!slot_.Held()) {
        SDL_LogError(SDL_LOG_CATEGORY_APPLICATION, "A window backend already exists");
        return false;
    }
    video_.emplace(driver_.forceDummy);
    if (!video_->Started()) {
        return false;
    }
    wakeEventType_ = SDL_RegisterEvents(1);
    if (wakeEventType_ == static_cast<Uint32>(-1)) {
        SDL_LogError(SDL_LOG_CATEGORY_APPLICATION, "No SDL event type left for waking");
        return false;
    }
    const int scale = ChooseScale();
    // Hidden until the first frame: a process that ends before it has anything to show (a second
    // start handing over to the running one) puts no window on the desktop.
    window_.reset(SDL_CreateWindow("", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   lastFrame_.Width() * scale, lastFrame_.Height() * scale,
                                   SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN));
    if (!window_) {
        SDL_LogError(SDL_LOG_CATEGORY_APPLICATION, "Cannot open the window: %s", SDL_GetError());
        return false;
    }
    windowId_ = SDL_GetWindowID(window_.get());
    SDL_SetWindowMinimumSize(window_.get(), lastFrame_.Width(), lastFrame_.Height());
    if (!CreateRenderer()) {
        if (!driver_.headless) {
            return false;
        }
        // Nothing to see without a display; tests read the frames from memory.
        texture_.reset();
        renderer_.reset();
    }
    Repaint();
    return true;
}

int SdlBackend::ChooseScale() const {
    const char* asked = std::getenv("TALVEX_SCALE");
    if (asked != nullptr && *asked != '\0') {
        if (const auto scale = ParseScale(asked)) {
            return *scale;
        }
        SDL_LogWarn(SDL_LOG_CATEGORY_APPLICATION,
                    "TALVEX_SCALE=%s is not a whole number from 1 to %d; using the default", asked,
                    kMaxScale);
    }
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) {
        usable = {};
    }
    return FitDefaultScale(lastFrame_.Width(), lastFrame_.Height(), usable.w, usable.h);
}

bool SdlBackend::CreateRenderer() {
    renderer_.reset(SDL_CreateRenderer(window_.get(), -1, 0));
    if (!renderer_) {
        SDL_LogMessage(SDL_LOG_CATEGORY_APPLICATION,
                       driver_.headless ? SDL_LOG_PRIORITY_INFO : SDL_LOG_PRIORITY_ERROR,
                       "Cannot render to the window: %s", SDL_GetError());
        return false;
    }
    // SDL then scales and centres the screen in the window, and maps mouse positions back.
    SDL_RenderSetLogicalSize(renderer_.get(), lastFrame_.Width(), lastFrame_.Height());
    SDL_RenderSetIntegerScale(renderer_.get(), SDL_TRUE);
    return CreateTexture();
}

bool SdlBackend::CreateTexture() {
    texture_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_ARGB8888,
                                     SDL_TEXTUREACCESS_STREAMING, lastFrame_.Width(),
                                     lastFrame_.Height()));
    if (!texture_) {
        SDL_LogError(SDL_LOG_CATEGORY_APPLICATION, "Cannot make the screen texture: %s",
                     SDL_GetError());
        return false;
    }
    // The frame's top byte is not alpha.
    SDL_SetTextureBlendMode(texture_.get(), SDL_BLENDMODE_NONE);
    return Upload();
}

bool SdlBackend::Upload() {
    if (SDL_UpdateTexture(texture_.get(), nullptr, lastFrame_.Data(),
                          lastFrame_.Width() * kPixelBytes) != 0) {
        SDL_LogError(SDL_LOG_CATEGORY_APPLICATION, "Cannot update the screen texture: %s",
                     SDL_GetError());
        return false;
    }
    return true;
}

void SdlBackend::Repaint() {
    if (!texture_) {
        return;
    }
    SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, SDL_ALPHA_OPAQUE);
    SDL_RenderClear(renderer_.get());
    SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, nullptr);
    SDL_RenderPresent(renderer_.get());
}

void SdlBackend::Present(const raster::Framebuffer& frame) {
    if (frame.Width() != lastFrame_.Width() || frame.Height() != lastFrame_.Height()) {
        SDL_LogError(SDL_LOG_CATEGORY_APPLICATION, "A %dx%d frame does not fit the %dx%d screen",
                     frame.Width(), frame.Height(), lastFrame_.Width(), lastFrame_.Height());
        return;
    }
    lastFrame_ = frame;
    if (!shown_) {
        shown_ = true;
        SDL_ShowWindow(window_.get());
    }
    if (texture_ && Upload()) {
        Repaint();
    }
}

bool SdlBackend::WaitInput(InputEvent* event, int timeoutMs) {
    if (event == nullptr) {
        return false;
    }
    const Uint64 deadline = SDL_GetTicks64() + static_cast<Uint64>(std::max(timeoutMs, 0));
    SDL_Event sdlEvent;
    while (NextEvent(&sdlEvent, timeoutMs < 0 ? -1 : RemainingMs(deadline))) {
        if (Deliver(sdlEvent, event)) {
            return true;
        }
    }
    return false;
}

// True when the SDL event is input for the caller, then in *event; the window's own work is
// done here.
bool SdlBackend::Deliver(const SDL_Event& sdlEvent, InputEvent* event) {
    TranslatedEvent translated = TranslateEvent(sdlEvent, wakeEventType_);
    switch (translated.action) {
        case EventAction::Ignore:
            return false;
        case EventAction::Repaint:
            Repaint();
            return false;
        case EventAction::RecreateTextures:
            texture_.reset();
            if (renderer_ && CreateTexture()) {
                Repaint();
            }
            return false;
        case EventAction::Input:
            break;
    }
    InputEvent& input = translated.input;
    if (input.kind == InputKind::Click) {
        // With a renderer SDL has already turned window pixels into screen pixels.
        const ScreenLayout layout = renderer_
                                        ? ScreenLayout(lastFrame_.Width(), lastFrame_.Height(),
                                                       lastFrame_.Width(), lastFrame_.Height())
                                        : WindowLayout();
        const auto onScreen = layout.ToScreen(input.x, input.y);
        if (!onScreen) {
            return false;
        }
        input.x = onScreen->x;
        input.y = onScreen->y;
    } else if (input.kind == InputKind::Wake) {
        // Before the caller looks for what the waker left, so a later Wake pushes again.
        wakePending_.store(false);
    }
    *event = input;
    return true;
}

void SdlBackend::Wake() {
    if (wakePending_.exchange(true)) {
        return;  // a wake is queued and not yet read
    }
    SDL_Event wake{};
    wake.type = wakeEventType_;
    if (SDL_PushEvent(&wake) != 1) {
        wakePending_.store(false);
        SDL_LogError(SDL_LOG_CATEGORY_APPLICATION, "Cannot queue a wake: %s", SDL_GetError());
    }
}

ScreenLayout SdlBackend::WindowLayout() const {
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window_.get(), &width, &height);
    return ScreenLayout(width, height, lastFrame_.Width(), lastFrame_.Height());
}

ScreenPoint SdlBackend::ScreenToWindow(int x, int y) const {
    if (!renderer_) {
        return WindowLayout().ToWindow(x, y);
    }
    // The pixel's centre, so that SDL's mapping back lands inside the same pixel.
    ScreenPoint window;
    SDL_RenderLogicalToWindow(renderer_.get(), static_cast<float>(x) + 0.5f,
                              static_cast<float>(y) + 0.5f, &window.x, &window.y);
    return window;
}

bool SdlBackend::ResizeWindow(int width, int height) {
    if (width <= 0 || height <= 0) {
        return false;
    }
    SDL_SetWindowSize(window_.get(), width, height);
    return true;
}

void SdlBackend::Raise() {
    const Uint32 flags = SDL_GetWindowFlags(window_.get());
    if ((flags & SDL_WINDOW_MINIMIZED) != 0) {
        SDL_RestoreWindow(window_.get());
    }
    if ((flags & SDL_WINDOW_HIDDEN) != 0) {
        shown_ = true;
        SDL_ShowWindow(window_.get());
    }
    SDL_RaiseWindow(window_.get());
}

void SdlBackend::Minimise() {
    SDL_MinimizeWindow(window_.get());
}

void SdlBackend::SetTitle(const std::string& utf8) {
    SDL_SetWindowTitle(window_.get(), utf8.c_str());
}

void SdlBackend::SetIcon(const raster::Framebuffer& image) {
    const SurfacePtr icon = AlphaSurfaceOf(image);
    if (!icon) {
        SDL_LogError(SDL_LOG_CATEGORY_APPLICATION, "No window icon: %s", SDL_GetError());
        return;
    }
    SDL_SetWindowIcon(window_.get(), icon.get());
}

raster::Framebuffer SdlBackend::LastFrame() const {
    return lastFrame_;
}

}  // namespace backend
