#!/usr/bin/env python3
"""The real game in a real X server.

Starts Xvfb, runs talvex-go in it, plays with xdotool's keys and pointer and reads the screen
from Xvfb's framebuffer file: three stones with the arrow keys and Enter (the first move wraps
across the board's top edge) and one with a click on its point, a pass from the Menu popup, a
screenshot; then a second start, which must bring
the running window to the front and end at once without a window of its own; then Exit.

Usage: real_window_test.py --program PATH [--artifacts DIR] [--readme-screenshot PATH]

The screenshot is written to DIR/screenshot.png (a failure leaves DIR/failure.png);
with TALVEX_UPDATE_SCREENSHOT=1 it is also copied to --readme-screenshot.
Python's standard library only; Xvfb and xdotool from Debian (tools/install-deps.sh).
"""

import argparse
import ctypes
import os
import re
import select
import shutil
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import time
import zlib

TITLE = "Talvex Go 1.01"
TITLE_PATTERN = "^" + re.escape(TITLE) + "$"

# The phone's screen: a title bar and a soft-key bar of 20 pixels around the client area.
PHONE_WIDTH, PHONE_HEIGHT = 176, 220
TITLE_BAR, SOFT_KEY_BAR = 20, 20
DEFAULT_SCALE = 3
BOARD_SIZE = 19
START_CURSOR = (9, 9)

BLACK = 0x000000
WHITE = 0xFFFFFF
BOARD = 0xFADCAD  # RGB(250, 220, 173)
COVER = 0xFF00FF  # the test's own window, laid over the game's

# Big enough for the window at the default scale, so that the program keeps that scale.
SCREEN_WIDTH, SCREEN_HEIGHT = 1024, 768

TOTAL_BUDGET = 60.0  # seconds for the whole test; every wait is bounded by what is left
STEP_TIMEOUT = 10.0  # one step: a window to appear, a reply, a process to end
SECOND_START_LIMIT = 8.0  # a second start that finds the window at once ends well within this


class Failure(Exception):
    pass


class Clock:
    def __init__(self, budget):
        self.end = time.monotonic() + budget

    def limit(self, timeout):
        left = self.end - time.monotonic()
        if left <= 0:
            raise Failure(f"the whole test took longer than {TOTAL_BUDGET:.0f} s")
        return min(timeout, left)


CLOCK = Clock(TOTAL_BUDGET)


def wait_for(what, probe, timeout=STEP_TIMEOUT, interval=0.02):
    """Calls probe() until it returns something true, and returns that. A probe may leave what it
    last saw in wait_for.detail, for the failure message."""
    end = time.monotonic() + CLOCK.limit(timeout)
    wait_for.detail = ""
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() >= end:
            detail = f" ({wait_for.detail})" if wait_for.detail else ""
            raise Failure(f"{what}: not within {timeout:.0f} s{detail}")
        time.sleep(interval)


def log(text):
    print(f"[{TOTAL_BUDGET - (CLOCK.end - time.monotonic()):5.2f} s] {text}", flush=True)


# ---------------------------------------------------------------------------------------------
# Processes: all of them end with the test, however it ends.

_libc = ctypes.CDLL(None, use_errno=True)
PR_SET_PDEATHSIG = 1


def _die_with_parent(parent):
    def set_signal():
        # Should this test be killed outright (a CTest timeout), its children go too.
        _libc.prctl(PR_SET_PDEATHSIG, signal.SIGTERM)
        if os.getppid() != parent:
            os._exit(1)

    return set_signal


class Processes:
    def __init__(self):
        self.running = []

    def start(self, name, argv, log_path, env=None, pass_fds=()):
        output = open(log_path, "wb")
        try:
            process = subprocess.Popen(argv, stdin=subprocess.DEVNULL, stdout=output,
                                       stderr=subprocess.STDOUT, env=env, pass_fds=pass_fds,
                                       preexec_fn=_die_with_parent(os.getpid()))
        except OSError as error:
            raise Failure(f"cannot start {name} ({argv[0]}): {error}")
        finally:
            output.close()
        process.name = name
        process.log_path = log_path
        self.running.append(process)
        return process

    def stop_all(self):
        for process in reversed(self.running):
            if process.poll() is None:
                process.terminate()
        for process in reversed(self.running):
            try:
                process.wait(timeout=3)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()


