// CAboutDlg and its template; rectangles are x, y, width, height in dialog units.
#include "app/aboutdlg.h"

#include "app/about_texts.h"
#include "app/resource.h"
#include "framework/message_box.h"

using namespace dlg;

const DialogTemplate& AboutDialogTemplate() {
  static const DialogTemplate tmpl = {IDD_ABOUTBOX,
                                      "About vesk",
                                      288,
                                      116,
                                      "MS Sans Serif",
                                      10,
                                      {
                                          Icon(":/icons/vesk-32.png", {11, 17, 20, 20}),
                                          Label(AboutTexts::kVersion, {40, 10, 69, 8}, kNoPrefix),
                                          Label(AboutTexts::kCopyright, {40, 20, 69, 8}),
                                          DefPushButton(IDOK, "OK", {231, 7, 50, 14}, kGroup),
                                          Label(AboutTexts::kCredit1, {40, 30, 65, 8}),
                                          Label(AboutTexts::kCredit2, {40, 40, 88, 8}),
                                          Label(AboutTexts::kUsage, {10, 55, 265, 25}),
                                          Label(AboutTexts::kDisclaimer, {10, 85, 265, 20}),
                                      }};
  return tmpl;
}

CAboutDlg::CAboutDlg(QWidget* parent) : CDialog(AboutDialogTemplate(), parent) {}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
}
