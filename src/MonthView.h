#pragma once

// One month at a glance, beside the companion window: a grid of weeks, each
// day with its number (red on Sundays and public holidays), its feast, its
// first names, the person's contacts in bold and the sign of its fast; below,
// the chosen day's whole list and the signs' legend. The arrow keys move by
// day and week, PageUp and PageDown by month, Home to today.

#include <QDate>
#include <QWidget>

class ContactBook;
class QLabel;
class QTableWidget;

class MonthView : public QWidget
{
    Q_OBJECT

public:
    explicit MonthView(ContactBook *book, QWidget *parent = nullptr);
    QDate selected() const { return day; }

public slots:
    // Shows the day's month, the day chosen, and its whole list.
    void select(QDate chosen);
    // Shows them again, after the contacts or the country changed.
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showMonth();
    void showDay();

    ContactBook *book;
    QDate day;
    QDate first; // the grid's first day, a Monday
    QLabel *title;
    QTableWidget *grid;
    QLabel *details;
};
