#!/usr/bin/python3
"""The right button's menu on the page, reached through the accessibility bus.

    context_menu_check.py QUENBY [WORK_FOLDER]

A box is drawn on a new card with real input, the right button pressed on it, and the
menu that opens is looked for among the program's windows on the bus, where a screen
reader looks: its item "Borrar" is found by name and clicked, and the box is gone (a
second right press there opens nothing). Exit 0: passed; 77: skipped (no X server, no
bus); anything else: failed. The screen at a failure is kept as WORK_FOLDER/failure.png.
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop_session import (DesktopSession, Failure, accessible_name,  # noqa: E402
                             run_keeping_screen, run_test, wait_for)

START_SCREEN = "Wexmoor Arts Craftbox"
CARD_TYPE = "Seleccionar tipo de tarjeta"
ITEMS = ["Llenar...", "Añadir contorno...", "Duplicar", "Borrar", "Salir de este menú"]


def main():
    quenby = sys.argv[1]
    work = sys.argv[2] if len(sys.argv) > 2 else None
    with DesktopSession() as desktop:
        run_keeping_screen(desktop, work, check, quenby)


def lone_menu(program):
    """The pop-up menu shown among the program's windows, or None."""
    import pyatspi
    for window in program.windows():
        try:
            if window.getRole() in (pyatspi.ROLE_POPUP_MENU, pyatspi.ROLE_MENU) and \
                    program.is_showing(window):
                return window
        except Exception:
            continue
    return None


def check(desktop, quenby):
    import pyatspi
    program = desktop.start_program(quenby, log=os.path.join(desktop.folder, "quenby.log"))
    start = program.window(START_SCREEN, role=pyatspi.ROLE_DIALOG)
    frame = program.window(START_SCREEN, role=pyatspi.ROLE_FRAME)
    program.press(program.find(start, pyatspi.ROLE_PUSH_BUTTON, "Crear una tarjeta"))
    dialog = program.window(CARD_TYPE, role=pyatspi.ROLE_DIALOG)
    program.press(program.find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Aceptar"))
    program.wait_window_gone(CARD_TYPE)

    # A box across the middle of the front face.
    program.press(program.find(frame, (pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TOGGLE_BUTTON,
                                       pyatspi.ROLE_PUSH_BUTTON), "Rectángulo", showing=True))
    # The page view is named for the face it shows, as is the face's toolbar button.
    page = program.atspi.findDescendant(
        frame, lambda a: a is not None and accessible_name(a) == "Parte delantera"
        and a.getRole() not in (pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_PUSH_BUTTON))
    if page is None:
        raise Failure("no page view named 'Parte delantera'")
    x, y, width, height = program.extents(page)
    centre = (x + width // 2, y + height // 2)
    desktop.drag((centre[0] - 60, centre[1] - 40), (centre[0] + 60, centre[1] + 40))
    time.sleep(0.5)

    desktop.click(*centre, button=3)
    menu = wait_for(lambda: lone_menu(program), 10, "a menu on the bus after the right button")
    names = [accessible_name(item) for item in menu if item is not None]
    if names[:1] != ITEMS[:1] or not all(name in names for name in ITEMS):
        raise Failure(f"the box's menu shows {names}, not {ITEMS}")
    program.press(program.find(menu, pyatspi.ROLE_MENU_ITEM, "Borrar", showing=True))
    wait_for(lambda: lone_menu(program) is None, 10, "the menu to close after 'Borrar'")

    # Nothing is left under the pointer to open a menu on.
    desktop.click(*centre, button=3)
    time.sleep(2)
    if lone_menu(program) is not None:
        desktop.key("Escape")
        raise Failure("the box is still there after 'Borrar'")


if __name__ == "__main__":
    run_test(main)
