#include "DateUtils.h"

#include <QLocale>
#include <QtTest>

#include <climits>

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void strToInt_data();
    void strToInt();
    void encodeDate_data();
    void encodeDate();
    void dateToStrWritesTheYearInFull_data();
    void dateToStrWritesTheYearInFull();
    void dayOfWeekRunsThroughTheWeek();
};

// A value for the texts that convert, none for those that raise EConvertError.
void TestPlatform::strToInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<int>>("value");
    QTest::newRow("plain") << "2025" << std::optional(2025);
    QTest::newRow("leading zeros") << "0072" << std::optional(72);
    QTest::newRow("plus") << "+7" << std::optional(7);
    QTest::newRow("minus") << "-7" << std::optional(-7);
    QTest::newRow("white space around") << "\t 2025 \n" << std::optional(2025);
    QTest::newRow("largest") << "2147483647" << std::optional(INT_MAX);
    QTest::newRow("smallest") << "-2147483648" << std::optional(INT_MIN);

    const std::optional<int> rejected;
    QTest::newRow("empty") << "" << rejected;
    QTest::newRow("spaces only") << "   " << rejected;
    QTest::newRow("sign only") << "-" << rejected;
    QTest::newRow("two signs") << "+-1" << rejected;
    QTest::newRow("Greek letters") << "έτος" << rejected;
    QTest::newRow("trailing letters") << "12abc" << rejected;
    QTest::newRow("exponent") << "1e3" << rejected;
    QTest::newRow("hexadecimal") << "0x10" << rejected;
    QTest::newRow("inner space") << "20 25" << rejected;
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf16(u"\u0662\u0660\u0662\u0665") << rejected;
    QTest::newRow("one above the largest") << "2147483648" << rejected;
    QTest::newRow("one below the smallest") << "-2147483649" << rejected;
    QTest::newRow("2025 plus 2^32") << "4294969321" << rejected;
}

void TestPlatform::strToInt()
{
    QFETCH(QString, text);
    QFETCH(std::optional<int>, value);
    try {
        QCOMPARE(StrToInt(text), value.value_or(-1));
        QVERIFY(value);
    } catch (const EConvertError &e) {
        QVERIFY2(!value, qPrintable(e.Message));
        QVERIFY2(e.Message.contains(text.trimmed()), qPrintable(e.Message));
    }
}

// Day numbers as spreadsheets and the classic date type count them; none for
// dates that raise EConvertError.
void TestPlatform::encodeDate_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<std::optional<double>>("serial");
    QTest::newRow("day zero") << 1899 << 12 << 30 << std::optional(0.0);
    QTest::newRow("1 January 1900") << 1900 << 1 << 1 << std::optional(2.0);
    QTest::newRow("27 April 2008") << 2008 << 4 << 27 << std::optional(39565.0);
    QTest::newRow("leap day 2000") << 2000 << 2 << 29 << std::optional(36585.0);
    QTest::newRow("leap day 2024") << 2024 << 2 << 29 << std::optional(45351.0);
    QTest::newRow("first day of year 1") << 1 << 1 << 1 << std::optional(-693593.0);
    QTest::newRow("last day of 9999") << 9999 << 12 << 31 << std::optional(2958465.0);

    const std::optional<double> rejected;
    QTest::newRow("29 February 1900") << 1900 << 2 << 29 << rejected;
    QTest::newRow("29 February 2100") << 2100 << 2 << 29 << rejected;
    QTest::newRow("31 April") << 2025 << 4 << 31 << rejected;
    QTest::newRow("32 May") << 5175 << 5 << 32 << rejected;
    QTest::newRow("day 0") << 2025 << 1 << 0 << rejected;
    QTest::newRow("month 13") << 2025 << 13 << 1 << rejected;
    QTest::newRow("year 0") << 0 << 1 << 1 << rejected;
    QTest::newRow("year 10000") << 10000 << 1 << 1 << rejected;
    QTest::newRow("year 65537, 1 if cut to 16 bits") << 65537 << 1 << 1 << rejected;
    QTest::newRow("year INT_MIN") << INT_MIN << 1 << 1 << rejected;
}

void TestPlatform::encodeDate()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(std::optional<double>, serial);
    try {
        QCOMPARE(EncodeDate(year, month, day), serial.value_or(-1));
        QVERIFY(serial);
    } catch (const EConvertError &e) {
        QVERIFY2(!serial, qPrintable(e.Message));
        QVERIFY2(e.Message.contains(QString::number(year)), qPrintable(e.Message));
    }
}

void TestPlatform::dateToStrWritesTheYearInFull_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    const QLocale greek(QLocale::Greek, QLocale::Greece);
    QTest::newRow("Greek, Easter 2025") << greek << QDate(2025, 4, 20) << "20/4/2025";
    QTest::newRow("Greek, 1910") << greek << QDate(1910, 5, 1) << "1/5/1910";
    QTest::newRow("Greek, year 72") << greek << QDate(72, 3, 20) << "20/3/0072";
    QTest::newRow("US English, 1910") << QLocale(QLocale::English, QLocale::UnitedStates) << QDate(1910, 5, 1)
                                      << "5/1/1910";
    QTest::newRow("Swedish, already in full")
        << QLocale(QLocale::Swedish, QLocale::Sweden) << QDate(1910, 5, 1) << "1910-05-01";
}

void TestPlatform::dateToStrWritesTheYearInFull()
{
    QFETCH(QLocale, locale);
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QLocale::setDefault(locale);
    QCOMPARE(DateToStr(fromQDate(date)), text);
}

void TestPlatform::dayOfWeekRunsThroughTheWeek()
{
    // 30 December 1899 was a Saturday, 20 April 2025 a Sunday; the time of day does not count.
    QCOMPARE(DayOfWeek(0), 7);
    QCOMPARE(DayOfWeek(EncodeDate(2025, 4, 20) + 0.75), 1);
    int previous = DayOfWeek(EncodeDate(1, 1, 1));
    for (TDateTime day = EncodeDate(1, 1, 1) + 1; day <= EncodeDate(9999, 12, 31); ++day) {
        const int current = DayOfWeek(day);
        if (current != previous % 7 + 1)
            QFAIL(qPrintable(toQDate(day).toString(Qt::ISODate)));
        previous = current;
    }
}

QTEST_APPLESS_MAIN(TestPlatform)
#include "tst_platform.moc"
