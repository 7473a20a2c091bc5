"""A private desktop for driving the real program as a person does.

A DesktopSession starts, for itself alone, a virtual X server (Xvfb), a session bus
(dbus-daemon), the accessibility bus (at-spi-bus-launcher) and a home folder with its
own XDG folders. Programs started in it are found through the accessibility bus by the
Spanish names of their windows, menus and buttons, and are worked with real X input
(xdotool) at the places the bus reports: a modal dialog holds back the bus's own
actions until it closes, real clicks never wait.

    with DesktopSession() as desktop:
        quenby = desktop.start_program(QUENBY)
        start = quenby.window("Wexmoor Arts Craftbox", role=pyatspi.ROLE_DIALOG)
        quenby.press(quenby.find(start, ROLE_PUSH_BUTTON, "Crear una tarjeta"))

Every process the session starts ends with it, whatever happens: it is killed when the
session closes, on SIGTERM or SIGINT, and by the kernel if this process dies first.
The accessibility library binds itself to the first session bus it meets, so one
process holds one session at a time.

A test built on it calls run_test(main): a Skip (no Xvfb, no bus, no pyatspi) ends it
with exit code 77, which CTest reports as skipped with the reason.
"""

import ctypes
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIPPED = 77

_PR_SET_PDEATHSIG = 1


class Skip(Exception):
    """The desktop cannot be had here; the reason says why."""


class Failure(Exception):
    """What the program did is not what a person expects."""


def _die_with_parent():
    # Runs in the child before exec: the child is ended when the session's process dies.
    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL, 0, 0, 0)


def _lock_holder(display):
    """The process id written in an X display's lock file, or None."""
    try:
        with open(f"/tmp/.X{display.lstrip(':')}-lock") as lock:
            return int(lock.read().strip())
    except (OSError, ValueError):
        return None


def _read_line(fd, timeout, what):
    """One line from a pipe that a starting server writes, within `timeout` seconds."""
    deadline = time.monotonic() + timeout
    data = b""
    os.set_blocking(fd, False)
    while not data.endswith(b"\n"):
        if time.monotonic() > deadline:
            raise Skip(f"{what} did not start within {timeout} s")
        try:
            chunk = os.read(fd, 256)
        except BlockingIOError:
            time.sleep(0.05)
            continue
        if not chunk:
            raise Skip(f"{what} ended before it was ready")
        data += chunk
    return data.decode().strip()


def _wait_for(condition, timeout, interval=0.1):
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            return None
        time.sleep(interval)


def wait_for(condition, timeout, what, interval=0.2):
    """The first true value of `condition()`; a Failure naming `what` after `timeout` s."""
    value = _wait_for(condition, timeout, interval)
    if not value:
        raise Failure(f"waited {timeout} s for {what}")
    return value


