#!/usr/bin/env python3
"""Applies the one-hunk faults of tools/faults.txt one at a time and reports which tests catch each.

Usage:
  tools/fault_check.py --check [--list FILE]
      Checks the list only: every file exists, every find text occurs exactly once, names are
      unique, every fault names the tests that should catch it. Builds nothing.
  tools/fault_check.py [--list FILE] [--only REGEX] [--work DIR] [--jobs N] [--timeout S]
                       [--out FILE]
      Checks out HEAD of this repository as a detached worktree in DIR (default
      /tmp/talvex-faults, reused when present), builds it once per build kind the faults need,
      runs every fault's tests on the unfaulted build, then for each fault alone: applies it,
      builds, runs its tests, restores the file. Prints a Markdown table at the end (also to
      --out). Exit status: 0 when it ran (missed faults included), 1 when the set-up failed,
      2 when the list has errors.

The list's format is described at the top of tools/faults.txt. The main working tree and its
build folders are never touched: everything happens in DIR.
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ElementTree
from dataclasses import dataclass, field

REPO = os.path.dirname(os.path.dirname(os.path.realpath(__file__)))
BUILD_KINDS = {
    "plain": ["-DTALVEX_SANITIZER=none"],
    "tsan": ["-DTALVEX_SANITIZER=thread", "-DCMAKE_BUILD_TYPE=Debug",
             "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1"],
}
COMMON_OPTIONS = ["-G", "Ninja", "-DTALVEX_BUILD_BENCH=OFF", "-DTALVEX_WERROR=OFF"]
# Marks a scratch copy made by this tool: only such a copy is reset, reused or removed.
SCRATCH_MARKER = ".talvex-fault-scratch"
# A whole ctest run is stopped after this long, whatever the tests' own timeouts say.
RUN_LIMIT_SECONDS = 3600


@dataclass
class Fault:
    name: str
    line: int
    file: str = ""
    tests: str = ""
    build: str = "plain"
    find: list = field(default_factory=list)
    replace: list = field(default_factory=list)


def say(text):
    print(text, flush=True)


def parse_list(path):
    """Returns (faults, problems); problems are 'path:line: message' strings."""
    faults, problems = [], []
    with open(path, encoding="utf-8") as stream:
        lines = stream.read().split("\n")
    fault, block = None, None  # block: the list being filled by '--- find' / '--- replace'
    for number, line in enumerate(lines, 1):
        where = f"{path}:{number}"
        if block is not None:
            if line == "--- end":
                block = None
            elif line == "--- replace" and block is fault.find:
                block = fault.replace
            else:
                block.append(line)
            continue
        if not line.strip() or line.startswith("#"):
            continue
        if line.startswith("== "):
            fault = Fault(name=line[3:].strip(), line=number)
            faults.append(fault)
        elif fault is None:
            problems.append(f"{where}: text before the first '== name' line")
        elif line == "--- find":
            if fault.find:
                problems.append(f"{where}: {fault.name}: a second hunk (one hunk per fault)")
            block = fault.find
        elif ":" in line and line.split(":", 1)[0] in ("file", "tests", "build"):
            key, value = (part.strip() for part in line.split(":", 1))
            setattr(fault, key, value)
        else:
            problems.append(f"{where}: {fault.name}: unexpected line {line!r}")
    if block is not None:
        problems.append(f"{path}: {fault.name}: hunk not closed by '--- end'")
    return faults, problems


def hunk_text(lines):
    return "".join(line + "\n" for line in lines)


def occurrences(content, lines):
    """How many times the lines occur as whole lines in content."""
    text = hunk_text(lines)
    return ("\n" + content).count("\n" + text) if text else 0


def check_faults(faults, root):
    problems, seen = [], set()
    for fault in faults:
        where = f"{fault.name} (line {fault.line})"
        if not fault.name:
            problems.append(f"line {fault.line}: a fault without a name")
        if fault.name in seen:
            problems.append(f"{where}: the name is used twice")
        seen.add(fault.name)
        if not fault.tests:
            problems.append(f"{where}: no 'tests:' regular expression")
        else:
            try:
                re.compile(fault.tests)
            except re.error as error:
                problems.append(f"{where}: bad tests regular expression: {error}")
            if len(re.findall(r"(?<!\\)\(", fault.tests)) > 9:
                problems.append(f"{where}: more than nine groups in the tests regular "
                                "expression, which ctest cannot take")
        if fault.build not in BUILD_KINDS:
            problems.append(f"{where}: build must be one of {', '.join(BUILD_KINDS)}")
        if not fault.find:
            problems.append(f"{where}: no '--- find' lines")
            continue
        if fault.find == fault.replace:
            problems.append(f"{where}: the replacement is the same as the original")
        path = os.path.normpath(os.path.join(root, fault.file))
        if not fault.file or os.path.isabs(fault.file) or not path.startswith(root + os.sep):
            problems.append(f"{where}: 'file:' must be a path inside the repository")
            continue
        if not os.path.isfile(path):
            problems.append(f"{where}: no such file {fault.file}")
            continue
        with open(path, encoding="utf-8") as stream:
            count = occurrences(stream.read(), fault.find)
        if count != 1:
            problems.append(f"{where}: the find text occurs {count} times in {fault.file}")
    return problems


def run(command, log=None, limit=None, cwd=None):
    """Runs a command (output to the log file, if any); returns its exit status, or None when
    it ran past the limit and was stopped."""
    out = open(log, "w", encoding="utf-8") if log else subprocess.DEVNULL
    try:
        process = subprocess.Popen(command, stdout=out, stderr=subprocess.STDOUT, cwd=cwd,
                                   start_new_session=True)
        try:
            return process.wait(timeout=limit)
        except subprocess.TimeoutExpired:
            stop_session(process)
            return None
        except BaseException:
            stop_session(process)
            raise
    finally:
        if log:
            out.close()


def stop_session(process):
    """Kills the command and everything it started. ninja puts each compiler in a process group
    of its own, so the whole session goes: a compiler left running could write an object of the
    faulted source after the file is restored, and the next build would keep it."""
    def members():
        found = []
        for entry in os.listdir("/proc"):
            try:
                with open(f"/proc/{entry}/stat", encoding="utf-8") as stream:
                    fields = stream.read().rsplit(")", 1)[1].split()
            except (OSError, IndexError):
                continue
            if fields[0] != "Z" and int(fields[3]) == process.pid:
                found.append(int(entry))
        return found

    for _ in range(100):
        pids = members()
        if not pids:
            break
        for pid in pids:
            try:
                os.kill(pid, signal.SIGKILL)
            except OSError:
                pass
        if process.poll() is None:
            try:
                process.wait(timeout=0.1)
            except subprocess.TimeoutExpired:
                pass
        else:
            time.sleep(0.1)
    if process.poll() is None:
        process.wait()


def git(*arguments, cwd=REPO):
    result = subprocess.run(["git", *arguments], cwd=cwd, capture_output=True, text=True)
    if result.returncode != 0:
        raise SetupError(f"git {' '.join(arguments)} failed: {result.stderr.strip()}")
    return result.stdout.strip()


class SetupError(Exception):
    pass


def registered_worktrees():
    """The repository's worktrees, the main one first."""
    listing = git("worktree", "list", "--porcelain")
    return [os.path.realpath(line[len("worktree "):]) for line in listing.splitlines()
            if line.startswith("worktree ")]


