#!/usr/bin/env bash
# Drives the real program under an X server with real input events.
#   quenby_desktop_run.sh QUENBY WORK_FOLDER SCREENSHOT_FOLDER
# Run inside xvfb-run. Exit 0: passed; 77: skipped; anything else: failed.
set -u
quenby=$1
work=$2
shots=$3
for tool in xdotool import; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
export HOME=$work/home
export XDG_CONFIG_HOME=$HOME/.config
export QT_QPA_PLATFORM=xcb
# Under the sanitizers the X libraries' own allocations would count as leaks at exit;
# this run is about the user's road through the program, the unit tests check leaks.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
mkdir -p "$HOME" "$shots"
config="$XDG_CONFIG_HOME/Wexmoor Arts/Craftdesk-1.0.ini"
pid=
program_log=

fail() {
    echo "FAIL: $*"
    if [ -s "$program_log" ]; then
        echo "the program's error output:"
        tail -20 "$program_log"
    fi
    import -window root "$shots/failure.png" 2>/dev/null
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    exit 1
}
alive() { kill -0 "$pid" 2>/dev/null; }

# The first visible window whose name matches and that is at most MAXWIDTH wide.
find_window() {
    local w
    for w in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$w")"
        if [ "$WIDTH" -le "$2" ] && [ "$WIDTH" -ge "${3:-0}" ]; then
            echo "$w"
            return 0
        fi
    done
    return 1
}
wait_window() {
    local i
    for i in $(seq 1 150); do
        find_window "$@" && return 0
        sleep 0.1
    done
    return 1
}
wait_exit() {
    local i
    for i in $(seq 1 150); do
        if ! alive; then
            wait "$pid"
            return $?
        fi
        sleep 0.1
    done
    return 124
}
# Closes a saved document's frame with Alt+F4 and waits for the program to end. On a
# loaded machine the key can be lost before the frame takes the focus, so a frame still
# there after the wait is given the key once more.
close_saved() {  # frame
    press "$1" alt+F4
    wait_exit && return 0
    local rc=$?
    [ "$rc" -eq 124 ] || return "$rc"
    alive || return 0
    press "$1" alt+F4
    wait_exit
}
press() {  # window keys...
    local w=$1
    shift
    xdotool mousemove --window "$w" 20 20
    xdotool windowfocus --sync "$w" 2>/dev/null
    xdotool key --clearmodifiers "$@"
}
title='^Wexmoor Arts Craftbox$'
# Starts the program and waits for its start screen, whose window it puts in $start.
# Now and then the program's first connection to the fresh X server is refused although
# the server runs; such a start is tried again, up to three times. The program's error
# output goes to a log of its own, so that $pid stays the program's.
start=
start_program() {  # run
    local attempt i
    program_log=$work/quenby-$1.log
    for attempt in 1 2 3; do
        "$quenby" 2>"$program_log" &
        pid=$!
        for i in $(seq 1 150); do
            start=$(find_window "$title" 800) && return 0
            alive || break
            sleep 0.1
        done
        if alive || [ "$attempt" -eq 3 ] ||
                ! grep -q 'could not connect to display' "$program_log"; then
            break
        fi
        wait "$pid"
        echo "again: the X server refused the program's connection ($1, start $attempt)"
        sleep 1
    done
    return 1
}
# Starts the program and presses the start screen's button at height Y.
start_and_press() {  # y run
    start_program "$2" || fail "no start screen ($2)"
    sleep 0.5
    [ "$2" = first ] && import -window root "$shots/start-screen.png"
    xdotool mousemove --window "$start" 471 "$1" click 1
}

# 1. The exit button ends the program at once: an untouched document asks nothing.
start_and_press 370 first
wait_exit
rc=$?
[ "$rc" -eq 0 ] || fail "the exit button left the program running or failing ($rc)"
echo "ok: exit button"

