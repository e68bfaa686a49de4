#include "Holidays.h"

#include "Exceptions.h"
#include "Fasts.h"
#include "Misc.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

Exception lineError(int line, const QString &what)
{
    return Exception(QStringLiteral("Πίνακας αργιών, γραμμή %1: %2").arg(line).arg(what));
}

const QStringList kinds = {QStringLiteral("holiday"), QStringLiteral("sunday"), QStringLiteral("may-day")};

} // namespace

QString Holiday::title() const
{
    return moved ? name
            + QStringLiteral(" (μετατέθηκε από την 1η Μαΐου, που πέφτει μέσα στο Πάσχα· την ημέρα την ορίζει "
                             "κάθε χρόνο απόφαση του κράτους)")
                 : name;
}

HolidayTable::HolidayTable(const QString &text)
{
    static const QRegularExpression heading(QStringLiteral("^country ([A-Z]{2})$")),
        from(QStringLiteral("^from (\\d{1,4})$"));
    for (const DataLine &line : dataLines(text)) {
        const QStringList &f = line.fields;
        if (const auto code = heading.match(f.first()); code.hasMatch()) {
            const auto year = from.match(f.value(2));
            if (f.size() != 4 || !year.hasMatch() || f[1].isEmpty() || f[3].isEmpty())
                throw lineError(line.number, QStringLiteral("χρειάζεται country ΚΩΔΙΚΟΣ | όνομα | from ΕΤΟΣ | πηγή."));
            list.append({code.captured(1), f[1], year.captured(1).toInt(), {}});
            continue;
        }
        if (list.isEmpty())
            throw lineError(line.number, QStringLiteral("αργία πριν από τη χώρα της."));
        if (f.size() != 4 || f[1].isEmpty() || f[3].isEmpty())
            throw lineError(line.number, QStringLiteral("χρειάζεται κανόνας | όνομα | είδος | πηγή."));
        const auto day = readDayRule(f[0]);
        if (!day)
            throw lineError(line.number, QStringLiteral("άγνωστος κανόνας «%1».").arg(f[0]));
        if (!kinds.contains(f[2]))
            throw lineError(line.number, QStringLiteral("άγνωστο είδος «%1».").arg(f[2]));
        list.last().rules.append({*day, f[1], Holiday::Kind(kinds.indexOf(f[2]))});
    }
}

const HolidayTable &HolidayTable::builtIn()
{
    static const HolidayTable table(builtInData(QStringLiteral("holidays.txt")));
    return table;
}

const Country &HolidayTable::country(const QString &code) const
{
    for (const Country &country : list)
        if (country.code.compare(code.trimmed(), Qt::CaseInsensitive) == 0)
            return country;
    QStringList known;
    for (const Country &country : list)
        known << QStringLiteral("%1 (%2)").arg(country.code, country.name);
    throw Exception(QStringLiteral("Δεν υπάρχουν αργίες για τη χώρα «%1»· υπάρχουν για: %2.")
                        .arg(code, known.join(QStringLiteral(", "))));
}

QList<Holiday> HolidayTable::inYear(const Country &country, int year) const
{
    if (year < country.fromYear)
        throw Exception(QStringLiteral("Ο σημερινός κατάλογος αργιών (%1) ισχύει από το %2· για το %3 δεν ισχύει.")
                            .arg(country.name)
                            .arg(country.fromYear)
                            .arg(year));
    const QDate easter = toQDate(EasterDate(year));
    QList<Holiday> days;
    for (const Country::Rule &rule : country.rules) {
        Holiday holiday {rule.day.in(year, easter), rule.name, rule.kind, false};
        // Holy Week, Easter Sunday or Easter Monday: the Tuesday after Easter.
        if (rule.kind == Holiday::MayDay && holiday.date >= easter.addDays(-6) && holiday.date <= easter.addDays(1))
            holiday.date = easter.addDays(2), holiday.moved = true;
        days.append(holiday);
    }
    std::stable_sort(days.begin(), days.end(), [](const Holiday &a, const Holiday &b) { return a.date < b.date; });
    return days;
}

QStringList dayNotes(QDate day, const QString &countryCode)
{
    QStringList notes;
    try {
        notes << fastLevelWords(FastTable::builtIn().on(day).level);
        const HolidayTable &table = HolidayTable::builtIn();
        if (const auto holiday = table.on(table.country(countryCode), day))
            notes << QStringLiteral("Αργία: ") + holiday->title();
    } catch (const EConvertError &) { } // a year whose Easter cannot be dated
    return notes;
}

std::optional<Holiday> HolidayTable::on(const Country &country, QDate day) const
{
    if (day.year() < country.fromYear)
        return std::nullopt;
    for (const Holiday &holiday : inYear(country, day.year()))
        if (holiday.date == day)
            return holiday;
    return std::nullopt;
}
