// What every design load must leave behind, checked against the bytes themselves: a refused load
// changes nothing and says why; an accepted one holds the file's values and a fit that either
// succeeded with a finite outline or failed cleanly.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

#include "design_state.h"

class CVeskDoc;

struct LoadOutcome {
  bool loaded = false;
  QString error;  // set when refused
};

// Empty when the load kept every promise; otherwise the first one it broke.
std::string CheckLoad(const QByteArray& bytes, const DesignState& before, const CVeskDoc& doc,
                      const LoadOutcome& outcome);
