#include "CommandLine.h"

#include "Choices.h"
#include "DayClock.h"
#include "Fasts.h"
#include "FeastExport.h"
#include "Feasts.h"
#include "Holidays.h"
#include "Misc.h"
#include "Modules.h"
#include "NameDays.h"
#include "Output.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

const QString usage = QStringLiteral(
    "Χρήση: eortologio --year ΕΤΟΣ [--names | --name ΟΝΟΜΑ] [--ics|--csv|--xlsx|--pdf ΑΡΧΕΙΟ]...\n"
    "       eortologio --name ΟΝΟΜΑ [--ics|--csv|--xlsx|--pdf ΑΡΧΕΙΟ]...\n"
    "       eortologio (--date ΕΕΕΕ-ΜΜ-ΗΗ | --today) [--ics|--csv|--xlsx|--pdf ΑΡΧΕΙΟ]...\n"
    "       eortologio --contacts ΕΠΑΦΕΣ.vcf [--year ΕΤΟΣ] [--ics|--csv|--xlsx|--pdf ΑΡΧΕΙΟ]...\n"
    "       eortologio --year ΕΤΟΣ (--holidays [--country CY] | --fasting) [--ics|--csv|--xlsx ΑΡΧΕΙΟ]...\n"
    "       eortologio --year ΕΤΟΣ --wall-calendar ΑΡΧΕΙΟ.pdf [--country CY]\n"
    "       eortologio [--companion | --tray]\n"
    "\n"
    "Χωρίς επιλογές ανοίγει το παράθυρο του Εορτολογίου. Με --year γράφει τις\n"
    "κινητές και τις σταθερές γιορτές του έτους, κατά σειρά ημερομηνίας.\n"
    "\n"
    "  --year ΕΤΟΣ       το έτος, ή διάστημα ετών έως 100 (2025-2035)· χωρίς άλλη\n"
    "                    επιλογή, οι γιορτές ως κείμενο\n"
    "  --names           οι ονομαστικές εορτές των ετών αντί για τις γιορτές\n"
    "  --name ΟΝΟΜΑ      οι ημέρες που γιορτάζει το όνομα (με ελληνικά ή λατινικά\n"
    "                    γράμματα): ημερομηνία, ημέρα, μνήμη· χωρίς --year, στους\n"
    "                    δώδεκα μήνες από σήμερα\n"
    "  --date ΗΜΕΡΟΜΗΝΙΑ ποιοι γιορτάζουν την ημέρα (ΕΕΕΕ-ΜΜ-ΗΗ), η νηστεία της και,\n"
    "                    αν είναι αργία, η αργία\n"
    "  --today           το ίδιο για σήμερα\n"
    "  --holidays        οι δημόσιες αργίες των ετών: ημερομηνία, ημέρα, αργία\n"
    "  --country ΧΩΡΑ    οι αργίες της Ελλάδας (GR, αν δεν δοθεί) ή της Κύπρου (CY)\n"
    "  --fasting         η νηστεία κάθε ημέρας των ετών: ημερομηνία, ημέρα, βαθμός\n"
    "                    (free, dairy, fish, oil, strict), τι επιτρέπεται· στο\n"
    "                    iCalendar, ένα γεγονός για κάθε περίοδο νηστείας\n"
    "  --wall-calendar ΑΡΧΕΙΟ  ημερολόγιο τοίχου του έτους σε PDF: δώδεκα σελίδες A4\n"
    "                    οριζόντιες, ένας μήνας στη σελίδα\n"
    "  --contacts ΑΡΧΕΙΟ οι ονομαστικές εορτές των επαφών ενός αρχείου vCard (.vcf)·\n"
    "                    χωρίς --year, στους δώδεκα μήνες από σήμερα\n"
    "  --reminder        στο iCalendar, υπενθύμιση στις 09:00 της ημέρας\n"
    "  --companion       ανοίγει το παράθυρο «Ονομαστικές εορτές»\n"
    "  --tray            ξεκινά στην περιοχή ειδοποιήσεων, χωρίς παράθυρο\n"
    "  --ics ΑΡΧΕΙΟ      ως ημερολόγιο iCalendar (.ics)\n"
    "  --csv ΑΡΧΕΙΟ      ως πίνακας CSV\n"
    "  --xlsx ΑΡΧΕΙΟ     ως βιβλίο Excel (.xlsx)\n"
    "  --pdf ΑΡΧΕΙΟ      ως έγγραφο PDF\n"
    "                    (με ΑΡΧΕΙΟ «-» στην τυπική έξοδο· δίνονται και μαζί)\n"
    "  -h, --help        αυτή η βοήθεια\n"
    "  -v, --version     η έκδοση του προγράμματος\n"
    "\n"
    "Παραδείγματα: eortologio --year 2025 --ics γιορτές-2025.ics\n"
    "              eortologio --year 2025-2035 --name Γιώργος\n"
    "              eortologio --year 2026 --names --ics ονομαστικές-2026.ics\n"
    "              eortologio --contacts επαφές.vcf --year 2026-2030 --reminder --ics -\n");

