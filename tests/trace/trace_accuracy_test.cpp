// The trace and the match together, on pictures drawn from known designs: the matched design's half
// outline lies within each kind of picture's tolerance of the true one.
#include <gtest/gtest.h>

#include <string_view>

#include "match/match_fit.h"
#include "trace/trace_picture.h"
#include "trace_scene.h"

namespace {

struct AccuracyRow {
  Scene scene;
  double toleranceMm;
};
void PrintTo(const AccuracyRow& row, std::ostream* os) {
  *os << row.scene.name;
}

constexpr DesignShape kFullSize = {49, 18.5, 12, 14, 0, -0.25, 0, -0.5};
// Small enough for a flat-bed scanner's glass.
constexpr DesignShape kSmall = {24.5, 9.25, 6, 7, 0.02, -0.125, 0, -0.25};

std::vector<AccuracyRow> Rows() {
  return {
      {{"Scan300Tracing", kSmall, false, 300 / 25.4, 0, false, 0.0, 2.0, 0.6, 0}, 0.15},
      {{"Scan150Tracing", kSmall, false, 150 / 25.4, 0, false, 0.0, 2.0, 0.5, 0}, 0.3},
      {{"Scan150Silhouette", kSmall, true, 150 / 25.4, 0, false, 0.0, 2.0, 0.5, 0}, 0.3},
      {{"PhotoTracing", kFullSize, false, 5.0, 30, true, 0.35, 5.0, 1.0, 75}, 0.5},
      {{"PhotoSilhouette", kFullSize, true, 5.0, 30, true, 0.35, 5.0, 1.2, 75}, 0.8},
  };
}

class TraceAccuracyTest : public ::testing::TestWithParam<AccuracyRow> {};

TEST_P(TraceAccuracyTest, TheMatchedDesignLiesWithinTolerance) {
  const AccuracyRow& row = GetParam();
  const std::vector<unsigned char> file = RenderScene(row.scene);
  const Result<TraceResult> traced =
      TracePicture(std::string_view(reinterpret_cast<const char*>(file.data()), file.size()), TraceOptions{});
  ASSERT_TRUE(traced.ok()) << traced.error().message;
  EXPECT_EQ(traced->kind, row.scene.silhouette ? TracedKind::Silhouette : TracedKind::DrawnLine);
  EXPECT_EQ(traced->scaleSource, row.scene.square ? "check square" : "TIFF resolution");
  EXPECT_NEAR(traced->tiltDegrees, row.scene.tiltDegrees, 5.0);

  MatchOptions options;
  options.align = true;
  const Result<MatchResult> matched = MatchDesign(traced->points, options);
  ASSERT_TRUE(matched.ok()) << matched.error().message;
  const double rms = HalfOutlineRmsMm(row.scene.design, DesignShape::FromArray(matched->values));
  std::printf("%s: half outline %.3f mm RMS from the true one\n", row.scene.name.c_str(), rms);
  EXPECT_LT(rms, row.toleranceMm);
}

INSTANTIATE_TEST_SUITE_P(Pictures, TraceAccuracyTest, ::testing::ValuesIn(Rows()),
                         [](const ::testing::TestParamInfo<AccuracyRow>& info) {
                           return info.param.scene.name;
                         });

}  // namespace

namespace {

// The square is 4 in when the points are in inches: the same picture gives the same outline,
// 1.016 times as large in millimetres (100 mm read as 101.6).
TEST(TraceUnitTest, InchesReadTheSquareAsFourInches) {
  const Scene scene{"Scan150Square", kSmall, false, 150 / 25.4, 0, true};
  const std::vector<unsigned char> file = RenderScene(scene);
  const std::string_view bytes(reinterpret_cast<const char*>(file.data()), file.size());
  TraceOptions inches;
  inches.unitMm = 25.4;
  inches.squareSideMm = 101.6;
  const Result<TraceResult> cm = TracePicture(bytes, TraceOptions{}), in = TracePicture(bytes, inches);
  ASSERT_TRUE(cm.ok() && in.ok());
  EXPECT_EQ(cm->scaleSource, "check square");
  EXPECT_NEAR(in->width, cm->width * 10.0 * 1.016 / 25.4, 2e-3);
  EXPECT_NEAR(in->height, cm->height * 10.0 * 1.016 / 25.4, 2e-3);
}

}  // namespace
