"""Prints a vesk DXF template to PDF with LibreCAD (librecad dxf2pdf, at a known scale, centred on
its default A4 page), renders the page with poppler and measures the drawing: its width and height
divided by the scale must be the design's in millimetres.

Usage: check_librecad.py FILE --width-mm W --height-mm H [--scale 0.4] [--tol-mm 0.4] [--same-as OTHER]
The file should hold one part (--parts outline), which is then all that is dark on the page. With
--same-as (the same template with straight segments), the arcs must print where the segments do,
every dark pixel of either within one pixel of the other's: an arc LibreCAD misread (or drew as its
chord) strays by a few pixels.
Prints one line per failed check and exits 1 if any failed; a missing librecad is a failure.
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile

import numpy as np
import raster
from checks import check, report

DPI = 300


def read_gray(path):
    data = open(path, 'rb').read()
    head = data.split(maxsplit=4)
    w, h = int(head[1]), int(head[2])
    return np.frombuffer(data[len(data) - w * h:], dtype=np.uint8).reshape(h, w)


def print_page(path, scale, tmp):
    """The first page LibreCAD prints of the DXF, as gray pixels, or None after saying why not."""
    folder = tempfile.mkdtemp(dir=tmp)
    # dxf2pdf writes INPUT.pdf next to its input whatever -o says, so the input goes to a scratch folder.
    shutil.copy(path, os.path.join(folder, 'template.dxf'))
    pdf = os.path.join(folder, 'template.pdf')
    env = dict(os.environ, QT_QPA_PLATFORM='offscreen', HOME=folder)
    run = subprocess.run([shutil.which('librecad'), 'dxf2pdf', '-s', str(scale), '-c', 'template.dxf'],
                         env=env, cwd=folder, capture_output=True, text=True, timeout=300)
    if not os.path.exists(pdf):
        print('librecad dxf2pdf wrote nothing (exit %d): %s' % (run.returncode, run.stderr[-2000:]))
        return None
    subprocess.run(['pdftoppm', '-r', str(DPI), '-gray', '-f', '1', '-l', '1', pdf, os.path.join(folder, 'page')],
                   check=True)
    return read_gray(os.path.join(folder, 'page-1.pgm'))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('file')
    ap.add_argument('--width-mm', type=float, required=True)
    ap.add_argument('--height-mm', type=float, required=True)
    ap.add_argument('--scale', type=float, default=0.4)
    # LibreCAD's pen and one pixel at 300 dpi, both divided by the scale.
    ap.add_argument('--tol-mm', type=float, default=0.4)
    ap.add_argument('--same-as')
    a = ap.parse_args()
    if shutil.which('librecad') is None:
        print('librecad is not installed (Debian package librecad)')
        return 1
    with tempfile.TemporaryDirectory() as tmp:
        page = print_page(a.file, a.scale, tmp)
        other = print_page(a.same_as, a.scale, tmp) if a.same_as else None
    if page is None or (a.same_as and other is None):
        return 1
    ys, xs = np.nonzero(page < 128)
    if len(xs) == 0:
        print('the printed page is blank')
        return 1
    # Every dark pixel must lie well inside the page: a drawing cut off at the edge measures short.
    check(xs.min() > 0 and ys.min() > 0 and xs.max() < page.shape[1] - 1 and ys.max() < page.shape[0] - 1,
          'the drawing runs off the page')
    mm = 25.4 / DPI
    width = (xs.max() - xs.min() + 1) * mm / a.scale
    height = (ys.max() - ys.min() + 1) * mm / a.scale
    check(abs(width - a.width_mm) <= a.tol_mm and abs(height - a.height_mm) <= a.tol_mm,
          'LibreCAD prints %.3f x %.3f mm (at true size), expected %.3f x %.3f' % (width, height, a.width_mm, a.height_mm))
    if other is not None:
        stray = raster.stray_pixels(page < 128, other < 128)
        check(stray == 0, 'LibreCAD prints %s pixels of the two files more than one pixel (%.2f mm) apart' %
              (stray, mm / a.scale))
    return report()


if __name__ == '__main__':
    sys.exit(main())
