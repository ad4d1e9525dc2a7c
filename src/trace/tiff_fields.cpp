// A TIFF directory walk over a ByteReader: only the first directory, every offset checked against
// the buffer, each entry read by its declared type.
#include "trace/tiff_fields.h"

#include <optional>

#include "trace/byte_reader.h"

namespace {

enum TiffTag : std::uint32_t {
  kImageWidth = 256,
  kImageLength = 257,
  kStripOffsets = 273,
  kOrientation = 274,
  kStripByteCounts = 279,
  kXResolution = 282,
  kYResolution = 283,
  kResolutionUnit = 296,
  kTileOffsets = 324,
  kTileByteCounts = 325,
};
enum TiffType : std::uint32_t { kShort = 3, kLong = 4, kRational = 5 };

struct Entry {
  std::uint32_t tag = 0, type = 0, count = 0;
  std::size_t at = 0;  // the entry's first byte
};

class Directory {
 public:
  Directory(const ByteReader& r, std::size_t at, std::uint32_t count) : m_r(r), m_at(at), m_count(count) {}

  std::optional<Entry> Find(std::uint32_t tag) const {
    for (std::uint32_t i = 0; i < m_count; ++i) {
      const std::size_t at = m_at + 2 + 12 * std::size_t(i);
      if (m_r.U16(at) == tag) return Entry{tag, *m_r.U16(at + 2), *m_r.U32(at + 4), at};
    }
    return std::nullopt;
  }

  // Element i of a SHORT or LONG array, inline when it fits in the entry's four value bytes.
  std::optional<std::uint32_t> Integer(const Entry& e, std::uint32_t i) const {
    if (i >= e.count || (e.type != kShort && e.type != kLong)) return std::nullopt;
    const std::size_t size = e.type == kShort ? 2 : 4;
    std::size_t base = e.at + 8;
    if (std::uint64_t(e.count) * size > 4) {
      const std::optional<std::uint32_t> offset = m_r.U32(e.at + 8);
      if (!offset) return std::nullopt;
      base = *offset;
    }
    const std::size_t at = base + size * std::size_t(i);
    return size == 2 ? m_r.U16(at) : m_r.U32(at);
  }

  std::optional<std::uint32_t> Integer(std::uint32_t tag) const {
    const std::optional<Entry> e = Find(tag);
    return e ? Integer(*e, 0) : std::nullopt;
  }

  // A RATIONAL's value; nullopt when absent, damaged or with a zero denominator.
  std::optional<double> Rational(std::uint32_t tag) const {
    const std::optional<Entry> e = Find(tag);
    if (!e || e->type != kRational || e->count < 1) return std::nullopt;
    const std::optional<std::uint32_t> offset = m_r.U32(e->at + 8);
    if (!offset) return std::nullopt;
    const std::optional<std::uint32_t> num = m_r.U32(*offset), den = m_r.U32(std::size_t(*offset) + 4);
    if (!num || !den || *den == 0) return std::nullopt;
    return double(*num) / double(*den);
  }

 private:
  const ByteReader& m_r;
  std::size_t m_at;
  std::uint32_t m_count;
};

// Every strip (or tile) of image data lies inside the file.
bool DataInside(const Directory& d, const ByteReader& r) {
  std::optional<Entry> offsets = d.Find(kStripOffsets), counts = d.Find(kStripByteCounts);
  if (!offsets || !counts) offsets = d.Find(kTileOffsets), counts = d.Find(kTileByteCounts);
  if (!offsets || !counts || offsets->count == 0 || offsets->count != counts->count) return false;
  for (std::uint32_t i = 0; i < offsets->count; ++i) {
    const std::optional<std::uint32_t> offset = d.Integer(*offsets, i), count = d.Integer(*counts, i);
    if (!offset || !count || !r.Holds(*offset, *count)) return false;
  }
  return true;
}

}  // namespace

double DotsPerInch(double resolution, int unit) {
  if (unit == 2) return resolution;
  if (unit == 3) return resolution * 2.54;
  return 0.0;
}

Result<TiffFields> ReadTiffFields(std::string_view tiff, bool wholeFile) {
  const bool big = tiff.substr(0, 2) == "MM";
  if (!big && tiff.substr(0, 2) != "II") return Error{"not a TIFF structure"};
  const ByteReader r(tiff, big);
  if (r.U16(2) == 43u) return Error{"BigTIFF files are not supported"};
  const std::optional<std::uint32_t> magic = r.U16(2), first = r.U32(4);
  if (magic != 42u || !first) return Error{"not a TIFF structure"};
  const std::optional<std::uint32_t> count = r.U16(*first);
  if (!count || !r.Holds(std::size_t(*first) + 2, 12 * std::size_t(*count)))
    return Error{"the TIFF directory lies outside the file (truncated?)"};

  const Directory d(r, *first, *count);
  TiffFields f;
  f.width = d.Integer(kImageWidth).value_or(0);
  f.height = d.Integer(kImageLength).value_or(0);
  const std::optional<Entry> orientation = d.Find(kOrientation);
  if (orientation && orientation->type == kShort && orientation->count == 1) {
    f.orientation = int(*d.Integer(*orientation, 0));
    f.orientationAt = orientation->at + 8;
  }
  if (f.orientation < 1 || f.orientation > 8) f.orientation = 1;
  f.bigEndian = big;
  f.resolutionX = d.Rational(kXResolution).value_or(0.0);
  f.resolutionY = d.Rational(kYResolution).value_or(0.0);
  f.resolutionUnit = int(d.Integer(kResolutionUnit).value_or(2));
  if (wholeFile && (f.width == 0 || f.height == 0)) return Error{"the TIFF file gives no picture size"};
  if (wholeFile && !DataInside(d, r)) return Error{"the TIFF file ends before its image data (truncated?)"};
  return f;
}
