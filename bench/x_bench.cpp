// The installed game on a real X server, measured the way a player meets it: exec to a mapped
// window and to its first drawn frame, a key press to the frame that shows it, a whole game played
// blind with the keys, and the game's peak memory after one move and after the whole game.
//
// Usage: x_bench --program PATH [--runs N] [--keys N]
//
// With DISPLAY set the game runs there; without it the bench starts an Xvfb of its own. The server
// should be one that nobody else draws on (Xvfb): the bench reads the game's pixels back with
// XGetImage. No window manager is needed: keys go to the game's window with XSendEvent, the way
// xdotool's --window mode sends them. Every run gets a runtime folder of its own, so a game
// running elsewhere is neither found nor raised. The figures are printed; none is judged here.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr const char* kUsage = "usage: x_bench --program PATH [--runs N] [--keys N]\n";

// How long any one thing may take before the bench gives up on it.
constexpr auto kStartLimit = 10s;    // a window, its first frame, a settled start
constexpr auto kStepLimit = 5s;      // one key's answer to settle
constexpr auto kGameLimit = 600s;    // a whole game
constexpr int kMaxGameSteps = 4000;  // a blind game that goes on longer than this is stuck

// A frame has settled when the picture has held still this long. The computer answers within a
// millisecond or so; the margin is for a machine shared with builds.
constexpr auto kQuiet = 25ms;
// A key that changed nothing by then is taken to change nothing at all.
constexpr auto kNoChange = 150ms;
// Between two reads of the whole window while waiting for a frame to settle.
constexpr auto kSettlePoll = 3ms;
// Between two reads of the cursor's row while timing a key: short, but not a busy loop that takes
// a core from the game and the server on a small machine.
constexpr auto kKeyPoll = 50us;

// The blind player's stride over the board: 7 Right and 3 Down a step, one more Down where the
// cursor wraps past the right edge, so that the points are visited in the order p += 64 (mod 361)
// and every point is reached.
constexpr int kBoardSize = 19;
constexpr int kStrideRight = 7;
constexpr int kStrideDown = 3;
constexpr int kStartColumn = kBoardSize / 2;  // the game puts its cursor in the middle
constexpr int kPassEvery = 20;                // a Pass from the menu every so many steps

class BenchError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

double Ms(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// ---------------------------------------------------------------------------------------------
// Child processes: every one is killed when the bench ends, however it ends.

std::vector<pid_t> children;

void KillChildren() {
    for (pid_t child : children) {
        kill(child, SIGKILL);
    }
    for (pid_t child : children) {
        waitpid(child, nullptr, 0);
    }
    children.clear();
}

// A signal ends the bench at its next wait, through the same clean-up as an error.
volatile sig_atomic_t stop_signal = 0;

extern "C" void OnTerminate(int signal) {
    stop_signal = signal;
}

void CheckStopped() {
    if (stop_signal != 0) {
        throw BenchError("stopped by signal " + std::to_string(stop_signal));
    }
}

struct EnvChange {
    std::string name;
    std::optional<std::string> value;  // none: unset
};

// fork + exec with the output to `log_path`; `keep_fd` stays open in the child.
pid_t Spawn(const std::vector<std::string>& argv, const std::vector<EnvChange>& env,
            const std::string& log_path, int keep_fd = -1) {
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0) {
        throw BenchError(std::string("fork: ") + std::strerror(errno));
    }
    if (pid == 0) {
        // Should the bench be killed outright, its children go with it.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            _exit(127);
        }
        for (const EnvChange& change : env) {
            if (change.value) {
                setenv(change.name.c_str(), change.value->c_str(), 1);
            } else {
                unsetenv(change.name.c_str());
            }
        }
        const int null_fd = open("/dev/null", O_RDONLY);
        const int log_fd = open(log_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (null_fd < 0 || log_fd < 0) {
            _exit(127);
        }
        dup2(null_fd, STDIN_FILENO);
        dup2(log_fd, STDOUT_FILENO);
        dup2(log_fd, STDERR_FILENO);
        for (int fd = STDERR_FILENO + 1; fd < 1024; ++fd) {
            if (fd != keep_fd) {
                close(fd);
            }
        }
        execvp(args[0], args.data());
        std::fprintf(stderr, "cannot run %s: %s\n", args[0], std::strerror(errno));
        _exit(127);
    }
    children.push_back(pid);
    return pid;
}

