#!/usr/bin/python3
"""A template chosen in the browser, changed with the mouse and keys, and saved, in the
real program, seen through the accessibility bus.

    template_road.py QUENBY QUENBY_TOOL [WORK_FOLDER]

Start screen -> "Usar una plantilla" -> the kind "Tarjetas" and the template "Corazones"
by name -> Aceptar -> a real click on one of the front's pictures selects it and Delete
removes it -> Fichero > "Guardar como..." into ~/Documentos. `quenby-tool info` then shows
the template's layout with that one element gone and every other element as it was.
Every dialog met is walked for unnamed controls. Exit 0: passed; 77: skipped (no X
server, no bus); anything else: failed, with the screen kept as WORK_FOLDER/failure.png.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop_session import Failure, wait_for  # noqa: E402
from editor_steps import START_SCREEN, face_units, run_road, settle, tool_json  # noqa: E402

BROWSER = "Seleccionar una plantilla"
KIND = "Tarjetas"
TEMPLATE = "Corazones"
LAYOUT = ("isCard", "cardType", "orientation", "paperSize", "tilesAcross", "tilesDown",
          "pageColour")


def road(editor, quenby, tool, documents):
    import pyatspi
    program = editor.p
    saved = os.path.join(documents, "plantilla-cambiada.wxd")
    templates = os.path.join(os.path.dirname(quenby), "..", "share", "quenby", "Templates")

    start = editor.dialog(START_SCREEN)
    browser = editor.press_for_dialog(
        program.find(start, pyatspi.ROLE_PUSH_BUTTON, "Usar una plantilla"), BROWSER)
    kind = program.find(browser, pyatspi.ROLE_RADIO_BUTTON, KIND, showing=True)
    program.press(kind)
    wait_for(lambda: kind.getState().contains(pyatspi.STATE_CHECKED), 10, f"'{KIND}' chosen")
    template = os.path.join(templates, str(kind.getIndexInParent() + 1), TEMPLATE + ".wxd")
    if not os.path.isfile(template):
        raise Failure(f"no template file {template} for '{KIND}'")
    rows = program.find(browser, pyatspi.ROLE_LIST, "Plantillas disponibles")
    row = program.find(rows, pyatspi.ROLE_LIST_ITEM, TEMPLATE, showing=True)
    editor.choose(row, f"the template '{TEMPLATE}' chosen")
    editor.press_until_gone(BROWSER, program.find(browser, pyatspi.ROLE_PUSH_BUTTON, "Aceptar"))
    if program.has_window(START_SCREEN, role=pyatspi.ROLE_DIALOG):
        raise Failure("the start screen is still up after the template was chosen")

    original = tool_json(tool, "info", template)
    units = face_units(tool, template)
    target = topmost_picture(original["elements"], units)
    editor.page_view("Parte delantera")
    settle()
    face = editor.face()
    centre = element_centre(original["elements"][target])
    program.focus_largest_window()
    editor.click_face(face, centre[0] / units[0], centre[1] / units[1])
    settle()
    editor.desktop.key("Delete")

    editor.save_as(saved)
    changed = tool_json(tool, "info", saved)
    for field in LAYOUT:
        if changed.get(field) != original.get(field):
            raise Failure(f"the saved template's {field} is {changed.get(field)}, "
                          f"not the template's {original.get(field)}")
    left = [shape(e) for i, e in enumerate(original["elements"]) if i != target]
    now = [shape(e) for e in changed["elements"]]
    if now != left:
        raise Failure(f"the template had {len(original['elements'])} elements; after "
                      f"deleting element {target} the saved one has {len(now)}, "
                      f"and they are not the others unchanged")
    editor.quit()


def element_centre(element):
    xs = [c[0] for c in element["corners"]]
    ys = [c[1] for c in element["corners"]]
    return (min(xs) + max(xs)) / 2, (min(ys) + max(ys)) / 2


def topmost_picture(elements, units):
    """The index of a front picture whose centre no later element of the front covers
    (later elements are drawn over earlier ones, and a click takes the one on top)."""
    def covers(element, point):
        xs = [c[0] for c in element["corners"]]
        ys = [c[1] for c in element["corners"]]
        return min(xs) <= point[0] <= max(xs) and min(ys) <= point[1] <= max(ys)
    for index in range(len(elements) - 1, -1, -1):
        element = elements[index]
        if element["page"] != 0 or element["kind"] != 5 or element["groupId"] or \
                element["groupMember"]:
            continue
        centre = element_centre(element)
        if not (0 < centre[0] < units[0] and 0 < centre[1] < units[1]):
            continue
        if not any(e["page"] == 0 and covers(e, centre) for e in elements[index + 1:]):
            return index
    raise Failure("the template's front has no picture to click on")


def shape(element):
    """What a deletion must leave as it was: kind, face and corners."""
    return (element["kind"], element["page"],
            tuple(tuple(round(v, 1) for v in c) for c in element["corners"]))


if __name__ == "__main__":
    run_road(road)
