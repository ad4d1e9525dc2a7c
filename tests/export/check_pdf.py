"""Checks a vesk tiled PDF template with poppler and qpdf: the page count the tiling predicts, the
paper, the print-scaling preference, the text every page carries, the check square's size as
rendered, and the outline's extent once the rendered tiles are put back together.

Usage: check_pdf.py FILE --paper a4|letter --overlap MM --width-mm W --height-mm H
                    [--check-mm 100] [--dpi D]
Prints one line per failed check and exits 1 if any failed.
"""
import argparse
import glob
import math
import os
import re
import subprocess
import sys
import tempfile

import numpy as np

import raster

PAPER_MM = {'a4': (210.0, 297.0), 'letter': (215.9, 279.4)}
MARGIN_MM = 10.0
PEN_MM = 0.3
problems = []


def check(ok, text):
    if not ok:
        problems.append(text)


def tiles_along(extent, frame, overlap):
    return 1 if extent <= frame else 1 + math.ceil((extent - frame) / (frame - overlap))


def predict(width, height, paper, overlap):
    """(landscape, rows, cols, page width mm, page height mm): fewer pages wins, portrait on a tie."""
    pw, ph = PAPER_MM[paper]
    plans = []
    for landscape, (w, h) in ((False, (pw, ph)), (True, (ph, pw))):
        cols = tiles_along(width, w - 2 * MARGIN_MM, overlap)
        rows = tiles_along(height, h - 2 * MARGIN_MM, overlap)
        plans.append((rows * cols, landscape, rows, cols, w, h))
    best = min(plans, key=lambda p: (p[0], p[1]))
    return best[1:]


def tool(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


def edge_centres(profile):
    """Centres of the first and last runs of strong columns (or rows) in a coverage profile."""
    strong = np.nonzero(profile > 0.5 * profile.max())[0]
    runs = np.split(strong, np.nonzero(np.diff(strong) > 1)[0] + 1)
    centre = lambda run: float(np.average(run, weights=profile[run]))
    return centre(runs[0]), centre(runs[-1])


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('file')
    ap.add_argument('--paper', required=True, choices=sorted(PAPER_MM))
    ap.add_argument('--overlap', type=float, required=True)
    ap.add_argument('--width-mm', type=float, required=True)
    ap.add_argument('--height-mm', type=float, required=True)
    ap.add_argument('--check-mm', type=float, default=100.0)
    ap.add_argument('--dpi', type=float, default=100.0)
    a = ap.parse_args()
    ppmm = a.dpi / 25.4
    landscape, rows, cols, page_w, page_h = predict(a.width_mm, a.height_mm, a.paper, a.overlap)

    info = tool('pdfinfo', a.file)
    pages = int(re.search(r'^Pages:\s+(\d+)', info, re.M).group(1))
    check(pages == rows * cols, '%d pages, the tiling predicts %d (%d x %d)' % (pages, rows * cols, rows, cols))
    size = re.search(r'^Page size:\s+([0-9.]+) x ([0-9.]+) pts', info, re.M)
    got = (float(size.group(1)), float(size.group(2)))
    want = (page_w * 72 / 25.4, page_h * 72 / 25.4)
    check(abs(got[0] - want[0]) <= 1 and abs(got[1] - want[1]) <= 1,
          'page size %r pt, expected %.1f x %.1f (%s %s)' % (got, want[0], want[1], a.paper,
                                                          'landscape' if landscape else 'portrait'))

    with tempfile.TemporaryDirectory() as tmp:
        plain = os.path.join(tmp, 'plain.pdf')
        subprocess.run(['qpdf', '--qdf', '--object-streams=disable', a.file, plain], check=True)
        body = open(plain, 'rb').read()
        check(re.search(rb'/ViewerPreferences\s*<<[^>]*/PrintScaling\s*/None', body) is not None,
              'no /ViewerPreferences /PrintScaling /None')

        for page in range(1, pages + 1):
            text = tool('pdftotext', '-f', str(page), '-l', str(page), a.file, '-')
            row, col = divmod(page - 1, cols)
            label = chr(ord('A') + row) + str(col + 1) if row < 26 else None
            check('Print at 100% (actual size)' in text, 'page %d lacks the print note' % page)
            check(label is None or re.search(r'\b%s\b' % label, text), 'page %d lacks its label %s' % (page, label))
            check(('vesk design:' in text) == (page == 1), 'title block on page %d: %s' % (page, 'vesk design:' in text))

        subprocess.run(['pdftoppm', '-r', str(a.dpi), a.file, os.path.join(tmp, 'page')], check=True)
        images = sorted(glob.glob(os.path.join(tmp, 'page-*.ppm')))
        check(len(images) == pages, 'pdftoppm rendered %d pages' % len(images))
        step_x = page_w - 2 * MARGIN_MM - a.overlap
        step_y = page_h - 2 * MARGIN_MM - a.overlap
        lo, hi = [math.inf, math.inf], [-math.inf, -math.inf]
        for index, path in enumerate(images):
            img = raster.read_ppm(path).astype(np.int16)
            r, g, b = img[:, :, 0], img[:, :, 1], img[:, :, 2]
            red = (r > 150) & (g < 110) & (b < 110)
            if red.any():
                x0, x1 = edge_centres(red.sum(axis=0))
                y0, y1 = edge_centres(red.sum(axis=1))
                want_px = a.check_mm * ppmm
                check(abs((x1 - x0) - want_px) <= 1 and abs((y1 - y0) - want_px) <= 1,
                      'page %d: check square %.2f x %.2f px, expected %.2f' % (index + 1, x1 - x0, y1 - y0, want_px))
            else:
                check(False, 'page %d: no check square' % (index + 1))
            top, bottom = img.max(axis=2), img.min(axis=2)
            found = raster.bbox((top < 110) & (top - bottom < 40))
            if found is None:
                continue
            row, col = divmod(index, cols)
            left, upper, right, lower = found
            to_strip_x = lambda px: px / ppmm - MARGIN_MM + col * step_x
            to_strip_y = lambda px: px / ppmm - MARGIN_MM + row * step_y
            lo = [min(lo[0], to_strip_x(left)), min(lo[1], to_strip_y(upper))]
            hi = [max(hi[0], to_strip_x(right + 1)), max(hi[1], to_strip_y(lower + 1))]
    width, height = hi[0] - lo[0] - PEN_MM, hi[1] - lo[1] - PEN_MM
    slack = 1.0 / ppmm + PEN_MM
    check(abs(width - a.width_mm) <= slack and abs(height - a.height_mm) <= slack,
          'the tiles put together show an outline of %.2f x %.2f mm, expected %.2f x %.2f' %
          (width, height, a.width_mm, a.height_mm))
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
