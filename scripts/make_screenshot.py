#!/usr/bin/python3
"""Makes the screenshot the AppStream metadata shows, from the running program.

    scripts/make_screenshot.py [BUILD_FOLDER] [OUT.png]

The program starts on a private X server with a card of the built templates named on
its command line; the screen is then cut to the program's frame. The result is kept in
resources/desktop/screenshots/ and published under the product's web address, where
the metadata points.
"""

import os
import subprocess
import sys
import time

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(root, "tests", "desktop"))

from desktop_session import DesktopSession  # noqa: E402

WIDTH, HEIGHT = 1600, 900
CARD = os.path.join("share", "quenby", "Templates", "1", "0Feliz cumpleaños.wxd")


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "build"))
    out = sys.argv[2] if len(sys.argv) > 2 else os.path.join(
        root, "resources", "desktop", "screenshots", "craftbox-card.png")
    card = os.path.join(build, CARD)
    if not os.path.isfile(card):
        sys.exit(f"{card} is not built")
    with DesktopSession(screen=f"{WIDTH}x{HEIGHT}x24") as desktop:
        program = desktop.start_program(os.path.join(build, "bin", "quenby"), card)
        program.window(os.path.splitext(os.path.basename(card))[0],
                       role=program.atspi.ROLE_FRAME)
        # No window manager here: the frame is made to fill the screen by hand.
        frame = program.largest_window()
        desktop.xdotool("windowmove", "--sync", frame, "0", "0")
        desktop.xdotool("windowsize", "--sync", frame, str(WIDTH), str(HEIGHT))
        program.focus_largest_window()
        time.sleep(3)  # the page is laid out and drawn again at the new size
        shot = os.path.join(desktop.folder, "screen.png")
        desktop.screenshot(shot)
        os.makedirs(os.path.dirname(out), exist_ok=True)
        subprocess.run(["convert", shot, "-crop", f"{WIDTH}x{HEIGHT}+0+0", "+repage",
                        "-strip", out], check=True, timeout=60)
    print(out)


if __name__ == "__main__":
    main()
