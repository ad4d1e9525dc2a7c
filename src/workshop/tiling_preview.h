// The Template panel's page-tiling preview: how a PDF template splits the drawing over printer
// pages (the tile plan the PDF writer uses), with the outline drawn across the tiles.
#pragma once

#include <QString>
#include <QWidget>

#include "export/export_model.h"
#include "export/pdf_tiling.h"

class TilingPreview : public QWidget {
  Q_OBJECT

 public:
  explicit TilingPreview(QWidget* parent = nullptr);

  // The plan for the template's model on this paper with this overlap (as the PDF writer plans it).
  void setTemplate(const ExportModel& model, Paper paper, double overlapMm);
  void clear();

  // The plan; empty (no pages) when the drawing cannot be tiled.
  const TilePlan& plan() const { return m_plan; }
  // One line: the pages and their layout, or why the drawing cannot be tiled.
  QString summary() const;

  QSize sizeHint() const override { return {240, 160}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ExportModel m_model;
  TilePlan m_plan;
  QString m_error;  // why the drawing cannot be tiled
  Paper m_paper = Paper::A4;
  bool m_valid = false;
};
