// Adaptive sampling of a parametric plane curve into a polyline whose chords stay within a given
// distance of the curve.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "export/drawing_primitives.h"

struct CurveSample {
  double t = 0.0;
  Point2 point;
};

struct SamplerLimits {
  double initialStep = 1.0;  // parameter width of the first, uniform pieces
  int probesPerPiece = 3;    // interior points at which a chord is measured
  int maxDepth = 40;         // halvings of one piece
  std::size_t maxSamples = 2000000;
};

// Samples curve(t) over [breaks.front(), breaks.back()]. Every break becomes a vertex, the pieces
// between them start at most initialStep wide, and a piece is halved while the curve at any of its
// probes lies farther than tolerance from its chord. nullopt when the curve yields a non-finite
// point or the tolerance cannot be met within the limits. breaks must be sorted and hold two or more
// values.
std::optional<std::vector<CurveSample>> SampleCurve(const std::function<Point2(double)>& curve,
                                                    const std::vector<double>& breaks, double tolerance,
                                                    const SamplerLimits& limits = {});
