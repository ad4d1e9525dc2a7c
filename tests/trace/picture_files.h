// Picture files made byte by byte for the reader's tests: OpenCV's own PNG, JPEG and TIFF, with the
// chunks, segments and tags that carry resolution and orientation put in by hand, and a small
// uncompressed TIFF written from scratch.
#pragma once

#include <opencv2/core.hpp>
#include <string>

std::string EncodedPicture(const cv::Mat& picture, const char* extension);

// A PNG with one more chunk right after IHDR (its CRC computed).
std::string WithPngChunk(const std::string& png, const std::string& type, const std::string& data);
// PNG pHYs data: dots per metre, unit 1 (metre).
std::string PhysChunk(std::uint32_t perMetreX, std::uint32_t perMetreY);

// A JPEG whose JFIF segment says the density (units 1: per inch, 2: per cm).
std::string WithJfifDensity(const std::string& jpeg, int units, int x, int y);
// A JPEG with an EXIF segment (after SOI) holding orientation and, when dpi > 0, the resolution.
std::string WithExif(const std::string& jpeg, int orientation, int dpi);
// The TIFF structure of that segment (a PNG's eXIf chunk holds the same).
std::string ExifTiff(int orientation, int dpi);

// An uncompressed 8-bit grey TIFF, big-endian, with the orientation and resolution tags.
std::string TinyTiff(const cv::Mat& grey, int orientation, int dpiX, int dpiY);

// Big-endian 16- and 32-bit values written over bytes [at, at + 2) or [at, at + 4).
void PutU16(std::string& bytes, std::size_t at, std::uint32_t value);
void PutU32(std::string& bytes, std::size_t at, std::uint32_t value);
