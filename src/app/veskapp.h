// vesk_app: the window program's shell (application object, main frame, About box, command table,
// icons) over the view, the document and the framework's window part.
//
// CVeskApp: the application object. InitInstance sets up the settings store and the recent-file
// list, registers the document template tying CVeskDoc, CMainFrame and CVeskView, and carries out
// the command line; the application handles New, Open and About.
#pragma once

#include "framework/win_app.h"

class CVeskApp : public CWinApp {
 public:
  CVeskApp();

  bool InitInstance() override;
  bool OnCmdMsg(int id, CmdMsg msg, CCmdUI* ui) override;

  // Help > About: a fresh About box, run modally.
  void OnAppAbout();
};
