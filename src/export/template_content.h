// Whether a template holds anything of what its command draws, once --parts has chosen: a file that
// was to hold parts of the drawing and holds none of them is refused rather than written.
#pragma once

#include <QString>

struct ExportModel;

// Empty when a shown layer other than the check square and the title block holds a shape, or when
// only those two were asked for; otherwise one line saying so and naming the parts it could hold.
QString EmptyTemplateProblem(const ExportModel& model);
