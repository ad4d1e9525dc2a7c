// CCmdUI: what an update handler sees of one menu item or accelerator: its QAction.
#pragma once

#include <QString>

class QAction;

class CCmdUI {
 public:
  CCmdUI(int id, QAction* action) : m_nID(id), m_action(action) {}

  void Enable(bool on = true);
  // 0 clears the check mark, anything else sets it.
  void SetCheck(int check = 1);
  void SetText(const QString& text);
  // Recent-file slots beyond the list are hidden; no other item changes its visibility.
  void SetVisible(bool visible);
  // The caption the command table gave the item.
  QString ResourceText() const;

  // Whether the handler decided the enabling; when no handler does, the framework enables the item
  // exactly when some target has a command entry for it.
  bool EnableChanged() const { return m_enableChanged; }
  QAction* Action() const { return m_action; }

  const int m_nID;

 private:
  QAction* m_action;
  bool m_enableChanged = false;
};

// The property of a QAction that holds its caption from the command table.
inline constexpr char kResourceTextProperty[] = "veskResourceText";
