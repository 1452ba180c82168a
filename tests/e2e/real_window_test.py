#!/usr/bin/env python3
"""The real game on a real X server.

talvex-go in Xvfb, played with xdotool, seen in Xvfb's framebuffer file: a stone with the keys and
one with a click, each answered; a screenshot; Menu > New Game; Menu > Help and Back; a second
start, which must raise the running window and end without one of its own; then Exit.
"""

import argparse
import ctypes
import os
import re
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import zlib

TITLE = "Talvex Go 1.01"
TITLE_PATTERN = "^" + re.escape(TITLE) + "$"
PHONE_WIDTH, PHONE_HEIGHT, BAR = 176, 220, 20  # the phone's screen; title and soft-key bars
SCALE = 3  # the default, kept on a screen this large
BLACK, WHITE, BOARD = 0x000000, 0xFFFFFF, 0xFADCAD


class Failure(Exception):
    pass


class Clock:
    """One budget for the whole test; every wait is bounded by what is left of it."""

    def __init__(self, budget):
        self.budget, self.end = budget, time.monotonic() + budget

    def limit(self, timeout):
        if (left := self.end - time.monotonic()) <= 0:
            raise Failure(f"the whole test took longer than {self.budget:.0f} s")
        return min(timeout, left)


CLOCK = Clock(60.0)


def log(text):
    print(f"[{CLOCK.budget - (CLOCK.end - time.monotonic()):5.2f} s] {text}", flush=True)


def wait_for(what, probe, timeout=10.0):
    """probe()'s first true result; a probe may leave what it saw in wait_for.detail."""
    end = time.monotonic() + CLOCK.limit(timeout)
    wait_for.detail = ""
    while not (result := probe()):
        if time.monotonic() >= end:
            raise Failure(f"{what}: not within {timeout:.0f} s ({wait_for.detail})")
        time.sleep(0.02)
    return result


def tail(path, lines=40):
    with open(path, "rb") as handle:
        return "\n".join(handle.read().decode("utf-8", "replace").splitlines()[-lines:])


class Processes(list):
    """Every process started ends with the test, even one killed outright (PR_SET_PDEATHSIG)."""

    def start(self, name, argv, log_path, env=None, pass_fds=()):
        parent = os.getpid()

        def die_with_parent():
            ctypes.CDLL(None).prctl(1, signal.SIGTERM)
            if os.getppid() != parent:
                os._exit(1)

        with open(log_path, "wb") as output:
            process = subprocess.Popen(argv, stdin=subprocess.DEVNULL, stdout=output,
                                       stderr=subprocess.STDOUT, env=env, pass_fds=pass_fds,
                                       preexec_fn=die_with_parent)
        process.name, process.log_path = name, log_path
        self.append(process)
        return process

    def stop_all(self):
        for process in reversed(self):
            if process.poll() is None:
                process.kill()
            process.wait()


def check_clean_exit(process, what, timeout=5.0):
    """The process ends within the timeout, with 0 and without a sanitizer report."""
    try:
        process.wait(timeout=CLOCK.limit(timeout))
    except subprocess.TimeoutExpired:
        raise Failure(f"{what} did not end within {timeout:.0f} s:\n{tail(process.log_path)}")
    output = tail(process.log_path, 60)
    if process.returncode != 0:
        raise Failure(f"{what} ended with exit code {process.returncode}:\n{output}")
    if re.search(r"ERROR: \w+Sanitizer|WARNING: ThreadSanitizer|runtime error:", output):
        raise Failure(f"{what} ended with 0 but printed a sanitizer report:\n{output}")


def start_xvfb(processes, work):
    """Xvfb on a display of its own choosing (-displayfd); its screen in an XWD file."""
    fbdir = os.path.join(work, "fb")
    os.mkdir(fbdir)
    read_end, write_end = os.pipe()
    processes.start("Xvfb", ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                             "-fbdir", fbdir, "-nolisten", "tcp", "-noreset"],
                    os.path.join(work, "xvfb.log"), pass_fds=(write_end,))
    os.close(write_end)
    text = b""
    while not text.endswith(b"\n"):
        if not select.select([read_end], [], [], CLOCK.limit(10.0))[0]:
            raise Failure("Xvfb gave no display number")
        chunk = os.read(read_end, 64)
        if not chunk:
            raise Failure(f"Xvfb ended:\n{tail(os.path.join(work, 'xvfb.log'))}")
        text += chunk
    os.close(read_end)
    return int(text), os.path.join(fbdir, "Xvfb_screen0")


