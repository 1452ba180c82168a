// The window thread's queue of posted messages. Any thread may post; posting wakes the window
// thread when it waits for input.
#pragma once

#include <functional>
#include <optional>

#include "platform/win_user.h"

namespace message_queue {

// Appends a message.
bool Post(const MSG& message);
// The oldest posted message, if any.
std::optional<MSG> Take();
bool HasPosted();

// Blocks until a message is posted (for a window thread without a backend to wait on).
void WaitForPost();

// Called (under the queue's lock) whenever a message is posted, to wake the waiting thread.
void SetWaker(std::function<void()> waker);

// Wakes the waiting thread without posting (another process asked for something).
void Wake();

// Drops every message and the waker.
void Reset();

}  // namespace message_queue
