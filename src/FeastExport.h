#pragma once

// The ways a list of feast rows leaves the program as bytes: tab-separated
// text for the clipboard, iCalendar and CSV. Rows in, bytes
// out: it knows nothing of the window that showed them, and needs Qt Core only.

#include "Feasts.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

// The files rows are exported to, in the order the command line takes them
// and the views' menu offers them.
enum class Format { Ics, Csv, Xlsx, Pdf };
struct ExportFormat
{
    Format format;
    QString option; // on the command line: --ics
    QString suffix; // ics
    QString title; // the save dialog's title, and with "…" the menu's entry
    QString filter; // the save dialog's filter: iCalendar (*.ics)
};
extern const std::array<ExportFormat, 4> exportFormats;
inline const ExportFormat &exportFormat(Format format)
{
    return exportFormats[std::size_t(format)];
}

// The rows in a format: iCalendar (with an alarm on each day when reminder is
// set) and CSV made here; the workbook and the PDF, which need libraries of
// their own, by the writer the caller gives (FeastXlsx and FeastPdf, or the
// modules that hold them).
using RowsWriter = std::function<QByteArray(const QString &caption, const QList<FeastRow> &rows)>;
QByteArray exportBytes(Format format, const QString &caption, const QList<FeastRow> &rows, bool reminder,
    const RowsWriter &xlsx, const RowsWriter &pdf);

// Whether the rows are name days (with no rows, whether the caption is a
// name-day one); the columns' titles; and a row's cells: number, date, day and
// feast, or for a name day the names and the commemoration in place of the
// feast; for a contact's name day the contact, the names, the greeting and
// the commemoration.
bool nameDays(const QList<FeastRow> &rows, const QString &caption = {});
QStringList columnTitles(const QList<FeastRow> &rows, const QString &caption = {});
QStringList cells(const FeastRow &row, bool nameDay);

// The columns, tab-separated, one line per row.
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
QByteArray toICalendar(const QString &caption, const QList<FeastRow> &rows, bool reminder);

// RFC 4180 CSV in UTF-8 with a byte-order mark: a header, then one line per
// row with the date as yyyy-MM-dd, the columns of toTabSeparated (a name
// day's when the rows are none under a name-day caption).
QByteArray toCsv(const QString &caption, const QList<FeastRow> &rows);

// "2025", or "2025–2030" when the rows span several years; empty for no rows.
QString yearsCovered(const QList<FeastRow> &rows);

// The heading of a document of the rows: the caption and the years covered.
QString documentTitle(const QString &caption, const QList<FeastRow> &rows);

// Writes the whole of data to the file or not at all: an earlier file of that
// name stays as it was when the write fails, and the failure raises Exception
// naming the file and the reason.
void saveFile(const QString &fileName, const QByteArray &data);
