#include "platform/backend/sdl_backend.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>

#include "platform/backend/event_map.h"
#include "platform/backend/frame_surface.h"
#include "platform/backend/scaled_copy.h"
#include "platform/backend/window_scale.h"

namespace backend {
namespace {

std::atomic<bool> slotTaken{false};
std::atomic<SdlBackend*> current{nullptr};

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

std::unique_ptr<Backend> CreateSdlBackend(int screenWidth, int screenHeight, std::string* failure) {
    std::string why;
    std::unique_ptr<SdlBackend> created;
    if (screenWidth <= 0 || screenHeight <= 0) {
        why = "no window for a " + std::to_string(screenWidth) + "x" +
              std::to_string(screenHeight) + " screen";
    } else {
        created.reset(new SdlBackend(screenWidth, screenHeight));
        why = created->Start();
    }
    if (!why.empty()) {
        if (failure != nullptr) {
            *failure = why;
        }
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

std::string SdlBackend::Start() {
    if (!slot_.Held()) {
        return "a window backend already exists";
    }
    video_.emplace(driver_);
    if (!video_->Failure().empty()) {
        std::string why = "cannot open the display";
        if (const char* display = std::getenv("DISPLAY"); display != nullptr && *display != '\0') {
            why.append(" ").append(display);
        }
        return why.append(": ").append(video_->Failure());
    }
    wakeEventType_ = SDL_RegisterEvents(1);
    if (wakeEventType_ == static_cast<Uint32>(-1)) {
        return "no SDL event type left for waking";
    }
    const int scale = ChooseScale();
    // Hidden until the first frame: a process that ends before it has anything to show puts no
    // window on the desktop.
    window_.reset(SDL_CreateWindow("", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   lastFrame_.Width() * scale, lastFrame_.Height() * scale,
                                   SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN));
    if (!window_) {
        return std::string("cannot open the window: ") + SDL_GetError();
    }
    windowId_ = SDL_GetWindowID(window_.get());
    if (SDL_GetWindowSurface(window_.get()) == nullptr) {
        return std::string("cannot draw in the window: ") + SDL_GetError();
    }
    return {};
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

void SdlBackend::Draw(raster::Rect changed) {
    SDL_Surface* surface = SDL_GetWindowSurface(window_.get());
    if (surface == nullptr) {
        SDL_LogError(SDL_LOG_CATEGORY_APPLICATION, "Cannot draw in the window: %s", SDL_GetError());
        return;
    }
    const ScreenLayout layout = WindowLayout();
    if (surface != drawnSurface_) {
        // A new surface (the window was resized) holds nothing yet: the border goes black and
        // the whole screen is drawn.
        drawnSurface_ = surface;
        SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
        changed = {0, 0, lastFrame_.Width(), lastFrame_.Height()};
        CopyScaled(lastFrame_, changed, layout, surface);
        SDL_UpdateWindowSurface(window_.get());
        return;
    }
    const SDL_Rect written = CopyScaled(lastFrame_, changed, layout, surface);
    if (written.w > 0 && written.h > 0) {
        SDL_UpdateWindowSurfaceRects(window_.get(), &written, 1);
    }
}

void SdlBackend::Present(const raster::Framebuffer& frame) {
    if (frame.Width() != lastFrame_.Width() || frame.Height() != lastFrame_.Height()) {
        SDL_LogError(SDL_LOG_CATEGORY_APPLICATION, "A %dx%d frame does not fit the %dx%d screen",
                     frame.Width(), frame.Height(), lastFrame_.Width(), lastFrame_.Height());
        return;
    }
    const raster::Rect changed = ChangedArea(lastFrame_, frame);
    lastFrame_ = frame;
    if (!shown_) {
        Show();
        Draw({0, 0, frame.Width(), frame.Height()});
        return;
    }
    if (!changed.IsEmpty()) {
        Draw(changed);
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
            if (shown_) {
                Draw({0, 0, lastFrame_.Width(), lastFrame_.Height()});
            }
            return false;
        case EventAction::Input:
            break;
    }
    InputEvent& input = translated.input;
    if (input.kind == InputKind::Click) {
        const auto onScreen = WindowLayout().ToScreen(input.x, input.y);
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
    return WindowLayout().ToWindow(x, y);
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
    if (!shown_) {
        Show();
        Draw({0, 0, lastFrame_.Width(), lastFrame_.Height()});
    }
    SDL_RaiseWindow(window_.get());
}

void SdlBackend::Show() {
    shown_ = true;
    SDL_ShowWindow(window_.get());
    // Set once the window is mapped, where the window manager reads it: SDL's show rewrites the
    // size hints it was given while hidden.
    SDL_SetWindowMinimumSize(window_.get(), lastFrame_.Width(), lastFrame_.Height());
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