// Empty while the process runs, else how it ended; the process is reaped.
std::optional<std::string> Ended(pid_t pid) {
    CheckStopped();
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) != pid) {
        return std::nullopt;
    }
    std::erase(children, pid);
    if (WIFSIGNALED(status)) {
        return "killed by signal " + std::to_string(WTERMSIG(status));
    }
    return "exit code " + std::to_string(WEXITSTATUS(status));
}

void KillAndReap(pid_t pid) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    std::erase(children, pid);
}

std::string Tail(const std::string& path, std::size_t lines = 20) {
    std::ifstream file(path);
    std::vector<std::string> kept;
    for (std::string line; std::getline(file, line);) {
        kept.push_back(line);
        if (kept.size() > lines) {
            kept.erase(kept.begin());
        }
    }
    std::string text;
    for (const std::string& line : kept) {
        text += "  | " + line + "\n";
    }
    return text;
}

// ---------------------------------------------------------------------------------------------
// Xvfb of the bench's own, when no DISPLAY is given.

std::string StartXvfb(const std::string& log_path) {
    int ends[2];
    if (pipe(ends) != 0) {
        throw BenchError(std::string("pipe: ") + std::strerror(errno));
    }
    // -displayfd: the server picks a free display itself and writes its number here when ready.
    Spawn({"Xvfb", "-displayfd", std::to_string(ends[1]), "-screen", "0", "1024x768x24",
           "-nolisten", "tcp", "-noreset"},
          {}, log_path, ends[1]);
    close(ends[1]);
    std::string text;
    const auto end = Clock::now() + kStartLimit;
    while (text.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
        pollfd ready{ends[0], POLLIN, 0};
        CheckStopped();
        if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) {
            close(ends[0]);
            throw BenchError("Xvfb gave no display number within 10 s:\n" + Tail(log_path));
        }
        char chunk[32];
        const ssize_t got = read(ends[0], chunk, sizeof chunk);
        if (got <= 0) {
            close(ends[0]);
            throw BenchError("Xvfb ended before it gave a display number:\n" + Tail(log_path));
        }
        text.append(chunk, static_cast<std::size_t>(got));
    }
    close(ends[0]);
    return ":" + text.substr(0, text.find('\n'));
}

// ---------------------------------------------------------------------------------------------
// The X connection: a window's pixels, keys sent to it.

// A window that goes away between two requests is the game's business; its errors are not fatal.
extern "C" int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

extern "C" int OnXConnectionLost(Display*) {
    std::fprintf(stderr, "x_bench: the connection to the X server was lost\n");
    KillChildren();
    std::exit(1);
}

struct Region {
    int x = 0;
    int y = 0;
    unsigned width = 0;
    unsigned height = 0;
};

using Pixels = std::vector<std::uint32_t>;  // 0x00RRGGBB, row by row

// The region's pixels, or nothing when the window cannot be read (unmapped, gone).
std::optional<Pixels> Read(Display* display, Window window, const Region& region) {
    XImage* image = XGetImage(display, window, region.x, region.y, region.width, region.height,
                              AllPlanes, ZPixmap);
    if (image == nullptr) {
        return std::nullopt;
    }
    Pixels pixels;
    pixels.reserve(static_cast<std::size_t>(region.width) * region.height);
    const bool direct = image->bits_per_pixel == 32 && image->byte_order == LSBFirst;
    for (int row = 0; row < image->height; ++row) {
        const char* line = image->data + static_cast<std::ptrdiff_t>(row) * image->bytes_per_line;
        for (int column = 0; column < image->width; ++column) {
            std::uint32_t pixel = 0;
            if (direct) {
                std::memcpy(&pixel, line + static_cast<std::ptrdiff_t>(column) * 4, 4);
            } else {
                pixel = static_cast<std::uint32_t>(XGetPixel(image, column, row));
            }
            pixels.push_back(pixel & 0xFFFFFFu);
        }
    }
    XDestroyImage(image);
    return pixels;
}

