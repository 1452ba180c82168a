// Shared by the backend's tests: a live headless window and readable input events.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "platform/backend/backend.h"

namespace backend {

constexpr int kScreenWidth = 176;
constexpr int kScreenHeight = 220;

// Lets GoogleTest show an event that did not match.
void PrintTo(const InputEvent& event, std::ostream* os);

InputEvent KeyDown(unsigned key, bool repeat = false);
InputEvent KeyUp(unsigned key);
InputEvent ClickAt(int x, int y);
InputEvent OfKind(InputKind kind);

// Sets an environment variable for one test and puts the old value back. Only while no other
// thread runs.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

// A headless window at scale 3, whatever TALVEX_SCALE the developer's session has.
class BackendTest : public ::testing::Test {
  protected:
    void SetUp() override;

    // The next input within timeoutMs, or nothing.
    std::optional<InputEvent> Next(int timeoutMs = 1000);

    std::unique_ptr<Backend> backend_;
};

}  // namespace backend
