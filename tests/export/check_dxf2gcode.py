"""Reads a vesk DXF template with dxf2gcode's own DXF importer, the step before its G-code export,
and checks what a CAM user would get: the unit it detects, and each named layer's contours closed
and at the expected extents in millimetres.

dxf2gcode's command line (-q -e) cannot export on Debian bookworm: its export path builds a QFont
from a float and PyQt5 on Python 3.11 refuses that. The importer is the part that reads the file,
so it is driven directly, with dxf2gcode's own configuration in a scratch folder.

Usage: check_dxf2gcode.py FILE --metric 0|1 --expect LAYER CONTOURS XMIN YMIN XMAX YMAX [...] [--tol T]
Extents are in the file's unit. Prints one line per failed check and exits 1 if any failed.
"""
import argparse
import os
import sys
import tempfile
from checks import check, report


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('file')
    ap.add_argument('--metric', type=int, required=True)
    ap.add_argument('--expect', nargs=6, action='append', required=True,
                    metavar=('LAYER', 'CONTOURS', 'XMIN', 'YMIN', 'XMAX', 'YMAX'))
    ap.add_argument('--tol', type=float, default=0.01)
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
    return report()


if __name__ == '__main__':
    sys.exit(main())
