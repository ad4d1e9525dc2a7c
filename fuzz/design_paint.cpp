// Paints through the real CVeskView, with its fingerboard and data switches on. The fingerboard-ready
// flag is only the menu command's guard, so the switch is set directly.
#include "design_paint.h"

#include <QImage>

#include "design_state.h"
#include "document/veskdoc.h"
#include "framework/dc.h"
#include "view/veskview.h"

namespace {

// A colour the view never paints: any pixel left in it was missed by the white fill.
constexpr QRgb kUnpainted = 0xFFFF00FF;

bool CoversTheImage(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (line[x] == kUnpainted) return false;
  }
  return true;
}

}  // namespace

std::string PaintBothOrientations(CVeskView& view, QImage& image) {
  const CVeskDoc& doc = *view.GetDocument();
  view.m_showFingerboard = 1;
  view.m_showData = 1;
  const DesignState before = CaptureDesignState(doc);
  for (int vertical : {0, 1}) {
    view.m_vertical = vertical;
    image.fill(kUnpainted);
    PaintInto(&image, [&](CDC* dc) { view.OnDraw(dc); });
    if (!CoversTheImage(image))
      return vertical ? "the vertical paint left pixels unpainted"
                      : "the horizontal paint left pixels unpainted";
  }
  const std::string changed = DesignStateDifference(before, CaptureDesignState(doc));
  return changed.empty() ? std::string() : "a paint changed the " + changed;
}
