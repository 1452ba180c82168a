#!/usr/bin/env python3
"""How the real game starts and ends on a real X server.

A start that cannot show the game (no display, a display that does not answer, a runtime folder
that is not safely private) fails at once: exit code 0, one line on stderr saying why, no window,
no files or lock left behind. A game removes its own runtime files when it ends; the next start
removes those of a game that was killed. Five starts at once, the survivor killed outright, twenty
times: each round ends with exactly one visible window. The visible window keeps its minimum size
hint for the window manager.

Usage: start_test.py --program PATH
Shares real_window_test.py's Xvfb, process and xdotool helpers.
"""

import argparse
import os
import re
import signal
import subprocess
import sys

import real_window_test as rw
from real_window_test import Failure, tail, wait_exit, wait_for

BUDGET = 100.0
ROUNDS = 20
OWN_FILE = re.compile(r"^(\d+)\.")


def own_files(runtime):
    """The runtime folder's per-process files, by process id."""
    found = {}
    for name in os.listdir(runtime):
        match = OWN_FILE.match(name)
        if match:
            found.setdefault(int(match.group(1)), []).append(name)
    return found


def expect_failed_start(program, env, reason):
    result = subprocess.run([program], env=env, stdin=subprocess.DEVNULL, capture_output=True,
                            timeout=rw.CLOCK.limit(rw.STEP_TIMEOUT))
    lines = result.stderr.decode(errors="replace").splitlines()
    if result.returncode != 0 or len(lines) != 1 or not lines[0].startswith(reason):
        raise Failure(f"a start that cannot work should end with 0 and one line starting "
                      f"{reason!r}; it ended with {result.returncode} and printed {lines}")
    runtime = env["TALVEX_RUNTIME_DIR"]
    if os.path.isdir(runtime) and not os.path.islink(runtime) and own_files(runtime):
        raise Failure(f"the failed start left files behind: {own_files(runtime)}")
    rw.log(f"failed start: {lines[0]}")


def private_folder_refusals(program, env, work):
    """Runtime folders that another user could have planted: refused, and nothing written there."""
    target = os.path.join(work, "target")
    os.mkdir(target, 0o700)
    planted = {"symlink": os.path.join(work, "link"), "open": os.path.join(work, "open")}
    os.symlink(target, planted["symlink"])
    os.mkdir(planted["open"])
    os.chmod(planted["open"], 0o755)
    if os.getuid() == 0:
        planted["foreign"] = os.path.join(work, "foreign")
        os.mkdir(planted["foreign"], 0o700)
        os.chown(planted["foreign"], 65534, 65534)
    for kind, folder in planted.items():
        expect_failed_start(program, dict(env, TALVEX_RUNTIME_DIR=folder),
                            f"talvex-go: cannot use the runtime folder {folder}")
        if os.listdir(os.path.realpath(folder)):
            raise Failure(f"the {kind} runtime folder was written to")


def start_shown(processes, program, env, xdotool, name):
    game = processes.start(name, [program], os.path.join(env["TALVEX_RUNTIME_DIR"], "..",
                                                         f"{name}.log"), env=env)
    return game, rw.find_game_window(xdotool, game)


def min_size_hint(env, window):
    output = subprocess.run(["xprop", "-id", str(window), "WM_NORMAL_HINTS"], env=env,
                            capture_output=True, text=True).stdout
    match = re.search(r"minimum size: (\d+) by (\d+)", output)
    return (int(match.group(1)), int(match.group(2))) if match else None


def ends_and_cleans(game, runtime, how):
    if wait_exit(game, 5) is None:
        raise Failure(f"talvex-go did not end within 5 s of {how}:\n{tail(game.log_path)}")
    rw.check_clean_exit(game, f"talvex-go after {how}")
    if game.pid in own_files(runtime):
        raise Failure(f"after {how} its files remain: {own_files(runtime)[game.pid]}")
    rw.log(f"{how}: ended with 0, its files gone")


def five_starts_then_kill(processes, program, env, xdotool):
    runtime = env["TALVEX_RUNTIME_DIR"]
    for round_number in range(1, ROUNDS + 1):
        starts = [processes.start(f"round {round_number} start {i}", [program],
                                  os.path.join(runtime, "..", f"round{round_number}-{i}.log"),
                                  env=env) for i in range(5)]

        def settled():
            running = [game for game in starts if game.poll() is None]
            shown = xdotool.run("search", "--onlyvisible", "--name", rw.TITLE_PATTERN,
                                check=False).split()
            wait_for.detail = (f"{len(running)} running, exit codes "
                               f"{[game.poll() for game in starts]}, visible windows {shown}")
            return running if len(running) == 1 and len(shown) == 1 else None

        survivor, = wait_for(f"round {round_number}: one game left with one visible window",
                             settled)
        for game in starts:
            if game is not survivor:
                rw.check_clean_exit(game, f"round {round_number}: a start that handed over")
        survivor.kill()
        survivor.wait()
    rw.log(f"{ROUNDS} rounds of five starts: one visible window each time")


def run(program, work, processes):
    display, _ = rw.start_xvfb(processes, work)
    env = rw.game_environment(display, work)
    runtime = env["TALVEX_RUNTIME_DIR"]
    xdotool = rw.Xdotool(env)

    no_display = {k: v for k, v in env.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    expect_failed_start(program, no_display, "talvex-go: cannot open the display")
    unused = next(n for n in range(display + 100, display + 200)
                  if not os.path.exists(f"/tmp/.X11-unix/X{n}"))
    expect_failed_start(program, dict(env, DISPLAY=f":{unused}"),
                        f"talvex-go: cannot open the display :{unused}")
    private_folder_refusals(program, env, work)

    game, window = start_shown(processes, program, env, xdotool, "first")
    hint = min_size_hint(env, window)
    if hint != (rw.PHONE_WIDTH, rw.PHONE_HEIGHT):
        raise Failure(f"the window's minimum size hint is {hint}, expected the phone's screen")
    game.send_signal(signal.SIGTERM)
    ends_and_cleans(game, runtime, "SIGTERM")

    game, window = start_shown(processes, program, env, xdotool, "second")
    xdotool.keys(window, "F1", check=False)
    ends_and_cleans(game, runtime, "Exit")
    # The window went with the press, so xdotool may have died before the release: a key left
    # down on the server would be reported to every later window as pressed when it opens.
    xdotool.run("keyup", "F1", check=False)

    game, _ = start_shown(processes, program, env, xdotool, "killed")
    game.kill()
    game.wait()
    game, _ = start_shown(processes, program, env, xdotool, "after the kill")
    if list(own_files(runtime)) != [game.pid]:
        raise Failure(f"the killed game's files were not removed: {own_files(runtime)}")
    game.kill()
    game.wait()

    five_starts_then_kill(processes, program, env, xdotool)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True, help="the talvex-go executable")
    args = parser.parse_args()
    rw.CLOCK = rw.Clock(BUDGET)
    rw.TOTAL_BUDGET = BUDGET
    program = os.path.abspath(args.program)
    return rw.run_isolated("talvex-start-", lambda work, processes: run(program, work, processes))


if __name__ == "__main__":
    sys.exit(main())
