#include "DateUtils.h"
#include "TList.h"

#include <QLocale>
#include <QtTest>

#include <climits>

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void strToInt_data();
    void strToInt();
    void strToIntRejects_data();
    void strToIntRejects();
    void encodeDate_data();
    void encodeDate();
    void encodeDateRejects_data();
    void encodeDateRejects();
    void dateToStr_data();
    void dateToStr();
    void dayOfWeekRunsThroughTheWeek();
    void listOwnsItsRecords();
    void listSorts();
};

void TestPlatform::strToInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "2025" << 2025;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("leading zeros") << "0072" << 72;
    QTest::newRow("plus") << "+7" << 7;
    QTest::newRow("minus") << "-7" << -7;
    QTest::newRow("minus zero") << "-0" << 0;
    QTest::newRow("spaces around") << "  2025 " << 2025;
    QTest::newRow("tab and newline") << "\t42\n" << 42;
    QTest::newRow("largest") << "2147483647" << INT_MAX;
    QTest::newRow("smallest") << "-2147483648" << INT_MIN;
    QTest::newRow("largest, many leading zeros") << "000000000002147483647" << INT_MAX;
}

void TestPlatform::strToInt()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(StrToInt(text), value);
}

void TestPlatform::strToIntRejects_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("spaces only") << "   ";
    QTest::newRow("sign only") << "-";
    QTest::newRow("two signs") << "+-1";
    QTest::newRow("letters") << "abc";
    QTest::newRow("Greek letters") << "έτος";
    QTest::newRow("trailing letters") << "12abc";
    QTest::newRow("exponent") << "1e3";
    QTest::newRow("hexadecimal") << "0x10";
    QTest::newRow("decimal point") << "2025.0";
    QTest::newRow("inner space") << "20 25";
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf16(u"\u0662\u0660\u0662\u0665");
    QTest::newRow("one above the largest") << "2147483648";
    QTest::newRow("one below the smallest") << "-2147483649";
    QTest::newRow("2025 plus 2^32") << "4294969321";
    QTest::newRow("twenty digits") << "99999999999999999999";
}

void TestPlatform::strToIntRejects()
{
    QFETCH(QString, text);
    try {
        StrToInt(text);
        QFAIL("accepted");
    } catch (const EConvertError &e) {
        QVERIFY(!e.Message.isEmpty());
        QVERIFY2(e.Message.contains(text.trimmed()), qPrintable(e.Message));
    }
}

void TestPlatform::encodeDate_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<double>("serial");
    // Day numbers as spreadsheets and the classic date type count them
    QTest::newRow("day zero") << 1899 << 12 << 30 << 0.0;
    QTest::newRow("1 January 1900") << 1900 << 1 << 1 << 2.0;
    QTest::newRow("27 April 2008") << 2008 << 4 << 27 << 39565.0;
    QTest::newRow("leap day 2000") << 2000 << 2 << 29 << 36585.0;
    QTest::newRow("leap day 2024") << 2024 << 2 << 29 << 45351.0;
    QTest::newRow("first day of year 1") << 1 << 1 << 1 << -693593.0;
    QTest::newRow("last day of 9999") << 9999 << 12 << 31 << 2958465.0;
}

void TestPlatform::encodeDate()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(double, serial);
    QCOMPARE(EncodeDate(year, month, day), serial);
}

void TestPlatform::encodeDateRejects_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::newRow("29 February 1900") << 1900 << 2 << 29;
    QTest::newRow("29 February 2100") << 2100 << 2 << 29;
    QTest::newRow("29 February 2025") << 2025 << 2 << 29;
    QTest::newRow("31 April") << 2025 << 4 << 31;
    QTest::newRow("32 May") << 5175 << 5 << 32;
    QTest::newRow("day 0") << 2025 << 1 << 0;
    QTest::newRow("month 0") << 2025 << 0 << 1;
    QTest::newRow("month 13") << 2025 << 13 << 1;
    QTest::newRow("year 0") << 0 << 1 << 1;
    QTest::newRow("year -1") << -1 << 1 << 1;
    QTest::newRow("year 10000") << 10000 << 1 << 1;
    QTest::newRow("year 65537, 1 if cut to 16 bits") << 65537 << 1 << 1;
    QTest::newRow("month 65537") << 2025 << 65537 << 1;
    QTest::newRow("year INT_MIN") << INT_MIN << 1 << 1;
}

