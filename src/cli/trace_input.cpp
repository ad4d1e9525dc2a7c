// Reading and tracing a picture file for trace and match.
#include "cli/trace_input.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "cli/input_file.h"
#include "framework/error_text.h"
#include "geometry/units.h"
#include "trace/image_header.h"

namespace cli {
namespace {

// A 100-megapixel picture stored without compression at 16 bits a sample is 600 MB.
constexpr qint64 kMaxPictureFileBytes = qint64(1) << 30;

Error FileError(const QString& path, const QString& why) {
  return ErrorFrom(QStringLiteral("%1: %2").arg(path, why));
}

}  // namespace

bool IsPictureFile(const QString& path) {
  QFile file(path);
  if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) return false;
  const QByteArray head = file.read(8);
  return SniffImageFormat(std::string_view(head.constData(), std::size_t(head.size()))).has_value();
}

Result<TraceResult> TracePictureFile(const QString& path, const TraceOptions& options) {
  const Result<QByteArray> bytes = ReadInputFile(path, kMaxPictureFileBytes);
  if (!bytes) return bytes.error();
  Result<TraceResult> traced =
      TracePicture(std::string_view(bytes->constData(), std::size_t(bytes->size())), options);
  if (!traced.ok()) return FileError(path, ErrorText(traced.error()));
  return traced;
}

TraceOptions TraceOptionsFor(ExportUnit unit) {
  TraceOptions o;
  o.unitMm = MillimetresPerUnit(unit);
  o.squareSideMm = unit == ExportUnit::In ? 4.0 * kMmPerInch : 100.0;
  o.quietDecoders = true;
  return o;
}

PointSet TracedMatchPoints(const TraceResult& traced, ExportUnit unit) {
  PointSet set;
  set.points = traced.points;
  set.extentMm = std::max(traced.width, traced.height) * MillimetresPerUnit(unit);
  set.fileUnitMm = MillimetresPerUnit(unit);
  return set;
}

}  // namespace cli
