"""Reads a vesk DXF template with dxf2gcode's own DXF importer, the step before its G-code export,
and checks what a CAM user would get: the unit it detects, and each named layer's contours closed
and at the expected extents in millimetres; with --gcode, the G-code dxf2gcode writes for the file.

dxf2gcode's command line (-q -e) cannot export on Debian bookworm as it stands: drawing the route
labels builds a QFont from a float size, which PyQt5 on Python 3.11 refuses. The importer is the
part that reads the file, so it is driven directly, with dxf2gcode's own configuration in a scratch
folder. For the G-code, the program itself runs (-q -e, default configuration) with only that QFont
given an integer size: the labels are screen decoration and play no part in the G-code.

Usage: check_dxf2gcode.py FILE --metric 0|1 --expect LAYER CONTOURS XMIN YMIN XMAX YMAX [...] [--tol T]
                          [--gcode MAX_MOTIONS]
Extents are in the file's unit. With --gcode the G-code must move in arcs (G2/G3) and hold fewer
than MAX_MOTIONS feed moves (G1, G2, G3). Prints one line per failed check and exits 1 if any failed.
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile
from checks import check, report

DXF2GCODE = '/usr/bin/dxf2gcode'
# Runs dxf2gcode as its own command line does, with the route labels' font size made an integer.
RUN_WITH_INTEGER_FONT_SIZE = """
import runpy, sys
from PyQt5.QtGui import QFont
import dxf2gcode.gui.routetext as routetext
class IntegerSizeFont(QFont):
    def __init__(self, family, size, *rest):
        super().__init__(family, int(round(size)), *rest)
routetext.QFont = IntegerSizeFont
sys.argv = ['dxf2gcode'] + sys.argv[1:]
runpy.run_path(%r, run_name='__main__')
""" % DXF2GCODE


def export_gcode(dxf, tmp):
    """The G-code dxf2gcode writes for the file, or None after printing why there is none."""
    out = os.path.join(tmp, 'out.ngc')
    env = dict(os.environ, HOME=tmp, QT_QPA_PLATFORM='offscreen')
    run = subprocess.run([sys.executable, '-c', RUN_WITH_INTEGER_FONT_SIZE, '-q', '-e', out, os.path.abspath(dxf)],
                         env=env, cwd=tmp, capture_output=True, text=True, timeout=300)
    if not os.path.exists(out):
        print('dxf2gcode wrote no G-code (exit %d): %s' % (run.returncode, (run.stdout + run.stderr)[-2000:]))
        return None
    return open(out).read()


def check_gcode(dxf, max_motions):
    with tempfile.TemporaryDirectory() as tmp:
        code = export_gcode(dxf, tmp)
    if code is None:
        check(False, 'no G-code')
        return
    moves = [line for line in code.splitlines() if re.match(r'\s*G0?[123]\b', line)]
    arcs = [line for line in moves if re.match(r'\s*G0?[23]\b', line)]
    check(arcs, 'the G-code has no arc moves (G2/G3)')
    check(len(moves) < max_motions, 'the G-code has %d feed moves (%d arcs), expected fewer than %d' %
          (len(moves), len(arcs), max_motions))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('file')
    ap.add_argument('--metric', type=int, required=True)
    ap.add_argument('--expect', nargs=6, action='append', required=True,
                    metavar=('LAYER', 'CONTOURS', 'XMIN', 'YMIN', 'XMAX', 'YMAX'))
    ap.add_argument('--tol', type=float, default=0.01)
    ap.add_argument('--gcode', type=int, metavar='MAX_MOTIONS')
    a = ap.parse_args()
    os.environ.setdefault('QT_QPA_PLATFORM', 'offscreen')
    try:
        from PyQt5.QtWidgets import QApplication
        import dxf2gcode.globals.globals as g
        from dxf2gcode.globals.config import MyConfig
        from dxf2gcode.dxfimport.importer import ReadDXF
    except ImportError as e:
        print('dxf2gcode cannot be imported (Debian package dxf2gcode): %s' % e)
        return 1
    app = QApplication([])
    with tempfile.TemporaryDirectory() as tmp:
        g.folder = tmp
        g.config = MyConfig()
        dxf = ReadDXF(a.file)
    check(g.config.metric == a.metric, 'dxf2gcode reads the unit as %s, expected %s' %
          ('mm' if g.config.metric else 'in', 'mm' if a.metric else 'in'))
    names = [layer.name for layer in dxf.layers]
    entities = dxf.entities
    for layer, contours, *box in a.expect:
        found = [c for c in entities.cont if names[entities.geo[c.order[0][0]].Layer_Nr] == layer]
        check(len(found) == int(contours), '%s: %d contours, expected %s' % (layer, len(found), contours))
        xs, ys = [], []
        for cont in found:
            check(cont.closed == 1, '%s: a contour is open' % layer)
            for nr, _ in cont.order:
                geo = entities.geo[nr]
                for piece in getattr(geo, 'geo', [geo]):
                    for p in (piece.Ps, piece.Pe):
                        xs.append(p.x)
                        ys.append(p.y)
        if not xs:
            check(False, '%s: no geometry' % layer)
            continue
        got = [min(xs), min(ys), max(xs), max(ys)]
        want = [float(v) for v in box]
        check(all(abs(g_ - w) <= a.tol for g_, w in zip(got, want)),
              '%s: extents %s, expected %s' % (layer, ['%.5f' % v for v in got], want))
    del app
    if a.gcode is not None:
        check_gcode(a.file, a.gcode)
    return report()


if __name__ == '__main__':
    sys.exit(main())