class XSession {
  public:
    explicit XSession(const std::string& name) : display_(XOpenDisplay(name.c_str())) {
        if (display_ == nullptr) {
            throw BenchError("cannot open the X display " + name);
        }
        XSetErrorHandler(IgnoreXError);
        XSetIOErrorHandler(OnXConnectionLost);
        root_ = DefaultRootWindow(display_);
        pid_atom_ = XInternAtom(display_, "_NET_WM_PID", False);
    }
    ~XSession() { XCloseDisplay(display_); }
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    Display* display() const { return display_; }

    // From now on every top-level window's mapping is an event here; older events are dropped.
    void WatchTopLevel() {
        XSelectInput(display_, root_, SubstructureNotifyMask);
        XSync(display_, True);
    }

    void StopWatching() {
        XSelectInput(display_, root_, NoEventMask);
        XSync(display_, True);
    }

    // The next top-level window mapped by `pid`, with the moment its MapNotify arrived.
    std::pair<Window, Clock::time_point> WaitForMap(pid_t pid, const std::string& log_path) {
        const auto end = Clock::now() + kStartLimit;
        while (true) {
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                const auto now = Clock::now();
                if (event.type == MapNotify && !event.xmap.override_redirect &&
                    OwnerPid(event.xmap.window) == pid) {
                    return {event.xmap.window, now};
                }
            }
            if (const auto ended = Ended(pid)) {
                throw BenchError("talvex-go ended (" + *ended + ") before it showed a window:\n" +
                                 Tail(log_path));
            }
            const auto left = end - Clock::now();
            if (left <= 0s) {
                throw BenchError("talvex-go showed no window within 10 s:\n" + Tail(log_path));
            }
            pollfd ready{ConnectionNumber(display_), POLLIN, 0};
            poll(&ready, 1, 20);
        }
    }

    // KeyPress then KeyRelease, sent to the window itself; nothing is flushed.
    void SendKey(Window window, KeySym symbol) {
        XKeyEvent key{};
        key.display = display_;
        key.window = window;
        key.root = root_;
        key.subwindow = None;
        key.time = CurrentTime;
        key.x = key.y = key.x_root = key.y_root = 1;
        key.same_screen = True;
        key.keycode = XKeysymToKeycode(display_, symbol);
        key.type = KeyPress;
        XSendEvent(display_, window, True, KeyPressMask, reinterpret_cast<XEvent*>(&key));
        key.type = KeyRelease;
        XSendEvent(display_, window, True, KeyReleaseMask, reinterpret_cast<XEvent*>(&key));
    }

    Region WholeWindow(Window window) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display_, window, &attributes) == 0) {
            throw BenchError("the game's window is gone");
        }
        return {0, 0, static_cast<unsigned>(attributes.width),
                static_cast<unsigned>(attributes.height)};
    }

  private:
    pid_t OwnerPid(Window window) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        pid_t pid = 0;
        if (XGetWindowProperty(display_, window, pid_atom_, 0, 1, False, XA_CARDINAL, &type,
                               &format, &count, &after, &data) == Success &&
            data != nullptr) {
            if (format == 32 && count == 1) {
                pid = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
            }
            XFree(data);
        }
        return pid;
    }

    Display* display_;
    Window root_ = None;
    Atom pid_atom_ = None;
};

// ---------------------------------------------------------------------------------------------
// One started game.

struct Memory {
    long hwm_kib = -1;  // peak resident set (VmHWM)
    long rss_kib = -1;  // resident set now (VmRSS)
};

Memory ReadMemory(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    Memory memory;
    for (std::string line; std::getline(status, line);) {
        std::istringstream fields(line);
        std::string name;
        long value = 0;
        fields >> name >> value;
        if (name == "VmHWM:") {
            memory.hwm_kib = value;
        } else if (name == "VmRSS:") {
            memory.rss_kib = value;
        }
    }
    if (memory.hwm_kib < 0) {
        throw BenchError("cannot read the game's memory from /proc/" + std::to_string(pid));
    }
    return memory;
}

