"""Reads a vesk fret-slot template with ezdxf and checks every line against the board it was made for.

Usage: check_frets_dxf.py FILE --insunits 4|1 [--version AC1009|AC1015] [board options of
       fretboard_expected.py, in mm]
Each fret must be one entity (a LINE, or with --slot one closed 4-vertex polyline), the board one closed
polyline, all at true size once $INSUNITS is applied. Prints one line per failed check, exits 1 if any.
"""
import math
import sys

import ezdxf

import fretboard_expected
from checks import check, report

TOL_MM = 1e-6
LAYERS = ['BOARD', 'CENTRELINE', 'NUT', 'FRETS', 'SADDLE', 'FRET_NUMBERS', 'CHECK', 'TITLE']
MM_PER = {1: 25.4, 4: 1.0, 5: 10.0}


def near(p, q):
    return math.dist(p, q) <= TOL_MM


def points(e, k):
    if e.dxftype() == 'LWPOLYLINE':
        return [(p[0] * k, p[1] * k) for p in e.get_points('xy')]
    if e.dxftype() == 'POLYLINE':
        return [(v.dxf.location.x * k, v.dxf.location.y * k) for v in e.vertices]
    return [(e.dxf.start.x * k, e.dxf.start.y * k), (e.dxf.end.x * k, e.dxf.end.y * k)]


def check_line(e, k, expected, what):
    check(e.dxftype() == 'LINE', '%s is a %s, not one LINE' % (what, e.dxftype()))
    if e.dxftype() != 'LINE':
        return
    a, b = points(e, k)
    ok = (near(a, expected[0]) and near(b, expected[1])) or (near(a, expected[1]) and near(b, expected[0]))
    check(ok, '%s runs %r to %r, expected %r to %r' % (what, a, b, expected[0], expected[1]))


def distance_to_line(p, a, b):
    (ax, ay), (bx, by) = a, b
    return abs((bx - ax) * (ay - p[1]) - (ax - p[0]) * (by - ay)) / math.dist(a, b)


def check_slot(e, k, expected, width, what):
    check(e.dxftype() in ('POLYLINE', 'LWPOLYLINE') and e.is_closed, '%s is not one closed polyline' % what)
    if e.dxftype() not in ('POLYLINE', 'LWPOLYLINE'):
        return
    pts = points(e, k)
    check(len(pts) == 4, '%s has %d vertices, expected 4' % (what, len(pts)))
    a, b = expected
    for p in pts:
        check(abs(distance_to_line(p, a, b) - width / 2) <= TOL_MM,
              '%s: vertex %r is not %g mm from the fret line' % (what, p, width / 2))
    # Both short sides are centred on the fret's ends.
    mids = [((pts[i][0] + pts[(i + 1) % 4][0]) / 2, (pts[i][1] + pts[(i + 1) % 4][1]) / 2) for i in range(4)]
    check(any(near(m, a) for m in mids) and any(near(m, b) for m in mids), '%s is not centred on the fret' % what)


def main():
    ap = fretboard_expected.parser(__doc__)
    ap.add_argument('file')
    ap.add_argument('--insunits', type=int, required=True)
    ap.add_argument('--version')
    a = ap.parse_args()
    board = fretboard_expected.board_from(a)

    doc = ezdxf.readfile(a.file)
    auditor = doc.audit()
    check(not auditor.has_errors, 'audit errors: %s' % [e.message for e in auditor.errors])
    if a.version:
        check(doc.dxfversion == a.version, 'version %s, expected %s' % (doc.dxfversion, a.version))
    units = doc.header.get('$INSUNITS')
    check(units == a.insunits, '$INSUNITS is %s, expected %s' % (units, a.insunits))
    k = MM_PER.get(units, float('nan'))
    for name in LAYERS:
        check(doc.layers.has_entry(name), 'no layer %s' % name)
    msp = doc.modelspace()
    layer = {name: [e for e in msp if e.dxf.layer == name] for name in LAYERS}
    check(len(msp.query('SPLINE')) == 0, 'SPLINE entities present')

    outline = layer['BOARD']
    check(len(outline) == 1, 'BOARD holds %d entities, expected one closed polyline' % len(outline))
    if outline:
        e = outline[0]
        check(e.dxftype() in ('POLYLINE', 'LWPOLYLINE') and e.is_closed, 'the board is not one closed polyline')
        pts = points(e, k)
        want = board.outline()
        check(len(pts) == 4 and all(near(p, q) for p, q in zip(pts, want)),
              'board corners %r, expected %r' % (pts, want))

    # The board's outline closes across the nut; NUT holds only what --extend carries past the edges.
    nut = layer['NUT']
    if board.extend > 0:
        check(len(nut) == 2, 'NUT holds %d entities, expected the two extensions' % len(nut))
        (eb, et), (nb, nt) = board.extended(0), board.across(0)
        for e, expected, what in zip(nut, [(eb, nb), (nt, et)], ['bass', 'treble']):
            check_line(e, k, expected, 'the nut\'s %s extension' % what)
    else:
        check(len(nut) == 0, 'NUT holds %d entities; the board outline draws the nut' % len(nut))

    frets = layer['FRETS']
    check(len(frets) == board.frets, 'FRETS holds %d entities, expected %d' % (len(frets), board.frets))
    # Match each entity to the fret whose line it lies on, by the x of its middle.
    def middle(e):
        pts = points(e, k)
        return sum(p[0] for p in pts) / len(pts)
    for n, e in enumerate(sorted(frets, key=middle), start=1):
        if a.slot > 0:
            check_slot(e, k, board.extended(n), a.slot, 'fret %d' % n)
            continue
        check_line(e, k, board.extended(n), 'fret %d' % n)
        # Under each outer string the fret lies where that string's scale puts it.
        ends = points(e, k)
        for bass in (True, False):
            p = board.on_string(n, bass)
            check(distance_to_line(p, ends[0], ends[1]) <= TOL_MM,
                  'fret %d misses the %s string\'s place %r' % (n, 'bass' if bass else 'treble', p))

    saddle = layer['SADDLE']
    check(len(saddle) == 1, 'SADDLE holds %d entities' % len(saddle))
    if saddle:
        check_line(saddle[0], k, board.saddle(), 'the saddle')

    # "12 J" marks the body joint.
    numbers = sorted(e.dxf.text.split()[0] for e in layer['FRET_NUMBERS'])
    check(numbers == sorted(str(n) for n in range(1, board.frets + 1)), 'fret numbers %r' % numbers)

    return report()


if __name__ == '__main__':
    sys.exit(main())
