// Uneven light taken out of a picture: the paper's brightness modelled as a smooth surface (a cubic
// in x and y, fitted by least squares to the pixels that look like paper, refitted without those
// that do not), and every pixel divided by it, so that paper reads 1 everywhere and a pencil line
// or a dark body well below.
#pragma once

#include <opencv2/core.hpp>

// grey: CV_8U. paperMask: CV_8U, non-zero where the paper's level may be read at first (around the
// check square, or the picture's border); paper: that level. Returns CV_32F.
cv::Mat EvenOutLight(const cv::Mat& grey, const cv::Mat& paperMask);

// The median of grey where mask is non-zero (0 to 255); -1 when the mask is empty.
int MedianUnder(const cv::Mat& grey, const cv::Mat& mask);