class Game {
  public:
    Game(XSession& x, pid_t pid, Window window, std::string log_path)
        : x_(x), pid_(pid), window_(window), log_path_(std::move(log_path)) {
        whole_ = x_.WholeWindow(window_);
    }

    Window window() const { return window_; }
    const Region& whole() const { return whole_; }

    Pixels Read(const Region& region) {
        CheckRunning();
        auto pixels = ::Read(x_.display(), window_, region);
        if (!pixels) {
            throw BenchError("the game's window cannot be read any more:\n" + Tail(log_path_));
        }
        return *pixels;
    }

    void CheckRunning() {
        if (const auto ended = Ended(pid_)) {
            throw BenchError("talvex-go ended (" + *ended + "):\n" + Tail(log_path_));
        }
    }

    void Keys(const std::vector<KeySym>& keys) {
        for (KeySym key : keys) {
            x_.SendKey(window_, key);
        }
        XFlush(x_.display());
    }

    // The window's picture once it holds still for `quiet`. It is waited on to change from
    // `before` first, for `change_within` at most: a key that changed nothing by then is taken
    // to change nothing.
    Pixels Settle(const Pixels& before, Clock::duration change_within,
                  Clock::duration quiet = kQuiet, Clock::duration limit = kStepLimit) {
        const auto start = Clock::now();
        Pixels last = Read(whole_);
        auto last_change = start;
        bool changed = last != before;
        while (true) {
            const auto now = Clock::now();
            if (now - last_change >= quiet && (changed || now - start >= change_within)) {
                return last;
            }
            if (now - start >= limit) {
                throw BenchError(
                    "the game's window did not hold still within " +
                    std::to_string(
                        std::chrono::duration_cast<std::chrono::seconds>(limit).count()) +
                    " s");
            }
            std::this_thread::sleep_for(kSettlePoll);
            Pixels current = Read(whole_);
            if (current != last) {
                last = std::move(current);
                last_change = Clock::now();
                changed = changed || last != before;
            }
        }
    }

    Pixels SettleFrom(const std::vector<KeySym>& keys, const Pixels& before,
                      Clock::duration change_within = kNoChange) {
        Keys(keys);
        return Settle(before, change_within);
    }

  private:
    XSession& x_;
    pid_t pid_;
    Window window_;
    std::string log_path_;
    Region whole_;
};

// ---------------------------------------------------------------------------------------------
// The figures.

