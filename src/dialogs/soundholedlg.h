// CSoundholeDlg: the soundhole's diameter and position (typed, or classical: computed from the
// scale and the fingerboard widths) and the fingerboard widths. Calc checks the hole against the
// document's waist and length, stores the values, the joint fret and the soundhole flag, and tells
// the view whether the fingerboard can be drawn.
#pragma once

#include <cstdint>

#include "framework/dialog.h"

class CVeskDoc;
class CDialogViewLink;

class CSoundholeDlg : public CDialog {
 public:
  explicit CSoundholeDlg(QWidget* parent = nullptr);

  bool OnInitDialog() override;
  void OnOK() override;
  void OnCalc();
  void OnInToCm();
  void OnCmToIn();

  double m_scaleLength;
  double m_holeDiameter;
  double m_holePosition;
  double m_nutWidth;
  double m_fret12Width;
  double m_fret19Width;
  int32_t m_placement;  // 0 "Fixed", 1 "Classical", -1 none checked
  // Set by whoever runs the dialog, before every run.
  CDialogViewLink* m_pView = nullptr;
  CVeskDoc* m_pDoc = nullptr;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  bool PlaceClassically(double radius);
  void ScaleFields(double factor, bool divide);
};
