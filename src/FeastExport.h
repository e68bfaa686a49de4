#pragma once

// The ways a list of feast rows leaves the program: tab-separated text for the
// clipboard, iCalendar, CSV, an Excel workbook, and a printed or PDF document. It takes plain
// rows and knows nothing of the window that showed them.

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <functional>

class QAbstractItemView;
class QPagedPaintDevice;
class QWidget;

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
};

struct NameDay;

// A name day as a report row: its date, day, base names and commemoration, and
// as its feast the commemoration with every form of its names.
FeastRow nameDayRow(const NameDay &day, int number);

// Greek day names indexed by DayOfWeek (1 Sunday .. 7 Saturday); entry 0 is empty.
extern const std::array<QString, 8> dayNames;

// Rows under the caption of the view or the question they answer: a tab's
// caption, "Ονομαστικές" for name days, "Ονομαστικές: Γεώργιος" for one name's.
struct FeastReport
{
    QString caption;
    QList<FeastRow> rows;
};

// The columns, tab-separated, one line per row: number, date, day and feast;
// for name days the names and the commemoration in place of the feast.
QString toTabSeparated(const QList<FeastRow> &rows);

// What a calendar of the rows holds, to tell it from others imported beside
// it: "Εορτολόγιο 2025", "Ονομαστικές εορτές 2025", "Ονομαστική εορτή:
// Γεώργιος 2025–2035".
QString calendarName(const QString &caption, const QList<FeastRow> &rows);

// An iCalendar (RFC 5545) calendar with that name, one all-day, transparent
// event per row; a name day's summary puts the names first. A feast or
// commemoration on a day always gets the same UID, so a calendar that imports
// it again, also within a longer range, updates the event instead of adding one.
// With a reminder, each event has an alarm at 09:00 of its day.
QByteArray toICalendar(const QString &caption, const QList<FeastRow> &rows, bool reminder = false);

// RFC 4180 CSV in UTF-8 with a byte-order mark: a header, then one line per
// row with the date as yyyy-MM-dd, the columns of toTabSeparated (a name
// day's when the rows are none under a name-day caption).
QByteArray toCsv(const QString &caption, const QList<FeastRow> &rows);

// An Excel workbook (.xlsx) of one sheet named after the caption and the
// years: the columns' titles in bold with a filter, the dates as dates in the
// reader's short date format, columns wide enough for their longest text, a
// long feast wrapped, printed landscape one page wide.
QByteArray toXlsx(const QString &caption, const QList<FeastRow> &rows);

// A document titled with the caption and the years covered, and the four
// columns, long feasts wrapped, laid out on the device's pages.
void printRows(QPagedPaintDevice *device, const QString &caption, const QList<FeastRow> &rows);

// The same document as PDF.
QByteArray toPdf(const QString &caption, const QList<FeastRow> &rows);

// "2025", or "2025–2030" when the rows span several years; empty for no rows.
QString yearsCovered(const QList<FeastRow> &rows);

// Writes the whole of data to the file or not at all: an earlier file of that
// name stays as it was when the write fails, and the failure raises Exception
// naming the file and the reason.
void saveFile(const QString &fileName, const QByteArray &data);

// Asks for a file name through the platform's file dialog, suggesting one
// that says what the rows hold in the folder last saved to, and writes the
// data there. A write that fails shows its error and asks again on the same
// name; a cancelled dialog does nothing. True once written.
bool saveAs(QWidget *parent, const QString &title, const FeastReport &report, const QString &suffix,
    const QString &filter, const std::function<QByteArray()> &data);

// Where the menu finds its rows and their caption: the selected rows (or all
// when none is selected) for selectedOnly, else all, in the order shown.
using RowSource = std::function<FeastReport(bool selectedOnly)>;

// Gives the view a context menu (right click, the Menu key, Shift+F10) that
// copies its rows, exports them to iCalendar, CSV, Excel or PDF through the
// platform's file dialog, suggesting a name that says what they hold, or
// prints them with a preview under the caption. The actions are disabled while
// the view is empty; their errors show one error box. With reminders, the
// calendar is offered also with an alarm at 09:00 of each day.
void addExportMenu(QAbstractItemView *view, const RowSource &rows, bool reminders = false);
