"""A private X display and session bus on which Memoquill is used as a person would use it.

Input goes through the X server (xdotool, which uses the XTest extension); what the windows show
is read back from the X server (window titles, visibility) and from the accessibility tree
(AT-SPI), never from inside the program.

Everything started here runs with a temporary HOME and XDG_RUNTIME_DIR, dies with this process
(setpriv --pdeathsig) and is stopped by Desktop.close(): a failed, interrupted or killed run
leaves no process behind and touches none of the user's files.
"""

import ctypes
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

# Package names that tools/setup installs, for the message when a program is missing.
NEEDED = {
    "Xvfb": "xvfb",
    "xdotool": "xdotool",
    "xclip": "xclip",
    "dbus-daemon": "dbus-daemon",
    "setpriv": "util-linux",
    "/usr/libexec/at-spi-bus-launcher": "at-spi2-core",
}

_libc = ctypes.CDLL(None, use_errno=True)
_PR_SET_CHILD_SUBREAPER = 36


def _raise_exit(signal_number, _frame):
    raise SystemExit(128 + signal_number)


class Timeout(AssertionError):
    pass


def wait_for(condition, what, timeout=10.0, interval=0.02):
    """Polls condition() until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = condition()
            if value:
                return value
        except Exception as error:  # the tree or a window changing under us: poll again
            last_error = error
        if time.monotonic() >= deadline:
            detail = f" (last error: {last_error!r})" if last_error else ""
            raise Timeout(f"timed out after {timeout:g}s waiting for {what}{detail}")
        time.sleep(interval)


def run_steps(steps, diagnose):
    """Runs the (title, step) pairs in order, timing each; on a failure runs diagnose()."""
    for number, (title, step) in enumerate(steps, 1):
        step_started = time.monotonic()
        try:
            step()
        except Exception:
            print(f"step {number} ({title}) failed", file=sys.stderr)
            diagnose()
            raise
        print(f"step {number} ({title}): {time.monotonic() - step_started:.1f}s")


def run_walk(name, make_walk, prepare=None):
    """The main() of a walk: argv[1] is the program; make_walk(desktop, program) builds the
    walk, whose steps() it runs on a fresh desktop after prepare(desktop), if given. On a
    failure it runs the walk's diagnose(), or, for a walk without one, reports the screen and
    the log of the walk's desktop d and program log."""
    if len(sys.argv) != 2:
        sys.exit(sys.modules["__main__"].__doc__)
    program = os.path.abspath(sys.argv[1])
    started = time.monotonic()
    with Desktop() as desktop:
        desktop.use_in_this_process()
        if prepare:
            prepare(desktop)
        walk = make_walk(desktop, program)
        diagnose = getattr(walk, "diagnose", None) or \
            (lambda: report_failure(walk.d, walk.log, name.replace(" ", "_")))
        run_steps(walk.steps(), diagnose)
    print(f"{name} passed in {time.monotonic() - started:.1f}s")


def report_failure(desktop, log, name):
    """What to look at after a failure: the screen, saved as NAME-failure.png, and what the
    program printed to log."""
    shot = os.path.abspath(f"{name}-failure.png")
    try:
        subprocess.run(["import", "-window", "root", shot], env=desktop.env, timeout=30,
                       check=True)
        print(f"screen at the failure: {shot}", file=sys.stderr)
    except (subprocess.SubprocessError, OSError):
        pass
    log.seek(0)
    messages = log.read().decode(errors="replace").strip()
    if messages:
        print("Memoquill's messages:\n" + messages, file=sys.stderr)


