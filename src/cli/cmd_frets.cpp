// vesk-cli frets [FILE] [--scale L | --scale BASS,TREBLE --perpendicular N] [--frets N] [--nut-width W]
//   [--width-at N=W] [--board-end FRET | --board-length L | --overhang MM] [--slot-width MM] [--extend MM]
//   [--saddle-compensation MM] [--unit cm|in] [--table|--json|--csv] [-o OUT.svg|dxf|pdf] [template options]
// Lengths are in the design's unit, the MM options in millimetres; the table is in millimetres for a
// centimetre design and in inches for an inch one.
#include "cli/cmd_frets.h"

#include <QCommandLineParser>
#include <cmath>
#include <optional>

#include "cli/cli_command.h"
#include "cli/design_file.h"
#include "cli/fret_report.h"
#include "cli/json_output.h"
#include "cli/template_options.h"
#include "export/fretboard_model.h"
#include "export/output_file.h"
#include "framework/error_text.h"
#include "geometry/units.h"

namespace cli {

namespace {

constexpr int kDefaultFrets = 19;
constexpr int kDefaultWidthFret = 12;

enum class Listing { Table, Json, Csv };

struct FretsRequest {
  QString input;
  ExportUnit unit = ExportUnit::Cm;
  FretTableInput board;  // lengths in the design's unit, the MM options in millimetres
  double extendMm = 0.0;
  int jointFret = 0;
  std::optional<Listing> listing;  // none asked for: the table, unless a template is written
  QString outPath;                 // empty: no template
  TemplateRequest output;          // format, parts, paper, DXF options
  QString title;
};

bool Fail(const QString& line) {
  PrintError(QStringLiteral("frets: ") + line);
  return false;
}

void AddOptions(QCommandLineParser& parser) {
  parser.addPositionalArgument(
      QStringLiteral("FILE"),
      QStringLiteral("design file: its scale, widths and joint fret (a new design's when omitted)"));
  const QList<QCommandLineOption> options = {
      {"scale", "scale length L, or BASS,TREBLE for fanned frets (design unit)", "L"},
      {"perpendicular", "with two scales: the fret square to the centreline (0 = nut)", "N"},
      {"frets", "number of frets, 1 to 36 (default 19)", "N"},
      {"nut-width", "board width at the nut (design unit)", "W"},
      {"width-at",
       "board width W at fret N (default: the design's 12th-fret width at its joint fret, or at 12)", "N=W"},
      {"board-end", "the board ends where fret FRET would stand (a real number; default N + 1)", "FRET"},
      {"board-length", "the board ends L from the nut (design unit)", "L"},
      {"overhang", "the board ends MM past the last fret", "MM"},
      {"slot-width", "draw each fret as a slot this wide (mm)", "MM"},
      {"extend", "carry each fret line this far past both edges, for a mitre box (mm)", "MM"},
      {"saddle-compensation", "added to the saddle distance, never to a fret (mm)", "MM"},
      {"table", "print the table rounded to 0.001 mm (0.0001 in) (default)"},
      {"json", "print the table as JSON, every value at full precision"},
      {"csv", "print the table as CSV, every value at full precision"},
      {{"h", "help"}, "show this help"},
  };
  parser.addOptions(options);
  parser.addOption({{"o", "output"}, "write a true-scale fret-slot template: .svg, .dxf or .pdf", "OUT"});
  // --unit, --format, --parts, --paper, --overlap, --dxf-version, --dxf-unit: as export has them.
  AddTemplateOptions(parser);
}

// The design's values, which the options then override.
bool ReadDesign(const QString& path, FretsRequest& req, int* exitCode) {
  const std::optional<OpenedDesign> opened = OpenDesign(path, QStringLiteral("frets"));
  if (!opened) {
    *exitCode = kFileError;
    return false;
  }
  const Design& d = opened->design;
  req.title = opened->title;
  req.board.bassScale = req.board.trebleScale = d.scaleLength;
  req.board.nutWidth = d.nutWidth;
  req.board.widthAtFret = d.fret12Width;
  req.board.widthFret = kDefaultWidthFret;
  if (d.holeDefined != 0 && d.jointFret >= 1 && d.jointFret <= kMaxFrets) {
    // The window reaches the entered width at the joint fret; so does the whole board.
    req.jointFret = d.jointFret;
    req.board.widthFret = d.jointFret;
  }
  return true;
}

std::optional<int> IntegerOption(const QCommandLineParser& parser, const QString& name, int fallback) {
  if (!parser.isSet(name)) return fallback;
  bool ok = false;
  const int value = parser.value(name).trimmed().toInt(&ok);
  if (!ok) {
    Fail(QStringLiteral("--%1: '%2' is not a whole number").arg(name, parser.value(name)));
    return std::nullopt;
  }
  return value;
}

std::optional<double> Number(const QString& text, const QString& option) {
  bool ok = false;
  const double value = text.trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(value)) {
    Fail(QStringLiteral("--%1: '%2' is not a finite number").arg(option, text));
    return std::nullopt;
  }
  return value;
}

bool ReadScale(const QCommandLineParser& parser, FretsRequest& req) {
  if (parser.isSet("perpendicular") && (!parser.isSet("scale") || !parser.value("scale").contains(',')))
    return Fail(QStringLiteral("--perpendicular needs two scales: --scale BASS,TREBLE"));
  if (!parser.isSet("scale")) return true;
  const QStringList parts = parser.value("scale").split(',');
  if (parts.size() > 2)
    return Fail(QStringLiteral("--scale: give L or BASS,TREBLE, not '%1'").arg(parser.value("scale")));
  const auto bass = Number(parts[0], "scale");
  const auto treble = parts.size() == 2 ? Number(parts[1], "scale") : bass;
  if (!bass || !treble) return false;
  req.board.bassScale = *bass;
  req.board.trebleScale = *treble;
  if (parts.size() == 2) {
    if (!parser.isSet("perpendicular"))
      return Fail(
          QStringLiteral("--scale BASS,TREBLE needs --perpendicular N, the fret square to the centreline"));
    const auto p = IntegerOption(parser, "perpendicular", 0);
    if (!p) return false;
    req.board.perpendicularFret = *p;
  }
  return true;
}

bool ReadWidths(const QCommandLineParser& parser, FretsRequest& req) {
  const auto nut = FiniteOption(parser, "nut-width", req.board.nutWidth);
  if (!nut) return false;
  req.board.nutWidth = *nut;
  if (!parser.isSet("width-at")) return true;
  const QString text = parser.value("width-at");
  const QStringList parts = text.split('=');
  bool ok = false;
  const int fret = parts.value(0).trimmed().toInt(&ok);
  if (parts.size() != 2 || !ok)
    return Fail(QStringLiteral("--width-at: give FRET=WIDTH (e.g. 12=6.2), not '%1'").arg(text));
  const auto width = Number(parts[1], "width-at");
  if (!width) return false;
  req.board.widthFret = fret;
  req.board.widthAtFret = *width;
  return true;
}

bool ReadBoardEnd(const QCommandLineParser& parser, FretsRequest& req) {
  const int given =
      int(parser.isSet("board-end")) + int(parser.isSet("board-length")) + int(parser.isSet("overhang"));
  if (given > 1) return Fail(QStringLiteral("--board-end, --board-length and --overhang exclude each other"));
  const struct {
    const char* name;
    BoardEndKind kind;
  } kinds[] = {{"board-end", BoardEndKind::kAtFret},
               {"board-length", BoardEndKind::kLength},
               {"overhang", BoardEndKind::kPastLastFret}};
  for (const auto& k : kinds) {
    if (!parser.isSet(k.name)) continue;
    const auto value = Number(parser.value(k.name), k.name);
    if (!value) return false;
    req.board.boardEnd = k.kind;
    req.board.boardEndValue = *value;
  }
  return true;
}

bool ReadMillimetres(const QCommandLineParser& parser, FretsRequest& req) {
  const auto slot = FiniteOption(parser, "slot-width", 0.0);
  const auto extend = slot ? FiniteOption(parser, "extend", 0.0) : std::nullopt;
  const auto compensation = extend ? FiniteOption(parser, "saddle-compensation", 0.0) : std::nullopt;
  if (!compensation) return false;
  if (*extend < 0.0) return Fail(QStringLiteral("--extend: %1 mm is negative").arg(*extend));
  req.board.slotWidth = *slot;
  req.extendMm = *extend;
  req.board.saddleCompensation = *compensation;
  return true;
}

bool ReadListing(const QCommandLineParser& parser, FretsRequest& req) {
  const int given = int(parser.isSet("table")) + int(parser.isSet("json")) + int(parser.isSet("csv"));
  if (given > 1) return Fail(QStringLiteral("--table, --json and --csv exclude each other"));
  if (parser.isSet("table")) req.listing = Listing::Table;
  if (parser.isSet("json")) req.listing = Listing::Json;
  if (parser.isSet("csv")) req.listing = Listing::Csv;
  return true;
}

// The fret table's input in another unit: design lengths times toTarget, millimetres times mmToTarget.
FretTableInput Scaled(const FretsRequest& req, double toTarget, double mmToTarget) {
  FretTableInput in = req.board;
  in.bassScale *= toTarget;
  in.trebleScale *= toTarget;
  in.nutWidth *= toTarget;
  in.widthAtFret *= toTarget;
  if (in.boardEnd == BoardEndKind::kLength) in.boardEndValue *= toTarget;
  if (in.boardEnd == BoardEndKind::kPastLastFret) in.boardEndValue *= mmToTarget;
  in.saddleCompensation *= mmToTarget;
  in.slotWidth *= mmToTarget;
  return in;
}

// The report's unit: millimetres for a centimetre design, inches for an inch one.
FretReport MakeReport(const FretsRequest& req) {
  FretReport r;
  r.inches = req.unit == ExportUnit::In;
  r.input = r.inches ? Scaled(req, 1.0, 1.0 / kMmPerInch) : Scaled(req, kMmPerCm, 1.0);
  r.table = MakeFretTable(r.input);
  r.jointFret = req.jointFret <= r.input.fretCount ? req.jointFret : 0;
  return r;
}

QString Refusal(const FretReport& r) {
  const FretTableInput& in = r.input;
  const QString u = FretUnitName(r);
  switch (r.table.status) {
    case FretTableStatus::kOk:
      return {};
    case FretTableStatus::kBadScale:
      return QStringLiteral("a scale length must be a finite number greater than 0");
    case FretTableStatus::kBadFretCount:
      return QStringLiteral("--frets: %1 is not a number of frets from 1 to %2")
          .arg(in.fretCount)
          .arg(kMaxFrets);
    case FretTableStatus::kBadPerpendicular:
      return QStringLiteral("--perpendicular: %1 is not a fret from 0 (the nut) to %2")
          .arg(in.perpendicularFret)
          .arg(in.fretCount);
    case FretTableStatus::kBadWidthFret:
      return QStringLiteral("--width-at: %1 is not a fret from 1 to %2").arg(in.widthFret).arg(kMaxFrets);
    case FretTableStatus::kBadWidth:
      return QStringLiteral("the board's widths must be greater than 0 (nut %1, fret %2: %3)")
          .arg(in.nutWidth)
          .arg(in.widthFret)
          .arg(in.widthAtFret);
    case FretTableStatus::kBadBoardEnd:
      return QStringLiteral("the board cannot end before the last fret (fret %1)").arg(in.fretCount);
    case FretTableStatus::kBadSlotWidth:
      if (in.slotWidth < 0.0) return QStringLiteral("--slot-width: a slot cannot be narrower than 0");
      return QStringLiteral("--slot-width: %1 %2 is wider than half the first fret spacing (%3 %2)")
          .arg(in.slotWidth)
          .arg(u)
          .arg(r.table.maxSlotWidth);
    case FretTableStatus::kBadCompensation:
      return QStringLiteral("--saddle-compensation: %1 is negative").arg(in.saddleCompensation);
    case FretTableStatus::kNarrowsToNothing:
      return QStringLiteral("the board's taper narrows to nothing before the saddle");
    case FretTableStatus::kNotFinite:
      return QStringLiteral("the board is too large to compute");
  }
  return {};
}

// A length beyond any template (100 m) is a typing error, and its table would be all digits.
QString LengthTooLarge(const FretsRequest& req) {
  const double k = MillimetresPerUnit(req.unit);
  const FretTableInput& b = req.board;
  const bool endInUnit = b.boardEnd == BoardEndKind::kLength,
             endInMm = b.boardEnd == BoardEndKind::kPastLastFret;
  const struct {
    const char* what;
    double mm;
  } lengths[] = {{"a scale length", b.bassScale * k},
                 {"a scale length", b.trebleScale * k},
                 {"the nut width", b.nutWidth * k},
                 {"the --width-at width", b.widthAtFret * k},
                 {"the board length", endInUnit ? b.boardEndValue * k : 0.0},
                 {"the overhang", endInMm ? b.boardEndValue : 0.0},
                 {"the slot width", b.slotWidth},
                 {"the extension", req.extendMm},
                 {"the saddle compensation", b.saddleCompensation}};
  for (const auto& l : lengths)
    if (!(std::fabs(l.mm) <= kMaxDrawingMm))
      return QStringLiteral("%1 of %2 m is too large (at most %3 m)")
          .arg(QLatin1String(l.what))
          .arg(l.mm / 1000.0, 0, 'g', 4)
          .arg(kMaxDrawingMm / 1000.0);
  return {};
}

// The template options as export reads them; without -o only --unit means anything.
bool ReadOutput(const QCommandLineParser& parser, FretsRequest& req) {
  req.outPath = parser.value("output");
  if (!req.outPath.isEmpty()) {
    if (!ReadTemplateOptions(parser, QStringLiteral("frets"), req.outPath, &req.output)) return false;
    req.unit = req.output.unit;
    return true;
  }
  for (const char* name : {"format", "parts", "paper", "overlap", "dxf-version", "dxf-unit"})
    if (parser.isSet(name))
      return Fail(QStringLiteral("--%1 needs a template to write: give -o OUT").arg(name));
  if (parser.isSet("unit") && !ParseExportUnit(parser.value("unit"), &req.unit))
    return Fail(QStringLiteral("unknown unit '%1' (use cm or in)").arg(parser.value("unit")));
  return true;
}

const char kHelpNotes[] =
    "\nLengths (--scale, --nut-width, --width-at, --board-length) are in the design's unit (--unit, default "
    "cm);\n"
    "options marked mm are millimetres whatever the unit. The table is in mm for a cm design, in inches for "
    "an\n"
    "inch one. Every fret is placed from the nut, L(1 - 2^(-n/12)), measured along the centreline.\n"
    "Fanned frets: BASS is the bass edge's scale, TREBLE the treble edge's; each edge runs its own scale\n"
    "from its nut end to its saddle end, and fret N of --perpendicular is square to the centreline.\n"
    "The board tapers linearly: the nut width at the nut, the --width-at width at that fret (on a fanned\n"
    "board, where a centre string of the mean scale crosses them). The board ends\n"
    "where fret N + 1 would stand, or at --board-end FRET, --board-length L from the nut, or --overhang MM\n"
    "past the last fret (each measured along each edge, so a fanned board's end fans like a fret).\n"
    "A fret template's parts: outline (the board), centreline, frets (nut, frets, saddle and numbers),\n"
    "check and title.\n";

std::optional<FretsRequest> ReadRequest(const QStringList& args, int* exitCode) {
  *exitCode = kUsage;
  QCommandLineParser parser;
  AddOptions(parser);
  if (!ParseOrReport(parser, args)) return std::nullopt;
  if (parser.isSet("help")) {
    // Qt's first line names the executable's path; the command's own usage reads better.
    const QString options = parser.helpText().section('\n', 1);
    PrintOut(QStringLiteral("Usage: vesk-cli frets [options] [FILE]\n") + options +
             QLatin1String(kHelpNotes));
    *exitCode = kOk;
    return std::nullopt;
  }
  FretsRequest req;
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    Fail(QStringLiteral("unexpected argument '%1'").arg(files[1]));
    return std::nullopt;
  }
  if (!ReadListing(parser, req) || !ReadOutput(parser, req)) return std::nullopt;
  const auto frets = IntegerOption(parser, "frets", kDefaultFrets);
  if (!frets) return std::nullopt;
  req.board.fretCount = *frets;
  if (!ReadDesign(files.value(0), req, exitCode)) return std::nullopt;
  if (!ReadScale(parser, req) || !ReadWidths(parser, req) || !ReadBoardEnd(parser, req) ||
      !ReadMillimetres(parser, req))
    return std::nullopt;
  return req;
}

