// Building the window: the view, the docked panels, the menus; and keeping the drawing and the
// title in step with the session.
#include "workshop/workshop_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>

#include "framework/error_text.h"
#include "workshop/background_task.h"
#include "workshop/copy_panel.h"
#include "workshop/drawing_view.h"
#include "workshop/fretboard_panel.h"
#include "workshop/recent_files.h"
#include "workshop/shape_panel.h"
#include "workshop/template_panel.h"
#include "workshop/workshop_settings.h"

namespace {

const char* const kLayerTitles[] = {QT_TRANSLATE_NOOP("WorkshopWindow", "&Outline"),
                                    QT_TRANSLATE_NOOP("WorkshopWindow", "O&ffsets"),
                                    QT_TRANSLATE_NOOP("WorkshopWindow", "&Centreline"),
                                    QT_TRANSLATE_NOOP("WorkshopWindow", "&Soundhole"),
                                    QT_TRANSLATE_NOOP("WorkshopWindow", "&Fretboard"),
                                    QT_TRANSLATE_NOOP("WorkshopWindow", "S&tations"),
                                    QT_TRANSLATE_NOOP("WorkshopWindow", "Check s&quare"),
                                    QT_TRANSLATE_NOOP("WorkshopWindow", "Title &block")};

}  // namespace

WorkshopWindow::WorkshopWindow(QWidget* parent) : QMainWindow(parent) {
  m_view = new DrawingView(this);
  setCentralWidget(m_view);
  m_shape = new ShapePanel(&m_session, this);
  m_template = new TemplatePanel(this);
  // Before the panel is connected: one build follows, not one per restored choice.
  m_template->restoreChoices(*OpenWorkshopSettings());
  m_fretboard = new FretboardPanel(this);
  createFileMenu();
  createEditMenu();
  createViewMenu();
  addPanel(m_shape, tr("Shape"), QStringLiteral("shapeDock"), Qt::LeftDockWidgetArea, Qt::Key_F5);
  addPanel(m_template, tr("Template"), QStringLiteral("templateDock"), Qt::RightDockWidgetArea, Qt::Key_F6);
  addPanel(m_fretboard, tr("Fretboard"), QStringLiteral("fretboardDock"), Qt::RightDockWidgetArea,
           Qt::Key_F7);
  m_copy = new CopyPanel(&m_session, m_view, this);
  addPanel(m_copy, tr("Copy"), QStringLiteral("copyDock"), Qt::RightDockWidgetArea, Qt::Key_F8);
  connect(&m_session, &DesignSession::designChanged, this, &WorkshopWindow::refresh);
  connect(&m_session, &DesignSession::fileChanged, this, &WorkshopWindow::updateTitle);
  connect(m_template, &TemplatePanel::settingsChanged, this, &WorkshopWindow::refresh);
  connect(m_template, &TemplatePanel::exportRequested, this, &WorkshopWindow::exportTemplate);
  connect(m_fretboard, &FretboardPanel::exportRequested, this, &WorkshopWindow::exportFretTemplate);
  connect(m_view, &DrawingView::scaleChanged, this, [this](double scale) {
    statusBar()->showMessage(
        tr("1 %1 = %2 pixels").arg(UnitName(m_view->model().unit)).arg(scale, 0, 'g', 4));
  });
  restoreLayout();
  refresh();
  updateTitle();
}

WorkshopWindow::~WorkshopWindow() {
  // Work still running refers to nothing of the window (it holds copies), but must end before Qt's
  // thread pool is torn down.
  if (m_task) m_task->wait();
  // The panels go while the session they work on is still there.
  qDeleteAll(findChildren<QDockWidget*>(Qt::FindDirectChildrenOnly));
}

QDockWidget* WorkshopWindow::addPanel(QWidget* panel, const QString& title, const QString& name,
                                      Qt::DockWidgetArea area, Qt::Key key) {
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(panel);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  // Tall panels scroll; none is ever cut at the side.
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setMinimumWidth(panel->minimumSizeHint().width() + scroll->verticalScrollBar()->sizeHint().width());
  auto* dock = new QDockWidget(title, this);
  dock->setObjectName(name);
  dock->setWidget(scroll);
  // The right-hand panels share one place, as tabs.
  QDockWidget* first = m_docks.empty() ? nullptr : m_docks.back();
  if (first && dockWidgetArea(first) == area)
    tabifyDockWidget(first, dock);
  else
    addDockWidget(area, dock);
  m_docks.push_back(dock);
  // Shows the panel and brings its tab to the front.
  m_viewMenu->addAction(title, QKeySequence(key), dock, [dock] {
    dock->show();
    dock->raise();
  });
  return dock;
}

