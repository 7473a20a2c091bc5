#!/usr/bin/python3
"""The whole road of one card through the real program, seen through the accessibility bus.

    card_full_road.py QUENBY QUENBY_TOOL [WORK_FOLDER]

Start screen -> "Crear una tarjeta" -> a fold -> on the front a picture from the library
(Insertar > Imagen, a click on the face, a category, a tile, Importar) and a typed text
given one of the program's own typefaces (Formato > "Fuente de texto...") -> the face
button of the inside front -> a calendar there (Insertar > Calendario, a click, a month
and a year) -> Fichero > "Guardar como..." into ~/Documentos. The saved card is read back
with `quenby-tool info`: its fold, the picture at the size of the library file chosen,
the text in its typeface, the calendar's four grouped elements and its title. Every
dialog met is walked for unnamed controls. Exit 0: passed; 77: skipped (no X server, no
bus); anything else: failed, with the screen kept as WORK_FOLDER/failure.png.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop_session import Failure, accessible_name, wait_for  # noqa: E402
from editor_steps import START_SCREEN, run_road, settle, tool_json  # noqa: E402

CARD_TYPE = "Seleccionar tipo de tarjeta"
FOLD = "¼ Pliegue lateral vertical"  # row 4 of the list
FOLD_NUMBER = 4
LIBRARY = "Imágenes a importar"
CATEGORY = "Criaturas mágicas"
TILE = "1"  # the first tile: the last of the category's names
TEXT_DIALOG = "Cambiar texto"
TEXT = "Hola Lucia"
FONT_DIALOG = "Seleccionar una fuente"
TYPEFACE = "Blotwell"  # one of the program's own typefaces
INSIDE = "Parte delantera interna"
CALENDAR_DIALOG = "Insertar un calendario"
MONTH, YEAR = "Marzo", 2027
FRONT_FACE, INSIDE_FACE = 0, 1
PICTURE, TEXT_KIND = 5, 6


def road(editor, quenby, tool, documents):
    import pyatspi
    program = editor.p
    saved = os.path.join(documents, "tarjeta-completa.wxd")
    images = os.path.join(os.path.dirname(quenby), "..", "share", "quenby", "Images")

    start = editor.dialog(START_SCREEN)
    folds = editor.press_for_dialog(
        program.find(start, pyatspi.ROLE_PUSH_BUTTON, "Crear una tarjeta"), CARD_TYPE)
    editor.choose(program.find(folds, pyatspi.ROLE_LIST_ITEM, FOLD), f"the fold {FOLD!r} chosen")
    editor.press_until_gone(CARD_TYPE, program.find(folds, pyatspi.ROLE_PUSH_BUTTON, "Aceptar"))
    editor.page_view("Parte delantera")
    face = editor.face()

    picture_file = library_picture(editor, face, images)
    text_in_typeface(editor, face)

    # The inside front, by its face button on the toolbar.
    editor.turn_to(INSIDE)
    settle()
    calendar(editor, editor.face())

    # The save dialog starts in the desktop's documents folder: the name alone goes there.
    editor.save_as(saved, name_only=True)
    check_card(tool_json(tool, "info", saved), tool_json(tool, "wxg-info", picture_file))
    editor.quit()


def library_picture(editor, face, images):
    """Places the category's first tile near the face's top left corner; returns the
    library file it stands for."""
    p, atspi = editor.p, editor.atspi
    editor.menu("Insertar", "Imagen")
    library = editor.click_for_dialog(editor.at(face, 0.08, 0.06), LIBRARY)
    categories = p.find(library, atspi.ROLE_LIST, "Seleccionar categoría")
    item = p.find(categories, atspi.ROLE_LIST_ITEM, CATEGORY, showing=True)
    folder = os.path.join(images, str(item.getIndexInParent() + 1))
    names = library_names(folder)
    if not names:
        raise Failure(f"no pictures in {folder}")
    p.press(item)
    tiles = p.find(library, atspi.ROLE_LIST, "Seleccionar imágen a importar")
    # The tiles arrive one by one under a progress window; all of them, and the
    # progress gone, before a tile is chosen.
    wait_for(lambda: tiles.childCount == len(names), 60,
             f"the {len(names)} pictures of '{CATEGORY}'")
    tile = p.find(tiles, atspi.ROLE_LIST_ITEM, TILE, showing=True)
    editor.choose(tile, f"tile {TILE} chosen")
    editor.press_until_gone(LIBRARY, p.find(library, atspi.ROLE_PUSH_BUTTON, "Importar"))
    # Tile k stands for the k-th name from the end.
    return os.path.join(folder, names[len(names) - int(TILE)])


def library_names(folder, language=0):
    """The category's picture names in the library's order: those without a language
    digit and those of `language`, by the bytes of their 8-bit form."""
    names = [n for n in os.listdir(folder) if n.lower().endswith(".wxg") and
             os.path.isfile(os.path.join(folder, n)) and
             not (n[:1].isdigit() and n[:1] != str(language))]

    def key(name):
        return name.encode("cp1252", errors="replace")[:128], name
    return sorted(names, key=key)


def text_in_typeface(editor, face):
    p, atspi = editor.p, editor.atspi
    editor.menu("Insertar", "Texto")
    dialog = editor.click_for_dialog(editor.at(face, 0.1, 0.72), TEXT_DIALOG)
    write(editor, dialog, TEXT)
    editor.press_until_gone(TEXT_DIALOG, p.find(dialog, atspi.ROLE_PUSH_BUTTON, "Aceptar"))

    # The new text is the selection: its typeface through the Formato menu.
    editor.menu("Formato", "Fuente de texto...")
    fonts = editor.dialog(FONT_DIALOG)
    faces = p.find(fonts, atspi.ROLE_LIST, "Fuente")

    def chosen():
        item = atspi.findDescendant(
            faces, lambda a: a is not None and accessible_name(a) == TYPEFACE)
        return item is not None and item.getState().contains(atspi.STATE_SELECTED)
    for _ in range(4):
        # The list finds a row by its first letters, typed in one go.
        p.press(faces)
        settle(0.6)
        editor.desktop.type_text(TYPEFACE)
        if wait_for_quietly(chosen, 5):
            break
        settle(1.0)
    else:
        raise Failure(f"typing '{TYPEFACE}' in the font list did not choose it")
    editor.press_until_gone(FONT_DIALOG, p.find(fonts, atspi.ROLE_PUSH_BUTTON, "Aceptar"))


def write(editor, dialog, text):
    """Types `text` into the text dialog's first field and reads it back: under load a
    letter can be lost."""
    p = editor.p
    field = p.find(dialog, p.atspi.ROLE_TEXT, "Texto a la izquierda", showing=True)
    for _ in range(4):
        p.press(field)
        editor.desktop.key("ctrl+a", "BackSpace")
        editor.desktop.type_text(text)
        if wait_for_quietly(lambda: field.queryText().getText(0, -1) == text, 3):
            return
    raise Failure(f"could not type {text!r} into the text dialog")


def calendar(editor, face):
    p, atspi = editor.p, editor.atspi
    editor.menu("Insertar", "Calendario")
    dialog = editor.click_for_dialog(editor.at(face, 0.06, 0.06), CALENDAR_DIALOG)
    months = p.find(dialog, atspi.ROLE_LIST, "Mes")
    month = p.find(months, atspi.ROLE_LIST_ITEM, MONTH, showing=True)
    editor.choose(month, f"{MONTH} chosen")
    year = p.find(dialog, atspi.ROLE_SPIN_BUTTON, "Año", showing=True)
    for _ in range(4):
        p.press(year)
        editor.desktop.key("ctrl+a")
        editor.desktop.type_text(str(YEAR))
        if wait_for_quietly(lambda: int(year.queryValue().currentValue) == YEAR, 3):
            break
    else:
        raise Failure(f"could not set the calendar's year to {YEAR}")
    editor.press_until_gone(CALENDAR_DIALOG, p.find(dialog, atspi.ROLE_PUSH_BUTTON, "Aceptar"))


def wait_for_quietly(condition, timeout):
    try:
        return wait_for(condition, timeout, "")
    except Failure:
        return None


def check_card(doc, picture):
    if doc.get("isCard") != 1 or doc.get("cardType") != FOLD_NUMBER:
        raise Failure(f"the saved document is not a card of fold {FOLD_NUMBER}: "
                      f"isCard={doc.get('isCard')}, cardType={doc.get('cardType')}")
    elements = doc["elements"]
    front = [e for e in elements if e["page"] == FRONT_FACE]
    inside = [e for e in elements if e["page"] == INSIDE_FACE]
    pictures = [e for e in front if e["kind"] == PICTURE]
    texts = [e for e in front if e["kind"] == TEXT_KIND]
    if len(front) != 2 or len(pictures) != 1 or len(texts) != 1:
        raise Failure(f"the front holds {[e['kind'] for e in front]}, "
                      "not one picture and one text")
    size = pictures[0].get("picture") and (pictures[0]["picture"]["width"],
                                           pictures[0]["picture"]["height"])
    if size != (picture["width"], picture["height"]):
        raise Failure(f"the front's picture is {size}, not the library file's "
                      f"{picture['width']} × {picture['height']}")
    text = texts[0]["text"]
    if text["chars"] != TEXT or text["font"]["faceName"] != TYPEFACE:
        raise Failure(f"the front's text is {text['chars']!r} in "
                      f"{text['font']['faceName']!r}, not {TEXT!r} in {TYPEFACE!r}")

    leaders = [e for e in inside if e["groupId"]]
    if len(leaders) != 1:
        raise Failure(f"the inside front holds {len(leaders)} groups, not one calendar")
    members = [e for e in inside if e["groupMember"] == leaders[0]["groupId"]]
    titles = [e["text"]["chars"] for e in members if e["kind"] == TEXT_KIND]
    if len(members) + 1 != 4 or len(inside) != 4:
        raise Failure(f"the calendar holds {len(members) + 1} elements and the inside "
                      f"front {len(inside)}, not 4 and 4")
    if f"{MONTH} {YEAR}" not in titles:
        raise Failure(f"the calendar's texts are {titles}, without '{MONTH} {YEAR}'")
    others = [e for e in elements if e["page"] not in (FRONT_FACE, INSIDE_FACE)]
    if others:
        raise Failure(f"{len(others)} elements landed on faces nobody worked on")


if __name__ == "__main__":
    run_road(road)
