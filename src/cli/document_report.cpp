// The document report: one table of field names and members, so JSON and text cannot disagree.
#include "cli/document_report.h"

#include "cli/json_output.h"
#include "document/veskdoc.h"
#include "geometry/number_text.h"

namespace cli {

namespace {

struct LengthField {
  const char* key;
  double CVeskDoc::*member;
};

constexpr LengthField kLengths[] = {
    {"length", &CVeskDoc::m_length},
    {"lowerBout", &CVeskDoc::m_lowerBout},
    {"waist", &CVeskDoc::m_waist},
    {"upperBout", &CVeskDoc::m_upperBout},
    {"a3", &CVeskDoc::m_a3},
    {"a4", &CVeskDoc::m_a4},
    {"a5", &CVeskDoc::m_a5},
    {"a6", &CVeskDoc::m_a6},
    {"holeDiameter", &CVeskDoc::m_holeDiameter},
    {"holePosition", &CVeskDoc::m_holePosition},
    {"scaleLength", &CVeskDoc::m_scaleLength},
    {"nutWidth", &CVeskDoc::m_nutWidth},
    {"fret12Width", &CVeskDoc::m_fret12Width},
    {"fret19Width", &CVeskDoc::m_fret19Width},
};

struct IntField {
  const char* key;
  int32_t CVeskDoc::*member;
};

constexpr IntField kInts[] = {
    {"fitValid", &CVeskDoc::m_fitValid},
    {"holeDefined", &CVeskDoc::m_holeDefined},
    {"jointFret", &CVeskDoc::m_jointFret},
};

}  // namespace

JsonObject DocumentJson(const CVeskDoc& doc) {
  JsonObject o;
  for (const LengthField& f : kLengths) o.push_back({QLatin1String(f.key), doc.*f.member});
  for (const IntField& f : kInts) o.push_back({QLatin1String(f.key), doc.*f.member});
  return o;
}

QString DocumentSummary(const CVeskDoc& doc) {
  QString text;
  for (const LengthField& f : kLengths)
    text += QStringLiteral("%1 = %2\n")
                .arg(QLatin1String(f.key), QString::fromStdString(ShortestRoundTrip(doc.*f.member)));
  for (const IntField& f : kInts)
    text += QStringLiteral("%1 = %2\n").arg(QLatin1String(f.key)).arg(doc.*f.member);
  return text;
}

}  // namespace cli
