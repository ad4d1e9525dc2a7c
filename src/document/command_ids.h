// The program's own command identifiers (32772 to 32779). They live with the document, the lowest
// layer that handles any of them; the view and the main frame's command table use them too.
#pragma once

enum VeskCommandId : int {
  ID_VIEW_VERTICAL = 32772,
  ID_EDIT_INPUTSHAPE = 32773,
  ID_EDIT_INPUTSOUNDHOLE = 32774,
  ID_EDIT_INTOCM = 32775,
  ID_EDIT_CMTOIN = 32776,
  ID_VIEW_SIDELENGTH = 32777,
  ID_VIEW_SHOWDATA = 32778,
  ID_VIEW_SHOWFINGERBOARD = 32779,
};
