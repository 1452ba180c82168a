#!/usr/bin/env python3
"""Plays games between two GTP engines, every move checked by a third engine as referee.

Colours alternate: engine 1 takes Black in odd-numbered games. Each move is played on the
referee first (its 'play' must succeed, or the move is illegal and the game is lost by the
engine that chose it), then on the opponent. A game ends on two passes in a row, a
resignation, or the move limit, and is scored with the referee's final_score.

Prints a table of results (wins per engine by colour, the score of each game) and of the time
each engine took per move (median, 90th percentile, maximum). Exits 1 when any move was
illegal or any engine (the referee included) crashed, timed out or broke the protocol; 0
otherwise. Engines are kept from game to game and started again after a failure.

    tools/gtp_match.py --engine1 "build/normal/gtp/talvex-gtp" \\
        --engine2 "/usr/games/gnugo --mode gtp --level 1" --games 20 --komi 7.5
"""

import argparse
import math
import os
import shutil
import statistics
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from gtp_client import EngineFailure, GtpEngine, install_cleanup, parse_vertex  # noqa: E402

def default_referee():
    gnugo = shutil.which("gnugo") or ("/usr/games/gnugo" if os.access("/usr/games/gnugo", os.X_OK) else "gnugo")
    return f"{gnugo} --mode gtp"


class Player:
    """One side of the match: its command, its running engine and its tallies."""

    def __init__(self, command, label, timeout):
        self.command = command
        self.label = label
        self.timeout = timeout
        self.engine = None
        self.move_times = []
        self.illegal = 0
        self.failures = 0

    def ensure_started(self):
        if self.engine is None or self.engine.proc.poll() is not None:
            if self.engine is not None:
                self.engine.kill()
            self.engine = GtpEngine(self.command, label=self.label, timeout=self.timeout)
        return self.engine

    def discard(self):
        """After a failure: the engine's state can no longer be trusted."""
        if self.engine is not None:
            self.engine.kill()
            self.engine = None

    def close(self):
        """Quits the engine; a problem when it does not exit cleanly (a sanitizer's report at
        exit, say), else None."""
        if self.engine is None:
            return None
        engine, self.engine = self.engine, None
        status = engine.close(timeout=5)
        if status == 0:
            return None
        self.failures += 1
        why = "did not exit after quit" if status is None else f"exited with status {status} after quit"
        tail = "".join(f"\n    stderr: {line}" for line in engine.stderr_tail()[-10:])
        return f"{self.label}: {why}{tail}"


class Game:
    def __init__(self, number, black, white):
        self.number = number
        self.players = {"black": black, "white": white}
        self.moves = []  # (colour, vertex text)
        self.result = "?"  # B+n, W+n, 0, B+R, W+R, B+F, W+F, or ? when unscored
        self.winner = None  # a Player, or None for a draw or no result
        self.ended_by = ""
        self.problems = []
        self.seconds = 0.0


def ask(engine, command, what):
    """A command that must succeed; an error reply is a failure of that engine."""
    reply = engine.send(command)
    if not reply.ok:
        raise EngineFailure(f"{engine.label}: {what} {command!r} failed: ? {reply.text}")
    return reply.text


def setup_engine(engine, komi):
    for command in ("boardsize 19", "clear_board", f"komi {komi:g}"):
        ask(engine, command, "set-up")


def forfeit(game, loser, reason):
    colour = "black" if game.players["black"] is loser else "white"
    winner_colour = "white" if colour == "black" else "black"
    game.winner = game.players[winner_colour]
    game.result = f"{winner_colour[0].upper()}+F"
    game.ended_by = reason
    game.problems.append(f"game {game.number}: {reason}")


