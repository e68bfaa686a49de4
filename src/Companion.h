#pragma once

// «Ονομαστικές εορτές»: the window a person opens each day. Who celebrates
// today and tomorrow, then in the next 7 and 30 days; the person's contacts
// who celebrate in the next 30, each with a greeting to copy, and all of them
// in a sortable list; a search of the table's names and the contacts; the
// contacts file, their calendar for the phone, and the program's options. A
// status line says what the last action did, or why it failed.
// A contact's menu lets the person choose the name or the days a contact
// keeps, or give them a day of their own; a button adds a name of their own.
// It knows the name-day table and the contacts, not the feast window.

#include "ContactBook.h"
#include "Settings.h"
#include "ui_Companion.h"

#include <QWidget>

#include <functional>

class MonthView;

class Companion : public QWidget, private Ui::Companion
{
    Q_OBJECT

public:
    explicit Companion(ContactBook *book, QWidget *parent = nullptr);
    ~Companion() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void refresh();
    void fillAllContacts();
    void showDays(const QString &search);
    void showContacts(const QString &search);
    QTreeWidget *contactList() const;
    void copyGreeting();
    void chooseContacts();
    void exportCalendar();
    void contactActions(QTreeWidget *view);
    // Runs an action of the window: what it did, or the error that stopped
    // it, goes to the status line in place of the last action's.
    void act(const std::function<QString()> &action);
    void addOwnName();
    // Each asks, keeps what was chosen, and says what it did; empty when cancelled.
    QString chooseName(const MatchedContact &person);
    QString chooseDay(const MatchedContact &person);
    void showMonth();
    void printWallCalendar();

    ContactBook *book;
    MonthView *monthView = nullptr; // made when first asked for
    QDate shown; // the day the window was filled on
    QList<ContactDay> yearAhead; // the contacts' days from that day, for twelve months
};
