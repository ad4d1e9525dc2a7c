// Resource identifiers of the program: the main frame's resources, the document-type icon and the
// About box template.
#pragma once

enum VeskResourceId : int {
  IDD_ABOUTBOX = 100,
  IDR_MAINFRAME = 128,
  IDR_VESKTYPE = 129,
};
