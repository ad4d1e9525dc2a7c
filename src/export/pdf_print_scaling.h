// Telling PDF viewers to print at actual size: /ViewerPreferences << /PrintScaling /None >> in the
// document catalogue, set with qpdf.
#pragma once

#include <QByteArray>
#include <QString>

// The same PDF with the preference set; empty on failure, with *error set to one line.
QByteArray SetPrintScalingNone(const QByteArray& pdf, QString* error);
