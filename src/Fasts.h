#pragma once

// The fast of every day of the year, from Easter and the fixed feasts, by the
// rules of data/fasts.txt: each line gives a level to a span of days on some
// weekdays, and the last line that covers a day decides it, so that a feast or
// a fast-free week written below a period overrides it. Named periods (Great
// Lent, the Nativity fast) and one-day fasts group the days for a calendar.
// Qt Core only.

#include "DayRule.h"

#include <QDate>
#include <QList>
#include <QString>

// From the least strict to the most.
enum class FastLevel { Free, Dairy, Fish, Oil, Strict };

// "free", "dairy", "fish", "oil", "strict": as the rules file and the command
// line write the level.
QString fastLevelKey(FastLevel level);
// The level in the words of the church calendars: "Κατάλυση εις πάντα".
QString fastLevelWords(FastLevel level);
// The level's sign in a calendar's cell, a letter; none for a free day.
QString fastLevelSign(FastLevel level);

struct FastDay
{
    QDate date;
    FastLevel level = FastLevel::Free;
    QString reason; // the rule's: "Μεγάλη Τεσσαρακοστή", "Τετάρτη και Παρασκευή"; empty on a free day
    QString period; // the named period or one-day fast it belongs to, if any
};

// A period's days or a one-day fast, as one calendar event: its first and last
// day and the levels of its days.
struct FastPeriod
{
    QString name;
    QList<FastDay> days;
};

class FastTable
{
public:
    // The rules read from the text; a malformed line raises Exception naming
    // it by its number.
    explicit FastTable(const QString &text);
    static const FastTable &builtIn();

    // A day's fast. A year whose Easter cannot be dated raises EConvertError.
    FastDay on(QDate day) const;
    // Every day of the year, 1 January first.
    QList<FastDay> inYear(int year) const;
    // The year's fasting periods and one-day fasts in date order: the days of a
    // named period that are not free, together; every other day that is not
    // free alone, under its reason.
    QList<FastPeriod> periodsIn(int year) const;

private:
    struct Rule
    {
        DaySpan days;
        int weekdays = 0x7f; // bit d-1 for Qt's day of the week d
        FastLevel level = FastLevel::Free;
        QString reason;
    };
    struct Period
    {
        DaySpan days;
        QString name;
    };
    FastDay on(QDate day, QDate easter) const;

    QList<Rule> rules;
    QList<Period> periods;
};