// Qt's own options, which go to the window: those that take a value (also
// written -name=value), then those that stand alone.
const QStringList qtOptionsWithValue = {QStringLiteral("platform"), QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"), QStringLiteral("plugin"), QStringLiteral("qwindowgeometry"),
    QStringLiteral("qwindowtitle"), QStringLiteral("qwindowicon"), QStringLiteral("style"),
    QStringLiteral("stylesheet"), QStringLiteral("session"), QStringLiteral("display"), QStringLiteral("geometry"),
    QStringLiteral("title"), QStringLiteral("name"), QStringLiteral("icon"), QStringLiteral("qmljsdebugger")};
const QStringList qtFlags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
    QStringLiteral("dograb"), QStringLiteral("sync"), QStringLiteral("testability")};

// What the command line is asked: the year or years, or a day; the feasts, the
// name days or one name's days; and, per format, "-" or a file.
struct Options
{
    bool help = false;
    bool version = false;
    bool names = false;
    bool today = false;
    bool reminder = false;
    bool holidays = false;
    bool fasting = false;
    QString country; // GR or CY; empty for the window's choice
    QString wall; // the wall calendar's PDF
    QString contacts;
    QString year;
    int firstYear = 0, lastYear = 0; // a range of years; 0 for one year, given as typed
    QString name;
    QString date;
    std::array<QString, exportFormats.size()> files; // .ics, .csv, .xlsx, .pdf; empty when not asked
};

constexpr int formatCount = int(exportFormats.size());
constexpr int longestRange = 100; // years

// Wrong options: the reason goes to standard error above the usage, status 2.
struct UsageError
{
    QString reason;
};

