#pragma once

// The desktop side's start: the windows, the tray and the reminder, one
// program for each user.

#include <QString>
#include <QStringList>

// The lock held by the program that shows the tray icon and notifies, one
// for each user, in a folder of the user's own (the runtime folder on Linux,
// the user's temporary folder on Windows).
QString trayLockName();

// Where that program listens for later starts, which have it show a window: a
// local socket in the user's runtime folder, a named pipe on Windows.
QString instanceName();

// Runs the windows: the feast window; with "--companion" the companion window;
// with "--tray" only the tray, or the companion window where there is no tray.
// Started while another runs, it has that one show the window, and returns.
// Returns the exit status.
int runDesktop(const QStringList &arguments);
