// The QDialog that shows a CDialog: its controls are made from the template, placed in pixels
// from dialog units, chained in template order for Tab, and their clicks go back to the CDialog.
#pragma once

#include <QDialog>
#include <vector>

#include "framework/dialog_template.h"
#include "framework/dialog_units.h"

class CDialog;
class QRadioButton;

class DialogWindow : public QDialog {
 public:
  DialogWindow(const DialogTemplate& tmpl, CDialog* owner, QWidget* parent);

  // The first control with this id, or nullptr.
  QWidget* Item(int id) const;
  // The radio buttons of the group that starts at firstId, in template order.
  std::vector<QRadioButton*> RadioGroup(int firstId) const;
  // Where the focus goes when the dialog opens: the first enabled tab stop.
  QWidget* FirstTabStop() const;
  DialogBaseUnits BaseUnits() const { return m_units; }

  // Escape and the close box end in the dialog's OnCancel, which may refuse to close.
  void reject() override;

 private:
  QWidget* MakeControl(const DialogItem& item);
  QWidget* MakeIcon(const DialogItem& item);
  void ChainTabOrder();
  void GroupRadioButtons();
  void WidenShortLabels();
  // Index of the template item that ends the group starting at index first.
  size_t GroupEnd(size_t first) const;

  const DialogTemplate& m_template;
  CDialog* m_owner;
  DialogBaseUnits m_units;
  std::vector<QWidget*> m_controls;  // one per template item, in template order
};
