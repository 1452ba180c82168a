#!/usr/bin/env python3
"""Checks tools/gtp_regress.py and tools/gtp_match.py against scripted fake engines: each fault
the tools exist to catch must be reported, must fail the run, and must leave no process behind."""

import os
import shlex
import subprocess
import sys
import tempfile
import time
import unittest
import uuid

HERE = os.path.dirname(os.path.abspath(__file__))
TOOLS = os.path.join(os.path.dirname(os.path.dirname(HERE)), "tools")
FAKE = os.path.join(HERE, "fake_gtp_engine.py")


def fake(*options):
    return " ".join(shlex.quote(a) for a in (sys.executable, FAKE) + options)


def tool_processes(tag):
    """Processes still running whose command line holds the tag."""
    found = []
    for pid in os.listdir("/proc"):
        if not pid.isdigit():
            continue
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as stream:
                if tag.encode() in stream.read():
                    found.append(pid)
        except OSError:
            pass
    return found


class ToolCase(unittest.TestCase):
    def setUp(self):
        self.tag = uuid.uuid4().hex
        self.dir = tempfile.TemporaryDirectory()

    def tearDown(self):
        self.dir.cleanup()

    def run_tool(self, name, *arguments, timeout=60):
        started = time.monotonic()
        result = subprocess.run(
            [sys.executable, os.path.join(TOOLS, name), *arguments],
            capture_output=True,
            text=True,
            timeout=timeout,
            cwd=self.dir.name,
        )
        self.elapsed = time.monotonic() - started
        self.assertEqual(tool_processes(self.tag), [], "an engine was left running")
        return result


class RegressionRunner(ToolCase):
    def write(self, name, text):
        path = os.path.join(self.dir.name, name)
        with open(path, "w", encoding="utf-8") as stream:
            stream.write(text)
        return name  # the tools run in the same folder

    def regress(self, *files, engine_options=(), timeout="10"):
        engine = fake("--tag", self.tag, *engine_options)
        return self.run_tool("gtp_regress.py", "--engine", engine, "--timeout", timeout, *files)

    def test_every_kind_of_result_is_reported_and_counted(self):
        path = self.write(
            "kinds.tst",
            "# a comment\n\nboardsize 19\n"
            "1 echo D4\n#? [d4]\n"  # case-insensitive
            "2 echo D4\n#? [D]\n"  # must match the whole reply
            "3 echo D4\n#? [!Q16]\n"
            "4 echo D4\n#? [Q16|D4]*\n"  # unexpected pass
            "5 echo D4\n#? [Q16]*\n"  # expected failure
            "6 fail illegal move\n#? [!D4]\n",  # an error reply never passes
        )
        result = self.regress(path)
        lines = result.stdout.splitlines()
        self.assertIn("kinds.tst:1 PASS", lines)
        self.assertTrue(any(l.startswith("kinds.tst:2 FAIL: got 'D4', expected [D]") for l in lines), lines)
        self.assertIn("kinds.tst:3 PASS", lines)
        self.assertTrue(any(l.startswith("kinds.tst:4 XPASS") for l in lines), lines)
        self.assertTrue(any(l.startswith("kinds.tst:5 XFAIL") for l in lines), lines)
        self.assertTrue(any(l.startswith("kinds.tst:6 FAIL: got error '? illegal move'") for l in lines), lines)
        self.assertEqual(lines[-1], "3 passed, 3 failed")
        self.assertEqual(result.returncode, 1)

    def test_all_expected_results_exit_zero(self):
        path = self.write("good.tst", "1 echo pass\n#? [PASS]\n2 echo x\n#? [y]*\n")
        result = self.regress(path)
        self.assertEqual(result.stdout.splitlines()[-1], "2 passed, 0 failed")
        self.assertEqual(result.returncode, 0, result.stdout)

    def test_a_failed_set_up_command_fails_the_run(self):
        path = self.write("setup.tst", "fail illegal move\n1 echo a\n#? [a]\n")
        result = self.regress(path)
        self.assertIn("setup.tst:1 ERROR: 'fail illegal move' failed: ? illegal move", result.stdout)
        self.assertEqual(result.stdout.splitlines()[-1], "1 passed, 1 failed")
        self.assertEqual(result.returncode, 1)

    def test_a_crash_fails_the_test_and_the_rest_of_its_file_but_not_the_next_file(self):
        first = self.write("crash.tst", "1 echo a\n#? [a]\n2 crash\n#? [a]\n3 echo a\n#? [a]\n")
        second = self.write("after.tst", "1 echo b\n#? [b]\n")
        result = self.regress(first, second)
        self.assertIn("crash.tst:2 FAIL", result.stdout)
        self.assertIn("SIGABRT", result.stdout)
        self.assertIn("1 further test(s) not run", result.stdout)
        self.assertIn("after.tst:1 PASS", result.stdout)
        self.assertEqual(result.stdout.splitlines()[-1], "2 passed, 2 failed")
        self.assertEqual(result.returncode, 1)

    def test_a_hang_times_out(self):
        path = self.write("hang.tst", "1 hang\n#? [a]\n")
        result = self.regress(path, timeout="1")
        self.assertIn("no complete reply to 'hang' within 1 s", result.stdout)
        self.assertEqual(result.returncode, 1)
        self.assertLess(self.elapsed, 20)

    def test_a_bad_exit_after_quit_fails_the_run(self):
        path = self.write("quit.tst", "1 echo a\n#? [a]\n")
        result = self.regress(path, engine_options=("--quit-status", "3"))
        self.assertIn("exited with status 3 after quit", result.stdout)
        self.assertEqual(result.returncode, 1)

    def test_an_expectation_without_a_numbered_command_is_an_error(self):
        path = self.write("bad.tst", "echo a\n#? [a]\n")
        result = self.regress(path)
        self.assertIn("'#?' must follow a numbered command", result.stdout)
        self.assertEqual(result.returncode, 1)

    def test_an_engine_that_cannot_start_fails_the_run(self):
        path = self.write("any.tst", "1 echo a\n#? [a]\n")
        result = self.run_tool("gtp_regress.py", "--engine", "/nonexistent/engine", path)
        self.assertIn("cannot start", result.stdout)
        self.assertEqual(result.returncode, 1)


