// vesk_dialogs: the Input Shape and Input Soundhole dialogs over the framework's dialog machinery;
// they reach the view that runs them only through CDialogViewLink.
//
// CShapeDlg: the body's four measurements and the free coefficients a3..a6. Calc fits the typed
// values and, only when the fit succeeds, copies them into the document and repaints the view.
#pragma once

#include "dialogs/input_dialog.h"

class CShapeDlg : public CInputDialog {
 public:
  explicit CShapeDlg(QWidget* parent = nullptr);

  bool OnInitDialog() override;
  void OnCalc() override;

  double m_a4;
  double m_a6;
  double m_length;
  double m_lowerBout;
  double m_upperBout;
  double m_waist;
  double m_a3;
  double m_a5;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  std::vector<double*> LengthFields() override;
};
