// The workshop: a second window program over the headless libraries (export, match, trace,
// document, geometry), in plain Qt Widgets with no class of the design window's platform layer.
//
// The design the workshop edits: its values, the outline fitted to them, the file it came from, and
// the undo history of its changes. The modified flag is the undo stack's distance from its clean
// state, so undoing back to the saved design clears it.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>

#include "document/design.h"
#include "geometry/fitted_outline.h"
#include "geometry/result.h"

class DesignSession : public QObject {
  Q_OBJECT

 public:
  explicit DesignSession(QObject* parent = nullptr);

  const Design& design() const { return m_design; }
  const FittedOutline& outline() const { return m_outline; }
  // Empty for a design that has never been saved.
  const QString& path() const { return m_path; }
  // The file's name, or "Untitled".
  QString displayName() const;
  bool isModified() const { return !m_undo.isClean(); }
  QUndoStack* undoStack() { return &m_undo; }

  // An undoable change of the whole design, named `what` in the Edit menu.
  void change(const Design& design, const QString& what);
  // The undo commands' way in: the design as it now stands, refitted.
  void apply(const Design& design);

  // A new design, no file, no history.
  void reset();
  // The design in `path`, no history. On failure nothing changes.
  Status open(const QString& path);
  // Writes the design to `path`, which becomes its file, and marks it saved. On failure nothing changes.
  Status save(const QString& path);

 signals:
  // The values (and so the outline) changed.
  void designChanged();
  // The file or the modified flag changed: the window's title follows.
  void fileChanged();

 private:
  void replaceAll(const Design& design, const QString& path);

  Design m_design;
  FittedOutline m_outline;
  QString m_path;
  QUndoStack m_undo;
};
