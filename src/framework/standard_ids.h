// The framework's standard command identifiers, with the numbers the program's menus and
// accelerators use.
#pragma once

enum StandardCommandId : int {
  ID_FILE_NEW = 57600,
  ID_FILE_OPEN = 57601,
  ID_FILE_CLOSE = 57602,
  ID_FILE_SAVE = 57603,
  ID_FILE_SAVE_AS = 57604,
  ID_FILE_MRU_FILE1 = 57616,
  ID_FILE_MRU_LAST = 57631,  // sixteen recent-file slots, 57616 to 57631
  ID_EDIT_COPY = 57634,
  ID_EDIT_CUT = 57635,
  ID_EDIT_PASTE = 57637,
  ID_EDIT_UNDO = 57643,
  ID_APP_ABOUT = 57664,
  ID_APP_EXIT = 57665,
  ID_NEXT_PANE = 57680,
  ID_PREV_PANE = 57681,
};

// Resource identifiers the framework looks up.
enum StandardResourceId : int {
  AFX_IDS_APP_TITLE = 57344,
};

// Show commands of ShowWindow.
enum ShowCommand : int { SW_HIDE = 0, SW_SHOW = 5 };
