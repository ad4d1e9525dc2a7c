// A line edit for one number: shown as the shortest text that reads back as the same double, so a
// value from a file keeps its last bit while the field is not typed in; read in the C locale.
#pragma once

#include <QLineEdit>
#include <optional>

class NumberField : public QLineEdit {
  Q_OBJECT

 public:
  explicit NumberField(QWidget* parent = nullptr);

  void setValue(double value);
  // The finite number typed, or nullopt.
  std::optional<double> value() const;
};
