#!/usr/bin/env bash
# Takes the help's screenshots (docs/help/0/*.png) from the real program, built in
# BUILD_DIR (default build): a virtual X server and a session bus of its own, the
# program driven through the accessibility bus by scripts/help_screenshots.py.
#   scripts/help-screenshots.sh [--explore]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build}
case "$build" in /*) ;; *) build=$root/$build ;; esac
exec dbus-run-session -- xvfb-run -a -s '-screen 0 1280x800x24' \
    /usr/bin/python3 "$root/scripts/help_screenshots.py" "$build" "$root/docs/help/0" "$@"