# 2. The card button leads through the card-type dialog to a card at "Página entera".
rm -rf "$XDG_CONFIG_HOME"
start_and_press 203 card
dialog=$(wait_window '^Seleccionar tipo de tarjeta$' 2000) || fail "no card-type dialog"
sleep 0.3
press "$dialog" Return
gone=0
for i in $(seq 1 100); do
    find_window "$title" 800 >/dev/null || { gone=1; break; }
    sleep 0.1
done
[ "$gone" -eq 1 ] || fail "the start screen is still up after the card choice"
sleep 0.5
frame=$(wait_window "$title" 100000 801) || fail "no main frame"
import -window root "$shots/main-frame-card.png"
echo "ok: card"

# 3. Help: F1 shows the help viewer; a second F1 ends it before starting the next one.
press "$frame" F1
wait_window '^Ayuda de Wexmoor Arts Craftbox$' 100000 >/dev/null || fail "F1 showed no help"
first=$(pgrep -P "$pid" -f quenby-help | head -1)
sleep 0.5
import -window root "$shots/help.png"
press "$frame" F1
sleep 1.5
second=$(pgrep -P "$pid" -f quenby-help)
[ "$(echo "$second" | wc -l)" -eq 1 ] || fail "two help viewers are open"
[ -n "$second" ] && [ "$second" != "$first" ] || fail "the second F1 did not start a new viewer"
echo "ok: help"

# 4. A modified document: closing asks 8042; Cancel keeps the program and writes nothing.
press "$frame" alt+f Right Right Right Right Return   # Formato > Color de página...
colour=$(wait_window '[Cc]olou?r' 2000) || fail "no colour dialog"
sleep 0.3
press "$colour" Return
sleep 0.5
press "$frame" alt+F4
question=$(wait_window "$title" 800) || fail "closing a modified document asked nothing"
sleep 0.3
import -window root "$shots/save-question.png"
press "$question" Escape
sleep 1
alive || fail "Cancel at the save question still closed the program"
[ -e "$config" ] && fail "a cancelled close wrote the settings"
press "$frame" alt+F4
question=$(wait_window "$title" 800) || fail "no question at the second close"
sleep 0.3
press "$question" alt+n
wait_exit
rc=$?
[ "$rc" -eq 0 ] || fail "No at the save question did not end the program ($rc)"
[ -e "$config" ] || fail "closing did not write the settings"
grep -q '^\[Toolbar4\]' "$config" || fail "the toolbars were not written"
echo "ok: save question"

# 5. The template browser from the start screen, with real input: it opens on "Tarjetas";
#    Shift+Tab reaches the kinds and Down switches to "Carteles y rótulos", listing its
#    templates with their pictures; Return opens the first one as an untitled copy, and
#    what Save As writes is that template.
tool=$(dirname "$quenby")/quenby-tool
templates=$(dirname "$quenby")/../share/quenby/Templates
elements() { "$tool" info "$1" 2>/dev/null | grep -c '"kind"'; }
on_face() { "$tool" info "$1" 2>/dev/null | grep -c "\"page\": $2,"; }
layout() { "$tool" info "$1" 2>/dev/null | grep -E '"(isCard|tilesAcross|tilesDown|paperSize)"' | tr -d ' \n'; }
save_as() {  # frame file [named]
    # Fichero > Guardar como...; Guardar above it is enabled, and walked over, only
    # for a named document with changes.
    if [ "${3:-}" = named ]; then
        press "$1" alt+f Down Down Down Down Return
    else
        press "$1" alt+f Down Down Down Return
    fi
    local dialog
    dialog=$(wait_window '^Seleccionar nombre de fichero' 100000) || fail "no Save As dialog"
    sleep 0.5
    press "$dialog" ctrl+a
    xdotool type --delay 20 "$2"
    xdotool key Return
    for i in $(seq 1 100); do
        [ -s "$2" ] && return 0
        sleep 0.1
    done
    fail "Save As wrote nothing to $2"
}
# The first poster the browser lists: language 0's and the wordless ones, by their bytes.
poster=$templates/2/$(cd "$templates/2" && LC_ALL=C ls | grep -v '^[1-9]' | head -1)
[ -f "$poster" ] || fail "no poster template in $templates/2"
start_and_press 287 posters
browser=$(wait_window '^Seleccionar una plantilla$' 100000) || fail "no template browser"
sleep 0.5
import -window root "$shots/template-browser.png"
press "$browser" shift+Tab Down
sleep 0.5
import -window root "$shots/template-browser-posters.png"
press "$browser" Return
sleep 1
frame=$(wait_window "$title" 100000 801) || fail "no main frame after the poster template"
find_window "$title" 800 >/dev/null && fail "the start screen is still up after the template"
find_window '^Seleccionar una plantilla$' 100000 >/dev/null && fail "the browser is still up"
import -window root "$shots/template-poster.png"
save_as "$frame" "$work/cartel.wxd"
[ "$(layout "$work/cartel.wxd")" = "$(layout "$poster")" ] ||
    fail "the poster saved is laid out as $(layout "$work/cartel.wxd"), not as $(layout "$poster")"
