#pragma once

// The right words for a person: their name in the vocative, as a greeting
// calls them, and the article their name takes. Both read the name's gender
// and forms from the name-day table; neither guesses a gender from a name's
// last letter. Qt Core only.

#include "NameDays.h"

#include <QString>

#include <optional>

// The gender of a word that is a form of a name in the table; none for a
// word the table does not know.
std::optional<Gender> genderOfWord(const NameDayTable &table, const QString &word);

// A name in the vocative, each word of a double name on its own: Γιώργο,
// Κώστα, Αλέξανδρε, Στυλιανέ, Ιάσονα, Ελπίδα, Μαρία. A Greek name typed in
// Latin letters takes its Greek vocative in the same letters (Kosta, Giorgo);
// a name the table knows only as a foreign one (Chris, John), or not at all,
// stays as it is, but for a Greek word with a man's ending (-ος, -ης, -ας).
QString vocative(const NameDayTable &table, const QString &name);

// "Χρόνια πολλά, Γιώργο!"
QString greetingFor(const NameDayTable &table, const QString &name);

// "ο" or "η" for the gender; empty when it is not known.
QString article(std::optional<Gender> gender);
