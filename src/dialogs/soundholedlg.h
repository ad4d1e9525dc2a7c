// CSoundholeDlg: the soundhole's diameter and position (typed, or classical: computed from the
// scale and the fingerboard widths) and the fingerboard widths. Calc checks the hole against the
// document's waist and length, stores the values, the joint fret and the soundhole flag, and tells
// the view whether the fingerboard can be drawn.
#pragma once

#include <cstdint>

#include "dialogs/input_dialog.h"

class CSoundholeDlg : public CInputDialog {
 public:
  explicit CSoundholeDlg(QWidget* parent = nullptr);

  bool OnInitDialog() override;
  void OnCalc() override;

  double m_scaleLength;
  double m_holeDiameter;
  double m_holePosition;
  double m_nutWidth;
  double m_fret12Width;
  double m_fret19Width;
  int32_t m_placement;  // 0 "Fixed", 1 "Classical", -1 none checked

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  std::vector<double*> LengthFields() override;

 private:
  bool PlaceClassically(double radius);
};