[ "$(elements "$work/cartel.wxd")" -eq "$(elements "$poster")" ] ||
    fail "the poster saved holds $(elements "$work/cartel.wxd") elements, not $(elements "$poster")"
close_saved "$frame"
rc=$?
[ "$rc" -eq 0 ] || fail "the saved poster did not close cleanly ($rc)"
echo "ok: template browser, category switch, save as"

# 6. A card template chosen by typing its name in the browser's list: Ctrl+A selects
#    the front's elements only, Delete removes them and Ctrl+Z brings them back; what
#    Save As writes holds every element again.
template=$templates/1/Corazones.wxd
[ -f "$template" ] || fail "no card template at $template"
all=$(elements "$template")
front=$(on_face "$template" 0)
[ "$all" -gt "$front" ] && [ "$front" -gt 0 ] || fail "the template has no elements beside the front"
start_and_press 287 card-template
browser=$(wait_window '^Seleccionar una plantilla$' 100000) || fail "no template browser"
sleep 0.5
press "$browser" c o r
sleep 0.5
press "$browser" Return
sleep 1
frame=$(wait_window "$title" 100000 801) || fail "no main frame after the template"
find_window "$title" 800 >/dev/null && fail "the start screen is still up after the template"
press "$frame" ctrl+a Delete
sleep 0.5
import -window root "$shots/template-front-deleted.png"
save_as "$frame" "$work/sin-portada.wxd"
[ "$(elements "$work/sin-portada.wxd")" -eq $((all - front)) ] ||
    fail "select all and delete left $(elements "$work/sin-portada.wxd") of $all elements, not $((all - front))"
[ "$(on_face "$work/sin-portada.wxd" 0)" -eq 0 ] || fail "the front kept elements after select all and delete"
press "$frame" ctrl+z
sleep 0.5
import -window root "$shots/template-undone.png"
save_as "$frame" "$work/deshecho.wxd" named
[ "$(elements "$work/deshecho.wxd")" -eq "$all" ] ||
    fail "after Ctrl+Z the saved card holds $(elements "$work/deshecho.wxd") of $all elements"
close_saved "$frame"
rc=$?
[ "$rc" -eq 0 ] || fail "the saved card did not close cleanly ($rc)"
echo "ok: template, select all, delete, undo, save as"