def overlaps(a, b):
    return a == b or a.startswith(b + os.sep) or b.startswith(a + os.sep)


def healthy_worktree(work):
    """True when git, run in `work`, finds the detached worktree there and not some repository
    further up."""
    if not os.path.isfile(os.path.join(work, ".git")):
        return False
    top = subprocess.run(["git", "rev-parse", "--show-toplevel"], cwd=work, capture_output=True,
                         text=True)
    branch = subprocess.run(["git", "symbolic-ref", "-q", "HEAD"], cwd=work, capture_output=True)
    return (top.returncode == 0 and os.path.realpath(top.stdout.strip()) == work
            and branch.returncode != 0)


def prepare_worktree(work):
    """A detached checkout of this repository's HEAD in `work`. Only a copy this tool made (it
    holds the marker file) is ever reused or removed; any other worktree, the main one above
    all, is refused before anything is changed."""
    head = git("rev-parse", "HEAD")
    worktrees = registered_worktrees()
    marker = os.path.join(work, SCRATCH_MARKER)
    for path in [REPO, *worktrees]:
        if overlaps(work, path) and not (path == work and path not in (REPO, worktrees[0])):
            raise SetupError(f"{work} is, holds or lies in the worktree {path}; choose another "
                             "--work")
    if work in worktrees and not os.path.isdir(work):
        git("worktree", "remove", "--force", work)  # registered, but its folder is gone
        worktrees.remove(work)
    if work in worktrees:
        if not os.path.isfile(marker):
            raise SetupError(f"{work} is a worktree this tool did not make; choose another "
                             "--work")
        if healthy_worktree(work):
            try:
                git("checkout", "--detach", head, cwd=work)
                git("reset", "--hard", head, cwd=work)
                say(f"reusing {work} at {head[:12]}")
                return
            except SetupError as error:
                say(f"{work} cannot be reused ({error})")
        say(f"making {work} again")
        shutil.rmtree(work)
        git("worktree", "remove", "--force", work)
    elif os.path.exists(work):
        # Left by an earlier run whose registration is gone: only such a leftover is removed.
        if not os.path.isdir(work) or (os.listdir(work) and not os.path.isfile(marker)):
            raise SetupError(f"{work} exists and is not a scratch copy made by this tool")
        say(f"removing the stale copy {work}")
        shutil.rmtree(work)
    git("worktree", "add", "--detach", work, head)
    with open(marker, "w", encoding="utf-8") as stream:
        stream.write("A scratch copy for tools/fault_check.py, which may reset or remove it.\n")
    say(f"checked out {head[:12]} in {work}")


