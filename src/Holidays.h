#pragma once

// The public holidays of Greece and of Cyprus, by the rules of
// data/holidays.txt: each country's list as its law gives it today, with the
// year from which it holds. Labour Day in Greece moves to the Tuesday after
// Easter when it falls in Holy Week or on Easter Sunday or Monday, as the
// state has decided each such year. Qt Core only.

#include "DayRule.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

struct Holiday
{
    enum Kind { DayOff, Sunday, MayDay };
    QDate date;
    QString name;
    Kind kind = DayOff;
    bool moved = false; // 1 May, moved by the state's decision
    // "Εργατική Πρωτομαγιά (μετατέθηκε από την 1η Μαΐου …)": the name, with a
    // moved day's note.
    QString title() const;
};

struct Country
{
    QString code; // "GR", "CY"
    QString name; // "Ελλάδα"
    int fromYear = 0;
    struct Rule
    {
        DayRule day;
        QString name;
        Holiday::Kind kind = Holiday::DayOff;
    };
    QList<Rule> rules;
};

class HolidayTable
{
public:
    // The lists read from the text; a malformed line raises Exception naming
    // it by its number.
    explicit HolidayTable(const QString &text);
    static const HolidayTable &builtIn();

    const QList<Country> &countries() const { return list; }
    // The country of the code, in any case; Exception naming the codes known
    // when there is none.
    const Country &country(const QString &code) const;

    // The country's holidays in the year, in date order. A year before its
    // list holds raises Exception saying so; a year whose Easter cannot be
    // dated, EConvertError.
    QList<Holiday> inYear(const Country &country, int year) const;
    // The holiday on that day, if any, and none for a year the list does not cover.
    std::optional<Holiday> on(const Country &country, QDate day) const;

private:
    QList<Country> list;
};

// What a day is besides its names: its fast in the calendars' words
// ("Νηστεία", "Κατάλυση λαδιού και κρασιού") and, on a public holiday of the
// country, "Αργία: Χριστούγεννα". A year whose Easter cannot be dated gives no
// fast; one the country's list does not cover, no holiday.
QStringList dayNotes(QDate day, const QString &countryCode);
