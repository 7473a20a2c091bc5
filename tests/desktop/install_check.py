#!/usr/bin/python3
"""Installs the build into a scratch prefix and checks what the desktop will find there.

    install_check.py BUILD_FOLDER APP_ID

The desktop entry must pass desktop-file-validate, the metadata appstreamcli validate
(offline), and the document type must be known to the desktop's type database by the
.wxd name and by the file's first four bytes, with the program and document icons in
the hicolor theme at every size. Exit 0: passed; 77: a validator is not installed.
"""

import os
import shutil
import subprocess
import sys
import tempfile

SKIPPED = 77
DOCUMENT_TYPE = "application/x-wexmoor-document"
DOCUMENT_ICON = "application-x-wexmoor-document"
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256, 512)


def run(command, **options):
    return subprocess.run(command, capture_output=True, text=True, timeout=300, **options)


def main():
    build, app_id = sys.argv[1], sys.argv[2]
    for tool in ("desktop-file-validate", "appstreamcli", "update-mime-database"):
        if not shutil.which(tool):
            print(f"SKIP: {tool} is not installed")
            return SKIPPED
    problems = []
    with tempfile.TemporaryDirectory(prefix="quenby-install-") as prefix:
        env = dict(os.environ)
        env.pop("DESTDIR", None)  # a plain installation updates the type database
        installed = run(["cmake", "--install", build, "--prefix", prefix], env=env)
        if installed.returncode != 0:
            print(f"FAIL: cmake --install: {installed.stderr.strip()}")
            return 1
        share = os.path.join(prefix, "share")

        entry = os.path.join(share, "applications", f"{app_id}.desktop")
        if not os.path.isfile(entry):
            problems.append(f"no desktop entry {entry}")
        else:
            answer = run(["desktop-file-validate", entry])
            if answer.returncode != 0 or answer.stdout.strip():
                problems.append(f"desktop-file-validate: {answer.stdout.strip()}")
            with open(entry, encoding="utf-8") as f:
                text = f.read()
            for line in ("Exec=quenby %f", f"Icon={app_id}", f"MimeType={DOCUMENT_TYPE};"):
                if line not in text.splitlines():
                    problems.append(f"the desktop entry lacks '{line}'")

        metadata = os.path.join(share, "metainfo", f"{app_id}.metainfo.xml")
        if not os.path.isfile(metadata):
            problems.append(f"no metadata {metadata}")
        else:
            answer = run(["appstreamcli", "validate", "--no-net", "--pedantic", metadata])
            if answer.returncode != 0:
                problems.append(f"appstreamcli validate: {answer.stdout.strip()}")

        # The installation updated the type database in the prefix: the name and the
        # mark both lead to the document type.
        mime = os.path.join(share, "mime")
        if not os.path.isfile(os.path.join(mime, "packages", f"{app_id}.xml")):
            problems.append("no document type definition installed")
        if not os.path.isfile(os.path.join(mime, "application", f"{DOCUMENT_TYPE[12:]}.xml")):
            problems.append("the type database does not know the document type")
        globs = _read(os.path.join(mime, "globs2"))
        if f"{DOCUMENT_TYPE}:*.wxd" not in globs:
            problems.append("the type database does not tie *.wxd to the document type")
        magic = _read(os.path.join(mime, "magic"), binary=True)
        if DOCUMENT_TYPE.encode() not in magic or b"WXQU" not in magic:
            problems.append("the type database does not know the WXQU mark")
        icons = _read(os.path.join(mime, "generic-icons")) + _read(os.path.join(mime, "icons"))
        if f"{DOCUMENT_TYPE}:{DOCUMENT_ICON}" not in icons:
            problems.append("the document type has no icon of its own")

        for context, name in (("apps", app_id), ("mimetypes", DOCUMENT_ICON)):
            theme = os.path.join(share, "icons", "hicolor")
            expected = [os.path.join(theme, "scalable", context, f"{name}.svg")]
            expected += [os.path.join(theme, f"{size}x{size}", context, f"{name}.png")
                         for size in ICON_SIZES]
            for path in expected:
                if not os.path.isfile(path) or os.path.getsize(path) == 0:
                    problems.append(f"missing icon {os.path.relpath(path, share)}")

    if problems:
        print("FAIL: " + "\n  ".join(problems))
        return 1
    print("passed")
    return 0


def _read(path, binary=False):
    try:
        with open(path, "rb" if binary else "r") as f:
            return f.read()
    except OSError:
        return b"" if binary else ""


if __name__ == "__main__":
    sys.exit(main())
