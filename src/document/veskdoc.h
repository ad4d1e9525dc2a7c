// CVeskDoc: one guitar-body design. Its eight shape values are fitted into the process-wide shape
// state whenever they are replaced (New, load, unit conversion); the soundhole and fingerboard
// block is saved and drawn only while m_holeDefined is set.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "framework/document.h"

class CVeskDoc : public CDocument {
 public:
  CVeskDoc() = default;

  bool OnNewDocument() override;
  void Serialize(CArchive& ar) override;

  // Edit > in->cm and cm->in: every length times or divided by 2.54, then a refit.
  void OnInToCm();
  void OnCmToIn();
  bool OnCmdMsg(int id, CmdMsg msg, CCmdUI* ui) override;  // veskdoc_commands.cpp

  double m_length = 0.0;
  double m_lowerBout = 0.0;
  double m_waist = 0.0;
  double m_upperBout = 0.0;
  double m_a3 = 0.0;
  double m_a4 = 0.0;
  double m_a5 = 0.0;
  double m_a6 = 0.0;
  double m_holeDiameter = 0.0;
  double m_holePosition = 0.0;
  double m_scaleLength = 0.0;
  double m_nutWidth = 0.0;
  double m_fret12Width = 0.0;
  double m_fret19Width = 0.0;
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
  // The fourteen lengths, in the order the unit conversion scales them.
  std::array<double*, 14> Lengths();

  struct Snapshot {
    std::array<double, 14> lengths;
    int32_t fitValid, holeDefined, jointFret;
  };
  std::optional<Snapshot> m_snapshot;  // only while a load runs
};
