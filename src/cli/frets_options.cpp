// Each option overrides the design's value and is checked as it is read; lengths go through the one
// length reader, in the design's unit or in millimetres as the option says.
#include "cli/frets_options.h"

#include <QCommandLineParser>

#include "cli/cli_command.h"
#include "cli/design_file.h"
#include "cli/length_option.h"

namespace cli {

const char kFretsHelpNotes[] =
    "\nLengths take a unit (648mm, 64.8cm, 25.5in, 25.5\"). A bare --scale, --nut-width, --width-at or\n"
    "--board-length is in the design's unit (--unit, default cm; without FILE the new design's values are\n"
    "converted to it); a bare MM option is millimetres. The table is in mm for a cm design, in inches for\n"
    "an inch one. Every fret is placed from the nut, L(1 - 2^(-n/12)), measured along the centreline.\n"
    "Fanned frets: BASS is the bass side's scale, TREBLE the treble side's; each runs its own scale from\n"
    "the nut to the saddle, and fret N of --perpendicular is square to the centreline.\n"
    "Strings: the scales are those of the outer strings. With --string-margin they lie that far inside\n"
    "the board's edges (at the nut and at the last fret, linear between), each fret runs through its\n"
    "places on both strings and on to the edges; without it the strings run along the edges.\n"
    "The board tapers linearly: the nut width at the nut, the --width-at width at that fret (on a fanned\n"
    "board, where a centre string of the mean scale crosses them). The board ends\n"
    "where fret N + 1 would stand, or at --board-end FRET, --board-length L from the nut, or --overhang MM\n"
    "past the last fret (each measured along each string, so a fanned board's end fans like a fret).\n"
    "The template is right-handed unless --left-handed: seen from the board's face with the nut at the\n"
    "left, the bass edge is at the bottom (at the top when left-handed).\n"
    "A fret template's parts: outline (the board), centreline, frets (nut extensions, frets, saddle and\n"
    "numbers), check and title.\n";

namespace {

class Reader {
 public:
  Reader(const QCommandLineParser& parser, FretsRequest& req) : p(parser), r(req), b(req.request.board) {}

  LengthRule Design(Usual usual) const {
    return {DesignLengthUnit(r.request.unit), usual, LengthRule::kPositive};
  }
  static LengthRule Mm() { return {LengthUnit::kMm, Usual::kAny, LengthRule::kNotNegative}; }

  Status Scale() const {
    if (p.isSet("perpendicular") && !p.value("scale").contains(','))
      return UsageError("--perpendicular", QStringLiteral("needs two scales: --scale BASS,TREBLE"));
    if (!p.isSet("scale")) return {};
    const QStringList parts = p.value("scale").split(',');
    if (parts.size() > 2)
      return UsageError("--scale", QStringLiteral("give L or BASS,TREBLE, not '%1'").arg(p.value("scale")));
    const Result<double> bass = ReadLength("--scale", parts[0], Design(Usual::kScale));
    if (!bass) return bass.error();
    const Result<double> treble =
        parts.size() == 2 ? ReadLength("--scale", parts[1], Design(Usual::kScale)) : bass;
    if (!treble) return treble.error();
    b.bassScale = *bass;
    b.trebleScale = *treble;
    if (parts.size() == 1) return {};
    if (!p.isSet("perpendicular"))
      return UsageError("--scale BASS,TREBLE",
                        QStringLiteral("needs --perpendicular N, the fret square to the centreline"));
    const Result<int> square = WholeOption(p, "perpendicular", 0);
    if (!square) return square.error();
    b.perpendicularFret = *square;
    return {};
  }

  Status Widths() const {
    const Result<double> nut = LengthOption(p, "nut-width", b.nutWidth, Design(Usual::kWidth));
    if (!nut) return nut.error();
    b.nutWidth = *nut;
    if (!p.isSet("width-at")) return {};
    const QString text = p.value("width-at");
    const QStringList parts = text.split('=');
    bool ok = false;
    const int fret = parts.value(0).trimmed().toInt(&ok);
    if (parts.size() != 2 || !ok)
      return UsageError("--width-at", QStringLiteral("give FRET=WIDTH (e.g. 12=6.2), not '%1'").arg(text));
    if (fret < 1 || fret > kMaxFrets)
      return UsageError("--width-at", NotFromTo(QString::number(fret), "1", QString::number(kMaxFrets)));
    const Result<double> width = ReadLength("--width-at", parts[1], Design(Usual::kWidth));
    if (!width) return width.error();
    b.widthFret = fret;
    b.widthAtFret = *width;
    return {};
  }

  Status BoardEnd() const {
    if (Status one = AtMostOne(p, {"board-end", "board-length", "overhang"}); !one) return one;
    if (p.isSet("board-end")) {
      const Result<double> fret = NumberOption(p, "board-end", 0.0);
      if (!fret) return fret.error();
      b.boardEnd = BoardEndKind::kAtFret;
      b.boardEndValue = *fret;
    }
    const struct {
      const char* name;
      BoardEndKind kind;
      LengthRule rule;
    } lengths[] = {{"board-length", BoardEndKind::kLength, Design(Usual::kAny)},
                   {"overhang", BoardEndKind::kPastLastFret, Mm()}};
    for (const auto& l : lengths) {
      if (!p.isSet(l.name)) continue;
      const Result<double> value = LengthOption(p, l.name, 0.0, l.rule);
      if (!value) return value.error();
      b.boardEnd = l.kind;
      b.boardEndValue = *value;
    }
    return {};
  }