void WorkshopWindow::createFileMenu() {
  m_fileMenu = menuBar()->addMenu(tr("&File"));
  m_fileMenu->addAction(tr("&New"), QKeySequence::New, this, &WorkshopWindow::newDesign);
  m_fileMenu->addAction(tr("&Open..."), QKeySequence::Open, this, &WorkshopWindow::openDesign);
  m_fileMenu->addAction(tr("&Save"), QKeySequence::Save, this, &WorkshopWindow::save);
  m_fileMenu->addAction(tr("Save &As..."), QKeySequence::SaveAs, this, &WorkshopWindow::saveAs);
  m_recentMenu = m_fileMenu->addMenu(tr("Open &Recent"));
  connect(m_recentMenu, &QMenu::aboutToShow, this, &WorkshopWindow::fillRecentMenu);
  m_fileMenu->addSeparator();
  m_exportAction = m_fileMenu->addAction(tr("&Export Template..."), QKeySequence(tr("Ctrl+E")), this,
                                         &WorkshopWindow::exportTemplate);
  qApp->installEventFilter(this);
  m_fileMenu->addSeparator();
  QAction* quit = m_fileMenu->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);
  quit->setMenuRole(QAction::QuitRole);
}

void WorkshopWindow::createEditMenu() {
  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  QAction* undo = m_session.undoStack()->createUndoAction(this, tr("&Undo"));
  undo->setShortcuts(QKeySequence::Undo);
  QAction* redo = m_session.undoStack()->createRedoAction(this, tr("&Redo"));
  redo->setShortcuts(QKeySequence::Redo);
  edit->addAction(undo);
  edit->addAction(redo);
}

void WorkshopWindow::createViewMenu() {
  m_viewMenu = menuBar()->addMenu(tr("&View"));
  m_viewMenu->addAction(tr("Zoom to &Fit"), QKeySequence(tr("Ctrl+0")), m_view, &DrawingView::zoomToFit);
  m_viewMenu->addAction(tr("Zoom &In"), QKeySequence::ZoomIn, m_view, &DrawingView::zoomIn);
  m_viewMenu->addAction(tr("Zoom O&ut"), QKeySequence::ZoomOut, m_view, &DrawingView::zoomOut);
  m_viewMenu->addAction(tr("&Actual Size"), QKeySequence(tr("Ctrl+1")), m_view, &DrawingView::actualSize);
  m_viewMenu->addSeparator();
  QMenu* layers = m_viewMenu->addMenu(tr("&Layers"));
  for (size_t i = 0; i < kAllParts.size(); ++i) {
    const Part part = kAllParts[i];
    QAction* action = layers->addAction(tr(kLayerTitles[i]));
    action->setCheckable(true);
    action->setChecked(m_view->isPartVisible(part));
    connect(action, &QAction::toggled, m_view, [this, part](bool on) { m_view->setPartVisible(part, on); });
  }
  m_viewMenu->addSeparator();
}

void WorkshopWindow::restoreLayout() {
  resize(1100, 720);
  const auto settings = OpenWorkshopSettings();
  restoreGeometry(settings->value(QStringLiteral("window/geometry")).toByteArray());
  restoreState(settings->value(QStringLiteral("window/state")).toByteArray());
}

void WorkshopWindow::refresh() {
  const TemplateSettings settings = m_template->settings();
  const QString name = m_session.displayName();
  // One build for both: the view draws the template's own model.
  const Result<BuiltModel> built =
      BuildTemplateModel(m_session.design(), m_session.outline(), settings, name);
  if (built)
    m_view->setModel(built->model);
  else
    m_view->setProblem(ErrorText(built.error()));
  m_template->showBuild(built);
  m_fretboard->setDesign(m_session.design(), settings.content.unit);
  m_copy->setDesignUnit(settings.content.unit);
}

void WorkshopWindow::updateTitle() {
  setWindowTitle(tr("%1[*] - vesk workshop").arg(m_session.displayName()));
  setWindowModified(m_session.isModified());
}

void WorkshopWindow::closeEvent(QCloseEvent* event) {
  if (!maybeSave()) {
    event->ignore();
    return;
  }
  if (m_task) {
    m_task->cancel();
    m_task->wait();
  }
  const auto settings = OpenWorkshopSettings();
  settings->setValue(QStringLiteral("window/geometry"), saveGeometry());
  settings->setValue(QStringLiteral("window/state"), saveState());
  m_template->saveChoices(settings.get());
  event->accept();
}

bool WorkshopWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride) return QMainWindow::eventFilter(watched, event);
  const auto* widget = qobject_cast<QWidget*>(watched);
  const auto* key = static_cast<QKeyEvent*>(event);
  if (!widget || widget->window() != this ||
      QKeySequence(key->keyCombination()) != m_exportAction->shortcut())
    return QMainWindow::eventFilter(watched, event);
  // Unclaimed, the key goes on to the window's shortcut.
  event->ignore();
  return true;
}

BackgroundTask* WorkshopWindow::runningTask() const {
  return m_task;
}
