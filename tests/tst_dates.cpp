#include "FeastExport.h"
#include "Misc.h"

#include <QCalendar>
#include <QLocale>
#include <QtTest>

#include <climits>
#include <cmath>

#ifdef Q_OS_WIN
#include "Output.h"

#include <windows.h>
#endif

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
    // The short date of the default locale, also after it changes.
    void shortDateOfTheLocale()
    {
        const QLocale before;
        for (const auto &[locale, text] : {std::pair {QLocale(QLocale::Greek), "20/4/2025"},
                 std::pair {QLocale(QLocale::English, QLocale::UnitedStates), "4/20/2025"}}) {
            QLocale::setDefault(locale);
            QCOMPARE(DateToStr(fromQDate(QDate(2025, 4, 20))), text);
        }
        QLocale::setDefault(before);
    }
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
        QCOMPARE(toQDate(EncodeDate(9999, 12, 31)), QDate(9999, 12, 31));
    }

    // Rows in, bytes out: CSV's quotes, byte-order mark and line ends; the
    // all-day dates, escapes and required properties of iCalendar, down to the
    // first day of year 1 and up to the last of 9999.
    void formats()
    {
        const QList<FeastRow> rows = {{QDate(1, 1, 1), "1", "1/1/0001", "Δευτέρα", "Α, \"Β\""},
            {QDate(9999, 12, 31), "2", "31/12/9999", "Παρασκευή", "Γ\nΔ;"}};
        QCOMPARE(toCsv("Όλες οι γιορτές", rows),
            "\xEF\xBB\xBFΑ/Α,Ημερομηνία,Ημέρα,Γιορτή\r\n1,0001-01-01,Δευτέρα,\"Α, \"\"Β\"\"\"\r\n"
            "2,9999-12-31,Παρασκευή,\"Γ\nΔ;\"\r\n");
        const QByteArray ics = toICalendar("Όλες οι γιορτές", rows, false);
        for (const char *line :
            {"VERSION:2.0", "PRODID:-//Eortologio//Εορτολόγιο//EL", "X-WR-CALNAME:Εορτολόγιο 1–9999", "UID:00010101-",
                "DTSTAMP:2", "DTSTART;VALUE=DATE:00010101", "DTEND;VALUE=DATE:00010102", "SUMMARY:Α\\, \"Β\"",
                "TRANSP:TRANSPARENT", "DTSTART;VALUE=DATE:99991231", "DURATION:P1D", "SUMMARY:Γ\\nΔ\\;"})
            QVERIFY2(ics.contains(QByteArray("\r\n") + line), line);
    }

#ifdef Q_OS_WIN
    // Why a file is not written on Windows, from the call that failed.
    void windowsReasons_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("held") << "h.csv" << "ανοιχτό σε άλλο πρόγραμμα";
        QTest::newRow("read-only") << "ro.csv" << "μόνο για ανάγνωση";
        QTest::newRow("no folder") << "no/a.csv" << "ο φάκελος δεν υπάρχει";
        QTest::newRow("folder") << "." << "είναι φάκελος";
        for (const char *name : {"CON", "nul.csv", "a:b.csv", "a.csv."})
            QTest::newRow(name) << name << "τα Windows δεν δέχονται αυτό το όνομα";
        // clang-format on
    }
    void windowsReasons()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QString before = QDir::currentPath();
        QDir::setCurrent(folder.path());
        QFile("ro.csv").open(QIODevice::WriteOnly);
        SetFileAttributesW(L"ro.csv", FILE_ATTRIBUTE_READONLY);
        const HANDLE held = CreateFileW(L"h.csv", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        try {
            OutputFile(name, "x").commit();
            QFAIL("written");
        } catch (const Exception &e) {
            QVERIFY2(e.Message.contains(reason), qPrintable(e.Message));
        }
        CloseHandle(held);
        SetFileAttributesW(L"ro.csv", FILE_ATTRIBUTE_NORMAL);
        QDir::setCurrent(before);
    }
#endif
};

QTEST_APPLESS_MAIN(TestDates)
#include "tst_dates.moc"
