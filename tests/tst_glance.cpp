// The year at a glance: public holidays as the states announced them, the
// fasts as church calendars print them, and the invariants of both over
// every year that has an Easter.

#include "Fasts.h"
#include "Glance.h"
#include "Holidays.h"
#include "Misc.h"

#include <QtTest>

using namespace Qt::Literals::StringLiterals;

static QDate easterOf(int year)
{
    return toQDate(EasterDate(year));
}

// The facts of a table written as text: separated by "|" or a line's end,
// the lines that begin with "#" left out.
static QStringList facts(const QString &table)
{
    QStringList facts;
    for (const QString &line : table.split(u'\n'))
        if (!line.trimmed().startsWith(u'#'))
            facts << line.trimmed().split(u'|', Qt::SkipEmptyParts);
    return facts;
}

class TestGlance : public QObject
{
    Q_OBJECT

private slots:
    // clang-format off
    void holidaysAsAnnounced_data()
    {
        QTest::addColumn<QString>("holiday");
        // country, day, the holiday's name as it begins, or "-" for none.
        // Labour Day was moved by the state to the Tuesday after Easter in
        // 2013 (Easter 5 May), 2021 (2 May) and 2024 (5 May).
        const QString table = uR"(
            GR 2013-05-07 Εργατική Πρωτομαγιά (μετατέθηκε|GR 2013-05-01 -|GR 2021-05-04 Εργατική Πρωτομαγιά (μετατέθηκε
            GR 2024-05-07 Εργατική Πρωτομαγιά (μετατέθηκε
            GR 2026-04-10 Μεγάλη Παρασκευή|GR 2026-04-13 Δευτέρα του Πάσχα
            GR 2026-12-26 Σύναξη της Θεοτόκου|GR 2026-04-14 -|GR 2026-10-01 -
            GR 1999-12-25 -|cy 2024-03-18 Πράσινη Δευτέρα|CY 2024-05-01 Πρωτομαγιά|CY 2024-05-07 Τρίτη του Πάσχα
            CY 2024-06-24 Κατακλυσμός (Αγίου Πνεύματος)|CY 2026-04-01 Εθνική Επέτειος|CY 2026-10-01 Ημέρα της Κυπριακής
        )"_s;
        for (const QString &fact : facts(table))
            QTest::newRow(qPrintable(fact.left(13))) << fact.mid(14);
    }
    void holidaysAsAnnounced()
    {
        QFETCH(QString, holiday);
        const QString tag = QTest::currentDataTag();
        const HolidayTable &table = HolidayTable::builtIn();
        const auto found = table.on(table.country(tag.left(2)), QDate::fromString(tag.mid(3), Qt::ISODate));
        QCOMPARE(found ? found->title().left(holiday.size()) : "-", holiday);
    }
    // Over every year the lists cover that has an Easter: Clean Monday is
    // Easter − 48 and Whit Monday Easter + 50, both Mondays; 1 May is moved,
    // to the Tuesday after Easter, only from Holy Week, Easter Sunday or Monday.
    void holidaysEveryYear()
    {
        const HolidayTable &table = HolidayTable::builtIn();
        const Country &greece = table.country("GR");
        for (int year = greece.fromYear; year <= 5174; ++year) {
            const QDate easter = easterOf(year);
            QHash<QString, QDate> days;
            for (const Holiday &holiday : table.inYear(greece, year))
                days.insert(holiday.name, holiday.date);
            QCOMPARE(days.value("Καθαρά Δευτέρα"), easter.addDays(-48));
            QCOMPARE(days.value("Αγίου Πνεύματος"), easter.addDays(50));
            const QDate mayDay(year, 5, 1);
            const bool inEaster = mayDay >= easter.addDays(-6) && mayDay <= easter.addDays(1);
            QCOMPARE(days.value("Εργατική Πρωτομαγιά"), inEaster ? easter.addDays(2) : mayDay);
        }
        QVERIFY_THROWS_EXCEPTION(Exception, table.inYear(greece, greece.fromYear - 1));
        QVERIFY_THROWS_EXCEPTION(Exception, table.country("FR"));
    }

    // clang-format off
    void fastsAsPrinted_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("level");
        const QString table = uR"(
            # 2024: Easter 5 May, All Saints 30 June, so no Apostles' fast
            2024-07-02 free|2024-07-03 strict|2024-06-26 free|2024-03-25 fish|2024-03-17 dairy
            2024-05-02 oil
            # 2025: Easter 20 April; the eve of Theophany and the Exaltation on a Sunday, the Dormition on a Friday
            2025-01-05 oil|2025-09-14 oil|2025-08-15 fish|2025-08-29 strict|2025-06-16 fish|2025-06-18 strict
            2025-06-27 strict|2025-06-29 free|2025-03-03 strict|2025-03-02 dairy
            # 2026: Easter 12 April
            2026-02-02 free|2026-02-18 dairy|2026-02-23 strict|2026-02-28 oil|2026-03-25 fish
            2026-04-04 oil|2026-04-05 fish|2026-04-09 oil|2026-04-10 strict
            2026-05-06 fish|2026-05-27 strict|2026-06-10 strict|2026-06-09 fish
            2026-08-05 strict|2026-08-06 fish|2026-08-08 oil|2026-11-21 fish|2026-12-08 fish
            2026-12-09 strict|2026-12-21 oil|2026-12-23 strict|2026-12-24 strict|2026-12-25 free
            2026-01-05 strict|2026-01-06 free|2026-09-14 strict
        )"_s;
        for (const QString &fact : facts(table))
            QTest::newRow(qPrintable(fact.left(10))) << QDate::fromString(fact.left(10), Qt::ISODate) << fact.mid(11);
    }
    // clang-format on
    void fastsAsPrinted()
    {
        QFETCH(QDate, day);
        QFETCH(QString, level);
        QCOMPARE(fastLevelKey(FastTable::builtIn().on(day).level), level);
    }