def tail(path, lines=40):
    try:
        with open(path, "rb") as handle:
            text = handle.read().decode("utf-8", "replace")
    except OSError:
        return ""
    return "\n".join(text.splitlines()[-lines:])


def wait_exit(process, timeout):
    try:
        return process.wait(timeout=CLOCK.limit(timeout))
    except subprocess.TimeoutExpired:
        return None


SANITIZER_REPORT = re.compile(r"ERROR: AddressSanitizer|WARNING: ThreadSanitizer|runtime error:"
                              r"|ERROR: LeakSanitizer")


def check_clean_exit(process, what):
    code = process.returncode
    output = tail(process.log_path, 60)
    if code != 0:
        raise Failure(f"{what} ended with exit code {code}; its output:\n{output}")
    if SANITIZER_REPORT.search(output):
        raise Failure(f"{what} ended with 0 but printed a sanitizer report:\n{output}")


# ---------------------------------------------------------------------------------------------
# Xvfb and xdotool

def start_xvfb(processes, work):
    fbdir = os.path.join(work, "fb")
    os.mkdir(fbdir)
    read_end, write_end = os.pipe()
    try:
        # -displayfd: the server picks a free display number itself and writes it here.
        xvfb = processes.start(
            "Xvfb",
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24", "-fbdir", fbdir, "-nolisten", "tcp",
             "-noreset"],
            os.path.join(work, "xvfb.log"), pass_fds=(write_end,))
    finally:
        os.close(write_end)
    text = b""
    end = time.monotonic() + CLOCK.limit(STEP_TIMEOUT)
    try:
        while not text.endswith(b"\n"):
            left = end - time.monotonic()
            if left <= 0 or not select.select([read_end], [], [], left)[0]:
                raise Failure(f"Xvfb gave no display number within {STEP_TIMEOUT:.0f} s:\n"
                              f"{tail(xvfb.log_path)}")
            chunk = os.read(read_end, 64)
            if not chunk:
                raise Failure(f"Xvfb ended before it gave a display number "
                              f"(exit code {xvfb.poll()}):\n{tail(xvfb.log_path)}")
            text += chunk
    finally:
        os.close(read_end)
    return int(text.strip()), os.path.join(fbdir, "Xvfb_screen0")


