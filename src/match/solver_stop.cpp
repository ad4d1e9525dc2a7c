// The keys and sentences of the match report's "stopped:" part.
#include "match/solver_stop.h"

#include <unsupported/Eigen/LevenbergMarquardt>

void DescribeStop(int status, std::string* reason, std::string* text) {
  using namespace Eigen::LevenbergMarquardtSpace;
  const auto set = [&](const char* r, const char* t) {
    *reason = r;
    *text = t;
  };
  switch (Status(status)) {
    case RelativeReductionTooSmall:
      return set("ftol", "the sum of squares stopped falling (relative reduction below ftol)");
    case RelativeErrorTooSmall:
      return set("xtol", "the values stopped moving (relative step below xtol)");
    case RelativeErrorAndReductionTooSmall:
      return set("ftol+xtol", "the sum of squares and the values both stopped changing");
    case CosinusTooSmall:
      return set("gtol", "the residuals are orthogonal to every direction of change (a minimum)");
    case TooManyFunctionEvaluation:
      return set("maxfev", "the evaluation limit was reached before convergence");
    case FtolTooSmall:
    case XtolTooSmall:
    case GtolTooSmall:
      return set("precision", "no further improvement is possible in double precision");
    case NotStarted:
      return set("none", "every value is fixed: nothing to solve");
    case UserAsked:
      return set("cancelled", "the match was cancelled");
    default:
      return set("input", "the solver refused its input");
  }
}
