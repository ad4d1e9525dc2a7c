// The file is read once, whole; a picture is decoded and placed by the trace library, points by
// the match's readers.
#include "workshop/copy_source.h"

#include <QFileInfo>
#include <algorithm>

#include "framework/error_text.h"
#include "framework/whole_file.h"
#include "match/point_file.h"
#include "trace/image_header.h"
#include "trace/picture_plane.h"

namespace {

// As vesk-cli: a picture file may be large (an uncompressed 16-bit scan).
constexpr qint64 kMaxPictureFileBytes = qint64(1) << 30;
// The underlay need not be sharper than a large screen.
constexpr int kMaxShownSide = 4096;
// A picture without a scale is shown about as large as a body until it is given one.
constexpr double kProvisionalSideMm = 600.0;

QTransform PlaneTransform(const PicturePlane& plane, double unitMm) {
  const auto& h = plane.toMm;
  // QTransform maps row vectors: its matrix is the homography's transpose. Then mm to the unit, y up.
  const QTransform toMm(h[0], h[3], h[6], h[1], h[4], h[7], h[2], h[5], h[8]);
  return toMm * QTransform::fromScale(1.0 / unitMm, -1.0 / unitMm);
}

Result<CopySource> ReadPicture(CopySource source, const CopyReadOptions& options) {
  const std::string_view view(source.bytes.constData(), std::size_t(source.bytes.size()));
  const Result<PicturePlane> plane =
      ReadPicturePlane(view, CopySquareSideMm(options.designUnit), kMaxShownSide);
  if (!plane) return plane.error();
  source.picture = QImage(plane->width, plane->height, QImage::Format_RGB888);
  for (int y = 0; y < plane->height; ++y)
    std::copy_n(plane->rgb.data() + std::size_t(y) * std::size_t(plane->width) * 3u,
                std::size_t(plane->width) * 3u, source.picture.scanLine(y));
  source.shrink = plane->shrink;
  source.scaled = plane->scaled;
  source.scale = QString::fromStdString(plane->scale);
  const double unitMm = MillimetresPerUnit(options.designUnit);
  const double mmPerPixel = kProvisionalSideMm / double(std::max(plane->width, plane->height));
  source.toPlane = plane->scaled ? PlaneTransform(*plane, unitMm)
                                 : QTransform::fromScale(mmPerPixel / unitMm, -mmPerPixel / unitMm);
  return source;
}

}  // namespace

double CopySquareSideMm(ExportUnit unit) {
  return CheckSquareSideUnits(unit) * MillimetresPerUnit(unit);
}

Result<CopySource> ReadCopySource(const QString& path, const CopyReadOptions& options) {
  Result<QByteArray> bytes = ReadWholeFile(path, kMaxPictureFileBytes);
  if (!bytes) return bytes.error();
  CopySource source;
  source.path = path;
  const std::string_view view(bytes->constData(), std::size_t(bytes->size()));
  if (SniffImageFormat(view)) {
    source.kind = CopyKind::Picture;
    source.bytes = std::move(*bytes);
    return ReadPicture(std::move(source), options);
  }
  const bool dxfName = QFileInfo(path).suffix().compare(QLatin1String("dxf"), Qt::CaseInsensitive) == 0;
  const PointReadOptions read{dxfName, options.layer, MillimetresPerUnit(options.designUnit),
                              options.pointsUnitMm};
  source.kind = ReadAsDxf(view, read) ? CopyKind::Dxf : CopyKind::Points;
  Result<PointSet> points = ReadPointFile(view, read);
  if (!points) return points.error();
  source.points = std::move(*points);
  if (source.points.points.empty()) return ErrorFrom(QStringLiteral("the file holds no points"));
  return source;
}
