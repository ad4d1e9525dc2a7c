// vesk-cli render [FILE] [-o OUT.png] [--size WxH] [--vertical] [--fingerboard] [--data] [--layout-json]
// A new design when FILE is omitted. The client area is the image: 800x600 unless --size says otherwise.
#include "cli/cmd_render.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QImage>
#include <QImageWriter>
#include <QRegularExpression>
#include <QSize>

#include "cli/cli_command.h"
#include "cli/design_file.h"
#include "cli/json_output.h"
#include "document/veskdoc.h"
#include "drawing/design_painter.h"
#include "framework/atomic_file.h"
#include "framework/error_text.h"
#include "geometry/fit_failure.h"
#include "geometry/fit_shape.h"

namespace cli {

namespace {

// Larger pictures would need more than 256 MiB; no screen needs them.
constexpr int kMaxSide = 16384;
constexpr long long kMaxPixels = 8192LL * 8192LL;

struct RenderRequest {
  QString input, output;  // output empty: no PNG
  QSize size{800, 600};
  ViewFlags flags;
  bool layoutJson = false;
};

void AddOptions(QCommandLineParser& parser) {
  AddArgument(parser, QStringLiteral("FILE"), QStringLiteral("design file (a new design when omitted)"),
              true);
  parser.addOption(
      {{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("PNG file"), QStringLiteral("file")});
  parser.addOption(
      {QStringLiteral("size"), QStringLiteral("client area (default 800x600)"), QStringLiteral("WxH")});
  parser.addOption({QStringLiteral("vertical"), QStringLiteral("whole body, standing")});
  parser.addOption({QStringLiteral("fingerboard"), QStringLiteral("show the fingerboard")});
  parser.addOption({QStringLiteral("data"), QStringLiteral("show the data lines")});
  parser.addOption({QStringLiteral("layout-json"), QStringLiteral("print the layout as JSON")});
}

Result<QSize> ParseSize(const QString& text) {
  static const QRegularExpression pattern(QStringLiteral("^(\\d{1,9})x(\\d{1,9})$"));
  const QRegularExpressionMatch match = pattern.match(text);
  if (!match.hasMatch())
    return UsageError("--size",
                      QStringLiteral("'%1' is not WIDTHxHEIGHT in whole pixels (e.g. 800x600)").arg(text));
  const int w = match.captured(1).toInt();
  const int h = match.captured(2).toInt();
  if (w > kMaxSide || h > kMaxSide || static_cast<long long>(w) * h > kMaxPixels)
    return UsageError("--size",
                      QStringLiteral("%1x%2 is too large (at most %3 pixels a side and %4 pixels in all)")
                          .arg(w)
                          .arg(h)
                          .arg(kMaxSide)
                          .arg(kMaxPixels));
  return QSize(w, h);
}

Result<RenderRequest> ReadRequest(const QCommandLineParser& parser) {
  RenderRequest req;
  const Result<QString> input = OneArgument(parser, QStringLiteral("FILE"), true);
  if (!input) return input.error();
  req.input = *input;
  req.output = parser.value("output");
  req.layoutJson = parser.isSet("layout-json");
  if (req.output.isEmpty() && !req.layoutJson)
    return UsageError(QStringLiteral("-o OUT.png or --layout-json"),
                      Missing() + QStringLiteral(": give either or both"));
  if (parser.isSet("size")) {
    const Result<QSize> size = ParseSize(parser.value("size"));
    if (!size) return size.error();
    req.size = *size;
  }
  if (!req.output.isEmpty() && req.size.isEmpty())
    return UsageError("--size", QStringLiteral("a %1x%2 image has no pixels to save as PNG")
                                    .arg(req.size.width())
                                    .arg(req.size.height()));
  req.flags.vertical = parser.isSet("vertical") ? 1 : 0;
  req.flags.showFingerboard = parser.isSet("fingerboard") ? 1 : 0;
  req.flags.showData = parser.isSet("data") ? 1 : 0;
  return req;
}

// Encoded in memory, then written whole, so that a failed write leaves any old file whole.
Status SavePng(const QImage& image, const QString& path) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  QString cause;
  if (!writer.write(image))
    cause = writer.errorString();
  else if (const Status saved = CommitWholeFile(path, buffer.data()); !saved)
    cause = ErrorText(saved.error());
  if (cause.isEmpty()) return {};
  return ErrorFrom(QStringLiteral("%1: cannot be written: %2").arg(path, cause));
}

JsonObject LayoutJson(const ViewLayout& layout, const FittedOutline& outline) {
  return JsonObject{
      {"scale", layout.scale},        {"offsetX", layout.offsetX},
      {"offsetY", layout.offsetY},    {"angleStep", AngleStep(layout.scale, outline.SideLength(1.0))},
      {"fitValid", outline.fitValid},
  };
}

// The view's paint of the design into an image of the client area (none for an empty one).
Result<QImage> Paint(const RenderRequest& req, const Design& design, const FittedOutline& outline,
                     ViewLayout* layout) {
  QImage image;
  if (!req.size.isEmpty()) {
    image = QImage(req.size, QImage::Format_RGB32);
    if (image.isNull())
      return UsageError(
          "--size",
          QStringLiteral("not enough memory for a %1x%2 image").arg(req.size.width()).arg(req.size.height()));
  }
  // The paint reads a document's fields, as the window's does.
  CVeskDoc doc;
  doc.SetDesign(design);
  doc.m_fitValid = outline.fitValid;
  PaintDesignInto(&image, &doc, outline, req.flags, layout);
  return image;
}

}  // namespace

int RunRenderCommand(const QStringList& args) {
  QCommandLineParser parser;
  AddOptions(parser);
  if (!ParseOrReport(parser, args)) return kUsage;
  const Result<RenderRequest> req = ReadRequest(parser);
  if (!req) return Report(req.error());
  const Result<OpenedDesign> opened = OpenDesign(req->input);
  if (!opened) return Report(opened.error());
  const FittedOutline outline = FitOutline(opened->design.shape);
  ViewLayout layout;
  const Result<QImage> image = Paint(*req, opened->design, outline, &layout);
  if (!image) return Report(image.error());

  if (req->layoutJson) PrintOut(JsonText(LayoutJson(layout, outline)));
  if (!req->output.isEmpty())
    if (const Status saved = SavePng(*image, req->output); !saved) return Report(saved.error());
  if (!outline.Valid()) {
    Error error = NoFitError(opened->design.shape, outline);
    error.message += "; the picture shows no outline";
    return Report(error);
  }
  return kOk;
}

}  // namespace cli
