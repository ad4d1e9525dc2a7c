// The search: the default match reaches the best the outline family reaches on the points, as an
// expensive reference search finds it (many starts, on and off the family's limit); stray points
// are left out without moving the fit; a caller can follow and stop it.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <random>

#include "geometry/math_constants.h"
#include "match/match_fit.h"
#include "match/match_start.h"
#include "match_samples.h"

namespace {

// Half-widths of an outline of another family, with the neck end at x = 0: u from 0 to 1 along the
// body, sampled densely near the ends as a trace is.
using Profile = double (*)(double u, double s);

std::vector<Point2> ProfileOutline(Profile y, double length, int n, bool bothSides) {
  std::vector<Point2> points;
  for (int i = 0; i < n; ++i) {
    const double s = kPi * i / (n - 1), u = 0.5 * (1.0 - std::cos(s));
    points.push_back({length * u, y(u, s)});
    if (bothSides && i > 0 && i < n - 1) points.push_back({length * u, -y(u, s)});
  }
  return points;
}

double Dreadnought(double u, double) {
  return 2.0 * std::sqrt(u * (1.0 - u)) * (14.0 + 7.0 * u - 6.5 * std::exp(-std::pow((u - 0.45) / 0.12, 2)));
}
double Oval(double, double s) {
  return 17.0 * std::sin(s);
}
double Mandolin(double, double s) {  // a teardrop, widest toward the tail
  return 17.0 * std::sin(s) * (0.75 - 0.25 * std::cos(s));
}

struct BestFitCase {
  std::string name;
  std::vector<Point2> points;  // in the design's frame
  bool align;
  double degrees;  // the points turned by this (and shifted) when aligned
  bool waist;      // whether the points have one
};
void PrintTo(const BestFitCase& c, std::ostream* os) {
  *os << c.name;
}

double RmsOfAll(const MatchResult& r) {
  double sum = 0.0;
  for (const PointMatch& p : r.points) sum += p.distance * p.distance;
  return std::sqrt(sum / double(r.points.size()));
}

// Many runs of the plain least-squares fit: from the default's answer and the truth's motion
// shaken, from values read off the points with random a3..a6, and along the limit near each bout.
double ReferenceRms(const std::vector<Point2>& points, const MatchResult& found, bool align,
                    const RigidMotion& truth) {
  MatchOptions options;
  options.align = align;
  options.keepAll = true;
  std::mt19937 random(11);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  double best = RmsOfAll(found);
  const auto run = [&](const DesignValues& start, const RigidMotion& motion,
                       std::optional<WaistLimit> limit) {
    const Result<MatchResult> r = MatchFrom(points, options, start, motion, limit);
    if (r.ok()) best = std::fmin(best, RmsOfAll(*r));
  };
  const DesignValues readOff = ReadOffStart(points, {}, false);
  for (int k = 0; k < 12; ++k) {
    const DesignValues& base = k % 2 == 0 ? found.values : readOff;
    DesignValues v = base;
    for (int j = 0; j < 4; ++j) v[j] *= 1.0 + 0.15 * unit(random);
    for (int j = 4; j < 8; ++j) v[j] = base[j] + 0.01 * base[0] * unit(random);
    RigidMotion m = k % 4 < 2 ? found.motion : truth;
    m.angle += align ? 0.05 * unit(random) : 0.0;
    run(v, m, std::nullopt);
  }
  for (int bout : {1, 3})
    for (double depth : {0.02, 0.004, 0.001, 0.0003, 0.0001})
      run(found.values, found.motion, WaistLimit{bout, depth});
  return best;
}

class BestFitTest : public ::testing::TestWithParam<BestFitCase> {};

TEST_P(BestFitTest, TheDefaultRunReachesTheFamilysBest) {
  const BestFitCase& c = GetParam();
  const Point2 shift{7.0, -12.0};
  const std::vector<Point2> points = c.align ? Turned(c.points, c.degrees, shift) : c.points;
  MatchOptions options;
  options.align = c.align;
  const Result<MatchResult> r = MatchDesign(points, options);
  ASSERT_TRUE(r.ok()) << r.error().message;
  // The motion that undoes the turn: the reference may start from it.
  RigidMotion truth;
  truth.angle = -c.degrees * kPi / 180.0;
  truth.shift = {-(std::cos(truth.angle) * shift.x - std::sin(truth.angle) * shift.y),
                 -(std::sin(truth.angle) * shift.x + std::cos(truth.angle) * shift.y)};
  const double reference = ReferenceRms(points, *r, c.align, truth);
  // Exact samples fit to rounding: below a nanometre a metre, the ratio would compare noise.
  const double ratio = RmsOfAll(*r) / std::fmax(reference, 1e-9 * r->values[0]);
  std::printf("[ measured ] %s: rms %.6g, reference %.6g, ratio %.4f, %d starts, %d evaluations\n",
              c.name.c_str(), RmsOfAll(*r), reference, ratio, r->starts, r->evaluations);
  EXPECT_LE(ratio, c.waist ? 1.05 : 1.25);
  EXPECT_EQ(r->hasWaist, c.waist);
  EXPECT_TRUE(r->rejected.empty()) << r->rejected.size() << " points of a clean outline left out";
}

std::vector<BestFitCase> BestFitCases() {
  const DesignValues deep = {49, 18.5, 6.5, 14, 0, -0.25, 0, -0.5};
  const DesignValues wide = {40, 18.25, 13.5, 15.5, 0, -0.2, 0, -0.4};
  return {
      {"DeepWaist", SampleOutline(deep, 60), false, 0.0, true},
      {"DeepWaistTurned", SampleOutline(deep, 60, true), true, 140.0, true},
      {"WideBodyTurned", SampleOutline(wide, 50, true), true, 70.0, true},
      {"Dreadnought", ProfileOutline(Dreadnought, 50.0, 80, false), false, 0.0, true},
      {"DreadnoughtTurned", ProfileOutline(Dreadnought, 50.0, 80, true), true, -123.0, true},
      {"Oval", ProfileOutline(Oval, 48.0, 60, false), false, 0.0, false},
      {"Mandolin", ProfileOutline(Mandolin, 48.0, 60, false), false, 0.0, false},
      {"MandolinTurned", ProfileOutline(Mandolin, 48.0, 60, true), true, 33.0, false},
  };
}

INSTANTIATE_TEST_SUITE_P(Shapes, BestFitTest, ::testing::ValuesIn(BestFitCases()),
                         [](const ::testing::TestParamInfo<BestFitCase>& info) { return info.param.name; });

}  // namespace