double Percentile(std::vector<double> values, double share) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    // Nearest rank.
    const auto rank =
        static_cast<std::size_t>(std::ceil(share * static_cast<double>(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

double Median(const std::vector<double>& values) {
    return Percentile(values, 0.5);
}

double Max(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

struct RunFigures {
    double mapped_ms = 0;
    double first_frame_ms = 0;
    std::vector<double> key_ms;
    double read_ms = 0;  // one read of the cursor's row, the key timing's resolution
    Memory after_move;
    int game_steps = 0;
    int game_passes = 0;
    double game_s = 0;
    Memory after_game;
};

// Exec to the window's MapNotify and to its first pixels that are not all black.
Game StartGame(XSession& x, const std::string& program, const std::string& display,
               const std::string& work, int run, RunFigures& figures, pid_t& pid) {
    std::string runtime = work + "/runtime-XXXXXX";
    if (mkdtemp(runtime.data()) == nullptr) {  // 0700, as the game wants it
        throw BenchError("mkdtemp: " + std::string(std::strerror(errno)));
    }
    const std::string log_path = work + "/game-" + std::to_string(run) + ".log";
    const std::vector<EnvChange> env = {
        {"DISPLAY", display},
        {"TALVEX_RUNTIME_DIR", runtime},
        // The driver and the scale the game picks by itself, on the display given here.
        {"SDL_VIDEODRIVER", std::nullopt},
        {"WAYLAND_DISPLAY", std::nullopt},
        {"TALVEX_SCALE", std::nullopt},
    };
    x.WatchTopLevel();
    const auto start = Clock::now();
    pid = Spawn({program}, env, log_path);
    const auto [window, mapped] = x.WaitForMap(pid, log_path);
    x.StopWatching();
    figures.mapped_ms = Ms(mapped - start);

    Game game(x, pid, window, log_path);
    // A square in the middle of the window: the board is there once anything is drawn.
    const Region& whole = game.whole();
    const unsigned side = std::min({64u, whole.width, whole.height});
    const Region middle{static_cast<int>((whole.width - side) / 2),
                        static_cast<int>((whole.height - side) / 2), side, side};
    const auto end = Clock::now() + kStartLimit;
    while (true) {
        const Pixels pixels = game.Read(middle);
        if (std::any_of(pixels.begin(), pixels.end(), [](std::uint32_t p) { return p != 0; })) {
            figures.first_frame_ms = Ms(Clock::now() - start);
            break;
        }
        if (Clock::now() > end) {
            throw BenchError("the game's window stayed black for 10 s:\n" + Tail(log_path));
        }
        std::this_thread::sleep_for(200us);
    }
    return game;
}

// Right arrows, each timed from its sending to the first read of the cursor's row that differs.
void TimeKeys(Game& game, int count, RunFigures& figures, int& cursor_column) {
    // The cursor's row: where one Right changes the picture, across the whole window's width.
    const Region& whole = game.whole();
    const Pixels before = game.Read(whole);
    const Pixels after = game.SettleFrom({XK_Right}, before, kStepLimit);
    ++cursor_column;
    int top = -1;
    int bottom = -1;
    for (unsigned row = 0; row < whole.height; ++row) {
        const auto from = static_cast<std::ptrdiff_t>(row) * whole.width;
        if (!std::equal(before.begin() + from, before.begin() + from + whole.width,
                        after.begin() + from)) {
            top = top < 0 ? static_cast<int>(row) : top;
            bottom = static_cast<int>(row);
        }
    }
    if (top < 0) {
        throw BenchError("a Right arrow changed nothing in the game's window");
    }
    const Region strip{0, top, whole.width, static_cast<unsigned>(bottom - top + 1)};

    std::vector<double> reads;
    Pixels baseline = game.Read(strip);
    for (int sample = 0; sample < count; ++sample) {
        const auto sent = Clock::now();
        game.Keys({XK_Right});
        const auto deadline = sent + kStepLimit;
        while (true) {
            const auto asked = Clock::now();
            Pixels current = game.Read(strip);
            const auto now = Clock::now();
            reads.push_back(Ms(now - asked));
            if (current != baseline) {
                figures.key_ms.push_back(Ms(now - sent));
                baseline = std::move(current);
                break;
            }
            if (now > deadline) {
                throw BenchError("a Right arrow showed no change within 5 s");
            }
            std::this_thread::sleep_for(kKeyPoll);
        }
        ++cursor_column;
        // The rest of this key's frame, before the next key is timed.
        auto last_change = Clock::now();
        while (Clock::now() - last_change < 8ms) {
            std::this_thread::sleep_for(1ms);
            Pixels current = game.Read(strip);
            if (current != baseline) {
                baseline = std::move(current);
                last_change = Clock::now();
            }
            if (Clock::now() > deadline) {
                throw BenchError("the cursor's row did not hold still within 5 s");
            }
        }
    }
    figures.read_ms = Median(reads);
}

// Pass from the menu (F2 opens it, 2 chooses Pass); whether anything on the screen changed.
bool Pass(Game& game, Pixels& picture) {
    const Pixels menu = game.SettleFrom({XK_F2}, picture, kStepLimit);
    if (menu == picture) {
        throw BenchError("F2 opened no menu");
    }
    Pixels after = game.SettleFrom({XK_2}, menu, kStepLimit);
    const bool changed = after != picture;
    picture = std::move(after);
    return changed;
}

// Blind play until the game is over: a Pass that changes nothing, twice, once the menu is gone.
void PlayWholeGame(Game& game, int cursor_column, RunFigures& figures) {
    const auto start = Clock::now();
    Pixels picture = game.Settle(game.Read(game.whole()), 0s);
    while (true) {
        if (figures.game_steps >= kMaxGameSteps || Clock::now() - start > kGameLimit) {
            throw BenchError("the game was not over after " + std::to_string(figures.game_steps) +
                             " steps");
        }
        const bool wraps = cursor_column % kBoardSize + kStrideRight >= kBoardSize;
        cursor_column += kStrideRight;
        std::vector<KeySym> moves(kStrideRight, XK_Right);
        moves.insert(moves.end(), kStrideDown + (wraps ? 1 : 0), XK_Down);
        game.Keys(moves);
        picture = game.Settle(picture, kNoChange);
        Pixels played = game.SettleFrom({XK_Return}, picture);
        const bool nothing = played == picture;
        picture = std::move(played);
        ++figures.game_steps;
        if (nothing || figures.game_steps % kPassEvery == 0) {
            ++figures.game_passes;
            if (!Pass(game, picture)) {
                // Once more, so that a reply slower than the settling cannot end the game early.
                ++figures.game_passes;
                if (!Pass(game, picture)) {
                    break;
                }
            }
        }
    }
    figures.game_s = std::chrono::duration<double>(Clock::now() - start).count();
}

RunFigures Run(XSession& x, const std::string& program, const std::string& display,
               const std::string& work, int run, int keys) {
    RunFigures figures;
    pid_t pid = 0;
    try {
        Game game = StartGame(x, program, display, work, run, figures, pid);
        // The start's text rows settle ("Your move"), then one stone and the computer's reply.
        const Pixels start = game.Settle(game.Read(game.whole()), 0s, 300ms, kStartLimit);
        game.SettleFrom({XK_Return}, start, kStepLimit);
        figures.after_move = ReadMemory(pid);
        int cursor_column = kStartColumn;
        TimeKeys(game, keys, figures, cursor_column);
        PlayWholeGame(game, cursor_column, figures);
        figures.after_game = ReadMemory(pid);
    } catch (...) {
        if (pid > 0) {
            KillAndReap(pid);
        }
        throw;
    }
    KillAndReap(pid);
    return figures;
}

// ---------------------------------------------------------------------------------------------

struct Options {
    std::string program;
    int runs = 3;
    int keys = 200;
};

int ParseCount(const std::string& text, const char* what) {
    std::size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || value < 1 || value > 100000) {
        throw BenchError(std::string(what) + " must be a whole number from 1 to 100000\n" + kUsage);
    }
    return value;
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            std::exit(0);
        }
        if (i + 1 >= argc) {
            throw BenchError("missing value after " + arg + "\n" + kUsage);
        }
        const std::string value = argv[++i];
        if (arg == "--program") {
            options.program = value;
        } else if (arg == "--runs") {
            options.runs = ParseCount(value, "--runs");
        } else if (arg == "--keys") {
            options.keys = ParseCount(value, "--keys");
        } else {
            throw BenchError("unknown option " + arg + "\n" + kUsage);
        }
    }
    if (options.program.empty()) {
        throw BenchError(std::string("--program is required\n") + kUsage);
    }
    if (access(options.program.c_str(), X_OK) != 0) {
        throw BenchError("no program to run at " + options.program);
    }
    // The child is started with execvp: a bare name must not be looked up on PATH.
    if (options.program.find('/') == std::string::npos) {
        options.program = "./" + options.program;
    }
    return options;
}

std::string MiB(long kib) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(kib) / 1024);
    return text;
}

