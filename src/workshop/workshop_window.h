// The workshop's main window: the drawing in the centre, the Shape, Template, Fretboard and Copy
// panels docked around it, File and Edit menus with the standard shortcuts, and the undo stack of
// the design session. Every panel works on the session's Design value and its fitted outline.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <vector>

#include "export/template_output.h"
#include "geometry/result.h"
#include "workshop/design_session.h"

class BackgroundTask;
class CopyPanel;
class DrawingView;
class FretboardPanel;
class QDockWidget;
class QMenu;
class ShapePanel;
class TemplatePanel;

class WorkshopWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit WorkshopWindow(QWidget* parent = nullptr);
  ~WorkshopWindow() override;

  DesignSession* session() { return &m_session; }
  DrawingView* view() const { return m_view; }
  ShapePanel* shapePanel() const { return m_shape; }
  TemplatePanel* templatePanel() const { return m_template; }
  FretboardPanel* fretboardPanel() const { return m_fretboard; }
  CopyPanel* copyPanel() const { return m_copy; }
  // The work now running off the GUI thread, if any.
  BackgroundTask* runningTask() const;

  // Opens the design in path (no prompt); on failure nothing changes and the error is returned.
  Status loadFile(const QString& path);
  // Writes the template for the Template panel's settings to path, off the GUI thread; the format is
  // the file's extension when it names one. templateExported follows.
  void exportTemplateTo(const QString& path);
  // Writes the Fretboard panel's fret-slot template to path, in the Template panel's file settings and
  // parts, the format the file's extension names when it names one; templateExported follows.
  void exportFretTemplateTo(const QString& path);

 public slots:
  void newDesign();
  void openDesign();
  bool save();
  bool saveAs();
  void exportTemplate();
  void exportFretTemplate();

 signals:
  // After exportTemplateTo or exportFretTemplateTo: an empty error when the file was written.
  void templateExported(const QString& path, const QString& error);

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Ctrl+E is Export Template wherever the focus is; a line edit would take it as End of line.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void refresh();
  void updateTitle();
  void fillRecentMenu();

 private:
  void createFileMenu();
  void createEditMenu();
  void createViewMenu();
  QDockWidget* addPanel(QWidget* panel, const QString& title, const QString& name, Qt::DockWidgetArea area,
                        Qt::Key key);
  void restoreLayout();
  bool maybeSave();
  bool saveTo(const QString& path);
  void openRecent(const QString& path);
  // The file dialog for a template, suggesting the design's name with suffix in the Template panel's
  // format; empty when cancelled.
  QString askTemplatePath(const QString& title, const QString& suffix);
  // Renders off the GUI thread and writes the bytes to path whole; templateExported follows.
  void writeInBackground(const QString& path, std::function<Result<RenderedTemplate>()> render);

  DesignSession m_session;
  DrawingView* m_view = nullptr;
  ShapePanel* m_shape = nullptr;
  TemplatePanel* m_template = nullptr;
  FretboardPanel* m_fretboard = nullptr;
  CopyPanel* m_copy = nullptr;
  QMenu* m_fileMenu = nullptr;
  QMenu* m_recentMenu = nullptr;
  QMenu* m_viewMenu = nullptr;
  QAction* m_exportAction = nullptr;
  std::vector<QDockWidget*> m_docks;
  QPointer<BackgroundTask> m_task;
};
