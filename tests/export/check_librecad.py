"""Prints a vesk DXF template to PDF with LibreCAD (librecad dxf2pdf, at a known scale, centred on
its default A4 page), renders the page with poppler and measures the drawing: its width and height
divided by the scale must be the design's in millimetres.

Usage: check_librecad.py FILE --width-mm W --height-mm H [--scale 0.4] [--tol-mm 0.4]
The file should hold one part (--parts outline), which is then all that is dark on the page.
Prints one line per failed check and exits 1 if any failed; a missing librecad is a failure.
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile

import numpy as np
from checks import check, report

DPI = 300


def read_gray(path):
    data = open(path, 'rb').read()
    head = data.split(maxsplit=4)
    w, h = int(head[1]), int(head[2])
    return np.frombuffer(data[len(data) - w * h:], dtype=np.uint8).reshape(h, w)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('file')
    ap.add_argument('--width-mm', type=float, required=True)
    ap.add_argument('--height-mm', type=float, required=True)
    ap.add_argument('--scale', type=float, default=0.4)
    # LibreCAD's pen and one pixel at 300 dpi, both divided by the scale.
    ap.add_argument('--tol-mm', type=float, default=0.4)
    a = ap.parse_args()
    librecad = shutil.which('librecad')
    if librecad is None:
        print('librecad is not installed (Debian package librecad)')
        return 1
    with tempfile.TemporaryDirectory() as tmp:
        # dxf2pdf writes INPUT.pdf next to its input whatever -o says, so the input goes to a scratch folder.
        shutil.copy(a.file, os.path.join(tmp, 'template.dxf'))
        pdf = os.path.join(tmp, 'template.pdf')
        env = dict(os.environ, QT_QPA_PLATFORM='offscreen', HOME=tmp)
        run = subprocess.run([librecad, 'dxf2pdf', '-s', str(a.scale), '-c', 'template.dxf'],
                             env=env, cwd=tmp, capture_output=True, text=True, timeout=300)
        if not os.path.exists(pdf):
            print('librecad dxf2pdf wrote nothing (exit %d): %s' % (run.returncode, run.stderr[-2000:]))
            return 1
        subprocess.run(['pdftoppm', '-r', str(DPI), '-gray', '-f', '1', '-l', '1', pdf, os.path.join(tmp, 'page')],
                       check=True)
        page = read_gray(os.path.join(tmp, 'page-1.pgm'))
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
    return report()


if __name__ == '__main__':
    sys.exit(main())