void Report(const std::vector<RunFigures>& runs) {
    std::printf("\n%-4s %9s %9s %9s %9s %9s %7s %7s %8s %9s %9s\n", "run", "mapped", "1st frame",
                "key med", "key p90", "key max", "steps", "passes", "game", "HWM move", "HWM game");
    std::vector<double> mapped, first, keys, reads, steps, game_s, hwm_move, hwm_game, rss_game;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const RunFigures& run = runs[i];
        std::printf(
            "%-4zu %7.1fms %7.1fms %7.3fms %7.3fms %7.3fms %7d %7d %7.1fs %5s MiB %5s MiB\n", i + 1,
            run.mapped_ms, run.first_frame_ms, Median(run.key_ms), Percentile(run.key_ms, 0.9),
            Max(run.key_ms), run.game_steps, run.game_passes, run.game_s,
            MiB(run.after_move.hwm_kib).c_str(), MiB(run.after_game.hwm_kib).c_str());
        mapped.push_back(run.mapped_ms);
        first.push_back(run.first_frame_ms);
        keys.insert(keys.end(), run.key_ms.begin(), run.key_ms.end());
        reads.push_back(run.read_ms);
        steps.push_back(run.game_steps);
        game_s.push_back(run.game_s);
        hwm_move.push_back(static_cast<double>(run.after_move.hwm_kib));
        hwm_game.push_back(static_cast<double>(run.after_game.hwm_kib));
        rss_game.push_back(static_cast<double>(run.after_game.rss_kib));
    }
    const auto mib = [](double kib) { return MiB(static_cast<long>(kib)); };
    std::printf("\nover %zu runs                         median      max   goal\n", runs.size());
    std::printf("exec to mapped window            %8.1f ms %8.1f ms\n", Median(mapped),
                Max(mapped));
    std::printf("exec to first frame              %8.1f ms %8.1f ms   <= 100 ms\n", Median(first),
                Max(first));
    std::printf("key to presented frame (%zu keys) %8.3f ms %8.3f ms   <= 1 ms   p90 %.3f ms\n",
                keys.size(), Median(keys), Max(keys), Percentile(keys, 0.9));
    std::printf("  one read of the cursor's row   %8.3f ms (the key timing's resolution)\n",
                Median(reads));
    std::printf("whole game: steps                %8.0f    %8.0f\n", Median(steps), Max(steps));
    std::printf("whole game: time                 %8.1f s  %8.1f s\n", Median(game_s), Max(game_s));
    std::printf("peak RSS after one move (VmHWM)  %8s MiB%7s MiB\n", mib(Median(hwm_move)).c_str(),
                mib(Max(hwm_move)).c_str());
    std::printf("peak RSS after the game (VmHWM)  %8s MiB%7s MiB   <= 20 MiB\n",
                mib(Median(hwm_game)).c_str(), mib(Max(hwm_game)).c_str());
    std::printf("RSS after the game (VmRSS)       %8s MiB%7s MiB\n", mib(Median(rss_game)).c_str(),
                mib(Max(rss_game)).c_str());
}

