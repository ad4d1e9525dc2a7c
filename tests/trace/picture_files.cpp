// Byte surgery on picture files, after the formats' own layouts (PNG chunks with CRC-32, JPEG
// segments with 16-bit lengths, TIFF directories of 12-byte entries).
#include "picture_files.h"

#include <opencv2/imgcodecs.hpp>
#include <vector>

namespace {

std::uint32_t Crc32(const std::string& bytes) {
  std::uint32_t crc = 0xffffffffu;
  for (unsigned char b : bytes) {
    crc ^= b;
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

std::string U16(std::uint32_t v) {
  return {char(v >> 8), char(v)};
}
std::string U32(std::uint32_t v) {
  return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
}

// A big-endian TIFF directory entry whose value fits in its four bytes.
std::string Entry(std::uint32_t tag, std::uint32_t type, std::uint32_t count, std::uint32_t value) {
  const std::string v = type == 3 && count == 1 ? U16(value) + U16(0) : U32(value);
  return U16(tag) + U16(type) + U32(count) + v;
}

}  // namespace

void PutU16(std::string& bytes, std::size_t at, std::uint32_t value) {
  bytes.replace(at, 2, U16(value));
}
void PutU32(std::string& bytes, std::size_t at, std::uint32_t value) {
  bytes.replace(at, 4, U32(value));
}

std::string EncodedPicture(const cv::Mat& picture, const char* extension) {
  std::vector<unsigned char> bytes;
  cv::imencode(extension, picture, bytes);
  return std::string(bytes.begin(), bytes.end());
}

std::string WithPngChunk(const std::string& png, const std::string& type, const std::string& data) {
  const std::string body = type + data;
  return png.substr(0, 33) + U32(std::uint32_t(data.size())) + body + U32(Crc32(body)) + png.substr(33);
}

std::string PhysChunk(std::uint32_t perMetreX, std::uint32_t perMetreY) {
  return U32(perMetreX) + U32(perMetreY) + std::string(1, '\1');
}

std::string WithJfifDensity(const std::string& jpeg, int units, int x, int y) {
  std::string out = jpeg;
  const std::size_t at = out.find(std::string("JFIF\0", 5));
  out[at + 7] = char(units);
  PutU16(out, at + 8, std::uint32_t(x));
  PutU16(out, at + 10, std::uint32_t(y));
  return out;
}

std::string ExifTiff(int orientation, int dpi) {
  const std::uint32_t entries = dpi > 0 ? 4 : 1;
  const std::uint32_t values = 8 + 2 + 12 * entries + 4;  // the rationals follow the directory
  std::string t = "MM" + U16(42) + U32(8) + U16(entries);
  t += Entry(274, 3, 1, std::uint32_t(orientation));
  if (dpi > 0) t += Entry(282, 5, 1, values) + Entry(283, 5, 1, values + 8) + Entry(296, 3, 1, 2);
  t += U32(0);
  if (dpi > 0) t += U32(std::uint32_t(dpi)) + U32(1) + U32(std::uint32_t(dpi)) + U32(1);
  return t;
}

std::string WithExif(const std::string& jpeg, int orientation, int dpi) {
  const std::string body = std::string("Exif\0\0", 6) + ExifTiff(orientation, dpi);
  return jpeg.substr(0, 2) + "\xFF\xE1" + U16(std::uint32_t(body.size() + 2)) + body + jpeg.substr(2);
}

std::string TinyTiff(const cv::Mat& grey, int orientation, int dpiX, int dpiY) {
  const std::uint32_t entries = 12, directory = 8, rationals = directory + 2 + 12 * entries + 4;
  const std::uint32_t pixels = rationals + 16, size = std::uint32_t(grey.total());
  std::string t = "MM" + U16(42) + U32(directory) + U16(entries);
  t += Entry(256, 4, 1, std::uint32_t(grey.cols)) + Entry(257, 4, 1, std::uint32_t(grey.rows));
  t += Entry(258, 3, 1, 8) + Entry(259, 3, 1, 1) + Entry(262, 3, 1, 1) + Entry(273, 4, 1, pixels);
  t += Entry(274, 3, 1, std::uint32_t(orientation)) + Entry(277, 3, 1, 1) +
       Entry(278, 4, 1, std::uint32_t(grey.rows));
  t += Entry(279, 4, 1, size) + Entry(282, 5, 1, rationals) + Entry(283, 5, 1, rationals + 8);
  t += U32(0) + U32(std::uint32_t(dpiX)) + U32(1) + U32(std::uint32_t(dpiY)) + U32(1);
  for (int r = 0; r < grey.rows; ++r)
    t.append(reinterpret_cast<const char*>(grey.ptr(r)), std::size_t(grey.cols));
  return t;
}
