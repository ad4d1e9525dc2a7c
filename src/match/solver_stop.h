// Why a solver run ended, as a short key and a sentence.
#pragma once

#include <string>

// status: Eigen's LevenbergMarquardtSpace::Status.
void DescribeStop(int status, std::string* reason, std::string* text);