# 7. The mouse on a new card: a box drawn with the box tool, moved by a second press,
#    stretched by its lower right handle, and the stretch undone; each step saved and
#    checked in document units (u: units per screen pixel at the zoom shown; the
#    corner a stretch keeps may shift by a pixel, as the handle points are whole pixels).
box() {  # file: "count left top right bottom" of the boxes
    "$tool" info "$1" 2>/dev/null | python3 -c '
import json, sys
boxes = [e for e in json.load(sys.stdin)["elements"] if e["kind"] == 2]
c = boxes[0]["corners"] if boxes else [[0, 0]] * 4
print(len(boxes), *(round(v, 2) for v in (c[0][0], c[0][1], c[2][0], c[2][1])))'
}
near() {  # value expected tolerance
    python3 -c "import sys; sys.exit(abs($1 - ($2)) > $3)"
}
drag() {  # frame x1 y1 x2 y2: a left drag with real input, in steps
    xdotool mousemove --window "$1" "$2" "$3" mousedown 1
    sleep 0.2
    xdotool mousemove --window "$1" $(( ($2 + $4) / 2 )) $(( ($3 + $5) / 2 ))
    sleep 0.2
    xdotool mousemove --window "$1" "$4" "$5"
    sleep 0.2
    xdotool mouseup 1
    sleep 0.5
}
# A new card at "Página entera" from the start screen, with fresh settings; sets frame.
new_card() {  # run
    rm -rf "$XDG_CONFIG_HOME"
    start_and_press 203 "$1"
    local dialog
    dialog=$(wait_window '^Seleccionar tipo de tarjeta$' 2000) || fail "no card-type dialog ($1)"
    sleep 0.3
    press "$dialog" Return
    sleep 1
    frame=$(wait_window "$title" 100000 801) || fail "no main frame ($1)"
    find_window "$title" 800 >/dev/null && fail "the start screen is still up ($1)"
}
new_card mouse
press "$frame" alt+f Right Right Right Down Down Down Down Return   # Insertar > Rectángulo
sleep 0.3
drag "$frame" 420 350 620 470
import -window root "$shots/mouse-box-drawn.png"
save_as "$frame" "$work/cuadro.wxd"
read -r count left top right bottom <<<"$(box "$work/cuadro.wxd")"
[ "$count" -eq 1 ] || fail "drawing with the box tool made $count boxes"
u=$(python3 -c "print(($right - $left) / 200)")
near "$u" 0 0.5 && fail "the drawn box has no width"
near "$bottom - $top" "120 * $u" "2 * $u" || fail "the drawn box is $left,$top-$right,$bottom, not 200 × 120 pixels"
drag "$frame" 520 410 570 440   # the box is selected: the press moves it
save_as "$frame" "$work/movido.wxd" named
read -r count left2 top2 right2 bottom2 <<<"$(box "$work/movido.wxd")"
near "$left2" "$left + 50 * $u" "$u" && near "$top2" "$top + 30 * $u" "$u" &&
    near "$right2 - $left2" "$right - $left" 0.01 ||
    fail "moving took the box from $left,$top to $left2,$top2, not by 50 × 30 pixels"
drag "$frame" 676 506 716 526   # handle 3, six pixels out from the lower right corner
import -window root "$shots/mouse-box-stretched.png"
save_as "$frame" "$work/estirado.wxd" named
read -r count left3 top3 right3 bottom3 <<<"$(box "$work/estirado.wxd")"
near "$left3" "$left2" "$u" && near "$top3" "$top2" "$u" &&
    near "$right3" "$right2 + 40 * $u" "2 * $u" && near "$bottom3" "$bottom2 + 20 * $u" "2 * $u" ||
    fail "stretching made the box $left3,$top3-$right3,$bottom3 from $left2,$top2-$right2,$bottom2"
press "$frame" ctrl+z
sleep 0.5
save_as "$frame" "$work/deshecho-estirado.wxd" named
[ "$(box "$work/deshecho-estirado.wxd")" = "$(box "$work/movido.wxd")" ] ||
    fail "Ctrl+Z did not take the stretch back: $(box "$work/deshecho-estirado.wxd")"
close_saved "$frame"
rc=$?
[ "$rc" -eq 0 ] || fail "the drawn card did not close cleanly ($rc)"
echo "ok: mouse: draw, move, stretch, undo"

