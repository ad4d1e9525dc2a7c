// The whole fingerboard from the nut to the board end: each fret's place along the bass and the treble
// edge (one scale each on a fanned board), the board's taper, the nut, board end and saddle lines.
#pragma once

#include <vector>

#include "geometry/point2.h"

// Board points are Point2 in model coordinates, in whatever unit the scale is in: x along the
// centreline towards the saddle, y across it, the bass edge at y > 0. Every distance along an edge
// is measured parallel to the centreline, as fret positions on a straight board are.

// A straight line across the board, from its bass end to its treble end.
struct BoardLine {
  Point2 bass, treble;
};

enum class BoardEndKind {
  kNextFret,      // where fret N + 1 would stand (the default)
  kAtFret,        // where fret `value` (a real number >= N) would stand, fanned like a fret
  kLength,        // `value` from the nut along each edge
  kPastLastFret,  // `value` beyond the last fret along each edge
};

struct FretTableInput {
  double bassScale = 0.0;
  double trebleScale = 0.0;   // equal to bassScale on a straight board
  int perpendicularFret = 0;  // square to the centreline; 0 puts the nut square
  int fretCount = 0;          // N
  double nutWidth = 0.0;
  int widthFret = 12;  // the board is widthAtFret wide at this fret
  double widthAtFret = 0.0;
  BoardEndKind boardEnd = BoardEndKind::kNextFret;
  double boardEndValue = 0.0;
  double saddleCompensation = 0.0;  // added to each edge's saddle distance, never to a fret
  double slotWidth = 0.0;           // 0: frets are single lines
};

inline constexpr int kMaxFrets = 36;

// One fret's numbers along one edge. Each is computed from the nut, never by adding up spacings.
struct FretOnEdge {
  double fromNut = 0.0;       // L (1 - 2^(-n/12))
  double fromPrevious = 0.0;  // from fret n - 1 (the nut for fret 1)
  double fromSaddle = 0.0;    // L 2^(-n/12) plus the saddle compensation
  double width = 0.0;         // the board's width, square to the centreline, at this end of the fret
};

struct FretRow {
  int fret = 0;
  FretOnEdge bass, treble;
  // Degrees from square to the centreline; positive when the bass end lies nearer the saddle.
  double angle = 0.0;
  BoardLine line;
};

enum class FretTableStatus {
  kOk,
  kBadScale,          // a scale not finite or not positive
  kBadFretCount,      // below 1 or above kMaxFrets
  kBadPerpendicular,  // outside 0..N
  kBadWidthFret,      // outside 1..kMaxFrets
  kBadWidth,          // a width not finite or not positive
  kBadBoardEnd,       // before the last fret, or not finite
  kBadSlotWidth,      // negative, not finite, or wider than half the first fret spacing
  kBadCompensation,   // negative or not finite
  kNarrowsToNothing,  // the taper reaches zero width before the saddle
  kNotFinite,         // a result overflowed
};

struct FretTable {
  FretTableStatus status = FretTableStatus::kOk;
  std::vector<FretRow> frets;  // 1..N
  BoardLine nut, boardEnd, saddle;
  double bassLength = 0.0, trebleLength = 0.0;  // each edge from its nut end to the board end
  // The slot width allowed: half the shortest first-fret spacing.
  double maxSlotWidth = 0.0;
  bool multiscale = false;
};

// Everything is filled only when status is kOk; kBadSlotWidth from the spacing check keeps maxSlotWidth.
FretTable MakeFretTable(const FretTableInput& in);

// The board's straight outline: bass nut, bass end, treble end, treble nut.
std::vector<Point2> BoardOutline(const FretTable& table);
