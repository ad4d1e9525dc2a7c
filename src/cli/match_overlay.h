// The match overlay: the points, the fitted outline and the misses at true scale, as an SVG whose
// root carries the physical size, or as a PNG whose resolution says its scale.
#pragma once

#include <QByteArray>

#include "export/export_units.h"

struct MatchResult;

QByteArray MatchOverlaySvg(const MatchResult& result, ExportUnit unit);
// Empty when the drawing would be wider or taller than kMaxOverlayPixels.
QByteArray MatchOverlayPng(const MatchResult& result, ExportUnit unit);

// Pixels per millimetre of the PNG overlay.
inline constexpr double kOverlayPixelsPerMm = 4.0;
inline constexpr double kMaxOverlayPixels = 16000.0;