# 8. A text typed with the text tool, its font changed through its context menu, and a
#    box drawn and filled with a linear gradient whose second colour comes from the
#    colour picker: the saved card holds all three.
new_card format
menu() {  # Insertar's item N (0 is the first): the tool the next press uses
    press "$frame" alt+f Right Right Right
    sleep 0.3
    local i
    for i in $(seq 1 "$1"); do xdotool key Down; done
    sleep 0.2
    xdotool key Return
    sleep 0.3
}
# Right-clicks the page at X Y and takes the context menu's first item, which opens the
# dialog whose title matches; prints the dialog's window.
first_context_item() {  # x y title
    xdotool mousemove --window "$frame" "$1" "$2" click 3
    sleep 0.7
    xdotool key Down Return
    wait_window "$3" 2000 || return 1
    sleep 0.5
}
menu 2   # Texto
xdotool mousemove --window "$frame" 300 250 click 1
wait_window '^Cambiar texto$' 2000 >/dev/null || fail "the text tool opened no text dialog"
sleep 0.3
xdotool type --delay 30 "Hola"
xdotool key --clearmodifiers alt+a
sleep 0.7
first_context_item 312 260 '^Seleccionar una fuente$' >/dev/null ||   # Fuente...
    fail "the text's context menu opened no font dialog"
xdotool type --delay 30 "Blotwell"
sleep 0.5
import -window root "$shots/font-dialog.png"
xdotool key Return
sleep 0.7
menu 4   # Rectángulo
drag "$frame" 500 450 750 620
fill=$(first_context_item 620 530 '^Estilo de llenado$') ||   # Llenar...
    fail "the box's context menu opened no fill dialog"
# "Llenado", "Gradiente lineal", then the "Sombra a" colour button and the picker's red.
xdotool mousemove --window "$fill" 17 20 click 1
sleep 0.3
xdotool mousemove --window "$fill" 17 72 click 1
sleep 0.3
xdotool mousemove --window "$fill" 168 283 click 1
sleep 0.7
xdotool mousemove --window "$fill" 110 348 click 1
sleep 0.5
import -window root "$shots/fill-dialog.png"
xdotool mousemove --window "$fill" 301 325 click 1
sleep 0.7
import -window root "$shots/text-font-gradient.png"
save_as "$frame" "$work/formato.wxd"
"$tool" info "$work/formato.wxd" 2>/dev/null | /usr/bin/python3 -c '
import json, sys
elements = json.load(sys.stdin)["elements"]
texts = [e for e in elements if e["kind"] == 6]
boxes = [e for e in elements if e["kind"] == 2]
assert len(elements) == 2, "elements: %d" % len(elements)
assert texts and texts[0]["text"]["chars"] == "Hola", "text: %r" % texts
assert texts[0]["text"]["font"]["faceName"] == "Blotwell", "font: %r" % texts[0]["text"]["font"]
b = boxes[0]
assert (b["fillOn"], b["fillStyle"], b["fillColour2"]) == (1, 1, 255), "box: %r" % b
' || fail "the saved card does not hold the typed text in its font and the gradient box"
close_saved "$frame"
rc=$?
[ "$rc" -eq 0 ] || fail "the saved card did not close cleanly ($rc)"
echo "ok: text typed, its font, a box filled with a gradient"

