#include "FeastExport.h"

#include "NameDays.h"
#include "Output.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>

#include <libical/ical.h>

#include <cmath>
#include <memory>

const std::array<ExportFormat, 4> exportFormats = {{
    {Format::Ics, QStringLiteral("--ics"), QStringLiteral("ics"), QStringLiteral("Εξαγωγή σε ημερολόγιο (.ics)"),
        QStringLiteral("iCalendar (*.ics)")},
    {Format::Csv, QStringLiteral("--csv"), QStringLiteral("csv"), QStringLiteral("Εξαγωγή σε CSV"),
        QStringLiteral("CSV (*.csv)")},
    {Format::Xlsx, QStringLiteral("--xlsx"), QStringLiteral("xlsx"), QStringLiteral("Εξαγωγή σε Excel (.xlsx)"),
        QStringLiteral("Excel (*.xlsx)")},
    {Format::Pdf, QStringLiteral("--pdf"), QStringLiteral("pdf"), QStringLiteral("Αποθήκευση ως PDF"),
        QStringLiteral("PDF (*.pdf)")},
}};

QByteArray exportBytes(Format format, const QString &caption, const QList<FeastRow> &rows, bool reminder,
    const RowsWriter &xlsx, const RowsWriter &pdf)
{
    switch (format) {
    case Format::Ics:
        return toICalendar(caption, rows, reminder);
    case Format::Csv:
        return toCsv(caption, rows);
    case Format::Xlsx:
        return xlsx(caption, rows);
    case Format::Pdf:
        return pdf(caption, rows);
    }
    Q_UNREACHABLE();
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
    if (!rows.isEmpty() && !rows.first().contact.isEmpty())
        return titles << QStringLiteral("Επαφή") << QStringLiteral("Ονόματα") << QStringLiteral("Ευχή")
                      << QStringLiteral("Εορτή");
    return titles
        + (nameDays(rows, caption)       ? QStringList {QStringLiteral("Ονόματα"), QStringLiteral("Εορτή")}
                : caption == u"Νηστείες" ? QStringList {QStringLiteral("Νηστεία")}
                : caption.startsWith(QStringLiteral("Αργίες")) ? QStringList {QStringLiteral("Αργία")}
                                                               : QStringList {QStringLiteral("Γιορτή")});
}

QStringList cells(const FeastRow &row, bool nameDay)
{
    QStringList texts = {row.number, row.dateText, row.day};
    if (!row.contact.isEmpty()) // the greeting before the commemoration, both wide in a PDF
        return texts << row.contact << row.names << row.greeting << row.commemoration;
    return texts + (nameDay ? QStringList {row.names, row.commemoration} : QStringList {row.feast});
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
    const QString name = caption.startsWith(QStringLiteral("Αργίες")) || caption == u"Νηστείες" ? caption
        : !caption.startsWith(one) ? names.value(caption, QStringLiteral("Εορτολόγιο"))
        : caption.contains(u',')   ? QStringLiteral("Ονομαστικές εορτές: ") + caption.mid(one.size())
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
            + QCryptographicHash::hash(
                (nameDay ? row.summary + row.commemoration : row.feast).toUtf8(), QCryptographicHash::Sha1)
                  .toHex()
                  .left(20)
            + "@eortologio";
        icalcomponent *event = icalcomponent_new_vevent();
        icalcomponent_add_property(event, icalproperty_new_uid(uid.constData()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(now));
        icalcomponent_add_property(event, dateProperty(ICAL_DTSTART_PROPERTY, row.date));
        // A date has four digits of year: the last day of 9999 lasts a day instead.
        const QDate last = row.until.isValid() ? row.until : row.date;
        icalcomponent_add_property(event,
            last.year() < 9999 || last.dayOfYear() < last.daysInYear()
                ? dateProperty(ICAL_DTEND_PROPERTY, last.addDays(1))
                : icalproperty_new_duration(icaldurationtype_from_int(24 * 60 * 60)));
        icalcomponent_add_property(event, icalproperty_new_summary(summary.constData()));
        if (nameDay) // a contact's greeting first, to copy from the phone's calendar
            icalcomponent_add_property(event,
                icalproperty_new_description(
                    (row.greeting.isEmpty() ? row.feast : row.greeting + QStringLiteral("\n\n") + row.feast)
                        .toUtf8()
                        .constData()));
        if (!row.details.isEmpty())
            icalcomponent_add_property(event, icalproperty_new_description(row.details.toUtf8().constData()));
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

void saveFile(const QString &fileName, const QByteArray &data)
{
    OutputFile(fileName, data).commit();
}
