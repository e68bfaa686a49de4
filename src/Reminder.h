#pragma once

// The daily reminder: an icon in the tray, whose tooltip says who celebrates
// today and whose menu lists the contacts to wish today and tomorrow (each
// copies its greeting) and opens the windows, and once a day a notification,
// «Σήμερα γιορτάζουν: …», the person's contacts named first, then «Αύριο: …»,
// the contacts who celebrate tomorrow. It knows the
// name-day table and the contacts; the windows it opens are given to it.

#include "ContactBook.h"

#include <QObject>

#include <functional>

class QAction;
class QSystemTrayIcon;

class Reminder : public QObject
{
    Q_OBJECT

public:
    Reminder(ContactBook *book, const std::function<void()> &openCompanion, const std::function<void()> &openWindow,
        QObject *parent = nullptr);
    ~Reminder() override;

    // The tray's icon; none where the desktop has no tray.
    QSystemTrayIcon *trayIcon() const { return tray; }

    // Renews the tooltip, and notifies when the reminder is on and the day has
    // not been notified yet: at start, and at the first look of a new day.
    void look();

private slots:
    // The notification service says a notification was clicked or its action taken.
    void actionInvoked(uint id, const QString &action);

private:
    void notify(const QString &text);

    ContactBook *book;
    std::function<void()> openCompanion;
    QList<uint> notified; // the numbers the notification service gave ours
    QList<QAction *> wishActions; // the tray menu's contacts, and their separator
    QSystemTrayIcon *tray = nullptr;
};
