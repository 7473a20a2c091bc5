#!/usr/bin/python3
"""The first road of one card through the real program, seen through the accessibility bus.

    card_road.py QUENBY QUENBY_TOOL [WORK_FOLDER]

Start screen -> "Crear una tarjeta" -> a fold in the card-type dialog -> Fichero, "Guardar
como..." -> a file name typed in the save dialog; the saved file is then read back with
`quenby-tool info`. On the way every window met is walked for unnamed controls (buttons,
menus, list boxes, combo boxes, edit fields): a screen reader could not tell the user what
they are. Exit 0: passed; 77: skipped (no X server, no bus); anything else: failed. The
screen at a failure is kept as WORK_FOLDER/failure.png when a folder is given.
"""

import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop_session import (DesktopSession, Failure, accessible_name,  # noqa: E402
                             run_keeping_screen, run_test)

START_SCREEN = "Wexmoor Arts Craftbox"
CARD_TYPE = "Seleccionar tipo de tarjeta"
FOLD = "¼ Pliegue lateral vertical"  # row 4 of the list
SAVE_AS = "Guardar como..."
FILE_DIALOG = "Seleccionar nombre de fichero"


def unnamed_controls(program, root):
    """The controls under `root` a screen reader could not name, as short descriptions."""
    atspi = program.atspi
    roles = {atspi.ROLE_PUSH_BUTTON, atspi.ROLE_TOGGLE_BUTTON, atspi.ROLE_CHECK_BOX,
             atspi.ROLE_RADIO_BUTTON, atspi.ROLE_MENU, atspi.ROLE_MENU_ITEM,
             atspi.ROLE_CHECK_MENU_ITEM, atspi.ROLE_RADIO_MENU_ITEM, atspi.ROLE_LIST,
             atspi.ROLE_LIST_BOX, atspi.ROLE_COMBO_BOX, atspi.ROLE_TEXT, atspi.ROLE_ENTRY,
             atspi.ROLE_SPIN_BUTTON, atspi.ROLE_PAGE_TAB}
    found = []

    def unnamed(accessible):
        try:
            return accessible is not None and accessible.getRole() in roles and \
                program.is_showing(accessible) and not accessible_name(accessible).strip()
        except Exception:
            return False
    for accessible in program.descendants(root, unnamed):
        try:
            parent = accessible_name(accessible.parent)
        except Exception:
            parent = "?"
        found.append(f"{accessible.getRoleName()} in '{parent}'")
    return found


def check_names(program, window, where, problems):
    for control in unnamed_controls(program, window):
        problems.append(f"{where}: unnamed {control}")


def main():
    quenby, tool = sys.argv[1], sys.argv[2]
    work = sys.argv[3] if len(sys.argv) > 3 else None
    with DesktopSession() as desktop:
        run_keeping_screen(desktop, work, road, quenby, tool)


def road(desktop, quenby, tool):
    import pyatspi
    documents = os.path.join(desktop.home, "Documentos")
    os.makedirs(documents)
    saved = os.path.join(documents, "tarjeta-de-prueba.wxd")
    program = desktop.start_program(quenby, log=os.path.join(desktop.folder, "quenby.log"))
    problems = []

    # The start screen, and behind it the main frame with its menus and toolbars.
    start = program.window(START_SCREEN, role=pyatspi.ROLE_DIALOG)
    check_names(program, start, "start screen", problems)
    frame = program.window(START_SCREEN, role=pyatspi.ROLE_FRAME)
    check_names(program, frame, "main frame", problems)
    program.press(program.find(start, pyatspi.ROLE_PUSH_BUTTON, "Crear una tarjeta"))

    # The card-type dialog: a fold, then Aceptar.
    dialog = program.window(CARD_TYPE, role=pyatspi.ROLE_DIALOG)
    check_names(program, dialog, "card-type dialog", problems)
    program.press(program.find(dialog, pyatspi.ROLE_LIST_ITEM, FOLD))
    program.press(program.find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Aceptar"))
    program.wait_window_gone(CARD_TYPE)
    if program.has_window(START_SCREEN, role=pyatspi.ROLE_DIALOG):
        raise Failure("the start screen is still up after the card was chosen")

    # The page view is named for the face it shows.
    page = program.atspi.findDescendant(
        frame, lambda a: a is not None and accessible_name(a) == "Parte delantera")
    if page is None:
        problems.append("the page view is not named for the front face")

    # Fichero -> Guardar como...
    menu_bar = program.find(frame, pyatspi.ROLE_MENU_BAR)
    program.press(program.find(menu_bar, pyatspi.ROLE_MENU_ITEM, "Fichero"))
    item = program.find(program.application, pyatspi.ROLE_MENU_ITEM, SAVE_AS)
    program.press(item)
    save = program.window(FILE_DIALOG, role=pyatspi.ROLE_DIALOG)
    check_names(program, save, "save dialog", problems)
    # The file name field has the focus; the whole path leaves no doubt where it goes.
    desktop.key("ctrl+a")
    desktop.type_text(saved)
    desktop.key("Return")
    program.wait_window_gone(FILE_DIALOG)

    if not _wait_file(saved):
        raise Failure(f"nothing was saved as {saved}")
    info = subprocess.run([tool, "info", saved], capture_output=True, text=True, timeout=60)
    if info.returncode != 0:
        raise Failure(f"quenby-tool info cannot read the saved card: {info.stderr.strip()}")
    doc = json.loads(info.stdout)
    if doc.get("isCard") != 1:
        raise Failure(f"the saved document is not a card: isCard={doc.get('isCard')}")
    if doc.get("cardType") != 4:
        raise Failure(f"the saved card has fold {doc.get('cardType')}, not the chosen 4")

    # Leaving with Ctrl+Q: the card is saved, so no question.
    program.focus_largest_window()
    desktop.key("ctrl+q")
    code = program.wait_exit()
    if code != 0:
        raise Failure(f"the program ended with exit code {code}")
    if problems:
        raise Failure("; ".join(problems))


def _wait_file(path, timeout=20):
    import time
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if os.path.exists(path) and os.path.getsize(path) > 0:
            return True
        time.sleep(0.1)
    return False


if __name__ == "__main__":
    run_test(main)
