#include "Fasts.h"

#include "Exceptions.h"
#include "Feasts.h"
#include "Misc.h"

namespace {

struct LevelText
{
    const char16_t *key;
    const char16_t *words;
    const char16_t *sign;
};
// By FastLevel. The signs are the first letter of what the day allows or is,
// found in every font that has Greek: Γ γαλακτερά, Ψ ψάρι, Λ λάδι, Ν νηστεία.
const LevelText levels[] = {
    {u"free", u"Κατάλυση εις πάντα", u""},
    {u"dairy", u"Κατάλυση γαλακτερών, αυγών και ψαριού", u"Γ"},
    {u"fish", u"Κατάλυση ψαριού, λαδιού και κρασιού", u"Ψ"},
    {u"oil", u"Κατάλυση λαδιού και κρασιού", u"Λ"},
    {u"strict", u"Νηστεία", u"Ν"},
};

Exception lineError(int line, const QString &what)
{
    return Exception(QStringLiteral("Πίνακας νηστειών, γραμμή %1: %2").arg(line).arg(what));
}

QDate easterOf(int year)
{
    return toQDate(EasterDate(year));
}

} // namespace

QString fastLevelKey(FastLevel level)
{
    return QString::fromUtf16(levels[int(level)].key);
}

QString fastLevelWords(FastLevel level)
{
    return QString::fromUtf16(levels[int(level)].words);
}

QString fastLevelSign(FastLevel level)
{
    return QString::fromUtf16(levels[int(level)].sign);
}

FastTable::FastTable(const QString &text)
{
    for (const DataLine &line : dataLines(text)) {
        const QStringList &f = line.fields;
        const bool period = f.first() == u"fast";
        if (f.size() != (period ? 4 : 5))
            throw lineError(line.number,
                period ? QStringLiteral("χρειάζεται fast | ημέρες | όνομα | πηγή.")
                       : QStringLiteral("χρειάζεται ημέρες | ημέρες της εβδομάδας | βαθμός | αιτία | πηγή."));
        const auto days = readDaySpan(f[period ? 1 : 0]);
        if (!days)
            throw lineError(line.number, QStringLiteral("άγνωστες ημέρες «%1».").arg(f[period ? 1 : 0]));
        if (f.last().isEmpty() || f[period ? 2 : 3].isEmpty())
            throw lineError(line.number, QStringLiteral("λείπει το όνομα ή η πηγή."));
        if (period) {
            periods.append({*days, f[2]});
            continue;
        }
        Rule rule {*days, 0, FastLevel::Free, f[3]};
        for (const QString &weekday : f[1].split(u',')) {
            int day = 1;
            while (day <= 7 && weekdayName(day) != weekday.trimmed())
                ++day;
            if (weekday != u"*" && day > 7)
                throw lineError(line.number, QStringLiteral("άγνωστη ημέρα της εβδομάδας «%1».").arg(weekday));
            rule.weekdays |= weekday == u"*" ? 0x7f : 1 << (day - 1);
        }
        const auto level = std::find_if(
            std::begin(levels), std::end(levels), [&](const LevelText &l) { return f[2] == QStringView(l.key); });
        if (level == std::end(levels))
            throw lineError(line.number, QStringLiteral("άγνωστος βαθμός νηστείας «%1».").arg(f[2]));
        rule.level = FastLevel(level - std::begin(levels));
        rules.append(rule);
    }
}

const FastTable &FastTable::builtIn()
{
    static const FastTable table(builtInData(QStringLiteral("fasts.txt")));
    return table;
}

FastDay FastTable::on(QDate day, QDate easter) const
{
    FastDay fast {day, FastLevel::Free, {}, {}};
    for (const Rule &rule : rules)
        if (rule.weekdays & 1 << (day.dayOfWeek() - 1) && rule.days.contains(day, easter))
            fast.level = rule.level, fast.reason = rule.reason;
    if (fast.level == FastLevel::Free)
        fast.reason.clear();
    for (const Period &period : periods)
        if (period.days.contains(day, easter))
            fast.period = period.name;
    return fast;
}

FastDay FastTable::on(QDate day) const
{
    return on(day, easterOf(day.year()));
}

QList<FastDay> FastTable::inYear(int year) const
{
    const QDate easter = easterOf(year);
    QList<FastDay> days;
    for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1))
        days.append(on(day, easter));
    return days;
}

QList<FastPeriod> FastTable::periodsIn(int year) const
{
    QList<FastPeriod> found;
    for (const FastDay &day : inYear(year)) {
        if (day.level == FastLevel::Free)
            continue;
        if (!day.period.isEmpty() && !found.isEmpty() && found.last().name == day.period)
            found.last().days.append(day);
        else
            found.append({day.period.isEmpty() ? day.reason : day.period, {day}});
    }
    return found;
}
