// A decoded picture as the tracer works on it: 8-bit BGR, upright (its orientation applied), with
// the resolution the file records.
#pragma once

#include <opencv2/core.hpp>
#include <string>
#include <string_view>

#include "geometry/result.h"
#include "trace/image_header.h"

struct Picture {
  cv::Mat bgr;                    // CV_8UC3, upright
  double dpiX = 0.0, dpiY = 0.0;  // along the upright picture's x and y; 0 when the file has none
  std::string resolutionSource;
};

// Decodes a whole PNG, JPEG or TIFF file (any bit depth, grey or colour; transparency shown over
// white). The header is read and checked first (ReadImageHeader), so a refused file never reaches
// a decoder. quietDecoders: the decoding libraries' own warnings on stderr are dropped for the time
// of the decoding (they would add lines to a program's one-line error).
Result<Picture> DecodePicture(std::string_view bytes, bool quietDecoders);