# 9. The picture library and a calendar on a new card: the picture tool's press opens
#    "Imágenes a importar", where clicks choose the first category and its second
#    tile and Importar places the picture; the calendar tool's press opens "Insertar un
#    calendario", where the keys choose January 2027 and Return inserts it. The saved
#    card holds both; Ctrl+Z takes the calendar back and leaves the picture.
new_card library
# What `"$tool" info` says of the card: the library's pictures (outside any group) with
# their pictures' sizes, then each calendar group as "calendar:elements/pictures
# loaded/title".
pictures_and_calendars() {  # file
    "$tool" info "$1" 2>/dev/null | /usr/bin/python3 -c '
import json, sys
elements = json.load(sys.stdin)["elements"]
alone = [e for e in elements if e["kind"] == 5 and not e["groupId"] and not e["groupMember"]]
out = ["%dx%d" % (e["picture"]["width"], e["picture"]["height"]) if e["picture"] else "none"
       for e in alone]
for leader in (e for e in elements if e["groupId"]):
    members = [e for e in elements if e["groupMember"] == leader["groupId"]]
    loaded = [e for e in [leader] + members if e["kind"] == 5 and e["picture"]]
    texts = [e["text"]["chars"] for e in members if e["kind"] == 6]
    out.append("calendar:%d/%d/%s" % (len(members) + 1, len(loaded), "|".join(texts)))
print(" ".join(out))'
}
menu 1   # Imagen
xdotool mousemove --window "$frame" 300 250 click 1
library=$(wait_window '^Imágenes a importar$' 100000) || fail "the picture tool opened no picture library"
sleep 0.5
import -window root "$shots/library-open.png"
# The first category's names, as the library lists them: the wordless ones and language
# 0's by their bytes; tile 2 stands for the second name from the end.
owl=$(cd "$(dirname "$quenby")/../share/quenby/Images/1" && LC_ALL=C ls | grep -v '^[1-9]' | tail -2 | head -1)
owl_size=$("$tool" wxg-info "$(dirname "$quenby")/../share/quenby/Images/1/$owl" 2>/dev/null |
    /usr/bin/python3 -c 'import json, sys; g = json.load(sys.stdin); print("%dx%d" % (g["width"], g["height"]))')
[ -n "$owl_size" ] || fail "no picture in the library's first category"
# Positions inside the dialog: "Criaturas mágicas", tile 2, Importar. The dialog drops
# clicks while the category's tiles load, so a tile and Importar are pressed again
# while it stays open.
xdotool mousemove --window "$library" 67 38 click 1
sleep 1
import -window root "$shots/library-category.png"
for attempt in 1 2 3; do
    xdotool mousemove --window "$library" 350 82 click 1
    sleep 0.5
    xdotool mousemove --window "$library" 536 336 click 1
    for i in $(seq 1 30); do
        find_window '^Imágenes a importar$' 100000 >/dev/null || break 2
        sleep 0.1
    done
done
find_window '^Imágenes a importar$' 100000 >/dev/null && fail "Importar left the picture library open"
sleep 0.5
# The calendar for January 2027: Home in the months, Tab to the year typed over, and
# Return for Aceptar.
menu 6   # Calendario
xdotool mousemove --window "$frame" 420 480 click 1
calendar=$(wait_window '^Insertar un calendario$' 100000) || fail "the calendar tool opened no calendar dialog"
sleep 0.5
press "$calendar" Home Tab ctrl+a
xdotool type --delay 30 2027
sleep 0.3
import -window root "$shots/calendar-dialog.png"
xdotool key Return
sleep 1
find_window '^Insertar un calendario$' 100000 >/dev/null && fail "Aceptar left the calendar dialog open"
import -window root "$shots/library-calendar.png"
save_as "$frame" "$work/calendario.wxd"
inserted=$(pictures_and_calendars "$work/calendario.wxd")
[ "$inserted" = "$owl_size calendar:4/3/Enero 2027" ] ||
    fail "the card with a library picture and a calendar holds: $inserted (tile 2 is $owl, $owl_size)"
press "$frame" ctrl+z
sleep 0.5
save_as "$frame" "$work/sin-calendario.wxd" named
undone=$(pictures_and_calendars "$work/sin-calendario.wxd")
[ "$undone" = "$owl_size" ] || fail "Ctrl+Z after the calendar left: $undone"
close_saved "$frame"
rc=$?
[ "$rc" -eq 0 ] || fail "the card with the library picture did not close cleanly ($rc)"
echo "ok: picture library, calendar, undo"
exit 0
