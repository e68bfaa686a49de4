#pragma once

// The program's one clock of days. The windows, the tray and the command line
// ask it what today is, and the windows follow its dayChanged(). It looks a
// moment after each midnight, and once a minute besides: a timer does not
// count the time the computer sleeps, and the date or the time zone may be
// changed by hand.

#include "CoreExport.h"

#include <QDate>
#include <QObject>
#include <QTimer>

class EORTOLOGIO_CORE DayClock : public QObject
{
    Q_OBJECT

public:
    // The clock, made at its first use, a child of the application.
    static DayClock &instance();

    // Where today comes from: the system's date, or a test's. Defined in the
    // library, not inline: on Windows each binary would keep its own copy.
    static QDate (*source)();

    // Today as told last: every window and the tray see the same day until
    // the next dayChanged(), also in the moment after a midnight.
    QDate today() const;

    // Looks at the date now, and tells a new day to whoever follows.
    void look();

signals:
    void dayChanged(QDate today);

private:
    explicit DayClock(QObject *parent);

    QTimer timer;
    QDate day; // the day told last
};
