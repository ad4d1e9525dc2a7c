// vesk-cli render [FILE] [-o OUT.png] [--size WxH] [--vertical] [--fingerboard] [--data] [--layout-json]
// A new design when FILE is omitted. The client area is the image: 800x600 unless --size says otherwise.
#include "cli/cmd_render.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QImage>
#include <QImageWriter>
#include <QRegularExpression>
#include <QSize>
#include <optional>

#include "cli/cli_command.h"
#include "cli/design_file.h"
#include "cli/json_output.h"
#include "document/veskdoc.h"
#include "drawing/design_painter.h"
#include "framework/atomic_file.h"
#include "framework/error_text.h"
#include "geometry/fit_shape.h"

namespace cli {

namespace {

// Larger pictures would need more than 256 MiB; no screen needs them.
constexpr int kMaxSide = 16384;
constexpr long long kMaxPixels = 8192LL * 8192LL;

std::optional<QSize> ParseSize(const QString& text) {
  static const QRegularExpression pattern(QStringLiteral("^(\\d{1,9})x(\\d{1,9})$"));
  const QRegularExpressionMatch match = pattern.match(text);
  if (!match.hasMatch()) {
    PrintError(
        QStringLiteral("render: --size '%1' is not WIDTHxHEIGHT in whole pixels (e.g. 800x600)").arg(text));
    return std::nullopt;
  }
  const int w = match.captured(1).toInt();
  const int h = match.captured(2).toInt();
  if (w > kMaxSide || h > kMaxSide || static_cast<long long>(w) * h > kMaxPixels) {
    PrintError(
        QStringLiteral("render: --size %1x%2 is too large (at most %3 pixels a side and %4 pixels in all)")
            .arg(w)
            .arg(h)
            .arg(kMaxSide)
            .arg(kMaxPixels));
    return std::nullopt;
  }
  return QSize(w, h);
}

// Encoded in memory, then written whole, so that a failed write leaves any old file whole.
bool SavePng(const QImage& image, const QString& path) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  QString cause;
  if (!writer.write(image))
    cause = writer.errorString();
  else if (const Status saved = CommitWholeFile(path, buffer.data()); !saved)
    cause = ErrorText(saved.error());
  if (cause.isEmpty()) return true;
  PrintError(QStringLiteral("%1: cannot be written: %2").arg(path, cause));
  return false;
}

JsonObject LayoutJson(const ViewLayout& layout, const FittedOutline& outline) {
  return JsonObject{
      {"scale", layout.scale},        {"offsetX", layout.offsetX},
      {"offsetY", layout.offsetY},    {"angleStep", AngleStep(layout.scale, outline.SideLength(1.0))},
      {"fitValid", outline.fitValid},
  };
}

}  // namespace

int RunRenderCommand(const QStringList& args) {
  QCommandLineParser parser;
  parser.addOption(
      {{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("PNG file"), QStringLiteral("file")});
  parser.addOption({QStringLiteral("size"), QStringLiteral("client area"), QStringLiteral("WxH")});
  parser.addOption({QStringLiteral("vertical"), QStringLiteral("whole body, standing")});
  parser.addOption({QStringLiteral("fingerboard"), QStringLiteral("show the fingerboard")});
  parser.addOption({QStringLiteral("data"), QStringLiteral("show the data lines")});
  parser.addOption({QStringLiteral("layout-json"), QStringLiteral("print the layout as JSON")});
  if (!ParseOrReport(parser, args)) return kUsage;
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    PrintError(QStringLiteral("render: unexpected argument '%1'").arg(files[1]));
    return kUsage;
  }
  const bool writePng = parser.isSet("output");
  if (!writePng && !parser.isSet("layout-json")) {
    PrintError(QStringLiteral("render: give -o OUT.png, --layout-json or both"));
    return kUsage;
  }
  const auto size = ParseSize(parser.isSet("size") ? parser.value("size") : QStringLiteral("800x600"));
  if (!size) return kUsage;
  if (writePng && size->isEmpty()) {
    PrintError(QStringLiteral("render: a %1x%2 image has no pixels to save as PNG")
                   .arg(size->width())
                   .arg(size->height()));
    return kUsage;
  }

  const std::optional<OpenedDesign> opened = OpenDesign(files.value(0));
  if (!opened) return kFileError;
  const FittedOutline outline = FitOutline(opened->design.shape);
  // The paint reads a document's fields, as the window's does.
  CVeskDoc doc;
  doc.SetDesign(opened->design);
  doc.m_fitValid = outline.fitValid;

  ViewFlags flags;
  flags.vertical = parser.isSet("vertical") ? 1 : 0;
  flags.showFingerboard = parser.isSet("fingerboard") ? 1 : 0;
  flags.showData = parser.isSet("data") ? 1 : 0;

  QImage image;
  if (!size->isEmpty()) {
    image = QImage(*size, QImage::Format_RGB32);
    if (image.isNull()) {
      PrintError(QStringLiteral("render: not enough memory for a %1x%2 image")
                     .arg(size->width())
                     .arg(size->height()));
      return kUsage;
    }
  }
  ViewLayout layout;
  PaintDesignInto(&image, &doc, outline, flags, &layout);

  if (parser.isSet("layout-json")) PrintOut(JsonText(LayoutJson(layout, outline)));
  if (writePng && !SavePng(image, parser.value("output"))) return kFileError;
  if (!outline.Valid()) {
    PrintError(QStringLiteral("render: the design does not fit; the picture shows no outline"));
    return kFitFailed;
  }
  return kOk;
}

}  // namespace cli
