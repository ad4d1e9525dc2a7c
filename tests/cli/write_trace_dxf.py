"""Writes a traced outline as CAD programs do, with ezdxf: the points of a text file (x,y per line,
design units) turned and shifted, as one LWPOLYLINE on layer TRACE, in the DXF unit asked for, with
a circle and a line on another layer beside it.

Usage: write_trace_dxf.py POINTS OUT.dxf --design-unit cm|in --dxf-unit mm|in --degrees A --shift DX DY
"""
import argparse
import math

import ezdxf


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('points')
    ap.add_argument('out')
    ap.add_argument('--design-unit', choices=['cm', 'in'], required=True)
    ap.add_argument('--dxf-unit', choices=['mm', 'in'], required=True)
    ap.add_argument('--degrees', type=float, default=0.0)
    ap.add_argument('--shift', type=float, nargs=2, default=[0.0, 0.0])
    a = ap.parse_args()
    mm_per_design = 10.0 if a.design_unit == 'cm' else 25.4
    mm_per_dxf = 1.0 if a.dxf_unit == 'mm' else 25.4
    factor = mm_per_design / mm_per_dxf
    turn = math.radians(a.degrees)
    points = []
    with open(a.points) as f:
        for line in f:
            line = line.split('#')[0].strip()
            if not line or line[0].isalpha():
                continue
            x, y = (float(v) for v in line.split(','))
            tx = math.cos(turn) * x - math.sin(turn) * y + a.shift[0]
            ty = math.sin(turn) * x + math.cos(turn) * y + a.shift[1]
            points.append((tx * factor, ty * factor))
    doc = ezdxf.new('R2000')
    doc.header['$INSUNITS'] = 4 if a.dxf_unit == 'mm' else 1
    doc.layers.add('TRACE')
    doc.layers.add('NOTES')
    msp = doc.modelspace()
    msp.add_lwpolyline(points, dxfattribs={'layer': 'TRACE'})
    msp.add_circle((0, 0), 50 / mm_per_dxf, dxfattribs={'layer': 'NOTES'})
    msp.add_line((0, 0), (100, 100), dxfattribs={'layer': 'NOTES'})
    doc.saveas(a.out)


if __name__ == '__main__':
    main()
