"""Imports a vesk DXF template with Inkscape's own DXF importer (the dxf_input extension that
File > Open runs, with its default options) and checks the width and height of the named layers in
millimetres. The extension is run as Inkscape runs it, a script writing SVG; the inkscape binary
itself would wait on the import dialog.

Usage: check_inkscape_dxf.py FILE --expect LAYER WIDTH_MM HEIGHT_MM [--expect ...] [--tol MM]
                             [--curve A0 .. A6 S --unit cm|in --near LAYER D_MM [--near ...]]
With --curve (the fitted coefficients and vertical scale), each --near layer's path as the importer
draws it (a whole template's, its arcs as inkex turns them into curves) lies within 0.01 mm of the
exact curve (its parallel curve at D_MM) both ways, placed by its first point, the curve's at t = 0.
Prints one line per failed check and exits 1 if any failed.
"""
import argparse
import os
import subprocess
import sys

import numpy as np
from checks import check, report
import exact_curve

EXTENSIONS = '/usr/share/inkscape/extensions'


def drawn_points(group, mm_per_user_unit):
    """Points along the group's paths in millimetres, y up: each cubic of inkex's curves sampled."""
    from inkex import bezier
    points = []
    for path in group.iter('{http://www.w3.org/2000/svg}path'):
        for sub in path.path.transform(path.getparent().composed_transform()).to_superpath():
            for p, q in zip(sub, sub[1:]):
                curve = (p[1], p[2], q[0], q[1])
                points.extend(bezier.bezierpointatt(curve, t) for t in np.linspace(0.0, 1.0, 64, endpoint=False))
            points.append(sub[-1][1])
    return np.array(points) * [mm_per_user_unit, -mm_per_user_unit]


def check_near(svg, layer, d_mm, a, mm_per_user_unit):
    groups = [g for g in svg.iter('{http://www.w3.org/2000/svg}g') if g.get('inkscape:label') == layer]
    if len(groups) != 1:
        check(False, '%s: %d layers of that name' % (layer, len(groups)))
        return
    mm = 10.0 if a.unit == 'cm' else 25.4
    coeff, scale = [c * mm for c in a.curve[:7]], a.curve[7]
    curve = exact_curve.whole(coeff, scale, d_mm)
    pts = drawn_points(groups[0], mm_per_user_unit)
    pts += curve[0] - pts[0]
    far, gap = exact_curve.both_ways(pts, curve)
    check(far <= 0.0100001 and gap <= 0.0100001,
          '%s: %.6f mm from the curve at most, the curve %.6f mm from it; expected 0.01 mm both ways' %
          (layer, far, gap))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('file')
    ap.add_argument('--expect', nargs=3, action='append', required=True, metavar=('LAYER', 'WIDTH', 'HEIGHT'))
    ap.add_argument('--tol', type=float, default=0.01)
    ap.add_argument('--curve', type=float, nargs=8)
    ap.add_argument('--unit', choices=['cm', 'in'], default='cm')
    ap.add_argument('--near', nargs=2, action='append', default=[], metavar=('LAYER', 'D_MM'))
    a = ap.parse_args()
    script = os.path.join(EXTENSIONS, 'dxf_input.py')
    if not os.path.exists(script):
        print('Inkscape\'s DXF importer is not installed (Debian package inkscape): %s' % script)
        return 1
    run = subprocess.run([sys.executable, script, os.path.abspath(a.file)], cwd=EXTENSIONS,
                         capture_output=True, timeout=300)
    if run.returncode != 0 or not run.stdout:
        print('dxf_input failed (exit %d): %s' % (run.returncode, run.stderr.decode(errors='replace')[-2000:]))
        return 1
    sys.path.insert(0, EXTENSIONS)
    import inkex
    svg = inkex.load_svg(run.stdout).getroot()
    # The importer's document is in px at 96 per inch: width and viewBox agree and carry no unit.
    mm_per_user_unit = 1.0 / svg.unittouu('1mm')
    for layer, d_mm in a.near:
        check_near(svg, layer, float(d_mm), a, mm_per_user_unit)
    for layer, width, height in a.expect:
        groups = [g for g in svg.iter('{http://www.w3.org/2000/svg}g') if g.get('inkscape:label') == layer]
        if len(groups) != 1:
            check(False, '%s: %d layers of that name' % (layer, len(groups)))
            continue
        box = None
        for path in groups[0].iter('{http://www.w3.org/2000/svg}path'):
            b = path.bounding_box(path.getparent().composed_transform())
            box = b if box is None else box + b
        if box is None:
            check(False, '%s: no paths' % layer)
            continue
        got = (box.width * mm_per_user_unit, box.height * mm_per_user_unit)
        check(abs(got[0] - float(width)) <= a.tol and abs(got[1] - float(height)) <= a.tol,
              '%s: %.4f x %.4f mm, expected %s x %s' % (layer, got[0], got[1], width, height))
    return report()


if __name__ == '__main__':
    sys.exit(main())