Options parseOptions(const QStringList &arguments)
{
    Options options;
    QStringList given;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString name = arguments[i];
        std::optional<QString> value;
        if (const qsizetype equals = name.indexOf(u'='); name.startsWith(u"--") && equals > 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        }
        if (name == u"-h" || name == u"-?" || name == u"/?")
            name = QStringLiteral("--help");
        if (name == u"-v")
            name = QStringLiteral("--version");
        QString *field = name == u"--year" ? &options.year
            : name == u"--name"            ? &options.name
            : name == u"--date"            ? &options.date
            : name == u"--contacts"        ? &options.contacts
            : name == u"--country"         ? &options.country
            : name == u"--wall-calendar"   ? &options.wall
                                           : nullptr;
        for (const ExportFormat &format : exportFormats)
            if (name == format.option)
                field = &options.files[&format - exportFormats.data()];
        bool *flag = name == u"--help" ? &options.help
            : name == u"--version"     ? &options.version
            : name == u"--names"       ? &options.names
            : name == u"--today"       ? &options.today
            : name == u"--reminder"    ? &options.reminder
            : name == u"--holidays"    ? &options.holidays
            : name == u"--fasting"     ? &options.fasting
                                       : nullptr;
        if (!field && !flag)
            throw UsageError {(name.startsWith(u'-') && name.size() > 1 ? QStringLiteral("Άγνωστη επιλογή %1.")
                                                                        : QStringLiteral("Περιττό όρισμα %1."))
                                  .arg(quoted(arguments[i]))};
        if (given.contains(name))
            throw UsageError {QStringLiteral("Η επιλογή %1 δόθηκε δύο φορές.").arg(quoted(name))};
        given << name;
        if (!field) {
            if (value)
                throw UsageError {QStringLiteral("Η επιλογή %1 δεν παίρνει τιμή.").arg(quoted(name))};
            *flag = true;
            continue;
        }
        // The value is the next argument unless that is another option, long
        // or short (-h, -v, -?, /?); "-" and negative numbers are values.
        static const QStringList shortOptions
            = {QStringLiteral("-h"), QStringLiteral("-v"), QStringLiteral("-?"), QStringLiteral("/?")};
        if (!value && i + 1 < arguments.size() && !arguments[i + 1].startsWith(u"--")
            && !shortOptions.contains(arguments[i + 1]))
            value = arguments[++i];
        if (!value || value->trimmed().isEmpty())
            throw UsageError {QStringLiteral("Λείπει η τιμή μετά το %1.").arg(quoted(name))};
        *field = *value;
    }
    if (options.help || options.version)
        return options;
    // Options that ask different questions.
    const QStringList alone[] = {{QStringLiteral("--year"), QStringLiteral("--date"), QStringLiteral("--today")},
        {QStringLiteral("--names"), QStringLiteral("--name"), QStringLiteral("--date"), QStringLiteral("--today"),
            QStringLiteral("--contacts"), QStringLiteral("--holidays"), QStringLiteral("--fasting"),
            QStringLiteral("--wall-calendar")}};
    for (const QStringList &group : alone) {
        QStringList both;
        for (const QString &option : given)
            if (group.contains(option))
                both << option;
        if (both.size() > 1)
            throw UsageError {QStringLiteral("Οι %1 και %2 δεν δίνονται μαζί.").arg(both[0], both[1])};
    }
    if (!given.contains(u"--year") && !given.contains(u"--date") && !options.today && options.name.isEmpty()
        && options.contacts.isEmpty())
        throw UsageError {QStringLiteral("Λείπει το έτος: δώστε --year ΕΤΟΣ.")};
    if (given.contains(u"--country") && !options.holidays && !options.today && !given.contains(u"--date")
        && options.wall.isEmpty())
        throw UsageError {
            QStringLiteral("Η επιλογή «--country» δίνεται με --holidays, --wall-calendar, --date ή --today.")};
    if (!options.files[int(Format::Pdf)].isEmpty() && (options.holidays || options.fasting))
        throw UsageError {
            QStringLiteral("Οι αργίες και οι νηστείες δεν γράφονται σε PDF· δώστε --ics, --csv ή --xlsx.")};
    // A dash after something is a range (a dash first is a negative year, which
    // the window refuses): two years, the first first, at most 100 of them.
    static const QRegularExpression range(QStringLiteral("^\\s*(\\S+?)\\s*[-–]\\s*(\\S*)\\s*$")),
        year(QStringLiteral("^\\d{1,4}$"));
    if (const QRegularExpressionMatch years = range.match(options.year); years.hasMatch()) {
        if (!year.match(years.captured(1)).hasMatch() || !year.match(years.captured(2)).hasMatch())
            throw UsageError {QStringLiteral("Το διάστημα ετών %1 δεν είναι δύο έτη με μια παύλα ανάμεσα (2025-2035).")
                                  .arg(quoted(options.year))};
        options.firstYear = years.captured(1).toInt();
        options.lastYear = years.captured(2).toInt();
        if (options.lastYear < options.firstYear)
            throw UsageError {QStringLiteral("Στο διάστημα ετών %1 το τελευταίο έτος είναι πριν από το πρώτο.")
                                  .arg(quoted(options.year))};
        if (const int count = options.lastYear - options.firstYear + 1; count > longestRange)
            throw UsageError {QStringLiteral("Το διάστημα ετών %1 έχει %2 έτη· δίνονται έως %3.")
                                  .arg(quoted(options.year))
                                  .arg(count)
                                  .arg(longestRange)};
    }
    if (!options.wall.isEmpty()
        && (options.firstYear
            || std::any_of(options.files.begin(), options.files.end(), [](const QString &f) { return !f.isEmpty(); })))
        throw UsageError {QStringLiteral("Το ημερολόγιο τοίχου φτιάχνεται για ένα έτος, μόνο του.")};
    for (int a = 0; a < formatCount; ++a) {
        for (int b = a + 1; b < formatCount; ++b) {
            const QString &first = options.files[a];
            const QString &second = options.files[b];
            if (first.isEmpty() || second.isEmpty())
                continue;
            if (first == u"-" && second == u"-")
                throw UsageError {QStringLiteral("Οι %1 και %2 ζητούν και οι δύο την τυπική έξοδο.")
                                      .arg(exportFormats[a].option, exportFormats[b].option)};
            const QFileInfo one(first), other(second);
            if (first != u"-" && second != u"-"
                && (one.absoluteFilePath() == other.absoluteFilePath()
                    || (one.exists() && one.canonicalFilePath() == other.canonicalFilePath())))
                throw UsageError {QStringLiteral("Οι %1 και %2 ζητούν το ίδιο αρχείο %3.")
                                      .arg(exportFormats[a].option, exportFormats[b].option, quoted(first))};
        }
    }
    return options;
}

