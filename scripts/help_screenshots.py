"""Takes the help's screenshots from the real program.

Run through scripts/help-screenshots.sh, which gives it a virtual X server and a session
bus. It starts the accessibility bus, starts `quenby` with a private home folder, and
works it as a person does: real X clicks and keys (xdotool) at the places the
accessibility bus reports for the Spanish names of windows, menus and buttons. Each
picture is cut from the screen (ImageMagick), made at most 800 pixels wide and written
into the help folder.

    help_screenshots.py BUILD_DIR HELP_DIR [--explore] [--only STEP]

--explore prints the accessible tree of each window the road meets (the names a step
can look for); --only runs one step of the road (first_sight, card, poster, calendar,
template) from the start screen.
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

MAX_WIDTH = 800
CONVERT = "/usr/bin/convert"  # ImageMagick's own, whatever stands first on PATH


class Failure(Exception):
    pass


def wait_for(condition, timeout=20, what="the program"):
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"waited {timeout} s for {what}")
        time.sleep(0.2)


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True,
                          text=True).stdout


class Desktop:
    """The accessibility bus of the running X display, and real input into it."""

    def __init__(self, folder):
        self.folder = folder
        self.processes = []
        launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                    start_new_session=True)
        self.processes.append(launcher)
        wait_for(self._accessibility_bus, what="the accessibility bus")
        import pyatspi  # only once the bus is there: it binds to it on import
        self.atspi = pyatspi

    def _accessibility_bus(self):
        answer = subprocess.run(["dbus-send", "--session", "--print-reply=literal",
                                 "--dest=org.a11y.Bus", "/org/a11y/bus",
                                 "org.a11y.Bus.GetAddress"], capture_output=True, text=True)
        return answer.returncode == 0 and answer.stdout.strip()

    def start(self, program, env):
        process = subprocess.Popen([program], env=env, start_new_session=True)
        self.processes.append(process)
        return process

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                os.killpg(process.pid, signal.SIGTERM)
        for process in reversed(self.processes):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()

    # ---- the program's accessible objects ----

    def application(self, pid):
        def found():
            for app in self.atspi.Registry.getDesktop(0):
                if app is not None and app.get_process_id() == pid:
                    return app
            return None
        return wait_for(found, what="the program on the accessibility bus")

    def window(self, app, name, timeout=20, role=None):
        """The showing top-level window called `name`."""
        def found():
            for window in app:
                if window is not None and window.name == name and self.showing(window) \
                        and (role is None or window.getRole() == role):
                    return window
            return None
        return wait_for(found, timeout, what=f'the window "{name}"')

    def find(self, root, name, roles=None, timeout=5):
        def found():
            match = self.atspi.findDescendant(
                root, lambda a: a is not None and a.name == name and self.showing(a)
                and (roles is None or a.getRole() in roles))
            return match
        return wait_for(found, timeout, what=f'"{name}" in "{root.name}"')

    def showing(self, accessible):
        return accessible.getState().contains(self.atspi.STATE_SHOWING)

    def extents(self, accessible):
        box = accessible.queryComponent().getExtents(self.atspi.DESKTOP_COORDS)
        return box.x, box.y, box.width, box.height

    # ---- input ----

    def click(self, x, y, button=1, double=False):
        xdotool("mousemove", "--sync", x, y)
        time.sleep(0.15)
        xdotool("click", *(["--repeat", 2, "--delay", 80] if double else []), button)
        time.sleep(0.4)

    def press(self, accessible, button=1, double=False):
        x, y, w, h = self.extents(accessible)
        self.click(x + w // 2, y + h // 2, button, double)

    def drag(self, start, end):
        xdotool("mousemove", "--sync", *start)
        xdotool("mousedown", 1)
        steps = 12
        for i in range(1, steps + 1):
            x = start[0] + (end[0] - start[0]) * i // steps
            y = start[1] + (end[1] - start[1]) * i // steps
            xdotool("mousemove", "--sync", x, y)
            time.sleep(0.03)
        xdotool("mouseup", 1)
        time.sleep(0.4)

    def keys(self, *names):
        xdotool("key", "--delay", 60, *names)
        time.sleep(0.4)

    def type(self, text):
        xdotool("type", "--delay", 40, text)
        time.sleep(0.3)


class Shots:
    """Pictures cut from the screen into the help folder."""

    def __init__(self, folder):
        self.folder = folder
        self.taken = []

    def take(self, name, box, margin=0):
        x, y, w, h = box
        x, y = max(0, x - margin), max(0, y - margin)
        w, h = w + 2 * margin, h + 2 * margin
        time.sleep(0.6)  # let the last repaint reach the screen
        target = os.path.join(self.folder, name)
        with tempfile.NamedTemporaryFile(suffix=".png") as raw:
            subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "+repage",
                            raw.name], check=True)
            resize = [] if w <= MAX_WIDTH else ["-filter", "Lanczos", "-resize", f"{MAX_WIDTH}x"]
            subprocess.run([CONVERT, raw.name, *resize, "-strip", "-define",
                            "png:compression-level=9", "-define", "png:exclude-chunks=date,time",
                            target], check=True)
        self.taken.append(name)
        print(f"{name}: {w}x{h} → {os.path.getsize(target) // 1024} KiB", flush=True)


def union(*boxes):
    left = min(b[0] for b in boxes)
    top = min(b[1] for b in boxes)
    right = max(b[0] + b[2] for b in boxes)
    bottom = max(b[1] + b[3] for b in boxes)
    return left, top, right - left, bottom - top


def popup_at(point):
    """The box of the shown X window whose top-left corner is at `point` (a pop-up menu
    opens there), or None."""
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", ".*"],
                         capture_output=True, text=True).stdout.split()
    for window in ids:
        shell = xdotool("getwindowgeometry", "--shell", window)
        values = dict(line.split("=", 1) for line in shell.split())
        box = tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))
        if abs(box[0] - point[0]) <= 2 and abs(box[1] - point[1]) <= 2 and box[2] < 600:
            return box
    return None


def handle_squares(box):
    """The centres, on the screen, of the solid black squares in `box` at least 5 pixels
    across: the handles of the selected elements."""
    width, height, data = screen_pixels(box)
    black = re.compile(rb"(?:\x00\x00\x00){5,}")
    runs = []
    for row in range(height):
        line = data[row * width * 3:(row + 1) * width * 3]
        runs.append({(m.start() // 3, m.end() // 3) for m in black.finditer(line)
                     if m.start() % 3 == 0})
    centres = []
    for row in range(height - 4):
        for start, end in runs[row]:
            if end - start > 12 or (row and (start, end) in runs[row - 1]):
                continue
            if all((start, end) in runs[row + k] for k in range(1, 5)):
                centres.append((box[0] + (start + end) // 2, box[1] + row + 2))
    return centres


def screen_pixels(box):
    """The screen's pixels in `box` as (width, height, bytes of RGB triples)."""
    x, y, w, h = box
    raw = subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "+repage",
                          "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
    # P6 header: magic, width, height and maximum, each ended by one blank.
    header, at = [], 0
    while len(header) < 4:
        while raw[at:at + 1].isspace():
            at += 1
        end = at
        while not raw[end:end + 1].isspace():
            end += 1
        header.append(raw[at:end])
        at = end
    width, height = int(header[1]), int(header[2])
    return width, height, raw[at + 1:]


