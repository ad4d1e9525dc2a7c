// DXF text written group by group, as CAD programs write it, for the reader's tests.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "geometry/point2.h"

std::string Groups(const std::vector<std::pair<int, std::string>>& groups);
std::string Number(double v);
// A HEADER section with $INSUNITS (none when insUnits < 0).
std::string Header(int insUnits);
// An ENTITIES section around the entities, and the end of the file.
std::string Entities(const std::string& body);

std::string Line(const std::string& layer, Point2 a, Point2 b);
// bulges: one per vertex (empty: none).
std::string LwPolyline(const std::string& layer, const std::vector<Point2>& v, bool closed = false,
                       const std::vector<double>& bulges = {});
std::string Polyline(const std::string& layer, const std::vector<Point2>& v);
// Degrees, anticlockwise from start to end; extrudedDown: 230 = -1.
std::string Arc(const std::string& layer, Point2 centre, double radius, double start, double end,
                bool extrudedDown = false);
// Parameters in radians.
std::string Ellipse(const std::string& layer, Point2 centre, Point2 major, double ratio, double start,
                    double end);
std::string Spline(const std::string& layer, int degree, const std::vector<double>& knots,
                   const std::vector<Point2>& controls, const std::vector<double>& weights);