// The day asked with --date or --today; a text that is not a day raises Exception.
QDate askedDay(const Options &options)
{
    if (options.today)
        return DayClock::source();
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{4})-(\\d{2})-(\\d{2})\\s*$"));
    const QRegularExpressionMatch parts = form.match(options.date);
    const int month = parts.captured(2).toInt();
    const QDate day(parts.captured(1).toInt(), month, parts.captured(3).toInt());
    if (!parts.hasMatch())
        throw Exception(
            QStringLiteral("Η ημερομηνία %1 δεν είναι ημέρα της μορφής ΕΕΕΕ-ΜΜ-ΗΗ.").arg(quoted(options.date)));
    if (month < 1 || month > 12)
        throw Exception(
            QStringLiteral("Η ημερομηνία %1 δεν υπάρχει: οι μήνες είναι 01 έως 12.").arg(quoted(options.date)));
    if (!day.isValid()) // "Η 30 Φεβρουαρίου 2025 δεν υπάρχει."; Qt has no year 0 either
        throw Exception(QStringLiteral("Η %1 %2 %3 δεν υπάρχει.")
                            .arg(parts.captured(3).toInt())
                            .arg(QLocale(QLocale::Greek).monthName(month), parts.captured(1)));
    return day;
}

// The country whose holidays are asked: the option's, else the window's choice.
QString countryAsked(const Options &options)
{
    return options.country.isEmpty() ? setting::holidaysCountry.value() : options.country;
}

// The years asked: one year as typed, for the window's messages, or every
// year of a range.
QStringList yearsAsked(const Options &options)
{
    QStringList years = {options.year};
    if (options.firstYear) {
        years.clear();
        for (int year = options.firstYear; year <= options.lastYear; ++year)
            years << QString::number(year);
    }
    return years;
}

// The public holidays of the years asked, a row each; or their fasts, a row
// a day with its level's key in levels, or for a calendar a row for each
// fasting period and one-day fast, spanning its days, with the levels of its
// days as its description.
FeastReport glance(const Options &options, bool events, QStringList *levels = nullptr)
{
    const Country *country = options.holidays ? &HolidayTable::builtIn().country(countryAsked(options)) : nullptr;
    FeastReport report {country ? QStringLiteral("Αργίες: ") + country->name : QStringLiteral("Νηστείες"), {}};
    const auto add = [&](QDate date, const QString &text) -> FeastRow & {
        report.rows << feastRow({fromQDate(date), text}, int(report.rows.size()) + 1);
        return report.rows.last();
    };
    for (const QString &text : yearsAsked(options)) {
        const int year = StrToInt(text);
        if (country) {
            for (const Holiday &holiday : HolidayTable::builtIn().inYear(*country, year))
                add(holiday.date, holiday.title());
        } else if (!events) {
            for (const FastDay &day : FastTable::builtIn().inYear(year)) {
                add(day.date, fastLevelWords(day.level));
                if (levels)
                    *levels << fastLevelKey(day.level);
            }
        } else {
            for (const FastPeriod &period : FastTable::builtIn().periodsIn(year)) {
                FeastRow &row = add(period.days.first().date, period.name);
                row.until = period.days.last().date;
                // the days of each level in turn: "2/3–6/3: Νηστεία"
                for (qsizetype i = 0; i < period.days.size();) {
                    qsizetype j = i;
                    while (j + 1 < period.days.size() && period.days[j + 1].level == period.days[i].level)
                        ++j;
                    const QString from = period.days[i].date.toString(QStringLiteral("d/M")),
                                  to = period.days[j].date.toString(QStringLiteral("d/M"));
                    row.details += (row.details.isEmpty() ? QString() : QStringLiteral("\n"))
                        + (i == j ? from : from + u'–' + to) + QStringLiteral(": ")
                        + fastLevelWords(period.days[i].level);
                    i = j + 1;
                }
            }
        }
    }
    return report;
}

