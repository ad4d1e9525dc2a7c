// A paint's drawing calls as readable text, one call a line, for the golden files of
// tests/data/paint_calls/ (see paint_calls_test.cpp):
//   fill X1 Y1 X2 Y2 #rrggbb               the rectangle's corners, right and bottom outside
//   line X1 Y1 X2 Y2 #rrggbb wWIDTH
//   to X Y                                  a line on from the previous line's end with its pen
//   ellipse X1 Y1 X2 Y2 #rrggbb wWIDTH hollow|white
//   text X Y on #rrggbb: TEXT               the top-left corner; \ and newlines escaped
// A call the same as the one before it adds " xN" to that line instead of repeating it.
#pragma once

#include <QString>

#include "common/draw_call_recorder.h"

// Appends the calls to listing.
void AppendListing(const DrawCalls& calls, QString* listing);

// Empty when the two listings are the same, else where they first part: the line number and both
// lines.
QString FirstDifference(const QString& expected, const QString& actual);
