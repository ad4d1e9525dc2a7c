// The few fields of a TIFF directory the picture reader needs, from a TIFF file or from the TIFF
// structure inside a JPEG's EXIF segment or a PNG's eXIf chunk.
#pragma once

#include <cstdint>
#include <string_view>

#include "geometry/result.h"

struct TiffFields {
  std::uint32_t width = 0, height = 0;  // 0 when absent (EXIF need not carry them)
  int orientation = 1;
  double resolutionX = 0.0, resolutionY = 0.0;  // in resolutionUnit; 0 when absent
  int resolutionUnit = 2;                       // 1 none, 2 inch, 3 centimetre
  // Where the orientation's value lies (a SHORT in the structure's byte order), 0 when it has none.
  std::size_t orientationAt = 0;
  bool bigEndian = false;
};

// wholeFile: the bytes are a TIFF file, whose strips or tiles must lie inside it (a truncated file
// fails) and whose first directory must give a size. Otherwise the bytes are EXIF data, where a
// damaged directory only means no orientation or resolution.
Result<TiffFields> ReadTiffFields(std::string_view tiff, bool wholeFile);

// Dots per inch of a resolution in the given TIFF unit; 0 when the unit is not a length.
double DotsPerInch(double resolution, int unit);
