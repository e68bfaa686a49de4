#include "FeastExport.h"

#include "NameDays.h"
#include "Output.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <libical/ical.h>
#include <xlsxwriter.h>

#include <cmath>
#include <memory>

const std::array<ExportFormat, 4> exportFormats = {{
    {QStringLiteral("--ics"), QStringLiteral("ics"), QStringLiteral("Εξαγωγή σε ημερολόγιο (.ics)"), QStringLiteral("iCalendar (*.ics)")},
    {QStringLiteral("--csv"), QStringLiteral("csv"), QStringLiteral("Εξαγωγή σε CSV"), QStringLiteral("CSV (*.csv)")},
    {QStringLiteral("--xlsx"), QStringLiteral("xlsx"), QStringLiteral("Εξαγωγή σε Excel (.xlsx)"), QStringLiteral("Excel (*.xlsx)")},
    {QStringLiteral("--pdf"), QStringLiteral("pdf"), QStringLiteral("Αποθήκευση ως PDF"), QStringLiteral("PDF (*.pdf)")},
}};

QByteArray exportBytes(int format, const QString &caption, const QList<FeastRow> &rows, bool reminder)
{
    return format == IcsFormat ? toICalendar(caption, rows, reminder)
        : format == CsvFormat  ? toCsv(caption, rows)
                               : toXlsx(caption, rows);
}

// The columns' titles and a row's cells: a feast's, or a name day's with its
// names and commemoration apart. No rows are name days under their caption.
bool nameDays(const QList<FeastRow> &rows, const QString &caption)
{
    return rows.isEmpty() ? caption.startsWith(QStringLiteral("Ονομαστικές")) : !rows.first().commemoration.isEmpty();
}

QStringList columnTitles(const QList<FeastRow> &rows, const QString &caption)
{
    QStringList titles = {QStringLiteral("Α/Α"), QStringLiteral("Ημερομηνία"), QStringLiteral("Ημέρα")};
    return titles + (nameDays(rows, caption) ? QStringList {QStringLiteral("Ονόματα"), QStringLiteral("Εορτή")}
                                    : QStringList {QStringLiteral("Γιορτή")});
}

QStringList cells(const FeastRow &row, bool nameDay)
{
    return QStringList {row.number, row.dateText, row.day}
        + (nameDay ? QStringList {row.names, row.commemoration} : QStringList {row.feast});
}

