// The fret-slot template's drawing model: the whole board from the nut to its end (BOARD), what of the
// nut the board's outline does not draw (NUT), one piece per fret (FRETS), the saddle (SADDLE), the
// centreline and the fret numbers (FRET_NUMBERS), then the check square and title block, for the same
// writers as the body template.
#pragma once

#include <QStringList>

#include "export/export_model.h"
#include "geometry/fret_table.h"

// Seen from the board's face with the nut at the left: right-handed puts the bass edge at the bottom,
// left-handed at the top.
enum class Handedness { kRight, kLeft };

struct FretboardDrawing {
  FretTable table;         // in the model's unit, the bass edge at y > 0 as the table has it
  double slotWidth = 0.0;  // model units; 0 draws each fret as one line
  double extend = 0.0;     // model units each fret runs on past both edges, for a mitre box
  int jointFret = 0;       // numbered "12 J" when it is one of the frets; 0: none
  Handedness hand = Handedness::kRight;
};

// table must be kOk. The board's outline closes across the nut, so NUT holds only what an extension
// carries past the edges.
ExportModel BuildFretboardModel(const FretboardDrawing& drawing, ExportUnit unit,
                                const QStringList& titleLines);

// One fret (or the nut) from its bass end to its treble end, carried `extend` past both.
Segment ExtendedFret(const BoardLine& line, double extend);
// The closed slot outline of that width centred on the segment.
Polyline SlotOutline(const Segment& fret, double width);
