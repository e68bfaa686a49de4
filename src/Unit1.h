#pragma once

// The feast calendar window. Two feast tables hold the rules (movable feasts as
// day offsets from Easter Sunday, fixed feasts as month and day); three dated
// lists hold the feasts of one year, built from the year typed in yearEdit and
// the Easter date shown in easterDateTimePicker; four report views show them.
// Each of the seven commands rebuilds the list it shows, then refills its view.
// Nothing is cached: the year and the Easter date live only in their controls.
// A fifth view shows a year's name days, with a search box that filters them by
// name as the user types: at start this year's, then the year of the Easter
// date the movable feasts were last dated from, so that a feast in both views
// has one date. Above it, who celebrates today and tomorrow, renewed at
// midnight.

#include "Application.h"
#include "DateUtils.h"
#include "DayClock.h"
#include "ExportMenu.h"
#include "Feasts.h"
#include "Misc.h"
#include "NameDays.h"
#include "TList.h"
#include "ui_Unit1.h"

#include <QString>
#include <QTimer>
#include <QWidget>

#include <array>

class QTreeWidget;

// The item data roles of a report row's first column: its day as a QDate, and
// for a name-day row the commemoration's index in the name-day table.
constexpr int FeastDateRole = Qt::UserRole;
constexpr int CommemorationRole = Qt::UserRole + 1;

// The rows of a report view in the order shown, those a filter hides left out:
// the selected ones (all when none is selected) for selectedOnly, else all.
QList<FeastRow> feastRows(const QTreeWidget *view, bool selectedOnly = false);

class TForm1 : public QWidget, private Ui::TForm1
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);

    void easterSpeedButtonClick(QObject *Sender);
    void varDaysBitBtnClick(QObject *Sender);
    void constDaysBitBtnClick(QObject *Sender);
    void allDaysBitBtnClick(QObject *Sender);
    void generalBitBtnClick(QObject *Sender);
    void ascendingBitBtnClick(QObject *Sender);
    void descendingBitBtnClick(QObject *Sender);

signals:
    // The fifth view's button asks for the companion window.
    void companionRequested();

public:
    TList<Kiniti> kinitiList;
    TList<Statheri> statheriList;
    TList<myDay> varDaysList;
    TList<myDay> generalDaysList;
    TList<myDay> constDaysList;

private:
    void fillKinitiList();
    void fillStatheriList();
    void buildVarDaysList();
    void buildConstDaysList();
    void buildGeneralDaysList();
    void addFixedFeasts(TList<myDay> &list);
    void addMovableFeasts(TList<myDay> &list, TDateTime base);
    void fillListView(QTreeWidget *view, const TList<myDay> &list);
    void fillNamesListView(QDate easter);
    void followEaster();
    void nameSearchEditTextChanged(const QString &text);
    void fitNamesColumn();
    QString namesCaption(const QTreeWidget *view, const QString &caption) const;
    void newDay();
    void showWhoCelebrates(QLabel *label, QDate day, const QString &when);
    static void markToday(QTreeWidgetItem *row, const QTreeWidget *view, bool bold = true);
    void showTodayRow();
    bool eventFilter(QObject *watched, QEvent *event) override;

    QDate todayShown; // the day whose names the tab shows
    QDate namesEaster; // the Easter the fifth view is dated from
    bool namesOfThisYear = true; // it still shows the year that was current at start
    bool scrollToToday = true; // when it is first shown
};
