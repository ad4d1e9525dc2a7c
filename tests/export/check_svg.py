"""Checks a vesk SVG template: its layers and units as XML, and its outline's size as rendered by
rsvg-convert at a known density.

Usage: check_svg.py FILE --unit cm|in --length L --half-width H [--half] [--dpi D]
Prints one line per failed check and exits 1 if any failed.
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

import raster
from checks import check, report

SVG = '{http://www.w3.org/2000/svg}'
INKSCAPE = '{http://www.inkscape.org/namespaces/inkscape}'
LAYERS = ['OUTLINE', 'CENTRELINE', 'SOUNDHOLE', 'FRETS', 'CHECK', 'TITLE']


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('file')
    ap.add_argument('--unit', required=True, choices=['cm', 'in'])
    ap.add_argument('--length', type=float, required=True)
    ap.add_argument('--half-width', type=float, required=True)
    ap.add_argument('--half', action='store_true')
    ap.add_argument('--dpi', type=float, default=50.8)
    a = ap.parse_args()
    mm = 10.0 if a.unit == 'cm' else 25.4
    px_per_unit = a.dpi * mm / 25.4

    tree = ET.parse(a.file)
    root = tree.getroot()
    size = {}
    for key in ('width', 'height'):
        m = re.fullmatch(r'([0-9.eE+-]+)' + a.unit, root.get(key, ''))
        check(m is not None, 'root %s is %r, not a number in %s' % (key, root.get(key), a.unit))
        size[key] = float(m.group(1)) if m else None
    box = [float(v) for v in root.get('viewBox', '').split()]
    check(len(box) == 4 and box[2:] == [size['width'], size['height']],
          'viewBox %r does not match the size %r' % (box, size))

    groups = {g.get('id'): g for g in root.findall(SVG + 'g')}
    for name in LAYERS:
        g = groups.get(name)
        check(g is not None, 'no layer group %s' % name)
        if g is None:
            continue
        check(g.get(INKSCAPE + 'groupmode') == 'layer' and g.get(INKSCAPE + 'label') == name,
              '%s is not marked as an Inkscape layer' % name)
        if name != 'TITLE':
            check(abs(float(g.get('stroke-width', 'nan')) - 0.1 / mm) < 1e-12,
                  '%s stroke width %r, expected 0.1 mm' % (name, g.get('stroke-width')))
    outline = groups.get('OUTLINE')
    check(outline is not None and len(outline) == 1 and outline[0].tag == SVG + 'path' and
          outline[0].get('d', '').rstrip().endswith('Z'), 'OUTLINE is not one closed path')

    # Render the outline alone (the other layers go, the canvas stays) with a stroke of 1 mm, wide
    # enough to threshold at half coverage; its width then comes off the measured extent.
    for name, g in groups.items():
        if name != 'OUTLINE':
            root.remove(g)
    stroke_px = 1.0 * a.dpi / 25.4
    if outline is not None:
        outline.set('stroke-width', repr(1.0 / mm))
    with tempfile.TemporaryDirectory() as tmp:
        only = os.path.join(tmp, 'outline.svg')
        png = os.path.join(tmp, 'outline.png')
        tree.write(only)
        subprocess.run(['rsvg-convert', '--dpi-x', str(a.dpi), '--dpi-y', str(a.dpi), '-f', 'png', '-o', png, only],
                       check=True)
        image = raster.read_png(png)
    height, width = image.shape[:2]
    if size['width'] and size['height']:
        check(abs(width - size['width'] * px_per_unit) <= 1 and abs(height - size['height'] * px_per_unit) <= 1,
              'rendered %dx%d px, expected %.1fx%.1f' % (width, height, size['width'] * px_per_unit,
                                                          size['height'] * px_per_unit))
    found = raster.bbox(image[:, :, 3] >= 128)
    check(found is not None, 'the outline renders no pixels')
    if found:
        left, top, right, bottom = found
        expect_w = a.length * px_per_unit
        expect_h = a.half_width * px_per_unit * (1 if a.half else 2)
        got_w, got_h = right - left + 1 - stroke_px, bottom - top + 1 - stroke_px
        check(abs(got_w - expect_w) <= 1 and abs(got_h - expect_h) <= 1,
              'outline renders %.2fx%.2f px, expected %.2fx%.2f' % (got_w, got_h, expect_w, expect_h))
    return report()


if __name__ == '__main__':
    sys.exit(main())
