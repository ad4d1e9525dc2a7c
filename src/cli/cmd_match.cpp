// vesk-cli match POINTS [-o DESIGN] [--json] [--fix NAME=VALUE]... [--align] [--keep-all]
//                      [--overlay OUT.svg|OUT.png] [--layer NAME] [--unit cm|in] [--points-unit mm|cm|in|m]
// Reads the points, checks them, fits, and only then writes anything: the overlay, then the design.
#include "cli/cmd_match.h"

#include <QFileInfo>
#include <optional>

#include "cli/cli_command.h"
#include "cli/design_file.h"
#include "cli/json_output.h"
#include "cli/match_arguments.h"
#include "cli/match_overlay.h"
#include "cli/match_report.h"
#include "cli/trace_input.h"
#include "export/output_file.h"
#include "framework/error_text.h"
#include "framework/whole_file.h"
#include "match/point_checks.h"
#include "match/point_file.h"

namespace cli {
namespace {

bool IsDxfName(const QString& path) {
  return QFileInfo(path).suffix().compare("dxf", Qt::CaseInsensitive) == 0;
}

// The file's bytes; nullopt (after the message) when it cannot be read.
std::optional<QByteArray> ReadBytes(const QString& path) {
  Result<QByteArray> bytes = ReadWholeFile(path, qint64(kMaxPointFileBytes));
  if (bytes) return std::move(*bytes);
  PrintError(QStringLiteral("cannot read %1: %2").arg(path, ErrorText(bytes.error())));
  return std::nullopt;
}

bool WriteOverlay(const MatchResult& result, const MatchArguments& a) {
  const bool svg = QFileInfo(a.overlay).suffix().toLower() == "svg";
  const Result<QByteArray> bytes = svg ? MatchOverlaySvg(result, a.unit) : MatchOverlayPng(result, a.unit);
  if (!bytes) {
    PrintError(
        QStringLiteral("cannot write %1: %2").arg(a.overlay, QString::fromStdString(bytes.error().message)));
    return false;
  }
  const Status written = CommitFile(a.overlay, *bytes);
  if (!written) PrintError(ErrorText(written.error()));
  return written.ok();
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
  PrintError(QStringLiteral("match: warning: %1").arg(source->warning));
}

// Checks, matches and reports the points read.
int MatchReadPoints(const PointSet& set, const MatchArguments& a) {
  if (const Status usable = CheckPoints(set.points, PointsNeeded(a.options)); !usable) {
    PrintError(QStringLiteral("%1: %2").arg(a.points, QString::fromStdString(usable.error().message)));
    return kFileError;
  }
  MatchSource source{a.points, UnitName(a.unit), a.options.align, {}};
  WarnOfExtent(set, a, &source);
  const Result<MatchResult> result = MatchDesign(set.points, a.options);
  if (!result) {
    PrintError(QStringLiteral("%1: %2").arg(a.points, QString::fromStdString(result.error().message)));
    return kFitFailed;
  }
  if (!a.overlay.isEmpty() && !WriteOverlay(*result, a)) return kFileError;
  if (!a.design.isEmpty() && !WriteDesign(*result, a.design)) return kFileError;
  PrintOut(a.json ? JsonText(MatchJson(*result, set, source)) : MatchSummary(*result, set, source));
  return kOk;
}

// A picture's outline lies anywhere in the picture's plane: the match aligns it.
int MatchPicture(MatchArguments a) {
  if (!a.layer.isEmpty()) {
    PrintError(QStringLiteral("match: --layer applies to a DXF file; %1 is a picture").arg(a.points));
    return kUsage;
  }
  const Result<TraceResult> traced = TracePictureFile(a.points, TraceOptionsFor(a.unit));
  if (!traced.ok()) {
    PrintError(ErrorText(traced.error()));
    return kFileError;
  }
  a.options.align = true;
  return MatchReadPoints(TracedMatchPoints(*traced, a.unit), a);
}

}  // namespace

int RunMatchCommand(const QStringList& args) {
  const std::optional<MatchArguments> a = ParseMatchArguments(args);
  if (!a) return kUsage;
  if (IsPictureFile(a->points)) return MatchPicture(*a);
  const std::optional<QByteArray> bytes = ReadBytes(a->points);
  if (!bytes) return kFileError;
  const std::string_view view(bytes->constData(), std::size_t(bytes->size()));
  const PointReadOptions options{IsDxfName(a->points), a->layer.toStdString(), MillimetresPerUnit(a->unit),
                                 a->pointsUnitMm};
  if (!ReadAsDxf(view, options) && !a->layer.isEmpty()) {
    PrintError(QStringLiteral("match: --layer applies to a DXF file; %1 is read as text").arg(a->points));
    return kUsage;
  }
  const Result<PointSet> read = ReadPointFile(view, options);
  if (!read) {
    PrintError(QStringLiteral("%1: %2").arg(a->points, QString::fromStdString(read.error().message)));
    return kFileError;
  }
  return MatchReadPoints(*read, *a);
}

}  // namespace cli
