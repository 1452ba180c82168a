#include "tests/app/scripted_backend.h"

#include <gtest/gtest.h>

#include <thread>
#include <tuple>

#include "platform/aygshell.h"
#include "platform/backend/event_map.h"
#include "platform/core/kernel_object.h"
#include "shell/game_session.h"

namespace app_test {

namespace {

// A game step takes milliseconds; this much means a worker that never ends.
constexpr int WorkerTimeoutMs = 20000;

}  // namespace

ScriptedBackend::ScriptedBackend() : windowThread_(std::this_thread::get_id()) {}

void ScriptedBackend::AddKey(unsigned phoneKey, bool settle) {
    std::lock_guard guard(lock_);
    script_.push_back({{backend::InputKind::KeyDown, phoneKey}, nullptr, settle});
    script_.push_back({{backend::InputKind::KeyUp, phoneKey}, nullptr, settle});
}

void ScriptedBackend::Key(unsigned phoneKey) {
    AddKey(phoneKey, true);
}

void ScriptedBackend::KeyNow(unsigned phoneKey) {
    AddKey(phoneKey, false);
}

void ScriptedBackend::Click(std::function<std::pair<int, int>()> where) {
    std::lock_guard guard(lock_);
    script_.push_back({{backend::InputKind::Click}, nullptr, true, std::move(where)});
}

void ScriptedBackend::AddDesktopEvent(const SDL_Event& event) {
    // No event is of the last type: nothing here is taken for a wake.
    const backend::TranslatedEvent translated = backend::TranslateEvent(event, SDL_LASTEVENT);
    ASSERT_EQ(translated.action, backend::EventAction::Input) << "event type " << event.type;
    std::lock_guard guard(lock_);
    script_.push_back({translated.input, nullptr, true});
}

void ScriptedBackend::KeypadKey(int sdlKeycode, bool numLock) {
    for (const Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
        SDL_Event event{};
        event.key.type = type;
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = sdlKeycode;
        event.key.keysym.mod = numLock ? KMOD_NUM : KMOD_NONE;
        AddDesktopEvent(event);
    }
}

void ScriptedBackend::Wheel(int notches) {
    SDL_Event event{};
    event.wheel.type = SDL_MOUSEWHEEL;
    event.wheel.y = notches;
    event.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
    AddDesktopEvent(event);
}

void ScriptedBackend::Then(std::function<void()> check) {
    std::lock_guard guard(lock_);
    script_.push_back({{}, std::move(check), true});
}

void ScriptedBackend::CloseNow() {
    std::lock_guard guard(lock_);
    script_.push_back({{backend::InputKind::Close}, nullptr, false});
}

void ScriptedBackend::ThenNow(std::function<void()> check) {
    std::lock_guard guard(lock_);
    script_.push_back({{}, std::move(check), false});
}

std::size_t ScriptedBackend::Pending() const {
    std::lock_guard guard(lock_);
    std::size_t pending = 0;
    for (const Step& step : script_) {
        pending += step.check || step.event.kind != backend::InputKind::KeyUp;
    }
    return pending;
}

std::vector<int> ScriptedBackend::StatusAtPosts() const {
    std::lock_guard guard(lock_);
    return statusAtPosts_;
}

void ScriptedBackend::Present(const raster::Framebuffer& frame) {
    lastFrame_ = frame;
    ++presents_;
}

bool ScriptedBackend::WaitInput(backend::InputEvent* event, int timeoutMs) {
    for (;;) {
        std::unique_lock guard(lock_);
        if (wakePending_) {
            wakePending_ = false;
            *event = {backend::InputKind::Wake};
            return true;
        }
        if (timeoutMs == 0) {
            // A poll between messages: input comes only when the window thread is idle.
            return false;
        }
        if (script_.empty()) {
            // The program still waits for input: fail, then back out of any dialog and close.
            if (overruns_++ == 0) {
                ADD_FAILURE() << "the script ended while the program was still running";
            }
            *event = overruns_ < 10 ? backend::InputEvent{backend::InputKind::KeyDown, VK_TBACK}
                                    : backend::InputEvent{backend::InputKind::Close};
            return true;
        }
        if (script_.front().settle) {
            guard.unlock();
            if (!kernel_objects::WaitForThreads(WorkerTimeoutMs)) {
                ADD_FAILURE() << "a worker thread did not end";
            }
            guard.lock();
            if (wakePending_) {
                continue;  // the worker's messages come first
            }
        }
        Step step = std::move(script_.front());
        script_.pop_front();
        if (step.clickAt) {
            std::tie(step.event.x, step.event.y) = step.clickAt();
        }
        if (!step.check) {
            *event = step.event;
            return true;
        }
        guard.unlock();
        step.check();
        // What the check did (keys sent, windows invalidated) is handled before the next step.
        *event = {backend::InputKind::Wake};
        return true;
    }
}

void ScriptedBackend::Wake() {
    // Called by the posting thread at each post: a worker's posts record the message line.
    std::lock_guard guard(lock_);
    wakePending_ = true;
    if (std::this_thread::get_id() != windowThread_) {
        statusAtPosts_.push_back(CurrentStatus());
    }
}

void ScriptedBackend::Raise() {
    minimised_ = false;
}

void ScriptedBackend::Minimise() {
    minimised_ = true;
}

void ScriptedBackend::SetTitle(const std::string& utf8) {
    title_ = utf8;
}

void ScriptedBackend::SetIcon(const raster::Framebuffer& image) {
    iconWidth_ = image.Width();
}

raster::Framebuffer ScriptedBackend::LastFrame() const {
    return lastFrame_;
}

}  // namespace app_test
