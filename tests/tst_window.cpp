// The design's window: a year typed or picked, its four views against a
// church calendar's dates, the sorts, and failures that change nothing shown.

#include "WindowDriver.h"

class TestWindow : public Driver
{
    Q_OBJECT

private slots:
    void startsAsDesigned()
    {
        // The window keeps its place on the 800 x 800 offscreen screen, and goes
        // to the top left of one too small for it (400 x 400 at scale 2).
        QCOMPARE(form->pos(), form->screen()->size().width() < 604 ? QPoint(0, 0) : QPoint(186, 107));
        QCOMPARE(picker()->calendarWidget()->firstDayOfWeek(), QLocale::system().firstDayOfWeek());
        // F4 and Alt+Down open the calendar; Escape closes it, the date unchanged.
        for (const auto [key, modifier] : {std::pair {Qt::Key_F4, Qt::NoModifier}, {Qt::Key_Down, Qt::AltModifier}}) {
            QTest::keyClick(picker(), key, modifier);
            QWidget *popup = QApplication::activePopupWidget();
            QVERIFY(popup);
            QTest::keyClick(popup, Qt::Key_Escape);
            QVERIFY(!QApplication::activePopupWidget());
        }
        // other keys, and Alt alone, still reach the picker
        for (const auto modifier : {Qt::AltModifier, Qt::NoModifier}) {
            const QDate before = picked();
            QTest::keyClick(picker(), Qt::Key_Up, modifier);
            QVERIFY(picked() != before);
        }
        // With the year box empty the movable feasts are dated from the picker.
        click("Κινητές");
        QCOMPARE(dateOf(rows("varListView")[0]), picked().addDays(-70));
    }
    void aYearInEveryView_data()
    {
        // clang-format off
        // 0: the Easter button
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QDate>("easter");
        // the general view's dates, as church calendars print them
        QTest::addColumn<QString>("published");
        QTest::newRow("2025, button") << 0 << "2025" << QDate(2025, 4, 20)
                                      << "1/1 25/12 6/1 1/5 25/3 15/8 26/10 28/10 9/2 16/2 20/2 23/2 2/3 3/3 8/3 9/3 "
                                         "16/3 12/4 13/4 14/4 15/4 16/4 17/4 18/4 19/4 20/4 21/4 22/4 23/4";
        // Two feasts on 1 May: Holy Wednesday and May Day.
        QTest::newRow("2024, Return") << int(Qt::Key_Return) << " 2024 " << QDate(2024, 5, 5) << QString();
        // clang-format on
    }
    void aYearInEveryView()
    {
        QFETCH(int, key);
        QFETCH(QString, year);
        QFETCH(QDate, easter);
        QFETCH(QString, published);
        QTest::keyClicks(child("yearEdit"), year);
        key ? QTest::keyClick(child("yearEdit"), Qt::Key(key)) : click("Υπολογισμός Πάσχα");
        QCOMPARE(picked(), easter);
        // refills the combined view
        click("Κινητές & Σταθερές");

        // Combined view: movable then fixed feasts; general view: fixed then movable ones.
        const Rows var = rows("varListView");
        const Rows fixed = rows("constListView");
        const Rows general = rows("generalListView");
        QCOMPARE(var.size(), 21);
        QCOMPARE(fixed.size(), 8);
        QCOMPARE(renumbered(var), var);
        QCOMPARE(renumbered(fixed), fixed);
        QCOMPARE(rows("allListView"), renumbered(var + fixed));
        QCOMPARE(general, renumbered(fixed + var));
        QStringList dates;
        QList<QDate> days;
        for (const QStringList &row : general) {
            // Qt's Greek day names
            QCOMPARE(row[2], QLocale().dayName(dateOf(row).dayOfWeek()));
            dates << dateOf(row).toString("d/M");
            days << dateOf(row);
        }
        QVERIFY(published.isEmpty() || dates.join(u' ') == published);

        // The sorts put the same feasts in date order.
        std::sort(days.begin(), days.end());
        for (const bool ascending : {true, false}) {
            click(ascending ? "Αυξουσα" : "Φθίνουσα");
            QList<QDate> sorted;
            for (const QStringList &row : rows("generalListView"))
                sorted << dateOf(row);
            QCOMPARE(sorted, ascending ? days : QList<QDate>(days.rbegin(), days.rend()));
        }
    }
    // A date picked by hand dates the movable feasts and the name days counted
    // from Easter alike.
    void pickedByHand()
    {
        // no later Easter dates its week in 9999
        picker()->setDate(QDate(9999, 12, 31));
        QCOMPARE(picked(), QDate(9999, 12, 28));
        picker()->setDate(QDate(2030, 5, 5));
        click("Κινητές");
        int same = 0;
        for (const QStringList &name : rows("namesListView"))
            for (const QStringList &feast : rows("varListView"))
                if (feast[3].startsWith(name[3].section(" | ", 1) + " (") && ++same)
                    QCOMPARE(name[1], feast[1]);
        QVERIFY(same >= 2);
    }
    // An Easter on the picker's first or last day is within its bounds.
    void easterOnThePickersBounds()
    {
        picker()->setDateRange(QDate(2025, 4, 20), QDate(2025, 4, 20));
        typeYear("2025");
        click("Υπολογισμός Πάσχα");
        QCOMPARE(boxes, QStringList());
    }
    // A failing command shows one error box saying what is wrong with the year;
    // the picker and the views keep what they showed.
    void failuresChangeNothingShown_data()
    {
        // clang-format off
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("message");
        const QList<std::pair<QString, QString>> years = {{"", "Δεν γράφτηκε αριθμός."},
            {"20\u200F2\u20285", "Το «20U+200F2U+20285» δεν είναι ακέραιος αριθμός."},
            {"10000", "Το έτος 10000 είναι εκτός των ορίων 1 έως 9999."},
            {"+", "Το «+» δεν είναι ακέραιος αριθμός."}, {"-1", "Το έτος -1 είναι εκτός των ορίων 1 έως 9999."},
            {"4294969321", "Ο αριθμός «4294969321» είναι πολύ μεγάλος."}};
        for (const auto &[year, message] : years)
            for (const char *button :
                {"Υπολογισμός Πάσχα", "Σταθερές", "Κινητές & Σταθερές", "Όλες οι γιορτές", "Αυξουσα", "Φθίνουσα"})
                QTest::addRow("%s, %s", button, qPrintable(year)) << QString(button) << year << message;
        // Easter of 5175 would fall in June; that of 2025 lies beyond a narrowed picker.
        QTest::newRow("easter, 5175") << "Υπολογισμός Πάσχα" << "5175" << "Η ημερομηνία 32/5/5175 δεν υπάρχει.";
        QTest::newRow("easter, beyond the picker")
            << "Υπολογισμός Πάσχα" << "2025" << "Η ημερομηνία 20/4/2025 είναι εκτός των ορίων 12/3/0001 έως 1/1/2025.";
        // clang-format on
    }
    void failuresChangeNothingShown()
    {
        QFETCH(QString, button);
        QFETCH(QString, year);
        QFETCH(QString, message);
        typeYear("2024");
        click("Υπολογισμός Πάσχα");
        const QList<Rows> before = views();
        if (year == u"2025")
            picker()->setMaximumDate(QDate(2025, 1, 1));
        typeYear(year);
        click(button);
        QCOMPARE(boxes, QStringList {message});
        QCOMPARE(picked(), QDate(2024, 5, 5));
        QCOMPARE(views(), before);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
