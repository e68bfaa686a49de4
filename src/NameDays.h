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

#include <optional>

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

enum class Gender { Man, Woman };

// A base name and its forms, the base first and its everyday form next, each
// with its gender (ο Σπυρίδων: Σπύρος, η Σπυριδούλα); and the forms in Latin
// letters that people abroad use (George, Helen), of the base's gender, which
// only the search knows: they are never shown as the name's.
struct Name
{
    QStringList forms;
    QList<Gender> genders;
    QStringList foreign;
};

// A name found, and the form of it that the typed text found (for a form in
// Latin letters, the Greek form it spells, or the foreign form itself).
struct FoundName
{
    int name = 0;
    QString form;
};

struct Commemoration
{
    NameDayRule rule;
    QString title; // "Αγίου Γεωργίου του Τροπαιοφόρου"
    QList<int> names; // indices into NameDayTable::names()
    QString key; // "04-23/Π+0/Π+1 Αγίου Γεωργίου του Τροπαιοφόρου": the rule as written and the title
};

// A name the person adds, with the day it is celebrated every year.
struct OwnName
{
    QString name;
    int month = 0;
    int day = 0;
    Gender gender = Gender::Man;
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

    // The table compiled into the program (empty, should it not read), with
    // the person's own names after its rows.
    static const NameDayTable &builtIn();
    // Puts these in place of the own names the table had: each a row of its
    // own on its day, "Όνομα που προσθέσατε", unless the table knows the name
    // (then it is left out). Raises Exception for a name not in Greek or Latin
    // letters or a day that does not exist.
    static void setOwnNames(const QList<OwnName> &own);
    // Its text as compiled in.
    static QString builtInText();

    const QList<Commemoration> &commemorations() const { return rows; }
    const QList<Name> &names() const { return nameList; }

    // The year's commemorations in date order, table order within a day,
    // dated from the given Easter Sunday.
    QList<NameDay> inYear(int year, QDate easter) const;

    // The names a person means by the typed text: those with a form that
    // begins with it (prefix) or that equals it, or of which it is the
    // vocative (Κώστα, Γιώργο, Αλέξανδρε, Niko). Case, accents and final sigma
    // do not matter; Latin letters are read as Greeks write their names in
    // them (x as ξ or χ, e or i for η), and English forms count. Several words
    // (a full name, a double name) find each word that is a whole name.
    // Empty text finds nothing.
    QList<int> find(const QString &typed, bool prefix) const;
    // The same, with the form each name was found by, in the order found.
    QList<FoundName> findForms(const QString &typed, bool prefix) const;

    // Whether any of the names is celebrated at the commemoration.
    bool celebrates(int commemoration, const QList<int> &names) const;
    // The commemorations from first to last, in date order, of the names given
    // (all when none are), each year dated from its own Easter; raises
    // EConvertError for a year without one.
    QList<NameDay> between(QDate first, QDate last, const QList<int> &names = {}) const;

    // Who celebrates on a day: its commemorations in table order. In a year
    // whose Easter cannot be dated, only those on a fixed day, and
    // withoutEaster, when given, is set.
    QList<NameDay> on(QDate day, bool *withoutEaster = nullptr) const;

    // Whether the form (as the table spells it) is a nickname shared by
    // several names, which alone does not say whose day a person keeps.
    bool shared(const QString &form) const;
    // The index of a base name, -1 for a text that is none.
    int base(const QString &name) const { return baseIndex.value(name, -1); }
    // The gender of a form of the name, the base's for a form in Latin letters.
    Gender genderOf(int name, const QString &form) const;
    // The names a whole word is (not begins), and its forms, as findForms.
    QList<FoundName> whole(const QString &word) const { return findForms(word, false); }

    // Known forms that differ from the typed text by a letter or two, closest first.
    QStringList closest(const QString &typed, int count = 5) const;

    // "title (Base, form, ..., Base, form, ...)", as the feast rows read.
    const QString &rowText(int commemoration) const { return texts[commemoration]; }
    // The base names of a commemoration, "Γεώργιος, Μάρκος"; those found by a
    // search first, as "Παναγιώτα (Γιώτα)" when found by a form.
    QString baseNames(int commemoration, const QList<FoundName> &found = {}) const;
    // Each base name with the everyday form it is called by, "Εμμανουήλ, Μανώλης".
    QStringList everydayNames(int commemoration) const;

private:
    struct Key
    {
        QString greek; // folded Greek; empty for a form in Latin letters
        QString form;
        int name;
    };

    // Each key's Latin spellings, reduced (η as i and as e), made on the first
    // search in Latin letters: most runs never make one, and the spellings
    // cost more than the rest of the table. The table serves one thread.
    const QList<QStringList> &latinSpellings() const;

    void addForm(const QString &form, Gender gender, bool foreign, int name, bool shared, int line);

    void addNames(const QString &field, Commemoration &row, int line);
    void addRowText(const Commemoration &row);
    void checkShared() const;

    QList<Commemoration> rows;
    QList<Name> nameList;
    QList<Key> keys;
    mutable QList<QStringList> spellingCache; // latinSpellings(), once made
    QStringList texts; // rowText of each commemoration
    QHash<QString, int> baseIndex;
    QHash<QString, std::pair<int, bool>> formOwner; // form -> name, listed as shared
    QHash<QString, QList<int>> sharedLines; // a shared form -> the lines it is listed on
    qsizetype builtInRows = -1, builtInNames = 0, builtInKeys = 0; // where the own names begin
};

// What a search box shows for the typed text, the same in every window that
// has one: the names found with the forms they were found by, in the order
// found; and when nothing typed begins a name, a sentence saying so, with
// links (rich text) to the known forms closest to it.
struct NameSearch
{
    QList<FoundName> found;
    QString hint; // empty when found, or when nothing was typed
};
NameSearch searchNames(const NameDayTable &table, const QString &typed);

// The keys a word typed in Latin letters may stand for, each reduced as
// latinKey reduces: as typed, and with the letters people type for a Greek
// letter they have no key for read as that letter (h for η, 8 and 0 for θ, 3
// for ξ, j for γι, b for β, t for θ), and ev and ef where the other is meant.
QStringList typedLatinKeys(const QString &word);

// Text folded for matching: lower case, without accents or diaeresis, final
// sigma as σ.
QString foldGreek(const QString &text);

// A name in Latin letters, reduced so that its usual spellings meet: Greek is
// first written in Latin as ELOT 743 writes it; then digraphs and letters that
// spell the same sound become one (th, ph, ch and h, x and ks, ou, mp and b,
// nt and d, ng, gk and g, y and i, gi before a vowel and g, ai and e, ei and
// oi and i, eu and au as ELOT writes ευ and αυ) and doubled letters one
// letter. Εύη (evi) and Έφη (efi) stay apart.
QString latinKey(const QString &text);

// Greek text in Latin letters as ELOT 743 writes it, lower case, for file names.
QString toLatinLetters(const QString &text);
