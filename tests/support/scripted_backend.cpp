#include "tests/support/scripted_backend.h"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/aygshell.h"
#include "platform/core/kernel_object.h"
#include "shell/game_session.h"

namespace shell_test {

void ScriptedBackend::Add(Step step) {
    std::lock_guard guard(lock_);
    script_.push_back(std::move(step));
}

void ScriptedBackend::Key(unsigned phoneKey, bool settle) {
    Add({{backend::InputKind::KeyDown, phoneKey}, nullptr, settle});
    Add({{backend::InputKind::KeyUp, phoneKey}, nullptr, settle});
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

bool ScriptedBackend::WaitInput(backend::InputEvent* event, int timeoutMs) {
    for (;;) {
        std::unique_lock guard(lock_);
        if (wakePending_) {
            wakePending_ = false;
            *event = {backend::InputKind::Wake};
            return true;
        }
        if (timeoutMs == 0) {
            return false;  // a poll between messages: input comes only when idle
        }
        if (script_.empty()) {
            // The program still waits: fail, then back out of any dialog and close.
            if (overruns_++ == 0) {
                ADD_FAILURE() << "the script ended while the program was still running";
            }
            *event = overruns_ < 10 ? backend::InputEvent{backend::InputKind::KeyDown, VK_TBACK}
                                    : backend::InputEvent{backend::InputKind::Close};
            return true;
        }
        if (script_.front().settle) {
            guard.unlock();
            // A game step takes milliseconds; this much means a worker that never ends.
            if (!kernel_objects::WaitForThreads(20000)) {
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
    std::lock_guard guard(lock_);
    wakePending_ = true;
    if (std::this_thread::get_id() != windowThread_) {
        statusAtPosts_.push_back(CurrentStatus());
    }
}

}  // namespace shell_test
