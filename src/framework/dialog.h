// CDialog: a dialog laid out from its template and shown over a QDialog. The object may live for
// the whole program; its window exists only while the dialog runs (DoModal) or between Create and
// DestroyWindow, so a long-lived dialog object never outlives the application's widgets.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <vector>

#include "framework/dialog_template.h"

class CDataExchange;
class DialogWindow;
class QRadioButton;
class QWidget;

class CDialog {
 public:
  explicit CDialog(const DialogTemplate& tmpl, QWidget* parent = nullptr);
  virtual ~CDialog();
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Builds the window, runs OnInitDialog and the modal loop, destroys the window and returns the
  // result given to EndDialog (IDOK, IDCANCEL); -1 when the window already exists. With no parent
  // the active window owns the dialog.
  int DoModal();
  // A modeless run, for pictures and for tests that play the user: builds the window (not shown)
  // and runs OnInitDialog. False when the window already exists.
  bool Create(QWidget* parent = nullptr);
  void DestroyWindow();

  QDialog* Window() const;
  QWidget* GetDlgItem(int id) const;
  const DialogTemplate& Template() const { return m_template; }
  // The radio buttons of the group starting at firstId, in template order; empty when firstId
  // names no radio button.
  std::vector<QRadioButton*> RadioGroup(int firstId) const;

  // Moves the members into the controls (false) or the controls into the members (true); false
  // when a field was refused or there is no window.
  bool UpdateData(bool saveAndValidate = true);
  // Closes the window with this result; DoModal returns it.
  void EndDialog(int result);
  // Whether EndDialog has been called since the window was made, and with what.
  bool IsEnded() const { return m_ended; }
  int Result() const { return m_result; }

  // Shows the members (UpdateData(false)); true lets the first tab stop take the focus.
  virtual bool OnInitDialog();
  // Reads the fields and closes with IDOK only if that succeeds.
  virtual void OnOK();
  // Closes with IDCANCEL and reads nothing.
  virtual void OnCancel();

  // A button with this id was clicked: its mapped handler, else OK or Cancel.
  void OnCommand(int id);

 protected:
  virtual void DoDataExchange(CDataExchange* pDX);
  // The message map's entry for a button: clicks of id go to handler.
  void MapClicked(int id, std::function<void()> handler);
  // A message box owned by the dialog's window.
  int MessageBox(const QString& text, const QString& caption = QString(), int style = 0);

 private:
  void MakeWindow(QWidget* parent);
  void InitWindow();

  const DialogTemplate& m_template;
  QWidget* m_parent;
  QPointer<DialogWindow> m_window;
  std::map<int, std::function<void()>> m_clickHandlers;
  bool m_ended = false;
  int m_result = 0;
};
