// The match overlay: the points, the fitted outline and the misses at true scale, as layers of an
// export drawing model written by the export's writers (an SVG whose root carries the physical
// size, or a PNG whose resolution says its scale).
#pragma once

#include <QByteArray>

#include "export/export_units.h"
#include "geometry/result.h"

struct ExportModel;
struct MatchResult;

ExportModel MatchOverlayModel(const MatchResult& result, ExportUnit unit);
Result<QByteArray> MatchOverlaySvg(const MatchResult& result, ExportUnit unit);
// An Error when the drawing would be wider or taller than kMaxOverlayPixels.
Result<QByteArray> MatchOverlayPng(const MatchResult& result, ExportUnit unit);

// Pixels per millimetre of the PNG overlay.
inline constexpr double kOverlayPixelsPerMm = 4.0;
inline constexpr double kMaxOverlayPixels = 16000.0;
