// Decodes, finds the square, chooses the frame as TracePicture does, and shrinks for the screen.
#include "trace/picture_plane.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>

#include "trace/check_square.h"
#include "trace/picture.h"
#include "trace/plane_frame.h"

namespace {

Result<PicturePlane> Read(std::string_view bytes, double squareSideMm, int maxSide) {
  const Result<Picture> picture = DecodePicture(bytes, true);
  if (!picture.ok()) return picture.error();
  const std::optional<CheckSquare> square = FindCheckSquare(picture->bgr);
  const Result<PlaneFrame> frame = ChoosePlaneFrame(square, *picture, squareSideMm, 0.0);
  PicturePlane out;
  const int longest = std::max(picture->bgr.cols, picture->bgr.rows);
  out.shrink = longest > maxSide ? double(longest) / double(std::max(maxSide, 1)) : 1.0;
  cv::Mat shown;
  if (out.shrink > 1.0)
    cv::resize(picture->bgr, shown,
               cv::Size(std::max(1, int(picture->bgr.cols / out.shrink)),
                        std::max(1, int(picture->bgr.rows / out.shrink))),
               0.0, 0.0, cv::INTER_AREA);
  else
    shown = picture->bgr;
  cv::Mat rgb;
  cv::cvtColor(shown, rgb, cv::COLOR_BGR2RGB);
  out.shrink = double(picture->bgr.cols) / double(rgb.cols);
  out.width = rgb.cols;
  out.height = rgb.rows;
  out.rgb.resize(std::size_t(rgb.cols) * std::size_t(rgb.rows) * 3u);
  for (int y = 0; y < rgb.rows; ++y)
    std::copy_n(rgb.ptr<unsigned char>(y), std::size_t(rgb.cols) * 3u,
                out.rgb.begin() + std::ptrdiff_t(y) * rgb.cols * 3);
  out.scaled = frame.ok();
  out.scale = frame.ok() ? frame->source : frame.error().message;
  if (!frame.ok()) return out;
  // A shown pixel's corner to the file's pixel centres (at integers), then the frame's homography.
  const double sx = double(picture->bgr.cols) / rgb.cols, sy = double(picture->bgr.rows) / rgb.rows;
  const cv::Matx33d toFile(sx, 0.0, -0.5, 0.0, sy, -0.5, 0.0, 0.0, 1.0);
  const cv::Matx33d toMm = frame->toMm * toFile;
  for (int i = 0; i < 9; ++i) out.toMm[std::size_t(i)] = toMm.val[i];
  return out;
}

}  // namespace

Result<PicturePlane> ReadPicturePlane(std::string_view fileBytes, double squareSideMm, int maxSide) {
  try {
    return Read(fileBytes, squareSideMm, maxSide);
  } catch (const std::bad_alloc&) {
    return Error{"not enough memory to read the picture"};
  } catch (const cv::Exception&) {
    return Error{"the picture could not be read"};
  }
}