// The rows asked for, in date order: the feasts or name days of each year,
// dated as the window dates them; or one
// name's days in those years, or in the twelve months from today; or the name
// days of one day.
FeastReport gather(const Options &options)
{
    FeastReport report {QStringLiteral("Ονομαστικές"), {}};
    if (options.today || !options.date.isEmpty() || !options.contacts.isEmpty() || !options.name.isEmpty()
        || options.names)
        useOwnNames(); // the names the person added in the window
    const auto add = [&](const QList<NameDay> &days) {
        for (const NameDay &day : days)
            report.rows << nameDayRow(day, int(report.rows.size()) + 1);
    };
    if (options.today || !options.date.isEmpty()) {
        const NameDayTable &table = NameDayTable::builtIn();
        const QDate day = askedDay(options);
        bool withoutEaster = false; // a year whose Easter cannot be dated: the fixed days
        add(table.on(day, &withoutEaster));
        if (withoutEaster)
            writeStandardError(QStringLiteral("eortologio: Το Πάσχα του %1 δεν υπολογίζεται, οπότε λείπουν οι "
                                              "ονομαστικές εορτές που μετρούν από το Πάσχα.\n")
                                   .arg(day.year()));
        if (report.rows.isEmpty())
            writeStandardError(QStringLiteral("eortologio: Στις %1 δεν γιορτάζει κανένα από τα ονόματα του πίνακα.\n")
                                   .arg(day.toString(Qt::ISODate)));
        return report;
    }
    if (!options.contacts.isEmpty()) {
        const NameDayTable &table = NameDayTable::builtIn();
        QString codePage;
        const QList<MatchedContact> contacts
            = matchContacts(table, readContactsFile(options.contacts, &codePage), contactChoices());
        if (!codePage.isEmpty())
            writeStandardError(QStringLiteral("eortologio: %1\n").arg(codePageNote(codePage)));
        QStringList unknown, which;
        for (const MatchedContact &contact : contacts) {
            const QString who
                = QStringLiteral("%1 (γραμμή %2)").arg(shownName(contact.contact)).arg(contact.contact.line);
            QStringList bases;
            for (const int name : contact.choices)
                bases << table.names()[name].forms.first();
            if (contact.choice.hidden || contact.choice.month || !contact.names.isEmpty())
                continue;
            if (bases.isEmpty())
                unknown << who;
            else
                which << QStringLiteral("%1: %2").arg(who, bases.join(QStringLiteral(" ή ")));
        }
        if (!unknown.isEmpty())
            writeStandardError(QStringLiteral("eortologio: Ονόματα που δεν είναι στο εορτολόγιο: %1.\n")
                                   .arg(unknown.join(QStringLiteral(", "))));
        QStringList undated;
        for (const MatchedContact &contact : contacts)
            if (!contact.contact.notADate.isEmpty())
                undated << QStringLiteral("%1 (γραμμή %2): %3")
                               .arg(shownName(contact.contact))
                               .arg(contact.contact.line)
                               .arg(quoted(contact.contact.notADate));
        if (!undated.isEmpty())
            writeStandardError(QStringLiteral("eortologio: Γενέθλια που δεν είναι ημερομηνία, χωρίς γενέθλια: %1.\n")
                                   .arg(undated.join(QStringLiteral(", "))));
        if (!which.isEmpty())
            writeStandardError(QStringLiteral("eortologio: Ποιο όνομα; %1.\n").arg(which.join(QStringLiteral("· "))));
        const QDate today = DayClock::source();
        const int first = options.firstYear ? options.firstYear : options.year.isEmpty() ? 0 : StrToInt(options.year);
        const int last = options.firstYear ? options.lastYear : first;
        report = {QStringLiteral("Επαφές"),
            contactNameDays(table, contacts, first ? QDate(first, 1, 1) : today,
                first ? QDate(last, 12, 31) : today.addYears(1).addDays(-1), showBirthdays())};
        return report;
    }
    QList<int> names;
    if (!options.name.isEmpty()) {
        const NameDayTable &table = NameDayTable::builtIn();
        names = table.find(options.name, false);
        if (names.isEmpty()) {
            const QStringList near = table.closest(options.name);
            throw Exception(QStringLiteral("Το όνομα %1 δεν είναι στο εορτολόγιο.").arg(quoted(options.name))
                + (near.isEmpty() ? QString()
                                  : QStringLiteral(" Μήπως εννοείτε: %1;").arg(near.join(QStringLiteral(", ")))));
        }
        QStringList bases;
        for (const int name : names)
            bases << table.names()[name].forms.first();
        report.caption = QStringLiteral("Ονομαστικές: %1").arg(bases.join(QStringLiteral(", ")));
        if (options.year.isEmpty()) { // the twelve months from today
            const QDate today = DayClock::source();
            add(table.between(today, today.addYears(1).addDays(-1), names));
            return report;
        }
    }
    for (const QString &year : yearsAsked(options)) {
        if (!names.isEmpty()) {
            const int number = StrToInt(year);
            add(NameDayTable::builtIn().between(QDate(number, 1, 1), QDate(number, 12, 31), names));
            continue;
        }
        const FeastReport part = options.names ? nameDaysByDate(year) : feastsByDate(year);
        report.caption = part.caption;
        for (FeastRow row : part.rows) {
            row.number = QString::number(report.rows.size() + 1);
            report.rows << row;
        }
    }
    return report;
}

