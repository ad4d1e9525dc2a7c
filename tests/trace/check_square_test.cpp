// The check square's corners, found in pictures drawn with a known square.
#include "trace/check_square.h"

#include <gtest/gtest.h>

#include <opencv2/imgcodecs.hpp>

#include "trace_scene.h"

namespace {

struct SquareRow {
  Scene scene;
  double tolerancePixels;
};
void PrintTo(const SquareRow& row, std::ostream* os) {
  *os << row.scene.name;
}

constexpr DesignShape kSmall = {24.5, 9.25, 6, 7, 0.02, -0.125, 0, -0.25};

std::vector<SquareRow> Rows() {
  return {
      {{"Scan150", kSmall, false, 150 / 25.4, 0, true}, 0.1},
      {{"PhotoClean", kSmall, false, 5.0, 30, true}, 0.1},
      {{"PhotoJpeg", kSmall, false, 5.0, 30, true, 0.35, 5.0, 1.0, 75}, 0.1},
  };
}

class CheckSquareTest : public ::testing::TestWithParam<SquareRow> {};

TEST_P(CheckSquareTest, CornersLieWhereTheSquareWasDrawn) {
  const SquareRow& row = GetParam();
  const std::vector<unsigned char> file = RenderScene(row.scene);
  const cv::Mat picture = cv::imdecode(file, cv::IMREAD_COLOR);
  const std::optional<CheckSquare> found = FindCheckSquare(picture);
  ASSERT_TRUE(found.has_value());
  const auto want = SquareCorners(row.scene);
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_NEAR(found->corners[k].x, want[k][0], row.tolerancePixels) << "corner " << k;
    EXPECT_NEAR(found->corners[k].y, want[k][1], row.tolerancePixels) << "corner " << k;
  }
}

INSTANTIATE_TEST_SUITE_P(Pictures, CheckSquareTest, ::testing::ValuesIn(Rows()),
                         [](const ::testing::TestParamInfo<SquareRow>& info) {
                           return info.param.scene.name;
                         });

}  // namespace
