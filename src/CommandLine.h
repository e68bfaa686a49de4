#pragma once

// The command line: the feasts or name days of years, of a name or of a day,
// as text, iCalendar, CSV, a workbook or PDF, dated by the same engines as the
// window and never through it.

#include <QStringList>

// True when the arguments ask for the command line instead of the window: an
// argument that begins with "--", or -h, -v, -? or /?. Qt's own single-dash
// options (-style, -platform, ...) still go to the window. For the command
// line it chooses the offscreen platform, so that no display is needed (on
// Windows the system's own, for its fonts), and keeps Qt's own warnings off
// standard error.
bool prepareCommandLine(int argc, const char *const *argv);

// Runs the command line on the application's arguments and returns the exit
// status: 0 done, 1 a year, date or name refused or a file not written, 2 wrong
// options. Messages go to standard error after "eortologio: "; no window or
// message box opens.
int runCommandLine(const QStringList &arguments);

// Why the options are wrong (status 2), in Greek; empty when they are right.
QString optionsRefusal(const QStringList &arguments);

// The program's command line from main: makes the application (a graphical
// one only for a PDF), runs the command line on its arguments and returns the
// exit status.
int commandLineMain(int &argc, char **argv);
