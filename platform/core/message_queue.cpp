#include "platform/core/message_queue.h"

#include <condition_variable>
#include <deque>
#include <mutex>

namespace message_queue {
namespace {

struct Queue {
    std::mutex lock;
    std::condition_variable posted;
    std::deque<MSG> messages;
    std::function<void()> waker;
};

// Never destroyed: worker threads may still post while the process exits.
Queue& TheQueue() {
    static Queue* queue = new Queue;
    return *queue;
}

}  // namespace

bool Post(const MSG& message) {
    Queue& queue = TheQueue();
    std::lock_guard guard(queue.lock);
    queue.messages.push_back(message);
    queue.posted.notify_all();
    if (queue.waker) {
        queue.waker();
    }
    return true;
}

std::optional<MSG> Take() {
    Queue& queue = TheQueue();
    std::lock_guard guard(queue.lock);
    if (queue.messages.empty()) {
        return std::nullopt;
    }
    MSG message = queue.messages.front();
    queue.messages.pop_front();
    return message;
}

bool HasPosted() {
    Queue& queue = TheQueue();
    std::lock_guard guard(queue.lock);
    return !queue.messages.empty();
}

void WaitForPost() {
    Queue& queue = TheQueue();
    std::unique_lock guard(queue.lock);
    queue.posted.wait(guard, [&queue] { return !queue.messages.empty(); });
}

void SetWaker(std::function<void()> waker) {
    Queue& queue = TheQueue();
    std::lock_guard guard(queue.lock);
    queue.waker = std::move(waker);
}

void Wake() {
    Queue& queue = TheQueue();
    std::lock_guard guard(queue.lock);
    if (queue.waker) {
        queue.waker();
    }
}

void Reset() {
    Queue& queue = TheQueue();
    std::lock_guard guard(queue.lock);
    queue.messages.clear();
    queue.waker = nullptr;
}

}  // namespace message_queue
