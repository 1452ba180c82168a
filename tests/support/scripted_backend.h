// A backend that keeps the frames it is given and feeds the program a script, one step each
// time the window thread is idle: an input event or a check run on the window thread, inside
// whichever message loop (the main one or a dialog's) waits. A settled step also waits for the
// worker thread to end; an unsettled one comes even while a held worker runs.
#pragma once

#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/backend/backend.h"

namespace shell_test {

class ScriptedBackend final : public backend::Backend {
  public:
    ScriptedBackend() : windowThread_(std::this_thread::get_id()) {}

    // A key press and release.
    void Key(unsigned phoneKey, bool settle = true);
    void Then(std::function<void()> check, bool settle = true) {
        Add({{}, std::move(check), settle});
    }
    // A left click at the phone-screen pixel that `where` gives when the step comes.
    void Click(std::function<std::pair<int, int>()> where) {
        Add({{backend::InputKind::Click}, nullptr, true, std::move(where)});
    }
    // A turn of the mouse wheel, in notches: negative scrolls down.
    void Wheel(int notches) { Add({{.kind = backend::InputKind::Wheel, .notches = notches}}); }
    // The desktop window's close button, as soon as the window thread waits.
    void CloseNow() { Add({{backend::InputKind::Close}, nullptr, false}); }
    // Steps not yet taken, key releases not counted (the program may end on a key press).
    std::size_t Pending() const;
    // The message line at each post from another thread (a worker's), in order.
    std::vector<int> StatusAtPosts() const;
    bool Minimised() const { return minimised_; }
    const std::string& Title() const { return title_; }

    void Present(const raster::Framebuffer& frame) override { lastFrame_ = frame; }
    bool WaitInput(backend::InputEvent* event, int timeoutMs) override;
    void Wake() override;
    void Raise() override { minimised_ = false; }
    void Minimise() override { minimised_ = true; }
    void SetTitle(const std::string& utf8) override { title_ = utf8; }
    void SetIcon(const raster::Framebuffer&) override {}
    raster::Framebuffer LastFrame() const override { return lastFrame_; }

  private:
    struct Step {
        backend::InputEvent event;
        std::function<void()> check = nullptr;
        bool settle = true;
        std::function<std::pair<int, int>()> clickAt = nullptr;
    };
    void Add(Step step);

    raster::Framebuffer lastFrame_{1, 1};
    std::string title_;
    const std::thread::id windowThread_;
    mutable std::mutex lock_;
    std::deque<Step> script_;
    bool wakePending_ = false;
    std::vector<int> statusAtPosts_;
    bool minimised_ = false;
    int overruns_ = 0;
};

}  // namespace shell_test