namespace {

// Stray points of the kinds a traced drawing carries: the centreline, a soundhole, a block of text
// and a construction line, in turn.
std::vector<Point2> Strays(std::size_t count, std::mt19937& random) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::vector<Point2> strays;
  for (std::size_t i = 0; i < count; ++i) {
    const double u = unit(random);
    switch (i % 4) {
      case 0:
        strays.push_back({-2.0 + 53.0 * u, 0.0});
        break;
      case 1:
        strays.push_back({14.0 + 4.5 * std::cos(2 * kPi * u), 4.5 * std::sin(2 * kPi * u)});
        break;
      case 2:
        strays.push_back({28.0 + 4.0 * u, 23.0 + 1.5 * unit(random)});
        break;
      default:
        strays.push_back({-4.0 + 58.0 * u, -26.0 + 50.0 * u});
        break;
    }
  }
  return strays;
}

struct StrayCase {
  std::string name;
  double share;  // of the points that are strays
  bool align;
  double limit;  // of the clean points' RMS over their RMS without strays
};
void PrintTo(const StrayCase& c, std::ostream* os) {
  *os << c.name;
}

double RmsOf(const MatchResult& r, const std::vector<char>& clean) {
  double sum = 0.0;
  std::size_t n = 0;
  for (std::size_t i = 0; i < r.points.size(); ++i)
    if (clean[i]) sum += r.points[i].distance * r.points[i].distance, ++n;
  return std::sqrt(sum / double(n));
}

