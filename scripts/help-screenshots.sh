#!/usr/bin/env bash
# Takes the help's screenshots (docs/help/0/*.png) from the real program, built in
# BUILD_DIR (default build): scripts/help_screenshots.py starts it in a private desktop
# (virtual X server, session and accessibility buses) and drives it through the
# accessibility bus.
#   scripts/help-screenshots.sh [--explore] [--only STEP]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build}
case "$build" in /*) ;; *) build=$root/$build ;; esac
exec /usr/bin/python3 "$root/scripts/help_screenshots.py" "$build" "$root/docs/help/0" "$@"
