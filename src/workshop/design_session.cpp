// Every design change goes through apply(), which refits once; the file state follows the stack.
#include "workshop/design_session.h"

#include <QFileInfo>

#include "document/design_file.h"
#include "geometry/fit_shape.h"
#include "workshop/change_design_command.h"

DesignSession::DesignSession(QObject* parent) : QObject(parent), m_outline(FitOutline(m_design.shape)) {
  connect(&m_undo, &QUndoStack::cleanChanged, this, &DesignSession::fileChanged);
}

QString DesignSession::displayName() const {
  return m_path.isEmpty() ? tr("Untitled") : QFileInfo(m_path).fileName();
}

void DesignSession::change(const Design& design, const QString& what) {
  m_undo.push(new ChangeDesignCommand(this, m_design, design, what));
}

void DesignSession::apply(const Design& design) {
  m_design = design;
  // The same fit from the same start as vesk-cli's, so both draw and export the same outline.
  m_outline = FitOutline(m_design.shape);
  emit designChanged();
}

void DesignSession::reset() {
  replaceAll(Design{}, QString());
}

Status DesignSession::open(const QString& path) {
  Result<Design> loaded = LoadDesignFile(path);
  if (!loaded) return loaded.error();
  replaceAll(*loaded, QFileInfo(path).absoluteFilePath());
  return {};
}

Status DesignSession::save(const QString& path) {
  if (Status saved = SaveDesignFile(path, m_design); !saved) return saved;
  m_path = QFileInfo(path).absoluteFilePath();
  m_undo.setClean();
  emit fileChanged();
  return {};
}

void DesignSession::replaceAll(const Design& design, const QString& path) {
  m_undo.clear();
  m_path = path;
  apply(design);
  emit fileChanged();
}