// Standard output without a format, every date as yyyy-MM-dd whatever the
// locale: one name's days as date, day name and commemoration; one day's
// commemorations with their names; else the rows.
QString asText(const Options &options, QList<FeastRow> rows, const QStringList &levels)
{
    for (FeastRow &row : rows)
        row.dateText = row.date.toString(Qt::ISODate);
    if (options.holidays || options.fasting) {
        QString text;
        for (qsizetype i = 0; i < rows.size(); ++i)
            text += QStringList {rows[i].dateText, rows[i].day}.join(u'\t')
                + (levels.isEmpty() ? QString() : u'\t' + levels[i]) + u'\t' + rows[i].feast + u'\n';
        return text;
    }
    if (options.name.isEmpty() && options.date.isEmpty() && !options.today && options.contacts.isEmpty())
        return toTabSeparated(rows);
    QString text;
    for (const FeastRow &row : rows)
        text += (!options.contacts.isEmpty()
                        ? QStringList {row.dateText, row.day, row.contact, row.names, row.greeting}.join(u'\t')
                        : options.name.isEmpty() ? row.feast
                                                 : QStringList {row.dateText, row.day, row.commemoration}.join(u'\t'))
            + u'\n';
    if (options.today || !options.date.isEmpty())
        for (const QString &note : dayNotes(askedDay(options), countryAsked(options)))
            text += note + u'\n';
    return text;
}

} // namespace

QString optionsRefusal(const QStringList &arguments)
{
    try {
        parseOptions(arguments);
    } catch (const UsageError &error) {
        return error.reason;
    }
    return {};
}

