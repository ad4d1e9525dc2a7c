#!/usr/bin/env python3
"""Writes the point readers' fuzz seeds into tests/data/fuzz-points/: station tables in the forms
the text reader takes and refuses, and small DXF files written group by group from the format
(LINE, POLYLINE/VERTEX, LWPOLYLINE with bulges, ARC, ELLIPSE, SPLINE, extrusion, layers with and
without closed curves, $INSUNITS), with the hostile counts and codes that dxflib would trust. The stations are a smooth made-up body, not any published plan.
Run it again after changing the list; the replay test reads whatever the folder holds."""
import math
import sys
from pathlib import Path


def stations(n=12, both=False):
    rows = []
    for i in range(n):
        t = math.pi * i / (n - 1)
        x = 24.5 - 24.5 * math.cos(t)
        y = 15.0 * math.sin(t) * (1.0 - 0.25 * math.cos(2.0 * t))
        rows.append((round(x, 3), round(y, 3)))
        if both and 0 < i < n - 1:
            rows.append((round(x, 3), -round(y, 3)))
    return rows


def text(rows, sep=',', header='x,y'):
    lines = ['# stations from the neck end', header] if header else []
    lines += ['%g%s%g' % (x, sep, y) for x, y in rows]
    return '\n'.join(lines) + '\n'


def groups(pairs):
    return ''.join('%d\n%s\n' % (c, v) for c, v in pairs)


def dxf(entities, insunits=4):
    head = [(0, 'SECTION'), (2, 'HEADER'), (9, '$ACADVER'), (1, 'AC1015')]
    if insunits is not None:
        head += [(9, '$INSUNITS'), (70, str(insunits))]
    head += [(0, 'ENDSEC'), (0, 'SECTION'), (2, 'ENTITIES')]
    return groups(head) + entities + groups([(0, 'ENDSEC'), (0, 'EOF')])


def lwpolyline(rows, layer='OUTLINE', count=None, extra=(), closed=False, bulge=None):
    pairs = [(0, 'LWPOLYLINE'), (8, layer), (90, str(len(rows) if count is None else count)),
             (70, '1' if closed else '0')]
    pairs += list(extra)
    for x, y in rows:
        pairs += [(10, '%g' % x), (20, '%g' % y)]
        if bulge is not None:
            pairs += [(42, bulge)]
    return groups(pairs)


def arc(cx, cy, r, a1, a2, layer='OUTLINE', down=False):
    pairs = [(0, 'ARC'), (8, layer), (10, '%g' % cx), (20, '%g' % cy), (40, '%g' % r)]
    if down:
        pairs += [(210, '0'), (220, '0'), (230, '-1')]
    return groups(pairs + [(50, '%g' % a1), (51, '%g' % a2)])


def ellipse(cx, cy, mx, my, ratio, p1, p2, layer='OUTLINE'):
    return groups([(0, 'ELLIPSE'), (8, layer), (10, '%g' % cx), (20, '%g' % cy), (11, '%g' % mx), (21, '%g' % my),
                   (40, '%g' % ratio), (41, '%g' % p1), (42, '%g' % p2)])


def spline(controls, knots, degree=3, weights=(), fits=(), counts=None, layer='OUTLINE'):
    n = counts or (len(knots), len(controls), len(fits))
    pairs = [(0, 'SPLINE'), (8, layer), (70, '8'), (71, str(degree)), (72, str(n[0])), (73, str(n[1])), (74, str(n[2]))]
    pairs += [(40, '%g' % k) for k in knots] + [(41, '%g' % w) for w in weights]
    for x, y in controls:
        pairs += [(10, '%g' % x), (20, '%g' % y)]
    for x, y in fits:
        pairs += [(11, '%g' % x), (21, '%g' % y)]
    return groups(pairs)


def polyline(rows, layer='OUTLINE'):
    pairs = [(0, 'POLYLINE'), (8, layer), (66, '1'), (70, '0')]
    for x, y in rows:
        pairs += [(0, 'VERTEX'), (8, layer), (10, '%g' % x), (20, '%g' % y), (30, '0')]
    return groups(pairs + [(0, 'SEQEND')])


def lines(rows, layer='OUTLINE'):
    out = ''
    for (x1, y1), (x2, y2) in zip(rows, rows[1:]):
        out += groups([(0, 'LINE'), (8, layer), (10, '%g' % x1), (20, '%g' % y1), (11, '%g' % x2), (21, '%g' % y2)])
    return out