class StrayTest : public ::testing::TestWithParam<StrayCase> {};

TEST_P(StrayTest, StraysAreLeftOutAndTheOutlineStays) {
  const StrayCase& c = GetParam();
  std::mt19937 random(5);
  std::normal_distribution<double> noise(0.0, 0.01);  // a trace to a tenth of a millimetre
  std::vector<Point2> points = ProfileOutline(Dreadnought, 50.0, 100, true);
  for (Point2& p : points) p.y += noise(random);
  const std::size_t cleanCount = points.size();
  std::vector<char> clean(cleanCount, 1);
  for (const Point2& s : Strays(std::size_t(std::lround(c.share * double(cleanCount))), random)) {
    const std::size_t at = std::size_t(random() % (points.size() + 1));
    points.insert(points.begin() + std::ptrdiff_t(at), s);
    clean.insert(clean.begin() + std::ptrdiff_t(at), 0);
  }
  const std::vector<Point2> placed = c.align ? Turned(points, 75.0, {3.0, 4.0}) : points;
  std::vector<Point2> cleanPoints;
  for (std::size_t i = 0; i < placed.size(); ++i)
    if (clean[i]) cleanPoints.push_back(placed[i]);
  MatchOptions options;
  options.align = c.align;
  const Result<MatchResult> without = MatchDesign(cleanPoints, options);
  const Result<MatchResult> with = MatchDesign(placed, options);
  ASSERT_TRUE(without.ok() && with.ok());
  const double ratio = RmsOf(*with, clean) / RmsOfAll(*without);
  std::printf("[ measured ] %s: clean rms %.4g, with strays %.4g (ratio %.3f), %zu of %zu strays left out\n",
              c.name.c_str(), RmsOfAll(*without), RmsOf(*with, clean), ratio, with->rejected.size(),
              placed.size() - cleanCount);
  EXPECT_LE(ratio, c.limit);
  EXPECT_TRUE(std::is_sorted(with->rejected.begin(), with->rejected.end()));
  for (std::size_t i : with->rejected) EXPECT_TRUE(with->points[i].rejected);
  options.keepAll = true;
  const Result<MatchResult> kept = MatchDesign(placed, options);
  ASSERT_TRUE(kept.ok());
  EXPECT_TRUE(kept->rejected.empty()) << "--keep-all leaves nothing out";
}

INSTANTIATE_TEST_SUITE_P(Traces, StrayTest,
                         ::testing::Values(StrayCase{"ThreePercent", 0.03, false, 1.1},
                                           StrayCase{"TenPercent", 0.10, false, 1.5},
                                           StrayCase{"TenPercentAligned", 0.10, true, 1.5}),
                         [](const ::testing::TestParamInfo<StrayCase>& info) { return info.param.name; });

TEST(MatchControlTest, ProgressRisesToTheEndAndACancelStopsTheMatch) {
  const std::vector<Point2> points = SampleOutline(TestDesigns()[2].values, 40);
  std::vector<double> seen;
  MatchOptions options;
  options.control.progress = [&](double f) { seen.push_back(f); };
  ASSERT_TRUE(MatchDesign(points, options).ok());
  ASSERT_FALSE(seen.empty());
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
  EXPECT_EQ(seen.back(), 1.0);

  std::atomic<bool> cancel{false};
  options.control.cancel = &cancel;
  options.control.progress = [&](double f) { cancel = f > 0.0; };
  const Result<MatchResult> stopped = MatchDesign(points, options);
  ASSERT_FALSE(stopped.ok());
  EXPECT_EQ(stopped.error().message, "cancelled");
}

}  // namespace
