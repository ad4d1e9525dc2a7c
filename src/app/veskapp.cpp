// CVeskApp: start-up in the order the framework expects, and the application's handler table.
#include "app/veskapp.h"

#include "app/aboutdlg.h"
#include "app/command_table.h"
#include "app/mainfrm.h"
#include "app/resource.h"
#include "app/strings.h"
#include "document/veskdoc.h"
#include "framework/command_line_info.h"
#include "framework/doc_template.h"
#include "framework/frame_wnd.h"
#include "framework/standard_ids.h"
#include "view/veskview.h"

CVeskApp::CVeskApp() : CWinApp(VeskStrings::AppTitle()) {}

// Hosting ActiveX controls and three-dimensional dialog controls have no counterpart here; no dialog
// of the program needs either.
bool CVeskApp::InitInstance() {
  SetRegistryKey(VeskStrings::RegistryKey());
  LoadStdProfileSettings(4);
  AddDocTemplate(std::make_unique<CSingleDocTemplate>(IDR_MAINFRAME, VeskStrings::DocString(),
                                                      MainFrameResource(), RuntimeClass<CVeskDoc>(),
                                                      RuntimeClass<CMainFrame>(), RuntimeClass<CVeskView>()));
  CCommandLineInfo cmdInfo;
  ParseCommandLine(cmdInfo);
  if (!ProcessShellCommand(cmdInfo)) return false;
  GetMainWnd()->ShowWindow(SW_SHOW);
  GetMainWnd()->UpdateWindow();
  return true;
}

bool CVeskApp::OnCmdMsg(int id, CmdMsg msg, CCmdUI* ui) {
  using Map = MessageMap<CVeskApp>;
  static const Map map{
      Map::OnCommand(ID_APP_ABOUT, &CVeskApp::OnAppAbout),
      Map::OnCommand(ID_FILE_NEW, &CWinApp::OnFileNew),
      Map::OnCommand(ID_FILE_OPEN, &CWinApp::OnFileOpen),
  };
  return map.Dispatch(this, id, msg, ui) || CWinApp::OnCmdMsg(id, msg, ui);
}

void CVeskApp::OnAppAbout() {
  CAboutDlg aboutDlg;
  aboutDlg.DoModal();
}
