// Reading an option's word as one of a few named values (a unit, a paper, a format): the
// export's parsers are each a table of names.
#pragma once

#include <QString>
#include <initializer_list>
#include <utility>

// Sets *value to the value whose name is text exactly; false (value untouched) when none is.
template <class T>
bool ParseNamedValue(const QString& text, std::initializer_list<std::pair<const char*, T>> names, T* value) {
  for (const auto& [name, named] : names)
    if (text == QLatin1String(name)) {
      *value = named;
      return true;
    }
  return false;
}