def seeds():
    rows = stations()
    mm = [(10 * x, 10 * y) for x, y in rows]
    return {
        'text-commas': text(rows),
        'text-blanks': text(rows, sep=' ', header='station half-width'),
        'text-both-sides': text(stations(10, both=True)),
        'text-crlf': text(rows).replace('\n', '\r\n'),
        'text-comments': '# a\n\n' + text(rows, header=None).replace('\n', '  # note\n'),
        'text-seven': text(rows[:7]),
        'text-collinear': text([(i, 2 * i + 1) for i in range(9)]),
        'text-bad-word': text(rows) + '3,wide\n',
        'text-nan': text(rows) + 'nan,1\n',
        'text-inf': text(rows) + '1,-inf\n',
        'text-overflow': text(rows) + '1e400,1\n',
        'text-three-fields': '1,2,3\n',
        'text-nul': 'x,y\n1,2\x00\n',
        'text-exponents': '1e1,2E-1\n+3,-4.5\n.5,6.\n',
        'dxf-lwpolyline-mm': dxf(lwpolyline(mm)),
        'dxf-polyline-in': dxf(polyline([(x / 2.54, y / 2.54) for x, y in rows]), insunits=1),
        'dxf-lines-cm': dxf(lines(rows), insunits=5),
        'dxf-no-units': dxf(lwpolyline(mm), insunits=None),
        'dxf-unitless': dxf(lwpolyline(mm), insunits=0),
        'dxf-miles': dxf(lwpolyline(mm), insunits=3),
        'dxf-two-layers': dxf(lwpolyline(mm) + lines(mm, layer='NOTES')),
        'dxf-empty': dxf(''),
        'dxf-no-entities': groups([(0, 'SECTION'), (2, 'HEADER'), (0, 'ENDSEC'), (0, 'EOF')]),
        'dxf-huge-count': dxf(lwpolyline(mm[:3], count=2000000000)),
        'dxf-negative-count': dxf(lwpolyline(mm[:3], count=-5)),
        'dxf-bulge-first': dxf(lwpolyline(mm[:3], extra=[(42, '1.0')])),
        'dxf-polyface': dxf(groups([(0, 'POLYLINE'), (70, '64'), (0, 'VERTEX'), (70, '192'), (10, '1'),
                                    (20, '1'), (0, 'VERTEX'), (70, '128'), (71, '1'), (72, '2'), (0, 'SEQEND')])),
        'dxf-vertex-alone': dxf(groups([(0, 'VERTEX'), (10, '1'), (20, '2')])),
        'dxf-bad-number': dxf(groups([(0, 'LINE'), (10, 'abc'), (20, '0')])),
        'dxf-bad-code': '0\nSECTION\nxyz\nENTITIES\n',
        'dxf-truncated': dxf(lwpolyline(mm))[:200],
        'dxf-binary': 'AutoCAD Binary DXF\r\n\x1a\x00',
        'dxf-spline-hatch': dxf(groups([(0, 'SPLINE'), (72, '99999999'), (73, '99999999'), (40, '0'),
                                        (0, 'HATCH'), (91, '99999999'), (92, '2'), (93, '99999999')])
                                + lwpolyline(mm)),
        'dxf-bulges': dxf(lwpolyline(mm[:6], bulge='0.3', closed=True)),
        'dxf-huge-bulge': dxf(lwpolyline([(0, 0), (1e12, 0)], bulge='1e300')),
        'dxf-arcs': dxf(arc(245, 0, 245, 90, 180) + arc(245, 0, 245, 180, 270, down=True) + arc(0, 0, 5, 10, 10)),
        'dxf-huge-arc': dxf(arc(0, 0, 1e15, 0, 359)),
        'dxf-ellipse': dxf(ellipse(245, 0, 245, 0, 0.6, 0, 6.283185307179586)
                           + ellipse(0, 0, 0, 0, 0.5, 1, 2) + ellipse(0, 0, 10, 0, 1e300, 0, 1)),
        'dxf-spline': dxf(spline([(0, 0), (100, 150), (380, 150), (490, 0)], [0, 0, 0, 0, 1, 1, 1, 1])),
        'dxf-spline-rational': dxf(spline([(100, 0), (100, 100), (0, 100)], [0, 0, 0, 1, 1, 1], degree=2,
                                          weights=[1, 0.7071067811865476, 1])),
        'dxf-spline-fits': dxf(spline([], [], fits=mm[:8])),
        'dxf-spline-bad': dxf(spline([(0, 0), (1, 1)], [3, 2, 1], degree=12, weights=[-1])
                              + spline([(0, 0)] * 4, [0] * 8, counts=(99999999, 99999999, 99999999))),
        'dxf-closed-layers': dxf(lwpolyline(mm, closed=True) + lwpolyline(mm[:4], layer='FRAME', closed=True)
                                 + lines(mm, layer='NOTES')),
        'dxf-line-loop': dxf(lines(mm + [mm[0]], layer='BODY') + lines(rows, layer='SMALL')),
    }


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / 'tests/data/fuzz-points')
    out.mkdir(parents=True, exist_ok=True)
    for name, content in seeds().items():
        (out / name).write_bytes(content.encode('latin-1'))
    print('wrote %d seeds to %s' % (len(seeds()), out))


if __name__ == '__main__':
    main()
