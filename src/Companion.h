#pragma once

// «Ονομαστικές εορτές»: the window a person opens each day. Who celebrates
// today and tomorrow, then in the next 7 and 30 days; the person's contacts
// who celebrate in the next 30, each with a greeting to copy; a name search;
// the contacts file, their calendar for the phone, and the program's options.
// A contact's menu lets the person choose the name or the days a contact
// keeps, or give them a day of their own; a button adds a name of their own.
// It knows the name-day table and the contacts, not the feast window.

#include "ContactBook.h"
#include "Settings.h"
#include "ui_Companion.h"

#include <QWidget>

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
    void showDays(const QString &search);
    void copyGreeting();
    void chooseContacts();
    void exportCalendar();
    void contactActions();
    void addOwnName();
    void chooseName(const MatchedContact &person);
    void chooseDay(const MatchedContact &person);
    void showMonth();
    void printWallCalendar();

    ContactBook *book;
    MonthView *monthView = nullptr; // made when first asked for
    QDate shown; // the day the window was filled on
};
