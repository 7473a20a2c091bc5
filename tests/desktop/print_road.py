#!/usr/bin/python3
"""Printing through the real program to the print system's PDF queue, seen through the
accessibility bus.

    print_road.py card|landscape_card|pageset|picture_pageset QUENBY [WORK_FOLDER]

card: start screen -> "Crear una tarjeta" -> "½ Pliegue horizontal" -> with the mouse, a
box in the top-left corner of the front, the back and the inside front, and a text on
the inside back -> Fichero, "Imprimir..." -> the queue chosen in the print dialog's list
of printers -> the reinsertion prompt (string 8300) -> Aceptar -> the second print
dialog. The two jobs' PDFs must hold one A4 portrait page each, every face in its half
of the sheet, the back turned by half a turn and nothing else turned.

landscape_card: the same with "½ Pliegue vertical" on "Carta" paper chosen in the
toolbar: a landscape Letter sheet, faces side by side, none turned, string 8301. A first
print dialog is cancelled: no prompt follows, and the jobs are numbered 02 and 03.

pageset: start screen -> "Crear un cartel" -> 2 pages across and 2 down -> a box drawn on
the first sheet, selected, and stretched over all four by its bottom-right handle ->
"Imprimir..." -> the queue. The job's PDF must hold four A4 pages, column by column,
whose pieces of the box join at the sheets' edges.

picture_pageset: the same with a background design of the picture library, placed with
the picture tool; along the sides where two pages meet, the picture goes on.

The PDFs are read with poppler's tools (pdfinfo, pdftoppm). The queue's folder is shared
with every other run on the machine: a job is told from the others by its title and by
showing what this run drew, at places chosen at random for the run. Exit 0: passed; 77:
skipped (no X server, bus or print queue); anything else: failed. At a failure the
screen, the program's output and the PDFs looked at are kept in WORK_FOLDER.
"""

import os
import random
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop_session import (DesktopSession, Failure, accessible_name,  # noqa: E402
                             keep_failure_screen, run_test, wait_for)
from editor_steps import Editor  # noqa: E402
import print_queue  # noqa: E402
from pdf_pages import PdfFile, Box  # noqa: E402

START_SCREEN = "Wexmoor Arts Craftbox"
CARD_TYPE = "Seleccionar tipo de tarjeta"
PAGE_SET_FORMAT = "Seleccionar formato y tamaño de documento"
REINSERT_CAPTION = "Imprimir una tarjeta"
# Strings 8300 (portrait) and 8301 (landscape).
REINSERT_PORTRAIT = ("Reinserte la página impresa con el lado impreso arriba y la parte "
                     "delantera de la tarjeta más cerca de la impresora")
REINSERT_LANDSCAPE = ("Reinserte la página impresa con el lado impreso arriba y la parte "
                      "delantera de la tarjeta hacia la izquierda de la impresora")
TEXT_DIALOG = "Cambiar texto"
PRINT_DIALOG = "Imprimir"
PICTURE_LIBRARY = "Imágenes a importar"
# A background design: it fills its place with colour.
PICTURE_CATEGORY = "Diseños de fondo"
PICTURE = "1"
A4_POINTS = (595.28, 841.89)


def main():
    road_name, quenby = sys.argv[1], sys.argv[2]
    work = sys.argv[3] if len(sys.argv) > 3 else None
    roads = {"card": card_road, "pageset": page_set_road,
             "landscape_card": lambda road: card_road(road, "landscape_card"),
             "picture_pageset": lambda road: page_set_road(road, picture=True)}
    if road_name not in roads:
        raise SystemExit(f"unknown road '{road_name}'; one of {sorted(roads)}")
    queue = print_queue.PrintQueue()
    queue.check_ready()
    if work:
        shutil.rmtree(work, ignore_errors=True)
        os.makedirs(work)
    with DesktopSession() as desktop:
        road = Road(desktop, quenby, queue, work)
        try:
            roads[road_name](road)
        except Failure:
            road.keep_evidence()
            raise
        road.remove_own_jobs()