namespace {

// An all-day date property, DTSTART;VALUE=DATE:yyyymmdd. The value is read
// from its text because libical's time type refuses years after 3000 and takes
// 1 January of year 1 for its null time.
icalproperty *dateProperty(icalproperty_kind kind, QDate date)
{
    icalproperty *property = icalproperty_new(kind);
    icalproperty_set_value(
        property, icalvalue_new_from_string(ICAL_DATE_VALUE, date.toString(QStringLiteral("yyyyMMdd")).toLatin1()));
    return property;
}

// Quoted when it holds a separator, a quote or a line break; quotes doubled.
QString csvField(QString field)
{
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n') && !field.contains(u'\r'))
        return field;
    return u'"' + field.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

} // namespace

QString documentTitle(const QString &caption, const QList<FeastRow> &rows)
{
    return caption + u' ' + yearsCovered(rows);
}

QString yearsCovered(const QList<FeastRow> &rows)
{
    if (rows.isEmpty())
        return {};
    const auto [first, last] = std::minmax_element(
        rows.begin(), rows.end(), [](const FeastRow &a, const FeastRow &b) { return a.date.year() < b.date.year(); });
    if (first->date.year() == last->date.year())
        return QString::number(first->date.year());
    return QStringLiteral("%1–%2").arg(first->date.year()).arg(last->date.year());
}

QString toTabSeparated(const QList<FeastRow> &rows)
{
    QString text;
    const bool names = nameDays(rows);
    for (const FeastRow &row : rows)
        text += cells(row, names).join(u'\t') + u'\n';
    return text;
}

QString calendarName(const QString &caption, const QList<FeastRow> &rows)
{
    static const QHash<QString, QString> names = {{QStringLiteral("Ονομαστικές"), QStringLiteral("Ονομαστικές εορτές")},
        {QStringLiteral("Σταθερές"), QStringLiteral("Σταθερές γιορτές")},
        {QStringLiteral("Κινητές"), QStringLiteral("Κινητές γιορτές")},
        {QStringLiteral("Επαφές"), QStringLiteral("Ονομαστικές εορτές επαφών")}};
    const QString one = QStringLiteral("Ονομαστικές: ");
    const QString name = !caption.startsWith(one) ? names.value(caption, QStringLiteral("Εορτολόγιο"))
        : caption.contains(u',')                  ? QStringLiteral("Ονομαστικές εορτές: ") + caption.mid(one.size())
                                                  : QStringLiteral("Ονομαστική εορτή: ") + caption.mid(one.size());
    return (name + u' ' + yearsCovered(rows)).trimmed();
}

QByteArray toICalendar(const QString &caption, const QList<FeastRow> &rows, bool reminder)
{
    const std::unique_ptr<icalcomponent, void (*)(icalcomponent *)> calendar(
        icalcomponent_new_vcalendar(), icalcomponent_free);
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Eortologio//Εορτολόγιο//EL"));
    const QByteArray name = calendarName(caption, rows).toUtf8();
    for (const char *key : {"NAME", "X-WR-CALNAME"}) {
        icalproperty *property = icalproperty_new_x(name.constData());
        icalproperty_set_x_name(property, key);
        icalcomponent_add_property(calendar.get(), property);
    }

    const icaltimetype now = icaltime_current_time_with_zone(icaltimezone_get_utc_timezone());
    for (const FeastRow &row : rows) {
        const bool nameDay = !row.commemoration.isEmpty();
        // A phone shows the summary on one line: at most ten names, the rest
        // in the description with the commemoration's every form.
        QStringList names = row.names.split(QStringLiteral(", "));
        if (names.size() > 10)
            names = names.mid(0, 10) << QStringLiteral("…");
        const QByteArray summary = (!row.summary.isEmpty() ? row.summary
                : nameDay ? names.join(QStringLiteral(", ")) + QStringLiteral(" – ") + row.commemoration
                          : row.feast)
                                       .toUtf8();
        // The day and the feast or commemoration make the UID: the same in
        // every view, every run and every range of years.
        const QByteArray uid = row.date.toString(QStringLiteral("yyyyMMdd")).toLatin1() + '-'
            + QCryptographicHash::hash((nameDay ? row.summary + row.commemoration : row.feast).toUtf8(), QCryptographicHash::Sha1)
                  .toHex()
                  .left(20)
            + "@eortologio";
        icalcomponent *event = icalcomponent_new_vevent();
        icalcomponent_add_property(event, icalproperty_new_uid(uid.constData()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(now));
        icalcomponent_add_property(event, dateProperty(ICAL_DTSTART_PROPERTY, row.date));
        // A date has four digits of year: the last day of 9999 lasts a day instead.
        icalcomponent_add_property(event,
            row.date.year() < 9999 || row.date.dayOfYear() < row.date.daysInYear()
                ? dateProperty(ICAL_DTEND_PROPERTY, row.date.addDays(1))
                : icalproperty_new_duration(icaldurationtype_from_int(24 * 60 * 60)));
        icalcomponent_add_property(event, icalproperty_new_summary(summary.constData()));
        if (nameDay)
            icalcomponent_add_property(event, icalproperty_new_description(row.feast.toUtf8().constData()));
        icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        if (reminder) { // at 09:00 of the day: the event begins at its midnight
            icalcomponent *alarm = icalcomponent_new_valarm();
            icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
            icalcomponent_add_property(alarm, icalproperty_new_description(summary.constData()));
            icaltriggertype trigger {icaltime_null_time(), icaldurationtype_from_int(9 * 60 * 60)};
            icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
            icalcomponent_add_component(event, alarm);
        }
        icalcomponent_add_component(calendar.get(), event);
    }
    char *text = icalcomponent_as_ical_string_r(calendar.get());
    const QByteArray result(text);
    icalmemory_free_buffer(text);
    return result;
}

QByteArray toCsv(const QString &caption, const QList<FeastRow> &rows)
{
    QString text = columnTitles(rows, caption).join(u',') + QStringLiteral("\r\n");
    const bool names = nameDays(rows);
    for (const FeastRow &row : rows) {
        QStringList fields = cells(row, names);
        fields[1] = row.date.toString(Qt::ISODate);
        std::transform(fields.begin(), fields.end(), fields.begin(), csvField);
        text += fields.join(u',') + QStringLiteral("\r\n");
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}

QByteArray toXlsx(const QString &caption, const QList<FeastRow> &rows)
{
    // libxlsxwriter writes only to a named file, through the C library's
    // narrow calls: the workbook is made in a folder of its own, the
    // library's temporary files beside it, and read back.
    const QTemporaryDir folder;
    const QByteArray path = folder.isValid() ? narrowFileName(folder.path()) : QByteArray();
    if (path.isEmpty())
        throw Exception(QStringLiteral("Το βιβλίο Excel δεν φτιάχτηκε: δεν βρέθηκε προσωρινός φάκελος για αυτό."));
    const QByteArray file = path + "/eortologio.xlsx";
    lxw_workbook_options options {LXW_FALSE, const_cast<char *>(path.constData()), LXW_FALSE};
    lxw_workbook *workbook = workbook_new_opt(file.constData(), &options);
    const auto failed = [&](int error) {
        return Exception(QStringLiteral("Το βιβλίο Excel δεν φτιάχτηκε στον προσωρινό φάκελο «%1»: %2.")
                             .arg(QDir::toNativeSeparators(folder.path()),
                                 error == LXW_ERROR_MEMORY_MALLOC_FAILED ? QStringLiteral("ανεπαρκής μνήμη")
                                                                         : QStringLiteral("σφάλμα %1 της libxlsxwriter").arg(error)));
    };
    if (!workbook)
        throw failed(LXW_ERROR_CREATING_XLSX_FILE);

    // The sheet is named after the view and its years: a sheet's name has at
    // most 31 characters, none of []:*?/\, so a long caption is cut, never
    // the years.
    const QString years = yearsCovered(rows);
    QString name = caption;
    name.remove(QRegularExpression(QStringLiteral("[\\[\\]:*?/\\\\]")));
    name = (name.simplified().left(30 - years.size()).trimmed() + u' ' + years).trimmed();
    const QByteArray title = documentTitle(caption, rows).toUtf8(), sheetName = name.toUtf8();
    lxw_doc_properties properties {};
    properties.title = const_cast<char *>(title.constData());
    workbook_set_properties(workbook, &properties);
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, sheetName.isEmpty() ? nullptr : sheetName.constData());
    lxw_format *bold = workbook_add_format(workbook);
    format_set_bold(bold);
    // Cells keep to the top of a row that a wrapped feast makes taller; format
    // 14 is the short date of the reader's own regional settings.
    lxw_format *top = workbook_add_format(workbook), *date = workbook_add_format(workbook),
               *wrapped = workbook_add_format(workbook);
    for (lxw_format *format : {top, date, wrapped})
        format_set_align(format, LXW_ALIGN_VERTICAL_TOP);
    format_set_num_format_index(date, 14);
    format_set_text_wrap(wrapped);

    // Column widths in the units of the sheet's font's digits: a Greek or a
    // bold letter is wider, so a text of n letters takes about 1.2 n, plus a
    // margin. A date cell takes about ten, as does a date before 1900, which a
    // spreadsheet cannot hold as a date and gets as the view's text. A feast
    // longer than a screen's width wraps, in a row made tall enough for its
    // lines (not every spreadsheet fits a row's height to wrapped text).
    constexpr double letter = 1.2, widest = 100;
    const auto width = [&](const QString &text) { return std::min(widest, letter * double(text.size()) + 2); };
    const QStringList titles = columnTitles(rows, caption);
    const auto columns = lxw_col_t(titles.size());
    const bool names = nameDays(rows);
    QList<double> widths;
    for (lxw_col_t column = 0; column < columns; ++column) {
        worksheet_write_string(sheet, 0, column, titles[column].toUtf8().constData(), bold);
        widths << width(titles[column]);
    }
    for (int i = 0; i < rows.size(); ++i) {
        const FeastRow &row = rows[i];
        const QStringList texts = cells(row, names);
        const lxw_row_t at = lxw_row_t(i + 1);
        worksheet_write_number(sheet, at, 0, row.number.toInt(), top);
        if (row.date.year() >= 1900) {
            lxw_datetime day {row.date.year(), row.date.month(), row.date.day(), 0, 0, 0};
            worksheet_write_datetime(sheet, at, 1, &day, date);
        } else {
            worksheet_write_string(sheet, at, 1, row.dateText.toUtf8().constData(), top);
        }
        double lines = 1;
        for (lxw_col_t column = 2; column < columns; ++column) {
            worksheet_write_string(sheet, at, column, texts[column].toUtf8().constData(), column > 2 ? wrapped : top);
            lines = std::max(lines, std::ceil(letter * double(texts[column].size()) / (widest - 2)));
        }
        for (lxw_col_t column = 0; column < columns; ++column)
            widths[column] = std::max(widths[column], width(texts[column]));
        if (lines > 1)
            worksheet_set_row(sheet, at, LXW_DEF_ROW_HEIGHT * lines, nullptr);
    }
    for (lxw_col_t column = 0; column < columns; ++column)
        worksheet_set_column(sheet, column, column, widths[column], nullptr);
    worksheet_freeze_panes(sheet, 1, 0); // the header stays in view
    worksheet_autofilter(sheet, 0, 0, lxw_row_t(rows.size()), columns - 1);
    // Printed across, one page wide, the header on every page.
    worksheet_set_landscape(sheet);
    worksheet_fit_to_pages(sheet, 1, 0);
    worksheet_repeat_rows(sheet, 0, 0);

    if (const lxw_error error = workbook_close(workbook); error != LXW_NO_ERROR)
        throw failed(error);
    QFile made(QFile::decodeName(file));
    if (!made.open(QIODevice::ReadOnly))
        throw failed(LXW_ERROR_READING_TMPFILE);
    return made.readAll();
}

void saveFile(const QString &fileName, const QByteArray &data)
{
    OutputFile(fileName, data).commit();
}

