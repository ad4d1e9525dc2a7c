// CWinApp: settings, recent files, the command line and the application's framework commands.
#include "framework/win_app.h"

#include <QApplication>
#include <QFileDialog>
#include <QSettings>
#include <cstdio>
#include <vector>

#include "framework/command_line_info.h"
#include "framework/doc_template.h"
#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/framework_strings.h"
#include "framework/message_box.h"
#include "framework/message_box_widgets.h"
#include "framework/recent_file_list.h"
#include "framework/standard_ids.h"
#include "framework/startup_command_line.h"
#include "framework/window_start.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp* AfxGetApp() {
  return g_app;
}

CFrameWnd* AfxGetMainWnd() {
  return g_app ? g_app->GetMainWnd() : nullptr;
}

QWidget* AfxGetVisibleMainWnd() {
  CFrameWnd* frame = AfxGetMainWnd();
  return frame && frame->isVisible() ? frame : nullptr;
}

CWinApp::CWinApp(const QString& appName) : m_appName(appName) {
  g_app = this;
  DocumentHost::Set(this);
  InstallWidgetMessageBoxes();
}

CWinApp::~CWinApp() {
  m_docTemplate.reset();
  if (g_app == this) g_app = nullptr;
  if (DocumentHost::Get() == this) DocumentHost::Set(nullptr);
}

QWidget* CWinApp::DialogParent() const {
  return AfxGetVisibleMainWnd();
}

int CWinApp::ExitInstance() {
  SaveStdProfileSettings();
  m_docTemplate.reset();
  return 0;
}

std::unique_ptr<QSettings> CWinApp::GetSettings() const {
  return std::make_unique<QSettings>(m_registryKey, m_appName);
}

void CWinApp::LoadStdProfileSettings(int maxRecentFiles) {
  m_recentFiles = std::make_unique<CRecentFileList>(maxRecentFiles);
  m_recentFiles->ReadList(*GetSettings());
}

void CWinApp::SaveStdProfileSettings() const {
  WriteRecentFileList();
}

void CWinApp::WriteRecentFileList() const {
  if (m_recentFiles) m_recentFiles->WriteList(*GetSettings());
}

void CWinApp::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate) {
  m_docTemplate = std::move(docTemplate);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) const {
  info.Parse(m_arguments);
}

bool CWinApp::ProcessShellCommand(const CCommandLineInfo& info) {
  if (!m_docTemplate) return false;
  switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
      return m_docTemplate->NewDocument() != nullptr;
    case CCommandLineInfo::FileOpen:
      return OpenDocumentFile(info.m_strFileName) != nullptr;
    case CCommandLineInfo::Invalid:
      break;
  }
  MessageBox(FrameworkStrings::CommandLineUsage(m_appName));
  return false;
}

CFrameWnd* CWinApp::GetMainWnd() const {
  return m_docTemplate ? m_docTemplate->GetFrame() : nullptr;
}

CDocument* CWinApp::OpenDocumentFile(const QString& path) {
  return m_docTemplate ? m_docTemplate->OpenDocumentFile(path) : nullptr;
}

// Written at once, so that the list survives however the program ends.
void CWinApp::AddToRecentFileList(const QString& path) {
  if (!m_recentFiles) return;
  m_recentFiles->Add(path);
  WriteRecentFileList();
}

bool CWinApp::DoPromptFileName(QString& fileName, bool open) {
  const QString chosen =
      open ? QFileDialog::getOpenFileName(AfxGetVisibleMainWnd(), FrameworkStrings::OpenDialogTitle(),
                                          fileName, FrameworkStrings::AllFilesFilter())
           : QFileDialog::getSaveFileName(AfxGetVisibleMainWnd(), FrameworkStrings::SaveAsDialogTitle(),
                                          fileName, FrameworkStrings::AllFilesFilter());
  if (chosen.isEmpty()) return false;
  fileName = chosen;
  return true;
}