class Xdotool:
    def __init__(self, env):
        self.env = env

    def run(self, *args, check=True):
        try:
            result = subprocess.run(["xdotool", *args], env=self.env, capture_output=True,
                                    timeout=CLOCK.limit(STEP_TIMEOUT))
        except subprocess.TimeoutExpired:
            raise Failure(f"xdotool {' '.join(args)} did not end within {STEP_TIMEOUT:.0f} s")
        if check and result.returncode != 0:
            raise Failure(f"xdotool {' '.join(args)} failed with {result.returncode}: "
                          f"{result.stderr.decode(errors='replace').strip()}")
        return result.stdout.decode(errors="replace")

    def windows_named(self, pattern):
        # Exit code 1 means "none found".
        return [int(line) for line in self.run("search", "--name", pattern,
                                               check=False).split()]

    def geometry(self, window):
        fields = dict(line.split("=", 1)
                      for line in self.run("getwindowgeometry", "--shell", str(window)).split())
        return tuple(int(fields[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))

    def keys(self, window, *keys, check=True):
        # Sent to the window itself: no window manager gives the focus to anyone here.
        self.run("key", "--window", str(window), "--delay", "20", *keys, check=check)


# ---------------------------------------------------------------------------------------------
# A small X client of our own (the core protocol over the server's socket): it watches which
# windows get mapped, and lays a window of its own over the game's.

class XClient:
    MAP_NOTIFY = 19

    def __init__(self, display):
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.settimeout(CLOCK.limit(STEP_TIMEOUT))
        try:
            self.sock.connect(f"/tmp/.X11-unix/X{display}")
        except OSError as error:
            raise Failure(f"cannot connect to the X server :{display}: {error}")
        self.sock.sendall(struct.pack("<BxHHHHxx", 0x6C, 11, 0, 0, 0))
        status, reason_length, _, _, length = struct.unpack("<BBHHH", self._read(8))
        data = self._read(length * 4)
        if status != 1:
            raise Failure(f"the X server refused the test's connection: "
                          f"{data[:reason_length].decode(errors='replace')}")
        id_base, = struct.unpack_from("<I", data, 4)
        vendor_length, = struct.unpack_from("<H", data, 16)
        formats = data[21]
        screen = 32 + (vendor_length + 3) // 4 * 4 + 8 * formats
        self.root, = struct.unpack_from("<I", data, screen)
        self.next_id = id_base + 1
        self.events = []

    def _read(self, count):
        data = b""
        while len(data) < count:
            try:
                chunk = self.sock.recv(count - len(data))
            except socket.timeout:
                raise Failure("the X server did not answer the test's request")
            if not chunk:
                raise Failure("the X server closed the test's connection")
            data += chunk
        return data

    def sync(self):
        """A round trip: every request sent before has been done, every event before is read."""
        self.sock.sendall(struct.pack("<BxH", 43, 1))  # GetInputFocus
        while True:
            message = self._read(32)
            kind = message[0] & 0x7F
            if kind == 0:
                raise Failure(f"X error {message[1]} on request {message[10]}")
            if kind == 1:
                extra, = struct.unpack_from("<I", message, 4)
                self._read(extra * 4)
                return
            self.events.append((kind, struct.unpack_from("<I", message, 8)[0]))

    def watch_top_level(self):
        # SubstructureNotify on the root: creation and mapping of every top-level window.
        self.sock.sendall(struct.pack("<BxHIII", 2, 4, self.root, 0x800, 1 << 19))
        self.sync()
        self.events.clear()

    def take_events(self):
        self.sync()
        events, self.events = self.events, []
        return events

    def cover(self, x, y, width, height, pixel):
        window = self.next_id
        self.next_id += 1
        self.sock.sendall(struct.pack("<BBHIIhhHHHHIII", 1, 0, 9, window, self.root, x, y,
                                      width, height, 0, 1, 0, 0x2, pixel))
        self.sock.sendall(struct.pack("<BxHI", 8, 2, window))  # MapWindow
        self.sync()
        return window

    def close(self):
        self.sock.close()


# ---------------------------------------------------------------------------------------------
# The screen, from Xvfb's framebuffer file (an XWD image that the server keeps up to date).

class Screen:
    def __init__(self, path):
        self.path = path

    def read(self):
        with open(self.path, "rb") as handle:
            data = handle.read()
        (header_size, _, pixmap_format, _, width, height, _, byte_order, _, _, _,
         bits_per_pixel, bytes_per_line, _, red_mask, green_mask, blue_mask, _, _, colours
         ) = struct.unpack_from(">20I", data, 0)
        if (pixmap_format, bits_per_pixel, byte_order, red_mask, green_mask, blue_mask) != (
                2, 32, 0, 0xFF0000, 0xFF00, 0xFF):
            raise Failure("Xvfb's framebuffer is not 32-bit little-endian RGB as asked for")
        return data, header_size + colours * 12, width, height, bytes_per_line

    def window(self, geometry):
        """The window's pixels as rows of 0x00RRGGBB values, from what the screen shows."""
        x, y, width, height = geometry
        data, offset, screen_width, screen_height, stride = self.read()
        if x < 0 or y < 0 or x + width > screen_width or y + height > screen_height:
            raise Failure(f"the window {geometry} is not wholly on the {screen_width}x"
                          f"{screen_height} screen")
        rows = []
        for row in range(y, y + height):
            start = offset + row * stride + x * 4
            rows.append(struct.unpack_from(f"<{width}I", data, start))
        return [[pixel & 0xFFFFFF for pixel in row] for row in rows]


def phone_pixels(image, scale):
    return [row[scale // 2::scale] for row in image[scale // 2::scale]]


def blurred_blocks(image, scale):
    """How many scale x scale blocks are not of one colour: nearest-neighbour scaling has none."""
    count = 0
    for top in range(0, len(image), scale):
        rows = image[top:top + scale]
        for left in range(0, len(rows[0]), scale):
            colour = rows[0][left]
            if any(row[i] != colour for row in rows for i in range(left, left + scale)):
                count += 1
    return count


def write_png(path, image):
    height, width = len(image), len(image[0])
    raw = bytearray()
    for row in image:
        raw.append(0)  # no filter
        for pixel in row:
            raw += bytes(((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF))

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body)))

    png = (b"\x89PNG\r\n\x1a\n"
           + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
           + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))
    temporary = path + ".new"
    with open(temporary, "wb") as handle:
        handle.write(png)
    os.replace(temporary, path)


