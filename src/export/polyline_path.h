// A drawing's polyline as a QPainterPath, its arcs as cubic Beziers close enough to the circle for a
// true-scale print: the PDF writer and the workshop's view draw curves this one way.
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <functional>

#include "export/drawing_primitives.h"

// Where a drawing point lands on the device; it must be affine (Bezier control points map like points).
using PointMapping = std::function<QPointF(Point2)>;

// Straight spans (and arcs within a thousandth of the tolerance of their chord) as lines, the other
// spans as arcs; closed when the polyline is.
QPainterPath PolylinePath(const Polyline& line, const PointMapping& map, double toleranceUnits);
