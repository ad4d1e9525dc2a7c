// The checks: the header reader, the decoder and the trace either fail with one line or give what
// they promise (a size within the limit, an 8-bit colour picture of the header's size turned by its
// orientation, finite points). Pictures over a megapixel stop after the header, so that every input
// stays quick.
#include "images_harness.h"

#include <cmath>

#include "trace/image_header.h"
#include "trace/picture.h"
#include "trace/trace_picture.h"

namespace {

constexpr std::uint64_t kMaxFuzzPixels = 1u << 20;

std::string OneLine(const char* what, const Error& e) {
  if (e.message.empty()) return std::string(what) + ": an empty error";
  if (e.message.find('\n') != std::string::npos)
    return std::string(what) + ": an error of more than one line";
  return {};
}

std::string CheckPicture(const ImageHeader& h, const Result<Picture>& p) {
  if (!p.ok()) return OneLine("decode", p.error());
  const bool turned = h.orientation >= 5;
  const int width = int(turned ? h.height : h.width), height = int(turned ? h.width : h.height);
  if (p->bgr.type() != CV_8UC3 || p->bgr.cols != width || p->bgr.rows != height)
    return "decode: not an 8-bit colour picture of the header's size";
  if (!(p->dpiX >= 0.0 && p->dpiY >= 0.0 && std::isfinite(p->dpiX) && std::isfinite(p->dpiY)))
    return "decode: a resolution that is not a finite number >= 0";
  return {};
}

std::string CheckTrace(const Result<TraceResult>& t) {
  if (!t.ok()) return OneLine("trace", t.error());
  if (t->points.size() < 3) return "trace: fewer than three points";
  for (const Point2& p : t->points)
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return "trace: a point that is not finite";
  if (!std::isfinite(t->pixelsPerMm) || !std::isfinite(t->tiltDegrees))
    return "trace: a report that is not finite";
  return {};
}

}  // namespace

std::string RunImageInput(std::string_view bytes) {
  const Result<ImageHeader> h = ReadImageHeader(bytes);
  if (!h.ok()) return OneLine("header", h.error());
  if (std::uint64_t(h->width) * h->height > kMaxImagePixels) return "header: a size over the limit";
  if (std::uint64_t(h->width) * h->height > kMaxFuzzPixels) return {};
  std::string broken = CheckPicture(*h, DecodePicture(bytes, false));
  if (!broken.empty()) return broken;
  TraceOptions options;
  options.overlay = true;
  const Result<TraceResult> traced = TracePicture(bytes, options);
  broken = CheckTrace(traced);
  // Without a square or a resolution of its own, the picture is traced again at 1 pixel a millimetre.
  if (!broken.empty() || traced.ok() || traced.error().message.rfind("no scale", 0) != 0) return broken;
  options.dpi = 25.4;
  return CheckTrace(TracePicture(bytes, options));
}