# ---------------------------------------------------------------------------------------------
# Reading the board from the phone's pixels.

def components(mask):
    """4-connected components of a set of (x, y) pixels, each as a list of pixels."""
    seen = set()
    found = []
    for start in mask:
        if start in seen:
            continue
        seen.add(start)
        stack, pixels = [start], []
        while stack:
            x, y = stack.pop()
            pixels.append((x, y))
            for near in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                if near in mask and near not in seen:
                    seen.add(near)
                    stack.append(near)
        found.append(pixels)
    return found


class Board:
    """Stones, read from the board square: black stones are what stays of the black pixels when
    every pixel with a non-black neighbour is taken away (grid lines and the cursor frame are one
    pixel wide); white stones are the white areas, which only stones have on the board."""

    def __init__(self, phone):
        self.phone = phone
        board = [(x, y) for y in range(TITLE_BAR, PHONE_HEIGHT - SOFT_KEY_BAR)
                 for x in range(PHONE_WIDTH) if phone[y][x] == BOARD]
        self.found = len(board) > 100 * 100
        if not self.found:
            return
        self.left = min(x for x, _ in board)
        self.top = min(y for _, y in board)
        self.right = max(x for x, _ in board) + 1
        self.bottom = max(y for _, y in board) + 1
        self.cell = round((self.right - self.left) / BOARD_SIZE)
        self.status = tuple(tuple(row) for row in phone[self.bottom:PHONE_HEIGHT - SOFT_KEY_BAR])
        inside = [(x, y) for y in range(self.top, self.bottom)
                  for x in range(self.left, self.right)]
        black = set()
        for x, y in inside:
            if 0 < x < PHONE_WIDTH - 1 and all(phone[y + dy][x + dx] == BLACK
                                               for dy in (-1, 0, 1) for dx in (-1, 0, 1)):
                black.add((x, y))
        white = {(x, y) for x, y in inside if phone[y][x] == WHITE}
        self.oddities = []  # areas no stone makes: a popup still open, or a drawing fault
        self.black = self._points(black, "black")
        self.white = self._points(white, "white")

    def _points(self, mask, colour):
        points = set()
        for pixels in components(mask):
            xs = [x for x, _ in pixels]
            ys = [y for _, y in pixels]
            width, height = max(xs) - min(xs) + 1, max(ys) - min(ys) + 1
            if width < 3 or height < 3:
                continue  # what a stone's edge leaves; a stone is much larger
            if width > self.cell + 1 or height > self.cell + 1:
                self.oddities.append(f"a {colour} area of {width}x{height} pixels at "
                                     f"({min(xs)}, {min(ys)}), larger than a point")
                continue
            centre_x = (min(xs) + max(xs)) / 2
            centre_y = (min(ys) + max(ys)) / 2
            points.add((int((centre_x - self.left) // self.cell),
                        int((centre_y - self.top) // self.cell)))
        return points

    def point_pixels(self, point):
        left = self.left + point[0] * self.cell
        top = self.top + point[1] * self.cell
        return {(x, y) for x in range(left, left + self.cell + 1)
                for y in range(top, top + self.cell + 1)}

    @property
    def readable(self):
        return self.found and not self.oddities

    def describe(self):
        if not self.found:
            return "no board on the screen"
        odd = f"; {'; '.join(self.oddities)}" if self.oddities else ""
        return f"black stones {sorted(self.black)}, white stones {sorted(self.white)}{odd}"


# ---------------------------------------------------------------------------------------------
# The game, driven.

class Game:
    def __init__(self, xdotool, screen, window, geometry, scale):
        self.xdotool = xdotool
        self.screen = screen
        self.window = window
        self.geometry = geometry
        self.scale = scale
        self.cursor = START_CURSOR
        self.your_move = None  # the text rows under the board when it is the human's turn

    def image(self):
        return self.screen.window(self.geometry)

    def board(self):
        return Board(phone_pixels(self.image(), self.scale))

    def wait_for_start(self):
        """The empty board, and text rows that have settled: the first game's "Your move"."""
        state = {"status": None, "since": 0.0}

        def settled():
            board = self.board()
            if not board.readable or board.black or board.white:
                wait_for.detail = board.describe()
                state["status"] = None
                return None
            now = time.monotonic()
            if board.status != state["status"]:
                state["status"], state["since"] = board.status, now
            wait_for.detail = "the text under the board still changes"
            return board if now - state["since"] >= 0.5 else None

        board = wait_for("an empty board with its text rows settled", settled)
        if board.cell * BOARD_SIZE > board.right - board.left or board.cell < 4:
            raise Failure(f"the board square is {board.right - board.left} pixels wide: no room "
                          f"for {BOARD_SIZE} lines")
        self.your_move = board.status
        return board

    def move_cursor(self, target, wrap=False):
        """Arrow keys from the cursor to target; with wrap, vertically Up the long way round, so
        that the cursor crosses the board's top edge to the bottom row."""
        dx = (target[0] - self.cursor[0]) % BOARD_SIZE
        keys = ["Right"] * dx if dx <= BOARD_SIZE // 2 else ["Left"] * (BOARD_SIZE - dx)
        dy = (target[1] - self.cursor[1]) % BOARD_SIZE
        if wrap:
            keys += ["Up"] * (BOARD_SIZE - dy)
        else:
            keys += ["Down"] * dy if dy <= BOARD_SIZE // 2 else ["Up"] * (BOARD_SIZE - dy)
        if keys:
            self.xdotool.keys(self.window, *keys)
        self.cursor = target

    def click_point(self, point, board):
        """A left click on the middle of the point, with the real pointer."""
        x = board.left + point[0] * board.cell + board.cell // 2
        y = board.top + point[1] * board.cell + board.cell // 2
        self.xdotool.run("mousemove", "--window", str(self.window),
                         str(x * self.scale + self.scale // 2),
                         str(y * self.scale + self.scale // 2), "click", "1")
        self.cursor = point

    def play(self, wanted, before, wrap=False, click=False):
        """A stone on the first free point from wanted along its row, reached with the keys or
        clicked; the machine's reply."""
        target = wanted
        for _ in range(BOARD_SIZE):
            if target not in before.black and target not in before.white:
                break
            target = ((target[0] + 1) % BOARD_SIZE, target[1])
        else:
            raise Failure(f"row {wanted[1]} of the board is full: {before.describe()}")
        if click:
            self.click_point(target, before)
        else:
            self.move_cursor(target, wrap)
            self.xdotool.keys(self.window, "Return")
        board = self.wait_for_reply(before, before.black | {target},
                                    f"a black stone added at {target}",
                                    f"the stone at {target} and the computer's reply")
        log(f"black {target}{' (clicked)' if click else ''}, "
            f"white {sorted(board.white - before.white)[0]}")
        return board

    def wait_for_reply(self, before, black, expected, what):
        """The board once it shows exactly these black stones, one white stone more than before
        (none taken) and 'Your move' again."""

        def answered():
            board = self.board()
            wait_for.detail = f"expected {expected}; {board.describe()}"
            if not board.readable or board.black != black:
                return None
            new_white = board.white - before.white
            if len(new_white) != 1 or not before.white <= board.white:
                return None
            if board.status != self.your_move:
                wait_for.detail = "the stones are there but the message line is not 'Your move'"
                return None
            return board

        return wait_for(what, answered)

    def pass_from_menu(self, before):
        image_before = self.image()
        self.xdotool.keys(self.window, "F2")
        wait_for.detail = ""
        wait_for("the Menu popup after F2", lambda: self.image() != image_before)
        self.xdotool.keys(self.window, "2")
        board = self.wait_for_reply(before, before.black, "one white stone more",
                                    "the computer's reply to Pass")
        reply = next(iter(board.white - before.white))
        # Nothing of the popup stays behind: only the reply's point differs from before.
        old = phone_pixels(image_before, self.scale)
        changed = {(x, y) for y in range(PHONE_HEIGHT) for x in range(PHONE_WIDTH)
                   if old[y][x] != board.phone[y][x]}
        stray = changed - board.point_pixels(reply)
        if stray:
            raise Failure(f"after Pass, {len(stray)} pixels outside the reply's point differ "
                          f"from before the menu opened, e.g. {sorted(stray)[:5]}")
        log(f"pass, white {reply}")
        return board


def check_screenshot(image, scale, board, moves):
    pixels = [pixel for row in image for pixel in row]
    colours = len(set(pixels))
    board_share = pixels.count(BOARD) / len(pixels)
    if colours < 4 or board_share < 0.3:
        raise Failure(f"the screenshot looks blank: {colours} colours, "
                      f"{board_share:.0%} of it board-coloured")
    if not board.readable:
        raise Failure(f"the board in the screenshot cannot be read: {board.describe()}")
    blurred = blurred_blocks(image, scale)
    if blurred:
        raise Failure(f"{blurred} of the screenshot's {scale}x{scale} blocks are not one colour: "
                      f"the phone's pixels are not kept sharp")
    if len(board.black) != moves or len(board.white) != moves + 1:
        raise Failure(f"the screenshot shows {len(board.black)} black and {len(board.white)} "
                      f"white stones; expected {moves} and {moves + 1}")


# ---------------------------------------------------------------------------------------------

def game_environment(display, work):
    # The path a player takes: no video driver named, so the program picks the desktop's own.
    env = dict(os.environ)
    for name in ("WAYLAND_DISPLAY", "TALVEX_SCALE", "SDL_VIDEODRIVER"):
        env.pop(name, None)
    runtime = os.path.join(work, "runtime")
    os.mkdir(runtime, 0o700)
    env.update({
        "DISPLAY": f":{display}",
        # The platform's mutex and window list live here: a game the developer has running
        # elsewhere is neither found nor raised.
        "TALVEX_RUNTIME_DIR": runtime,
    })
    return env


def find_game_window(xdotool, game):
    def shown():
        if game.poll() is not None:
            raise Failure(f"talvex-go ended with exit code {game.returncode} before showing its "
                          f"window:\n{tail(game.log_path)}")
        found = xdotool.windows_named(TITLE_PATTERN)
        wait_for.detail = f"windows named {TITLE!r}: {found}"
        return found if found else None

    windows = wait_for(f"a window named {TITLE!r}", shown)
    if len(windows) != 1:
        raise Failure(f"{len(windows)} windows named {TITLE!r}: {windows}")
    window = windows[0]
    owner = xdotool.run("getwindowpid", str(window)).strip()
    if owner != str(game.pid):
        raise Failure(f"the window named {TITLE!r} belongs to process {owner}, "
                      f"not to talvex-go ({game.pid})")
    return window


def run(args, work, processes):
    for tool in ("Xvfb", "xdotool"):
        if shutil.which(tool) is None:
            raise Failure(f"{tool} is not installed: run tools/install-deps.sh")
    if not os.access(args.program, os.X_OK):
        raise Failure(f"no program at {args.program}")

    display, framebuffer = start_xvfb(processes, work)
    log(f"Xvfb on :{display}")
    env = game_environment(display, work)
    xdotool = Xdotool(env)
    x = XClient(display)
    screen = Screen(framebuffer)

    game = processes.start("talvex-go", [args.program], os.path.join(work, "game.log"), env=env)
    window = find_game_window(xdotool, game)
    geometry = xdotool.geometry(window)
    expected_size = (PHONE_WIDTH * DEFAULT_SCALE, PHONE_HEIGHT * DEFAULT_SCALE)
    if geometry[2:] != expected_size:
        raise Failure(f"the window is {geometry[2]}x{geometry[3]}, expected "
                      f"{expected_size[0]}x{expected_size[1]} (the phone's screen at scale "
                      f"{DEFAULT_SCALE})")
    log(f"window {window} at {geometry}")

    driver = Game(xdotool, screen, window, geometry, DEFAULT_SCALE)
    args.on_failure = driver.image
    board = driver.wait_for_start()

    # Four stones, the first reached by crossing the top edge, the last clicked; then a pass.
    moves = [(9, 15), (15, 9), (3, 9), (9, 3)]
    for index, wanted in enumerate(moves):
        board = driver.play(wanted, board, wrap=index == 0, click=index == len(moves) - 1)
    board = driver.pass_from_menu(board)

    image = driver.image()
    shot = os.path.join(args.artifacts, "screenshot.png")
    write_png(shot, image)
    check_screenshot(image, DEFAULT_SCALE, Board(phone_pixels(image, DEFAULT_SCALE)), 4)
    log(f"screenshot {shot}")

    # A second start. A window of the test's own covers the game first. There is no window
    # manager: a raise is the X server's own restacking, at once and for certain, and nobody
    # moves the keyboard focus; so the test looks at what is on top, not at the focus.
    x.cover(*geometry, COVER)
    wait_for.detail = ""
    wait_for("the test's window over the game",
             lambda: all(pixel == COVER for row in driver.image() for pixel in row))
    x.watch_top_level()
    started = time.monotonic()
    second = processes.start("second talvex-go", [args.program],
                             os.path.join(work, "second.log"), env=env)
    if wait_exit(second, SECOND_START_LIMIT) is None:
        raise Failure(f"the second start did not end within {SECOND_START_LIMIT:.0f} s:\n"
                      f"{tail(second.log_path)}")
    check_clean_exit(second, "the second start")
    log(f"second start ended with 0 after {time.monotonic() - started:.2f} s")
    mapped = [hex(shown) for kind, shown in x.take_events() if kind == XClient.MAP_NOTIFY]
    if mapped:
        raise Failure(f"the second start showed a window of its own on the screen (X windows "
                      f"{', '.join(mapped)} were mapped while it ran)")
    windows = xdotool.windows_named(TITLE_PATTERN)
    if windows != [window]:
        raise Failure(f"after the second start the windows named {TITLE!r} are {windows}; "
                      f"expected the first one alone ({window})")
    if game.poll() is not None:
        raise Failure(f"the first game ended (exit code {game.returncode}) after the second "
                      f"start:\n{tail(game.log_path)}")
    wait_for.detail = ""
    wait_for("the first game's window back on top of the test's window",
             lambda: driver.image() == image, timeout=3)
    log("the running game came to the front")

    # Exit: the left soft key. The window goes with the key press, so xdotool's key release
    # may find no window; only the program's end counts.
    xdotool.keys(window, "F1", check=False)
    if wait_exit(game, 5) is None:
        raise Failure(f"talvex-go did not end within 5 s of Exit:\n{tail(game.log_path)}")
    check_clean_exit(game, "talvex-go")
    remaining = xdotool.windows_named(TITLE_PATTERN)
    if remaining:
        raise Failure(f"talvex-go ended but windows named {TITLE!r} remain: {remaining}")
    x.close()
    log("Exit: talvex-go ended with 0")

    # The README's picture changes only on request, and only from a run that passed.
    if os.environ.get("TALVEX_UPDATE_SCREENSHOT") == "1":
        if not args.readme_screenshot:
            raise Failure("TALVEX_UPDATE_SCREENSHOT=1 but no --readme-screenshot path given")
        os.makedirs(os.path.dirname(args.readme_screenshot), exist_ok=True)
        shutil.copyfile(shot, args.readme_screenshot)
        log(f"updated {args.readme_screenshot}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True, help="the talvex-go executable")
    parser.add_argument("--artifacts", default=".", help="where the screenshot is written")
    parser.add_argument("--readme-screenshot",
                        help="the README's screenshot, replaced when TALVEX_UPDATE_SCREENSHOT=1")
    args = parser.parse_args()
    args.artifacts = os.path.abspath(args.artifacts)
    os.makedirs(args.artifacts, exist_ok=True)
    failure_shot = os.path.join(args.artifacts, "failure.png")
    if os.path.exists(failure_shot):
        os.remove(failure_shot)  # from an earlier run
    args.on_failure = None

    def save_failure_screen():
        if args.on_failure is not None:
            try:
                write_png(failure_shot, args.on_failure())
                print(f"the screen at the failure: {failure_shot}", file=sys.stderr)
            except (Failure, OSError):
                pass

    return run_isolated("talvex-e2e-", lambda work, processes: run(args, work, processes),
                        save_failure_screen)


def run_isolated(prefix, body, on_failure=lambda: None):
    """Runs body(work, processes) in a fresh folder; the processes it started and the folder go
    however it ends. Returns the exit code, having said PASSED or why it failed."""
    # A terminated test still takes Xvfb and the programs down with it.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("e2e: terminated"))
    processes = Processes()
    work = tempfile.mkdtemp(prefix=prefix)
    try:
        body(work, processes)
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        for process in processes.running:
            output = tail(process.log_path, 20)
            if output and process.name != "Xvfb":
                print(f"--- the output of {process.name}:\n{output}", file=sys.stderr)
        on_failure()
        return 1
    finally:
        processes.stop_all()
        shutil.rmtree(work, ignore_errors=True)
    print("PASSED")
    return 0

if __name__ == "__main__":
    sys.exit(main())
