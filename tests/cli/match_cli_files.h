// What the match command's tests write: station tables of a design's outline, DXF traces of them
// written by ezdxf, and a temporary folder to hold them.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

inline constexpr double kNewDesign[8] = {49, 18.5, 12, 14, 0, -0.25, 0, -0.5};
inline constexpr const char* kNames[8] = {"length", "lowerBout", "waist", "upperBout",
                                          "a3",     "a4",        "a5",    "a6"};

// n stations of the design's outline as "x,y" lines (shortest round-trip numbers), with a header;
// with bothSides, each inner station on the other side too, right after it.
QByteArray StationTable(const double v[8], int n, bool bothSides = false);

// Writes the points as ezdxf would trace them into a DXF (write_trace_dxf.py and its options);
// false after a failure.
bool WriteTrace(const QString& points, const QString& dxf, const QStringList& options);

class MatchFilesTest : public ::testing::Test {
 protected:
  QString Write(const QString& name, const QByteArray& bytes);
  QTemporaryDir dir;
};
