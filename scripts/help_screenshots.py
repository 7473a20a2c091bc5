"""Takes the help's screenshots from the real program.

Run through scripts/help-screenshots.sh. It starts `quenby` in a private desktop of its
own (tests/desktop/desktop_session.py: virtual X server, session and accessibility buses,
home folder) and works it as a person does: real X clicks and keys at the places the
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
import subprocess
import sys
import tempfile
import time

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(root, "tests", "desktop"))

from desktop_session import DesktopSession, Failure, Skip, wait_for  # noqa: E402

MAX_WIDTH = 800
SCREEN = "1280x800x24"
CONVERT = "/usr/bin/convert"  # ImageMagick's own, whatever stands first on PATH
# Time for the program to repaint after a click or key before the next step looks.
SETTLE = 0.4


class Shots:
    """Pictures cut from the screen into the help folder."""

    def __init__(self, desktop, folder):
        self.desktop = desktop
        self.folder = folder
        self.taken = []

    def take(self, name, box, margin=0):
        x, y, w, h = box
        x, y = max(0, x - margin), max(0, y - margin)
        w, h = w + 2 * margin, h + 2 * margin
        time.sleep(0.6)  # let the last repaint reach the screen
        target = os.path.join(self.folder, name)
        with tempfile.NamedTemporaryFile(suffix=".png") as raw:
            self.desktop.screenshot(raw.name, (x, y, w, h))
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


def handle_squares(desktop, box):
    """The centres, on the screen, of the solid black squares in `box` at least 5 pixels
    across: the handles of the selected elements."""
    width, height, data = desktop.pixels(box)
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


def white_area(desktop, box):
    """The bounding box, on the screen, of the pure white pixels in `box`: the face or
    page that the page view shows on its grey desk."""
    width, height, data = desktop.pixels(box)
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

    def __init__(self, desktop, program, shots, explore):
        self.desktop = desktop
        self.p = program
        self.shots = shots
        self.explore = explore
        roles = program.atspi
        self.BUTTON = (roles.ROLE_PUSH_BUTTON, roles.ROLE_TOGGLE_BUTTON, roles.ROLE_RADIO_BUTTON,
                       roles.ROLE_CHECK_BOX)

    def show(self, accessible):
        if self.explore:
            dump(accessible, limit=12)

    # ---- the program's windows ----

    def frame(self):
        # The only frame; its title becomes the document's name once it has one.
        def found():
            for window in self.p.application:
                if window is not None and window.getRole() == self.p.atspi.ROLE_FRAME:
                    return window
            return None
        return wait_for(found, 20, "the main window")

    def start_screen(self):
        return self.p.window("Wexmoor Arts Craftbox", role=self.p.atspi.ROLE_DIALOG)

    def menu(self, *path):
        """Chooses a menu item: menu("Fichero", "Guardar como...")."""
        frame = self.frame()
        item = self.find(frame, path[0], (self.p.atspi.ROLE_MENU_ITEM,))
        self.press(item)
        for name in path[1:]:
            item = self.find(item, name)
            self.press(item)

    # ---- input, each followed by the program's repaint ----

    def find(self, root, name, roles=None, timeout=5):
        return self.p.find(root, roles, name, timeout=timeout, showing=True)

    def click(self, x, y, button=1):
        self.desktop.click(x, y, button)
        time.sleep(SETTLE)

    def press(self, accessible, button=1):
        self.click(*self.p.centre(accessible), button=button)

    def drag(self, start, end):
        self.desktop.drag(start, end)
        time.sleep(SETTLE)

    def keys(self, *names):
        self.desktop.key(*names)
        time.sleep(SETTLE)

    def type(self, text):
        self.desktop.type_text(text)
        time.sleep(0.3)

    def button(self, window, name):
        self.press(self.find(window, name, self.BUTTON))

    def view(self):
        """The page view's client area: the scroll area's first part, beside its bars."""
        scroll_bar = self.p.atspi.ROLE_SCROLL_BAR
        for area in self.frame():
            parts = list(area)
            if len(parts) == 3 and any(p.childCount and p[0].getRole() == scroll_bar
                                       for p in parts[1:]):
                return self.p.extents(parts[0])
        raise Failure("no page view")

    def page(self):
        """The face or page on the screen: (x, y, width, height)."""
        return white_area(self.desktop, self.view())

    def at(self, page, fx, fy):
        x, y, w, h = page
        return x + int(w * fx), y + int(h * fy)

    def click_page(self, fx, fy, button=1):
        self.click(*self.at(self.page(), fx, fy), button=button)

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
        self.shots.take("inicio.png", self.p.extents(start))

    def card(self):
        self.press(self.find(self.start_screen(), "Crear una tarjeta"))
        folds = self.p.window("Seleccionar tipo de tarjeta")
        self.show(folds)
        self.shots.take("tipo-tarjeta.png", self.p.extents(folds))
        self.button(folds, "Aceptar")
        self.show(self.frame())

        # A picture from the library at the top of the front.
        self.menu("Insertar", "Imagen")
        self.click_page(0.30, 0.06)
        library = self.p.window("Imágenes a importar")
        tiles = self.pictures(library, "Criaturas mágicas")
        self.show(library)
        self.press(tiles[2] if tiles.childCount > 2 else tiles[0])
        self.shots.take("imagenes.png", self.p.extents(library))
        self.button(library, "Importar")

        # A title under it.
        self.enlarge(self.at(self.page(), 0.36, 0.22), 1.4)

        self.menu("Insertar", "Texto")
        self.click_page(0.22, 0.68)
        text = self.p.window("Cambiar texto")
        self.show(text)
        self.write(text, "¡Feliz cumpleaños!")
        self.button(text, "Centro")
        self.shots.take("texto.png", self.p.extents(text))
        self.button(text, "Aceptar")
        self.enlarge(self.at(self.page(), 0.30, 0.74), 1.9)
        self.click(*self.at(self.page(), 0.5, 0.97))  # nothing selected
        self.shots.take("ventana.png", self.p.extents(self.frame()))
        self.select_and_menu()
        self.property_dialogs()
        self.inside()

    def pictures(self, library, category):
        """Chooses `category` in the picture library and returns the list of its pictures
        once they are loaded (a slow machine may take a while)."""
        self.press(self.find(library, category))
        tiles = self.find(library, "Seleccionar imágen a importar", (self.p.atspi.ROLE_LIST,))
        wait_for(lambda: tiles.childCount, 60, f'the pictures of "{category}"')
        time.sleep(1)  # the last ones drawn
        return tiles

    def write(self, dialog, text):
        """Types `text` into the text dialog's first field and reads it back: a letter
        that X input has to map for the moment (í, ñ, ¡) can be lost under load."""
        field = self.find(dialog, "Texto a la izquierda", (self.p.atspi.ROLE_TEXT,))
        for _ in range(4):
            self.press(field)
            self.keys("ctrl+a", "BackSpace")
            for number, line in enumerate(text.split("\n")):
                if number:
                    self.keys("Return")
                self.type(line)
            written = field.queryText().getText(0, -1)
            if written.replace("\u2029", "\n").replace("\r", "") == text:
                return
        raise Failure(f"could not type {text!r}")

    def enlarge(self, point, factor):
        """Selects what is at `point` and drags its bottom right handle until it is
        `factor` times as large."""
        self.click(*point)
        squares = handle_squares(self.desktop, self.page())
        if len(squares) < 4:
            raise Failure(f"no handles at {point}")
        left = min(x for x, _ in squares)
        top = min(y for _, y in squares)
        corner = max(squares, key=lambda p: p[0] + p[1])
        grow = factor - 1
        self.drag(corner, (corner[0] + int((corner[0] - left) * grow),
                             corner[1] + int((corner[1] - top) * grow)))

    def select_and_menu(self):
        page = self.page()
        # The title: a click inside its letters selects it and shows its handles.
        self.click(*self.at(page, 0.45, 0.78))
        self.shots.take("seleccion.png", page, margin=24)
        self.click(*self.at(page, 0.45, 0.78), button=3)
        # The menu is listed among the program's windows on the accessibility bus.
        menu = wait_for(self.context_menu, 20, "the element's menu")
        self.shots.take("menu.png", union(page, self.p.extents(menu)), margin=12)
        self.keys("Escape")

    def property_dialogs(self):
        """The title's fill and font dialogs, opened from its menu and left with
        Cancelar, so that the card stays as it was."""
        title = self.at(self.page(), 0.45, 0.78)
        for item, caption, shot in (("Llenar...", "Estilo de llenado", "llenar.png"),
                                    ("Fuente...", "Seleccionar una fuente", "fuente.png")):
            self.click(*title, button=3)
            menu = wait_for(self.context_menu, 20, "the element's menu")
            self.press(self.find(menu, item))
            dialog = self.p.window(caption)
            self.show(dialog)
            if shot == "llenar.png":
                # With the rows of both colours in use.
                self.button(dialog, "Gradiente lineal")
            self.shots.take(shot, self.p.extents(dialog))
            self.button(dialog, "Cancelar")
            self.p.wait_window_gone(caption)

    def context_menu(self):
        """The right button's menu, once it shows, or None."""
        roles = (self.p.atspi.ROLE_POPUP_MENU, self.p.atspi.ROLE_MENU)
        for window in self.p.application:
            if window is not None and window.getRole() in roles and self.p.is_showing(window):
                return window
        return None

    def inside(self):
        """Turns to the inside front with the folded corner and writes the message."""
        # On the front the folded corner is a triangle in the bottom right corner, a
        # twentieth of the face across, above and left of its diagonal.
        x, y, w, h = self.page()
        d = min(w, h) // 20
        self.click(x + w - 1 - d * 3 // 4, y + h - d * 3 // 4)
        time.sleep(0.5)
        self.menu("Insertar", "Texto")
        self.click_page(0.15, 0.35)
        text = self.p.window("Cambiar texto")
        self.write(text, "Que pases un día\nmuy, muy feliz.\nUn abrazo de Lucía")
        self.button(text, "Centro")
        self.button(text, "Aceptar")
        self.enlarge(self.at(self.page(), 0.3, 0.41), 1.5)
        self.click(*self.at(self.page(), 0.5, 0.95))  # nothing selected
        self.shots.take("interior.png", self.p.extents(self.frame()))

    def printing(self):
        self.menu("Fichero", "Guardar como...")
        time.sleep(1.5)
        self.type(os.path.join(self.desktop.home, "Documentos", "tarjeta.wxd"))
        self.keys("Return")
        time.sleep(1)

        self.menu("Fichero", "Imprimir vista preliminar...")
        preview = self.p.window("Presentación preliminar de impresión")
        self.show(preview)
        self.shots.take("vista-preliminar.png", self.p.extents(preview))
        self.button(preview, "Cerrar")

        self.print_card()

    def print_card(self):
        self.menu("Fichero", "Imprimir...")
        dialog = self.p.window("Imprimir")
        output = self.find(dialog, "Fichero de salida:", (self.p.atspi.ROLE_TEXT,))
        self.press(output)
        self.keys("ctrl+a")
        self.type(os.path.join(self.desktop.home, "Documentos", "tarjeta.pdf"))
        self.shots.take("imprimir.png", self.p.extents(dialog))
        self.button(dialog, "Imprimir")
        prompt = self.p.window("Imprimir una tarjeta", timeout=60)
        self.show(prompt)
        self.shots.take("reinsertar.png", self.p.extents(prompt))
        self.button(prompt, "Aceptar")
        dialog = self.p.window("Imprimir")
        self.button(dialog, "Imprimir")
        time.sleep(3)

    def new_document(self):
        """Fichero > Nuevo, leaving the document as it is."""
        self.menu("Fichero", "Nuevo")
        time.sleep(1)
        for window in self.p.application:
            if window.getRole() == self.p.atspi.ROLE_FRAME or not self.p.is_showing(window):
                continue
            try:
                self.button(window, "No")  # "¿Quiere guardar los cambios...?"
            except Failure:
                pass
        return self.start_screen()

    def poster(self):
        start = self.new_document()
        self.press(self.find(start, "Crear un cartel"))
        dialog = self.p.window("Seleccionar formato y tamaño de documento")
        self.show(dialog)
        for name in ("Cuadros de imagen a lo ancho:", "Cuadros de imagen a lo alto:"):
            self.press(self.find(dialog, name, (self.p.atspi.ROLE_SPIN_BUTTON,)))
            self.keys("ctrl+a")
            self.type("2")
        self.button(dialog, "Formato horizontal")
        self.shots.take("formato.png", self.p.extents(dialog))
        self.button(dialog, "Aceptar")
        time.sleep(1)

        self.menu("Insertar", "Imagen")
        self.click_page(0.36, 0.30)
        library = self.p.window("Imágenes a importar")
        tiles = self.pictures(library, "Momentos escénicos")
        self.press(tiles[0])
        self.button(library, "Importar")
        # Large enough to lie across the four sheets.
        self.enlarge(self.at(self.page(), 0.40, 0.34), 3.2)
        self.menu("Insertar", "Texto")
        self.click_page(0.2, 0.06)
        text = self.p.window("Cambiar texto")
        self.write(text, "¡Bienvenidos a casa!")
        self.button(text, "Aceptar")
        self.enlarge(self.at(self.page(), 0.23, 0.075), 4.5)
        self.page_colour()
        self.click(*self.at(self.page(), 0.99, 0.99))
        self.shots.take("cartel.png", self.page(), margin=12)

    def page_colour(self):
        """A light blue page, on which the dotted lines between the sheets show."""
        self.menu("Formato", "Color de página...")
        for window in self.p.application:
            if window.getRole() == self.p.atspi.ROLE_DIALOG and self.p.is_showing(window) \
                    and window.name != "Wexmoor Arts Craftbox":
                html = self.find(window, "HTML:", (self.p.atspi.ROLE_TEXT,))
                self.press(html)
                self.keys("ctrl+a")
                self.type("#bfe3f5")
                self.keys("Tab")
                self.button(window, "Aceptar")
                return
        raise Failure("no colour dialog")

    def calendar(self):
        start = self.new_document()
        self.press(self.find(start, "Crear un cartel"))
        dialog = self.p.window("Seleccionar formato y tamaño de documento")
        self.button(dialog, "Aceptar")
        time.sleep(1)
        self.menu("Insertar", "Calendario")
        self.click_page(0.08, 0.05)
        dialog = self.p.window("Insertar un calendario")
        self.show(dialog)
        time.sleep(1)
        self.shots.take("calendario-dialogo.png", self.p.extents(dialog))
        self.button(dialog, "Aceptar")
        time.sleep(2)
        self.click(*self.at(self.page(), 0.99, 0.99))
        self.shots.take("calendario.png", self.page(), margin=16)

    def template(self):
        start = self.new_document()
        self.press(self.find(start, "Usar una plantilla"))
        dialog = self.p.window("Seleccionar una plantilla")
        self.show(dialog)
        self.button(dialog, "Tarjetas")
        time.sleep(1)
        self.shots.take("plantillas.png", self.p.extents(dialog))
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


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    build, help_dir = sys.argv[1], sys.argv[2]
    explore = "--explore" in sys.argv
    quenby = os.path.join(build, "bin", "quenby")
    try:
        with DesktopSession(screen=SCREEN) as desktop:
            os.makedirs(os.path.join(desktop.home, "Documentos"))
            program = desktop.start_program(quenby)
            Road(desktop, program, Shots(desktop, help_dir), explore).run()
    except Skip as skip:
        print(f"No screenshots: {skip}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
