"""The print system's PDF queue that tests/print/cups_setup.sh adds, and the files its
jobs become.

The queue's output folder is shared by every run on the machine, and every program's
jobs are titled alike ("Wexmoor Arts 01", ...): a job is found among the files that were
not there before it, by its title and by what it must show."""

import os
import subprocess
import time

from desktop_session import Failure, Skip

QUEUE = "QuenbyPDF"
OUTPUT = "/var/spool/cups-pdf/quenby"
SETUP = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "print",
                     "cups_setup.sh")


class PrintQueue:
    def __init__(self, name=QUEUE, output=OUTPUT):
        self.name = name
        self.output = output

    def check_ready(self):
        """Starts the print system and the queue where this machine can; Skip where not."""
        for tool in ("lpstat", "pdfinfo", "pdftoppm"):
            if subprocess.run(["which", tool], capture_output=True).returncode != 0:
                raise Skip(f"{tool} is not installed")
        setup = subprocess.run(["sh", SETUP, self.output], capture_output=True, text=True,
                               timeout=120)
        if setup.returncode == 77:
            raise Skip(f"no print queue: {setup.stderr.strip()}")
        if setup.returncode != 0:
            raise Failure(f"cups_setup.sh failed ({setup.returncode}): {setup.stderr.strip()}")
        if subprocess.run(["lpstat", "-p", self.name], capture_output=True).returncode != 0:
            raise Skip(f"the queue {self.name} is not there")

    def files(self):
        try:
            return {name for name in os.listdir(self.output) if name.endswith(".pdf")}
        except OSError:
            return set()

    def wait_for_job(self, before, title, accept, timeout=60):
        """The path of the first file of job `title` written after `before` (a result of
        files()) for which accept(path) answers None; accept answers what is wrong with
        the others, which are other runs' jobs or a wrong print. Failure after `timeout`
        seconds, with what was wrong with each file seen."""
        prefix = title.replace(" ", "_")
        deadline = time.monotonic() + timeout
        judged = {}
        while time.monotonic() < deadline:
            for name in sorted(self.files() - before - set(judged)):
                path = os.path.join(self.output, name)
                if not name.startswith(prefix) or not _complete(path):
                    continue
                problem = accept(path)
                if problem is None:
                    return path
                judged[name] = problem
            time.sleep(0.3)
        seen = "; ".join(f"{name}: {problem}" for name, problem in judged.items())
        raise Failure(f"no PDF of the job '{title}' as expected within {timeout} s"
                      + (f" ({seen})" if seen else " (no file came)"))


def _complete(path):
    """cups-pdf has finished writing the file: it ends with the PDF's end mark."""
    try:
        with open(path, "rb") as pdf:
            pdf.seek(0, os.SEEK_END)
            size = pdf.tell()
            pdf.seek(max(size - 64, 0))
            return b"%%EOF" in pdf.read()
    except OSError:
        return False
