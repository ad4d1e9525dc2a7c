// Plain table items: the text is read back at each change, in the C locale like the command line's.
#include "workshop/offset_table.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <limits>

#include "geometry/number_text.h"

OffsetTable::OffsetTable(QWidget* parent) : QWidget(parent), m_table(new QTableWidget(0, 2, this)) {
  m_table->setObjectName(QStringLiteral("offsets"));
  m_table->setHorizontalHeaderLabels({tr("Layer"), tr("Distance (mm)")});
  m_table->horizontalHeader()->setStretchLastSection(true);
  m_table->verticalHeader()->setVisible(false);
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  // Room for a few offsets; more scroll.
  m_table->setMaximumHeight(m_table->horizontalHeader()->sizeHint().height() * 5);
  auto* add = new QPushButton(tr("Add"), this);
  add->setObjectName(QStringLiteral("addOffset"));
  auto* remove = new QPushButton(tr("Remove"), this);
  remove->setObjectName(QStringLiteral("removeOffset"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(add);
  buttons->addWidget(remove);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_table);
  layout->addLayout(buttons);
  connect(add, &QPushButton::clicked, this, &OffsetTable::addRow);
  connect(remove, &QPushButton::clicked, this, &OffsetTable::removeSelected);
  connect(m_table, &QTableWidget::itemChanged, this, &OffsetTable::offsetsChanged);
}

std::vector<OffsetRequest> OffsetTable::offsets() const {
  std::vector<OffsetRequest> result;
  for (int row = 0; row < m_table->rowCount(); ++row) {
    const QTableWidgetItem* name = m_table->item(row, 0);
    const QTableWidgetItem* distance = m_table->item(row, 1);
    bool ok = false;
    const double mm = distance ? distance->text().trimmed().toDouble(&ok) : 0.0;
    result.push_back(
        {name ? name->text().trimmed() : QString(), ok ? mm : std::numeric_limits<double>::quiet_NaN()});
  }
  return result;
}

void OffsetTable::addOffset(const QString& name, double mm) {
  const QSignalBlocker block(m_table);
  const int row = m_table->rowCount();
  m_table->insertRow(row);
  m_table->setItem(row, 0, new QTableWidgetItem(name));
  m_table->setItem(row, 1, new QTableWidgetItem(QString::fromStdString(ShortestRoundTrip(mm))));
  emit offsetsChanged();
}

void OffsetTable::addRow() {
  // A mould is the commonest first offset; further ones get numbered names to be renamed.
  const int row = m_table->rowCount();
  if (row == 0)
    addOffset(QStringLiteral("MOULD"), 20.0);
  else
    addOffset(QStringLiteral("OFFSET%1").arg(row + 1), 10.0);
  m_table->setCurrentCell(row, 0);
}

void OffsetTable::removeSelected() {
  const int row = m_table->currentRow();
  if (row < 0) return;
  m_table->removeRow(row);
  emit offsetsChanged();
}
