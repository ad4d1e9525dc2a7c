// vesk-cli frets' options: the board (a design's values overridden by the options), the listing asked
// for, and the template to write, read and checked before anything is computed.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

#include "cli/template_options.h"
#include "export/fret_export.h"
#include "geometry/result.h"

class QCommandLineParser;

namespace cli {

enum class Listing { Table, Json, Csv };

struct FretsRequest {
  FretboardRequest request;
  std::optional<Listing> listing;  // none asked for: the table, unless a template is written
  QString outPath;                 // empty: no template
  TemplateRequest output;          // format, parts, paper, DXF options
  QString title;                   // the design file's name, "Untitled" for a new design
  QHash<QString, QString> given;   // the options on the command line and their text, to name a fault
};

extern const char kFretsHelpNotes[];

void AddFretsOptions(QCommandLineParser& parser);
// A design that cannot be opened fails with ErrorKind::Failed, anything else with kRefused.
Result<FretsRequest> ReadFretsRequest(const QCommandLineParser& parser);

}  // namespace cli
