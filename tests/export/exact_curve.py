"""The fitted outline and its parallel curves computed exactly from the coefficients, and distances
between point sets and polylines, for the checks that a reader's curves lie within the tolerance of
the exact curve both ways.

The outline: r(t) = a0 + a1 cos t + ... + a6 cos 6t, x = r cos t + r(180), y = r sin t / S, t in
degrees; the parallel curve at d (positive outward) is the point moved d along the unit normal
(y', -x') / |(x', y')|, which points out of the body on the half from t = 0 to 180.
"""
import math

import numpy as np
from scipy.spatial import cKDTree


def outline(coeff, scale, t_degrees, d=0.0):
    """Points of the outline (d = 0) or of its parallel curve at d, in the design's unit."""
    u = np.asarray(t_degrees, dtype=float) * math.pi / 180.0
    r = sum(coeff[k] * np.cos(k * u) for k in range(7))
    r1 = sum(-k * coeff[k] * np.sin(k * u) for k in range(7))
    shift = sum(coeff[k] * (-1) ** k for k in range(7))
    x, y = np.cos(u) * r + shift, np.sin(u) * r / scale
    if d == 0.0:
        return np.column_stack([x, y])
    dx, dy = r1 * np.cos(u) - r * np.sin(u), (r1 * np.sin(u) + r * np.cos(u)) / scale
    speed = np.hypot(dx, dy)
    return np.column_stack([x + d * dy / speed, y - d * dx / speed])


def whole(coeff, scale, d=0.0, steps=72000):
    """The closed curve, both halves, as a dense polyline (chords far inside any tolerance we check)."""
    return outline(coeff, scale, np.linspace(0.0, 360.0, steps + 1), d)


def distances_to_polyline(points, poly):
    """Distance from each point to the polyline through poly's rows: to the segments either side of
    its three nearest vertices (a closed polyline repeats its first vertex at the end), which for a
    dense polyline is the distance to the polyline itself."""
    points, poly = np.asarray(points, dtype=float), np.asarray(poly, dtype=float)
    _, near = cKDTree(poly).query(points, k=min(3, len(poly)))
    near = near.reshape(len(points), -1)
    best = np.full(len(points), np.inf)
    for nearest in near.T:
        for step in (-1, 1):
            j = np.clip(nearest + step, 0, len(poly) - 1)
            a, b = poly[np.minimum(nearest, j)], poly[np.maximum(nearest, j)]
            ab = b - a
            length2 = np.maximum((ab ** 2).sum(axis=1), 1e-300)
            s = np.clip(((points - a) * ab).sum(axis=1) / length2, 0.0, 1.0)
            best = np.minimum(best, np.hypot(*(points - a - s[:, None] * ab).T))
    return best


def both_ways(points, curve):
    """The farthest any of the points lies from the curve, and the farthest any point of the curve
    lies from the polyline through the points (in order)."""
    return float(distances_to_polyline(points, curve).max()), float(distances_to_polyline(curve, points).max())


def turn_degrees(a, b):
    """The angle between two headings (radians), in degrees, in [0, 180]."""
    return abs(math.degrees(math.remainder(a - b, 2 * math.pi)))


def worst_joint(vertices, bulges, closed, skip=()):
    """The largest angle (degrees) between the heading a span arrives in and the next one leaves in,
    from DXF vertices and bulges (a span leaves and arrives at 2 atan(bulge) to its chord). Joints
    at the vertex indices in skip (the corners of a half template's closing edge) are left out."""
    n = len(vertices)
    spans = n if closed else n - 1
    arrive, leave = [], []
    for i in range(spans):
        (x0, y0), (x1, y1) = vertices[i], vertices[(i + 1) % n]
        chord = math.atan2(y1 - y0, x1 - x0)
        leave.append(chord - 2 * math.atan(bulges[i]))
        arrive.append(chord + 2 * math.atan(bulges[i]))
    worst = 0.0
    for i in range(spans if closed else spans - 1):
        vertex = (i + 1) % n
        if vertex not in skip:
            worst = max(worst, turn_degrees(arrive[i], leave[(i + 1) % spans]))
    return worst
