#pragma once

// Prepares the application object: the style and font families the layouts expect.
void PrepareApplication();

// Creates the six windows in their order: the main window first, shown and painted on the
// screen before the other five are made; then the program's icon and the other windows.
void CreateForms();
// Destroys them, last created first.
void DestroyForms();

#include <QtGlobal>

// A message handler for the time before the application object exists. Qt ends a start
// that fails with a fatal error, an abort and a core dump; this says instead in one line
// that there is no display to show the windows on, or in one or two lines of Qt's own text
// what else failed, and ends the program with exit status 1.
void ReportStartupFailure(QtMsgType type, const QMessageLogContext &context,
                          const QString &message);