    // Over every year that has an Easter: Bright Week is free, Clean Monday
    // strict (unless it is the Annunciation); a Wednesday or a Friday is free only in the fast-free weeks,
    // the twelve days and on Theophany; the Apostles' fast runs from the
    // Monday after All Saints to 28 June, or not at all.
    void fastsEveryYear()
    {
        const FastTable &table = FastTable::builtIn();
        for (int year = 1; year <= 5174; year += year < 1900 || year > 2200 ? 7 : 1) {
            const QDate easter = easterOf(year);
            const QList<FastDay> days = table.inYear(year);
            QCOMPARE(days.size(), QDate(year, 1, 1).daysInYear());
            for (const FastDay &day : days) {
                const QByteArray at = day.date.toString(Qt::ISODate).toLatin1();
                const qint64 e = easter.daysTo(day.date);
                const QDate d = day.date;
                const bool bright = e >= 0 && e <= 6, wedOrFri = d.dayOfWeek() == 3 || d.dayOfWeek() == 5;
                const bool freeWeek = bright || (e >= -69 && e <= -64) || (e >= 49 && e <= 55) || d.dayOfYear() <= 4
                    || d >= QDate(year, 12, 25) || d == QDate(year, 1, 6);
                QVERIFY2(!bright || day.level == FastLevel::Free, at);
                // Clean Monday, but the Annunciation, which allows fish
                QVERIFY2(e != -48 || d == QDate(year, 3, 25) || day.level == FastLevel::Strict, at);
                QVERIFY2(!wedOrFri || freeWeek || day.level != FastLevel::Free, at);
            }
            QList<QDate> apostles;
            for (const FastPeriod &period : table.periodsIn(year))
                if (period.name == u"Νηστεία των Αγίων Αποστόλων")
                    apostles << period.days[0].date << period.days.last().date;
            const QDate first = easter.addDays(57), last(year, 6, 28);
            QCOMPARE(apostles, first <= last ? QList<QDate>({first, last}) : QList<QDate>());
        }
    }

    // A year at a glance: Easter's week shaded from Easter Sunday to Saturday,
    // the Sundays and holidays red, a day for each feast (in 2024 Holy
    // Wednesday fell on 1 May); in a year without an Easter the Sundays and
    // the fixed feasts alone.
    void yearAtAGlance()
    {
        for (const auto &[year, red, feasts] : {std::tuple {2024, 64, 28}, {2026, 64, 29}, {5175, 52, 8}}) {
            QList<QDate> week, expected;
            int reds = 0, feastDays = 0;
            for (const GlanceDay &d : glanceDays(QDate(year, 1, 1), QDate(year, 12, 31), "GR")) {
                reds += d.red, feastDays += !d.feast.isEmpty();
                if (d.easterWeek)
                    week << d.date;
            }
            for (int i = 0; year < 5175 && i < 7; ++i)
                expected << easterOf(year).addDays(i);
            QCOMPARE(week, expected);
            QCOMPARE(reds, red);
            QCOMPARE(feastDays, feasts);
        }
    }

    // clang-format off
    // A malformed line of either table is refused with its number.
    void refusesMalformedLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        const QString gr = "country GR | Ελλάδα | from 2000 | β\n";
        QTest::newRow("fast 4 fields") << "\n* | * | strict | α" << "νηστειών, γραμμή 2: χρειάζεται";
        QTest::newRow("fast level") << "#\n* | * | lent | α | β" << "γραμμή 2: άγνωστος βαθμός νηστείας «lent»";
        QTest::newRow("fast weekday") << "* | Τετ | strict | α | β" << "γραμμή 1: άγνωστη ημέρα της εβδομάδας «Τετ»";
        QTest::newRow("fast no day") << "02-30..03-01 | * | strict | α | β" << "γραμμή 1: άγνωστες ημέρες «02-30..03-01»";
        QTest::newRow("fast far") << "fast | Π-1..Π+101 | α | β" << "γραμμή 1: άγνωστες ημέρες «Π-1..Π+101»";
        QTest::newRow("fast unnamed") << "fast | 01-05 |  | β" << "γραμμή 1: λείπει";
        QTest::newRow("holiday first") << "01-01 | α | holiday | β" << "αργιών, γραμμή 1: αργία πριν από τη χώρα";
        QTest::newRow("holiday year") << "country GR | Ελλάδα | 2000 | β" << "γραμμή 1: χρειάζεται country";
        QTest::newRow("holiday country") << "country GR |  | from 2000 | β" << "γραμμή 1: χρειάζεται country";
        QTest::newRow("holiday kind") << gr + "01-01 | α | feast | β" << "γραμμή 2: άγνωστο είδος «feast»";
        QTest::newRow("holiday rule") << gr + "1-1 | α | holiday | β" << "γραμμή 2: άγνωστος κανόνας «1-1»";
        QTest::newRow("holiday 3 fields") << gr + "01-01 | α | holiday" << "γραμμή 2: χρειάζεται κανόνας";
    }
    // clang-format on
    void refusesMalformedLines()
    {
        QFETCH(QString, text);
        QFETCH(QString, error);
        try {
            if (QString(QTest::currentDataTag()).startsWith("fast"))
                FastTable {text};
            else
                HolidayTable {text};
            QFAIL("read");
        } catch (const Exception &e) {
            QVERIFY2(e.Message.contains(error), qPrintable(e.Message));
        }
    }
};

QTEST_GUILESS_MAIN(TestGlance)
#include "tst_glance.moc"
