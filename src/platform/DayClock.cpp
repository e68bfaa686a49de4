#include "DayClock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QPointer>

#include <algorithm>

QDate (*DayClock::source)() = &QDate::currentDate;

DayClock &DayClock::instance()
{
    static QPointer<DayClock> clock;
    if (!clock)
        clock = new DayClock(QCoreApplication::instance());
    return *clock;
}

DayClock::DayClock(QObject *parent)
    : QObject(parent)
{
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, &DayClock::look);
    look();
}

QDate DayClock::today() const
{
    return day;
}

void DayClock::look()
{
    if (const QDate now = source(); now != day)
        emit dayChanged(day = now);
    // Until a moment after the coming midnight, a minute at the most.
    const qint64 untilMidnight = QDateTime::currentDateTime().msecsTo(QDate::currentDate().addDays(1).startOfDay());
    timer.start(int(std::clamp<qint64>(untilMidnight + 500, 500, 60 * 1000)));
}
