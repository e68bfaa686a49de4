#pragma once

// Whether the program starts with the person's session. The other settings
// are in Choices.h; the contacts, read from their file, in ContactBook.h.

#include <QSettings>

// Whether the session starts the program in the tray: on Linux an XDG
// autostart entry, on Windows a value under the user's Run key, both running
// "eortologio --tray". Turning it off removes what turning it on wrote; a
// failure raises Exception in Greek.
bool startsWithSession();
void setStartsWithSession(bool on);
