// The message service's boxes on screen: QMessageBox, no icon, OK or Yes/No/Cancel. The window
// part's application, views and dialogs install them when they are made.
#pragma once

void InstallWidgetMessageBoxes();
