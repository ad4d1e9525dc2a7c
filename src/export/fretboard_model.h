// The fret-slot template's drawing model: the whole board from the nut to its end (BOARD), the nut
// (NUT), one piece per fret (FRETS), the saddle (SADDLE), the centreline and the fret numbers (FRET_NUMBERS),
// then the check square and title block, for the same writers as the body template.
#pragma once

#include <QStringList>

#include "export/export_model.h"
#include "geometry/fret_table.h"

struct FretboardDrawing {
  FretTable table;         // in the model's unit
  double slotWidth = 0.0;  // model units; 0 draws each fret as one line
  double extend = 0.0;     // model units each fret runs on past both edges, for a mitre box
  int jointFret = 0;       // numbered "12 J" when it is one of the frets; 0: none
};

// table must be kOk.
ExportModel BuildFretboardModel(const FretboardDrawing& drawing, ExportUnit unit,
                                const QStringList& titleLines);

// One fret (or the nut) from its bass end to its treble end, carried `extend` past both.
Segment ExtendedFret(const BoardLine& line, double extend);
// The closed slot outline of that width centred on the segment.
Polyline SlotOutline(const Segment& fret, double width);