def white_area(box):
    """The bounding box, on the screen, of the pure white pixels in `box`: the face or
    page that the page view shows on its grey desk."""
    width, height, data = screen_pixels(box)
    left, top, right, bottom = width, height, -1, -1
    for row in range(0, height):
        line = data[row * width * 3:(row + 1) * width * 3]
        columns = [c for c in range(0, width, 2) if line[3 * c:3 * c + 3] == b"\xff\xff\xff"]
        if columns:
            top, bottom = min(top, row), row
            left, right = min(left, columns[0]), max(right, columns[-1])
    if right < 0:
        raise Failure("no page on the screen")
    return box[0] + left, box[1] + top, right - left + 1, bottom - top + 1


class Road:
    """The road a parent takes through the program, with a picture at each sight the
    help shows."""

    def __init__(self, desktop, app, shots, folder, explore):
        self.d = desktop
        self.app = app
        self.shots = shots
        self.folder = folder
        self.explore = explore
        roles = desktop.atspi
        self.BUTTON = (roles.ROLE_PUSH_BUTTON, roles.ROLE_TOGGLE_BUTTON, roles.ROLE_RADIO_BUTTON,
                       roles.ROLE_CHECK_BOX)

    def show(self, accessible):
        if self.explore:
            dump(accessible, limit=12)

    # ---- the program's windows ----

    def frame(self):
        # The only frame; its title becomes the document's name once it has one.
        def found():
            for window in self.app:
                if window is not None and window.getRole() == self.d.atspi.ROLE_FRAME:
                    return window
            return None
        return wait_for(found, what="the main window")

    def start_screen(self):
        return self.d.window(self.app, "Wexmoor Arts Craftbox", role=self.d.atspi.ROLE_DIALOG)

    def menu(self, *path):
        """Chooses a menu item: menu("Fichero", "Guardar como...")."""
        frame = self.frame()
        item = self.d.find(frame, path[0], (self.d.atspi.ROLE_MENU_ITEM,))
        self.d.press(item)
        for name in path[1:]:
            item = self.d.find(item, name)
            self.d.press(item)

    def button(self, window, name):
        self.d.press(self.d.find(window, name, self.BUTTON))

    def view(self):
        """The page view's client area: the scroll area's first part, beside its bars."""
        scroll_bar = self.d.atspi.ROLE_SCROLL_BAR
        for area in self.frame():
            parts = list(area)
            if len(parts) == 3 and any(p.childCount and p[0].getRole() == scroll_bar
                                       for p in parts[1:]):
                return self.d.extents(parts[0])
        raise Failure("no page view")

    def page(self):
        """The face or page on the screen: (x, y, width, height)."""
        return white_area(self.view())

    def at(self, page, fx, fy):
        x, y, w, h = page
        return x + int(w * fx), y + int(h * fy)

    def click_page(self, fx, fy, button=1):
        self.d.click(*self.at(self.page(), fx, fy), button=button)

    # ---- the road ----

    def run(self):
        if "--only" in sys.argv:
            getattr(self, sys.argv[sys.argv.index("--only") + 1])()
            return
        self.first_sight()
        self.card()
        self.printing()
        self.poster()
        self.calendar()
        self.template()

    def first_sight(self):
        start = self.start_screen()
        self.show(start)
        self.shots.take("inicio.png", self.d.extents(start))

    def card(self):
        self.d.press(self.d.find(self.start_screen(), "Crear una tarjeta"))
        folds = self.d.window(self.app, "Seleccionar tipo de tarjeta")
        self.show(folds)
        self.shots.take("tipo-tarjeta.png", self.d.extents(folds))
        self.button(folds, "Aceptar")
        self.show(self.frame())

        # A picture from the library at the top of the front.
        self.menu("Insertar", "Imagen")
        self.click_page(0.30, 0.06)
        library = self.d.window(self.app, "Imágenes a importar")
        self.d.press(self.d.find(library, "Criaturas mágicas"))
        time.sleep(3)
        self.show(library)
        tiles = self.d.find(library, "Seleccionar imágen a importar")
        self.d.press(tiles[2] if tiles.childCount > 2 else tiles[0])
        self.shots.take("imagenes.png", self.d.extents(library))
        self.button(library, "Importar")

        # A title under it.
        self.enlarge(self.at(self.page(), 0.36, 0.22), 1.4)

        self.menu("Insertar", "Texto")
        self.click_page(0.22, 0.68)
        text = self.d.window(self.app, "Cambiar texto")
        self.show(text)
        self.write(text, "¡Feliz cumpleaños!")
        self.button(text, "Centro")
        self.shots.take("texto.png", self.d.extents(text))
        self.button(text, "Aceptar")
        self.enlarge(self.at(self.page(), 0.30, 0.74), 1.9)
        self.d.click(*self.at(self.page(), 0.5, 0.97))  # nothing selected
        self.shots.take("ventana.png", self.d.extents(self.frame()))
        self.select_and_menu()
        self.inside()

    def write(self, dialog, text):
        """Types `text` into the text dialog's first field and reads it back: a letter
        that X input has to map for the moment (í, ñ, ¡) can be lost under load."""
        field = self.d.find(dialog, "Texto a la izquierda", (self.d.atspi.ROLE_TEXT,))
        for _ in range(4):
            self.d.press(field)
            self.d.keys("ctrl+a", "BackSpace")
            for number, line in enumerate(text.split("\n")):
                if number:
                    self.d.keys("Return")
                self.d.type(line)
            written = field.queryText().getText(0, -1)
            if written.replace("\u2029", "\n").replace("\r", "") == text:
                return
        raise Failure(f"could not type {text!r}")

    def enlarge(self, point, factor):
        """Selects what is at `point` and drags its bottom right handle until it is
        `factor` times as large."""
        self.d.click(*point)
        squares = handle_squares(self.page())
        if len(squares) < 4:
            raise Failure(f"no handles at {point}")
        left = min(x for x, _ in squares)
        top = min(y for _, y in squares)
        corner = max(squares, key=lambda p: p[0] + p[1])
        grow = factor - 1
        self.d.drag(corner, (corner[0] + int((corner[0] - left) * grow),
                             corner[1] + int((corner[1] - top) * grow)))

    def select_and_menu(self):
        page = self.page()
        # The title: a click inside its letters selects it and shows its handles.
        self.d.click(*self.at(page, 0.45, 0.78))
        self.shots.take("seleccion.png", page, margin=24)
        self.d.click(*self.at(page, 0.45, 0.78), button=3)
        # The menu is a pop-up of its own that the accessibility bus does not list.
        popup = wait_for(lambda: popup_at(self.at(page, 0.45, 0.78)), what="the element's menu")
        self.shots.take("menu.png", union(page, popup), margin=12)
        self.d.keys("Escape")

    def inside(self):
        """Turns to the inside front with the folded corner and writes the message."""
        # On the front the folded corner is a triangle in the bottom right corner, a
        # twentieth of the face across, above and left of its diagonal.
        x, y, w, h = self.page()
        d = min(w, h) // 20
        self.d.click(x + w - 1 - d * 3 // 4, y + h - d * 3 // 4)
        time.sleep(0.5)
        self.menu("Insertar", "Texto")
        self.click_page(0.15, 0.35)
        text = self.d.window(self.app, "Cambiar texto")
        self.write(text, "Que pases un día\nmuy, muy feliz.\nUn abrazo de Lucía")
        self.button(text, "Centro")
        self.button(text, "Aceptar")
        self.enlarge(self.at(self.page(), 0.3, 0.41), 1.5)
        self.d.click(*self.at(self.page(), 0.5, 0.95))  # nothing selected
        self.shots.take("interior.png", self.d.extents(self.frame()))

    def printing(self):
        self.menu("Fichero", "Guardar como...")
        time.sleep(1.5)
        self.d.type(os.path.join(self.folder, "home", "Documentos", "tarjeta.wxd"))
        self.d.keys("Return")
        time.sleep(1)

        self.menu("Fichero", "Imprimir vista preliminar...")
        preview = self.d.window(self.app, "Presentación preliminar de impresión")
        self.show(preview)
        self.shots.take("vista-preliminar.png", self.d.extents(preview))
        self.button(preview, "Cerrar")

        self.print_card()

    def print_card(self):
        self.menu("Fichero", "Imprimir...")
        dialog = self.d.window(self.app, "Imprimir")
        output = self.d.find(dialog, "Fichero de salida:", (self.d.atspi.ROLE_TEXT,))
        self.d.press(output)
        self.d.keys("ctrl+a")
        self.d.type(os.path.join(self.folder, "home", "Documentos", "tarjeta.pdf"))
        self.shots.take("imprimir.png", self.d.extents(dialog))
        self.button(dialog, "Imprimir")
        prompt = self.d.window(self.app, "Imprimir una tarjeta", timeout=60)
        self.show(prompt)
        self.shots.take("reinsertar.png", self.d.extents(prompt))
        self.button(prompt, "Aceptar")
        dialog = self.d.window(self.app, "Imprimir")
        self.button(dialog, "Imprimir")
        time.sleep(3)

    def new_document(self):
        """Fichero > Nuevo, leaving the document as it is."""
        self.menu("Fichero", "Nuevo")
        time.sleep(1)
        for window in self.app:
            if window.getRole() == self.d.atspi.ROLE_FRAME or not self.d.showing(window):
                continue
            try:
                self.button(window, "No")  # "¿Quiere guardar los cambios...?"
            except Failure:
                pass
        return self.start_screen()

    def poster(self):
        start = self.new_document()
        self.d.press(self.d.find(start, "Crear un cartel"))
        dialog = self.d.window(self.app, "Seleccionar formato y tamaño de documento")
        self.show(dialog)
        for name in ("Cuadros de imagen a lo ancho:", "Cuadros de imagen a lo alto:"):
            self.d.press(self.d.find(dialog, name, (self.d.atspi.ROLE_SPIN_BUTTON,)))
            self.d.keys("ctrl+a")
            self.d.type("2")
        self.button(dialog, "Formato horizontal")
        self.shots.take("formato.png", self.d.extents(dialog))
        self.button(dialog, "Aceptar")
        time.sleep(1)

        self.menu("Insertar", "Imagen")
        self.click_page(0.36, 0.30)
        library = self.d.window(self.app, "Imágenes a importar")
        self.d.press(self.d.find(library, "Momentos escénicos"))
        time.sleep(3)
        tiles = self.d.find(library, "Seleccionar imágen a importar")
        self.d.press(tiles[0])
        self.button(library, "Importar")
        # Large enough to lie across the four sheets.
        self.enlarge(self.at(self.page(), 0.40, 0.34), 3.2)
        self.menu("Insertar", "Texto")
        self.click_page(0.2, 0.06)
        text = self.d.window(self.app, "Cambiar texto")
        self.write(text, "¡Bienvenidos a casa!")
        self.button(text, "Aceptar")
        self.enlarge(self.at(self.page(), 0.23, 0.075), 4.5)
        self.page_colour()
        self.d.click(*self.at(self.page(), 0.99, 0.99))
        self.shots.take("cartel.png", self.page(), margin=12)

    def page_colour(self):
        """A light blue page, on which the dotted lines between the sheets show."""
        self.menu("Formato", "Color de página...")
        for window in self.app:
            if window.getRole() == self.d.atspi.ROLE_DIALOG and self.d.showing(window) \
                    and window.name != "Wexmoor Arts Craftbox":
                html = self.d.find(window, "HTML:", (self.d.atspi.ROLE_TEXT,))
                self.d.press(html)
                self.d.keys("ctrl+a")
                self.d.type("#bfe3f5")
                self.d.keys("Tab")
                self.button(window, "Aceptar")
                return
        raise Failure("no colour dialog")

    def calendar(self):
        start = self.new_document()
        self.d.press(self.d.find(start, "Crear un cartel"))
        dialog = self.d.window(self.app, "Seleccionar formato y tamaño de documento")
        self.button(dialog, "Aceptar")
        time.sleep(1)
        self.menu("Insertar", "Calendario")
        self.click_page(0.08, 0.05)
        dialog = self.d.window(self.app, "Insertar un calendario")
        self.show(dialog)
        time.sleep(1)
        self.shots.take("calendario-dialogo.png", self.d.extents(dialog))
        self.button(dialog, "Aceptar")
        time.sleep(2)
        self.d.click(*self.at(self.page(), 0.99, 0.99))
        self.shots.take("calendario.png", self.page(), margin=16)

    def template(self):
        start = self.new_document()
        self.d.press(self.d.find(start, "Usar una plantilla"))
        dialog = self.d.window(self.app, "Seleccionar una plantilla")
        self.show(dialog)
        self.button(dialog, "Tarjetas")
        time.sleep(1)
        self.shots.take("plantillas.png", self.d.extents(dialog))
        self.button(dialog, "Aceptar")

def dump(accessible, depth=0, limit=6):
    """Prints an accessible tree: for finding the names a step needs."""
    if accessible is None or depth > limit:
        return
    try:
        box = accessible.queryComponent().getExtents(0)
        where = f"{box.x},{box.y} {box.width}x{box.height}"
    except Exception:
        where = ""
    print("  " * depth + f"[{accessible.getRoleName()}] {accessible.name!r} {where}")
    for child in accessible:
        dump(child, depth + 1, limit)


def program_env(folder):
    home = os.path.join(folder, "home")
    env = {
        "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
        "HOME": home,
        "XDG_CONFIG_HOME": os.path.join(home, ".config"),
        "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
        "XDG_CACHE_HOME": os.path.join(home, ".cache"),
        "LANG": "C.UTF-8",
        "QT_QPA_PLATFORM": "xcb",
        "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
    }
    for name in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XAUTHORITY"):
        if name in os.environ:
            env[name] = os.environ[name]
    for path in (env["XDG_CONFIG_HOME"], env["XDG_DATA_HOME"], env["XDG_CACHE_HOME"],
                 os.path.join(home, "Documentos")):
        os.makedirs(path, exist_ok=True)
    return env


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    build, help_dir = sys.argv[1], sys.argv[2]
    explore = "--explore" in sys.argv
    quenby = os.path.join(build, "bin", "quenby")
    folder = tempfile.mkdtemp(prefix="quenby-help-shots-")
    desktop = Desktop(folder)
    try:
        process = desktop.start(quenby, program_env(folder))
        app = desktop.application(process.pid)
        Road(desktop, app, Shots(help_dir), folder, explore).run()
    finally:
        desktop.close()
        shutil.rmtree(folder, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
