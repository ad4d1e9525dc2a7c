"""Imports a vesk DXF template with Inkscape's own DXF importer (the dxf_input extension that
File > Open runs, with its default options) and checks the width and height of the named layers in
millimetres. The extension is run as Inkscape runs it, a script writing SVG; the inkscape binary
itself would wait on the import dialog.

Usage: check_inkscape_dxf.py FILE --expect LAYER WIDTH_MM HEIGHT_MM [--expect ...] [--tol MM]
Prints one line per failed check and exits 1 if any failed.
"""
import argparse
import os
import subprocess
import sys
from checks import check, report

EXTENSIONS = '/usr/share/inkscape/extensions'


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('file')
    ap.add_argument('--expect', nargs=3, action='append', required=True, metavar=('LAYER', 'WIDTH', 'HEIGHT'))
    ap.add_argument('--tol', type=float, default=0.01)
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