def play_game(game, referee, args):
    """Plays one game to its end; failures end it as a forfeit of the side that failed."""
    started = time.monotonic()
    try:
        for player in game.players.values():
            try:
                setup_engine(player.ensure_started(), args.komi)
            except EngineFailure as failure:
                player.failures += 1
                player.discard()
                forfeit(game, player, f"{player.label} failed at set-up: {failure}")
                return
        try:
            setup_engine(referee.ensure_started(), args.komi)
        except EngineFailure as failure:
            referee.failures += 1
            referee.discard()
            game.ended_by = f"referee failed at set-up: {failure}"
            game.problems.append(f"game {game.number}: {game.ended_by}")
            return

        passes = 0
        colour = "black"
        while True:
            if len(game.moves) >= args.moves:
                game.ended_by = f"move limit ({args.moves})"
                break
            mover = game.players[colour]
            other_colour = "white" if colour == "black" else "black"
            opponent = game.players[other_colour]
            move_number = len(game.moves) + 1
            try:
                t0 = time.monotonic()
                reply = mover.engine.send(f"genmove {colour}")
                mover.move_times.append(time.monotonic() - t0)
                if not reply.ok:
                    raise EngineFailure(f"{mover.label}: genmove {colour} failed: ? {reply.text}")
                vertex = reply.text.strip().lower()
                if vertex != "resign" and parse_vertex(vertex) is None:
                    raise EngineFailure(f"{mover.label}: genmove {colour} answered {reply.text!r}, not a vertex")
            except EngineFailure as failure:
                mover.failures += 1
                mover.discard()
                forfeit(game, mover, f"move {move_number}: {failure}")
                return
            if vertex == "resign":
                game.winner = opponent
                game.result = f"{other_colour[0].upper()}+R"
                game.ended_by = f"{mover.label} resigned"
                return
            game.moves.append((colour, vertex))
            try:
                verdict = referee.engine.send(f"play {colour} {vertex}")
            except EngineFailure as failure:
                referee.failures += 1
                referee.discard()
                game.ended_by = f"move {move_number}: referee failed: {failure}"
                game.problems.append(f"game {game.number}: {game.ended_by}")
                game.result = "?"
                return
            if not verdict.ok:
                mover.illegal += 1
                forfeit(
                    game,
                    mover,
                    f"move {move_number}: illegal move {colour} {vertex.upper()} by {mover.label} "
                    f"(referee: {verdict.text})",
                )
                return
            try:
                accepted = opponent.engine.send(f"play {colour} {vertex}")
                if not accepted.ok:
                    raise EngineFailure(
                        f"{opponent.label}: refused the legal move {colour} {vertex.upper()}: ? {accepted.text}"
                    )
            except EngineFailure as failure:
                opponent.failures += 1
                opponent.discard()
                forfeit(game, opponent, f"move {move_number}: {failure}")
                return
            passes = passes + 1 if vertex == "pass" else 0
            if passes == 2:
                game.ended_by = "two passes"
                break
            colour = other_colour

        try:
            score = referee.engine.send("final_score", timeout=max(args.timeout, 60))
        except EngineFailure as failure:
            referee.failures += 1
            referee.discard()
            game.problems.append(f"game {game.number}: referee failed to score: {failure}")
            return
        if not score.ok:
            referee.failures += 1
            game.problems.append(f"game {game.number}: referee's final_score failed: ? {score.text}")
            return
        game.result = score.text.split()[0] if score.text else "?"
        if game.result.upper().startswith("B+"):
            game.winner = game.players["black"]
        elif game.result.upper().startswith("W+"):
            game.winner = game.players["white"]
        elif game.result != "0":
            referee.failures += 1
            game.problems.append(f"game {game.number}: referee's score {score.text!r} not understood")
    finally:
        game.seconds = time.monotonic() - started


def sgf_point(vertex):
    if vertex == "pass":
        return ""
    column, row = parse_vertex(vertex)
    return "abcdefghijklmnopqrs"[column] + "abcdefghijklmnopqrs"[19 - row]


def write_sgf(directory, game, komi):
    os.makedirs(directory, exist_ok=True)
    moves = "".join(f";{c[0].upper()}[{sgf_point(v)}]" for c, v in game.moves)
    result = game.result if game.result != "?" else "Void"
    text = (
        f"(;GM[1]FF[4]SZ[19]KM[{komi:g}]PB[{game.players['black'].label}]"
        f"PW[{game.players['white'].label}]RE[{result}]C[{game.ended_by}]{moves})\n"
    )
    with open(os.path.join(directory, f"game-{game.number:03d}.sgf"), "w", encoding="utf-8") as stream:
        stream.write(text)


def percentile(values, fraction):
    """Nearest-rank percentile of a non-empty list."""
    ordered = sorted(values)
    rank = max(1, math.ceil(fraction * len(ordered)))
    return ordered[rank - 1]


def seconds_text(value):
    if value < 0.001:
        return f"{value * 1e6:.0f} µs"
    if value < 1:
        return f"{value * 1e3:.1f} ms"
    return f"{value:.2f} s"


def report(games, players, referee, args, out, exit_problems=()):
    print(f"\nResults: {len(games)} game(s), komi {args.komi:g}, move limit {args.moves}, referee {referee.command}", file=out)
    print("\n| engine | games | wins | wins as Black | wins as White | draws | illegal moves | failures |", file=out)
    print("|---|---|---|---|---|---|---|---|", file=out)
    for player in players:
        as_black = [g for g in games if g.players["black"] is player]
        as_white = [g for g in games if g.players["white"] is player]
        wins_black = sum(1 for g in as_black if g.winner is player)
        wins_white = sum(1 for g in as_white if g.winner is player)
        draws = sum(1 for g in games if g.result == "0")
        print(
            f"| {player.label} | {len(as_black) + len(as_white)} | {wins_black + wins_white} "
            f"| {wins_black}/{len(as_black)} | {wins_white}/{len(as_white)} | {draws} "
            f"| {player.illegal} | {player.failures} |",
            file=out,
        )
    print("\n| game | Black | White | result | moves | ended by | time |", file=out)
    print("|---|---|---|---|---|---|---|", file=out)
    for g in games:
        # One line a row: an engine's standard error goes to the problems below.
        ended_by = g.ended_by.split("\n", 1)[0]
        print(
            f"| {g.number} | {g.players['black'].label} | {g.players['white'].label} | {g.result} "
            f"| {len(g.moves)} | {ended_by} | {g.seconds:.1f} s |",
            file=out,
        )
    print("\nTime per move (genmove round trip):", file=out)
    print("\n| engine | moves | median | p90 | max |", file=out)
    print("|---|---|---|---|---|", file=out)
    for player in players:
        times = player.move_times
        if times:
            print(
                f"| {player.label} | {len(times)} | {seconds_text(statistics.median(times))} "
                f"| {seconds_text(percentile(times, 0.9))} | {seconds_text(max(times))} |",
                file=out,
            )
        else:
            print(f"| {player.label} | 0 | - | - | - |", file=out)
    problems = [p for g in games for p in g.problems] + list(exit_problems)
    if referee.failures and not problems:
        problems.append(f"referee failed {referee.failures} time(s)")
    if problems:
        print("\nProblems:", file=out)
        for problem in problems:
            print(f"- {problem}", file=out)


