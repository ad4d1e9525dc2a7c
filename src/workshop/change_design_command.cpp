// The session refits on each apply, so undo and redo draw exactly what was there before.
#include "workshop/change_design_command.h"

#include "workshop/design_session.h"

ChangeDesignCommand::ChangeDesignCommand(DesignSession* session, const Design& before, const Design& after,
                                         const QString& text)
    : QUndoCommand(text), m_session(session), m_before(before), m_after(after) {}

void ChangeDesignCommand::undo() {
  m_session->apply(m_before);
}

void ChangeDesignCommand::redo() {
  m_session->apply(m_after);
}
