#pragma once

// The person's contacts and their name days. Contacts come from a vCard file
// as phones and mail programs export it (vCard 2.1, 3.0 and 4.0); each is
// matched by its first name and nicknames to the names of the name-day table,
// and greeted by name. It reads the file and never writes it, and knows
// nothing of any window.

#include "Feasts.h"
#include "Greeting.h"
#include "NameDays.h"

#include <QByteArray>
#include <QHash>
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
    // BDAY: the day, in 2000 when the card gives no year (a leap year, for
    // 29 February); invalid when there is none. A BDAY that is no date is
    // kept as it was written, for a note.
    QDate birthday = {};
    bool birthYear = false;
    QString notADate = {};
    QStringList emails = {}; // its EMAIL addresses, in the card's order
    QStringList phones = {}; // TEL
    QString organization = {}; // the first part of ORG
};

// The name a contact is shown by: the full name; for a card that has none,
// what it has that tells it apart, «χωρίς όνομα: maria@example.com» (its
// e-mail, else its telephone, else its organization).
QString shownName(const Contact &contact);

// The contacts of a vCard file's text, in the file's order. Lines may end in
// CRLF, LF or CR and be folded; values may be quoted-printable with soft line
// breaks (2.1) or escaped (3.0, 4.0), in UTF-8 unless a CHARSET says otherwise.
// A byte-order mark is skipped. Text that is not a vCard file raises Exception
// with one line of Greek that names the file and the line. Text that is not
// UTF-8 and names no CHARSET is read in the Greek code page it reads whole in;
// codePage, when given, is set to that code page's name ("Windows-1253" or
// "ISO 8859-7"), or emptied.
QList<Contact> readVCards(const QByteArray &text, const QString &fileName, QString *codePage = nullptr);

// The same for a file on disk; a file that cannot be read, or that holds no
// contact, raises Exception naming it.
QList<Contact> readContactsFile(const QString &path, QString *codePage = nullptr);

// What the person is told of a code page assumed, as a sentence in Greek.
QString codePageNote(const QString &codePage);

// What the person decided for a contact, kept beside the contacts file and
// keyed by contactKey: the names of the table they go by (when the table
// does not know theirs, or to choose among a shared nickname's names); the
// commemorations they keep of their names' (Commemoration::key), all when
// none; a day of their own instead; or that they are left out of the list.
struct ContactChoice
{
    QStringList names; // base names
    QStringList days;
    int month = 0, day = 0;
    bool hidden = false;
    bool noBirthday = false; // their birthday left out

    bool operator==(const ContactChoice &) const = default;
};
using ContactChoices = QHash<QString, ContactChoice>;

// The contact's UID when the card has one, else the full name.
QString contactKey(const Contact &contact);

// A contact with the names of the table they celebrate. The given names
// decide: those the table knows give the days. Only when it knows none of
// them do the nicknames count. A nickname shared by several names (Τάκης,
// Βούλα), when it is all the table knows, gives no day: its names are the
// choices, for the person to make. A choice made by hand comes before all
// this. A contact is never matched to a name that only resembles theirs.
struct MatchedContact
{
    Contact contact;
    QList<int> names; // indices into NameDayTable::names()
    QList<int> choices; // the names a shared nickname stands for, when names is empty
    std::optional<Gender> gender; // of the form the contact was matched by
    ContactChoice choice; // what the person decided, if anything
    bool chosen = false; // whether they did
};
QList<MatchedContact> matchContacts(
    const NameDayTable &table, const QList<Contact> &contacts, const ContactChoices &choices = {});

// The choices whose contacts are no longer among these: kept, but unused.
QStringList unusedChoices(const QList<Contact> &contacts, const ContactChoices &choices);

// "Χρόνια πολλά, Γιώργο!": by the first nickname, else the given names.
QString greeting(const NameDayTable &table, const Contact &contact);

// The contacts who celebrate a commemoration, in the order given, but those
// left out, with a day of their own, or keeping other days of their names.
QList<const MatchedContact *> celebrating(
    const NameDayTable &table, const QList<MatchedContact> &contacts, int commemoration);

// A contact's name day: the commemoration and the contact's base names it
// celebrates; on a day of their own, a commemoration of -1 and no names. Or
// their birthday, with their age when the year of their birth is known (else 0).
struct ContactDay
{
    NameDay day;
    const MatchedContact *contact = nullptr;
    QStringList bases;
    bool birthday = false;
    int age = 0;
};
// Those from first to last in date order, the contacts' order within a day,
// name days before birthdays. A birthday on 29 February is kept on 28
// February in a common year, as the table keeps that day's commemorations.
// Birthdays count unless a contact's choice leaves them out, or all of them
// when birthdays is false.
QList<ContactDay> contactDays(
    const NameDayTable &table, const QList<MatchedContact> &contacts, QDate first, QDate last, bool birthdays = true);

// What a contact's day is, as the lists name it: their base names
// «Γεώργιος», «γενέθλια, 41 ετών», or «ημέρα που ορίσατε».
QString dayOf(const ContactDay &found);
// The greeting the day asks for: greeting()'s, or on a birthday
// «Χρόνια πολλά για τα γενέθλιά σου, Γιώργο!».
QString greeting(const NameDayTable &table, const ContactDay &found);

// The contacts' name days from first to last in date order, one row for each
// contact and commemoration: the row's names are the contact's base names
// celebrated, its contact the full name, its greeting the contact's, and its
// summary "Γιορτάζει ο Γιώργος Παπαδόπουλος (Γεώργιος)".
// A birthday's row reads "Γενέθλια" (with the age) in place of the
// commemoration and "Γενέθλια: Γιώργος Παπαδόπουλος, 40 ετών" as its summary.
QList<FeastRow> contactNameDays(
    const NameDayTable &table, const QList<MatchedContact> &contacts, QDate first, QDate last, bool birthdays = true);

// "Σήμερα γιορτάζουν: Γιώργος Παπαδόπουλος, Γεώργιος, Γιώργος, …": the
// contacts who celebrate the day by their full names, then each name of the
// day with its everyday form; "when" names the day. Also for a day whose year
// has no Easter, with its fixed name days.
QString whoCelebrates(const NameDayTable &table, const QList<MatchedContact> &contacts, QDate day, const QString &when,
    bool birthdays = true);

// The morning's notification: whoCelebrates of the day, then on a line of its
// own «Αύριο: …», the contacts who celebrate tomorrow, to be wished in time.
QString morningText(const NameDayTable &table, const QList<MatchedContact> &contacts, QDate day, bool birthdays = true);

// The contacts to wish today and tomorrow, as the tray's menu lists them:
// «Σήμερα: Γιώργος Παπαδόπουλος (Γεώργιος)», «Αύριο: Ελένη Πέτρου
// (γενέθλια)», each with the greeting to copy.
struct Wish
{
    QString label;
    QString greeting;
};
QList<Wish> wishes(const NameDayTable &table, const QList<MatchedContact> &contacts, QDate day, bool birthdays = true);