def game_environment(display, work):
    # No video driver named: the program picks the desktop's own, as for a player. Its mutex and
    # window list live in a runtime folder of the test's own.
    env = {k: v for k, v in os.environ.items()
           if k not in ("WAYLAND_DISPLAY", "TALVEX_SCALE", "SDL_VIDEODRIVER")}
    runtime = os.path.join(work, "runtime")
    os.mkdir(runtime, 0o700)
    return dict(env, DISPLAY=f":{display}", TALVEX_RUNTIME_DIR=runtime)


class Xdotool:
    def __init__(self, env):
        self.env = env

    def run(self, *args, check=True):
        result = subprocess.run(["xdotool", *args], env=self.env, capture_output=True,
                                timeout=CLOCK.limit(10.0))
        if check and result.returncode != 0:
            raise Failure(f"xdotool {' '.join(args)} failed: {result.stderr.decode().strip()}")
        return result.stdout.decode()

    def windows_named(self, pattern, *options):
        return [int(w) for w in self.run("search", *options, "--name", pattern,
                                         check=False).split()]

    def keys(self, window, *keys, check=True):
        # To the window itself: without a window manager nobody gives the focus.
        self.run("key", "--window", str(window), "--delay", "20", *keys, check=check)


def find_game_window(xdotool, game):
    def shown():
        if game.poll() is not None:
            raise Failure(f"talvex-go ended with {game.returncode} before showing its window:\n"
                          f"{tail(game.log_path)}")
        return xdotool.windows_named(TITLE_PATTERN)

    windows = wait_for(f"a window named {TITLE!r}", shown)
    owner = xdotool.run("getwindowpid", str(windows[0])).strip()
    if len(windows) != 1 or owner != str(game.pid):
        raise Failure(f"windows named {TITLE!r}: {windows}, the first of process {owner}")
    return windows[0]


def phone_image(framebuffer, geometry):
    """The window's phone pixels (0xRRGGBB rows), from the middle of each scaled block."""
    with open(framebuffer, "rb") as handle:
        data = handle.read()
    header = struct.unpack_from(">20I", data)
    offset, stride = header[0] + header[19] * 12, header[12]
    x, y = geometry
    return [[struct.unpack_from("<I", data, offset + (y + row * SCALE + 1) * stride
                                + (x + col * SCALE + 1) * 4)[0] & 0xFFFFFF
             for col in range(PHONE_WIDTH)] for row in range(PHONE_HEIGHT)]


