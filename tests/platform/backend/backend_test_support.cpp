#include "backend_test_support.h"

#include <cstdlib>

namespace backend {

void PrintTo(const InputEvent& event, std::ostream* os) {
    static constexpr const char* kKinds[] = {"None", "KeyDown", "KeyUp", "Click", "Close", "Wake"};
    *os << kKinds[static_cast<int>(event.kind)] << "{key=0x" << std::hex << event.key << std::dec
        << (event.repeat ? " repeat" : "") << " x=" << event.x << " y=" << event.y << "}";
}

InputEvent KeyDown(unsigned key, bool repeat) {
    return {.kind = InputKind::KeyDown, .key = key, .repeat = repeat};
}

InputEvent KeyUp(unsigned key) {
    return {.kind = InputKind::KeyUp, .key = key};
}

InputEvent ClickAt(int x, int y) {
    return {.kind = InputKind::Click, .x = x, .y = y};
}

InputEvent OfKind(InputKind kind) {
    return {.kind = kind};
}

ScopedEnv::ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) {
        old_ = old;
    }
    setenv(name, value, 1);
}

ScopedEnv::~ScopedEnv() {
    if (old_) {
        setenv(name_, old_->c_str(), 1);
    } else {
        unsetenv(name_);
    }
}

void BackendTest::SetUp() {
    const ScopedEnv scale("TALVEX_SCALE", "3");
    backend_ = CreateSdlBackend(kScreenWidth, kScreenHeight);
    ASSERT_NE(backend_, nullptr) << "no headless window; is SDL_VIDEODRIVER=dummy set?";
}

std::optional<InputEvent> BackendTest::Next(int timeoutMs) {
    InputEvent event;
    if (!backend_->WaitInput(&event, timeoutMs)) {
        return std::nullopt;
    }
    return event;
}

}  // namespace backend
