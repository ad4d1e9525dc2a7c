"""Imports a vesk fret-slot template into FreeCAD (freecadcmd) and checks it in FreeCAD's millimetres:
every fret one edge from edge to edge (no pieces, no duplicates), the board's sides one closed wire.

freecadcmd passes no arguments to a script, so they come from the environment: VESK_DXF (the file) and
VESK_FRETS_ARGS (the board options of fretboard_expected.py, in mm). An exception would leave
freecadcmd's exit status at 0, so every ending goes through os._exit, and success prints a marker.
"""
import os
import shlex
import sys
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

TOL_MM = 1e-6
MARKER = 'vesk-freecad-check: ok'


def run():
    import FreeCAD
    import Import
    import Part
    import fretboard_expected

    board = fretboard_expected.board_from(fretboard_expected.parser(__doc__).parse_args(
        shlex.split(os.environ['VESK_FRETS_ARGS'])))
    doc = FreeCAD.newDocument('frets')
    Import.readDXF(os.environ['VESK_DXF'])
    doc.recompute()
    edges = [e for o in doc.Objects if hasattr(o, 'Shape') for e in o.Shape.Edges]
    problems = []

    def ends(e):
        return [(v.Point.x, v.Point.y) for v in e.Vertexes]

    def near(p, q):
        return ((p[0] - q[0]) ** 2 + (p[1] - q[1]) ** 2) ** 0.5 <= TOL_MM

    def joins(e, a, b):
        p = ends(e)
        return len(p) == 2 and ((near(p[0], a) and near(p[1], b)) or (near(p[0], b) and near(p[1], a)))

    def on_line(p, a, b):
        (ax, ay), (bx, by) = a, b
        cross = (bx - ax) * (p[1] - ay) - (by - ay) * (p[0] - ax)
        return abs(cross) / (((bx - ax) ** 2 + (by - ay) ** 2) ** 0.5) <= TOL_MM

    for n in range(1, board.frets + 1):
        a, b = board.extended(n)
        whole = [e for e in edges if joins(e, a, b)]
        along = [e for e in edges if all(on_line(p, a, b) for p in ends(e))]
        if len(whole) != 1 or len(along) != 1:
            problems.append('fret %d: %d whole edges and %d edges on its line, expected one of each'
                            % (n, len(whole), len(along)))

    corners = board.outline()
    sides = []
    for i in range(4):
        found = [e for e in edges if joins(e, corners[i], corners[(i + 1) % 4])]
        # Each side once: the nut's side is the board's own, not the NUT layer's too.
        if len(found) != 1:
            problems.append('board side %d: %d edges, expected 1' % (i, len(found)))
        sides += found[:1]
    if len(sides) == 4:
        # Part.Wire refuses edges that do not chain end to end.
        wire = Part.Wire(Part.__sortEdges__(sides))
        if len(wire.Edges) != 4 or not wire.isClosed():
            problems.append('the board is not one closed wire of four sides')
        box = wire.BoundBox
        xs, ys = [p[0] for p in corners], [p[1] for p in corners]
        want = (min(xs), min(ys), max(xs), max(ys))
        got = (box.XMin, box.YMin, box.XMax, box.YMax)
        if any(abs(g - w) > TOL_MM for g, w in zip(got, want)):
            problems.append('board extents %r mm, expected %r mm' % (got, want))
    print('\n'.join(problems) if problems else MARKER)
    return 1 if problems else 0


try:
    code = run()
except BaseException:
    traceback.print_exc()
    code = 1
sys.stdout.flush()
sys.stderr.flush()
os._exit(code)
