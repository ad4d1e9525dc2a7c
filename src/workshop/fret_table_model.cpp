// Columns: the fret, then from nut, from previous, from saddle and width for the bass edge (the
// only edge of a straight board), then the treble edge's and the angle on a fanned one.
#include "workshop/fret_table_model.h"

#include <QStringList>

#include "geometry/number_text.h"

namespace {

constexpr int kEdgeColumns = 4;

double EdgeValue(const FretOnEdge& edge, int column) {
  switch (column) {
    case 0:
      return edge.fromNut;
    case 1:
      return edge.fromPrevious;
    case 2:
      return edge.fromSaddle;
    default:
      return edge.width;
  }
}

}  // namespace

FretTableModel::FretTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void FretTableModel::setTable(const FretTable& table, bool inches, int jointFret) {
  beginResetModel();
  m_table = table;
  m_inches = inches;
  m_jointFret = jointFret;
  endResetModel();
}

void FretTableModel::clear() {
  setTable(FretTable{}, m_inches, 0);
}

int FretTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(m_table.frets.size());
}

int FretTableModel::columnCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return m_table.multiscale ? 2 + 2 * kEdgeColumns : 1 + kEdgeColumns;
}

double FretTableModel::value(int row, int column) const {
  const FretRow& fret = m_table.frets[size_t(row)];
  if (column == 0) return fret.fret;
  if (column <= kEdgeColumns) return EdgeValue(fret.bass, column - 1);
  if (column <= 2 * kEdgeColumns) return EdgeValue(fret.treble, column - 1 - kEdgeColumns);
  return fret.angle;
}

QVariant FretTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const int column = index.column();
  const FretRow& fret = m_table.frets[size_t(index.row())];
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
  if (role == Qt::ToolTipRole && column == 0 && fret.fret == m_jointFret) return tr("The body joint");
  if (role != Qt::DisplayRole) return {};
  if (column == 0)
    return fret.fret == m_jointFret ? tr("%1 (joint)").arg(fret.fret) : QString::number(fret.fret);
  const bool angle = m_table.multiscale && column == columnCount() - 1;
  // As the printed table: 0.001 mm, 0.0001 in, 0.001 degree.
  return QString::number(value(index.row(), column), 'f', angle || !m_inches ? 3 : 4);
}

QVariant FretTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return {};
  if (section == 0) return tr("Fret");
  if (m_table.multiscale && section == columnCount() - 1) return tr("Angle (deg)");
  static const char* const kNames[] = {QT_TR_NOOP("From nut"), QT_TR_NOOP("From previous"),
                                       QT_TR_NOOP("From saddle"), QT_TR_NOOP("Width")};
  const int edge = (section - 1) / kEdgeColumns;
  QString name = tr(kNames[(section - 1) % kEdgeColumns]);
  if (m_table.multiscale) name = (edge == 0 ? tr("Bass %1") : tr("Treble %1")).arg(name.toLower());
  return tr("%1 (%2)").arg(name, m_inches ? QStringLiteral("in") : QStringLiteral("mm"));
}

QString FretTableModel::tabSeparated() const {
  QStringList header;
  for (int c = 0; c < columnCount(); ++c) header << headerData(c, Qt::Horizontal).toString();
  QString text = header.join(QLatin1Char('\t')) + QLatin1Char('\n');
  for (int r = 0; r < rowCount(); ++r) {
    QStringList cells{QString::number(m_table.frets[size_t(r)].fret)};
    for (int c = 1; c < columnCount(); ++c) cells << QString::fromStdString(ShortestRoundTrip(value(r, c)));
    text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
  }
  return text;
}