bool CWinApp::OnCmdMsg(int id, CmdMsg msg, CCmdUI* ui) {
  using Map = MessageMap<CWinApp>;
  static const Map map{
      Map::OnCommand(ID_APP_EXIT, &CWinApp::OnAppExit),
      Map::OnUpdateRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST, &CWinApp::OnUpdateRecentFileMenu),
      Map::OnCommandRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST, &CWinApp::OnOpenRecentFile),
  };
  return map.Dispatch(this, id, msg, ui) || CCmdTarget::OnCmdMsg(id, msg, ui);
}

void CWinApp::OnFileNew() {
  if (m_docTemplate) m_docTemplate->NewDocument();
}

void CWinApp::OnFileOpen() {
  QString path;
  if (DoPromptFileName(path, true)) OpenDocumentFile(path);
}

void CWinApp::OnAppExit() {
  if (CFrameWnd* frame = GetMainWnd()) frame->close();
}

void CWinApp::OnOpenRecentFile(int id) {
  if (!m_recentFiles || !m_docTemplate) return;
  const int index = id - ID_FILE_MRU_FILE1;
  if (index < 0 || index >= m_recentFiles->Count()) return;
  const QString path = m_recentFiles->Files()[index];
  CSingleDocTemplate::Result result = CSingleDocTemplate::Result::Done;
  m_docTemplate->OpenDocumentFile(path, &result);
  // Only a file that failed to open leaves the list; Cancel at the save question keeps it.
  if (result == CSingleDocTemplate::Result::Failed) {
    m_recentFiles->RemovePath(path);
    WriteRecentFileList();
  }
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* ui) {
  const int index = ui->m_nID - ID_FILE_MRU_FILE1;
  const int count = m_recentFiles ? m_recentFiles->Count() : 0;
  if (count == 0) {
    // The placeholder stands alone, disabled.
    ui->SetVisible(index == 0);
    ui->SetText(ui->ResourceText());
    ui->Enable(false);
    return;
  }
  ui->SetVisible(index < count);
  ui->SetText(m_recentFiles->MenuText(index));
  ui->Enable(index < count);
}

namespace {

// Reads the command line under a bare QCoreApplication, which needs no display.
StartupCommandLine ReadCommandLine(const CWinApp& app, int argc, char** argv) {
  QCoreApplication core(argc, argv);
  QCoreApplication::setApplicationName(app.GetAppName());
  return ParseStartupCommandLine(QCoreApplication::arguments(), app.GetCommandLineDescription());
}

}  // namespace

int AfxWinMain(CWinApp& app, int argc, char** argv) {
  const StartupCommandLine commandLine = ReadCommandLine(app, argc, argv);
  if (commandLine.outcome == StartupCommandLine::Outcome::PrintAndExit) {
    std::FILE* out = commandLine.exitCode == 0 ? stdout : stderr;
    std::fputs(commandLine.message.toLocal8Bit().constData(), out);
    if (!commandLine.message.endsWith(QLatin1Char('\n'))) std::fputc('\n', out);
    return commandLine.exitCode;
  }
  // The GUI application sees only the program path and Qt's own options, so that no file name can
  // pass for one of them. It keeps argc and argv for its whole life.
  std::vector<QByteArray> guiBytes;
  for (const QString& a : commandLine.guiArguments) guiBytes.push_back(a.toLocal8Bit());
  std::vector<char*> guiArgv;
  guiArgv.reserve(guiBytes.size() + 1);
  for (QByteArray& b : guiBytes) guiArgv.push_back(b.data());
  guiArgv.push_back(nullptr);
  int guiArgc = static_cast<int>(guiBytes.size());

  const auto qapp = OpenWindowApplication<QApplication>(app.GetAppName(), guiArgc, guiArgv.data());
  if (!qapp) return 1;
  QCoreApplication::setApplicationName(app.GetAppName());
  app.SetCommandLine(commandLine.files);
  if (!app.InitInstance()) {
    app.ExitInstance();
    return 1;
  }
  const int loopCode = QApplication::exec();
  const int exitCode = app.ExitInstance();
  return loopCode != 0 ? loopCode : exitCode;
}
