"""Reads a vesk DXF template with ezdxf and checks it against the design it was made from.

Usage: check_dxf.py FILE --version AC1009|AC1015 --unit cm|in --length L --half-width H
                    [--dxf-unit mm|in] [--half] [--hole X R] [--frets N] [--tol T]
Lengths are in the design's unit (--unit); the file is expected in --dxf-unit (mm by default).
Prints one line per failed check and exits 1 if any failed.
"""
import argparse
import math
import sys

import ezdxf
from ezdxf import bbox as ezbbox

LAYERS = ['OUTLINE', 'CENTRELINE', 'SOUNDHOLE', 'FRETS', 'CHECK', 'TITLE']
problems = []


def check(ok, text):
    if not ok:
        problems.append(text)


def polyline_points(e):
    if e.dxftype() == 'LWPOLYLINE':
        return [(p[0], p[1]) for p in e.get_points('xy')]
    return [(v.dxf.location.x, v.dxf.location.y) for v in e.vertices]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('file')
    ap.add_argument('--version', required=True)
    ap.add_argument('--unit', required=True, choices=['cm', 'in'])
    ap.add_argument('--length', type=float, required=True)
    ap.add_argument('--half-width', type=float, required=True)
    ap.add_argument('--half', action='store_true')
    ap.add_argument('--hole', type=float, nargs=2)
    ap.add_argument('--frets', type=int)
    ap.add_argument('--dxf-unit', default='mm', choices=['mm', 'in'])
    ap.add_argument('--tol', type=float, help='0.01 mm in the file\'s unit by default')
    a = ap.parse_args()
    # Everything below is in the file's unit.
    file_mm = 1.0 if a.dxf_unit == 'mm' else 25.4
    k = (10.0 if a.unit == 'cm' else 25.4) / file_mm
    a.length *= k
    a.half_width *= k
    if a.hole:
        a.hole = [v * k for v in a.hole]
    tol = a.tol if a.tol is not None else 0.01 / file_mm

    doc = ezdxf.readfile(a.file)
    auditor = doc.audit()
    check(not auditor.has_errors, 'audit errors: %s' % [e.message for e in auditor.errors])
    check(not auditor.has_fixes, 'audit fixes: %s' % [e.message for e in auditor.fixes])
    check(doc.dxfversion == a.version, 'version %s, expected %s' % (doc.dxfversion, a.version))
    check(doc.header.get('$ACADVER') == a.version, '$ACADVER is %s' % doc.header.get('$ACADVER'))
    check(doc.header.get('$INSUNITS') == (4 if a.dxf_unit == 'mm' else 1), '$INSUNITS is %s' % doc.header.get('$INSUNITS'))
    check(doc.header.get('$MEASUREMENT') == (1 if a.dxf_unit == 'mm' else 0),
          '$MEASUREMENT is %s' % doc.header.get('$MEASUREMENT'))
    for name in LAYERS:
        check(doc.layers.has_entry(name), 'no layer %s' % name)

    msp = doc.modelspace()
    by_layer = {name: [e for e in msp if e.dxf.layer == name] for name in LAYERS}
    poly_type = 'POLYLINE' if a.version == 'AC1009' else 'LWPOLYLINE'
    check(len(msp.query('LWPOLYLINE' if poly_type == 'POLYLINE' else 'POLYLINE')) == 0,
          'polylines of the wrong kind for %s' % a.version)
    check(len(msp.query('SPLINE')) == 0, 'SPLINE entities present')

    outline = by_layer['OUTLINE']
    check(len(outline) == 1 and outline[0].dxftype() == poly_type,
          'OUTLINE holds %s, expected one %s' % ([e.dxftype() for e in outline], poly_type))
    if outline and outline[0].dxftype() == poly_type:
        e = outline[0]
        check(e.is_closed, 'the outline is not closed')
        pts = polyline_points(e)
        xs, ys = [p[0] for p in pts], [p[1] for p in pts]
        check(abs(min(xs)) <= tol and abs(max(xs) - a.length) <= tol,
              'outline x from %r to %r, expected 0 to %r' % (min(xs), max(xs), a.length))
        low = 0.0 if a.half else -a.half_width
        check(abs(max(ys) - a.half_width) <= tol and abs(min(ys) - low) <= tol,
              'outline y from %r to %r, expected %r to %r' % (min(ys), max(ys), low, a.half_width))
        chords = [math.dist(pts[i], pts[(i + 1) % len(pts)]) for i in range(len(pts))]
        check(min(chords) > 0.0, 'the outline has a zero-length chord')

    holes = [e for e in by_layer['SOUNDHOLE'] if e.dxftype() == 'CIRCLE']
    if a.hole:
        x, r = a.hole
        check(len(holes) == 1, '%d soundhole circles' % len(holes))
        if holes:
            c = holes[0]
            check(math.isclose(c.dxf.radius, r, rel_tol=1e-12), 'soundhole radius %r, expected %r' % (c.dxf.radius, r))
            check(math.isclose(c.dxf.center.x, x, rel_tol=1e-12) and abs(c.dxf.center.y) < 1e-12 * k,
                  'soundhole centre %r, expected (%r, 0)' % (tuple(c.dxf.center), x))
        cross = [e for e in by_layer['SOUNDHOLE'] if e.dxftype() == 'LINE']
        check(len(cross) == 2, 'the soundhole cross has %d lines' % len(cross))
    else:
        check(not holes, 'a soundhole that should not be there')

    if a.frets is not None:
        # Frets, the saddle line and the two edges.
        lines = [e for e in by_layer['FRETS'] if e.dxftype() == 'LINE']
        check(len(lines) == a.frets + 3, 'FRETS holds %d lines, expected %d' % (len(lines), a.frets + 3))

    square = by_layer['CHECK']
    side = (10.0 if a.unit == 'cm' else 4.0) * k
    check(len(square) == 1 and square[0].dxftype() == poly_type and square[0].is_closed, 'CHECK is not one closed polyline')
    if square:
        pts = polyline_points(square[0])
        w = max(p[0] for p in pts) - min(p[0] for p in pts)
        h = max(p[1] for p in pts) - min(p[1] for p in pts)
        check(abs(w - side) < 1e-9 * k and abs(h - side) < 1e-9 * k,
              'check square %r x %r, expected %r' % (w, h, side))
    check(len(by_layer['TITLE']) > 0, 'no title block')

    seen = set()
    for e in msp.query('LINE'):
        s, t = tuple(e.dxf.start)[:2], tuple(e.dxf.end)[:2]
        check(math.dist(s, t) > 1e-9, 'zero-length LINE on %s' % e.dxf.layer)
        key = tuple(sorted([tuple(round(v, 9) for v in s), tuple(round(v, 9) for v in t)]))
        check(key not in seen, 'duplicate LINE on %s' % e.dxf.layer)
        seen.add(key)

    lo, hi = doc.header.get('$EXTMIN'), doc.header.get('$EXTMAX')
    geometry = ezbbox.extents(e for e in msp if e.dxftype() != 'TEXT')
    check(lo is not None and hi is not None, 'no $EXTMIN/$EXTMAX')
    if lo is not None and hi is not None:
        check(lo[0] <= geometry.extmin.x + 1e-9 and lo[1] <= geometry.extmin.y + 1e-9 and
              hi[0] >= geometry.extmax.x - 1e-9 and hi[1] >= geometry.extmax.y - 1e-9,
              '$EXTMIN/$EXTMAX %r %r do not hold the drawing %r %r' % (lo, hi, geometry.extmin, geometry.extmax))

    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
