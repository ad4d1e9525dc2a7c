// What every printed page carries besides the drawing, placed where the drawing never is: corner
// marks and overlap guides to tape the tiles by; in the band below each tile the tile's label, a
// check mark of 100 mm (or 4 in) and a map of all tiles; and a title page with the title block and a
// full check square. The painter works in millimetres of the page.
#pragma once

#include <QColor>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;
struct TilePlan;

// Furniture is never black (the outline's colour) nor red (the check marks').
inline const QColor kFurnitureColour(40, 60, 140);

inline constexpr const char* kPrintNote = "Print at 100% (actual size)";

// Text with its baseline starting at pos; height is the font's em size in millimetres.
void DrawTextMm(QPainter& painter, QPointF pos, double heightMm, const QString& text, const QColor& colour);

// L-shaped marks at the tile's corners, and dashed guides one overlap inside each edge that has a
// neighbouring tile: the neighbour's trimmed edge goes on the guide. On the title page (plan null)
// the corner marks alone.
void DrawTapingMarks(QPainter& painter, const QRectF& tile, const TilePlan* plan, int row, int col);

// The band below a tile (its rectangle on the page).
QRectF BandBelow(const QRectF& tile);

// The tile's label at the band's left.
void DrawTileLabel(QPainter& painter, const QRectF& band, const QString& label);

// A bar of sideMm with square end ticks in the band's middle, captioned with the print note; the
// distance between the ticks' centres is what a ruler should read.
void DrawCheckBar(QPainter& painter, const QRectF& band, double sideMm, const QString& label);

// All tiles at the band's right, this one shaded (translucently, over the miniature outline given in
// the tiled strip's millimetres).
void DrawAssemblyMap(QPainter& painter, const QRectF& band, const TilePlan& plan, int row, int col,
                     const QPolygonF& outlineInStrip);

// The title page: title block at the top (when lines are given), below it the full check square
// (when sideMm > 0), below that the map of all tiles (when plan is given).
void DrawTitlePage(QPainter& painter, const QRectF& frame, const QStringList& lines, double sideMm,
                   const QString& label, const TilePlan* plan, const QPolygonF& outlineInStrip);
