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

// One of the program's settings: its key, its type, and its value while
// none is kept.
template <typename T> struct Setting
{
    const char *key;
    T fallback;

    T value() const { return settings().value(QLatin1String(key), QVariant::fromValue(fallback)).template value<T>(); }
    void set(const T &kept) const { settings().setValue(QLatin1String(key), QVariant::fromValue(kept)); }
};

// Every setting the program keeps, in one place.
namespace setting {
inline const Setting<QString> contactsFile {"contacts/file", {}};
inline const Setting<QString> contactChoices {"contacts/choices", {}}; // JSON, by contactKey
inline const Setting<bool> birthdays {"contacts/birthdays", true};
inline const Setting<QString> ownNames {"names/own", {}}; // JSON
inline const Setting<bool> reminderOn {"reminder/on", true};
inline const Setting<bool> reminderEveryone {"reminder/everyone", false}; // also on a day without contacts
inline const Setting<bool> reminderAlarm {"reminder/alarm", false}; // in the contacts' calendar
inline const Setting<QString> reminderLast {"reminder/last", {}}; // the day last notified, yyyy-MM-dd
inline const Setting<QByteArray> companionGeometry {"companion/geometry", {}};
inline const Setting<QString> holidaysCountry {"holidays/country", QStringLiteral("GR")}; // GR or CY
} // namespace setting

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
