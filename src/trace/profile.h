// Sub-pixel readings across a line or an edge: a picture's values sampled along a straight path
// (bilinear), the runs where they stand above a level, a run's weighted centre and the crossing of
// a step's half level.
#pragma once

#include <opencv2/core.hpp>
#include <optional>
#include <vector>

// count values of a one-channel CV_32F picture at from + i * step * dir; NaN where the path leaves
// the picture (dir need not be a unit vector; step is in its lengths).
std::vector<float> SampleProfile(const cv::Mat& picture, cv::Point2d from, cv::Point2d dir, double step,
                                 int count);

struct Run {
  int begin = 0, end = 0;  // [begin, end) of the samples above the level
  float peak = 0.0f;
};

// The runs of consecutive samples above level, in order; NaN ends a run.
std::vector<Run> RunsAbove(const std::vector<float>& v, float level);

// The centre of a run, weighting each sample by its height above floor, the run taken out on either
// side while the values fall and stay above floor: the middle of a ridge, in sample indices.
double RidgeCentre(const std::vector<float>& v, const Run& run, float floor);

// Where v crosses the half level between its first and last quarter (medians), nearest index near,
// linearly interpolated; nullopt when the two levels differ by less than minStep or there is no
// crossing.
std::optional<double> StepCrossing(const std::vector<float>& v, double near, float minStep);