class Board:
    """The board read from the phone's pixels: the square is the board-coloured area; a point
    holds a stone when the pixel beside its lines' crossing is black or white."""

    def __init__(self, image):
        board = [(x, y) for y in range(BAR, PHONE_HEIGHT - BAR) for x in range(PHONE_WIDTH)
                 if image[y][x] == BOARD]
        self.found = len(board) > 100 * 100
        self.black, self.white, self.status = set(), set(), None
        if not self.found:
            return
        left, top = min(x for x, _ in board), min(y for _, y in board)
        bottom = max(y for _, y in board) + 1
        self.cell = round((max(x for x, _ in board) + 1 - left) / 19)
        self.status = tuple(tuple(row) for row in image[bottom:PHONE_HEIGHT - BAR])
        for i in range(19):
            for j in range(19):
                pixel = image[top + j * self.cell + self.cell // 2 - 1][
                    left + i * self.cell + self.cell // 2 - 1]
                {BLACK: self.black, WHITE: self.white}.get(pixel, set()).add((i, j))
        self.origin = (left, top)

        def framed(i, j):  # the cursor's frame: all four edges of the point's square black
            x, y, c = left + i * self.cell, top + j * self.cell, self.cell
            edges = [p for k in range(c + 1) for p in ((x + k, y), (x + k, y + c), (x, y + k),
                                                       (x + c, y + k))]
            return all(image[py][px] == BLACK for px, py in edges)

        self.frames = {(i, j) for i in range(19) for j in range(19) if framed(i, j)}

    def __repr__(self):
        return (f"black {sorted(self.black)}, white {sorted(self.white)}" if self.found
                else "no board on the screen")


class Game:
    def __init__(self, xdotool, framebuffer, window):
        self.xdotool, self.framebuffer, self.window = xdotool, framebuffer, window
        fields = dict(line.split("=", 1) for line in
                      xdotool.run("getwindowgeometry", "--shell", str(window)).split())
        self.geometry = tuple(int(fields[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))
        if self.geometry[2:] != (PHONE_WIDTH * SCALE, PHONE_HEIGHT * SCALE):
            raise Failure(f"the window is {self.geometry[2:]}, not the phone's screen at scale "
                          f"{SCALE}")
        self.your_move = None

    def image(self):
        return phone_image(self.framebuffer, self.geometry[:2])

    def wait_for_board(self, what, black=frozenset(), white_count=0):
        """The board once it shows these stones and 'Your move': at the start, the text rows of
        the empty board once they have stayed the same for half a second."""
        seen = {"status": None, "since": 0.0}

        def shown():
            board = Board(self.image())
            wait_for.detail = f"{board}"
            if not board.found or board.black != black or len(board.white) != white_count:
                return None
            if self.your_move is not None:
                return board if board.status == self.your_move else None
            if board.status != seen["status"]:
                seen.update(status=board.status, since=time.monotonic())
            return board if time.monotonic() - seen["since"] >= 0.5 else None

        board = wait_for(what, shown)
        self.your_move = board.status
        return board

    def play(self, board, point, click):
        while point in board.black | board.white:
            point = ((point[0] + 1) % 19, point[1])
        if click:
            x, y = (board.origin[k] + point[k] * board.cell + board.cell // 2 for k in (0, 1))
            self.xdotool.run("mousemove", "--window", str(self.window), str(x * SCALE + 1),
                             str(y * SCALE + 1), "click", "1")
        else:  # from the cursor's start, (9, 9)
            dx, dy = point[0] - 9, point[1] - 9
            self.xdotool.keys(self.window, *(["Right"] * dx + ["Left"] * -dx + ["Down"] * dy
                                             + ["Up"] * -dy + ["Return"]))
        board = self.wait_for_board(f"the stone at {point} and the reply", board.black | {point},
                                    len(board.white) + 1)
        log(f"black {point}{' clicked' if click else ''}: {board}")
        return board


def write_png(path, image):
    raw = b"".join(b"\0" + b"".join(p.to_bytes(3, "big") for p in row) for row in image)

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I",
                                                                        zlib.crc32(kind + body))

    header = struct.pack(">IIBBBBB", len(image[0]), len(image), 8, 2, 0, 0, 0)
    with open(path, "wb") as handle:
        handle.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                     + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def stacking(env):
    """The root's children, bottom first (XQueryTree's order, as xwininfo prints it reversed)."""
    text = subprocess.run(["xwininfo", "-root", "-children"], env=env, capture_output=True,
                          text=True, timeout=CLOCK.limit(10.0)).stdout
    return [int(w, 16) for w in re.findall(r"^\s+(0x[0-9a-f]+)", text, re.M)][::-1]


def run(args, work, processes):
    display, framebuffer = start_xvfb(processes, work)
    env = game_environment(display, work)
    xdotool = Xdotool(env)
    game = processes.start("talvex-go", [args.program], os.path.join(work, "game.log"), env=env)
    window = find_game_window(xdotool, game)
    driver = Game(xdotool, framebuffer, window)
    args.on_failure = lambda: write_png(os.path.join(args.artifacts, "failure.png"),
                                        driver.image())
    board = driver.wait_for_board("an empty board with its text rows settled")

    board = driver.play(board, (9, 6), click=False)
    board = driver.play(board, (3, 15), click=True)
    # A click moves the frame and starts the step at once: the old frame must go too.

    def still():
        image = driver.image()
        time.sleep(0.3)
        return image if image == driver.image() else None

    image = wait_for("a screen that stays still", still)
    if len(frames := Board(image).frames) != 1:
        raise Failure(f"cursor frames at {sorted(frames)} after a click, not one")
    shot = os.path.join(args.artifacts, "screenshot.png")
    write_png(shot, [[p for p in row for _ in range(SCALE)] for row in image for _ in range(SCALE)])

    for menu_item, closing_key, what in (("1", "F1", "New Game, then Done"),
                                         ("3", "Escape", "Help, then Back")):
        before = driver.image()
        xdotool.keys(window, "F2", menu_item)
        wait_for(f"Menu > {what}", lambda: driver.image() != before)
        xdotool.keys(window, closing_key)
        # Back to the board: a new game's, empty, as Black; after Help, the same.
        driver.wait_for_board(f"the board after {what}")
    log("New Game, Help")

    # A second start, while a window of the test's own lies over the game: there is no window
    # manager, so a raise is the X server's own restacking, seen at once in the stacking order.
    cover = processes.start("xmessage", ["xmessage", "-geometry", "+0+0", "cover"],
                            os.path.join(work, "cover.log"), env=env)
    cover_window = wait_for("the test's own window", lambda: xdotool.windows_named(
        "^xmessage$", "--onlyvisible"))[0]
    wait_for("the test's window over the game",
             lambda: stacking(env).index(cover_window) > stacking(env).index(window))
    second = processes.start("second", [args.program], os.path.join(work, "second.log"), env=env)
    check_clean_exit(second, "the second start", 8.0)
    if xdotool.windows_named(TITLE_PATTERN) != [window] or game.poll() is not None:
        raise Failure("after the second start the first game is not the one window named "
                      f"{TITLE!r}: {xdotool.windows_named(TITLE_PATTERN)}, {game.poll()}")
    order = stacking(env)
    if order.index(window) < order.index(cover_window):
        raise Failure("the second start did not bring the running game to the front")
    log("the second start raised the running game and ended with 0")

    # Exit, the left soft key. The window goes with the press: xdotool may miss the release.
    xdotool.keys(window, "F1", check=False)
    check_clean_exit(game, "talvex-go after Exit")
    left = [n for n in os.listdir(env["TALVEX_RUNTIME_DIR"]) if n.startswith(f"{game.pid}.")]
    if xdotool.windows_named(TITLE_PATTERN) or left:
        raise Failure(f"talvex-go ended but its window or runtime files {left} remain")
    log("Exit: talvex-go ended with 0, its window and files gone")

    # The README's picture changes only on request, and only from a run that passed.
    if os.environ.get("TALVEX_UPDATE_SCREENSHOT") == "1" and args.readme_screenshot:
        shutil.copyfile(shot, args.readme_screenshot)


def run_isolated(prefix, body, on_failure=lambda: None):
    """Runs body(work, processes) in a fresh folder; its processes and the folder go however it
    ends. Returns the exit code, having said PASSED or why it failed."""
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("e2e: terminated"))
    for tool in ("Xvfb", "xdotool", "xwininfo"):
        if shutil.which(tool) is None:
            print(f"FAILED: {tool} is not installed: run tools/install-deps.sh", file=sys.stderr)
            return 1
    processes = Processes()
    work = tempfile.mkdtemp(prefix=prefix)
    try:
        body(work, processes)
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        for process in processes[1:]:
            print(f"--- {process.name}:\n{tail(process.log_path, 20)}", file=sys.stderr)
        on_failure()
        return 1
    finally:
        processes.stop_all()
        shutil.rmtree(work, ignore_errors=True)
    print("PASSED")
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True)
    parser.add_argument("--artifacts", default=".")
    parser.add_argument("--readme-screenshot")  # copied to with TALVEX_UPDATE_SCREENSHOT=1
    args = parser.parse_args()
    os.makedirs(args.artifacts, exist_ok=True)
    args.on_failure = lambda: None
    return run_isolated("talvex-e2e-", lambda work, processes: run(args, work, processes),
                        lambda: args.on_failure())


if __name__ == "__main__":
    sys.exit(main())
