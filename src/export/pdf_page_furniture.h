// What every printed tile carries besides the drawing: corner marks and overlap guides to tape the
// pages by, the tile's label, a map of all tiles, the check square and the print-scale note. The
// painter works in millimetres of the page.
#pragma once

#include <QColor>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;
struct TilePlan;

// Furniture is never black (the outline's colour) nor red (the check square's).
inline const QColor kFurnitureColour(40, 60, 140);

// Text with its baseline starting at pos; height is the font's em size in millimetres.
void DrawTextMm(QPainter& painter, QPointF pos, double heightMm, const QString& text, const QColor& colour);

// L-shaped marks at the frame's corners, and dashed guides one overlap inside each edge that has a
// neighbouring tile: the neighbour's trimmed edge goes on the guide.
void DrawTapingMarks(QPainter& painter, const QRectF& frame, const TilePlan& plan, int row, int col);

// The tile's label in the frame's top-left corner, with the print-scale note beside it.
void DrawTileHeading(QPainter& painter, const QRectF& frame, const QString& label);

// The check square (side in millimetres) in the frame's lower-left corner, with its caption.
void DrawCheckSquare(QPainter& painter, const QRectF& frame, double sideMm, const QString& label);

// All tiles in the frame's lower-right corner, this one shaded, with the drawing's outline
// (given in the tiled strip's millimetres) in miniature.
void DrawAssemblyMap(QPainter& painter, const QRectF& frame, const TilePlan& plan, int row, int col,
                     const QPolygonF& outlineInStrip);

// The title block under the heading of the first page.
void DrawTitleBlock(QPainter& painter, const QRectF& frame, const QStringList& lines);

inline constexpr const char* kPrintNote = "Print at 100% (actual size)";
