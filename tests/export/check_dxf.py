"""Reads a vesk DXF template with ezdxf and checks it against the design it was made from.

Usage: check_dxf.py FILE --version AC1009|AC1015 --unit cm|in --length L --half-width H
                    [--dxf-unit mm|in] [--half] [--hole X R] [--frets N] [--tol T]
                    [--curve A0 .. A6 S [--offset NAME MM ...] [--arcs [--max-vertices N]]] [--parts LIST]
Lengths are in the design's unit (--unit); the file is expected in --dxf-unit (mm by default).
With --curve (the fitted coefficients and vertical scale), the outline and each offset layer are
checked against the exact curve (the parallel curve at MM for an offset): one closed polyline which,
as ezdxf reads it (bulges as arcs), lies within 0.01 mm of the curve both ways and encloses the area
that Steiner's formula A + L d + pi d^2 gives for the curve's own area A and perimeter L. With --arcs
the polylines must be tangent arcs (joints within 0.05 degrees; the outline at most --max-vertices
vertices); without it, straight segments.
Prints one line per failed check and exits 1 if any failed.
"""
import argparse
import math
import sys

import ezdxf
import numpy as np
from ezdxf import bbox as ezbbox
from ezdxf import path as ezpath
from checks import check, report
import exact_curve

LAYERS = ['OUTLINE', 'CENTRELINE', 'SOUNDHOLE', 'FRETS', 'STATIONS', 'CHECK', 'TITLE']
PART_LAYERS = {'outline': ['OUTLINE'], 'centreline': ['CENTRELINE'], 'soundhole': ['SOUNDHOLE'], 'frets': ['FRETS'],
               'stations': ['STATIONS'], 'check': ['CHECK'], 'title': ['TITLE'], 'offsets': []}


def area_and_perimeter(coeff, scale):
    """The closed curve's area and perimeter from fine chords, Richardson-extrapolated (error ~ h^4)."""
    def chords(n):
        x, y = exact_curve.outline(coeff, scale, np.linspace(0.0, 360.0, n + 1)).T
        area = 0.5 * np.sum(x[:-1] * y[1:] - x[1:] * y[:-1])
        return area, np.sum(np.hypot(np.diff(x), np.diff(y)))
    (a1, l1), (a2, l2) = chords(20000), chords(40000)
    return (4 * a2 - a1) / 3, (4 * l2 - l1) / 3


def shoelace(points):
    p = np.asarray(points)
    return 0.5 * abs(np.sum(p[:, 0] * np.roll(p[:, 1], -1) - np.roll(p[:, 0], -1) * p[:, 1]))


def polyline_points(e):
    if e.dxftype() == 'LWPOLYLINE':
        return [(p[0], p[1]) for p in e.get_points('xy')]
    return [(v.dxf.location.x, v.dxf.location.y) for v in e.vertices]


def polyline_bulges(e):
    if e.dxftype() == 'LWPOLYLINE':
        return [p[2] for p in e.get_points('xyb')]
    return [v.dxf.bulge for v in e.vertices]


def drawn_points(e, flat):
    """The polyline as ezdxf draws it, arcs included, as points within flat of it."""
    return np.array([(v.x, v.y) for v in ezpath.make_path(e).flattening(flat)])