class Road:
    """One run of the program with what the roads share: menus, tools, faces, printing."""

    def __init__(self, desktop, quenby, queue, work):
        import pyatspi
        self.atspi = pyatspi
        self.desktop = desktop
        self.queue = queue
        self.work = work
        self.pdfs = []  # every job file looked at
        self.own_jobs = []  # the files of this run's jobs
        self.program = desktop.start_program(quenby,
                                             log=os.path.join(desktop.folder, "quenby.log"))
        self.frame = None
        # The menus, buttons and faces are worked as the other roads work them.
        self.editor = Editor(desktop, self.program)

    # ---- the start screen and the layout dialogs ----

    def start_with(self, button):
        program = self.program
        start = program.window(START_SCREEN, role=self.atspi.ROLE_DIALOG)
        self.frame = program.window(START_SCREEN, role=self.atspi.ROLE_FRAME)
        program.press(program.find(start, self.atspi.ROLE_PUSH_BUTTON, button))

    def close_dialog(self, dialog, title):
        self.program.press(self.program.find(dialog, self.atspi.ROLE_PUSH_BUTTON, "Aceptar"))
        self.program.wait_window_gone(title)

    # ---- menus, toolbar and the page ----

    def choose_paper(self, paper):
        """Chooses `paper` in the toolbar's paper list, which the bus names by its choice."""
        program, atspi = self.program, self.atspi
        papers = program.find(self.frame, atspi.ROLE_COMBO_BOX, "A4", showing=True)
        program.press(papers)
        program.press(wait_for(lambda: _open_list_item(program, papers, paper), 10,
                               f"'{paper}' in the open paper list"))
        wait_for(lambda: accessible_name(papers) == paper, 10, f"the paper list on '{paper}'")
        program.focus_largest_window()

    def menu_command(self, menu, item):
        self.program.focus_largest_window()
        self.editor.menu(menu, item)

    def toolbar_button(self, name):
        """Presses the toolbar button called `name` (a tool or a face)."""
        self.editor.button(self.frame, name)

    def show_face(self, name):
        self.editor.turn_to(name)
        self.page_view(name)

    def page_view(self, name):
        """The page view once the bus names it for the face `name` (or "Página")."""
        def named(a):
            try:
                # The face buttons and the status bar's hint share its name.
                return a is not None and accessible_name(a) == name and \
                    a.getRole() == self.atspi.ROLE_FILLER
            except Exception:
                return False
        return wait_for(lambda: self.atspi.findDescendant(self.frame, named), 10,
                        f"the page view named '{name}'")

    def face_on_screen(self, view_name):
        """The face's rectangle on the screen (x, y, w, h): the page-coloured (white)
        rectangle in the page view, which is shown on the grey desk."""
        view = self.page_view(view_name)
        # Inside the view's scroll bars, which are light too.
        box = max((self.program.extents(part) for part in view if part is not None),
                  key=lambda extents: extents[2] * extents[3])

        last = [None]

        def measure():
            # The same large rectangle twice: the view has finished painting.
            width, height, rgb = self.desktop.pixels(box)
            found = _white_rectangle(width, height, rgb)
            steady = found is not None and found == last[0] and found[2] >= 100 \
                and found[3] >= 100
            last[0] = found
            return steady and (box[0] + found[0], box[1] + found[1], found[2], found[3])
        return wait_for(measure, 20, "the white face in the page view")

    def draw_box(self, face, left, top, right, bottom):
        """Draws a box with the box tool over the face's fractions given."""
        self.toolbar_button("Rectángulo")
        self.drag_on_face(face, (left, top), (right, bottom))
        self.program.focus_largest_window()

    def drag_on_face(self, face, start, end):
        """Drags with the mouse between two places given in fractions of the face."""
        x, y, w, h = face
        self.desktop.drag((x + int(w * start[0]), y + int(h * start[1])),
                          (x + int(w * end[0]), y + int(h * end[1])))

    def import_picture(self, face, left, top, category, thumbnail):
        """Places a picture of the library with the picture tool at the face's fractions."""
        program, atspi = self.program, self.atspi
        self.toolbar_button("Imagen")
        x, y, w, h = face
        self.desktop.click(x + int(w * left), y + int(h * top))
        library = program.window(PICTURE_LIBRARY, role=atspi.ROLE_DIALOG)
        program.press(program.find(library, atspi.ROLE_LIST_ITEM, category))
        # The thumbnails load when the category is chosen.
        program.press(program.find(library, atspi.ROLE_LIST_ITEM, thumbnail, timeout=60,
                                   showing=True))
        program.press(program.find(library, atspi.ROLE_PUSH_BUTTON, "Importar"))
        program.wait_window_gone(PICTURE_LIBRARY, timeout=60)
        self.program.focus_largest_window()

    def select_for_resizing(self, face, inside):
        """Selects the element under `inside` (fractions of the face) with a click, after
        a click on an empty corner of the face has unselected everything. The handles
        are what the second click adds to the screen: eight squares of 8 pixels drawn
        outside the element's corners and sides. Returns the element's top-left and
        bottom-right corners on the screen, and the middle of its bottom-right handle."""
        x, y, w, h = face
        self.desktop.click(x + w - 4, y + h - 4)
        before = self.steady_pixels(face)
        self.desktop.click(x + int(w * inside[0]), y + int(h * inside[1]))

        def handles():
            width, _, after = self.desktop.pixels(face)
            changed = {(i // 3 % width, i // 3 // width) for i in range(0, len(after), 3)
                       if after[i:i + 3] != before[i:i + 3]}
            if not changed:
                return None
            # The bottom row holds the squares of handles 4, 7 and 3 (bottom-left, middle
            # and right); the rotation glyph of handle 2 may stand above the top row.
            bottom = max(py for _, py in changed)
            row = sorted(px for px, py in changed if py == bottom)
            left, right = row[0], row[-1]
            size = 1
            while (left + size, bottom) in changed:
                size += 1
            top = min(py for px, py in changed if px == left)
            # Each square keeps a gap of two pixels from its corner: the top-left one ends
            # two pixels before it, the bottom-right one starts two pixels after.
            return ((x + left + size + 2, y + top + size + 2),
                    (x + right - size - 1, y + bottom - size - 1),
                    (x + right - size // 2, y + bottom - size // 2))
        return wait_for(handles, 10, "the handles of the selected element")

    def steady_pixels(self, box):
        """The screen's pixels in `box` once two looks in a row find them the same."""
        last = [None]

        def look():
            now = self.desktop.pixels(box)[2]
            same = now == last[0]
            last[0] = now
            return now if same else None
        return wait_for(look, 10, "the page view to finish painting")

    def place_text(self, face, left, top, text):
        """Adds a text box with the text tool at the face's fractions, typing `text`."""
        self.toolbar_button("Texto")
        x, y, w, h = face
        self.desktop.click(x + int(w * left), y + int(h * top))
        dialog = self.program.window(TEXT_DIALOG, role=self.atspi.ROLE_DIALOG)
        field = self.program.find(dialog, None, "Texto a la izquierda")
        self.program.press(field)
        self.desktop.type_text(text)
        self.close_dialog(dialog, TEXT_DIALOG)
        self.program.focus_largest_window()

    # ---- printing ----

    def print_one_job(self, title, check):
        """Answers the print dialog that is coming with the PDF queue, and returns the
        PDF of the job `title` for which check(PdfFile) raises no Failure."""
        before = self.queue.files()
        self.print_in_dialog()

        def accept(path):
            self.pdfs.append(path)
            try:
                pdf = PdfFile(path)
                # The print system keeps the job's title as the PDF's, in brackets.
                kept = pdf.info().get("Title", "").strip("()")
                if kept != title:
                    raise Failure(f"the PDF is titled '{kept}'")
                check(pdf)
            except (Failure, ValueError, subprocess.SubprocessError) as problem:
                return str(problem)
            self.own_jobs.append(path)
            return None
        return PdfFile(self.queue.wait_for_job(before, title, accept, timeout=60))

    def print_in_dialog(self):
        """Chooses the PDF queue in the print dialog's printer list, and prints."""
        program, atspi = self.program, self.atspi
        dialog = program.window(PRINT_DIALOG, role=atspi.ROLE_DIALOG, timeout=60)
        printers = program.find(dialog, atspi.ROLE_COMBO_BOX, showing=True)
        program.press(printers)
        program.press(wait_for(lambda: _open_list_item(program, printers, self.queue.name),
                               10, f"'{self.queue.name}' in the open list of printers"))
        wait_for(lambda: accessible_name(printers) == self.queue.name, 10,
                 f"the print dialog to choose '{self.queue.name}'")
        program.press(program.find(dialog, atspi.ROLE_PUSH_BUTTON, "Imprimir"))
        program.wait_window_gone(PRINT_DIALOG, role=atspi.ROLE_DIALOG)

    def remove_own_jobs(self):
        """The queue's folder is shared: a run that passed takes its files away."""
        for path in self.own_jobs:
            try:
                os.remove(path)
            except OSError:
                pass

    def keep_evidence(self):
        if not self.work:
            return
        keep_failure_screen(self.desktop, self.work)
        for pdf in self.pdfs:
            try:
                shutil.copy(pdf, self.work)
            except OSError:
                pass
        try:
            shutil.copy(os.path.join(self.desktop.folder, "quenby.log"), self.work)
        except OSError:
            pass

    def quit_without_saving(self):
        program = self.program
        program.focus_largest_window()
        self.desktop.key("ctrl+q")
        # The document was never saved: the program asks; it is let go without saving.
        question = wait_for(lambda: _showing_alert(program) or not program.running, 30,
                            "the save question or the program's end")
        if question is not True:
            program.press(program.find(question, self.atspi.ROLE_PUSH_BUTTON, "No"))
        code = program.wait_exit()
        if code != 0:
            raise Failure(f"the program ended with exit code {code}")


def _open_list_item(program, combo, name):
    """The row `name` of the combo box's list once it is open: the closed list's rows
    have no place on the screen."""
    item = program.find(combo, program.atspi.ROLE_LIST_ITEM, name, timeout=1)
    x, y, width, height = program.extents(item)
    return item if y > 0 and width > 0 and height > 0 else None


def _showing_alert(program):
    """The question on the screen: a shown window with a "No" button."""
    atspi = program.atspi
    for window in program.windows():
        try:
            if program.is_showing(window) and window.getRole() in (
                    atspi.ROLE_ALERT, atspi.ROLE_DIALOG) and atspi.findDescendant(
                    window, lambda a: a is not None and a.getRole() == atspi.ROLE_PUSH_BUTTON
                    and accessible_name(a) == "No"):
                return window
        except Exception:
            continue
    return None


def _white_rectangle(width, height, rgb):
    """The bounding box (x, y, w, h) of the white pixels, or None."""
    def white(x, y):
        at = (y * width + x) * 3
        return rgb[at] >= 250 and rgb[at + 1] >= 250 and rgb[at + 2] >= 250
    rows = [y for y in range(0, height, 2) if any(white(x, y) for x in range(0, width, 4))]
    if not rows:
        return None
    columns = [x for x in range(0, width, 2)
               if any(white(x, y) for y in range(rows[0], rows[-1] + 1, 4))]
    top, bottom = rows[0], rows[-1]
    # Refine to the exact pixel row and column.
    while top > 0 and any(white(x, top - 1) for x in range(0, width, 4)):
        top -= 1
    while bottom + 1 < height and any(white(x, bottom + 1) for x in range(0, width, 4)):
        bottom += 1
    left, right = columns[0], columns[-1]
    while left > 0 and any(white(left - 1, y) for y in range(top, bottom + 1, 4)):
        left -= 1
    while right + 1 < width and any(white(right + 1, y) for y in range(top, bottom + 1, 4)):
        right += 1
    return left, top, right - left + 1, bottom - top + 1


# ---- road 2: a half-fold card, both sides ----

class HalfFold:
    """A card folded once, as the card-type dialog lists it, and where its faces go on
    each side of the sheet: (left, top, width, height) in fractions of the sheet, and
    whether the face prints turned by half a turn."""

    def __init__(self, name, paper, sheet_points, prompt, prompt_number, face_ratio,
                 outside, inside, cancel_first=False):
        self.name, self.paper, self.sheet_points = name, paper, sheet_points
        self.prompt, self.prompt_number, self.face_ratio = prompt, prompt_number, face_ratio
        self.outside, self.inside = outside, inside
        # The road cancels a print dialog before it prints.
        self.cancel_first = cancel_first


FOLDS = {
    # Portrait: the back upside down above the front; inside front above inside back.
    "card": HalfFold("½ Pliegue horizontal", "A4", (595.28, 841.89), REINSERT_PORTRAIT, 8300,
                     210 / 148.5,
                     outside={"back": ((0, 0, 1, 0.5), True), "front": ((0, 0.5, 1, 0.5), False)},
                     inside={"inside front": ((0, 0, 1, 0.5), False),
                             "inside back": ((0, 0.5, 1, 0.5), False)}),
    # Landscape: the back left of the front, the inside front left of the inside back.
    "landscape_card": HalfFold(
        "½ Pliegue vertical", "Carta", (792, 612), REINSERT_LANDSCAPE, 8301, 139.7 / 215.9,
        outside={"back": ((0, 0, 0.5, 1), False), "front": ((0.5, 0, 0.5, 1), False)},
        inside={"inside front": ((0, 0, 0.5, 1), False),
                "inside back": ((0.5, 0, 0.5, 1), False)},
        cancel_first=True),
}


def corner_box():
    """Where this run's boxes go on their faces, as fractions of the face: in the
    top-left corner, so that a face turned by half a turn shows it in the opposite one,
    and a little to the right by a step of the run's own."""
    step = random.choice((0.0, 0.07, 0.14))
    return Box(0.04 + step, 0.10, 0.30 + step, 0.42)


def on_sheet(box, place):
    """Where a box of face fractions prints, for a face placed on the sheet as `place`
    says: ((left, top, width, height), turned)."""
    (left, top, width, height), turned = place
    if turned:
        box = Box(1 - box.right, 1 - box.bottom, 1 - box.left, 1 - box.top)
    return Box(left + box.left * width, top + box.top * height,
               left + box.right * width, top + box.bottom * height)


def card_road(road, fold_name="card"):
    fold = FOLDS[fold_name]
    road.start_with("Crear una tarjeta")
    program, atspi = road.program, road.atspi
    dialog = program.window(CARD_TYPE, role=atspi.ROLE_DIALOG)
    program.press(program.find(dialog, atspi.ROLE_LIST_ITEM, fold.name))
    road.close_dialog(dialog, CARD_TYPE)
    if fold.paper != "A4":
        road.choose_paper(fold.paper)

    box = corner_box()
    front = road.face_on_screen("Parte delantera")
    if abs(front[2] / front[3] - fold.face_ratio) > 0.1:
        raise Failure(f"a face of '{fold.name}' on {fold.paper} should be "
                      f"{fold.face_ratio:.2f} times as wide as high; the page view shows "
                      f"{front[2]} x {front[3]} pixels")
    road.draw_box(front, *box.edges())
    for face in ("Parte trasera", "Parte delantera interna"):
        road.show_face(face)
        road.draw_box(road.face_on_screen(face), *box.edges())
    road.show_face("Parte trasera interna")
    text_at = (0.10, 0.30)
    road.place_text(road.face_on_screen("Parte trasera interna"), *text_at, "Hola")

    first_job = 1
    if fold.cancel_first:
        # A print dialog cancelled prints nothing and asks for no reinsertion; its job
        # number is used up all the same.
        road.menu_command("Fichero", "Imprimir...")
        dialog = program.window(PRINT_DIALOG, role=atspi.ROLE_DIALOG, timeout=60)
        program.press(program.find(dialog, atspi.ROLE_PUSH_BUTTON, "Cancelar"))
        program.wait_window_gone(PRINT_DIALOG, role=atspi.ROLE_DIALOG)
        deadline = time.monotonic() + 3
        while time.monotonic() < deadline:
            if program.has_window(REINSERT_CAPTION):
                raise Failure("a cancelled print asks for the sheet to be put back")
            time.sleep(0.2)
        first_job = 2

    road.menu_command("Fichero", "Imprimir...")
    outside = [(f"the {face}'s box", on_sheet(box, place))
               for face, place in fold.outside.items()]
    road.print_one_job(f"Wexmoor Arts {first_job:02d}",
                       lambda pdf: check_card_side(pdf, fold, outside, whole=True))

    prompt = program.window(REINSERT_CAPTION, timeout=60)
    said = [accessible_name(a) for a in program.all(
        prompt, lambda a: a is not None and a.getRole() == atspi.ROLE_LABEL)]
    if fold.prompt not in said:
        raise Failure(f"the reinsertion prompt of '{fold.name}' says {said}, not string "
                      f"{fold.prompt_number}")
    program.press(program.find(prompt, atspi.ROLE_PUSH_BUTTON, "Aceptar"))

    inside_front = [("the inside front's box", on_sheet(box, fold.inside["inside front"]))]
    # The text's top-left corner is where it was placed; it runs right and down from there.
    (left, top, width, height), _ = fold.inside["inside back"]
    text_region = Box(left, top, left + width, top + height)
    text_corner = on_sheet(Box(*text_at, *text_at), fold.inside["inside back"])

    def inside_back(pdf):
        text = pdf.ink(1, text_region)
        if text is None or abs(text.left - text_corner.left) > 0.05 \
                or abs(text.top - text_corner.top) > 0.08:
            raise Failure(f"the inside back's text should start near {text_corner}; "
                          f"ink on that face: {text}")
    road.print_one_job(f"Wexmoor Arts {first_job + 1:02d}",
                       lambda pdf: (check_card_side(pdf, fold, inside_front), inside_back(pdf)))
    road.quit_without_saving()


def check_card_side(pdf, fold, boxes, whole=False):
    """One page of the fold's paper with `boxes` ((name, Box) pairs) on it; with `whole`,
    nothing else."""
    pages = pdf.pages()
    if pages != 1:
        raise Failure(f"{pages} pages, not 1")
    width, height = pdf.page_size(1)
    sheet_width, sheet_height = fold.sheet_points
    if abs(width - sheet_height) <= 2 and abs(height - sheet_width) <= 2 \
            and sheet_width > sheet_height:
        # The print system lays a landscape sheet on the paper as the printer takes it,
        # upright, with the sheet's top to the left.
        pdf.turn_back_quarter(1)
    elif abs(width - sheet_width) > 2 or abs(height - sheet_height) > 2:
        raise Failure(f"{width:.0f} x {height:.0f} pt, not {fold.paper} "
                      f"{sheet_width:.0f} x {sheet_height:.0f}")
    for name, expected in boxes:
        # The ink a little around the expected place must be the box alone.
        found = pdf.ink(1, expected.grown(0.05))
        if found is None or not found.close_to(expected, 0.025):
            raise Failure(f"{name} should print at {expected}; ink there: {found}")
    if whole:
        found = pdf.ink(1, Box(0, 0, 1, 1))
        union = Box(min(b.left for _, b in boxes), min(b.top for _, b in boxes),
                    max(b.right for _, b in boxes), max(b.bottom for _, b in boxes))
        if found is None or not found.close_to(union, 0.025):
            raise Failure(f"the sheet should show the boxes alone, within {union}; its ink "
                          f"spans {found}")


# ---- road 3: a page set of 2 x 2 sheets ----

def canvas_box():
    """The box over the canvas of four sheets, as fractions of the canvas, a little to
    the right by a step of the run's own."""
    step = random.choice((0.0, 0.04, 0.08))
    return (0.06 + step, 0.12, 0.86 + step, 0.85)


def page_set_road(road, picture=False):
    road.start_with("Crear un cartel")
    program, atspi = road.program, road.atspi
    dialog = program.window(PAGE_SET_FORMAT, role=atspi.ROLE_DIALOG)
    for field_name in ("Cuadros de imagen a lo ancho:", "Cuadros de imagen a lo alto:"):
        field = program.find(dialog, None, field_name)
        program.press(field)
        road.desktop.key("ctrl+a")
        road.desktop.type_text("2")
    road.close_dialog(dialog, PAGE_SET_FORMAT)

    box = canvas_box()
    canvas = road.face_on_screen("Página")
    ratio = canvas[2] / canvas[3]
    if not 0.6 < ratio < 0.8:
        raise Failure(f"2 x 2 A4 portrait sheets should show as a canvas of 420 x 594 mm; "
                      f"the page view shows {canvas[2]} x {canvas[3]} pixels")
    # Something small on the first sheet, stretched over all four by its bottom-right
    # handle, as a child makes a poster.
    left, top, right, bottom = box
    x, y, w, h = canvas
    if picture:
        road.import_picture(canvas, left, top, PICTURE_CATEGORY, PICTURE)
    else:
        road.draw_box(canvas, left, top, 0.35, 0.38)
    top_left, bottom_right, grab = road.select_for_resizing(canvas, (left + 0.02, top + 0.02))
    # Where the element really starts: a picture comes centred on the click.
    box = ((top_left[0] - x) / w, (top_left[1] - y) / h, right, bottom)
    # The drag scales the element about its top-left corner by how far the pointer
    # went from where it was pressed: the pointer stops where the pressed place goes
    # when the bottom-right corner reaches its place.
    target = (x + w * right, y + h * bottom)
    road.desktop.drag(grab, tuple(
        round(top_left[i] + (target[i] - top_left[i]) * (grab[i] - top_left[i])
              / (bottom_right[i] - top_left[i])) for i in (0, 1)))

    road.menu_command("Fichero", "Imprimir...")
    road.print_one_job("Wexmoor Arts 01", lambda pdf: check_tiles(pdf, box, picture))
    road.quit_without_saving()


def check_tiles(pdf, box, picture):
    pages = pdf.pages()
    if pages != 4:
        raise Failure(f"{pages} pages, not 4")
    for page in range(1, 5):
        width, height = pdf.page_size(page)
        if abs(width - A4_POINTS[0]) > 2 or abs(height - A4_POINTS[1]) > 2:
            raise Failure(f"page {page} is {width:.0f} x {height:.0f} pt, not A4 portrait")
    left, top, right, bottom = box
    what = "picture" if picture else "box"
    # Pages run down the first column, then down the second.
    tiles = {1: (0, 0), 2: (0, 1), 3: (1, 0), 4: (1, 1)}
    for page, (column, row) in tiles.items():
        # The part of the box this sheet shows, in the sheet's own fractions.
        expected = Box(max(left * 2 - column, 0.0), max(top * 2 - row, 0.0),
                       min(right * 2 - column, 1.0), min(bottom * 2 - row, 1.0))
        found = pdf.ink(page, Box(0, 0, 1, 1))
        # A picture may leave its own edges white: its ink lies within its place.
        fits = found is not None and (
            found.close_to(expected, 0.03) if not picture else
            expected.grown(0.03).contains(found) and found.area() > 0.5 * expected.area())
        if not fits:
            raise Failure(f"page {page} (column {column + 1}, row {row + 1}) should show "
                          f"the {what}'s part {expected}; ink: {found}")
    if picture:
        check_picture_seams(pdf)
    else:
        check_box_joins(pdf)
    for page, sides in ((1, ("right", "bottom")), (2, ("right", "top")),
                        (3, ("left", "bottom")), (4, ("left", "top"))):
        reach = pdf.reach(page)
        for side in sides:
            if reach[side] > 0.02:
                raise Failure(f"on page {page} the {what} stops {reach[side]:.3f} of the "
                              f"sheet short of its {side} edge, where the next sheet "
                              f"goes on")



# Neighbouring pages, and the side of each where they meet.
SEAMS = ((1, "right", 3, "left"), (2, "right", 4, "left"),
         (1, "bottom", 2, "top"), (3, "bottom", 4, "top"))


def check_box_joins(pdf):
    """Where the box crosses from one sheet to the next its lines meet: the top line at
    one height on pages 1 and 3, the left line at one place on pages 1 and 2, ..."""
    edges = {page: pdf.box_edges(page) for page in range(1, 5)}
    for first, second, edge in ((1, 3, "top"), (2, 4, "bottom"), (1, 2, "left"),
                                (3, 4, "right")):
        a, b = edges[first].get(edge), edges[second].get(edge)
        if a is None or b is None or abs(a - b) > 0.01:
            raise Failure(f"the box's {edge} line does not join between pages {first} "
                          f"and {second}: at {a} and {b}")


def check_picture_seams(pdf):
    """The picture goes on from one sheet to the next: along the sides where two pages
    meet, their outermost pixels are inked in the same places."""
    for first, side, second, other_side in SEAMS:
        a = pdf.render(first).edge(side)
        b = pdf.render(second).edge(other_side)
        inked = [i for i in range(min(len(a), len(b))) if a[i] or b[i]]
        both = [i for i in inked if a[i] and b[i]]
        if len(inked) < 10 or len(both) < 0.7 * len(inked):
            raise Failure(f"the picture does not go on from page {first}'s {side} side to "
                          f"page {second}'s {other_side} side: {len(both)} of {len(inked)} "
                          f"inked places meet")


if __name__ == "__main__":
    run_test(main)
