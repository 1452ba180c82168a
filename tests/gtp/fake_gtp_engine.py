#!/usr/bin/env python3
"""A scripted GTP engine for the tools' own tests: it plays a fixed list of moves and can be
told to crash, hang, refuse moves or misbehave at a given point.

    --moves D4,Q16,pass   genmove answers these in order after each clear_board, then 'pass'
    --refuse Q16          play of that vertex answers '? illegal move' (a referee's verdict)
    --score B+3.5         final_score's answer
    --crash-at N          abort on the Nth genmove of the process
    --hang-at N           never answer the Nth genmove
    --quit-status N       exit with status N after answering quit
    --tag TEXT            ignored; lets a test find its processes

Besides, 'echo TEXT' answers TEXT, 'fail TEXT' answers '? TEXT', 'crash' aborts, 'hang' hangs.
"""

import argparse
import os
import sys
import time


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--moves", default="")
    parser.add_argument("--refuse", default="")
    parser.add_argument("--score", default="0")
    parser.add_argument("--crash-at", type=int, default=0)
    parser.add_argument("--hang-at", type=int, default=0)
    parser.add_argument("--quit-status", type=int, default=0)
    parser.add_argument("--tag", default="")
    args = parser.parse_args()
    moves = [m for m in args.moves.split(",") if m]
    refused = {v.upper() for v in args.refuse.split(",") if v}
    next_move = 0
    genmoves = 0

    def reply(ident, text, ok=True):
        sys.stdout.write(f"{'=' if ok else '?'}{ident} {text}".rstrip() + "\n\n")
        sys.stdout.flush()

    for line in sys.stdin:
        words = line.split("#", 1)[0].split()
        if not words:
            continue
        ident = ""
        if words[0].isdigit():
            ident = words.pop(0)
        if not words:
            continue
        command, rest = words[0], words[1:]
        if command == "quit":
            reply(ident, "")
            sys.exit(args.quit_status)
        elif command == "name":
            reply(ident, "Fake")
        elif command == "version":
            reply(ident, "1")
        elif command == "clear_board":
            next_move = 0
            reply(ident, "")
        elif command == "genmove":
            genmoves += 1
            if genmoves == args.crash_at:
                sys.stderr.write("fake engine: crashing as told\n")
                sys.stderr.flush()
                os.abort()
            if genmoves == args.hang_at:
                time.sleep(3600)
            move = moves[next_move] if next_move < len(moves) else "pass"
            next_move += 1
            reply(ident, move)
        elif command == "play":
            if rest and rest[-1].upper() in refused:
                reply(ident, "illegal move", ok=False)
            else:
                reply(ident, "")
        elif command == "final_score":
            reply(ident, args.score)
        elif command == "echo":
            reply(ident, " ".join(rest))
        elif command == "fail":
            reply(ident, " ".join(rest), ok=False)
        elif command == "crash":
            os.abort()
        elif command == "hang":
            time.sleep(3600)
        else:
            reply(ident, "")


if __name__ == "__main__":
    main()