bool prepareCommandLine(int argc, const char *const *argv)
{
    bool ours = false;
    for (int i = 1; i < argc && !ours; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const QString name = argument.mid(1).section(u'=', 0, 0);
        if (argument == u"--companion" || argument == u"--tray")
            continue; // the windows' own
        if (argument.startsWith(u'-') && !argument.startsWith(u"--") && qtOptionsWithValue.contains(name))
            i += argument.contains(u'=') ? 0 : 1;
        else
            ours = !(argument.startsWith(u'-') && !argument.startsWith(u"--") && qtFlags.contains(name));
    }
    if (!ours)
        return false;
    guardStandardStreams();
#ifndef Q_OS_WIN
    qputenv("QT_QPA_PLATFORM", "offscreen");
#else
    // Windows always has a display, and its platform brings the system's
    // fonts, which the PDF's letters need; the offscreen one would look for
    // fonts in a folder beside Qt. No window is shown either way.
    qputenv("QT_QPA_PLATFORM", "windows");
#endif
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            writeStandardError(message + u'\n');
    });
    return true;
}

int runCommandLine(const QStringList &arguments)
{
    Options options;
    try {
        options = parseOptions(arguments);
    } catch (const UsageError &error) {
        writeStandardError(QStringLiteral("eortologio: %1\nΔείτε: eortologio --help\n").arg(error.reason));
        return 2;
    }
    try {
        if (options.help || options.version) {
            writeStandardOutput(
                (options.help ? usage : QStringLiteral("eortologio ") + QCoreApplication::applicationVersion() + u'\n')
                    .toUtf8());
            return 0;
        }
        if (!options.wall.isEmpty()) {
            const int year = StrToInt(options.year);
            toQDate(EasterDate(year)); // a year whose Easter cannot be dated is refused
            OutputFile(options.wall, wallCalendarFromModule(year, countryAsked(options))).commit();
            return 0;
        }
        QStringList levels;
        const bool glancing = options.holidays || options.fasting;
        const FeastReport report = glancing ? glance(options, false, &levels) : gather(options);
        const auto bytes = [&](int format) {
            const FeastReport &asked
                = options.fasting && exportFormats[format].format == Format::Ics ? glance(options, true) : report;
            return exportBytes(exportFormats[format].format, asked.caption, asked.rows, options.reminder,
                xlsxFromModule, pdfFromModule);
        };
        // Every file is written to its temporary file before any takes its
        // place; standard output comes last.
        QByteArray standardOutput;
        std::vector<OutputFile> files;
        for (int format = 0; format < formatCount; ++format) {
            const QString &fileName = options.files[format];
            if (fileName == u"-")
                standardOutput = bytes(format);
            else if (!fileName.isEmpty())
                files.emplace_back(fileName, bytes(format));
        }
        if (std::all_of(std::begin(options.files), std::end(options.files), std::mem_fn(&QString::isEmpty)))
            standardOutput = asText(options, report.rows, levels).toUtf8();
        QStringList written;
        try {
            for (OutputFile &file : files) {
                file.commit();
                written << file.name();
            }
            writeStandardOutput(standardOutput);
        } catch (const Exception &e) {
            if (written.isEmpty())
                throw;
            throw Exception(
                e.Message + QStringLiteral(" Γράφτηκαν ήδη: «%1».").arg(written.join(QStringLiteral("», «"))));
        }
    } catch (const Exception &e) {
        writeStandardError(QStringLiteral("eortologio: ") + e.Message + u'\n');
        return 1;
    } catch (const std::bad_alloc &) {
        writeStandardError(QStringLiteral("eortologio: Ανεπαρκής μνήμη.\n"));
        return 1;
    } catch (...) {
        writeStandardError(QStringLiteral("eortologio: Απρόσμενο σφάλμα· τίποτα δεν γράφτηκε.\n"));
        return 1;
    }
    return 0;
}

int commandLineMain(int &argc, char **argv)
{
    // A PDF needs fonts, which only a graphical application brings; the rest
    // needs Qt Core alone. Without the module a PDF fails when it is made.
    bool pdf = false;
    for (int i = 1; i < argc; ++i)
        pdf = pdf || qstrcmp(argv[i], "--pdf") == 0 || qstrncmp(argv[i], "--pdf=", 6) == 0
            || qstrncmp(argv[i], "--wall-calendar", 15) == 0;
    std::unique_ptr<QCoreApplication> application;
    if (!pdf || !startGuiApplication(argc, argv))
        application = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(EORTOLOGIO_VERSION));
    const int status = runCommandLine(QCoreApplication::arguments());
    if (!application)
        endGuiApplication();
    return status;
}
