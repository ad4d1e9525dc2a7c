"""Imports vesk templates into FreeCAD (freecadcmd, in one run for all files, since FreeCAD starts
slowly) and checks that the named layers (a DXF layer, or an SVG path whose id starts with the
layer's name) each become one closed wire with the expected extents in millimetres.

Usage: check_freecad.py --expect FILE LAYER XMIN YMIN XMAX YMAX [--expect ...] [--tol MM]
                        [--curve A0 .. A6 S --unit cm|in --near FILE LAYER D_MM [--near ...] [--arcs]]
With --curve (the fitted coefficients and vertical scale), each --near layer's wire as FreeCAD has
it (a whole template's) lies within 0.01 mm of the exact curve (its parallel curve at D_MM) both
ways, and with --arcs a DXF's edges are circular arcs (FreeCAD's SVG importer makes every edge, a
line's too, a B-spline).
Prints one line per failed check and exits 1 if any failed; a missing freecadcmd is a failure.
"""
import argparse
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import numpy as np
from checks import check, report
import exact_curve

HERE = os.path.dirname(os.path.abspath(__file__))


def object_for(objects, layer, svg):
    """The DXF layer's object, or the SVG path named LAYER_<n> (FreeCAD turns '-' into '_')."""
    if svg:
        pattern = re.compile(r'^%s_\d+$' % re.escape(layer))
        found = [o for o in objects if pattern.match(o['name']) or pattern.match(o['label'])]
    else:
        found = [o for o in objects if o['name'] == layer or o['label'] == layer]
    return found


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('--expect', nargs=6, action='append', required=True,
                    metavar=('FILE', 'LAYER', 'XMIN', 'YMIN', 'XMAX', 'YMAX'))
    ap.add_argument('--tol', type=float, default=0.01)
    ap.add_argument('--curve', type=float, nargs=8)
    ap.add_argument('--unit', choices=['cm', 'in'], default='cm')
    ap.add_argument('--near', nargs=3, action='append', default=[], metavar=('FILE', 'LAYER', 'D_MM'))
    ap.add_argument('--arcs', action='store_true')
    a = ap.parse_args()
    freecad = shutil.which('freecadcmd')
    if freecad is None:
        print('freecadcmd is not installed (Debian package freecad)')
        return 1
    files = sorted({os.path.abspath(e[0]) for e in a.expect + a.near})
    with tempfile.TemporaryDirectory() as tmp:
        job = os.path.join(tmp, 'job.json')
        result = os.path.join(tmp, 'result.json')
        json.dump({'files': files, 'result': result}, open(job, 'w'))
        env = dict(os.environ, VESK_FREECAD_JOB=job, HOME=tmp, QT_QPA_PLATFORM='offscreen')
        run = subprocess.run([freecad, os.path.join(HERE, 'freecad_import.py')], env=env, cwd=tmp,
                             capture_output=True, text=True, timeout=600)
        if not os.path.exists(result):
            print('freecadcmd wrote no result (exit %d): %s' % (run.returncode, run.stdout[-2000:] + run.stderr[-2000:]))
            return 1
        found = json.load(open(result))
    for file, layer, *box in a.expect:
        entry = found[os.path.abspath(file)]
        if entry['error']:
            check(False, '%s: FreeCAD could not import it: %s' % (file, entry['error']))
            continue
        svg = file.lower().endswith('.svg')
        objects = object_for(entry['objects'], layer, svg)
        where = '%s %s' % (os.path.basename(file), layer)
        if len(objects) != 1:
            check(False, '%s: %d objects, expected 1 (found %s)' % (where, len(objects), [o['name'] for o in entry['objects']]))
            continue
        o = objects[0]
        check(o['wires'] == 1 and all(o['closed']), '%s: %d wires, closed %s; expected one closed wire' % (where, o['wires'], o['closed']))
        want = [float(v) for v in box]
        got = o['vertex_box']
        check(all(abs(g - w) <= a.tol for g, w in zip(got, want)),
              '%s: extents %s mm, expected %s' % (where, ['%.5f' % v for v in got], want))
    for file, layer, d_mm in a.near:
        entry = found[os.path.abspath(file)]
        objects = [] if entry['error'] else object_for(entry['objects'], layer, file.lower().endswith('.svg'))
        if len(objects) == 1:
            check_near(objects[0], '%s %s' % (os.path.basename(file), layer), a, float(d_mm))
    return report()


def check_near(o, where, a, d_mm):
    """The object's edges against the exact curve at d_mm, both ways; arcs if asked."""
    mm = 10.0 if a.unit == 'cm' else 25.4
    coeff, scale = [c * mm for c in a.curve[:7]], a.curve[7]
    pts = np.array(o['points'])
    curve = exact_curve.whole(coeff, scale, d_mm)
    far, gap = exact_curve.both_ways(pts, curve) if len(pts) else (float('inf'), float('inf'))
    check(far <= 0.0100001 and gap <= 0.0100001,
          '%s: %.6f mm from the curve at most, the curve %.6f mm from it; expected 0.01 mm both ways' %
          (where, far, gap))
    if a.arcs and where.lower().split()[0].endswith('.dxf'):
        check(o['arcs'] == o['edges'], '%s: %d of %d edges are circular arcs' % (where, o['arcs'], o['edges']))


if __name__ == '__main__':
    sys.exit(main())