def name_player(player, given):
    """Starts the player's engine and labels it: the label given, else its name and version."""
    engine = player.ensure_started()
    if given:
        player.label = given
    else:
        replies = [engine.send("name"), engine.send("version")]
        player.label = " ".join(r.text for r in replies if r.ok and r.text) or engine.label
    engine.label = player.label


def main(argv=None):
    parser = argparse.ArgumentParser(description="Play GTP engines against each other, refereed.")
    parser.add_argument("--engine1", required=True, help="command line of the first engine")
    parser.add_argument("--engine2", required=True, help="command line of the second engine")
    parser.add_argument("--name1", help="label of the first engine (default: its name and version)")
    parser.add_argument("--name2", help="label of the second engine")
    parser.add_argument("--referee", default=default_referee(), help='referee command (default "gnugo --mode gtp")')
    parser.add_argument("--games", type=int, default=2, help="number of games (default 2)")
    parser.add_argument("--komi", type=float, default=7.5, help="komi (default 7.5)")
    parser.add_argument("--moves", type=int, default=600, help="move limit per game, passes included (default 600)")
    parser.add_argument("--timeout", type=float, default=60.0, help="seconds allowed for each reply (default 60)")
    parser.add_argument("--sgf", metavar="DIR", help="write each game as DIR/game-NNN.sgf")
    parser.add_argument("--quiet", action="store_true", help="print only the final tables and problems")
    args = parser.parse_args(argv)
    if args.games < 1 or args.moves < 1 or args.timeout <= 0:
        parser.error("--games, --moves and --timeout must be positive")
    install_cleanup()

    players = [Player(args.engine1, "engine 1", args.timeout), Player(args.engine2, "engine 2", args.timeout)]
    referee = Player(args.referee, "referee", args.timeout)
    try:
        name_player(players[0], args.name1)
        name_player(players[1], args.name2)
        referee.ensure_started()
    except EngineFailure as failure:
        print(f"cannot start the match: {failure}", file=sys.stderr)
        return 1
    if players[0].label == players[1].label:
        for index, player in enumerate(players, start=1):
            player.label = player.engine.label = f"{player.label} ({index})"

    games = []
    status = 0
    try:
        for number in range(1, args.games + 1):
            black, white = (players[0], players[1]) if number % 2 == 1 else (players[1], players[0])
            game = Game(number, black, white)
            try:
                play_game(game, referee, args)
            except EngineFailure as failure:
                # Only an engine that could not even be started gets here.
                game.problems.append(f"game {number}: {failure}")
                game.ended_by = "an engine could not be started"
                games.append(game)
                print(f"cannot go on: {failure}", file=sys.stderr)
                break
            games.append(game)
            if args.sgf:
                write_sgf(args.sgf, game, args.komi)
            if not args.quiet:
                print(
                    f"game {number}: {black.label} (B) vs {white.label} (W): {game.result} "
                    f"after {len(game.moves)} moves, {game.ended_by.splitlines()[0] if game.ended_by else ''}, "
                    f"{game.seconds:.1f} s",
                    flush=True,
                )
                for problem in game.problems:
                    print(f"  {problem}", flush=True)
    except KeyboardInterrupt:
        print(f"\ninterrupted after {len(games)} complete game(s)", file=sys.stderr)
        status = 130
    finally:
        exit_problems = []
        for player in players + [referee]:
            if status:
                player.discard()
            else:
                problem = player.close()
                if problem:
                    exit_problems.append(problem)

    report(games, players, referee, args, sys.stdout, exit_problems)
    if status:
        return status
    bad = (
        any(g.problems for g in games)
        or any(p.illegal or p.failures for p in players)
        or referee.failures
        or exit_problems
    )
    return 1 if bad else 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except KeyboardInterrupt:
        # Before the first game: nothing to report; the engines die with the cleanup.
        print("interrupted", file=sys.stderr)
        sys.exit(130)
