#pragma once

// Parts of the program that need large libraries live in modules of their
// own, loaded only when needed: the windows and the PDF (Qt's graphical
// libraries) in eortologio-window, the workbook (libxlsxwriter and the
// cryptography library it brings) in eortologio-xlsx, which the windows load
// too. The command line's text, calendars and tables start with Qt Core alone.

#include "Feasts.h"

#include <QByteArray>

class QCoreApplication;

// The windows: opens them as the arguments ask and returns the exit status;
// 1, after saying why on standard error, when the module cannot be loaded.
int runWindowModule(int &argc, char **argv);

// A graphical application in place of QCoreApplication, for the PDF's fonts,
// made by the window module and deleted by it in endGuiApplication(); null
// when the module cannot be loaded.
QCoreApplication *startGuiApplication(int &argc, char **argv);
void endGuiApplication();

// The rows as a PDF document, made with that application, and as a workbook.
// Each raises Exception when its module cannot be loaded or the document
// cannot be made.
QByteArray pdfFromModule(const QString &caption, const QList<FeastRow> &rows);
QByteArray xlsxFromModule(const QString &caption, const QList<FeastRow> &rows);
QByteArray wallCalendarFromModule(int year, const QString &country);
