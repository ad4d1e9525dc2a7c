// What the two input dialogs share: the document and the view they work on, Calc and OK, and the
// unit buttons that convert every length field at once.
#pragma once

#include <vector>

#include "framework/dialog.h"

class CVeskDoc;
class CDialogViewLink;

class CInputDialog : public CDialog {
 public:
  // Maps the Calc, in -> cm and cm -> in buttons.
  explicit CInputDialog(const DialogTemplate& tmpl, QWidget* parent = nullptr);

  // Calc's verdict does not keep the dialog open; only a field that cannot be read does.
  void OnOK() override;
  virtual void OnCalc() = 0;
  void OnInToCm();
  void OnCmToIn();

  // Set by whoever runs the dialog, before every run.
  CDialogViewLink* m_pView = nullptr;
  CVeskDoc* m_pDoc = nullptr;

 protected:
  // The members the unit buttons convert.
  virtual std::vector<double*> LengthFields() = 0;

 private:
  void ScaleFields(double factor, bool divide);
};
