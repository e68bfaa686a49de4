#pragma once

// The feasts of the Orthodox year, apart from any window: two tables hold the
// rules (movable feasts as day offsets from Easter Sunday, fixed feasts as
// month and day), and a year and its Easter date them into lists of days. The
// rows it gives are those the window's views show, so that the command line
// and the window give the same rows. Qt Core only.

#include "DateUtils.h"
#include "TList.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>

// A movable feast: days from Easter Sunday (negative before it) and its name.
struct Kiniti
{
    int offset = 0;
    QString name;
};

// A fixed feast: month, day of the month and its name.
struct Statheri
{
    int month = 0;
    int day = 0;
    QString name;
};

// A feast dated in one year.
struct myDay
{
    TDateTime date = 0;
    QString name;
};

TDateTime addDays(TDateTime date, int offset);
int dayNumber(const myDay *entry);
int compareAscending(const myDay *a, const myDay *b);
int compareDescending(const myDay *a, const myDay *b);

// The two tables, added in their order to an empty list: the 21 movable
// feasts and the 8 fixed ones.
void fillKinitiList(TList<Kiniti> &list);
void fillStatheriList(TList<Statheri> &list);

// The fixed feasts in the year given as text, in table order. The year text is
// converted for every feast; a bad year fails on the first one.
void addFixedFeasts(TList<myDay> &list, const TList<Statheri> &feasts, const QString &yearText);
// The movable feasts dated from an Easter date, in table order.
void addMovableFeasts(TList<myDay> &list, const TList<Kiniti> &feasts, TDateTime easter);

// One feast as a report view shows it, with the day it falls on.
struct FeastRow
{
    QDate date;
    QString number;
    QString dateText;
    QString day;
    QString feast;
    // A name-day row's base names and commemoration; empty for a feast.
    QString names;
    QString commemoration;
    // The event's own summary, for a contact's name day; empty otherwise.
    QString summary;
    // For a contact's name day, the contact's full name and the greeting.
    QString contact = {};
    QString greeting = {};
    // An event of several days (a fasting period): its last day, and what a
    // calendar shows as its description.
    QDate until = {};
    QString details = {};
};

// Rows under the caption of the view or the question they answer: a tab's
// caption, "Ονομαστικές" for name days, "Ονομαστικές: Γεώργιος" for one name's.
struct FeastReport
{
    QString caption;
    QList<FeastRow> rows;
};

// Greek day names indexed by DayOfWeek (1 Sunday .. 7 Saturday); entry 0 is empty.
extern const std::array<QString, 8> dayNames;
// The same names by Qt's numbering of the week, 1 Monday to 7 Sunday.
inline const QString &weekdayName(int dayOfWeek)
{
    return dayNames[dayOfWeek % 7 + 1];
}

// A dated feast as a report row, numbered from 1.
FeastRow feastRow(const myDay &day, int number);

struct NameDay;

// A name day as a report row: its date, day, base names and commemoration, and
// as its feast the commemoration with every form of its names. A commemoration
// of -1 is a day the person set: "Ημέρα που ορίσατε", with no names.
FeastRow nameDayRow(const NameDay &day, int number);

// The feasts of a year given as text, fixed then movable, dated from the
// year's Easter and in date order, under the caption "Όλες οι γιορτές". A year
// that is not a number, or whose Easter cannot be dated, raises EConvertError.
FeastReport feastsByDate(const QString &yearText);
// The name days of that year in date order, under "Ονομαστικές".
FeastReport nameDaysByDate(const QString &yearText);
