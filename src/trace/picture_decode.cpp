// OpenCV decodes (imgcodecs, with its orientation handling switched off, and a TIFF's tag set to
// upright: the header reader knows the orientation of every format and applies it here, turning the
// resolution with the picture); the samples become 8-bit BGR.
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include "trace/picture.h"
#include "trace/quiet_stderr.h"

namespace {

// Rotations and mirrors of the EXIF orientation codes 2 to 8 (1 is upright).
void ApplyOrientation(int orientation, cv::Mat& m) {
  if (orientation >= 5) cv::transpose(m, m);
  switch (orientation) {
    case 2:
    case 6:
      cv::flip(m, m, 1);
      break;
    case 3:
    case 7:
      cv::flip(m, m, -1);
      break;
    case 4:
    case 8:
      cv::flip(m, m, 0);
      break;
    default:
      break;
  }
}

// Any decoded sample type to 8 bits; false for a type the tracer cannot read.
bool ToEightBit(const cv::Mat& in, cv::Mat* out) {
  switch (in.depth()) {
    case CV_8U:
      *out = in;
      return true;
    case CV_16U:
      in.convertTo(*out, CV_8U, 1.0 / 257.0);
      return true;
    case CV_32F:
    case CV_64F:
      in.convertTo(*out, CV_8U, 255.0);
      return true;
    default:
      return false;
  }
}

// Grey, grey with alpha, colour or colour with alpha to BGR; alpha blends over white.
cv::Mat ToBgr(const cv::Mat& m) {
  cv::Mat bgr;
  if (m.channels() == 1) {
    cv::cvtColor(m, bgr, cv::COLOR_GRAY2BGR);
  } else if (m.channels() == 3) {
    bgr = m;
  } else {
    std::vector<cv::Mat> planes;
    cv::split(m, planes);
    const cv::Mat alpha = planes.back();
    planes.pop_back();
    cv::Mat colour, white(m.size(), CV_8UC3, cv::Scalar::all(255)), a3;
    cv::merge(planes, colour);
    if (colour.channels() == 1) cv::cvtColor(colour, colour, cv::COLOR_GRAY2BGR);
    cv::cvtColor(alpha, a3, cv::COLOR_GRAY2BGR);
    cv::Mat inverse = cv::Scalar::all(255) - a3;
    cv::multiply(colour, a3, colour, 1.0 / 255.0);
    cv::multiply(white, inverse, white, 1.0 / 255.0);
    bgr = colour + white;
  }
  return bgr;
}

cv::Mat Decode(std::string_view bytes) {
  const cv::Mat buffer(1, int(bytes.size()), CV_8U, const_cast<char*>(bytes.data()));
  try {
    return cv::imdecode(buffer, cv::IMREAD_UNCHANGED | cv::IMREAD_IGNORE_ORIENTATION);
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace

Result<Picture> DecodePicture(std::string_view bytes, bool quietDecoders) {
  const Result<ImageHeader> header = ReadImageHeader(bytes);
  if (!header.ok()) return header.error();
  if (bytes.size() > std::size_t(INT32_MAX)) return Error{"the file is larger than 2 GB"};
  std::string upright;
  if (header->tiffOrientationAt != 0 && header->orientation != 1) {
    upright.assign(bytes);
    upright[header->tiffOrientationAt] = header->tiffBigEndian ? '\0' : '\1';
    upright[header->tiffOrientationAt + 1] = header->tiffBigEndian ? '\1' : '\0';
    bytes = upright;
  }
  cv::Mat raw;
  {
    const QuietStderr quiet(quietDecoders);
    raw = Decode(bytes);
  }
  if (raw.empty()) return Error{"the picture data cannot be decoded (damaged?)"};
  if (std::uint32_t(raw.cols) != header->width || std::uint32_t(raw.rows) != header->height)
    return Error{"the decoded picture's size differs from its header's"};
  cv::Mat eight;
  if (!ToEightBit(raw, &eight) || eight.channels() > 4)
    return Error{"the picture's sample type is not supported"};
  Picture p;
  p.bgr = ToBgr(eight);
  ApplyOrientation(header->orientation, p.bgr);
  const bool turned = header->orientation >= 5;
  p.dpiX = turned ? header->dpiY : header->dpiX;
  p.dpiY = turned ? header->dpiX : header->dpiY;
  p.resolutionSource = header->resolutionSource;
  return p;
}
