// The input dialogs' shared buttons.
#include "dialogs/input_dialog.h"

#include "dialogs/dialog_ids.h"
#include "geometry/units.h"

CInputDialog::CInputDialog(const DialogTemplate& tmpl, QWidget* parent) : CDialog(tmpl, parent) {
  MapClicked(IDC_CALC, [this] { OnCalc(); });
  MapClicked(IDC_INTOCM, [this] { OnInToCm(); });
  MapClicked(IDC_CMTOIN, [this] { OnCmToIn(); });
}

void CInputDialog::OnOK() {
  OnCalc();
  CDialog::OnOK();
}

void CInputDialog::OnInToCm() {
  ScaleFields(kCmPerInch, false);
}

// A true division, not a multiplication by the reciprocal.
void CInputDialog::OnCmToIn() {
  ScaleFields(kCmPerInch, true);
}

// Converts the typed values only when every field reads: a refused field keeps what the user typed
// in it and in the fields after it, rather than overwriting them with converted old values. Other
// controls (the soundhole's placement) are exchanged but not changed.
void CInputDialog::ScaleFields(double factor, bool divide) {
  if (!UpdateData(true)) return;
  for (double* v : LengthFields()) *v = divide ? *v / factor : *v * factor;
  UpdateData(false);
}
