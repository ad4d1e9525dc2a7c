// One undoable change of the design: the values before and after, applied through the session.
#pragma once

#include <QUndoCommand>

#include "document/design.h"

class DesignSession;

class ChangeDesignCommand : public QUndoCommand {
 public:
  ChangeDesignCommand(DesignSession* session, const Design& before, const Design& after, const QString& text);

  void undo() override;
  void redo() override;

 private:
  DesignSession* m_session;
  Design m_before, m_after;
};
