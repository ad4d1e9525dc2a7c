// The picture reader: the resolution each format records, the orientation applied, every sample
// type made 8-bit BGR, and damaged, truncated and oversized files refused with one line.
#include <gtest/gtest.h>

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include "picture_files.h"
#include "trace/image_header.h"
#include "trace/picture.h"

namespace {

// 48 x 32, bright in its top-left quarter only: any turn or mirror shows.
cv::Mat Upright() {
  cv::Mat m(32, 48, CV_8UC3, cv::Scalar::all(20));
  m(cv::Rect(0, 0, 24, 16)).setTo(cv::Scalar::all(230));
  return m;
}

struct FileRow {
  std::string name;
  std::string bytes;
  double dpiX, dpiY;
  std::string source;
};
void PrintTo(const FileRow& row, std::ostream* os) {
  *os << row.name;
}

std::vector<FileRow> ResolutionRows() {
  const std::string png = EncodedPicture(Upright(), ".png"), jpeg = EncodedPicture(Upright(), ".jpg");
  cv::Mat grey;
  cv::cvtColor(Upright(), grey, cv::COLOR_BGR2GRAY);
  return {
      {"PngPhys", WithPngChunk(png, "pHYs", PhysChunk(11811, 5906)), 11811 * 0.0254, 5906 * 0.0254,
       "PNG pHYs"},
      {"PngWithout", png, 0, 0, ""},
      {"JpegJfifPerInch", WithJfifDensity(jpeg, 1, 300, 150), 300, 150, "JPEG JFIF density"},
      {"JpegJfifPerCm", WithJfifDensity(jpeg, 2, 118, 118), 118 * 2.54, 118 * 2.54, "JPEG JFIF density"},
      {"JpegExifBesideAspectOnlyJfif", WithExif(jpeg, 1, 200), 200, 200, "JPEG EXIF resolution"},
      {"TiffTags", TinyTiff(grey, 1, 600, 300), 600, 300, "TIFF resolution"},
  };
}

class ResolutionTest : public ::testing::TestWithParam<FileRow> {};

TEST_P(ResolutionTest, TheRecordedResolutionIsRead) {
  const FileRow& row = GetParam();
  const Result<Picture> p = DecodePicture(row.bytes, false);
  ASSERT_TRUE(p.ok()) << p.error().message;
  EXPECT_DOUBLE_EQ(p->dpiX, row.dpiX);
  EXPECT_DOUBLE_EQ(p->dpiY, row.dpiY);
  EXPECT_EQ(p->resolutionSource, row.source);
  EXPECT_EQ(p->bgr.size(), cv::Size(48, 32));
}

INSTANTIATE_TEST_SUITE_P(Files, ResolutionTest, ::testing::ValuesIn(ResolutionRows()),
                         [](const ::testing::TestParamInfo<FileRow>& info) { return info.param.name; });

// The picture as stored for each orientation code, so that applying the code shows Upright().
cv::Mat Stored(int orientation) {
  cv::Mat m = Upright();
  switch (orientation) {
    case 2:
      cv::flip(m, m, 1);
      break;
    case 3:
      cv::flip(m, m, -1);
      break;
    case 4:
      cv::flip(m, m, 0);
      break;
    case 5:
      cv::transpose(m, m);
      break;
    case 6:
      cv::rotate(m, m, cv::ROTATE_90_COUNTERCLOCKWISE);
      break;
    case 7:
      cv::transpose(m, m), cv::flip(m, m, -1);
      break;
    case 8:
      cv::rotate(m, m, cv::ROTATE_90_CLOCKWISE);
      break;
    default:
      break;
  }
  return m;
}

struct OrientationRow {
  std::string name;
  std::string bytes;
};
void PrintTo(const OrientationRow& row, std::ostream* os) {
  *os << row.name;
}

std::vector<OrientationRow> OrientationRows() {
  std::vector<OrientationRow> rows;
  for (int o : {3, 6, 8})
    rows.push_back({"JpegExif" + std::to_string(o), WithExif(EncodedPicture(Stored(o), ".jpg"), o, 0)});
  rows.push_back({"PngExif5", WithPngChunk(EncodedPicture(Stored(5), ".png"), "eXIf", ExifTiff(5, 0))});
  for (int o : {2, 7}) {
    cv::Mat grey;
    cv::cvtColor(Stored(o), grey, cv::COLOR_BGR2GRAY);
    rows.push_back({"Tiff" + std::to_string(o), TinyTiff(grey, o, 300, 300)});
  }
  return rows;
}

class OrientationTest : public ::testing::TestWithParam<OrientationRow> {};

TEST_P(OrientationTest, ThePictureComesOutUpright) {
  const Result<Picture> p = DecodePicture(GetParam().bytes, false);
  ASSERT_TRUE(p.ok()) << p.error().message;
  ASSERT_EQ(p->bgr.size(), cv::Size(48, 32));
  cv::Mat difference;
  cv::absdiff(p->bgr, Upright(), difference);
  EXPECT_LT(cv::mean(difference)[0], 8.0);  // JPEG's own error is a few levels
}

INSTANTIATE_TEST_SUITE_P(Files, OrientationTest, ::testing::ValuesIn(OrientationRows()),
                         [](const ::testing::TestParamInfo<OrientationRow>& info) {
                           return info.param.name;
                         });

TEST(PictureReaderTest, ATurnedPictureTurnsItsResolutionToo) {
  cv::Mat grey;
  cv::cvtColor(Stored(6), grey, cv::COLOR_BGR2GRAY);
  const Result<Picture> p = DecodePicture(TinyTiff(grey, 6, 600, 300), false);
  ASSERT_TRUE(p.ok()) << p.error().message;
  EXPECT_EQ(p->dpiX, 300.0);
  EXPECT_EQ(p->dpiY, 600.0);
}

struct BadRow {
  std::string name;
  std::string bytes;
  std::string why;  // what the one-line error says
};
void PrintTo(const BadRow& row, std::ostream* os) {
  *os << row.name;
}

std::string Resized(std::string bytes, std::size_t widthAt, std::uint32_t width, std::uint32_t height,
                    bool wide) {
  wide ? PutU32(bytes, widthAt, width) : PutU16(bytes, widthAt, width);
  wide ? PutU32(bytes, widthAt + 4, height) : PutU16(bytes, widthAt - 2, height);
  return bytes;
}

std::vector<BadRow> BadRows() {
  const std::string png = EncodedPicture(Upright(), ".png"), jpeg = EncodedPicture(Upright(), ".jpg");
  cv::Mat grey(32, 48, CV_8U, cv::Scalar(128));
  const std::string tiff = TinyTiff(grey, 1, 300, 300);
  const std::size_t sof = jpeg.find("\xFF\xC0") + 7;  // the frame header's width
  // A PNG's IHDR is checked by its CRC only when decoded: the size is refused before that.
  std::string bigPng = Resized(png, 16, 10001, 10001, true), bigTiff = tiff;
  PutU32(bigTiff, 10 + 8, 20000), PutU32(bigTiff, 10 + 12 + 8, 20000);
  std::string bigTiffFormat = tiff;
  PutU16(bigTiffFormat, 2, 43);
  std::string emptyPng = Resized(png, 16, 0, 32, true);
  return {
      {"NotAPicture", "GIF89a\x01\x00\x01\x00", "not a PNG, JPEG or TIFF picture"},
      {"Empty", "", "not a PNG, JPEG or TIFF picture"},
      {"TruncatedPng", png.substr(0, png.size() / 2), "truncated"},
      {"TruncatedJpeg", jpeg.substr(0, jpeg.size() * 3 / 4), "truncated"},
      {"TruncatedTiff", tiff.substr(0, tiff.size() - 100), "truncated"},
      {"TruncatedTiffDirectory", tiff.substr(0, 40), "truncated"},
      {"PngOver100Megapixels", bigPng, "10001 x 10001 pixels: more than the limit of 100 megapixels"},
      {"JpegOver100Megapixels", Resized(jpeg, sof, 20000, 20000, false),
       "more than the limit of 100 megapixels"},
      {"TiffOver100Megapixels", bigTiff, "more than the limit of 100 megapixels"},
      {"BigTiff", bigTiffFormat, "BigTIFF"},
      {"NoPixels", emptyPng, "empty"},
      {"PngDataDamaged",
       png.substr(0, png.size() - 40) + std::string(28, '\x55') + png.substr(png.size() - 12),
       "cannot be decoded"},
  };
}

class BadPictureTest : public ::testing::TestWithParam<BadRow> {};

TEST_P(BadPictureTest, IsRefusedWithOneLine) {
  const BadRow& row = GetParam();
  const Result<Picture> p = DecodePicture(row.bytes, true);
  ASSERT_FALSE(p.ok());
  EXPECT_NE(p.error().message.find(row.why), std::string::npos) << p.error().message;
  EXPECT_EQ(p.error().message.find('\n'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Files, BadPictureTest, ::testing::ValuesIn(BadRows()),
                         [](const ::testing::TestParamInfo<BadRow>& info) { return info.param.name; });

struct SampleRow {
  std::string name;
  cv::Mat stored;
  cv::Vec3b want;  // every pixel, as 8-bit BGR
};
void PrintTo(const SampleRow& row, std::ostream* os) {
  *os << row.name;
}

std::vector<SampleRow> SampleRows() {
  return {
      {"Grey8", cv::Mat(8, 8, CV_8U, cv::Scalar(77)), {77, 77, 77}},
      {"Colour16", cv::Mat(8, 8, CV_16UC3, cv::Scalar(0x1111, 0x8080, 0xffff)), {0x11, 0x80, 0xff}},
      {"Grey16", cv::Mat(8, 8, CV_16U, cv::Scalar(0x4040)), {0x40, 0x40, 0x40}},
      {"TransparentOverWhite", cv::Mat(8, 8, CV_8UC4, cv::Scalar(0, 0, 0, 0)), {255, 255, 255}},
      {"HalfTransparentRed", cv::Mat(8, 8, CV_8UC4, cv::Scalar(0, 0, 255, 128)), {127, 127, 255}},
  };
}

class SampleTypeTest : public ::testing::TestWithParam<SampleRow> {};

TEST_P(SampleTypeTest, BecomesEightBitColour) {
  const SampleRow& row = GetParam();
  for (const char* extension : {".png", ".tif"}) {
    const Result<Picture> p = DecodePicture(EncodedPicture(row.stored, extension), false);
    ASSERT_TRUE(p.ok()) << extension << ": " << p.error().message;
    ASSERT_EQ(p->bgr.type(), CV_8UC3);
    const cv::Vec3b got = p->bgr.at<cv::Vec3b>(4, 4);
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(got[k], row.want[k], 1) << extension << " channel " << k;
  }
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleTypeTest, ::testing::ValuesIn(SampleRows()),
                         [](const ::testing::TestParamInfo<SampleRow>& info) { return info.param.name; });

}  // namespace
