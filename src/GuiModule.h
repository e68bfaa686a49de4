#pragma once

// What draws, the windows and the PDF, lives in a module of its own that the
// program loads only when it needs it: the command line's text, calendars,
// tables and workbooks start with Qt Core alone, without the dozens of
// libraries that drawing brings.

#include "Feasts.h"

#include <QByteArray>

class QCoreApplication;

// The windows: opens them as the arguments ask and returns the exit status;
// 1, after saying why on standard error, when the module cannot be loaded.
int runWindowModule(int &argc, char **argv);

// A graphical application in place of QCoreApplication, for the PDF's fonts;
// null when the module cannot be loaded.
QCoreApplication *makeGuiApplication(int &argc, char **argv);

// The rows as a PDF document; raises Exception when the module cannot be
// loaded. Needs the application that makeGuiApplication made.
QByteArray pdfFromModule(const QString &caption, const QList<FeastRow> &rows);
