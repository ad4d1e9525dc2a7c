// The Fretboard panel: the board vesk-cli frets takes (scale or fanned scales and the square fret,
// frets, widths, board end, string margins, slots, handedness), in the design's unit with the
// design's values where a field is left empty; the fret table; Copy, and Export..., which the
// window runs.
#pragma once

#include <QWidget>

#include "document/design.h"
#include "export/fret_export.h"
#include "geometry/result.h"

class FretTableModel;
class NumberField;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;

class FretboardPanel : public QWidget {
  Q_OBJECT

 public:
  explicit FretboardPanel(QWidget* parent = nullptr);

  // The design whose values the empty fields stand for, and the unit its numbers are in.
  void setDesign(const Design& design, ExportUnit unit);
  // The board as the fields give it, or the one line saying which field is wrong.
  Result<FretboardRequest> request() const;
  // The same when it makes a board; else why not, as the panel shows it.
  Result<FretboardRequest> board() const;

  FretTableModel* table() const { return m_model; }
  QLabel* problem() const { return m_problem; }
  QPushButton* exportButton() const { return m_export; }
  QAction* copyAction() const { return m_copy; }

 public slots:
  // The table, tab-separated, on the clipboard.
  void copyTable();

 signals:
  void exportRequested();

 private:
  QGroupBox* buildScaleGroup();
  QGroupBox* buildBoardGroup();
  QGroupBox* buildSlotsGroup();
  QTableView* buildTableView();
  NumberField* addField(const char* name);
  QSpinBox* addSpin(const char* name, int low, int high, int value);
  Status readScales(FretboardRequest* request) const;
  Status readBoard(FretboardRequest* request) const;
  Status readMillimetres(FretboardRequest* request) const;
  void showDefaults();
  void update();

  Design m_design;
  ExportUnit m_unit = ExportUnit::Cm;
  NumberField* m_scale = nullptr;
  QCheckBox* m_fanned = nullptr;
  NumberField* m_treble = nullptr;
  QSpinBox* m_perpendicular = nullptr;
  QSpinBox* m_frets = nullptr;
  NumberField* m_nutWidth = nullptr;
  QSpinBox* m_widthFret = nullptr;
  NumberField* m_widthAtFret = nullptr;
  QComboBox* m_boardEnd = nullptr;
  NumberField* m_boardEndValue = nullptr;
  NumberField* m_marginNut = nullptr;
  NumberField* m_marginLast = nullptr;
  QCheckBox* m_leftHanded = nullptr;
  NumberField* m_slotWidth = nullptr;
  NumberField* m_extend = nullptr;
  NumberField* m_compensation = nullptr;
  QLabel* m_units = nullptr;
  QLabel* m_problem = nullptr;
  FretTableModel* m_model = nullptr;
  QAction* m_copy = nullptr;
  QPushButton* m_export = nullptr;
};
