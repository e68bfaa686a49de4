#pragma once

// Days of the year as the data files write them, apart from what falls on
// them: "MM-DD" for a day of the calendar, "Π+N" or "Π-N" for a day counted
// from Easter Sunday, "A..B" for the days from one to the other, and "*" for
// every day. Qt Core only.

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

struct DayRule
{
    bool fromEaster = false;
    int month {};
    int day {};
    int offset {}; // days from Easter Sunday

    // The day in the year whose Easter Sunday is given.
    QDate in(int year, QDate easter) const { return fromEaster ? easter.addDays(offset) : QDate(year, month, day); }
};

// A span of days, both ends included; empty in a year where its start falls
// after its end.
struct DaySpan
{
    bool wholeYear = false;
    DayRule first;
    DayRule last;

    bool contains(QDate date, QDate easter) const
    {
        return wholeYear || (first.in(date.year(), easter) <= date && date <= last.in(date.year(), easter));
    }
};

// The rule or span written, or nothing when the text is neither. A day of the
// calendar must exist in a leap year; a day from Easter lies within 100 days
// of it.
std::optional<DayRule> readDayRule(const QString &text);
std::optional<DaySpan> readDaySpan(const QString &text);

// The fields of a data file's line, split at " | " and trimmed, with the
// line's number; blank lines and those that begin with "#" left out.
struct DataLine
{
    int number = 0;
    QStringList fields;
};
QList<DataLine> dataLines(const QString &text);

// A data file built into the program, as text.
QString builtInData(const QString &name);
