// The pieces' ends are put in cells of the tolerance's size; ends in neighbouring cells within the
// tolerance are joined. A union-find gathers the joined pieces; a group is a loop when every end in
// it has exactly one partner.
#include "match/closed_curves.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>

namespace {

struct End {
  std::int64_t cx, cy;  // cell
  Point2 at;
  std::size_t piece;
};

bool Before(const End& a, const End& b) {
  return a.cx != b.cx ? a.cx < b.cx : a.cy < b.cy;
}

struct Groups {
  std::vector<std::size_t> parent;
  explicit Groups(std::size_t n) : parent(n) { std::iota(parent.begin(), parent.end(), 0); }
  std::size_t Root(std::size_t i) {
    while (parent[i] != i) i = parent[i] = parent[parent[i]];
    return i;
  }
};

double BoxArea(const std::vector<Point2>& points) {
  if (points.empty()) return 0.0;
  double x0 = points[0].x, x1 = x0, y0 = points[0].y, y1 = y0;
  for (const Point2& p : points) {
    x0 = std::fmin(x0, p.x), x1 = std::fmax(x1, p.x);
    y0 = std::fmin(y0, p.y), y1 = std::fmax(y1, p.y);
  }
  return (x1 - x0) * (y1 - y0);
}

// Partners of every end within the tolerance, counted; pieces joined through them.
std::vector<int> JoinEnds(std::vector<End>& ends, double tolerance, Groups* groups) {
  std::sort(ends.begin(), ends.end(), Before);
  std::vector<int> partners(ends.size(), 0);
  for (std::size_t i = 0; i < ends.size(); ++i)
    for (std::int64_t dx = -1; dx <= 1; ++dx)
      for (std::int64_t dy = -1; dy <= 1; ++dy) {
        const End key{ends[i].cx + dx, ends[i].cy + dy, {}, 0};
        for (auto it = std::lower_bound(ends.begin(), ends.end(), key, Before);
             it != ends.end() && !Before(key, *it); ++it) {
          if (std::size_t(it - ends.begin()) == i) continue;
          if (std::hypot(it->at.x - ends[i].at.x, it->at.y - ends[i].at.y) > tolerance) continue;
          ++partners[i];
          groups->parent[groups->Root(ends[i].piece)] = groups->Root(it->piece);
        }
      }
  return partners;
}

// Per piece's group: the box of its points, unless one of its ends is unjoined or joined twice.
struct GroupBox {
  double x0 = HUGE_VAL, x1 = -HUGE_VAL, y0 = HUGE_VAL, y1 = -HUGE_VAL;
  bool open = false;
  void Add(const std::vector<Point2>& points) {
    for (const Point2& p : points) {
      x0 = std::fmin(x0, p.x), x1 = std::fmax(x1, p.x);
      y0 = std::fmin(y0, p.y), y1 = std::fmax(y1, p.y);
    }
  }
  double Area() const { return open || x1 < x0 ? 0.0 : (x1 - x0) * (y1 - y0); }
};

}  // namespace

double LargestClosedArea(const std::vector<SampledPiece>& pieces, double tolerance) {
  constexpr double kCellLimit = 1e15;  // ends farther out in cells than this are never joined
  double largest = 0.0;
  std::vector<End> ends;
  std::vector<int> placed(pieces.size(), 0);
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const std::vector<Point2>& p = pieces[i].points;
    if (p.size() < 2) continue;
    if (pieces[i].closed) {
      largest = std::fmax(largest, BoxArea(p));
      continue;
    }
    for (const Point2& at : {p.front(), p.back()}) {
      const double cx = std::floor(at.x / tolerance), cy = std::floor(at.y / tolerance);
      if (!(std::fabs(cx) < kCellLimit && std::fabs(cy) < kCellLimit)) continue;
      ends.push_back({std::int64_t(cx), std::int64_t(cy), at, i});
      ++placed[i];
    }
  }
  Groups groups(pieces.size());
  const std::vector<int> partners = JoinEnds(ends, tolerance, &groups);
  std::vector<GroupBox> boxes(pieces.size());
  for (std::size_t i = 0; i < ends.size(); ++i)
    if (partners[i] != 1) boxes[groups.Root(ends[i].piece)].open = true;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (pieces[i].closed || pieces[i].points.size() < 2) continue;
    GroupBox& box = boxes[groups.Root(i)];
    if (placed[i] != 2) box.open = true;
    box.Add(pieces[i].points);
  }
  for (const GroupBox& box : boxes) largest = std::fmax(largest, box.Area());
  return largest;
}
