// Wake() from other threads: it ends a wait on the window's thread, many wakes read as one, and
// none is lost while another thread keeps posting work.
#include <SDL_keycode.h>
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "backend_test_support.h"

namespace backend {
namespace {

using std::chrono::milliseconds;

// Ends an endless wait that nothing else ended, with a Close the test does not expect, so that
// a lost wake fails the test instead of hanging it.
class Watchdog {
  public:
    explicit Watchdog(milliseconds patience)
        : thread_([this, patience] {
              std::unique_lock lock(mutex_);
              if (!done_.wait_for(lock, patience, [this] { return disarmed_; })) {
                  InjectClose();
              }
          }) {}
    ~Watchdog() {
        {
            std::lock_guard lock(mutex_);
            disarmed_ = true;
        }
        done_.notify_one();
        thread_.join();
    }

  private:
    std::mutex mutex_;
    std::condition_variable done_;
    bool disarmed_ = false;
    std::thread thread_;
};

constexpr milliseconds kPatience{5000};

using WakeTest = BackendTest;

TEST_F(WakeTest, WakeFromAnotherThreadEndsAnEndlessWait) {
    Watchdog watchdog(kPatience);
    std::thread waker([this] {
        std::this_thread::sleep_for(milliseconds(30));
        backend_->Wake();
    });
    const auto woken = Next(-1);
    waker.join();
    EXPECT_EQ(woken, OfKind(InputKind::Wake));
}

TEST_F(WakeTest, WakesBeforeTheReadAreReadAsOne) {
    std::vector<std::thread> wakers;
    for (int t = 0; t < 4; ++t) {
        wakers.emplace_back([this] {
            for (int i = 0; i < 500; ++i) {
                backend_->Wake();
            }
        });
    }
    for (std::thread& waker : wakers) {
        waker.join();
    }
    EXPECT_EQ(Next(0), OfKind(InputKind::Wake));
    EXPECT_EQ(Next(0), std::nullopt);

    backend_->Wake();  // read wakes do not hold back the next one
    EXPECT_EQ(Next(0), OfKind(InputKind::Wake));
}

TEST_F(WakeTest, WakeAndInputKeepTheirOrder) {
    ASSERT_TRUE(InjectDesktopKey(SDLK_UP, true));
    backend_->Wake();
    ASSERT_TRUE(InjectDesktopKey(SDLK_DOWN, true));
    EXPECT_EQ(Next(), KeyDown(0x26));
    EXPECT_EQ(Next(), OfKind(InputKind::Wake));
    EXPECT_EQ(Next(), KeyDown(0x28));
}

// The way the message queue uses it: post under a lock, then wake; the reader drains after
// each wake and must see every post.
TEST_F(WakeTest, NoPostIsLeftUnseenWhenWakesAreMerged) {
    constexpr int kPosts = 3000;
    std::mutex mutex;
    std::deque<int> posted;
    std::thread poster([&] {
        for (int i = 0; i < kPosts; ++i) {
            {
                std::lock_guard lock(mutex);
                posted.push_back(i);
            }
            backend_->Wake();
            if (i % 100 == 99) {
                std::this_thread::sleep_for(milliseconds(1));  // so the reader needs many wakes
            }
        }
    });

    Watchdog watchdog(kPatience);
    int seen = 0;
    bool inOrder = true;
    while (seen < kPosts) {
        const auto event = Next(-1);
        if (event != OfKind(InputKind::Wake)) {
            ADD_FAILURE() << "stopped after " << seen << " of " << kPosts << " posts";
            break;
        }
        std::lock_guard lock(mutex);
        for (; !posted.empty(); posted.pop_front()) {
            inOrder = inOrder && posted.front() == seen;
            ++seen;
        }
    }
    poster.join();
    EXPECT_TRUE(inOrder);
}

}  // namespace
}  // namespace backend
