// The Template panel: what the body template holds (outline, soundhole, fingerboard, offsets,
// parts) and how its file is written (unit, format, DXF version and unit, curves, paper and overlap), a
// page-tiling preview, and Export..., which the window runs.
#pragma once

#include <QWidget>
#include <array>

#include "workshop/template_settings.h"

class OffsetTable;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSettings;
class TilingPreview;

class TemplatePanel : public QWidget {
  Q_OBJECT

 public:
  explicit TemplatePanel(QWidget* parent = nullptr);

  TemplateSettings settings() const;
  // Shows the template as it would now be built: its problem or its notes, and its pages.
  void showBuild(const Result<BuiltModel>& built);
  void setFormat(TemplateFormat format);
  // The choices (content, parts, file, pages; not the offsets, which belong to a design) as the panel
  // was last left; a stored value the panel does not offer is ignored.
  void saveChoices(QSettings* store) const;
  void restoreChoices(const QSettings& store);

  OffsetTable* offsets() const { return m_offsets; }
  TilingPreview* tiling() const { return m_tiling; }
  QLabel* problem() const { return m_problem; }
  QPushButton* exportButton() const { return m_export; }

 signals:
  void settingsChanged();
  void exportRequested();

 private:
  QGroupBox* buildContentGroup();
  QGroupBox* buildPartsGroup();
  QGroupBox* buildFileGroup();
  QGroupBox* buildPagesGroup();
  QComboBox* addCombo(const QList<std::pair<QString, int>>& items, int current);
  void updateEnabled();

  QComboBox* m_extent = nullptr;
  QCheckBox* m_soundhole = nullptr;
  QCheckBox* m_fingerboard = nullptr;
  OffsetTable* m_offsets = nullptr;
  std::array<QCheckBox*, kAllParts.size()> m_parts{};
  QComboBox* m_unit = nullptr;
  QComboBox* m_format = nullptr;
  QComboBox* m_dxfVersion = nullptr;
  QComboBox* m_dxfUnit = nullptr;
  QComboBox* m_curves = nullptr;
  QComboBox* m_paper = nullptr;
  QDoubleSpinBox* m_overlap = nullptr;
  TilingPreview* m_tiling = nullptr;
  QLabel* m_pages = nullptr;
  QLabel* m_problem = nullptr;
  QLabel* m_notes = nullptr;
  QPushButton* m_export = nullptr;
};
