"""A client for one Go Text Protocol (version 2) engine run as a child process.

Used by gtp_match.py. Every read from the engine has a deadline, the
engine's standard error is kept (its last lines explain a crash), and every engine started
here is killed when the tool exits, however it exits.
"""

import atexit
import collections
import os
import re
import selectors
import shlex
import signal
import subprocess
import sys
import threading
import time

COLUMNS = "ABCDEFGHJKLMNOPQRST"  # GTP skips I

_running = set()


class EngineFailure(Exception):
    """The engine could not answer: it died, timed out, or broke the protocol's framing."""


def _kill_all():
    for engine in list(_running):
        engine.kill()


def install_cleanup():
    """Kills every engine on exit, on Ctrl-C and on SIGTERM (as a timeout in CTest sends)."""
    atexit.register(_kill_all)

    def on_term(signum, _frame):
        _kill_all()
        # Exit through SystemExit so that finally blocks and atexit handlers still run.
        sys.exit(128 + signum)

    signal.signal(signal.SIGTERM, on_term)
    if hasattr(signal, "SIGHUP"):
        signal.signal(signal.SIGHUP, on_term)


class Response:
    """One reply: ok is False for a '?' reply; text has the id and the '=' or '?' cut off."""

    def __init__(self, ok, text):
        self.ok = ok
        self.text = text

    def __repr__(self):
        return ("= " if self.ok else "? ") + self.text


_HEAD = re.compile(r"([=?])(\d*)(?:[ \t\n](.*))?\Z", re.S)


class GtpEngine:
    def __init__(self, command, label=None, timeout=10.0, stderr_lines=30):
        self.argv = shlex.split(command) if isinstance(command, str) else list(command)
        if not self.argv:
            raise ValueError("empty engine command")
        self.label = label or os.path.basename(self.argv[0])
        self.timeout = timeout
        self._stderr_tail = collections.deque(maxlen=stderr_lines)
        self._buffer = b""
        self._next_id = 1
        try:
            # Engines get no terminal: a Ctrl-C reaches them only through our cleanup.
            self.proc = subprocess.Popen(
                self.argv,
                stdin=subprocess.PIPE,
                stdout=subprocess.PIPE,
                stderr=subprocess.PIPE,
                start_new_session=True,
            )
        except OSError as error:
            raise EngineFailure(f"{self.label}: cannot start {self.argv[0]!r}: {error.strerror}")
        _running.add(self)
        # Standard error is drained all the time, so that a chatty engine never blocks on it.
        self._stderr_thread = threading.Thread(target=self._drain_stderr, daemon=True)
        self._stderr_thread.start()
        self._selector = selectors.DefaultSelector()
        self._selector.register(self.proc.stdout, selectors.EVENT_READ)

    def _drain_stderr(self):
        for line in iter(self.proc.stderr.readline, b""):
            self._stderr_tail.append(line.decode("utf-8", "replace").rstrip("\n"))
        self.proc.stderr.close()

    def stderr_tail(self):
        """The engine's last lines of standard error, for failure messages."""
        self._stderr_thread.join(timeout=0.5)
        return list(self._stderr_tail)

    def _describe_death(self):
        try:
            status = self.proc.wait(timeout=2)
        except subprocess.TimeoutExpired:
            return "closed its output"
        if status < 0:
            try:
                name = signal.Signals(-status).name
            except ValueError:
                name = f"signal {-status}"
            return f"was killed by {name}"
        return f"exited with status {status}"

    def _fail(self, message):
        self.kill()
        tail = self.stderr_tail()
        detail = "".join(f"\n    stderr: {line}" for line in tail[-10:])
        raise EngineFailure(f"{self.label}: {message}{detail}")

    def _read_reply(self, command, deadline, seconds):
        """Reads up to the empty line that ends a reply; returns its text without the end."""
        while True:
            # A reply ends with two newlines; carriage returns are tolerated and dropped.
            normalised = self._buffer.replace(b"\r", b"")
            end = normalised.find(b"\n\n")
            if end >= 0:
                self._buffer = normalised[end + 2 :]
                return normalised[:end].decode("utf-8", "replace")
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                self._fail(f"no complete reply to {command!r} within {seconds:g} s")
            if not self._selector.select(remaining):
                continue
            chunk = os.read(self.proc.stdout.fileno(), 65536)
            if not chunk:
                how = self._describe_death()
                got = f" (partial reply {normalised.decode('utf-8', 'replace')!r})" if normalised else ""
                self._fail(f"{how} while answering {command!r}{got}")
            self._buffer += chunk

    def send(self, command, timeout=None, with_id=None):
        """Sends one command and returns its Response.

        with_id: None numbers the command itself, False sends no id, an int sends that id.
        The echoed id is checked. Raises EngineFailure on death, timeout or bad framing.
        """
        if self.proc.poll() is not None:
            self._fail(f"{self._describe_death()} before {command!r}")
        if with_id is None:
            with_id = self._next_id
            self._next_id += 1
        line = command if with_id is False else f"{with_id} {command}"
        try:
            self.proc.stdin.write(line.encode() + b"\n")
            self.proc.stdin.flush()
        except (BrokenPipeError, OSError):
            self._fail(f"{self._describe_death()} before reading {command!r}")
        seconds = self.timeout if timeout is None else timeout
        raw = self._read_reply(command, time.monotonic() + seconds, seconds)
        # Anything before the reply's first line (stray blank lines) is not part of it.
        raw = raw.lstrip("\n")
        head = _HEAD.match(raw)
        if not head:
            self._fail(f"reply to {command!r} does not start with '=' or '?': {raw[:200]!r}")
        sign, echoed, text = head.group(1), head.group(2), head.group(3) or ""
        expected = "" if with_id is False else str(with_id)
        if echoed != expected:
            self._fail(f"reply to {command!r} carries id {echoed or 'none'!r}, expected {expected or 'none'!r}")
        return Response(sign == "=", text.strip())

    def close(self, timeout=5.0):
        """Sends quit and waits for the engine to exit; returns its exit status, or None when
        it had to be killed. The quit reply itself must arrive."""
        status = None
        try:
            if self.proc.poll() is None:
                self.send("quit", timeout=timeout)
            status = self.proc.wait(timeout=timeout)
        except (EngineFailure, subprocess.TimeoutExpired):
            status = None
        finally:
            self.kill()
        return status

    def kill(self):
        if self.proc.poll() is None:
            try:
                os.killpg(self.proc.pid, signal.SIGKILL)
            except (ProcessLookupError, PermissionError):
                self.proc.kill()
        try:
            self.proc.wait(timeout=5)
        except subprocess.TimeoutExpired:
            pass
        for stream in (self.proc.stdin, self.proc.stdout):
            try:
                stream.close()
            except OSError:
                pass
        try:
            self._selector.close()
        except (OSError, AttributeError):
            pass
        _running.discard(self)


def parse_vertex(text):
    """'D4' -> (column 0..18, row 1..19); 'pass' -> 'pass'; anything else -> None."""
    text = text.strip().lower()
    if text == "pass":
        return "pass"
    match = re.fullmatch(r"([a-hj-t])(\d{1,2})", text)
    if not match:
        return None
    row = int(match.group(2))
    if not 1 <= row <= 19:
        return None
    return COLUMNS.index(match.group(1).upper()), row
