// Tiled PDF template at true scale: the drawing spread over the pages of a tile plan, each page with
// its furniture in a band below the tile, then a title page with the title block and check square.
#pragma once

#include <QByteArray>

#include "geometry/result.h"

struct ExportModel;
struct TilePlan;
enum class Paper;

Result<QByteArray> WritePdf(const ExportModel& model, const TilePlan& plan, Paper paper);
