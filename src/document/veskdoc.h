// vesk_document: the design as a document: its fields, new-design values, file format and unit
// commands, on geometry and the framework core.
//
// CVeskDoc: one guitar-body design. Its eight shape values are fitted into the process-wide shape
// state whenever they are replaced (New, load, unit conversion); the soundhole and fingerboard
// block is saved and drawn only while m_holeDefined is set.
#pragma once

#include <cstdint>
#include <optional>

#include "document/design.h"
#include "document/design_defaults.h"
#include "framework/document.h"
#include "geometry/design_shape.h"
#include "geometry/fret_layout.h"

class CVeskDoc : public CDocument {
 public:
  CVeskDoc() = default;

  bool OnNewDocument() override;
  void Serialize(CArchive& ar) override;

  // Edit > in->cm and cm->in: every length times or divided by 2.54 (design.h), then a refit.
  void OnInToCm();
  void OnCmToIn();
  bool OnCmdMsg(int id, CmdMsg msg, CCmdUI* ui) override;  // veskdoc_commands.cpp

  // The fingerboard fields as the fret layout takes them; the window lays out its frets from this.
  FretLayoutInput FretInput() const { return ToDesign().FretInput(); }

  // The fields as values, for code beyond the window. SetDesign replaces every field but
  // m_fitValid and does not refit.
  DesignShape Shape() const { return {m_length, m_lowerBout, m_waist, m_upperBout, m_a3, m_a4, m_a5, m_a6}; }
  Design ToDesign() const;
  void SetDesign(const Design& design);

  // Until New or a load sets them, the fields hold the new-design values (unfitted), so that a file
  // opened into a fresh document without a soundhole block gets New's soundhole values.
  double m_length = DesignDefaults::kLength;
  double m_lowerBout = DesignDefaults::kLowerBout;
  double m_waist = DesignDefaults::kWaist;
  double m_upperBout = DesignDefaults::kUpperBout;
  double m_a3 = DesignDefaults::kA3;
  double m_a4 = DesignDefaults::kA4;
  double m_a5 = DesignDefaults::kA5;
  double m_a6 = DesignDefaults::kA6;
  double m_holeDiameter = DesignDefaults::kHoleDiameter;
  double m_holePosition = DesignDefaults::kHolePosition;
  double m_scaleLength = DesignDefaults::kScaleLength;
  double m_nutWidth = DesignDefaults::kNutWidth;
  double m_fret12Width = DesignDefaults::kFret12Width;
  double m_fret19Width = DesignDefaults::kFret19Width;
  int32_t m_fitValid = 0;
  int32_t m_holeDefined = 0;
  int32_t m_jointFret = 0;  // read only while m_holeDefined is set

 protected:
  void TakeSnapshot() override;
  void RestoreSnapshot() override;
  void DropSnapshot() override { m_snapshot.reset(); }

 private:
  // Runs the fit on the eight shape values; on success the views repaint.
  void Refit();

  struct Snapshot {
    Design design;
    int32_t fitValid;
  };
  std::optional<Snapshot> m_snapshot;  // only while a load runs
};
