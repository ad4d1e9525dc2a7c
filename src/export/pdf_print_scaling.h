// Telling PDF viewers to print at actual size: /ViewerPreferences << /PrintScaling /None >> in the
// document catalogue, set with qpdf.
#pragma once

#include <QByteArray>

#include "geometry/result.h"

// The same PDF with the preference set.
Result<QByteArray> SetPrintScalingNone(const QByteArray& pdf);
