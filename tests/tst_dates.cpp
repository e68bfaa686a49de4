#include "Misc.h"

#include <QCalendar>
#include <QLocale>
#include <QtTest>

#include <climits>
#include <cmath>

// Orthodox Easter by Meeus' Julian algorithm, moved to the Gregorian calendar by
// Qt's own Julian calendar: an independent route to the same day.
static QDate meeusJulianEaster(int year)
{
    const int d = (19 * (year % 19) + 15) % 30;
    const int e = (2 * (year % 4) + 4 * (year % 7) - d + 34) % 7;
    return QDate(year, (d + e + 114) / 31, (d + e + 114) % 31 + 1, QCalendar(QCalendar::System::Julian));
}

class TestDates : public QObject
{
    Q_OBJECT

private slots:
    // Exact from 1 to 5174; from 5175 on the years whose Easter would fall in
    // June are refused, and from 9649 on all of them.
    void easterOfEveryYear()
    {
        int refused = 0;
        int lastDated = 0;
        for (int year = 1; year <= 9999; ++year) {
            const QDate expected = meeusJulianEaster(year);
            if (expected.month() >= 6) {
                QVERIFY_THROWS_EXCEPTION(EConvertError, EasterDate(year));
                ++refused;
                continue;
            }
            const TDateTime easter = EasterDate(year);
            QVERIFY2(toQDate(easter) == expected && expected.dayOfWeek() == Qt::Sunday && easter == std::trunc(easter),
                qPrintable(QString::number(year)));
            lastDated = year;
        }
        QCOMPARE(refused, 2584);
        QCOMPARE(lastDated, 9648);
        for (const int year : {0, -1, 10000, INT_MIN, INT_MAX})
            QVERIFY_THROWS_EXCEPTION(EConvertError, EasterDate(year));
    }

    // Day numbers count from 30 December 1899, as spreadsheets do; the text
    // follows the locale, year in full.
    void dayNumbersAndTexts()
    {
        QCOMPARE(EncodeDate(1899, 12, 30), 0);
        QCOMPARE(EncodeDate(2008, 4, 27), 39565);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(DateToStr(EncodeDate(1910, 5, 1)), u"5/1/1910");
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        QCOMPARE(DateToStr(EncodeDate(1910, 5, 1)), u"1910-05-01");
    }
};

QTEST_APPLESS_MAIN(TestDates)
#include "tst_dates.moc"