def build_dir(work, kind):
    return os.path.join(work, f"build-{kind}")


def configure_and_build(work, kind, jobs, logs):
    directory = build_dir(work, kind)
    log = os.path.join(logs, f"configure-{kind}.log")
    say(f"configuring the {kind} build in {directory}")
    command = ["cmake", "-S", work, "-B", directory, *COMMON_OPTIONS, *BUILD_KINDS[kind]]
    if run(command, log) != 0:
        raise SetupError(f"the {kind} build does not configure; see {log}")
    log = os.path.join(logs, f"build-{kind}.log")
    say(f"building the unfaulted {kind} build (the first time takes minutes)")
    started = time.monotonic()
    if run(["cmake", "--build", directory, "-j", str(jobs)], log) != 0:
        raise SetupError(f"the unfaulted {kind} build fails; see {log}")
    say(f"  built in {time.monotonic() - started:.0f} s")


def list_tests(work, kind, regex):
    """The tests regex selects, as {ctest number: name}, without running them."""
    result = subprocess.run(["ctest", "--test-dir", build_dir(work, kind), "-N", "-R", regex],
                            capture_output=True, text=True)
    found = {}
    for line in result.stdout.splitlines():
        match = re.match(r"\s*Test\s+#(\d+): (.*)$", line)
        if match:
            found[int(match.group(1))] = match.group(2)
    return found


