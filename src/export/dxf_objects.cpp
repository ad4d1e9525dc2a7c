// Two passes over the group pairs of the OBJECTS section: who points at whom, then the owners in.
#include "export/dxf_objects.h"

#include <QHash>
#include <QList>

namespace {

// The section's pairs from the line after "2 / OBJECTS" up to its ENDSEC, as line indices.
struct Span {
  qsizetype begin = -1, end = -1;
};

Span ObjectsSpan(const QList<QByteArray>& lines) {
  Span span;
  for (qsizetype i = 0; i + 3 < lines.size(); i += 2) {
    if (lines[i].trimmed() == "0" && lines[i + 1].trimmed() == "SECTION" && lines[i + 2].trimmed() == "2" &&
        lines[i + 3].trimmed() == "OBJECTS") {
      span.begin = i + 4;
      break;
    }
  }
  if (span.begin < 0) return span;
  for (qsizetype i = span.begin; i + 1 < lines.size(); i += 2)
    if (lines[i].trimmed() == "0" && lines[i + 1].trimmed() == "ENDSEC") {
      span.end = i;
      return span;
    }
  return Span{};
}

// Maps each object's handle to the handle of the dictionary that lists it.
QHash<QByteArray, QByteArray> Owners(const QList<QByteArray>& lines, const Span& span) {
  QHash<QByteArray, QByteArray> owner;
  QByteArray current;
  bool handleSeen = false;
  for (qsizetype i = span.begin; i < span.end; i += 2) {
    const QByteArray code = lines[i].trimmed(), value = lines[i + 1].trimmed();
    if (code == "0") {
      current.clear();
      handleSeen = false;
    } else if (code == "5" && !handleSeen) {
      current = value;
      handleSeen = true;
    } else if ((code == "350" || code == "360") && !current.isEmpty() && !owner.contains(value)) {
      owner.insert(value, current);
    }
  }
  return owner;
}

}  // namespace

QByteArray AddObjectOwners(const QByteArray& dxf) {
  QList<QByteArray> lines = dxf.split('\n');
  const Span span = ObjectsSpan(lines);
  if (span.begin < 0) return dxf;
  const QHash<QByteArray, QByteArray> owner = Owners(lines, span);

  QList<QByteArray> out;
  out.reserve(lines.size() + 64);
  for (qsizetype i = 0; i < span.begin; ++i) out << lines[i];
  bool handleSeen = false;
  for (qsizetype i = span.begin; i < span.end; i += 2) {
    const QByteArray code = lines[i].trimmed();
    out << lines[i] << lines[i + 1];
    if (code == "0") handleSeen = false;
    if (code != "5" || handleSeen) continue;
    handleSeen = true;
    const bool named = i + 2 < span.end && lines[i + 2].trimmed() == "330";
    if (!named)
      out << QByteArrayLiteral("330") << owner.value(lines[i + 1].trimmed(), QByteArrayLiteral("0"));
  }
  for (qsizetype i = span.end; i < lines.size(); ++i) out << lines[i];
  return out.join('\n');
}
