"""Steps a person takes in the program's main window, for the roads through it.

An Editor works one running program (desktop_session.Program): menus chosen by their
Spanish names, the face found on the screen, clicks placed on it by fractions of the
face or by document units, the Save As dialog, the saved file read back with
`quenby-tool info`, and the controls of each window walked for missing names. Every
step waits for the window or state it leads to instead of a fixed pause.
"""

import json
import os
import subprocess
import sys
import tempfile
import time

from card_road import unnamed_controls
from desktop_session import (DesktopSession, Failure, Skip, accessible_name,  # noqa: E402
                             keep_failure_screen, run_test, wait_for)

START_SCREEN = "Wexmoor Arts Craftbox"
FILE_DIALOG = "Seleccionar nombre de fichero"
FACE_NAMES = ("Parte delantera", "Parte delantera interna", "Parte trasera interna",
              "Parte trasera", "Página")
# The grey the page view paints around the face.
DESK = bytes((160, 165, 170))
# Document units per pixel of a face drawn at 100 %: device = doc × zoom / 400.
UNITS_PER_PIXEL_AT_100 = 4


class Editor:
    def __init__(self, desktop, program):
        self.desktop = desktop
        self.p = program
        self.atspi = program.atspi
        self.problems = []

    # ---- windows ----

    def frame(self):
        def found():
            for window in self.p.windows():
                if window.getRole() == self.atspi.ROLE_FRAME:
                    return window
            return None
        return wait_for(found, 30, "the main window")

    def dialog(self, title, timeout=30):
        """The dialog `title` once it shows; its controls are checked for names."""
        window = self.p.window(title, role=self.atspi.ROLE_DIALOG, timeout=timeout)
        self.check_names(window, title)
        return window

    def check_names(self, window, where):
        for control in unnamed_controls(self.p, window):
            self.problems.append(f"{where}: unnamed {control}")

    def button(self, window, name):
        roles = (self.atspi.ROLE_PUSH_BUTTON, self.atspi.ROLE_TOGGLE_BUTTON,
                 self.atspi.ROLE_RADIO_BUTTON, self.atspi.ROLE_CHECK_BOX)
        self.p.press(self.p.find(window, roles, name, showing=True))

    def press_until_gone(self, window_title, control):
        """Presses `control` until the dialog `window_title` closes: a dialog that is
        still busy (loading its pictures) lets a click go by."""
        for _ in range(5):
            self.p.press(control)
            try:
                self.p.wait_window_gone(window_title, timeout=10)
                return
            except Failure:
                continue
        raise Failure(f"'{window_title}' stays open after pressing '{accessible_name(control)}'")

    def choose(self, item, what):
        """Clicks a list's row until the list shows it selected: a list still being
        filled lets a click go by."""
        for _ in range(3):
            self.p.press(item)
            try:
                return wait_for(
                    lambda: item.getState().contains(self.atspi.STATE_SELECTED), 10, what)
            except Failure:
                continue
        raise Failure(f"{what}: the row stays unselected")

    def menu(self, *path):
        """Chooses a menu item by its names: menu("Fichero", "Guardar como...")."""
        menu_bar = self.p.find(self.frame(), self.atspi.ROLE_MENU_BAR)
        top = self.p.find(menu_bar, self.atspi.ROLE_MENU_ITEM, path[0])
        for attempt in range(3):
            self.p.press(top)
            item = top
            try:
                for name in path[1:]:
                    # The opened menu is a window of its own: its item, once on the screen.
                    item = self.p.find(self.p.application, self.atspi.ROLE_MENU_ITEM, name,
                                       showing=True, timeout=8)
                    if not item.getState().contains(self.atspi.STATE_ENABLED):
                        self.desktop.key("Escape")
                        raise Failure(f"the menu item '{name}' is disabled")
                    self.p.press(item)
                return
            except Failure as failure:
                if "disabled" in str(failure) or attempt == 2:
                    raise
                # The menu did not open (a click lost under load): close what is open.
                self.desktop.key("Escape")

    def click_for_dialog(self, point, title):
        """Clicks `point` with a tool whose click opens the dialog `title`; the click is
        given again if no dialog comes (one lost under load inserts nothing)."""
        for attempt in range(3):
            self.desktop.click(*point)
            try:
                return self.dialog(title, timeout=15)
            except Failure:
                if attempt == 2:
                    raise

    def press_for_dialog(self, control, title):
        """Presses `control`, which opens the dialog `title`, again if no dialog comes."""
        return self.click_for_dialog(self.p.centre(control), title)

    # ---- the page view ----

    def page_view(self, name=None):
        """The page view; it is named for the face it shows, as the face's toolbar
        button is: the larger of the two."""
        names = (name,) if name else FACE_NAMES

        def found():
            named = self.p.all(self.frame(), lambda a: a is not None and
                               accessible_name(a) in names and self.p.is_showing(a))
            areas = [(self.p.extents(a)[2] * self.p.extents(a)[3], a) for a in named]
            return max(areas, key=lambda pair: pair[0])[1] if areas else None
        view = wait_for(found, 20, f"the page view named {names}")
        if self.p.extents(view)[2] < 200:
            raise Failure(f"no page view named {names}, only smaller controls")
        return view

    def turn_to(self, face_name):
        """Shows the card face `face_name` by its button on the toolbar."""
        for attempt in range(3):
            self.button(self.frame(), face_name)
            try:
                return self.page_view(face_name)
            except Failure:
                if attempt == 2:
                    raise

    def face(self):
        """The face on the screen, (x, y, width, height): the longest run of pixels that
        are not the desk's grey across the page view's middle, then down through the
        middle of that run, whatever the face holds (the page-turn corners lie at the
        face's corners, off those lines)."""
        view = self.p.extents(self.page_view())
        width, height, data = self.desktop.pixels(view)

        def longest(pixels):
            best, start = (0, 0), None
            for i, pixel in enumerate(pixels + [DESK]):
                if pixel != DESK and start is None:
                    start = i
                elif pixel == DESK and start is not None:
                    if i - start > best[1] - best[0]:
                        best = (start, i)
                    start = None
            return best

        def at(x, y):
            return data[(y * width + x) * 3:(y * width + x) * 3 + 3]
        left, right = longest([at(x, height // 2) for x in range(width)])
        top, bottom = longest([at((left + right) // 2, y) for y in range(height)])
        if right - left < 50 or bottom - top < 50:
            raise Failure(f"no face in the page view at {view}")
        return view[0] + left, view[1] + top, right - left, bottom - top

    @staticmethod
    def at(face, fx, fy):
        x, y, width, height = face
        return x + int(width * fx), y + int(height * fy)

    def click_face(self, face, fx, fy, button=1):
        self.desktop.click(*self.at(face, fx, fy), button=button)

    # ---- files ----

    def save_as(self, path, name_only=False):
        """Fichero > "Guardar como...", with the whole path typed, or with `name_only` the
        file's name alone, which the dialog's first folder must take in."""
        self.menu("Fichero", "Guardar como...")
        self.dialog(FILE_DIALOG)
        # The file name field has the focus.
        self.desktop.key("ctrl+a")
        self.desktop.type_text(os.path.basename(path) if name_only else path)
        self.desktop.key("Return")
        self.p.wait_window_gone(FILE_DIALOG)
        try:
            wait_for(lambda: os.path.exists(path) and os.path.getsize(path) > 0, 30,
                     f"the file {path}")
        except Failure:
            elsewhere = [os.path.join(folder, os.path.basename(path))
                         for folder, _, files in os.walk(self.desktop.home)
                         if os.path.basename(path) in files]
            raise Failure(f"Save As wrote nothing to {path}"
                          + (f", but to {elsewhere}" if elsewhere else ""))

    def quit(self):
        """Ctrl+Q on the main window; a saved document asks nothing."""
        self.p.focus_largest_window()
        self.desktop.key("ctrl+q")
        code = self.p.wait_exit()
        if code != 0:
            raise Failure(f"the program ended with exit code {code}")


def tool_json(tool, *arguments):
    """What `quenby-tool` prints as JSON for `arguments`."""
    answer = subprocess.run([tool, *arguments], capture_output=True, text=True, timeout=60)
    if answer.returncode != 0:
        raise Failure(f"quenby-tool {' '.join(arguments)}: {answer.stderr.strip()}")
    return json.loads(answer.stdout)


def face_units(tool, document, face=0):
    """The width and height, in document units, of a face of `document`: the size of
    the face drawn at 100 % by `quenby-tool render`, read from the PNG's header. The tool
    draws at 96 pixels an inch, as the page view does on the session's X server (no
    Xft.dpi set), so the face holds as many units on the screen as here."""
    with tempfile.TemporaryDirectory(prefix="quenby-face-") as folder:
        picture = os.path.join(folder, "face.png")
        answer = subprocess.run([tool, "render", document, "--face", str(face), "--zoom",
                                 "100", "--out", picture], capture_output=True, text=True,
                                timeout=60)
        if answer.returncode != 0:
            raise Failure(f"quenby-tool render: {answer.stderr.strip()}")
        with open(picture, "rb") as png:
            header = png.read(24)
    width = int.from_bytes(header[16:20], "big")
    height = int.from_bytes(header[20:24], "big")
    return width * UNITS_PER_PIXEL_AT_100, height * UNITS_PER_PIXEL_AT_100


def run_road(road):
    """Runs `road(editor, quenby, tool, documents)` as a test program called with
    QUENBY QUENBY_TOOL [WORK_FOLDER]: the program started in a private desktop whose home
    has a documents folder; at a failure the screen is kept as WORK_FOLDER/failure.png.
    Unnamed controls met on the way fail the road at its end."""
    def main():
        quenby, tool = sys.argv[1], sys.argv[2]
        work = sys.argv[3] if len(sys.argv) > 3 else None
        with DesktopSession() as desktop:
            try:
                documents = spanish_documents_folder(desktop.home)
                program = desktop.start_program(
                    quenby, log=os.path.join(desktop.folder, "quenby.log"))
                editor = Editor(desktop, program)
                road(editor, quenby, tool, documents)
                if editor.problems:
                    raise Failure("; ".join(editor.problems))
            except Skip:
                raise
            except Exception:
                # Whatever went wrong, the screen shows where the road stopped.
                keep_failure_screen(desktop, work)
                raise
    run_test(main)


def spanish_documents_folder(home):
    """Makes the documents folder of a Spanish desktop, as its user folders name it."""
    documents = os.path.join(home, "Documentos")
    os.makedirs(documents)
    config = os.path.join(home, ".config")
    os.makedirs(config, exist_ok=True)
    with open(os.path.join(config, "user-dirs.dirs"), "w") as dirs:
        dirs.write('XDG_DOCUMENTS_DIR="$HOME/Documentos"\n')
    return documents


def settle(seconds=0.3):
    """A moment for a repaint to reach the screen before it is read."""
    time.sleep(seconds)