QStringList TitleLines(const FretsRequest& req, const FretReport& r) {
  const QString u = FretUnitName(r);
  const auto n = [&](double v) { return QStringLiteral("%1 %2").arg(v, 0, 'g', 12).arg(u); };
  QStringList lines{QStringLiteral("vesk design: %1").arg(req.title), QStringLiteral("Fret-slot template")};
  if (r.table.multiscale)
    lines << QStringLiteral("Scale %1 bass, %2 treble; fret %3 square")
                 .arg(n(r.input.bassScale), n(r.input.trebleScale))
                 .arg(r.input.perpendicularFret);
  else
    lines << QStringLiteral("Scale %1").arg(n(r.input.bassScale));
  lines << QStringLiteral("%1 frets; width %2 at the nut, %3 at fret %4")
               .arg(r.input.fretCount)
               .arg(n(r.input.nutWidth), n(r.input.widthAtFret))
               .arg(r.input.widthFret);
  if (r.input.slotWidth > 0.0) lines << QStringLiteral("Slots %1 wide").arg(n(r.input.slotWidth));
  if (r.input.saddleCompensation > 0.0)
    lines << QStringLiteral("Saddle compensation %1").arg(n(r.input.saddleCompensation));
  lines << QStringLiteral("Unit: %1").arg(UnitName(req.unit))
        << QStringLiteral("Check square %1").arg(CheckSquareLabel(req.unit));
  return lines;
}

