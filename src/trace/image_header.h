// vesk_trace: scans and photos of outlines to points, on OpenCV (core, imgproc, imgcodecs,
// calib3d); no Qt. The geometry's Point2 and Result are its only ties to the rest of the program.
//
// What a picture file says about itself before any pixel is decoded: its format, size, EXIF
// orientation and recorded resolution, read by a small bounds-checked parser of the PNG, JPEG and
// TIFF headers (the decoders do not report the resolution), so that oversized and truncated files
// are refused before a decoder sees them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "geometry/result.h"

enum class ImageFormat { Png, Jpeg, Tiff };

struct ImageHeader {
  ImageFormat format = ImageFormat::Png;
  std::uint32_t width = 0, height = 0;  // as stored, before the orientation is applied
  int orientation = 1;                  // EXIF/TIFF orientation, 1 to 8; 1 is upright
  double dpiX = 0.0, dpiY = 0.0;        // as stored; 0 when the file records no resolution
  const char* resolutionSource = "";    // which field gave dpiX and dpiY
  // A TIFF's orientation value (see TiffFields): the TIFF decoder turns some pictures by it itself,
  // so it is handed a copy that says upright, and the orientation is applied the same way for all.
  std::size_t tiffOrientationAt = 0;
  bool tiffBigEndian = false;
};

// More pixels than this are refused before decoding.
inline constexpr std::uint64_t kMaxImagePixels = 100'000'000;

// The format named by the file's first bytes, whatever its name says.
std::optional<ImageFormat> SniffImageFormat(std::string_view bytes);

// The header of a whole PNG, JPEG or TIFF file. Fails with one line when the bytes are not one of
// them, when the structure is damaged or ends early (a truncated file), or when the picture is
// empty or larger than kMaxImagePixels.
Result<ImageHeader> ReadImageHeader(std::string_view bytes);
