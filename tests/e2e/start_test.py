#!/usr/bin/env python3
"""How the real game starts and ends on a real X server.

A start that cannot show the game (no display, one that does not answer, a runtime folder that
is not safely private) ends at once with 0 and one line on stderr, leaving nothing behind. A game
ended by SIGTERM removes its runtime files. Five starts at once, the survivor killed, twenty
times: each round ends with exactly one visible window.
"""

import argparse
import os
import re
import signal
import subprocess
import sys

import real_window_test as rw
from real_window_test import Failure, wait_for


def own_files(runtime, pid=r"\d+"):
    """The runtime folder's per-process files: of the process given, or of any."""
    return [name for name in os.listdir(runtime) if re.match(rf"^{pid}\.", name)]


def expect_failed_start(program, env, reason):
    result = subprocess.run([program], env=env, stdin=subprocess.DEVNULL, capture_output=True,
                            timeout=rw.CLOCK.limit(10.0))
    lines = result.stderr.decode(errors="replace").splitlines()
    if result.returncode != 0 or len(lines) != 1 or not lines[0].startswith(reason):
        raise Failure(f"a start that cannot work should end with 0 and one line starting "
                      f"{reason!r}; it ended with {result.returncode} and printed {lines}")
    runtime = os.path.realpath(env["TALVEX_RUNTIME_DIR"])
    if os.path.isdir(runtime) and own_files(runtime):
        raise Failure(f"the failed start left files in {runtime}: {own_files(runtime)}")


def failed_starts(program, env, display, work):
    no_display = {k: v for k, v in env.items() if k != "DISPLAY"}
    expect_failed_start(program, no_display, "talvex-go: cannot open the display")
    unused = next(n for n in range(display + 100, display + 200)
                  if not os.path.exists(f"/tmp/.X11-unix/X{n}"))
    expect_failed_start(program, dict(env, DISPLAY=f":{unused}"),
                        f"talvex-go: cannot open the display :{unused}")
    # Runtime folders another user could have planted: refused, and nothing written there.
    os.mkdir(os.path.join(work, "target"), 0o700)
    os.symlink(os.path.join(work, "target"), os.path.join(work, "symlink"))
    os.mkdir(os.path.join(work, "open"))
    os.chmod(os.path.join(work, "open"), 0o755)
    planted = ["symlink", "open"]
    if os.getuid() == 0:
        os.mkdir(os.path.join(work, "foreign"), 0o700)
        os.chown(os.path.join(work, "foreign"), 65534, 65534)
        planted.append("foreign")
    for kind in planted:
        folder = os.path.join(work, kind)
        expect_failed_start(program, dict(env, TALVEX_RUNTIME_DIR=folder),
                            f"talvex-go: cannot use the runtime folder {folder}")
        if os.listdir(os.path.realpath(folder)):
            raise Failure(f"the {kind} runtime folder was written to")
    rw.log("failed starts: each said why and left nothing")


def ended_by_sigterm(processes, program, env, xdotool):
    runtime = env["TALVEX_RUNTIME_DIR"]
    game = processes.start("SIGTERM", [program], os.path.join(runtime, "..", "term.log"), env=env)
    window = rw.find_game_window(xdotool, game)
    hints = subprocess.run(["xprop", "-id", str(window), "WM_NORMAL_HINTS"], env=env,
                           capture_output=True, text=True).stdout
    if f"minimum size: {rw.PHONE_WIDTH} by {rw.PHONE_HEIGHT}" not in hints:
        raise Failure(f"the window's minimum size is not the phone's screen: {hints}")
    game.send_signal(signal.SIGTERM)
    rw.check_clean_exit(game, "talvex-go after SIGTERM")
    if own_files(runtime, game.pid):
        raise Failure(f"after SIGTERM its files remain: {own_files(runtime, game.pid)}")
    rw.log("SIGTERM: ended with 0, its files gone")


def five_starts_then_kill(processes, program, env, xdotool, rounds=20):
    for number in range(rounds):
        starts = [processes.start(f"round {number} start {i}", [program],
                                  os.path.join(env["TALVEX_RUNTIME_DIR"], "..",
                                               f"round{number}-{i}.log"), env=env)
                  for i in range(5)]

        def settled():
            running = [game for game in starts if game.poll() is None]
            shown = xdotool.windows_named(rw.TITLE_PATTERN, "--onlyvisible")
            wait_for.detail = f"exit codes {[game.poll() for game in starts]}, windows {shown}"
            return running if len(running) == 1 and len(shown) == 1 else None

        survivor, = wait_for(f"round {number}: one game left with one visible window", settled)
        for game in starts:
            if game is not survivor:
                rw.check_clean_exit(game, f"round {number}: a start that handed over")
        survivor.kill()
        survivor.wait()
    rw.log(f"{rounds} rounds of five starts: one visible window each time")


def run(program, work, processes):
    display, _ = rw.start_xvfb(processes, work)
    env = rw.game_environment(display, work)
    xdotool = rw.Xdotool(env)
    failed_starts(program, env, display, work)
    ended_by_sigterm(processes, program, env, xdotool)
    five_starts_then_kill(processes, program, env, xdotool)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True)
    program = os.path.abspath(parser.parse_args().program)
    rw.CLOCK = rw.Clock(100.0)
    return rw.run_isolated("talvex-start-", lambda work, processes: run(program, work, processes))


if __name__ == "__main__":
    sys.exit(main())
