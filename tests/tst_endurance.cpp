#include "WindowDriver.h"

// A thousand rounds of all seven commands, with years that succeed and years
// that fail, checking after each round what every view shows and that no list
// holds more records than its table allows.
class TestEndurance : public QObject
{
    Q_OBJECT

private slots:
    void thousandRounds();
};

void TestEndurance::thousandRounds()
{
    WindowDriver window;
    const TForm1 &form = window.form;
    const char *buttons[] = {"easterSpeedButton", "varDaysBitBtn", "constDaysBitBtn", "allDaysBitBtn", "generalBitBtn",
        "ascendingBitBtn", "descendingBitBtn"};
    // Each year with the error boxes one round of it shows: a bad year text stops
    // every command but the movable feasts; 5175 stops only the Easter command.
    const QList<std::pair<QString, int>> years = {{QStringLiteral("2025"), 0}, {QString(), 6}, {QStringLiteral("1"), 0},
        {QStringLiteral("abc"), 6}, {QStringLiteral("0"), 6}, {QStringLiteral("9648"), 0}, {QStringLiteral("5175"), 1},
        {QStringLiteral("10000"), 6}, {QStringLiteral("1910"), 0}};

    ErrorBoxes boxes;
    QList<QStringList> previous;
    for (int round = 0; round < 1000; ++round) {
        const auto &[year, expectedBoxes] = years[round % years.size()];
        window.typeYear(year);
        boxes.texts.clear();
        for (const char *button : buttons)
            window.click(button);
        QVERIFY2(boxes.texts.size() == expectedBoxes,
            qPrintable(year + QStringLiteral(": ") + boxes.texts.join(QStringLiteral(" / "))));

        QVERIFY(form.kinitiList.Count() == 21 && form.statheriList.Count() == 8);
        QVERIFY(form.varDaysList.Count() <= 21 && form.constDaysList.Count() <= 8);
        QVERIFY(form.generalDaysList.Count() <= 29);

        const QList<QStringList> views = window.allViews();
        if (expectedBoxes == 6) {
            // Only the movable feasts were rebuilt, from the same picker date.
            QCOMPARE(views, previous);
            continue;
        }
        const QStringList &var = views[0], &fixed = views[1], &all = views[2], &general = views[3];
        QCOMPARE(var.size(), 21);
        QCOMPARE(fixed.size(), 8);
        QCOMPARE(dateOf(var.first()), window.picker()->date().addDays(-70));
        QCOMPARE(dateOf(fixed.first()), QDate(year.toInt(), 1, 1));
        QCOMPARE(all.size(), 29);
        QCOMPARE(general.size(), 29);
        for (int i = 0; i < 29; ++i) {
            const QString &source = i < 21 ? var[i] : fixed[i - 21];
            QCOMPARE(all[i], QString::number(i + 1) + u'|' + source.section(u'|', 1));
            QCOMPARE(numberOf(general[i]), QString::number(i + 1));
            if (i > 0)
                QVERIFY(dateOf(general[i - 1]) >= dateOf(general[i]));
        }
        previous = views;
    }
}

QTEST_MAIN(TestEndurance)
#include "tst_endurance.moc"
