#include "Glance.h"

#include "Contacts.h"
#include "Exceptions.h"
#include "Feasts.h"
#include "Holidays.h"
#include "Misc.h"
#include "NameDays.h"

#include <QHash>
#include <QRegularExpression>

QList<GlanceDay> glanceDays(
    QDate first, QDate last, const QString &country, const QList<MatchedContact> &contacts, bool birthdays)
{
    const NameDayTable &table = NameDayTable::builtIn();
    const HolidayTable &holidays = HolidayTable::builtIn();
    QList<GlanceDay> days;
    QHash<QDate, QString> feasts, holidayNames;
    QHash<QDate, QStringList> people;
    QDate easter;
    // a day's feasts, a line each, without the names after them, which the cell lists
    const auto addFeast = [&feasts](QDate date, QString feast) {
        static const QRegularExpression names(QStringLiteral(" \\(.*\\)$"));
        feast.remove(names);
        feasts.insert(date, feasts.contains(date) ? feasts[date] + u'\n' + feast : feast);
    };
    for (int year = first.year(); year <= last.year(); ++year) {
        try {
            for (const FeastRow &row : feastsByDate(QString::number(year)).rows)
                addFeast(row.date, row.feast);
            const Country &place = holidays.country(country);
            if (year >= place.fromYear)
                for (const Holiday &holiday : holidays.inYear(place, year))
                    holidayNames.insert(holiday.date, holiday.title());
        } catch (const EConvertError &) { // no Easter: no holiday, and the fixed feasts alone
            TList<Statheri> fixed;
            fillStatheriList(fixed);
            for (const auto &feast : fixed)
                addFeast(QDate(year, feast->month, feast->day), feast->name);
        }
    }
    try {
        for (const ContactDay &found : contactDays(table, contacts, first, last, birthdays))
            people[found.day.date] << shownName(found.contact->contact)
                    + (found.birthday ? QStringLiteral(" (γενέθλια)") : QString());
    } catch (const EConvertError &) { }
    for (QDate date = first; date <= last; date = date.addDays(1)) {
        GlanceDay day;
        day.date = date;
        if (easter.year() != date.year()) {
            try {
                easter = toQDate(EasterDate(date.year()));
            } catch (const EConvertError &) {
                easter = QDate(date.year(), 1, 1).addYears(-1); // none: no day is in its week
            }
        }
        day.holiday = holidayNames.value(date);
        day.red = date.dayOfWeek() == Qt::Sunday || !day.holiday.isEmpty();
        day.easterWeek = easter.daysTo(date) >= 0 && easter.daysTo(date) <= 6;
        day.feast = feasts.value(date);
        for (const NameDay &named : table.on(date)) {
            day.names << table.everydayNames(named.commemoration);
            day.commemorations << table.commemorations()[named.commemoration].title;
        }
        day.names.removeDuplicates();
        day.people = people.value(date);
        day.people.removeDuplicates();
        try {
            day.fast = FastTable::builtIn().on(date).level;
        } catch (const EConvertError &) { }
        days.append(day);
    }
    return days;
}

QString fastLegend()
{
    QStringList signs;
    for (const FastLevel level : {FastLevel::Dairy, FastLevel::Fish, FastLevel::Oil, FastLevel::Strict})
        signs << fastLevelSign(level) + QStringLiteral(": ") + fastLevelWords(level);
    return signs.join(QStringLiteral(" · "));
}
