// Dialog data exchange: one pass that moves values between a dialog's members and its controls.
// A field that cannot be read ends the pass: every exchange after it does nothing, so the members
// exchanged before it keep their new values and the rest keep their old ones.
#pragma once

class CDialog;
class QWidget;

// The prompt for a field that holds no finite number.
inline constexpr const char* kEnterNumberPrompt = "Please enter a number.";

class CDataExchange {
 public:
  CDataExchange(CDialog* dlg, bool saveAndValidate) : m_pDlgWnd(dlg), m_bSaveAndValidate(saveAndValidate) {}

  CDialog* const m_pDlgWnd;
  const bool m_bSaveAndValidate;  // true: controls into members

  bool Failed() const { return m_failed; }
  // Ends the pass; the control (if any) takes the focus with its text selected.
  void Fail(QWidget* control);

 private:
  bool m_failed = false;
};

// An edit and a double. Shown with 15 significant digits ("%.15g") from its first character on (the
// cursor at the start, so a long number shows its sign and integer part); read back as a decimal
// number in the C locale, and refused with kEnterNumberPrompt unless it is finite (text, "nan",
// "inf", an empty field and values beyond the double range are refused).
void DDX_Text(CDataExchange* pDX, int id, double& value);

// The radio group starting at id and the index of its checked button, -1 for none.
void DDX_Radio(CDataExchange* pDX, int id, int& value);
