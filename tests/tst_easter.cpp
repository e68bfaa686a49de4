#include "Misc.h"

#include <QCalendar>
#include <QtTest>

#include <climits>
#include <cmath>

// Orthodox Easter by Meeus' Julian algorithm, turned into a Gregorian date by
// Qt's own Julian calendar: an independent route to the same day.
static QDate meeusJulianEaster(int year)
{
    const int a = year % 4;
    const int b = year % 7;
    const int c = year % 19;
    const int d = (19 * c + 15) % 30;
    const int e = (2 * a + 4 * b - d + 34) % 7;
    const int month = (d + e + 114) / 31;
    const int day = (d + e + 114) % 31 + 1;
    return QDate(year, month, day, QCalendar(QCalendar::System::Julian));
}

class TestEaster : public QObject
{
    Q_OBJECT

private slots:
    void knownDates_data();
    void knownDates();
    void everyYear();
};

void TestEaster::knownDates_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QDate>("easter");

    // Published dates of Orthodox Easter
    QTest::newRow("2010") << 2010 << QDate(2010, 4, 4);
    QTest::newRow("2011, shared with the western Easter") << 2011 << QDate(2011, 4, 24);
    QTest::newRow("2019") << 2019 << QDate(2019, 4, 28);
    QTest::newRow("2024") << 2024 << QDate(2024, 5, 5);
    QTest::newRow("2025") << 2025 << QDate(2025, 4, 20);
    QTest::newRow("2026") << 2026 << QDate(2026, 4, 12);
    // Edges of the month split: last April day, first May day, last and first
    // March and April days, the earliest result of all
    QTest::newRow("2000, 30 April") << 2000 << QDate(2000, 4, 30);
    QTest::newRow("1910, 1 May") << 1910 << QDate(1910, 5, 1);
    QTest::newRow("47, 31 March") << 47 << QDate(47, 3, 31);
    QTest::newRow("63, 1 April") << 63 << QDate(63, 4, 1);
    QTest::newRow("72, 20 March") << 72 << QDate(72, 3, 20);
    // Century shifts of 14 and 37 days
    QTest::newRow("2100") << 2100 << QDate(2100, 5, 2);
    QTest::newRow("5174, last year without gaps") << 5174 << QDate(5174, 5, 12);
    // Years with no date
    QTest::newRow("5175, May 32") << 5175 << QDate();
    QTest::newRow("0") << 0 << QDate();
    QTest::newRow("-1") << -1 << QDate();
    QTest::newRow("10000") << 10000 << QDate();
    QTest::newRow("INT_MIN") << INT_MIN << QDate();
    QTest::newRow("INT_MAX") << INT_MAX << QDate();
}

void TestEaster::knownDates()
{
    QFETCH(int, year);
    QFETCH(QDate, easter);
    if (easter.isValid())
        QCOMPARE(toQDate(EasterDate(year)), easter);
    else
        QVERIFY_THROWS_EXCEPTION(EConvertError, EasterDate(year));
}

void TestEaster::everyYear()
{
    int rejected = 0;
    int lastDated = 0;
    for (int year = 1; year <= 9999; ++year) {
        const QDate expected = meeusJulianEaster(year);
        QVERIFY(expected.isValid());
        if (expected.month() >= 6) {
            QVERIFY2(year >= 5175, qPrintable(QString::number(year)));
            QVERIFY_THROWS_EXCEPTION(EConvertError, EasterDate(year));
            ++rejected;
            continue;
        }
        const TDateTime easter = EasterDate(year);
        QVERIFY2(toQDate(easter) == expected, qPrintable(QString::number(year)));
        QCOMPARE(easter, std::trunc(easter));
        QCOMPARE(DayOfWeek(easter), 1);
        lastDated = year;
    }
    QCOMPARE(rejected, 2584);
    QCOMPARE(lastDated, 9648);
}

QTEST_APPLESS_MAIN(TestEaster)
#include "tst_easter.moc"
