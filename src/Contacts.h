#pragma once

// The person's contacts and their name days. Contacts come from a vCard file
// as phones and mail programs export it (vCard 2.1, 3.0 and 4.0); each is
// matched by its first name and nicknames to the names of the name-day table,
// and greeted by name. It reads the file and never writes it, and knows
// nothing of any window.

#include "Feasts.h"
#include "NameDays.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct Contact
{
    QString fullName; // FN, else the parts of N
    QString given; // the given names of N, else the first word of FN
    QStringList nicknames;
    QString uid; // the card's UID, when it has one
    int line = 0; // the line of its BEGIN:VCARD
};

// The contacts of a vCard file's text, in the file's order. Lines may end in
// CRLF, LF or CR and be folded; values may be quoted-printable with soft line
// breaks (2.1) or escaped (3.0, 4.0), in UTF-8 unless a CHARSET says otherwise.
// A byte-order mark is skipped. Text that is not a vCard file raises Exception
// with one line of Greek that names the file and the line.
QList<Contact> readVCards(const QByteArray &text, const QString &fileName);

// The same for a file on disk; a file that cannot be read, or that holds no
// contact, raises Exception naming it.
QList<Contact> readContactsFile(const QString &path);

// A contact with the names of the table they celebrate: those of the given
// names, else of the first word of the full name, and of the nicknames, each
// a whole name in Greek or Latin letters. None when the table does not know
// the name: a contact is never matched to a name that only resembles theirs.
struct MatchedContact
{
    Contact contact;
    QList<int> names; // indices into NameDayTable::names()
};
QList<MatchedContact> matchContacts(const NameDayTable &table, const QList<Contact> &contacts);

// A name in the vocative, as a greeting calls the person: Γιώργο, Κώστα,
// Δημήτρη, Αλέξανδρε, Γεώργιε, Μαρία; each word of a double name.
QString vocative(const QString &name);

// "Χρόνια πολλά, Γιώργο!": by the first nickname, else the given names.
QString greeting(const Contact &contact);

// The contacts who celebrate a commemoration, in the order given.
QList<const MatchedContact *> celebrating(
    const NameDayTable &table, const QList<MatchedContact> &contacts, int commemoration);

// A contact's name day: the commemoration and the contact's base names it celebrates.
struct ContactDay
{
    NameDay day;
    const MatchedContact *contact = nullptr;
    QStringList bases;
};
// Those from first to last in date order, the contacts' order within a day.
QList<ContactDay> contactDays(const NameDayTable &table, const QList<MatchedContact> &contacts, QDate first, QDate last);

// The contacts' name days from first to last in date order, one row for each
// contact and commemoration: the row's names are the contact's base names
// celebrated, its summary "Γιορτάζει ο Γιώργος Παπαδόπουλος (Γεώργιος)".
QList<FeastRow> contactNameDays(
    const NameDayTable &table, const QList<MatchedContact> &contacts, QDate first, QDate last);

// "Σήμερα γιορτάζουν: Γιώργος Παπαδόπουλος, Γεώργιος, Γιώργος, …": the
// contacts who celebrate the day by their full names, then each name of the
// day with its everyday form; "when" names the day. Also for a day whose year
// has no Easter, with its fixed name days.
QString whoCelebrates(const NameDayTable &table, const QList<MatchedContact> &contacts, QDate day, const QString &when);