  Status Millimetres() const {
    const Result<double> slot = LengthOption(p, "slot-width", 0.0, Mm());
    if (!slot) return slot.error();
    const Result<double> extend = LengthOption(p, "extend", 0.0, Mm());
    if (!extend) return extend.error();
    const Result<double> compensation = LengthOption(p, "saddle-compensation", 0.0, Mm());
    if (!compensation) return compensation.error();
    b.slotWidth = *slot;
    r.request.extendMm = *extend;
    b.saddleCompensation = *compensation;
    return Margins();
  }

  Status Margins() const {
    if (!p.isSet("string-margin")) return {};
    const QStringList parts = p.value("string-margin").split(',');
    if (parts.size() > 2)
      return UsageError("--string-margin",
                        QStringLiteral("give MM or NUT,LAST, not '%1'").arg(p.value("string-margin")));
    const Result<double> nut = ReadLength("--string-margin", parts[0], Mm());
    if (!nut) return nut.error();
    const Result<double> last = parts.size() == 2 ? ReadLength("--string-margin", parts[1], Mm()) : nut;
    if (!last) return last.error();
    b.stringMarginNut = *nut;
    b.stringMarginLast = *last;
    return {};
  }

 private:
  const QCommandLineParser& p;
  FretsRequest& r;
  FretTableInput& b;
};

Status ReadListing(const QCommandLineParser& parser, FretsRequest& req) {
  if (Status one = AtMostOne(parser, {"table", "json", "csv"}); !one) return one;
  if (parser.isSet("table")) req.listing = Listing::Table;
  if (parser.isSet("json")) req.listing = Listing::Json;
  if (parser.isSet("csv")) req.listing = Listing::Csv;
  return {};
}

// The template options as export reads them; without -o only --unit means anything.
Status ReadOutput(const QCommandLineParser& parser, FretsRequest& req) {
  req.outPath = parser.value("output");
  if (req.outPath.isEmpty()) {
    if (Status none = NoTemplateOptions(parser); !none) return none;
    const Result<ExportUnit> unit = UnitOption(parser);
    if (!unit) return unit.error();
    req.request.unit = *unit;
    return {};
  }
  const Result<TemplateRequest> output = ReadTemplateOptions(parser, req.outPath);
  if (!output) return output.error();
  req.output = *output;
  req.request.unit = output->unit;
  return {};
}

// The design's values (the new design's in the unit without FILE), which the options then override.
Status ReadDesign(const QString& path, FretsRequest& req) {
  const Result<OpenedDesign> opened = OpenDesign(path, req.request.unit);
  if (!opened) return opened.error();
  req.title = opened->title;
  TakeDesignBoard(opened->design, &req.request);
  return {};
}

Status ReadFretCount(const QCommandLineParser& parser, FretTableInput& b) {
  const Result<int> frets = WholeOption(parser, "frets", kDefaultFretCount);
  if (!frets) return frets.error();
  if (*frets < 1 || *frets > kMaxFrets)
    return UsageError("--frets", NotFromTo(parser.value("frets"), "1", QString::number(kMaxFrets)));
  b.fretCount = *frets;
  return {};
}

}  // namespace

void AddFretsOptions(QCommandLineParser& parser) {
  AddArgument(parser, QStringLiteral("FILE"),
              QStringLiteral("design file: its scale, widths and joint fret (a new design's when omitted)"),
              true);
  const QList<QCommandLineOption> options = {
      {"scale", "scale length L of the outer strings, or BASS,TREBLE for fanned frets (design unit)", "L"},
      {"perpendicular", "with two scales: the fret square to the centreline (0 = nut)", "N"},
      {"frets", "number of frets, 1 to 36 (default 19)", "N"},
      {"nut-width", "board width at the nut (design unit)", "W"},
      {"width-at",
       "board width W at fret N (default: the design's 12th-fret width at its joint fret, or at 12)", "N=W"},
      {"board-end", "the board ends where fret FRET would stand (a real number; default N + 1)", "FRET"},
      {"board-length", "the board ends L from the nut (design unit)", "L"},
      {"overhang", "the board ends MM past the last fret", "MM"},
      {"string-margin",
       "the outer strings lie MM inside the edges, or NUT,LAST: at the nut and at the last fret", "MM"},
      {"left-handed", "draw the template left-handed: the bass edge at the top (default right-handed)"},
      {"slot-width", "draw each fret as a slot this wide (mm)", "MM"},
      {"extend", "carry each fret line this far past both edges, for a mitre box (mm)", "MM"},
      {"saddle-compensation", "added to the saddle distance, never to a fret (mm)", "MM"},
      {"table", "print the table rounded to 0.001 mm (0.0001 in) (default)"},
      {"json", "print the table as JSON, every value at full precision"},
      {"csv", "print the table as CSV, every value at full precision"},
  };
  parser.addOptions(options);
  parser.addOption({{"o", "output"}, "write a true-scale fret-slot template: .svg, .dxf or .pdf", "OUT"});
  // --unit, --format, --parts, --paper, --overlap, --dxf-version, --dxf-unit: as export has them.
  AddTemplateOptions(parser);
}

Result<FretsRequest> ReadFretsRequest(const QCommandLineParser& parser) {
  FretsRequest req;
  for (const QString& name : parser.optionNames()) req.given.insert(name, parser.value(name));
  const Result<QString> file = OneArgument(parser, QStringLiteral("FILE"), true);
  if (!file) return file.error();
  for (const Status& s :
       {ReadListing(parser, req), ReadOutput(parser, req), ReadFretCount(parser, req.request.board)})
    if (!s) return s.error();
  req.request.hand = parser.isSet("left-handed") ? Handedness::kLeft : Handedness::kRight;
  if (const Status design = ReadDesign(*file, req); !design) return design.error();
  const Reader read(parser, req);
  for (const auto step : {&Reader::Scale, &Reader::Widths, &Reader::BoardEnd, &Reader::Millimetres})
    if (const Status s = (read.*step)(); !s) return s.error();
  return req;
}

}  // namespace cli
