"""What a printed PDF holds, read with poppler's tools: pages, their sizes, and where
the ink is on a page, in fractions of the page (0..1 from the top-left corner)."""

import subprocess

from desktop_session import read_netpbm


class Box:
    """A rectangle in fractions of a page."""

    def __init__(self, left, top, right, bottom):
        self.left, self.top, self.right, self.bottom = left, top, right, bottom

    def contains(self, other):
        return self.left <= other.left and self.top <= other.top and \
            other.right <= self.right and other.bottom <= self.bottom

    def area(self):
        return max(self.right - self.left, 0.0) * max(self.bottom - self.top, 0.0)

    def grown(self, by):
        return Box(max(self.left - by, 0.0), max(self.top - by, 0.0),
                   min(self.right + by, 1.0), min(self.bottom + by, 1.0))

    def close_to(self, other, tolerance):
        return all(abs(a - b) <= tolerance for a, b in zip(self.edges(), other.edges()))

    def edges(self):
        return self.left, self.top, self.right, self.bottom

    def __repr__(self):
        return "(" + ", ".join(f"{v:.3f}" for v in self.edges()) + ")"


class Gray:
    """One page rendered in grey levels (0 black .. 255 white)."""

    INK = 200  # darker than this counts as ink

    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, data

    def inked(self, x, y):
        return self.data[y * self.width + x] < self.INK

    def ink_box(self, region):
        """The bounding box of the ink inside `region`, in fractions, or None."""
        x0, x1 = int(region.left * self.width), int(region.right * self.width)
        y0, y1 = int(region.top * self.height), int(region.bottom * self.height)
        xs, ys = [], []
        for y in range(y0, min(y1, self.height)):
            row = self.data[y * self.width + x0:y * self.width + min(x1, self.width)]
            hits = [i for i, v in enumerate(row) if v < self.INK]
            if hits:
                ys.append(y)
                xs.extend((x0 + hits[0], x0 + hits[-1]))
        if not ys:
            return None
        return Box(min(xs) / self.width, ys[0] / self.height,
                   (max(xs) + 1) / self.width, (ys[-1] + 1) / self.height)

    def edge(self, side, depth=2):
        """Along one side of the page ("left", "right", "top" or "bottom"), whether each
        place of its `depth` outermost pixel lines is inked."""
        if side in ("left", "right"):
            columns = range(depth) if side == "left" else range(self.width - depth, self.width)
            return [any(self.inked(x, y) for x in columns) for y in range(self.height)]
        rows = range(depth) if side == "top" else range(self.height - depth, self.height)
        return [any(self.inked(x, y) for y in rows) for x in range(self.width)]

    def long_lines(self, share=0.3):
        """The rows and the columns that are inked over at least `share` of the page,
        each as the middle of a run of such neighbours, in fractions."""
        rows = [y for y in range(self.height)
                if sum(1 for x in range(self.width) if self.inked(x, y)) >= share * self.width]
        columns = [x for x in range(self.width)
                   if sum(1 for y in range(self.height) if self.inked(x, y))
                   >= share * self.height]
        return ([m / self.height for m in _middles(rows)],
                [m / self.width for m in _middles(columns)])


def _middles(indices):
    """The middle of each run of consecutive numbers."""
    runs, start, last = [], None, None
    for i in indices:
        if start is None:
            start = last = i
        elif i == last + 1:
            last = i
        else:
            runs.append((start + last) / 2 + 0.5)
            start = last = i
    if start is not None:
        runs.append((start + last) / 2 + 0.5)
    return runs


class PdfFile:
    def __init__(self, path, resolution=40):
        self.path = path
        self.resolution = resolution
        self._pages = {}

    def info(self, first=None, last=None):
        command = ["pdfinfo"]
        if first is not None:
            command += ["-f", str(first), "-l", str(last or first)]
        answer = subprocess.run(command + [self.path], capture_output=True, text=True,
                                timeout=60)
        if answer.returncode != 0:
            raise ValueError(f"pdfinfo cannot read {self.path}: {answer.stderr.strip()}")
        found = {}
        for line in answer.stdout.splitlines():
            key, _, value = line.partition(":")
            found[key.strip()] = value.strip()
        return found

    def pages(self):
        return int(self.info().get("Pages", "0"))

    def page_size(self, page):
        """The page's width and height in points."""
        size = self.info(page).get(f"Page {page:4d} size", "")
        words = size.split()
        return float(words[0]), float(words[2])

    def render(self, page):
        if page not in self._pages:
            raw = subprocess.run(["pdftoppm", "-gray", "-r", str(self.resolution), "-f",
                                  str(page), "-l", str(page), self.path],
                                 capture_output=True, check=True, timeout=120).stdout
            self._pages[page] = _read_pgm(raw)
        return self._pages[page]

    def turn_back_quarter(self, page):
        """Reads the page from now on turned a quarter turn clockwise: a portrait page
        that shows a landscape sheet laid on it with the sheet's top to the left."""
        turned = self.render(page)
        width, height, data = turned.width, turned.height, turned.data
        # The landscape pixel (x, y) is the portrait pixel (y, height - 1 - x).
        rows = [bytes(data[(height - 1 - x) * width + y] for x in range(height))
                for y in range(width)]
        self._pages[page] = Gray(height, width, b"".join(rows))

    def ink(self, page, region):
        return self.render(page).ink_box(region)

    def box_edges(self, page):
        """Where a box's long outline lines run on the page: its "top" and "bottom"
        rows and its "left" and "right" columns that the page shows, in fractions."""
        rows, columns = self.render(page).long_lines()
        edges = {}
        for row in rows:
            edges["top" if row < 0.5 else "bottom"] = row
        for column in columns:
            edges["left" if column < 0.5 else "right"] = column
        return edges

    def reach(self, page):
        """How far the ink stays from each edge of the page, in fractions."""
        box = self.ink(page, Box(0, 0, 1, 1))
        if box is None:
            return {"left": 1.0, "top": 1.0, "right": 1.0, "bottom": 1.0}
        return {"left": box.left, "top": box.top, "right": 1 - box.right,
                "bottom": 1 - box.bottom}


def _read_pgm(raw):
    magic, width, height, data = read_netpbm(raw)
    if magic != "P5":
        raise ValueError("pdftoppm did not write a grey page")
    return Gray(width, height, data[:width * height])
