#pragma once

// Prepares the application object: the style and font families the layouts expect, and
// the program's icon.
void PrepareApplication();

// Creates the six windows in their order and shows the main window.
void CreateForms();
// Destroys them, last created first.
void DestroyForms();

#include <QtGlobal>

// A message handler for the time before the application object exists: it turns Qt's
// failure to open a display into one line on standard error and exit status 1.
void ReportMissingDisplay(QtMsgType type, const QMessageLogContext &context,
                          const QString &message);