void TestPlatform::encodeDateRejects()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    try {
        EncodeDate(year, month, day);
        QFAIL("accepted");
    } catch (const EConvertError &e) {
        QVERIFY2(e.Message.contains(QString::number(year)), qPrintable(e.Message));
    }
}

void TestPlatform::dateToStr_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    const QLocale greek(QLocale::Greek, QLocale::Greece);
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    QTest::newRow("Greek, Easter 2025") << greek << QDate(2025, 4, 20) << "20/4/2025";
    QTest::newRow("Greek, 1910") << greek << QDate(1910, 5, 1) << "1/5/1910";
    QTest::newRow("Greek, 2010") << greek << QDate(2010, 5, 1) << "1/5/2010";
    QTest::newRow("Greek, year 72") << greek << QDate(72, 3, 20) << "20/3/0072";
    QTest::newRow("Greek, year 9999") << greek << QDate(9999, 12, 31) << "31/12/9999";
    QTest::newRow("US English, 1910") << american << QDate(1910, 5, 1) << "5/1/1910";
    QTest::newRow("Swedish, already in full") << swedish << QDate(1910, 5, 1) << "1910-05-01";
}

void TestPlatform::dateToStr()
{
    QFETCH(QLocale, locale);
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QLocale::setDefault(locale);
    QCOMPARE(DateToStr(fromQDate(date)), text);
    QLocale::setDefault(QLocale::system());
}

void TestPlatform::dayOfWeekRunsThroughTheWeek()
{
    // 30 December 1899 was a Saturday and 20 April 2025 a Sunday.
    QCOMPARE(DayOfWeek(0), 7);
    QCOMPARE(DayOfWeek(EncodeDate(2025, 4, 20)), 1);
    QCOMPARE(DayOfWeek(EncodeDate(2025, 4, 20) + 0.75), 1);
    int previous = DayOfWeek(EncodeDate(1, 1, 1));
    for (TDateTime day = EncodeDate(1, 1, 1) + 1; day <= EncodeDate(9999, 12, 31); ++day) {
        const int current = DayOfWeek(day);
        if (current != previous % 7 + 1)
            QFAIL(qPrintable(toQDate(day).toString(Qt::ISODate)));
        previous = current;
    }
}

namespace {
struct Counted
{
    static inline int alive = 0;
    int key;
    explicit Counted(int k)
        : key(k)
    {
        ++alive;
    }
    ~Counted() { --alive; }
};
int byKey(const Counted *a, const Counted *b)
{
    return a->key - b->key;
}
} // namespace

void TestPlatform::listOwnsItsRecords()
{
    {
        TList<Counted> list;
        for (int i = 0; i < 5; ++i)
            list.Add(new Counted(i));
        list.Clear();
        QCOMPARE(Counted::alive, 0);
        list.Add(new Counted(1));
        list = TList<Counted>();
        QCOMPARE(Counted::alive, 0);
        list.Add(new Counted(2));
    }
    QCOMPARE(Counted::alive, 0);
}

void TestPlatform::listSorts()
{
    TList<Counted> list;
    for (int key : {5, -3, 9, 0, 5, 2})
        list.Add(new Counted(key));
    list.Sort(byKey);
    QList<int> keys;
    for (int i = 0; i < list.Count(); ++i)
        keys << list[i]->key;
    QCOMPARE(keys, (QList<int> {-3, 0, 2, 5, 5, 9}));
}

QTEST_APPLESS_MAIN(TestPlatform)
#include "tst_platform.moc"
