"""Checks a vesk tiled PDF template with poppler and qpdf: the page count the tiling predicts (the
tiles and a title page), the paper, the print-scaling preference, the text every page carries, the
check marks' lengths as rendered, the outline's extent once the rendered tiles are put back
together, and, given renders of the same template with only the drawing and only the furniture, that
no furniture pixel lies on a drawing pixel.

Usage: check_pdf.py FILE --paper a4|letter --overlap MM --layout-mm W H --outline-mm W H
                    [--check-mm 100] [--dpi D] [--drawing-only PDF --furniture-only PDF] [--same-as PDF]
--layout-mm is the drawing's size that the pages are planned from (outline, marks and labels);
--outline-mm the outline's own size, measured from the black pixels. --same-as (the same template
with straight segments): every page must show its arcs where that one shows its segments, every dark
pixel of either within one pixel of the other's.
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
from checks import check, report

PAPER_MM = {'a4': (210.0, 297.0), 'letter': (215.9, 279.4)}
MARGIN_MM = 10.0
BAND_MM = 24.0
PEN_MM = 0.3


def tiles_along(extent, frame, overlap):
    return 1 if extent <= frame else 1 + math.ceil((extent - frame) / (frame - overlap))


def predict(width, height, paper, overlap):
    """(landscape, rows, cols, page width mm, page height mm): fewer pages wins, portrait on a tie."""
    pw, ph = PAPER_MM[paper]
    plans = []
    for landscape, (w, h) in ((False, (pw, ph)), (True, (ph, pw))):
        cols = tiles_along(width, w - 2 * MARGIN_MM, overlap)
        rows = tiles_along(height, h - 2 * MARGIN_MM - BAND_MM, overlap)
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


def render(pdf, dpi, folder, prefix, gray=False):
    args = ['pdftoppm', '-r', str(dpi)] + (['-gray'] if gray else []) + [pdf, os.path.join(folder, prefix)]
    subprocess.run(args, check=True)
    return sorted(glob.glob(os.path.join(folder, prefix + '-*.p[gp]m')))


def read_gray(path):
    data = open(path, 'rb').read()
    head = data.split(maxsplit=4)
    assert head[0] == b'P5' and head[3] == b'255', 'unsupported PGM'
    w, h = int(head[1]), int(head[2])
    return np.frombuffer(data[len(data) - w * h:], dtype=np.uint8).reshape(h, w)


def tiling_marks(shape, ppmm, tile, overlap, title_page):
    """Pixels within 0.6 mm of the lines the corner marks and overlap guides lie on."""
    h, w = shape
    mask = np.zeros(shape, dtype=bool)
    l, t, r, b = tile
    near = int(math.ceil(0.6 * ppmm))
    xs = [l, r] + ([] if title_page else [r - overlap])
    ys = [t, b] + ([] if title_page else [b - overlap])
    for x in xs:
        c = int(round(x * ppmm))
        mask[:, max(0, c - near):min(w, c + near + 1)] = True
    for y in ys:
        c = int(round(y * ppmm))
        mask[max(0, c - near):min(h, c + near + 1), :] = True
    return mask


def check_bar(img, ppmm, want_mm, where):
    r, g, b = img[:, :, 0], img[:, :, 1], img[:, :, 2]
    red = (r > 150) & (g < 110) & (b < 110)
    if not red.any():
        check(False, '%s: no check mark' % where)
        return
    x0, x1 = edge_centres(red.sum(axis=0))
    check(abs((x1 - x0) / ppmm - want_mm) <= 0.2,
          '%s: check mark %.3f mm long, expected %.1f' % (where, (x1 - x0) / ppmm, want_mm))
    return red


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('file')
    ap.add_argument('--paper', required=True, choices=sorted(PAPER_MM))
    ap.add_argument('--overlap', type=float, required=True)
    ap.add_argument('--layout-mm', type=float, nargs=2, required=True)
    ap.add_argument('--outline-mm', type=float, nargs=2, required=True)
    ap.add_argument('--check-mm', type=float, default=100.0)
    ap.add_argument('--dpi', type=float, default=300.0)
    ap.add_argument('--drawing-only')
    ap.add_argument('--furniture-only')
    ap.add_argument('--same-as')
    a = ap.parse_args()
    ppmm = a.dpi / 25.4
    landscape, rows, cols, page_w, page_h = predict(a.layout_mm[0], a.layout_mm[1], a.paper, a.overlap)
    tiles = rows * cols

    info = tool('pdfinfo', a.file)
    pages = int(re.search(r'^Pages:\s+(\d+)', info, re.M).group(1))
    check(pages == tiles + 1, '%d pages, the tiling predicts %d (%d x %d) and a title page' % (pages, tiles, rows, cols))
    size = re.search(r'^Page size:\s+([0-9.]+) x ([0-9.]+) pts', info, re.M)
    got = (float(size.group(1)), float(size.group(2)))
    want = (page_w * 72 / 25.4, page_h * 72 / 25.4)
    check(abs(got[0] - want[0]) <= 1 and abs(got[1] - want[1]) <= 1,
          'page size %r pt, expected %.1f x %.1f (%s %s)' % (got, want[0], want[1], a.paper,
                                                          'landscape' if landscape else 'portrait'))
    frame_w, frame_h = page_w - 2 * MARGIN_MM, page_h - 2 * MARGIN_MM - BAND_MM
    tile = (MARGIN_MM, MARGIN_MM, MARGIN_MM + frame_w, MARGIN_MM + frame_h)
    title_frame = (MARGIN_MM, MARGIN_MM, page_w - MARGIN_MM, page_h - MARGIN_MM)

    with tempfile.TemporaryDirectory() as tmp:
        plain = os.path.join(tmp, 'plain.pdf')
        subprocess.run(['qpdf', '--qdf', '--object-streams=disable', a.file, plain], check=True)
        body = open(plain, 'rb').read()
        check(re.search(rb'/ViewerPreferences\s*<<[^>]*/PrintScaling\s*/None', body) is not None,
              'no /ViewerPreferences /PrintScaling /None')

        for page in range(1, pages + 1):
            text = tool('pdftotext', '-f', str(page), '-l', str(page), a.file, '-')
            check('Print at 100% (actual size)' in text, 'page %d lacks the print note' % page)
            check(('vesk design:' in text) == (page == pages), 'title block on page %d: %s' % (page, 'vesk design:' in text))
            if page <= tiles:
                row, col = divmod(page - 1, cols)
                label = chr(ord('A') + row) + str(col + 1) if row < 26 else None
                check(label is None or re.search(r'\b%s\b' % label, text), 'page %d lacks its label %s' % (page, label))

        images = render(a.file, a.dpi, tmp, 'page')
        check(len(images) == pages, 'pdftoppm rendered %d pages' % len(images))
        step_x = frame_w - a.overlap
        step_y = frame_h - a.overlap
        lo, hi = [math.inf, math.inf], [-math.inf, -math.inf]
        for index, path in enumerate(images):
            img = raster.read_ppm(path).astype(np.int16)
            if index == tiles:
                red = check_bar(img, ppmm, a.check_mm, 'title page (square, across)')
                if red is not None:
                    y0, y1 = edge_centres(red.sum(axis=1))
                    check(abs((y1 - y0) / ppmm - a.check_mm) <= 0.2,
                          'title page: check square %.3f mm high, expected %.1f' % ((y1 - y0) / ppmm, a.check_mm))
                continue
            check_bar(img, ppmm, a.check_mm, 'page %d' % (index + 1))
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
        check(abs(width - a.outline_mm[0]) <= slack and abs(height - a.outline_mm[1]) <= slack,
              'the tiles put together show an outline of %.2f x %.2f mm, expected %.2f x %.2f' %
              (width, height, a.outline_mm[0], a.outline_mm[1]))

        if a.drawing_only and a.furniture_only:
            drawing = render(a.drawing_only, a.dpi, tmp, 'drawing', gray=True)
            furniture = render(a.furniture_only, a.dpi, tmp, 'furniture', gray=True)
            check(len(drawing) == pages and len(furniture) == pages,
                  'the parts change the pages: %d, %d and %d' % (pages, len(drawing), len(furniture)))
            drawn = False
            for index, (dp, fp) in enumerate(zip(drawing, furniture)):
                d, f = read_gray(dp) < 200, read_gray(fp) < 200
                title_page = index == tiles
                marks = tiling_marks(d.shape, ppmm, title_frame if title_page else tile, a.overlap, title_page)
                clash = d & raster.grown(f, 1) & ~marks
                check(f.any(), 'page %d: no furniture drawn' % (index + 1))
                drawn = drawn or (d & ~marks).any()
                if clash.any():
                    ys, xs = np.nonzero(clash)
                    check(False, 'page %d: %d furniture pixels on the drawing, first at %.1f, %.1f mm' %
                          (index + 1, len(xs), xs[0] / ppmm, ys[0] / ppmm))
            check(drawn, 'the drawing-only template shows no drawing')

        if a.same_as:
            mine, theirs = render(a.file, a.dpi, tmp, 'mine', gray=True), render(a.same_as, a.dpi, tmp, 'theirs', gray=True)
            check(len(mine) == len(theirs), '%d pages, the other template %d' % (len(mine), len(theirs)))
            for index, (m, t) in enumerate(zip(mine, theirs)):
                stray = raster.stray_pixels(read_gray(m) < 128, read_gray(t) < 128)
                check(stray == 0, 'page %d: %s pixels more than one pixel from the other template\'s' %
                      (index + 1, stray))
    return report()


if __name__ == '__main__':
    sys.exit(main())
