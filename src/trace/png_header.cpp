// The PNG chunk walk: IHDR first, pHYs for the resolution, eXIf for the orientation, and IEND
// before the bytes run out (a truncated file has none).
#include "trace/byte_reader.h"
#include "trace/image_header_formats.h"
#include "trace/tiff_fields.h"

namespace {

constexpr double kMetresPerInch = 0.0254;
constexpr std::size_t kSignatureBytes = 8;

struct PngChunk {
  std::string_view type, data;
};

void ReadPhys(const ByteReader& chunk, ImageHeader* h) {
  // Unit 1 is the metre; 0 gives only the pixels' aspect ratio, no resolution.
  if (chunk.size() != 9 || chunk.U8(8) != 1u) return;
  h->dpiX = double(*chunk.U32(0)) * kMetresPerInch;
  h->dpiY = double(*chunk.U32(4)) * kMetresPerInch;
  h->resolutionSource = "PNG pHYs";
}

// Reads one chunk into the header; false when it is damaged.
bool ReadChunk(const PngChunk& c, bool first, ImageHeader* h) {
  const ByteReader data(c.data, true);
  if (first != (c.type == "IHDR")) return false;
  if (c.type == "IHDR") {
    if (c.data.size() != 13) return false;
    h->width = *data.U32(0);
    h->height = *data.U32(4);
  } else if (c.type == "pHYs") {
    ReadPhys(data, h);
  } else if (c.type == "eXIf") {
    const Result<TiffFields> exif = ReadTiffFields(c.data, false);
    if (exif.ok()) h->orientation = exif->orientation;
  }
  return true;
}

}  // namespace

Result<ImageHeader> ReadPngHeader(std::string_view bytes) {
  const ByteReader r(bytes, true);
  ImageHeader h;
  h.format = ImageFormat::Png;
  std::size_t pos = kSignatureBytes;
  for (bool first = true;; first = false) {
    const std::optional<std::uint32_t> length = r.U32(pos);
    if (!length || !r.Holds(pos + 8, std::size_t(*length) + 4))
      return Error{"the PNG file ends before its last chunk (truncated?)"};
    const PngChunk chunk{r.Slice(pos + 4, 4), r.Slice(pos + 8, *length)};
    if (*length > 0x7fffffffu || !ReadChunk(chunk, first, &h)) return Error{"the PNG file is damaged"};
    if (chunk.type == "IEND") return h;
    pos += 12 + std::size_t(*length);
  }
}
