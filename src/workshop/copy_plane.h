// The plane the Copy panel shows a picture and its points in (the design's unit, y up), and the
// ways into it: two clicked points and their distance for a scale, the match's motion after it.
#pragma once

#include <QPointF>
#include <QTransform>
#include <optional>

#include "match/rigid_motion.h"

// Millimetres per pixel of the file, from two points shown through `shownToPlane` (the shown
// picture, `shrink` file pixels to its pixel, to the plane) that lie `distanceUnits` apart;
// nullopt when the points coincide or the distance is not a positive number.
std::optional<double> MillimetresPerFilePixel(const QTransform& shownToPlane, double shrink, QPointF a,
                                              QPointF b, double distanceUnits, double unitMm);

// The shown picture to the plane at that scale (its top-left corner at the origin), as a trace
// with the same resolution places its points.
QTransform ScaledPlane(double mmPerFilePixel, double shrink, double unitMm);

// The match's rigid motion as a transform of the plane.
QTransform MotionTransform(const RigidMotion& motion);