class MatchRunner(ToolCase):
    def match(self, engine1=(), engine2=(), referee=(), games="2", timeout="10"):
        return self.run_tool(
            "gtp_match.py",
            "--engine1", fake("--tag", self.tag, *engine1),
            "--engine2", fake("--tag", self.tag, *engine2),
            "--name1", "one",
            "--name2", "two",
            "--referee", fake("--tag", self.tag, *referee),
            "--games", games,
            "--timeout", timeout,
        )

    def test_games_end_on_two_passes_and_are_scored_by_the_referee(self):
        result = self.match(
            engine1=("--moves", "D4,Q16"), engine2=("--moves", "C3"), referee=("--score", "B+3.5")
        )
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        # Game 1: one (B) D4, two (W) C3, one Q16, two pass, one pass: five moves.
        self.assertIn("| 1 | one | two | B+3.5 | 5 | two passes |", result.stdout)
        # Game 2: two C3, one D4, two pass, one Q16, two pass, one pass: six moves.
        self.assertIn("| 2 | two | one | B+3.5 | 6 | two passes |", result.stdout)
        self.assertIn("| one | 2 | 1 | 1/1 | 0/1 | 0 | 0 | 0 |", result.stdout)
        self.assertIn("| two | 2 | 1 | 1/1 | 0/1 | 0 | 0 | 0 |", result.stdout)
        # One's genmoves: D4, Q16, pass in game 1, D4, Q16, pass in game 2.
        self.assertRegex(result.stdout, r"\| one \| 6 \| [0-9.]+ (µs|ms) \|")

    def test_an_illegal_move_loses_the_game_and_fails_the_run(self):
        result = self.match(engine1=("--moves", "D4,Q16"), referee=("--refuse", "Q16"))
        self.assertEqual(result.returncode, 1)
        self.assertIn("illegal move black Q16 by one", result.stdout)
        self.assertIn("| 1 | one | two | W+F | 3 |", result.stdout)
        self.assertIn("| one | 2 | 0 | 0/1 | 0/1 | 0 | 2 | 0 |", result.stdout)

    def test_a_refused_legal_move_is_a_failure_of_the_engine_that_refused(self):
        result = self.match(engine1=("--moves", "D4"), engine2=("--refuse", "D4"), games="1")
        self.assertEqual(result.returncode, 1)
        self.assertIn("two: refused the legal move black D4", result.stdout)
        self.assertIn("| 1 | one | two | B+F |", result.stdout)

    def test_a_crash_is_a_forfeit_and_the_engine_is_started_again(self):
        result = self.match(engine2=("--crash-at", "1"), games="2")
        self.assertEqual(result.returncode, 1)
        self.assertIn("fake engine: crashing as told", result.stdout)
        self.assertIn(
            "| 1 | one | two | B+F | 1 | move 2: two: was killed by SIGABRT while answering 'genmove white' |",
            result.stdout,
        )
        # The second game runs on a new process, which gets as far as its own first genmove.
        self.assertIn(
            "| 2 | two | one | W+F | 0 | move 1: two: was killed by SIGABRT while answering 'genmove black' |",
            result.stdout,
        )
        self.assertIn("| two | 2 | 0 | 0/1 | 0/1 | 0 | 0 | 2 |", result.stdout)

    def test_a_hang_is_a_forfeit_after_the_timeout(self):
        result = self.match(engine1=("--hang-at", "1"), games="1", timeout="1")
        self.assertEqual(result.returncode, 1)
        self.assertIn("no complete reply to 'genmove black' within 1 s", result.stdout)
        self.assertLess(self.elapsed, 30)

    def test_a_non_vertex_answer_is_a_failure(self):
        result = self.match(engine1=("--moves", "Z99"), games="1")
        self.assertEqual(result.returncode, 1)
        self.assertIn("answered 'Z99', not a vertex", result.stdout)

    def test_an_engine_that_exits_badly_after_quit_fails_the_run(self):
        result = self.match(engine2=("--quit-status", "1"), games="1")
        self.assertEqual(result.returncode, 1)
        self.assertIn("two: exited with status 1 after quit", result.stdout)
        self.assertIn("| two | 1 | 0 | 0/0 | 0/1 | 1 | 0 | 1 |", result.stdout)

    def test_the_move_limit_ends_a_game(self):
        moves = ",".join(["D4", "Q16", "C3", "R17"] * 3)
        result = self.run_tool(
            "gtp_match.py",
            "--engine1", fake("--tag", self.tag, "--moves", moves),
            "--engine2", fake("--tag", self.tag, "--moves", moves),
            "--referee", fake("--tag", self.tag, "--score", "W+0.5"),
            "--games", "1", "--moves", "7", "--quiet",
        )
        self.assertEqual(result.returncode, 0, result.stdout)
        self.assertIn("| W+0.5 | 7 | move limit (7) |", result.stdout)
        self.assertNotIn("game 1:", result.stdout)  # --quiet prints only the tables

    def test_ctrl_c_stops_the_match_and_its_engines(self):
        command = [
            sys.executable, os.path.join(TOOLS, "gtp_match.py"),
            "--engine1", fake("--tag", self.tag, "--hang-at", "1"),
            "--engine2", fake("--tag", self.tag),
            "--referee", fake("--tag", self.tag),
        ]
        process = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        deadline = time.monotonic() + 20
        # The tool itself and its three engines.
        while len(tool_processes(self.tag)) < 4 and time.monotonic() < deadline:
            time.sleep(0.05)
        time.sleep(0.3)
        process.send_signal(2)  # SIGINT, as Ctrl-C sends
        _, err = process.communicate(timeout=30)
        self.assertEqual(process.returncode, 130, err)
        self.assertIn("interrupted", err)
        time.sleep(0.2)
        self.assertEqual(tool_processes(self.tag), [])

    def test_sigterm_stops_the_match_and_its_engines(self):
        command = [
            sys.executable, os.path.join(TOOLS, "gtp_match.py"),
            "--engine1", fake("--tag", self.tag, "--hang-at", "1"),
            "--engine2", fake("--tag", self.tag),
            "--referee", fake("--tag", self.tag),
        ]
        process = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        deadline = time.monotonic() + 20
        # The tool itself and its three engines.
        while len(tool_processes(self.tag)) < 4 and time.monotonic() < deadline:
            time.sleep(0.05)
        time.sleep(0.3)
        process.terminate()
        process.communicate(timeout=30)
        self.assertNotEqual(process.returncode, 0)
        time.sleep(0.2)
        self.assertEqual(tool_processes(self.tag), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
