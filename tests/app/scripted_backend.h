// A backend for driving the whole program from a test: it keeps the frames it is given (the
// desktop window itself is tested with the platform), and gives the program its input from a
// script, one step each time the
// window thread has nothing left to do and no worker thread runs. A step is an input event or
// a check, which runs on the window thread at that idle moment, inside whatever message loop
// (the main one or a modal dialog's) is waiting.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <SDL.h>

#include "platform/backend/backend.h"

namespace app_test {

class ScriptedBackend final : public backend::Backend {
  public:
    ScriptedBackend();

    // A key press and release, given once the program has settled.
    void Key(unsigned phoneKey);
    // A key press and release, given as soon as the window thread waits, even while a worker
    // runs (for worker threads held with kernel_objects::HoldThreads).
    void KeyNow(unsigned phoneKey);
    void Then(std::function<void()> check);
    // A left click, given once the program has settled, at the phone-screen pixel that `where`
    // gives then (the windows and their geometry exist only once the program runs).
    void Click(std::function<std::pair<int, int>()> where);
    // Desktop input, through the platform's own mapping of SDL's events: a keypad key pressed
    // and released with NumLock on or off, a turn of the mouse wheel.
    void KeypadKey(int sdlKeycode, bool numLock);
    void Wheel(int notches);
    // The desktop window's close button, pressed as soon as the window thread waits.
    void CloseNow();
    // A check run as soon as the window thread waits, even while a worker runs.
    void ThenNow(std::function<void()> check);
    // Steps not yet taken, key releases not counted (the program may end on a key press).
    std::size_t Pending() const;
    // The message line's index at each message posted from another thread than the window
    // thread (a worker's), in order.
    std::vector<int> StatusAtPosts() const;
    bool Minimised() const { return minimised_; }
    const std::string& Title() const { return title_; }
    int IconWidth() const { return iconWidth_; }
    int Presents() const { return presents_; }

    void Present(const raster::Framebuffer& frame) override;
    bool WaitInput(backend::InputEvent* event, int timeoutMs) override;
    void Wake() override;
    void Raise() override;
    void Minimise() override;
    void SetTitle(const std::string& utf8) override;
    void SetIcon(const raster::Framebuffer& image) override;
    raster::Framebuffer LastFrame() const override;

  private:
    struct Step {
        backend::InputEvent event;
        std::function<void()> check;
        bool settle = true;
        std::function<std::pair<int, int>()> clickAt = nullptr;
    };
    void AddKey(unsigned phoneKey, bool settle);
    void AddDesktopEvent(const SDL_Event& event);

    raster::Framebuffer lastFrame_{1, 1};
    std::string title_;
    int iconWidth_ = 0;
    int presents_ = 0;
    const std::thread::id windowThread_;
    mutable std::mutex lock_;
    std::deque<Step> script_;
    bool wakePending_ = false;
    std::vector<int> statusAtPosts_;
    bool minimised_ = false;
    int overruns_ = 0;
};

}  // namespace app_test
