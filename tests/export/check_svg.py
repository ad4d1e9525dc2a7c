"""Checks a vesk SVG template: its layers and units as XML, and its outline's size as rendered by
rsvg-convert at a known density.

Usage: check_svg.py FILE --unit cm|in --length L --half-width H [--half] [--dpi D] [--same-as OTHER]
                    [--inkscape]
With --same-as (the same template with straight segments), the outline drawn with arcs must also
render where the segments do: at 127 dpi, every pixel of either 1 mm stroke within one pixel of the
other's. A misread arc (its sweep or size) strays by several pixels. With --inkscape, Inkscape's own
geometry (inkscape --query-all) must put the outline path at the design's size within 0.01 mm.
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


COMPARE_DPI = 127.0


def outline_only(path, mm, tmp, name):
    """The file with only its OUTLINE layer, stroked 1 mm wide, as an XML tree."""
    tree = ET.parse(path)
    root = tree.getroot()
    for g in list(root.findall(SVG + 'g')):
        if g.get('id') != 'OUTLINE':
            root.remove(g)
        else:
            for path_element in g:
                path_element.set('stroke-width', repr(1.0 / mm))
            g.set('stroke-width', repr(1.0 / mm))
    out = os.path.join(tmp, name)
    tree.write(out)
    return out


def render_mask(svg, dpi, tmp):
    png = svg + '.png'
    subprocess.run(['rsvg-convert', '--dpi-x', str(dpi), '--dpi-y', str(dpi), '-f', 'png', '-o', png, svg], check=True)
    return raster.read_png(png)[:, :, 3] >= 128


def check_same_rendering(path, other, mm):
    with tempfile.TemporaryDirectory() as tmp:
        a = render_mask(outline_only(path, mm, tmp, 'a.svg'), COMPARE_DPI, tmp)
        b = render_mask(outline_only(other, mm, tmp, 'b.svg'), COMPARE_DPI, tmp)
    stray = raster.stray_pixels(a, b)
    check(stray is not None, 'the two outlines render at %s and %s px' % (a.shape, b.shape))
    check(stray is None or stray == 0, '%d pixels of the arcs and the segments lie more than one pixel (%.2f mm) apart' %
          (stray, 25.4 / COMPARE_DPI))


def check_inkscape_size(path, length_mm, height_mm, stroke_mm):
    """The outline's box as Inkscape measures it (px at 96 per inch, stroke included)."""
    run = subprocess.run(['inkscape', '--query-all', path], capture_output=True, text=True, timeout=300,
                         env=dict(os.environ, HOME=tempfile.gettempdir()))
    boxes = {f[0]: [float(v) for v in f[1:]] for f in (line.split(',') for line in run.stdout.splitlines())
             if len(f) == 5}
    box = boxes.get('OUTLINE-1')
    if box is None:
        check(False, 'Inkscape finds no OUTLINE-1 path (exit %d): %s' % (run.returncode, run.stderr[-500:]))
        return
    w, h = (v * 25.4 / 96.0 - stroke_mm for v in box[2:])
    check(abs(w - length_mm) <= 0.01 and abs(h - height_mm) <= 0.01,
          'Inkscape measures the outline %.4f x %.4f mm, expected %.4f x %.4f' % (w, h, length_mm, height_mm))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('file')
    ap.add_argument('--unit', required=True, choices=['cm', 'in'])
    ap.add_argument('--length', type=float, required=True)
    ap.add_argument('--half-width', type=float, required=True)
    ap.add_argument('--half', action='store_true')
    ap.add_argument('--dpi', type=float, default=50.8)
    ap.add_argument('--same-as')
    ap.add_argument('--inkscape', action='store_true')
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
    if a.same_as:
        check_same_rendering(a.file, a.same_as, mm)
    if a.inkscape:
        check_inkscape_size(a.file, a.length * mm, a.half_width * mm * (1 if a.half else 2), 0.1)
    return report()


if __name__ == '__main__':
    sys.exit(main())
