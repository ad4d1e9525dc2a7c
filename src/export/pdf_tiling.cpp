// Tile counts in doubles first, so an absurd drawing is refused before anything becomes an int.
#include "export/pdf_tiling.h"

#include <QPageSize>
#include <QSizeF>
#include <cmath>

#include "framework/error_text.h"

bool ParsePaper(const QString& text, Paper* paper) {
  if (text == QLatin1String("a4")) {
    *paper = Paper::A4;
    return true;
  }
  if (text == QLatin1String("letter")) {
    *paper = Paper::Letter;
    return true;
  }
  return false;
}

double TilesAlong(double extentMm, double frameMm, double overlapMm) {
  if (extentMm <= frameMm) return 1.0;
  return 1.0 + std::ceil((extentMm - frameMm) / (frameMm - overlapMm));
}

namespace {

TilePlan Orient(double drawingW, double drawingH, QSizeF paperMm, bool landscape, double overlap) {
  TilePlan p;
  p.landscape = landscape;
  p.pageWidthMm = landscape ? paperMm.height() : paperMm.width();
  p.pageHeightMm = landscape ? paperMm.width() : paperMm.height();
  p.frameWidthMm = p.pageWidthMm - 2 * kPageMarginMm;
  p.frameHeightMm = p.pageHeightMm - 2 * kPageMarginMm - kFurnitureBandMm;
  p.overlapMm = overlap;
  const double cols = TilesAlong(drawingW, p.frameWidthMm, overlap);
  const double rows = TilesAlong(drawingH, p.frameHeightMm, overlap);
  if (!(cols * rows <= kMaxPages)) {
    p.rows = p.cols = -1;
    return p;
  }
  p.cols = static_cast<int>(cols);
  p.rows = static_cast<int>(rows);
  p.drawingLeftMm = ((p.cols - 1) * p.StepXMm() + p.frameWidthMm - drawingW) / 2;
  p.drawingTopMm = ((p.rows - 1) * p.StepYMm() + p.frameHeightMm - drawingH) / 2;
  return p;
}

}  // namespace

Result<TilePlan> PlanTiles(double drawingWidthMm, double drawingHeightMm, Paper paper, double overlapMm) {
  const QSizeF paperMm =
      QPageSize(paper == Paper::A4 ? QPageSize::A4 : QPageSize::Letter).size(QPageSize::Millimeter);
  const double smallestFrame = paperMm.width() - 2 * kPageMarginMm - kFurnitureBandMm;
  if (!std::isfinite(overlapMm) || overlapMm < 0.0 || !(overlapMm < smallestFrame / 2))
    return ErrorFrom(QStringLiteral("the overlap must be from 0 to less than %1 mm").arg(smallestFrame / 2),
                     ErrorKind::Refused);
  if (!std::isfinite(drawingWidthMm) || !std::isfinite(drawingHeightMm))
    return ErrorFrom(QStringLiteral("the drawing's size is not a finite number"), ErrorKind::Refused);
  const TilePlan portrait = Orient(drawingWidthMm, drawingHeightMm, paperMm, false, overlapMm);
  const TilePlan landscape = Orient(drawingWidthMm, drawingHeightMm, paperMm, true, overlapMm);
  const bool portraitFits = portrait.rows > 0, landscapeFits = landscape.rows > 0;
  if (!portraitFits && !landscapeFits) {
    const double fewest = std::fmin(TilesAlong(drawingWidthMm, portrait.frameWidthMm, overlapMm) *
                                        TilesAlong(drawingHeightMm, portrait.frameHeightMm, overlapMm),
                                    TilesAlong(drawingWidthMm, landscape.frameWidthMm, overlapMm) *
                                        TilesAlong(drawingHeightMm, landscape.frameHeightMm, overlapMm));
    return ErrorFrom(QStringLiteral("the template would need %1 pages; at most %2 are printed")
                         .arg(fewest, 0, 'g', 6)
                         .arg(kMaxPages),
                     ErrorKind::Refused);
  }
  if (!landscapeFits || (portraitFits && portrait.PageCount() <= landscape.PageCount())) return portrait;
  return landscape;
}

QString TileLabel(int row, int col) {
  QString letters;
  for (int r = row + 1; r > 0; r = (r - 1) / 26) letters.prepend(QChar('A' + (r - 1) % 26));
  return letters + QString::number(col + 1);
}
