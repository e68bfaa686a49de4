#pragma once

// What the person decided about names, kept in the program's settings beside
// the contacts file (never in the file itself): for each contact, the names
// or days chosen by hand; and the names of their own that the table lacks.
// The windows and the command line read the same. Qt Core only.

#include "Contacts.h"

#include <QSettings>

// The program's settings, under "Eortologio/eortologio": an INI file on
// Linux, the registry on Windows.
QSettings &settings();

ContactChoices contactChoices();
// Keeps the choice for the contact's key; an empty choice forgets it.
void setContactChoice(const QString &key, const ContactChoice &choice);

// Whether the contacts' birthdays are shown beside their name days (at first they are).
bool showBirthdays();
void setShowBirthdays(bool on);

QList<OwnName> ownNames();
// Keeps the names and puts them in the name-day table; raises Exception, and
// keeps nothing, for a name or day that is not one.
void setOwnNames(const QList<OwnName> &names);
// Puts the kept names in the table, leaving out any that no longer reads.
void useOwnNames();