def run_tests(work, kind, selection, jobs, timeout, log):
    """Runs the tests that selection (ctest options) picks: (selected names, failing names),
    or None for both when the run had to be stopped."""
    junit = tempfile.NamedTemporaryFile(suffix=".xml", delete=False)
    junit.close()
    try:
        command = ["ctest", "--test-dir", build_dir(work, kind), *selection, "-j", str(jobs),
                   "--timeout", str(timeout), "--output-on-failure",
                   "--output-junit", junit.name]
        if run(command, log, limit=RUN_LIMIT_SECONDS) is None:
            return None, None
        try:
            root = ElementTree.parse(junit.name).getroot()
        except ElementTree.ParseError:
            return [], []
        selected, failing = [], []
        for case in root.iter("testcase"):
            name = case.get("name", "")
            selected.append(name)
            status = case.get("status")
            if status != "disabled" and (status != "run" or case.find("failure") is not None):
                failing.append(name)
        return selected, failing
    finally:
        os.unlink(junit.name)


def baseline(faults, work, jobs, timeout, logs):
    """Every fault's selection on the unfaulted builds, each test once. ctest allows no more
    than nine groups in one regular expression, so the selections are listed one by one and
    their union is run by number."""
    problems = []
    for kind in sorted({fault.build for fault in faults}):
        chosen = [fault for fault in faults if fault.build == kind]
        listed = {regex: list_tests(work, kind, regex)
                  for regex in dict.fromkeys(fault.tests for fault in chosen)}
        numbers = sorted({number for tests in listed.values() for number in tests})
        for fault in chosen:
            if not listed[fault.tests]:
                problems.append(f"{fault.name}: 'tests: {fault.tests}' selects no test")
        if not numbers:
            continue
        say(f"running the {len(numbers)} tests of {len(chosen)} selections on the unfaulted "
            f"{kind} build")
        log = os.path.join(logs, f"baseline-{kind}.log")
        started = time.monotonic()
        selection = ["-I", "0,0,0," + ",".join(str(number) for number in numbers)]
        selected, failing = run_tests(work, kind, selection, jobs, timeout, log)
        if selected is None:
            raise SetupError(f"the unfaulted {kind} tests ran too long; see {log}")
        say(f"  ran in {time.monotonic() - started:.0f} s")
        for fault in chosen:
            bad = [name for name in failing if name in listed[fault.tests].values()]
            if bad:
                problems.append(f"{fault.name}: fails without the fault: "
                                f"{', '.join(short(name) for name in bad[:3])} (see {log})")
    return problems


def short(name):
    """A test's name without the parameter dump that gtest_discover_tests appends."""
    return name.split("  # GetParam()")[0]


def apply_and_test(fault, work, jobs, timeout, logs):
    """Returns (result, failing test names). The file is restored in every case."""
    path = os.path.join(work, fault.file)
    with open(path, "rb") as stream:
        original = stream.read()
    try:
        content = original.decode("utf-8")
        faulty = ("\n" + content).replace("\n" + hunk_text(fault.find),
                                          "\n" + hunk_text(fault.replace), 1)[1:]
        with open(path, "wb") as stream:
            stream.write(faulty.encode("utf-8"))
        safe = re.sub(r"[^A-Za-z0-9_.-]", "_", fault.name)
        directory = build_dir(work, fault.build)
        log = os.path.join(logs, f"{safe}.build.log")
        if run(["cmake", "--build", directory, "-j", str(jobs)], log) != 0:
            return "does not build", []
        log = os.path.join(logs, f"{safe}.test.log")
        selected, failing = run_tests(work, fault.build, ["-R", fault.tests], jobs, timeout,
                                      log)
        if selected is None:
            return "caught", ["(the test run was stopped after an hour)"]
        return ("caught", failing) if failing else ("MISSED", [])
    finally:
        # Byte for byte; the new modification time makes the next build recompile it.
        with open(path, "wb") as stream:
            stream.write(original)


