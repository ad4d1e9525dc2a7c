// The Shape panel: the eight values that fix the outline. A value is taken when its field is left
// or Return is pressed; it refits and redraws at once as one undoable change, or, when it cannot
// fit, shows why beside the field and changes nothing.
#pragma once

#include <QWidget>
#include <array>

class DesignSession;
class QLabel;
class NumberField;

class ShapePanel : public QWidget {
  Q_OBJECT

 public:
  explicit ShapePanel(DesignSession* session, QWidget* parent = nullptr);
  // A focused field says "editing finished" as it is deleted, after the panel's own part is gone.
  ~ShapePanel() override;

  NumberField* field(int index) const { return m_fields[size_t(index)]; }
  QLabel* problem(int index) const { return m_problems[size_t(index)]; }

 protected:
  // Undo and Redo in a field with no typing of its own to undo reach the design's history.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  // Every field shows the session's design; problems are cleared.
  void showDesign();

 private:
  void take(int index);

  DesignSession* m_session;
  std::array<NumberField*, 8> m_fields{};
  std::array<QLabel*, 8> m_problems{};
  QLabel* m_summary = nullptr;
};
