// vesk-cli frets [FILE] [--scale L | --scale BASS,TREBLE --perpendicular N] [--frets N] [--nut-width W]
//   [--width-at N=W] [--board-end FRET | --board-length L | --overhang MM] [--string-margin MM[,MM]]
//   [--left-handed] [--slot-width MM] [--extend MM] [--saddle-compensation MM] [--unit cm|in]
//   [--table|--json|--csv] [-o OUT.svg|dxf|pdf] [template options]
// The options are read (frets_options), the table made and checked (fret_report), the template written
// through the export's one fret path, then the listing printed.
#include "cli/cmd_frets.h"

#include <QCommandLineParser>

#include "cli/cli_command.h"
#include "cli/fret_report.h"
#include "cli/frets_options.h"
#include "cli/json_output.h"
#include "framework/error_text.h"

namespace cli {

namespace {

// The option a refused table is about, when the user gave it (with its text where the reason does
// not repeat it: "--board-end 18.5"); else nothing, the design's own values being at fault.
QString FaultyOption(const FretsRequest& req, FretTableStatus status) {
  const auto given = [&](const char* name) { return req.given.contains(QLatin1String(name)); };
  const auto option = [&](const char* name) {
    return given(name) ? QStringLiteral("--") + QLatin1String(name) : QString();
  };
  const auto typed = [&](const char* name) {
    return given(name) ? option(name) + ' ' + req.given.value(QLatin1String(name)) : QString();
  };
  switch (status) {
    case FretTableStatus::kBadScale:
      return option("scale");
    case FretTableStatus::kBadPerpendicular:
      return option("perpendicular");
    case FretTableStatus::kBadWidthFret:
      return option("width-at");
    case FretTableStatus::kNarrowsToNothing:
      return typed("width-at");
    case FretTableStatus::kBadWidth:
      return option(given("width-at") ? "width-at" : "nut-width");
    case FretTableStatus::kBadBoardEnd:
      return typed(given("board-length") ? "board-length" : given("overhang") ? "overhang" : "board-end");
    case FretTableStatus::kBadSlotWidth:
      return typed("slot-width");
    case FretTableStatus::kBadCompensation:
      return option("saddle-compensation");
    case FretTableStatus::kBadMargin:
      return typed("string-margin");
    case FretTableStatus::kBadFretCount:
      return option("frets");
    case FretTableStatus::kOk:
    case FretTableStatus::kNotFinite:
      break;
  }
  return {};
}

// The table, or why the board cannot be.
Result<FretReport> MakeTable(const FretsRequest& req) {
  if (const QString problem = FretboardSizeProblem(req.request); !problem.isEmpty())
    return ErrorFrom(problem, ErrorKind::Refused);
  FretReport report = MakeFretReport(req.request);
  if (report.table.status == FretTableStatus::kOk) return report;
  const QString what = FaultyOption(req, report.table.status);
  const QString why = FretTableProblem(report.table, report.input, FretUnitName(report));
  return what.isEmpty() ? ErrorFrom(why, ErrorKind::Refused) : UsageError(what, why);
}

// The template, quietly when a listing follows.
Status WriteFretTemplate(const FretsRequest& req) {
  const Result<RenderedTemplate> rendered =
      ExportFretTemplate(req.request, req.title, req.output.parts, req.output.output);
  if (!rendered) return rendered.error();
  return WriteTemplate(req.outPath, *rendered, req.listing.has_value());
}

QString ListingText(Listing listing, const FretReport& report) {
  switch (listing) {
    case Listing::Json:
      return JsonText(FretTableJson(report));
    case Listing::Csv:
      return FretTableCsv(report);
    case Listing::Table:
      break;
  }
  return FretTableText(report);
}

}  // namespace

int RunFretsCommand(const QStringList& args) {
  QCommandLineParser parser;
  AddFretsOptions(parser);
  if (!ParseOrReport(parser, args, QLatin1String(kFretsHelpNotes))) return kUsage;
  const Result<FretsRequest> req = ReadFretsRequest(parser);
  if (!req) return Report(req.error());
  const Result<FretReport> report = MakeTable(*req);
  if (!report) return Report(report.error());
  if (!req->outPath.isEmpty()) {
    if (const Status written = WriteFretTemplate(*req); !written) return Report(written.error());
    if (!req->listing) return kOk;
  }
  PrintOut(ListingText(req->listing.value_or(Listing::Table), *report));
  return kOk;
}

}  // namespace cli