int Main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    std::string work = (std::filesystem::temp_directory_path() / "talvex-xbench-XXXXXX").string();
    if (mkdtemp(work.data()) == nullptr) {
        throw BenchError("mkdtemp: " + std::string(std::strerror(errno)));
    }
    struct RemoveWork {
        std::string path;
        ~RemoveWork() {
            KillChildren();
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    } remove_work{work};

    std::string display;
    if (const char* given = std::getenv("DISPLAY"); given != nullptr && *given != '\0') {
        display = given;
    } else {
        display = StartXvfb(work + "/xvfb.log");
        std::printf("started Xvfb on %s\n", display.c_str());
    }
    XSession x(display);
    std::printf("x_bench: %s on %s, %d runs, %d timed keys a run\n", options.program.c_str(),
                display.c_str(), options.runs, options.keys);
    std::vector<RunFigures> runs;
    for (int run = 1; run <= options.runs; ++run) {
        runs.push_back(Run(x, options.program, display, work, run, options.keys));
        const RunFigures& figures = runs.back();
        std::printf(
            "run %d: mapped %.1f ms, first frame %.1f ms, key median %.3f ms, game %d "
            "steps in %.1f s, VmHWM %s MiB\n",
            run, figures.mapped_ms, figures.first_frame_ms, Median(figures.key_ms),
            figures.game_steps, figures.game_s, MiB(figures.after_game.hwm_kib).c_str());
        std::fflush(stdout);
    }
    Report(runs);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    struct sigaction action {};
    action.sa_handler = OnTerminate;  // no SA_RESTART: a wait in poll() ends at once
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
    try {
        return Main(argc, argv);
    } catch (const BenchError& error) {
        std::fprintf(stderr, "x_bench: %s\n", error.what());
        return 1;
    }
}
