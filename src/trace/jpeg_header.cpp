// The JPEG marker walk up to the first scan: the frame header for the size, JFIF's density and
// EXIF's orientation and resolution; then an end-of-image marker must follow the scan data (a
// truncated file has none; inside entropy-coded data 0xFF is always followed by 0x00 or a restart
// marker, so 0xFF 0xD9 there is the real end).
#include "trace/byte_reader.h"
#include "trace/image_header_formats.h"
#include "trace/tiff_fields.h"

namespace {

enum JpegMarker : std::uint32_t {
  kSof0 = 0xC0,
  kDht = 0xC4,
  kJpg = 0xC8,
  kDac = 0xCC,
  kSof15 = 0xCF,
  kRst0 = 0xD0,
  kRst7 = 0xD7,
  kEoi = 0xD9,
  kSos = 0xDA,
  kApp0 = 0xE0,
  kApp1 = 0xE1,
  kTem = 0x01,
};

bool IsFrameHeader(std::uint32_t m) {
  return m >= kSof0 && m <= kSof15 && m != kDht && m != kJpg && m != kDac;
}

struct JpegFields {
  TiffFields exif;
  bool haveExif = false;
  std::uint32_t jfifUnits = 0, jfifX = 0, jfifY = 0;
  bool haveFrame = false;
};

void ReadSegment(std::uint32_t marker, std::string_view seg, ImageHeader* h, JpegFields* f) {
  const ByteReader r(seg, true);
  if (marker == kApp0 && seg.substr(0, 5) == std::string_view("JFIF\0", 5) && r.Holds(0, 12)) {
    f->jfifUnits = *r.U8(7);
    f->jfifX = *r.U16(8);
    f->jfifY = *r.U16(10);
  } else if (marker == kApp1 && seg.substr(0, 6) == std::string_view("Exif\0\0", 6)) {
    const Result<TiffFields> exif = ReadTiffFields(seg.substr(6), false);
    if (exif.ok()) f->exif = *exif, f->haveExif = true;
  } else if (IsFrameHeader(marker) && r.Holds(0, 5) && !f->haveFrame) {
    h->height = *r.U16(1);
    h->width = *r.U16(3);
    f->haveFrame = true;
  }
}

// JFIF's density when it has a unit (1 dots per inch, 2 per centimetre), else EXIF's resolution.
void ChooseResolution(const JpegFields& f, ImageHeader* h) {
  if ((f.jfifUnits == 1 || f.jfifUnits == 2) && f.jfifX > 0 && f.jfifY > 0) {
    const double k = f.jfifUnits == 2 ? 2.54 : 1.0;
    h->dpiX = f.jfifX * k;
    h->dpiY = f.jfifY * k;
    h->resolutionSource = "JPEG JFIF density";
  } else if (f.haveExif) {
    h->dpiX = DotsPerInch(f.exif.resolutionX, f.exif.resolutionUnit);
    h->dpiY = DotsPerInch(f.exif.resolutionY, f.exif.resolutionUnit);
    if (h->dpiX > 0.0 && h->dpiY > 0.0) h->resolutionSource = "JPEG EXIF resolution";
  }
  if (f.haveExif) h->orientation = f.exif.orientation;
}

}  // namespace

Result<ImageHeader> ReadJpegHeader(std::string_view bytes) {
  const ByteReader r(bytes, true);
  ImageHeader h;
  h.format = ImageFormat::Jpeg;
  JpegFields fields;
  std::size_t pos = 2;
  for (;;) {
    const std::optional<std::uint32_t> ff = r.U8(pos), marker = r.U8(pos + 1);
    if (!ff || !marker) return Error{"the JPEG file ends before its picture data (truncated?)"};
    if (*ff != 0xFF) return Error{"the JPEG file is damaged"};
    if (*marker == 0xFF) {  // fill byte
      ++pos;
      continue;
    }
    pos += 2;
    if (*marker == kTem || (*marker >= kRst0 && *marker <= kRst7)) continue;
    if (*marker == kEoi) return Error{"the JPEG file ends before its picture data"};
    const std::optional<std::uint32_t> length = r.U16(pos);
    if (!length || *length < 2 || !r.Holds(pos, *length))
      return Error{"the JPEG file ends inside a header segment (truncated?)"};
    ReadSegment(*marker, r.Slice(pos + 2, *length - 2), &h, &fields);
    pos += *length;
    if (*marker == kSos) break;
  }
  if (!fields.haveFrame) return Error{"the JPEG file has no frame header"};
  if (bytes.find("\xFF\xD9", pos) == std::string_view::npos)
    return Error{"the JPEG file ends before its last scan is complete (truncated)"};
  ChooseResolution(fields, &h);
  return h;
}