class DesktopSession:
    def __init__(self, screen="1600x1000x24", keep_folder=False):
        self.screen = screen
        self.keep_folder = keep_folder
        self.folder = None
        self.home = None
        self.env = None
        self._processes = []  # (description, Popen), in the order started
        self._old_handlers = {}
        self._atspi = None

    # ---- the session ----

    def __enter__(self):
        try:
            self.start()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def start(self):
        for tool in ("Xvfb", "dbus-daemon", "xdotool"):
            if not shutil.which(tool):
                raise Skip(f"{tool} is not installed")
        launcher = "/usr/libexec/at-spi-bus-launcher"
        if not os.access(launcher, os.X_OK):
            raise Skip("at-spi2-core is not installed (no at-spi-bus-launcher)")
        for number in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
            self._old_handlers[number] = signal.signal(number, self._on_signal)

        self.folder = tempfile.mkdtemp(prefix="quenby-desktop-")
        self.home = os.path.join(self.folder, "home")
        runtime = os.path.join(self.folder, "runtime")
        env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": self.home,
            "XDG_CONFIG_HOME": os.path.join(self.home, ".config"),
            "XDG_DATA_HOME": os.path.join(self.home, ".local", "share"),
            "XDG_CACHE_HOME": os.path.join(self.home, ".cache"),
            "XDG_RUNTIME_DIR": runtime,
            "LANG": "C.UTF-8",
        }
        for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"):
            if name in os.environ:
                env[name] = os.environ[name]
        for folder in (env["XDG_CONFIG_HOME"], env["XDG_DATA_HOME"], env["XDG_CACHE_HOME"]):
            os.makedirs(folder)
        os.makedirs(runtime, mode=0o700)
        self.env = env

        env["DISPLAY"] = self._start_x_server()

        # The session bus stays this process's child (no --fork), so that it cannot
        # outlive the session.
        read_end, write_end = os.pipe()
        self._start("dbus-daemon", ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                    f"--print-address={write_end}"], pass_fds=(write_end,))
        os.close(write_end)
        try:
            env["DBUS_SESSION_BUS_ADDRESS"] = _read_line(read_end, 30, "the session bus")
        finally:
            os.close(read_end)

        self._start("at-spi-bus-launcher", [launcher, "--launch-immediately"])
        if not _wait_for(self._accessibility_bus_address, 30):
            raise Skip("the accessibility bus did not start")

        # The accessibility library reads these when it is first imported.
        for name in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"):
            os.environ[name] = env[name]
        try:
            import pyatspi  # noqa: F401 -- imported only once the buses are there
        except ImportError:
            raise Skip("python3-pyatspi is not installed")
        self._atspi = sys.modules["pyatspi"]

    def _start_x_server(self, attempts=8):
        """Starts Xvfb on a free display and returns the display's name once it answers.

        The display is chosen at random well above the numbers desktops and other tools
        take first (":0" for a real desktop, ":99" down for xvfb-run): a server asked for
        the lowest free number can lose it to another server starting at the same moment,
        and its first client then meets the wrong one. A display whose lock another server
        holds makes Xvfb exit, and another number is tried."""
        rng = random.Random()
        for _ in range(attempts):
            display = f":{rng.randrange(300, 900)}"
            server = self._start("Xvfb", ["Xvfb", display, "-screen", "0", self.screen,
                                          "-nolisten", "tcp"])
            env = dict(self.env, DISPLAY=display)

            def answers():
                # Only our own server: the display's lock names the server that holds it.
                if server.poll() is not None or _lock_holder(display) != server.pid:
                    return False
                probe = subprocess.run(["xdotool", "getdisplaygeometry"], env=env,
                                       capture_output=True, timeout=10)
                return probe.returncode == 0
            if _wait_for(answers, 10, 0.2) and server.poll() is None:
                return display
            if server.poll() is None:
                server.kill()
            server.wait()
        raise Skip("no X server would start")

    def _accessibility_bus_address(self):
        answer = subprocess.run(
            ["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
             "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
            env=self.env, capture_output=True, text=True, timeout=10)
        return answer.returncode == 0 and answer.stdout.strip()

    def close(self):
        """Ends every process the session started, newest first, and removes its folder."""
        for _, process in reversed(self._processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for description, process in reversed(self._processes):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                try:
                    os.killpg(process.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                process.wait(timeout=5)
        self._processes.clear()
        for number, handler in self._old_handlers.items():
            signal.signal(number, handler)
        self._old_handlers.clear()
        if self.folder and not self.keep_folder:
            shutil.rmtree(self.folder, ignore_errors=True)

    def _on_signal(self, number, _frame):
        self.close()
        sys.exit(128 + number)

    def _start(self, description, command, env=None, pass_fds=(), stdout=None):
        # Each process leads a group of its own, so that what it starts ends with it.
        process = subprocess.Popen(
            command, env=env or self.env, pass_fds=pass_fds, start_new_session=True,
            preexec_fn=_die_with_parent, stdin=subprocess.DEVNULL,
            stdout=stdout if stdout is not None else subprocess.DEVNULL,
            stderr=subprocess.STDOUT if stdout is not None else subprocess.DEVNULL)
        self._processes.append((description, process))
        return process

    # ---- programs ----

    def start_program(self, program, *arguments, log=None, timeout=60, attempts=3):
        """Starts `program` with accessibility on and waits until the bus shows it.

        Now and then a program's first connection to a fresh Xvfb is refused although the
        server runs and answers other clients; such a start is tried again."""
        for attempt in range(1, attempts + 1):
            try:
                return self._start_program_once(program, arguments, log, timeout)
            except Failure as failure:
                if "could not connect to display" not in str(failure) or attempt == attempts:
                    raise
                time.sleep(1)

    def _start_program_once(self, program, arguments, log, timeout):
        env = dict(self.env)
        env.update({
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
            # The X libraries' own allocations would count as leaks at exit; the unit
            # tests check leaks, this is about the user's road.
            "ASAN_OPTIONS": ":".join(filter(None, [env.get("ASAN_OPTIONS"),
                                                   "detect_leaks=0"])),
        })
        # Without a log of its own, the program's words still go to a file, so that a
        # failed start can say why.
        log = log or os.path.join(self.folder, "program.log")
        with open(log, "wb") as log_file:
            process = self._start(os.path.basename(program), [program, *arguments], env=env,
                                  stdout=log_file)
        name = os.path.basename(program)
        # Stop waiting as soon as the program has ended.
        _wait_for(lambda: process.poll() is not None or self._application(name, process),
                  timeout, 0.2)
        application = self._application(name, process)
        if not application:
            if process.poll() is not None:
                with open(log, "rb") as told:
                    said = told.read()[-2000:].decode(errors="replace").strip()
                raise Failure(f"{name} ended at start (exit code {process.returncode})"
                              + (f": {said}" if said else ""))
            raise Skip(f"{name} did not show itself on the accessibility bus")
        return Program(self, process, application)

    def _application(self, name, process):
        if process.poll() is not None:
            return None
        desktop = self._atspi.Registry.getDesktop(0)
        for application in desktop:
            try:
                if application is not None and application.get_process_id() == process.pid:
                    return application
            except Exception:
                continue
        return None

    # ---- real input ----

    def xdotool(self, *arguments):
        """Runs xdotool on the session's display and returns what it prints."""
        return subprocess.run(["xdotool", *map(str, arguments)], env=self.env, check=True,
                              capture_output=True, text=True, timeout=30).stdout

    def click(self, x, y, button=1):
        self.xdotool("mousemove", "--sync", x, y)
        time.sleep(0.1)
        self.xdotool("click", button)

    def drag(self, start, end, steps=12):
        """Drags with the left button from `start` to `end` in small moves, as a hand does."""
        self.xdotool("mousemove", "--sync", *start)
        self.xdotool("mousedown", 1)
        for step in range(1, steps + 1):
            self.xdotool("mousemove", "--sync",
                         start[0] + (end[0] - start[0]) * step // steps,
                         start[1] + (end[1] - start[1]) * step // steps)
            time.sleep(0.03)
        self.xdotool("mouseup", 1)

    def key(self, *keys):
        self.xdotool("key", "--clearmodifiers", "--delay", "60", *keys)

    def type_text(self, text):
        self.xdotool("type", "--delay", "40", text)

    def screenshot(self, path, box=None):
        """Writes the screen, or only its part `box` (x, y, width, height), to `path`."""
        subprocess.run(["import", "-window", "root", *_crop(box), path], env=self.env,
                       check=True, timeout=60)

    def pixels(self, box):
        """The screen's pixels in `box` as (width, height, bytes of RGB triples)."""
        raw = subprocess.run(["import", "-window", "root", *_crop(box), "-depth", "8",
                              "ppm:-"], env=self.env, check=True, capture_output=True,
                             timeout=60).stdout
        _, width, height, rgb = read_netpbm(raw)
        return width, height, rgb

    def windows(self, pid=None):
        """The shown X windows, of the process `pid` or of all, as (id, (x, y, w, h))."""
        search = ["--pid", pid] if pid is not None else ["--name", ".*"]
        found = []
        # A search that finds nothing ends with exit code 1.
        listed = subprocess.run(["xdotool", "search", "--onlyvisible", *map(str, search)],
                                env=self.env, capture_output=True, text=True, timeout=30)
        for window in listed.stdout.split():
            shell = self.xdotool("getwindowgeometry", "--shell", window)
            values = dict(line.split("=", 1) for line in shell.split() if "=" in line)
            found.append((window, tuple(int(values.get(k, 0))
                                        for k in ("X", "Y", "WIDTH", "HEIGHT"))))
        return found


class Program:
    """A program of the session, seen through the accessibility bus."""

    def __init__(self, session, process, application):
        self.session = session
        self.process = process
        self.application = application
        self.atspi = session._atspi

    @property
    def running(self):
        return self.process.poll() is None

    def windows(self):
        return [w for w in self.application if w is not None]

    def window(self, name, role=None, timeout=30):
        """The top-level window called `name` (and of `role`), once it shows."""
        def shown():
            self._check_running()
            for window in self.windows():
                if _name(window) == name and (role is None or window.getRole() == role) \
                        and self.is_showing(window):
                    return window
            return None
        found = _wait_for(shown, timeout, 0.2)
        if not found:
            raise Failure(f"no window '{name}' within {timeout} s; windows: "
                          f"{[_name(w) for w in self.windows()]}")
        return found

    def has_window(self, name, role=None):
        return any(_name(w) == name and (role is None or w.getRole() == role)
                   and self.is_showing(w) for w in self.windows())

    def wait_window_gone(self, name, role=None, timeout=30):
        if not _wait_for(lambda: not self.has_window(name, role), timeout, 0.2):
            raise Failure(f"the window '{name}' is still there after {timeout} s")

    def find(self, root, role, name=None, timeout=10, contains=False, showing=False):
        """The first descendant of `root` of `role` whose name is `name`.

        `role` may also be a tuple of roles, or None for any; with `showing`, only what
        is on the screen counts."""
        roles = (role,) if role is not None and not isinstance(role, tuple) else role

        def match(accessible):
            if accessible is None or (roles is not None and accessible.getRole() not in roles):
                return False
            if showing and not accessible.getState().contains(self.atspi.STATE_SHOWING):
                return False
            if name is None:
                return True
            text = _name(accessible)
            return name in text if contains else text == name

        def look():
            self._check_running()
            return self.atspi.findDescendant(root, match)
        found = _wait_for(look, timeout, 0.2)
        if not found:
            raise Failure(f"no {role} named '{name}' in '{_name(root)}' within {timeout} s")
        return found

    def all(self, root, predicate):
        return self.atspi.findAllDescendants(root, predicate)

    def extents(self, accessible):
        """Where `accessible` is on the screen: (x, y, width, height)."""
        box = accessible.queryComponent().getExtents(self.atspi.DESKTOP_COORDS)
        return box.x, box.y, box.width, box.height

    def centre(self, accessible):
        x, y, width, height = self.extents(accessible)
        if width <= 0 or height <= 0:
            raise Failure(f"'{_name(accessible)}' has no place on the screen")
        return x + width // 2, y + height // 2

    def press(self, accessible):
        """Clicks the middle of the control, as a person would."""
        x, y = self.centre(accessible)
        self.session.click(x, y)

    def largest_window(self):
        """The X window id of the program's largest window (its main frame)."""
        best, best_area = None, 0
        for window, (_, _, width, height) in self.session.windows(self.process.pid):
            area = width * height
            if area > best_area:
                best, best_area = window, area
        if best is None:
            raise Failure("the program shows no window")
        return best

    def focus_largest_window(self):
        """Gives the keyboard to the program's largest window (its main frame).

        Without a window manager nothing hands the focus back when a dialog closes, as
        a person's click on the window would on a desktop."""
        self.session.xdotool("windowfocus", "--sync", self.largest_window())

    def is_showing(self, accessible):
        states = accessible.getState()
        return states.contains(self.atspi.STATE_SHOWING) and \
            states.contains(self.atspi.STATE_VISIBLE)

    def wait_exit(self, timeout=30):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"the program is still running after {timeout} s")

    def _check_running(self):
        if not self.running:
            raise Failure(f"the program ended (exit code {self.process.returncode})")

    def descendants(self, root, predicate):
        """Like all(), passing over the children the bus cannot hand out (an item view
        that is not shown, such as the file dialog's list beside its detail view, counts
        children it then reports as None)."""
        found = []
        pending = [root]
        while pending:
            accessible = pending.pop()
            try:
                count = accessible.childCount
            except Exception:
                continue
            for index in range(count):
                try:
                    child = accessible.getChildAtIndex(index)
                except Exception:
                    child = None
                if child is None:
                    continue
                if predicate(child):
                    found.append(child)
                pending.append(child)
        return found


def _name(accessible):
    # Some of the program's titles end in a blank; nobody hears it.
    try:
        return (accessible.name or "").strip()
    except Exception:
        return ""


def _crop(box):
    if box is None:
        return []
    x, y, width, height = box
    return ["-crop", f"{width}x{height}+{x}+{y}", "+repage"]


def accessible_name(accessible):
    return _name(accessible)


def run_test(main):
    """Runs `main()` and turns its outcome into the exit codes CTest reads."""
    try:
        main()
    except Skip as skip:
        print(f"SKIP: {skip}")
        sys.exit(SKIPPED)
    except Failure as failure:
        print(f"FAIL: {failure}")
        sys.exit(1)
    print("passed")


def keep_failure_screen(desktop, folder):
    """Keeps the screen as FOLDER/failure.png (with a folder given), to show what the
    program showed when a road failed."""
    if not folder:
        return
    os.makedirs(folder, exist_ok=True)
    try:
        desktop.screenshot(os.path.join(folder, "failure.png"))
    except Exception:
        pass


def run_keeping_screen(desktop, folder, road, *arguments):
    """Runs `road(desktop, *arguments)`; when it fails, the screen is kept first."""
    try:
        road(desktop, *arguments)
    except Failure:
        keep_failure_screen(desktop, folder)
        raise


def read_netpbm(raw):
    """A binary PPM (P6) or PGM (P5) picture as (magic, width, height, pixel bytes)."""
    # The header: magic, width, height and maximum, each ended by one blank.
    header, at = [], 0
    while len(header) < 4:
        while raw[at:at + 1].isspace():
            at += 1
        end = at
        while not raw[end:end + 1].isspace():
            end += 1
        if end == at:
            raise ValueError("not a PPM or PGM picture")
        header.append(raw[at:end])
        at = end
    return header[0].decode(), int(header[1]), int(header[2]), raw[at + 1:]
