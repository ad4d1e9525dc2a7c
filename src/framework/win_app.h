// vesk_framework: the platform's window part over Qt Widgets: application, frame, view widget,
// dialogs and message boxes on screen; it implements the core's DocumentObserver and DocumentHost.
//
// CWinApp: the program's root object. It keeps the settings store and the recent-file list, owns
// the document template, carries out the command line and handles the framework's application
// commands (New, Open, the recent files, Exit). AfxWinMain runs it over a QApplication.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "framework/cmd_target.h"
#include "framework/document_observer.h"

class CCommandLineInfo;
class CDocument;
class CFrameWnd;
class CRecentFileList;
class CSingleDocTemplate;
class QSettings;
class QWidget;

class CWinApp : public CCmdTarget, public DocumentHost {
 public:
  // appName names the settings and is the caption of message boxes without one.
  explicit CWinApp(const QString& appName);
  ~CWinApp() override;

  virtual bool InitInstance() = 0;
  // Saves the settings and closes the document, frame and view. Returns the exit code.
  virtual int ExitInstance();

  // The arguments after the program name.
  void SetCommandLine(const QStringList& arguments) { m_arguments = arguments; }
  // The line under "Usage:" in --help.
  void SetCommandLineDescription(const QString& text) { m_commandLineDescription = text; }
  const QString& GetCommandLineDescription() const { return m_commandLineDescription; }
  void SetRegistryKey(const QString& key) { m_registryKey = key; }
  // Reads the recent-file list, keeping at most maxRecentFiles entries.
  void LoadStdProfileSettings(int maxRecentFiles = 4);
  void SaveStdProfileSettings() const;
  // QSettings(registry key, application name).
  std::unique_ptr<QSettings> GetSettings() const;

  void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate);
  CSingleDocTemplate* GetDocTemplate() const { return m_docTemplate.get(); }
  void ParseCommandLine(CCommandLineInfo& info) const;
  // False when the command line's document could not be made (reported already).
  bool ProcessShellCommand(const CCommandLineInfo& info);

  CDocument* OpenDocumentFile(const QString& path);
  void AddToRecentFileList(const QString& path) override;
  const CRecentFileList* GetRecentFileList() const { return m_recentFiles.get(); }
  // Asks for a file to open or to save as; fileName proposes one and receives the choice. False
  // when the user cancelled.
  virtual bool DoPromptFileName(QString& fileName, bool open);
  // The documents' side of Save As and their questions (DocumentHost).
  QWidget* DialogParent() const override;
  bool PromptSaveFileName(QString& fileName) override { return DoPromptFileName(fileName, false); }

  CFrameWnd* GetMainWnd() const;
  const QString& GetAppName() const { return m_appName; }

  // The framework's application commands.
  bool OnCmdMsg(int id, CmdMsg msg, CCmdUI* ui) override;
  void OnFileNew();
  void OnFileOpen();
  void OnAppExit();
  // Opens recent entry id - ID_FILE_MRU_FILE1; an entry that cannot be opened leaves the list.
  void OnOpenRecentFile(int id);
  void OnUpdateRecentFileMenu(CCmdUI* ui);

 private:
  void WriteRecentFileList() const;

  QString m_appName;
  QString m_registryKey;
  QStringList m_arguments;
  QString m_commandLineDescription;
  std::unique_ptr<CRecentFileList> m_recentFiles;
  std::unique_ptr<CSingleDocTemplate> m_docTemplate;
};

// The one application object, or nullptr when none exists.
CWinApp* AfxGetApp();
CFrameWnd* AfxGetMainWnd();
// The main window while it is on screen: the parent of the framework's message boxes. Before the
// window is shown (a failed start) the boxes stand alone.
QWidget* AfxGetVisibleMainWnd();

// Reads the command line first, without a display: --help and --version print and end with exit
// code 0, a usage error prints one line on stderr and ends with 2. Then creates the QApplication,
// runs InitInstance and the event loop, then ExitInstance. No display, or a display that does not
// answer, is one line on stderr and exit code 1. A failed InitInstance ends at once with exit code 1.
int AfxWinMain(CWinApp& app, int argc, char** argv);