// The template is drawn in the design's unit, from a table of its own so no value is rescaled.
std::optional<ExportModel> BuildTemplate(const FretsRequest& req, const FretReport& report) {
  const double mmToUnit = 1.0 / MillimetresPerUnit(req.unit);
  FretboardDrawing d;
  d.table = MakeFretTable(Scaled(req, 1.0, mmToUnit));
  if (d.table.status != FretTableStatus::kOk) {
    FretReport again = report;
    again.table = d.table;
    Fail(Refusal(again));
    return std::nullopt;
  }
  d.slotWidth = req.board.slotWidth * mmToUnit;
  d.extend = req.extendMm * mmToUnit;
  d.jointFret = report.jointFret;
  ExportModel model = BuildFretboardModel(d, req.unit, TitleLines(req, report));
  model.parts = req.output.parts;
  if (const Status size = CheckDrawingSize(model.drawing, req.unit); !size) {
    Fail(ErrorText(size.error()));
    return std::nullopt;
  }
  return model;
}

// Prints "wrote OUT (...)" unless a listing follows.
int WriteTemplate(const ExportModel& model, const FretsRequest& req) {
  const Result<RenderedTemplate> rendered = RenderTemplate(model, req.output.output);
  if (!rendered) {
    Fail(ErrorText(rendered.error()));
    return ExitCodeOf(rendered.error());
  }
  if (const Status written = CommitFile(req.outPath, rendered->bytes); !written) {
    Fail(ErrorText(written.error()));
    return kFileError;
  }
  if (!req.listing) PrintOut(QStringLiteral("wrote %1 (%2)\n").arg(req.outPath, rendered->summary));
  return kOk;
}

}  // namespace

int RunFretsCommand(const QStringList& args) {
  int exitCode = kUsage;
  const std::optional<FretsRequest> req = ReadRequest(args, &exitCode);
  if (!req) return exitCode;
  if (const QString problem = LengthTooLarge(*req); !problem.isEmpty()) {
    Fail(problem);
    return kUsage;
  }
  const FretReport report = MakeReport(*req);
  if (report.table.status != FretTableStatus::kOk) {
    Fail(Refusal(report));
    return kUsage;
  }
  if (!req->outPath.isEmpty()) {
    const std::optional<ExportModel> model = BuildTemplate(*req, report);
    if (!model) return kUsage;
    if (const int code = WriteTemplate(*model, *req); code != kOk) return code;
    if (!req->listing) return kOk;
  }
  const Listing listing = req->listing.value_or(Listing::Table);
  if (listing == Listing::Json)
    PrintOut(JsonText(FretTableJson(report)));
  else if (listing == Listing::Csv)
    PrintOut(FretTableCsv(report));
  else
    PrintOut(FretTableText(report));
  return kOk;
}

}  // namespace cli
