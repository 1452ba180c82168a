#!/usr/bin/env python3
"""Runs GTP regression files (.tst) against an engine and reports each test.

A file holds GTP commands, one a line. A numbered command followed by a line
    #? [regex]
is a test: the engine's whole reply (after '= ') must match the regex, fully and ignoring case.
'#? [!regex]' passes when the reply does not match; a '*' after the closing bracket marks an
expected failure. Other '#' lines and blank lines are comments. An error reply ('? ...') fails
a test whatever its regex; an error reply to any other command is reported as a failure too,
since the position the tests rely on was then not built.

Each file gets a fresh engine. Prints one line a test and 'N passed, N failed' last; exits 1
when any result was unexpected (a failure, an unexpected pass, an engine that crashed, timed
out or did not exit cleanly on quit), 0 otherwise.

    tools/gtp_regress.py --engine "build/normal/gtp/talvex-gtp --seed 1" tests/gtp/*.tst
"""

import argparse
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from gtp_client import EngineFailure, GtpEngine, install_cleanup  # noqa: E402

_EXPECT = re.compile(r"#\?\s*\[(?P<negate>!?)(?P<regex>.*)\](?P<xfail>\s*\*)?\s*\Z")
_NUMBERED = re.compile(r"(?P<id>\d+)\s+(?P<command>\S.*)\Z")


class FileError(Exception):
    pass


class Step:
    """One command of a file, with the test that checks its reply when it has one."""

    def __init__(self, line_number, command, test_id):
        self.line_number = line_number
        self.command = command
        self.test_id = test_id
        self.regex = None
        self.negate = False
        self.xfail = False

    @property
    def is_test(self):
        return self.regex is not None


def parse_file(path):
    """The file's commands in order; raises FileError on a line that cannot be understood."""
    steps = []
    with open(path, encoding="utf-8") as stream:
        lines = stream.read().splitlines()
    for number, raw in enumerate(lines, start=1):
        line = raw.strip()
        if line.startswith("#?"):
            expect = _EXPECT.match(line)
            if not expect:
                raise FileError(f"{path}:{number}: expected '#? [regex]', got {line!r}")
            if not steps or steps[-1].test_id is None or steps[-1].is_test:
                raise FileError(f"{path}:{number}: '#?' must follow a numbered command")
            step = steps[-1]
            try:
                step.regex = re.compile(expect["regex"], re.IGNORECASE | re.DOTALL)
            except re.error as error:
                raise FileError(f"{path}:{number}: bad regex {expect['regex']!r}: {error}")
            step.pattern = expect["regex"]
            step.negate = bool(expect["negate"])
            step.xfail = bool(expect["xfail"])
            continue
        # Comments and blank lines; a comment after a command is not sent.
        line = line.split("#", 1)[0].strip()
        if not line:
            continue
        numbered = _NUMBERED.match(line)
        if numbered:
            steps.append(Step(number, numbered["command"], int(numbered["id"])))
        else:
            steps.append(Step(number, line, None))
    return steps


class Tally:
    def __init__(self):
        self.counts = {"PASS": 0, "FAIL": 0, "XFAIL": 0, "XPASS": 0, "ERROR": 0}

    def add(self, kind):
        self.counts[kind] += 1

    @property
    def expected(self):
        return self.counts["PASS"] + self.counts["XFAIL"]

    @property
    def unexpected(self):
        return self.counts["FAIL"] + self.counts["XPASS"] + self.counts["ERROR"]


def show(text):
    """A reply on one line, quoted."""
    return repr(text) if "\n" in text else f"'{text}'"


def run_file(path, steps, engine_command, timeout, tally, out):
    name = os.path.relpath(path)
    if name.startswith(".."):
        name = path
    tests_left = sum(1 for s in steps if s.is_test)
    try:
        engine = GtpEngine(engine_command, timeout=timeout)
    except EngineFailure as failure:
        print(f"{name}: ERROR {failure}", file=out)
        tally.add("ERROR")
        for _ in range(tests_left):
            tally.add("FAIL")
        return
    try:
        for step in steps:
            where = f"{name}:{step.test_id if step.is_test else step.line_number}"
            try:
                reply = engine.send(step.command, with_id=step.test_id if step.test_id is not None else False)
            except EngineFailure as failure:
                print(f"{where} {'FAIL' if step.is_test else 'ERROR'}: {failure}", file=out)
                tally.add("FAIL" if step.is_test else "ERROR")
                if step.is_test:
                    tests_left -= 1
                if tests_left:
                    print(f"{name}: {tests_left} further test(s) not run: the engine is gone", file=out)
                    for _ in range(tests_left):
                        tally.add("FAIL")
                return
            if not step.is_test:
                if not reply.ok:
                    print(f"{name}:{step.line_number} ERROR: {step.command!r} failed: ? {reply.text}", file=out)
                    tally.add("ERROR")
                continue
            tests_left -= 1
            expected = f"[{'!' if step.negate else ''}{step.pattern}]"
            if not reply.ok:
                matched = False
                got = f"error '? {reply.text}'"
            else:
                matched = (step.regex.fullmatch(reply.text) is not None) != step.negate
                got = show(reply.text)
            if matched and not step.xfail:
                kind, detail = "PASS", ""
            elif matched:
                kind, detail = "XPASS", f": got {got}, expected to fail {expected}"
            elif step.xfail:
                kind, detail = "XFAIL", f": got {got}, expected {expected}"
            else:
                kind, detail = "FAIL", f": got {got}, expected {expected}"
            tally.add(kind)
            print(f"{where} {kind}{detail}", file=out)
        status = engine.close(timeout=timeout)
        if status != 0:
            why = "did not exit after quit" if status is None else f"exited with status {status} after quit"
            tail = "".join(f"\n    stderr: {line}" for line in engine.stderr_tail()[-10:])
            print(f"{name}: ERROR the engine {why}{tail}", file=out)
            tally.add("ERROR")
    finally:
        engine.kill()


def main(argv=None):
    parser = argparse.ArgumentParser(description="Run GTP regression files (.tst) against an engine.")
    parser.add_argument("--engine", required=True, help='engine command line, e.g. "talvex-gtp --seed 1"')
    parser.add_argument("--timeout", type=float, default=10.0, help="seconds to wait for each reply (default 10)")
    parser.add_argument("files", nargs="+", help=".tst files")
    args = parser.parse_args(argv)
    if args.timeout <= 0:
        parser.error("--timeout must be positive")
    install_cleanup()

    parsed = []
    tally = Tally()
    for path in args.files:
        try:
            parsed.append((path, parse_file(path)))
        except (OSError, UnicodeDecodeError) as error:
            print(f"{path}: ERROR cannot read: {error}")
            tally.add("ERROR")
        except FileError as error:
            print(f"ERROR {error}")
            tally.add("ERROR")
    if not any(step.is_test for _, steps in parsed for step in steps):
        print("ERROR no tests found in the files given")
        tally.add("ERROR")
    for path, steps in parsed:
        run_file(path, steps, args.engine, args.timeout, tally, sys.stdout)
        sys.stdout.flush()

    counts = tally.counts
    if counts["XFAIL"] or counts["XPASS"]:
        print(f"({counts['XFAIL']} expected failure(s), {counts['XPASS']} unexpected pass(es))")
    print(f"{tally.expected} passed, {tally.unexpected} failed")
    return 1 if tally.unexpected else 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except KeyboardInterrupt:
        print("interrupted", file=sys.stderr)
        sys.exit(130)
