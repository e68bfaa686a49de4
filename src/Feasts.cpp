#include "Feasts.h"

#include "Misc.h"
#include "NameDays.h"

#include <cmath>

TDateTime addDays(TDateTime date, int offset)
{
    return date + static_cast<double>(offset);
}

int dayNumber(const myDay *entry)
{
    return static_cast<int>(std::trunc(entry->date));
}

int compareAscending(const myDay *a, const myDay *b)
{
    return dayNumber(a) - dayNumber(b);
}

int compareDescending(const myDay *a, const myDay *b)
{
    return dayNumber(b) - dayNumber(a);
}

void fillKinitiList(TList<Kiniti> &list)
{
    static const Kiniti rows[] = {
        {-70, QStringLiteral("Τελωνίου και Φαρισαίου - Αρχή Τριωδίου")},
        {-63, QStringLiteral("Του Ασώτου")},
        {-59, QStringLiteral("Τσικνοπέμπτη")},
        {-56, QStringLiteral("Της Απόκρεω")},
        {-49, QStringLiteral("Τυροφάγου")},
        {-48, QStringLiteral("Καθαρά Δευτέρα")},
        {-43,
            QStringLiteral("Αγίου Θεοδώρου (Θεόδωρος, Θεοδώρα, Δώρα, Ντόρα, Θόδωρος, Θοδώρα, Θοδωρής, Θοδωράκης, "
                           "Θώδης, Θώδος, Δωρής)")},
        {-42, QStringLiteral("Κυριακή της Ορθοδοξίας (Ορθοδοξία, Λωξάνδρα, Λωξάντρα, Ρωξάνη)")},
        {-35,
            QStringLiteral("Γρηγορίου του Παλαμά (Γρηγόριος, Γρηγόρης, Γρηγορία, Γόλης) (σημείωση: εορτάζεται και στις "
                           "14 Νοεμβρίου)")},
        {-8, QStringLiteral("Σάββατο του Λαζάρου (Λάζαρος, Λάζος)")},
        {-7, QStringLiteral("Κυριακή των Βαϊων (Βάϊος, Βάϊα, Βάγια, Βαία, Δάφνη)")},
        {-6, QStringLiteral("Μεγάλη Δευτέρα (Πάγκαλος)")},
        {-5, QStringLiteral("Μεγάλη Τρίτη")},
        {-4, QStringLiteral("Μεγάλη Τετάρτη")},
        {-3, QStringLiteral("Μεγάλη Πέμπτη")},
        {-2, QStringLiteral("Μεγάλη Παρασκευή")},
        {-1, QStringLiteral("Μεγάλο Σάββατο")},
        {0,
            QStringLiteral("ΤΟ ΑΓΙΟ ΠΑΣΧΑ (Αναστάσιος, Αναστασία, Τάσος, Αναστάσης, Ανέστης, Λάμπρος, Λαμπρινή, "
                           "Λαμπρίνα, Πασχάλης, Πασχαλίνα, Λίνα, Στασινός)")},
        {1, QStringLiteral("2α Διακαινησίμου - Δευτέρα")},
        {2, QStringLiteral("3α Διακαινησίμου - Τρίτη (Λαμπροτρίτη) - (Ραφαήλ,Νικόλαος και Ειρήνη Άγιοι Μυτιλήνης)")},
        {3, QStringLiteral("4α Διακαινησίμου - Τετάρτη (Θεοχάρης)")},
    };
    for (const Kiniti &row : rows)
        list.Add(new Kiniti(row));
}

void fillStatheriList(TList<Statheri> &list)
{
    static const Statheri rows[] = {
        {1, 1, QStringLiteral("Πρωτοχρονιά")},
        {12, 25, QStringLiteral("Χριστούγεννα")},
        {1, 6, QStringLiteral("Θεοφάνεια")},
        {5, 1, QStringLiteral("Πρωτομαγιά")},
        {3, 25, QStringLiteral("25η Μαρτίου (επανάσταση του 1821)")},
        {8, 15, QStringLiteral("Κοίμηση της Θεοτόκου (Δεκαπενταύγουστος)")},
        {10, 26, QStringLiteral("26η Οκτωβρίου (εορτή Αγ.Δημητρίου - πολιούχου Θεσσαλονίκης)")},
        {10, 28, QStringLiteral("28η Οκτωβρίου (επέτειος του ΟΧΙ)")},
    };
    for (const Statheri &row : rows)
        list.Add(new Statheri(row));
}

void addFixedFeasts(TList<myDay> &list, const TList<Statheri> &feasts, const QString &yearText)
{
    for (const auto &feast : feasts) {
        const int year = StrToInt(yearText);
        list.Add(new myDay {EncodeDate(year, feast->month, feast->day), feast->name});
    }
}

void addMovableFeasts(TList<myDay> &list, const TList<Kiniti> &feasts, TDateTime easter)
{
    for (const auto &feast : feasts)
        list.Add(new myDay {addDays(easter, feast->offset), feast->name});
}

const std::array<QString, 8> dayNames = {
    QString(),
    QStringLiteral("Κυριακή"),
    QStringLiteral("Δευτέρα"),
    QStringLiteral("Τρίτη"),
    QStringLiteral("Τετάρτη"),
    QStringLiteral("Πέμπτη"),
    QStringLiteral("Παρασκευή"),
    QStringLiteral("Σάββατο"),
};

FeastRow feastRow(const myDay &day, int number)
{
    return {toQDate(day.date), QString::number(number), DateToStr(day.date), dayNames[DayOfWeek(day.date)], day.name,
        {}, {}, {}};
}

FeastRow nameDayRow(const NameDay &day, int number)
{
    const NameDayTable &table = NameDayTable::builtIn();
    const TDateTime date = fromQDate(day.date);
    const QString set = QStringLiteral("Ημέρα που ορίσατε");
    if (day.commemoration < 0)
        return {day.date, QString::number(number), DateToStr(date), dayNames[DayOfWeek(date)], set, {}, set, {}};
    return {day.date, QString::number(number), DateToStr(date), dayNames[DayOfWeek(date)],
        table.rowText(day.commemoration), table.baseNames(day.commemoration),
        table.commemorations()[day.commemoration].title, {}};
}

FeastReport feastsByDate(const QString &yearText)
{
    const TDateTime easter = EasterDate(StrToInt(yearText));
    TList<Kiniti> movable;
    TList<Statheri> fixed;
    fillKinitiList(movable);
    fillStatheriList(fixed);
    TList<myDay> days;
    addFixedFeasts(days, fixed, yearText);
    addMovableFeasts(days, movable, easter);
    days.Sort(compareAscending);
    FeastReport report {QStringLiteral("Όλες οι γιορτές"), {}};
    for (const auto &day : days)
        report.rows << feastRow(*day, int(report.rows.size()) + 1);
    return report;
}

FeastReport nameDaysByDate(const QString &yearText)
{
    const QDate easter = toQDate(EasterDate(StrToInt(yearText)));
    FeastReport report {QStringLiteral("Ονομαστικές"), {}};
    for (const NameDay &day : NameDayTable::builtIn().inYear(easter.year(), easter))
        report.rows << nameDayRow(day, int(report.rows.size()) + 1);
    return report;
}
