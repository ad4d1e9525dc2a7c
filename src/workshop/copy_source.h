// What the Copy panel copies from: measured points (a text table), a CAD file (DXF) or a picture,
// told apart as vesk-cli tells them (a picture by its first bytes, a DXF by its name or content),
// read whole off the GUI thread. A picture comes with its place on the outline's plane.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QTransform>
#include <optional>
#include <string>

#include "export/export_units.h"
#include "geometry/result.h"
#include "match/point_set.h"

enum class CopyKind { Points, Dxf, Picture };

struct CopyReadOptions {
  ExportUnit designUnit = ExportUnit::Cm;
  std::optional<double> pointsUnitMm;  // the points' unit when the user names it
  std::string layer;                   // DXF: the layer to read; empty: the reader chooses
};

struct CopySource {
  CopyKind kind = CopyKind::Points;
  QString path;
  PointSet points;      // text and DXF: in the design's unit and frame
  QByteArray bytes;     // a picture's file, for its trace
  QImage picture;       // upright, made smaller when huge
  double shrink = 1.0;  // the file's pixels per pixel of `picture`
  // From `picture` (top-left corner at 0, 0) to the plane in the design's unit, y up; when not
  // `scaled`, a provisional scale (the longer side 600 mm) until two points and their distance
  // give the true one.
  QTransform toPlane;
  bool scaled = false;
  QString scale;  // where the scale came from
};

// One line on failure ("no such file", "not a picture, DXF or point table: ...", ...).
Result<CopySource> ReadCopySource(const QString& path, const CopyReadOptions& options);

// The check square's side for a design in `unit`, in millimetres (100 mm, or 4 in).
double CopySquareSideMm(ExportUnit unit);
