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

fail() {
    echo "FAIL: $*"
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
press() {  # window keys...
    local w=$1
    shift
    xdotool mousemove --window "$w" 20 20
    xdotool windowfocus --sync "$w" 2>/dev/null
    xdotool key --clearmodifiers "$@"
}
title='^Wexmoor Arts Craftbox$'
# Starts the program and presses the start screen's button at height Y.
start_and_press() {  # y run
    "$quenby" &
    pid=$!
    local start
    start=$(wait_window "$title" 800) || fail "no start screen ($2)"
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
save_as() {  # frame file
    press "$1" alt+f Down Down Down Return   # Fichero > Guardar como...
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
press "$frame" alt+F4
wait_exit
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
save_as "$frame" "$work/deshecho.wxd"
[ "$(elements "$work/deshecho.wxd")" -eq "$all" ] ||
    fail "after Ctrl+Z the saved card holds $(elements "$work/deshecho.wxd") of $all elements"
press "$frame" alt+F4
wait_exit
rc=$?
[ "$rc" -eq 0 ] || fail "the saved card did not close cleanly ($rc)"
echo "ok: template, select all, delete, undo, save as"
exit 0