class Desktop:
    """Xvfb on a free display number, a private D-Bus session with the accessibility bus, and
    the programs started on them."""

    def __init__(self, screen="1280x1024x24"):
        missing = [f"{tool} (package {package})" for tool, package in NEEDED.items()
                   if not shutil.which(tool)]
        if missing:
            raise RuntimeError("missing: " + ", ".join(missing) + "; run tools/setup")
        # Services that D-Bus starts on demand are orphaned when the bus ends: they become
        # this process's children instead of init's, so close() can reap them.
        _libc.prctl(_PR_SET_CHILD_SUBREAPER, 1)
        # A stop request (ctest's timeout, Ctrl+C) unwinds through close() too.
        for stop in (signal.SIGTERM, signal.SIGHUP):
            signal.signal(stop, _raise_exit)
        self.root = tempfile.mkdtemp(prefix="memoquill-desktop-")
        self._processes = []
        try:
            self.home = os.path.join(self.root, "home")
            runtime = os.path.join(self.root, "runtime")
            os.makedirs(self.home)
            os.makedirs(runtime, mode=0o700)
            self.env = {
                "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
                "HOME": self.home,
                "XDG_RUNTIME_DIR": runtime,
                "XDG_CONFIG_HOME": os.path.join(self.home, ".config"),
                "XDG_CACHE_HOME": os.path.join(self.home, ".cache"),
                "XDG_DATA_HOME": os.path.join(self.home, ".local", "share"),
                "LANG": "C.UTF-8",
                "LC_ALL": "C.UTF-8",
                # Marks every process of this desktop, also those D-Bus starts on demand.
                "MEMOQUILL_DESKTOP": self.root,
            }
            self.display = self._start_xvfb(screen)
            self.env["DISPLAY"] = self.display
            self._start_session_bus()
        except BaseException:
            self.close()
            raise

    # -- processes -----------------------------------------------------------------------------

    def spawn(self, argv, extra_env=None, **kwargs):
        env = dict(self.env)
        env.update(extra_env or {})
        # Its own session, so one signal reaches the program and its children; SIGTERM when
        # this script ends for any reason, ctest's SIGKILL at a timeout included.
        process = subprocess.Popen(["setpriv", "--pdeathsig", "TERM", "--", *argv], env=env,
                                   start_new_session=True, **kwargs)
        self._processes.append(process)
        return process

    def _start_xvfb(self, screen):
        read_end, write_end = os.pipe()
        try:
            self.spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen,
                        "-nolisten", "tcp", "-noreset"],
                       pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
            os.close(write_end)
            write_end = -1
            # Xvfb writes the display number once it accepts connections.
            number = b""
            while not number.endswith(b"\n"):
                chunk = os.read(read_end, 16)
                if not chunk:
                    raise RuntimeError("Xvfb ended before it reported its display")
                number += chunk
            return ":" + number.decode().strip()
        finally:
            os.close(read_end)
            if write_end >= 0:
                os.close(write_end)

    def _start_session_bus(self):
        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile",
                          "--print-address=1"],
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        address = bus.stdout.readline().decode().strip()
        if not address:
            raise RuntimeError("dbus-daemon did not report its address")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

    def use_in_this_process(self):
        """Points this process at the desktop, for xdotool and the accessibility library."""
        os.environ.update({key: self.env[key] for key in
                           ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR")})

    def _marked_processes(self):
        mark = f"MEMOQUILL_DESKTOP={self.root}".encode() + b"\0"
        found = []
        for entry in os.listdir("/proc"):
            if not entry.isdigit() or int(entry) == os.getpid():
                continue
            try:
                with open(f"/proc/{entry}/environ", "rb") as environ:
                    if mark in environ.read():
                        found.append(int(entry))
            except OSError:
                pass
        return found

    @staticmethod
    def _reap():
        while True:
            try:
                pid, _ = os.waitpid(-1, os.WNOHANG)
            except ChildProcessError:
                return
            if pid == 0:
                return

    def close(self):
        """Stops every process of this desktop and removes its files."""
        for process in reversed(self._processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for process in reversed(self._processes):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
            if process.stdout:
                process.stdout.close()
        # Services the bus started on demand (the accessibility bus and registry) were not
        # started here: find them by the mark in their environment.
        for attempt in range(50):
            left = self._marked_processes()
            if not left:
                break
            for pid in left:
                try:
                    os.kill(pid, signal.SIGTERM if attempt < 25 else signal.SIGKILL)
                except ProcessLookupError:
                    pass
            time.sleep(0.1)
            self._reap()
        self._reap()
        self._processes.clear()
        shutil.rmtree(self.root, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    # -- the X server -------------------------------------------------------------------------

    def xdotool(self, *args, check=True):
        result = subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True,
                                text=True, timeout=20)
        if check and result.returncode != 0:
            raise RuntimeError(f"xdotool {' '.join(map(str, args))}: {result.stderr.strip()}")
        return result.stdout

    def visible_windows(self, title):
        """Ids of the mapped windows titled exactly title."""
        result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                                 "^" + re.escape(title) + "$"],
                                env=self.env, capture_output=True, text=True, timeout=20)
        return [int(line) for line in result.stdout.split()]

    def window(self, title, timeout=10.0):
        """Waits for exactly one visible window titled title and returns its id."""
        ids = wait_for(lambda: self.visible_windows(title), f"window '{title}'", timeout)
        if len(ids) != 1:
            raise AssertionError(f"{len(ids)} windows titled '{title}' are shown")
        return ids[0]

    def window_gone(self, title, timeout=10.0):
        wait_for(lambda: not self.visible_windows(title), f"window '{title}' to go", timeout)

    def focus(self, window):
        """Gives a window the keyboard focus, as a window manager would on a click."""
        self.xdotool("windowfocus", "--sync", window)

    def geometry(self, window):
        """The window's x, y, width and height on the screen."""
        values = dict(re.findall(r"^(\w+)=(-?\d+)$",
                                 self.xdotool("getwindowgeometry", "--shell", window), re.M))
        return tuple(int(values[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))

    def key(self, *keys):
        self.xdotool("key", "--clearmodifiers", *keys)

    def type(self, text):
        self.xdotool("type", "--delay", "8", "--", text)

    def click(self, x, y):
        # The server handles XTest events in order: the press lands where the pointer went.
        self.xdotool("mousemove", int(x), int(y), "click", "1")

    def clipboard(self):
        result = subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.env,
                                capture_output=True, timeout=10)
        return result.stdout.decode("utf-8") if result.returncode == 0 else None

    def set_clipboard(self, text):
        """Puts text on the clipboard as another program would, which then holds it."""
        # In the foreground, so it stays a child of this desktop until another program takes
        # the clipboard over.
        holder = self.spawn(["xclip", "-quiet", "-selection", "clipboard", "-i"],
                            stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
        holder.stdin.write(text.encode("utf-8"))
        holder.stdin.close()
        wait_for(lambda: self.clipboard() == text, "the clipboard to hold the text")

    def screenshot(self, window, path):
        """Saves the window, as shown on the screen, as a PNG."""
        subprocess.run(["import", "-window", str(window), path], env=self.env, check=True,
                       timeout=30)


class AccessibilityTree:
    """One program's accessibility tree, as a screen reader sees it over AT-SPI."""

    def __init__(self, pid):
        # Imported here: the library connects to the session bus of the environment it finds.
        import pyatspi
        self._pyatspi = pyatspi
        self.pid = pid

    def application(self):
        desktop = self._pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.get_process_id() == self.pid:
                return app
        return None

    def window(self, title, timeout=10.0):
        """Waits for the program's showing top-level window titled title."""
        def find():
            app = self.application()
            for index in range(app.childCount if app else 0):
                window = app.getChildAtIndex(index)
                if window is not None and window.name == title and self.showing(window):
                    return window
            return None
        return wait_for(find, f"'{title}' in the accessibility tree", timeout)

    def showing(self, node):
        return node.getState().contains(self._pyatspi.STATE_SHOWING)

    def enabled(self, node):
        return node.getState().contains(self._pyatspi.STATE_ENABLED)

    def find_all(self, root, role=None, name=None):
        found = []
        stack = [root]
        while stack:
            node = stack.pop()
            if node is None:
                continue
            if (role is None or node.getRoleName() == role) and (name is None
                                                                  or node.name == name):
                found.append(node)
            stack.extend(node.getChildAtIndex(i) for i in reversed(range(node.childCount)))
        return found

    def find(self, root, role, name):
        """The one node of root's tree with this role and name."""
        found = self.find_all(root, role, name)
        if len(found) != 1:
            raise AssertionError(f"{len(found)} {role} nodes named '{name}' under "
                                 f"'{root.name}'")
        return found[0]

    def text(self, node):
        return node.queryText().getText(0, -1)

    def children_names(self, node):
        return [node.getChildAtIndex(i).name for i in range(node.childCount)]

    def center(self, node):
        box = node.queryComponent().getExtents(self._pyatspi.DESKTOP_COORDS)
        return box.x + box.width // 2, box.y + box.height // 2
