"""Writes a traced outline as CAD programs do, with ezdxf: the points of a text file (x,y per line,
design units) turned and shifted, on layer TRACE, in the DXF unit asked for, with a circle and a line
on another layer beside it. The outline is one LWPOLYLINE through the points; or, for a whole body
(points alternating +y and -y, as the tests write them), one closed curve: a SPLINE through them as
CAD programs fit one, an LWPOLYLINE of circular arcs (bulges) through every three, or those arcs as
ARC entities.

Usage: write_trace_dxf.py POINTS OUT.dxf --design-unit cm|in --dxf-unit mm|in --degrees A --shift DX DY
                          [--curves polyline|spline|bulges|arcs] [--insunits N]
"""
import argparse
import math

import ezdxf
from ezdxf.math import Vec2, arc_to_bulge


def read_points(path):
    points = []
    with open(path) as f:
        for line in f:
            line = line.split('#')[0].strip()
            if line and not line[0].isalpha():
                points.append(tuple(float(v) for v in line.split(',')))
    return points


def closed_loop(points):
    """The +y side from the tail round to the neck, then the -y side back; the tail once."""
    upper = [p for p in points if p[1] >= 0.0]
    lower = [p for p in points if p[1] < 0.0]
    return upper + lower[::-1] + [upper[0]]


def arcs_through(loop):
    """(start, end, centre, radius, anticlockwise) of the circle through every three points."""
    out = []
    for i in range(0, len(loop) - 2, 2):
        a, b, c = (Vec2(p) for p in loop[i:i + 3])
        d = 2.0 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y))
        sa, sb, sc = (v.x * v.x + v.y * v.y for v in (a, b, c))
        ux = (sa * (b.y - c.y) + sb * (c.y - a.y) + sc * (a.y - b.y)) / d
        uy = (sa * (c.x - b.x) + sb * (a.x - c.x) + sc * (b.x - a.x)) / d
        centre = Vec2(ux, uy)
        anticlockwise = (b - a).det(c - b) > 0.0
        out.append((a, c, centre, (a - centre).magnitude, anticlockwise))
    return out


def draw(msp, loop, curves):
    attribs = {'layer': 'TRACE'}
    if curves == 'polyline':
        msp.add_lwpolyline(loop, dxfattribs=attribs)
        return
    if curves == 'spline':
        msp.add_cad_spline_control_frame(loop, dxfattribs=attribs)
        return
    arcs = arcs_through(loop)
    if curves == 'bulges':
        vertices = []
        for a, c, centre, radius, ccw in arcs:
            start, end = ((a - centre).angle, (c - centre).angle) if ccw else ((c - centre).angle, (a - centre).angle)
            bulge = arc_to_bulge(centre, start, end, radius)[2]
            vertices.append((a.x, a.y, bulge if ccw else -bulge))
        msp.add_lwpolyline(vertices, format='xyb', close=True, dxfattribs=attribs)
        return
    for a, c, centre, radius, ccw in arcs:
        start, end = (a - centre).angle_deg, (c - centre).angle_deg
        msp.add_arc(centre, radius, start if ccw else end, end if ccw else start, dxfattribs=attribs)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('points')
    ap.add_argument('out')
    ap.add_argument('--design-unit', choices=['cm', 'in'], required=True)
    ap.add_argument('--dxf-unit', choices=['mm', 'in'], required=True)
    ap.add_argument('--degrees', type=float, default=0.0)
    ap.add_argument('--shift', type=float, nargs=2, default=[0.0, 0.0])
    ap.add_argument('--curves', choices=['polyline', 'spline', 'bulges', 'arcs'], default='polyline')
    ap.add_argument('--insunits', type=int, help='the $INSUNITS to declare, whatever the unit written')
    a = ap.parse_args()
    mm_per_design = 10.0 if a.design_unit == 'cm' else 25.4
    mm_per_dxf = 1.0 if a.dxf_unit == 'mm' else 25.4
    factor = mm_per_design / mm_per_dxf
    turn = math.radians(a.degrees)
    points = []
    raw = read_points(a.points)
    for x, y in raw if a.curves == 'polyline' else closed_loop(raw):
        tx = math.cos(turn) * x - math.sin(turn) * y + a.shift[0]
        ty = math.sin(turn) * x + math.cos(turn) * y + a.shift[1]
        points.append((tx * factor, ty * factor))
    doc = ezdxf.new('R2000')
    doc.header['$INSUNITS'] = a.insunits if a.insunits is not None else (4 if a.dxf_unit == 'mm' else 1)
    doc.layers.add('TRACE')
    doc.layers.add('NOTES')
    msp = doc.modelspace()
    draw(msp, points, a.curves)
    msp.add_circle((0, 0), 50 / mm_per_dxf, dxfattribs={'layer': 'NOTES'})
    msp.add_line((0, 0), (100, 100), dxfattribs={'layer': 'NOTES'})
    doc.saveas(a.out)


if __name__ == '__main__':
    main()
