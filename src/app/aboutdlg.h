// CAboutDlg: Help > About, on template 100: the frame's icon, the name and version, a copyright
// line, two credits, a usage notice and the warranty disclaimer. It exchanges no data; OK, Enter,
// Escape and the close box end it.
#pragma once

#include "framework/dialog.h"

class CAboutDlg : public CDialog {
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
  ~CAboutDlg() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};

const DialogTemplate& AboutDialogTemplate();
