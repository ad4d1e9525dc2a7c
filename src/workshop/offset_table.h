// The Template panel's offsets: a table of layer name and distance in millimetres (positive
// outward), with Add and Remove. Names and distances are checked by the template build, which
// says what is wrong with them.
#pragma once

#include <QWidget>
#include <vector>

#include "export/body_template.h"

class QTableWidget;

class OffsetTable : public QWidget {
  Q_OBJECT

 public:
  explicit OffsetTable(QWidget* parent = nullptr);

  // A distance that is not a number comes out as NaN, which the build refuses by name.
  std::vector<OffsetRequest> offsets() const;
  void addOffset(const QString& name, double mm);
  QTableWidget* table() const { return m_table; }

 public slots:
  void addRow();
  void removeSelected();

 signals:
  void offsetsChanged();

 private:
  QTableWidget* m_table;
};
