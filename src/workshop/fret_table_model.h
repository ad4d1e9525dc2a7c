// The fret table as a table view shows it: one row per fret, each edge's distances (bass and treble
// and the angle on a fanned board) rounded as a rule reads them, and the same table as tab-separated
// text at full precision for a spreadsheet.
#pragma once

#include <QAbstractTableModel>

#include "geometry/fret_table.h"

class FretTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit FretTableModel(QObject* parent = nullptr);

  // table is in inches or millimetres as `inches` says; jointFret (0: none) is marked.
  void setTable(const FretTable& table, bool inches, int jointFret);
  void clear();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  // The header, then one line per fret; numbers in shortest round-trip form.
  QString tabSeparated() const;

 private:
  // The value in a cell, as a number; the fret column holds the fret's number.
  double value(int row, int column) const;

  FretTable m_table;
  bool m_inches = false;
  int m_jointFret = 0;
};
