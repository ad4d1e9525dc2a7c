// vesk-cli match POINTS [-o DESIGN] [--json] [--fix NAME=VALUE]... [--align] [--keep-all]
//                      [--overlay OUT.svg|OUT.png] [--layer NAME] [--unit cm|in] [--points-unit mm|cm|in|m]
// Reads the points, checks them, fits, and only then writes anything: the overlay, then the design.
#include "cli/cmd_match.h"

#include <QFileInfo>
#include <optional>

#include "cli/cli_command.h"
#include "cli/design_file.h"
#include "cli/input_file.h"
#include "cli/json_output.h"
#include "cli/match_arguments.h"
#include "cli/match_overlay.h"
#include "cli/match_report.h"
#include "cli/trace_input.h"
#include "export/output_file.h"
#include "framework/error_text.h"
#include "match/point_checks.h"
#include "match/point_file.h"

namespace cli {
namespace {

bool IsDxfName(const QString& path) {
  return QFileInfo(path).suffix().compare("dxf", Qt::CaseInsensitive) == 0;
}

Status WriteOverlay(const MatchResult& result, const MatchArguments& a) {
  const bool svg = QFileInfo(a.overlay).suffix().toLower() == "svg";
  const Result<QByteArray> bytes = svg ? MatchOverlaySvg(result, a.unit) : MatchOverlayPng(result, a.unit);
  if (!bytes)
    return ErrorFrom(QStringLiteral("%1: cannot be written: %2").arg(a.overlay, ErrorText(bytes.error())));
  return CommitFile(a.overlay, *bytes);
}

// The matched values as a new design without a soundhole: the 68 bytes Save writes.
bool WriteDesign(const MatchResult& result, const QString& path) {
  Design design;
  design.shape = DesignShape::FromArray(result.values);
  return SaveDesign(design, path);
}

// The warning a body of the wrong size gets: most often a file whose unit is not the one it says.
void WarnOfExtent(const PointSet& set, const MatchArguments& a, MatchSource* source) {
  if (!ImplausibleBodyExtent(set.extentMm)) return;
  source->warning = QStringLiteral(
                        "the points span %1 %2, not the %3 cm to %4 m of an instrument body; if they "
                        "are not in %5, give their unit with --points-unit mm|cm|in|m")
                        .arg(set.extentMm / MillimetresPerUnit(a.unit), 0, 'g', 6)
                        .arg(UnitName(a.unit))
                        .arg(kSmallestBodyMm / 10.0)
                        .arg(kLargestBodyMm / 1000.0)
                        .arg(PointsUnitName(set.fileUnitMm));
  Warn(QStringLiteral("warning: %1").arg(source->warning));
}

// Checks, matches and reports the points read.
int MatchReadPoints(const PointSet& set, const MatchArguments& a) {
  if (const Status usable = CheckPoints(set.points, PointsNeeded(a.options)); !usable)
    return Report(ErrorFrom(QStringLiteral("%1: %2").arg(a.points, ErrorText(usable.error()))));
  MatchSource source{a.points, UnitName(a.unit), a.options.align, {}};
  WarnOfExtent(set, a, &source);
  const Result<MatchResult> result = MatchDesign(set.points, a.options);
  if (!result)
    return Report(
        ErrorFrom(QStringLiteral("%1: %2").arg(a.points, ErrorText(result.error())), ErrorKind::FitFailed));
  if (!a.overlay.isEmpty()) {
    if (const Status written = WriteOverlay(*result, a); !written) return Report(written.error());
  }
  if (!a.design.isEmpty() && !WriteDesign(*result, a.design)) return kFileError;
  PrintOut(a.json ? JsonText(MatchJson(*result, set, source)) : MatchSummary(*result, set, source));
  return kOk;
}

// A picture's outline lies anywhere in the picture's plane: the match aligns it.
int MatchPicture(MatchArguments a) {
  if (!a.layer.isEmpty())
    return Report(
        UsageError("--layer", QStringLiteral("applies to a DXF file; %1 is a picture").arg(a.points)));
  // A picture's scale is its check square's or its resolution's; a unit typed for it would be ignored.
  if (a.pointsUnitMm)
    return Report(UsageError(
        "--points-unit", QStringLiteral("applies to a points or DXF file; %1 is a picture").arg(a.points)));
  const Result<TraceResult> traced = TracePictureFile(a.points, TraceOptionsFor(a.unit));
  if (!traced.ok()) return Report(traced.error());
  a.options.align = true;
  return MatchReadPoints(TracedMatchPoints(*traced, a.unit), a);
}

}  // namespace

int RunMatchCommand(const QStringList& args) {
  const std::optional<MatchArguments> a = ParseMatchArguments(args);
  if (!a) return kUsage;
  if (IsPictureFile(a->points)) return MatchPicture(*a);
  const Result<QByteArray> bytes = ReadInputFile(a->points, qint64(kMaxPointFileBytes));
  if (!bytes) return Report(bytes.error());
  const std::string_view view(bytes->constData(), std::size_t(bytes->size()));
  const PointReadOptions options{IsDxfName(a->points), a->layer.toStdString(), MillimetresPerUnit(a->unit),
                                 a->pointsUnitMm};
  if (!ReadAsDxf(view, options) && !a->layer.isEmpty())
    return Report(
        UsageError("--layer", QStringLiteral("applies to a DXF file; %1 is read as text").arg(a->points)));
  const Result<PointSet> read = ReadPointFile(view, options);
  if (!read) return Report(ErrorFrom(QStringLiteral("%1: %2").arg(a->points, ErrorText(read.error()))));
  return MatchReadPoints(*read, *a);
}

}  // namespace cli