def check_curve(name, e, a, coeff, scale, d, per_design, area, perimeter):
    """One closed polyline against the exact curve at distance d (design units): both ways within
    0.01 mm, Steiner's area, and tangent arcs or straight segments as asked."""
    mm = 10.0 if a.unit == 'cm' else 25.4  # per design unit
    # A half's closing edge is straight, so its only points are its ends, which lie on the curve.
    pts = drawn_points(e, 1e-6 * per_design) / per_design
    t = np.linspace(0.0, 180.0 if a.half else 360.0, 72001)
    far, gap = exact_curve.both_ways(pts, exact_curve.outline(coeff, scale, t, d))
    check(far * mm <= 0.0100001 and gap * mm <= 0.0100001,
          '%s: %.6f mm from the curve at most, the curve %.6f mm from it; expected 0.01 mm both ways' %
          (name, far * mm, gap * mm))
    steiner = area + perimeter * d + math.pi * d * d
    got = shoelace(pts) * (2.0 if a.half else 1.0)
    check(abs(got - steiner) <= perimeter * 0.01 / mm,
          '%s: area %.6f, Steiner gives %.6f (perimeter %.4f)' % (name, got, steiner, perimeter))
    vertices, bulges = polyline_points(e), polyline_bulges(e)
    arcs = sum(1 for b in bulges if b != 0.0)
    if not a.arcs:
        check(arcs == 0, '%s: %d arcs, expected straight segments' % (name, arcs))
        return
    check(arcs > 0, '%s: no arcs' % name)
    corners = {i for i, (x, y) in enumerate(vertices) if abs(y) <= 1e-9} if a.half else set()
    worst = exact_curve.worst_joint(vertices, bulges, e.is_closed, corners)
    check(worst <= 0.05, '%s: arcs meet at %.4f degrees, expected tangent (0.05)' % (name, worst))
    if name == 'OUTLINE' and a.max_vertices is not None:
        check(len(vertices) <= a.max_vertices, 'OUTLINE: %d vertices, expected at most %d' %
              (len(vertices), a.max_vertices))


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
    ap.add_argument('--curve', type=float, nargs=8)
    ap.add_argument('--offset', nargs=2, action='append', default=[], metavar=('NAME', 'MM'))
    ap.add_argument('--arcs', action='store_true')
    ap.add_argument('--max-vertices', type=int)
    ap.add_argument('--parts', default=','.join(PART_LAYERS))
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
    parts = a.parts.split(',')
    shown = [n for part in parts for n in PART_LAYERS[part]] + ([o[0] for o in a.offset] if 'offsets' in parts else [])
    for name in LAYERS + [o[0] for o in a.offset]:
        check(doc.layers.has_entry(name) == (name in shown), 'layer %s %s' % (name, 'missing' if name in shown else 'not chosen'))

    msp = doc.modelspace()
    by_layer = {name: [e for e in msp if e.dxf.layer == name] for name in LAYERS + [o[0] for o in a.offset]}
    for e in msp:
        check(e.dxf.layer in shown, '%s on layer %s, which was not chosen' % (e.dxftype(), e.dxf.layer))
    poly_type = 'POLYLINE' if a.version == 'AC1009' else 'LWPOLYLINE'
    check(len(msp.query('LWPOLYLINE' if poly_type == 'POLYLINE' else 'POLYLINE')) == 0,
          'polylines of the wrong kind for %s' % a.version)
    check(len(msp.query('SPLINE')) == 0, 'SPLINE entities present')

    outline = by_layer['OUTLINE']
    check('outline' not in parts or len(outline) == 1 and outline[0].dxftype() == poly_type,
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
        # In a half template the closing edge stands for the arm along the centreline.
        check(len(cross) == (1 if a.half else 2), 'the soundhole cross has %d lines' % len(cross))
    else:
        check(not holes, 'a soundhole that should not be there')

    if a.frets is not None:
        # Frets, the saddle line and the two edges.
        lines = [e for e in by_layer['FRETS'] if e.dxftype() == 'LINE']
        check(len(lines) == a.frets + 3, 'FRETS holds %d lines, expected %d' % (len(lines), a.frets + 3))

    square = by_layer['CHECK']
    side = (10.0 if a.unit == 'cm' else 4.0) * k
    check('check' not in parts or (len(square) == 1 and square[0].dxftype() == poly_type and square[0].is_closed),
          'CHECK is not one closed polyline')
    if square:
        pts = polyline_points(square[0])
        w = max(p[0] for p in pts) - min(p[0] for p in pts)
        h = max(p[1] for p in pts) - min(p[1] for p in pts)
        check(abs(w - side) < 1e-9 * k and abs(h - side) < 1e-9 * k,
              'check square %r x %r, expected %r' % (w, h, side))
    check('title' not in parts or len(by_layer['TITLE']) > 0, 'no title block')
    if a.half:
        # The half closes along the centreline; nothing else may lie on that edge to be cut twice.
        for e in msp.query('LINE'):
            s, t = e.dxf.start, e.dxf.end
            check(not (abs(s.y) < 1e-9 and abs(t.y) < 1e-9), 'a LINE on %s lies along the closing edge' % e.dxf.layer)

    file_per_design = k  # file units per design unit
    if a.curve:
        coeff, scale = a.curve[:7], a.curve[7]
        area, perimeter = area_and_perimeter(coeff, scale)
        for name, mm in [('OUTLINE', '0')] + a.offset:
            if name == 'OUTLINE' and 'outline' not in parts:
                continue
            found = by_layer[name]
            check(len(found) == 1 and found[0].dxftype() == poly_type and found[0].is_closed,
                  '%s holds %s, expected one closed %s' % (name, [e.dxftype() for e in found], poly_type))
            if found:
                d = float(mm) / (10.0 if a.unit == 'cm' else 25.4)  # design units
                check_curve(name, found[0], a, coeff, scale, d, file_per_design, area, perimeter)

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

    return report()


if __name__ == '__main__':
    sys.exit(main())
