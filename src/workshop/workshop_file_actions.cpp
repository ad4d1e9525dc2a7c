// The File menu's work: new, open, save, the recent files, the save-changes question, and the
// template export, which runs off the GUI thread.
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
#include <memory>

#include "export/output_file.h"
#include "framework/error_text.h"
#include "workshop/background_task.h"
#include "workshop/fretboard_panel.h"
#include "workshop/recent_files.h"
#include "workshop/template_panel.h"
#include "workshop/workshop_window.h"

namespace {

QString Filter() {
  return QCoreApplication::translate("WorkshopWindow", "vesk designs (*.vsk *.design);;All files (*)");
}

QString TemplateFilter(TemplateFormat format) {
  switch (format) {
    case TemplateFormat::Svg:
      return QCoreApplication::translate("WorkshopWindow", "SVG templates (*.svg)");
    case TemplateFormat::Dxf:
      return QCoreApplication::translate("WorkshopWindow", "DXF templates (*.dxf)");
    case TemplateFormat::Pdf:
      return QCoreApplication::translate("WorkshopWindow", "PDF templates (*.pdf)");
  }
  return {};
}

}  // namespace

Status WorkshopWindow::loadFile(const QString& path) {
  Status opened = m_session.open(path);
  if (opened) RecentFiles::Add(path);
  return opened;
}

void WorkshopWindow::newDesign() {
  if (maybeSave()) m_session.reset();
}

void WorkshopWindow::openDesign() {
  if (!maybeSave()) return;
  const QString path = QFileDialog::getOpenFileName(this, tr("Open design"), QString(), Filter());
  if (!path.isEmpty()) openRecent(path);
}

void WorkshopWindow::openRecent(const QString& path) {
  if (const Status opened = loadFile(path); !opened)
    QMessageBox::warning(this, tr("vesk workshop"), ErrorText(opened.error()));
}

void WorkshopWindow::fillRecentMenu() {
  m_recentMenu->clear();
  const QStringList files = RecentFiles::List();
  for (int i = 0; i < files.size(); ++i) {
    const QString& path = files[i];
    QAction* action =
        m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
    action->setToolTip(path);
    connect(action, &QAction::triggered, this, [this, path] {
      if (maybeSave()) openRecent(path);
    });
  }
  if (files.isEmpty()) m_recentMenu->addAction(tr("No recent files"))->setEnabled(false);
}

bool WorkshopWindow::save() {
  return m_session.path().isEmpty() ? saveAs() : saveTo(m_session.path());
}

bool WorkshopWindow::saveAs() {
  const QString path = QFileDialog::getSaveFileName(this, tr("Save design"), m_session.path(), Filter());
  return !path.isEmpty() && saveTo(path);
}

bool WorkshopWindow::saveTo(const QString& path) {
  if (const Status saved = m_session.save(path); !saved) {
    QMessageBox::warning(this, tr("vesk workshop"), ErrorText(saved.error()));
    return false;
  }
  RecentFiles::Add(path);
  statusBar()->showMessage(tr("Saved %1").arg(QDir::toNativeSeparators(path)));
  return true;
}

bool WorkshopWindow::maybeSave() {
  if (!m_session.isModified()) return true;
  const QMessageBox::StandardButton answer =
      QMessageBox::warning(this, tr("vesk workshop"), tr("Save changes to %1?").arg(m_session.displayName()),
                           QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
  if (answer == QMessageBox::Save) return save();
  return answer == QMessageBox::Discard;
}

QString WorkshopWindow::askTemplatePath(const QString& title, const QString& suffix) {
  const TemplateFormat format = m_template->settings().output.format;
  const QString base =
      m_session.path().isEmpty() ? tr("untitled") : QFileInfo(m_session.path()).completeBaseName();
  const QString dir = m_session.path().isEmpty() ? QString() : QFileInfo(m_session.path()).absolutePath();
  const QString suggested = QDir(dir).filePath(base + suffix + QLatin1Char('.') + FormatExtension(format));
  QString path = QFileDialog::getSaveFileName(this, title, suggested, TemplateFilter(format));
  if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
    path += QLatin1Char('.') + FormatExtension(format);
  return path;
}

void WorkshopWindow::exportTemplate() {
  if (const QString path = askTemplatePath(tr("Export template"), QString()); !path.isEmpty())
    exportTemplateTo(path);
}

void WorkshopWindow::exportFretTemplate() {
  if (const QString path = askTemplatePath(tr("Export fret template"), tr("-frets")); !path.isEmpty())
    exportFretTemplateTo(path);
}

void WorkshopWindow::exportFretTemplateTo(const QString& path) {
  const Result<FretboardRequest> request = m_fretboard->board();
  if (!request) {
    // The panel already shows why beside its fields, and its Export is off.
    statusBar()->showMessage(ErrorText(request.error()));
    emit templateExported(path, ErrorText(request.error()));
    return;
  }
  TemplateSettings settings = m_template->settings();
  settings.output.format = FormatForFile(path, settings.output.format);
  writeInBackground(path,
                    [board = *request, name = m_session.displayName(), parts = settings.content.parts,
                     output = settings.output] { return ExportFretTemplate(board, name, parts, output); });
}

void WorkshopWindow::exportTemplateTo(const QString& path) {
  TemplateSettings settings = m_template->settings();
  settings.output.format = FormatForFile(path, settings.output.format);
  m_template->setFormat(settings.output.format);
  writeInBackground(path, [design = m_session.design(), outline = m_session.outline(), settings,
                           name = m_session.displayName()] {
    return ExportTemplateBytes(design, outline, settings, name);
  });
}

void WorkshopWindow::writeInBackground(const QString& path,
                                       std::function<Result<RenderedTemplate>()> render) {
  if (m_task) {
    const QString busy = tr("another job is running; wait for it or cancel it");
    statusBar()->showMessage(busy);
    emit templateExported(path, busy);
    return;
  }
  struct Outcome {
    QString error;
    QString summary;
    bool written = false;
  };
  auto outcome = std::make_shared<Outcome>();
  auto work = [render = std::move(render), path, outcome](QPromise<void>& promise) {
    const Result<RenderedTemplate> rendered = render();
    if (!rendered) {
      outcome->error = ErrorText(rendered.error());
      return;
    }
    outcome->summary = rendered->summary;
    // Cancelled before the write: the old file, if any, stays as it was.
    if (promise.isCanceled()) return;
    const Status committed = CommitFile(path, rendered->bytes);
    outcome->written = committed.ok();
    if (!committed) outcome->error = ErrorText(committed.error());
  };
  auto done = [this, path, outcome](bool cancelled) {
    QString error = outcome->error;
    if (cancelled && !outcome->written) error = tr("cancelled; nothing was written");
    if (error.isEmpty())
      statusBar()->showMessage(tr("Wrote %1 (%2)").arg(QDir::toNativeSeparators(path), outcome->summary));
    else if (!cancelled)
      QMessageBox::warning(this, tr("vesk workshop"), tr("The template was not written: %1").arg(error));
    emit templateExported(path, error);
  };
  m_task = BackgroundTask::start(this, tr("Writing the template..."), work, done);
  connect(m_task, &BackgroundTask::finished, this, [this] { m_task = nullptr; });
}