def table(rows):
    lines = ["| fault | file | result | caught by |", "|---|---|---|---|"]
    for fault, result, failing, seconds in rows:
        caught_by = ", ".join(f"`{short(name)}`" for name in failing[:3])
        if len(failing) > 3:
            caught_by += f" (+{len(failing) - 3} more)"
        lines.append(f"| {fault.name} | {fault.file} | {result} ({seconds:.0f} s) | "
                     f"{caught_by.replace('|', '/')} |")
    counts = {}
    for _, result, _, _ in rows:
        counts[result] = counts.get(result, 0) + 1
    summary = ", ".join(f"{counts[key]} {key}" for key in ("caught", "MISSED", "does not build")
                        if key in counts)
    lines += ["", f"{len(rows)} faults: {summary or 'none run'}."]
    return "\n".join(lines) + "\n"


def terminate(signum, frame):
    raise KeyboardInterrupt(f"signal {signum}")


def main():
    parser = argparse.ArgumentParser(
        description="Applies one-hunk faults one at a time and reports which tests catch each.")
    parser.add_argument("--check", action="store_true", help="check the list only, build nothing")
    parser.add_argument("--list", default=os.path.join(REPO, "tools", "faults.txt"))
    parser.add_argument("--only", help="run only the faults whose name matches this regex")
    parser.add_argument("--work", default="/tmp/talvex-faults", help="the scratch checkout")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--timeout", type=int, default=180,
                        help="seconds per test without a timeout of its own")
    parser.add_argument("--out", help="also write the Markdown table here")
    options = parser.parse_args()
    if options.jobs < 1 or options.timeout < 1:
        parser.error("--jobs and --timeout must be at least 1")
    try:
        only = re.compile(options.only) if options.only else None
    except re.error as error:
        parser.error(f"--only: {error}")

    try:
        faults, problems = parse_list(options.list)
    except OSError as error:
        say(f"cannot read the list: {error}")
        return 2
    problems += check_faults(faults, REPO)
    if options.check:
        for problem in problems:
            say(problem)
        if problems:
            say(f"{len(problems)} problem(s) in {options.list}")
            return 1
        areas = {}
        for fault in faults:
            area = fault.file.split("/")[0]
            areas[area] = areas.get(area, 0) + 1
        say(f"{len(faults)} faults, all well-formed: " +
            ", ".join(f"{area} {count}" for area, count in sorted(areas.items())))
        return 0
    if problems:
        for problem in problems:
            say(problem)
        return 2
    if only:
        faults = [fault for fault in faults if only.search(fault.name)]
    if not faults:
        say("no fault matches --only")
        return 2

    signal.signal(signal.SIGTERM, terminate)
    work = os.path.realpath(options.work)
    try:
        prepare_worktree(work)
        problems = check_faults(faults, work)
        if problems:
            for problem in problems:
                say(problem)
            return 2
        logs = os.path.join(work, "fault-logs")
        os.makedirs(logs, exist_ok=True)
        for kind in sorted({fault.build for fault in faults}):
            configure_and_build(work, kind, options.jobs, logs)
        problems = baseline(faults, work, options.jobs, options.timeout, logs)
        if problems:
            for problem in problems:
                say(problem)
            return 2
        rows = []
        for index, fault in enumerate(faults, 1):
            say(f"[{index}/{len(faults)}] {fault.name} ({fault.file}, {fault.build})")
            started = time.monotonic()
            result, failing = apply_and_test(fault, work, options.jobs, options.timeout, logs)
            seconds = time.monotonic() - started
            shown = f": {', '.join(short(name) for name in failing[:3])}" if failing else ""
            say(f"  {result} in {seconds:.0f} s{shown}")
            rows.append((fault, result, failing, seconds))
        # Leaves the scratch build matching its sources for the next run.
        for kind in sorted({fault.build for fault in faults}):
            run(["cmake", "--build", build_dir(work, kind), "-j", str(options.jobs)])
    except SetupError as error:
        say(f"set-up failed: {error}")
        return 1
    except KeyboardInterrupt:
        say("interrupted; no file is left faulted")
        return 130
    report = table(rows)
    say("")
    say(report)
    if options.out:
        with open(options.out, "w", encoding="utf-8") as stream:
            stream.write(report)
        say(f"written to {options.out}")
    say(f"logs in {logs}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
