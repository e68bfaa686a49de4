#pragma once

// The days of a month or a year as a calendar's cells show them: the day's
// public holiday and whether it is red (a Sunday or a holiday), the feast of
// the day, the names it celebrates, the contacts who celebrate, and its fast.
// What the month view and the wall calendar draw. Qt Core only.

#include "Contacts.h"
#include "Fasts.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

struct GlanceDay
{
    QDate date;
    QString holiday; // the public holiday's name, with a moved day's note
    bool red = false; // a Sunday or a public holiday
    bool easterWeek = false; // Easter Sunday to the Saturday of Bright Week
    QString feast; // one of the year's movable or fixed feasts
    QStringList names; // the everyday names of the day's commemorations
    QStringList commemorations; // their titles
    QStringList people; // the contacts who celebrate, "(γενέθλια)" after a birthday
    FastLevel fast = FastLevel::Free;
};

// Each day from first to last. In a year whose Easter cannot be dated the
// days have no fast, no feast counted from Easter and no holiday.
QList<GlanceDay> glanceDays(
    QDate first, QDate last, const QString &country, const QList<MatchedContact> &contacts = {}, bool birthdays = true);

// The signs of the fasts and what each means, for a legend.
QString fastLegend();
