// CCmdUI over QAction.
#include "framework/cmd_ui.h"

#include <QAction>
#include <QVariant>

void CCmdUI::Enable(bool on) {
  m_enableChanged = true;
  if (m_action) m_action->setEnabled(on);
}

void CCmdUI::SetCheck(int check) {
  if (!m_action) return;
  m_action->setCheckable(true);
  m_action->setChecked(check != 0);
}

void CCmdUI::SetText(const QString& text) {
  if (m_action) m_action->setText(text);
}

void CCmdUI::SetVisible(bool visible) {
  if (m_action) m_action->setVisible(visible);
}

QString CCmdUI::ResourceText() const {
  return m_action ? m_action->property(kResourceTextProperty).toString() : QString();
}
