// The Backend on SDL: one window whose own surface shows the phone screen, scaled up.
#pragma once

#include <atomic>
#include <optional>

#include "platform/backend/backend.h"
#include "platform/backend/screen_layout.h"
#include "platform/backend/sdl_handles.h"
#include "platform/backend/video_driver.h"
#include "platform/backend/video_session.h"
#include "platform/raster/rect.h"

namespace backend {

class SdlBackend final : public Backend {
  public:
    // The backend that exists in this process, or null.
    static SdlBackend* Current();

    ~SdlBackend() override;

    void Present(const raster::Framebuffer& frame) override;
    bool WaitInput(InputEvent* event, int timeoutMs) override;
    void Wake() override;
    void Raise() override;
    void Minimise() override;
    void SetTitle(const std::string& utf8) override;
    void SetIcon(const raster::Framebuffer& image) override;
    raster::Framebuffer LastFrame() const override;

    // For input put into the queue: the window's id, and the window pixel at the centre of
    // phone-screen pixel (x, y).
    Uint32 WindowId() const { return windowId_; }
    ScreenPoint ScreenToWindow(int x, int y) const;
    bool ResizeWindow(int width, int height);

  private:
    friend std::unique_ptr<Backend> CreateSdlBackend(int screenWidth, int screenHeight,
                                                     std::string* failure);

    // Marks the one backend a process may have; the first member, so it is given up last.
    class InstanceSlot {
      public:
        InstanceSlot();
        ~InstanceSlot();
        InstanceSlot(const InstanceSlot&) = delete;
        InstanceSlot& operator=(const InstanceSlot&) = delete;
        bool Held() const { return held_; }

      private:
        bool held_;
    };

    SdlBackend(int screenWidth, int screenHeight);
    std::string Start();  // empty, or why the window cannot be had
    int ChooseScale() const;
    // Copies what changed in the frame (everything after the window's surface was remade) into
    // the window and shows it.
    void Draw(raster::Rect changed);
    void Show();
    bool Deliver(const SDL_Event& sdlEvent, InputEvent* event);
    ScreenLayout WindowLayout() const;

    InstanceSlot slot_;
    const VideoDriverChoice driver_;
    std::optional<VideoSession> video_;
    WindowPtr window_;
    SDL_Surface* drawnSurface_ = nullptr;  // SDL's, for as long as the window keeps its size
    Uint32 windowId_ = 0;
    Uint32 wakeEventType_ = 0;
    std::atomic<bool> wakePending_{false};
    bool shown_ = false;  // the window opens hidden and is shown once, with the first frame
    raster::Framebuffer lastFrame_;
};

}  // namespace backend
