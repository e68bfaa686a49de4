#pragma once

// The name days of the Orthodox year. A table of commemorations, read from the
// text compiled into the program (data/namedays.txt), gives each commemoration
// the rule that dates it and the names celebrated on it. The table dates a
// year's name days from that year's Easter and finds a name as a person types
// it, in Greek or in Latin letters. It knows nothing of the window.

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// When a commemoration falls in a year: on a month and day (29 February on 28
// February in a common year); a number of days from Easter Sunday; or on a
// month and day unless that day falls on or before Easter + limit, and then
// on Easter + offset (Saint George, Saint Mark).
struct NameDayRule
{
    enum Kind { Fixed, FromEaster, FixedOrAfterEaster };
    Kind kind = Fixed;
    int month = 0;
    int day = 0;
    int limit = 0;
    int offset = 0;

    // The day in the year, with the given Easter Sunday; invalid when the day
    // would lie outside the years 1 to 9999.
    QDate dateIn(int year, QDate easter) const;
};

// A base name and its forms, the base first.
struct Name
{
    QStringList forms;
};

struct Commemoration
{
    NameDayRule rule;
    QString title; // "Αγίου Γεωργίου του Τροπαιοφόρου"
    QList<int> names; // indices into NameDayTable::names()
};

// A commemoration dated in a year.
struct NameDay
{
    QDate date;
    int commemoration = 0; // index into NameDayTable::commemorations()
};

class NameDayTable
{
public:
    // Reads the table's text; a malformed row raises Exception naming its line.
    explicit NameDayTable(const QString &text);

    // The table compiled into the program (empty, should it not read).
    static const NameDayTable &builtIn();
    // Its text as compiled in.
    static QString builtInText();

    const QList<Commemoration> &commemorations() const { return rows; }
    const QList<Name> &names() const { return nameList; }

    // The year's commemorations in date order, table order within a day,
    // dated from the given Easter Sunday.
    QList<NameDay> inYear(int year, QDate easter) const;

    // The names a person means by the typed text: those with a form that
    // begins with it (prefix) or that equals it. Case, accents and final sigma
    // do not matter; Latin letters are read as Greeks write their names in
    // them. Empty text finds nothing.
    QList<int> find(const QString &typed, bool prefix) const;

    // Known forms that differ from the typed text by a letter or two, closest first.
    QStringList closest(const QString &typed, int count = 5) const;

    // "title (Base, form, ..., Base, form, ...)", as the feast rows read.
    const QString &rowText(int commemoration) const { return texts[commemoration]; }
    // The base names of a commemoration, "Γεώργιος, Μάρκος".
    QString baseNames(int commemoration) const;

private:
    struct Key
    {
        QString greek; // folded Greek
        QString latin; // the Latin spelling, reduced
        QString form;
        int name;
    };

    void addNames(const QString &field, Commemoration &row, int line);

    QList<Commemoration> rows;
    QList<Name> nameList;
    QList<Key> keys;
    QStringList texts; // rowText of each commemoration
    QHash<QString, int> baseIndex;
    QHash<QString, std::pair<int, bool>> formOwner; // form -> name, listed as shared
};

// Text folded for matching: lower case, without accents or diaeresis, final
// sigma as σ.
QString foldGreek(const QString &text);

// A name in Latin letters, reduced so that its usual spellings meet: Greek is
// first written in Latin as ELOT 743 writes it; then digraphs and letters that
// spell the same sound become one (th, ph, ch and h, x and ks, ou, mp and b,
// nt and d, ng, gk and g, eu and ef and ev, y and i, gi before a vowel and g,
// ai and e, ei and oi and i) and doubled letters one letter.
QString latinKey(const QString &text);
