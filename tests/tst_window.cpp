#include "WindowDriver.h"

#include <QTabWidget>

namespace {
const QStringList greekDays = {QString(), QStringLiteral("Δευτέρα"), QStringLiteral("Τρίτη"), QStringLiteral("Τετάρτη"),
    QStringLiteral("Πέμπτη"), QStringLiteral("Παρασκευή"), QStringLiteral("Σάββατο"), QStringLiteral("Κυριακή")};
}

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { window = std::make_unique<WindowDriver>(); }
    void cleanup() { window.reset(); }

    void startsEmpty();
    void easterFillsEveryView();
    void returnInTheYearBoxComputesEaster_data();
    void returnInTheYearBoxComputesEaster();
    void failuresLeaveTheDesignedState_data();
    void failuresLeaveTheDesignedState();
    void pickerRefusesWhatItCannotShow();
    void movableFeastsFollowThePicker();
    void sortsOrderByDate_data();
    void sortsOrderByDate();
    void generalRestoresTableOrder();
    void onlyTheNumberIsEditable();

private:
    std::unique_ptr<WindowDriver> window;
};

void TestWindow::startsEmpty()
{
    QCOMPARE(window->picker()->date(), QDate(2010, 11, 23));
    QCOMPARE(window->child<QTabWidget>("PageControl")->currentWidget()->objectName(), u"generalTabSheet");
    for (const QStringList &rows : window->allViews())
        QVERIFY(rows.isEmpty());
    // The fixed tab numbers its rows under a Latin "A/A", the others under a Greek "Α/Α".
    QCOMPARE(window->child<QTreeWidget>("constListView")->headerItem()->text(0), u"A/A");
    for (const char *name : {"varListView", "allListView", "generalListView"})
        QCOMPARE(window->child<QTreeWidget>(name)->headerItem()->text(0), u"Α/Α");
    // One 32 x 32 icon of at most 16 colours.
    QVERIFY(!window->form.windowIcon().isNull());
    const QImage icon(QStringLiteral(":/icons/eortologio.png"));
    QCOMPARE(icon.size(), QSize(32, 32));
    QVERIFY(icon.colorCount() > 0 && icon.colorCount() <= 16);
}

void TestWindow::easterFillsEveryView()
{
    window->typeYear(QStringLiteral("2025"));
    window->click("easterSpeedButton");
    QCOMPARE(window->picker()->date(), QDate(2025, 4, 20));

    const QStringList var = window->rows("varListView");
    const QStringList fixed = window->rows("constListView");
    QCOMPARE(var.size(), 21);
    QCOMPARE(fixed.size(), 8);
    QCOMPARE(var.first(), u"1|9/2/2025|Κυριακή|Τελωνίου και Φαρισαίου - Αρχή Τριωδίου");
    QCOMPARE(var.last(), u"21|23/4/2025|Τετάρτη|4α Διακαινησίμου - Τετάρτη (Θεοχάρης)");
    QCOMPARE(fixed.first(), u"1|1/1/2025|Τετάρτη|Πρωτοχρονιά");
    QCOMPARE(fixed.at(1), u"2|25/12/2025|Πέμπτη|Χριστούγεννα");

    // Dates of 2025 as Greek church calendars print them.
    const QStringList general = window->rows("generalListView");
    const QList<std::pair<QString, QDate>> known
        = {{QStringLiteral("Τσικνοπέμπτη"), QDate(2025, 2, 20)}, {QStringLiteral("Καθαρά Δευτέρα"), QDate(2025, 3, 3)},
            {QStringLiteral("Σάββατο του Λαζάρου"), QDate(2025, 4, 12)},
            {QStringLiteral("Μεγάλη Παρασκευή"), QDate(2025, 4, 18)},
            {QStringLiteral("Κοίμηση της Θεοτόκου"), QDate(2025, 8, 15)}};
    for (const auto &feast : known) {
        const auto row = std::find_if(
            general.begin(), general.end(), [&](const QString &r) { return feastOf(r).startsWith(feast.first); });
        QVERIFY2(row != general.end(), qPrintable(feast.first));
        QCOMPARE(dateOf(*row), feast.second);
    }

    // The general view holds the fixed feasts, then the movable ones; the
    // combined view the movable ones, then the fixed ones; both numbered 1 to 29.
    const QStringList all = window->rows("allListView");
    QCOMPARE(general.size(), 29);
    QCOMPARE(all.size(), 29);
    for (int i = 0; i < 29; ++i) {
        const QString &generalSource = i < 8 ? fixed[i] : var[i - 8];
        const QString &allSource = i < 21 ? var[i] : fixed[i - 21];
        QCOMPARE(general[i], QString::number(i + 1) + u'|' + generalSource.section(u'|', 1));
        QCOMPARE(all[i], QString::number(i + 1) + u'|' + allSource.section(u'|', 1));
        QCOMPARE(dayOf(general[i]), greekDays[dateOf(general[i]).dayOfWeek()]);
    }
}

void TestWindow::returnInTheYearBoxComputesEaster_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QDate>("easter");
    QTest::newRow("Return") << Qt::Key_Return << "2024" << QDate(2024, 5, 5);
    QTest::newRow("Enter") << Qt::Key_Enter << "2024" << QDate(2024, 5, 5);
    QTest::newRow("Return, the earliest Easter of all") << Qt::Key_Return << "72" << QDate(72, 3, 20);
}

void TestWindow::returnInTheYearBoxComputesEaster()
{
    QFETCH(Qt::Key, key);
    QFETCH(QString, year);
    QFETCH(QDate, easter);
    auto *yearEdit = window->child<QLineEdit>("yearEdit");
    QTest::keyClicks(yearEdit, year);
    QTest::keyClick(yearEdit, key);
    QCOMPARE(window->picker()->date(), easter);
    for (const QStringList &rows : window->allViews())
        QVERIFY(!rows.isEmpty());
}

void TestWindow::failuresLeaveTheDesignedState_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QString>("year");
    // How many records each dated list holds afterwards.
    QTest::addColumn<int>("constDays");
    QTest::addColumn<int>("varDays");
    QTest::addColumn<int>("generalDays");

    for (const char *year : {"", "abc", "0", "-1", "10000", "4294969321", "<b>2025</b>"}) {
        const QByteArray y = *year ? year : "empty";
        QTest::newRow("easter, " + y) << QByteArray("easterSpeedButton") << year << 8 << 21 << 29;
        QTest::newRow("const, " + y) << QByteArray("constDaysBitBtn") << year << 0 << 21 << 29;
        QTest::newRow("all, " + y) << QByteArray("allDaysBitBtn") << year << 0 << 21 << 29;
        QTest::newRow("general, " + y) << QByteArray("generalBitBtn") << year << 0 << 0 << 0;
        QTest::newRow("ascending, " + y) << QByteArray("ascendingBitBtn") << year << 0 << 0 << 0;
        QTest::newRow("descending, " + y) << QByteArray("descendingBitBtn") << year << 0 << 0 << 0;
    }
    // Easter of 5175 would fall in June.
    QTest::newRow("easter, 5175") << QByteArray("easterSpeedButton") << "5175" << 8 << 21 << 29;
}

void TestWindow::failuresLeaveTheDesignedState()
{
    QFETCH(QByteArray, button);
    QFETCH(QString, year);
    QFETCH(int, constDays);
    QFETCH(int, varDays);
    QFETCH(int, generalDays);

    window->typeYear(QStringLiteral("2024"));
    window->click("easterSpeedButton");
    const QList<QStringList> before = window->allViews();

    window->typeYear(year);
    ErrorBoxes boxes;
    window->click(button.constData());
    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY(!boxes.texts.first().isEmpty());
    QVERIFY(boxes.wellFormed);

    // Picker and views as they were; the dated lists as far as the command got.
    QCOMPARE(window->picker()->date(), QDate(2024, 5, 5));
    QCOMPARE(window->allViews(), before);
    const TForm1 &form = window->form;
    QCOMPARE(form.constDaysList.Count(), constDays);
    QCOMPARE(form.varDaysList.Count(), varDays);
    QCOMPARE(form.generalDaysList.Count(), generalDays);
    QCOMPARE(form.kinitiList.Count(), 21);
    QCOMPARE(form.statheriList.Count(), 8);
}

void TestWindow::pickerRefusesWhatItCannotShow()
{
    // An Easter the picker cannot hold is an error, not a date moved to its end.
    window->typeYear(QStringLiteral("2024"));
    window->click("easterSpeedButton");
    const QList<QStringList> before = window->allViews();
    window->picker()->setMaximumDate(QDate(2025, 1, 1));
    window->typeYear(QStringLiteral("2025"));
    ErrorBoxes boxes;
    window->click("easterSpeedButton");
    QCOMPARE(boxes.texts.size(), 1);
    QCOMPARE(window->picker()->date(), QDate(2024, 5, 5));
    QCOMPARE(window->allViews(), before);
}

void TestWindow::movableFeastsFollowThePicker()
{
    // With an empty year box, from the start date and from a Wednesday picked by hand.
    for (const QDate base : {QDate(2010, 11, 23), QDate(2021, 3, 3)}) {
        window->picker()->setDate(base);
        ErrorBoxes boxes;
        window->click("varDaysBitBtn");
        QVERIFY(boxes.texts.isEmpty());
        const QStringList rows = window->rows("varListView");
        QCOMPARE(rows.size(), 21);
        QCOMPARE(dateOf(rows.first()), base.addDays(-70));
        QCOMPARE(dateOf(rows.last()), base.addDays(3));
        QCOMPARE(dayOf(rows.first()), greekDays[base.addDays(-70).dayOfWeek()]);
    }
}

void TestWindow::sortsOrderByDate_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QDate>("easter");
    QTest::addColumn<QByteArray>("button");
    // Two feasts on 1 May: Holy Wednesday in 2024, Bright Wednesday in 2019.
    QTest::newRow("2024 ascending") << "2024" << QDate(2024, 5, 5) << QByteArray("ascendingBitBtn");
    QTest::newRow("2024 descending") << "2024" << QDate(2024, 5, 5) << QByteArray("descendingBitBtn");
    QTest::newRow("2019 ascending") << "2019" << QDate(2019, 4, 28) << QByteArray("ascendingBitBtn");
    QTest::newRow("2019 descending") << "2019" << QDate(2019, 4, 28) << QByteArray("descendingBitBtn");
    // Fixed feasts of 2030 with the movable feasts of 2025: all of 2025 first.
    QTest::newRow("2030 over Easter 2025") << "2030" << QDate(2025, 4, 20) << QByteArray("ascendingBitBtn");
}

void TestWindow::sortsOrderByDate()
{
    QFETCH(QString, year);
    QFETCH(QDate, easter);
    QFETCH(QByteArray, button);
    window->picker()->setDate(easter);
    window->typeYear(year);
    window->click(button.constData());

    const QStringList rows = window->rows("generalListView");
    QCOMPARE(rows.size(), 29);
    const bool ascending = button.startsWith('a');
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(numberOf(rows[i]), QString::number(i + 1));
        if (i > 0)
            QVERIFY2(ascending ? dateOf(rows[i - 1]) <= dateOf(rows[i]) : dateOf(rows[i - 1]) >= dateOf(rows[i]),
                qPrintable(rows[i]));
    }
    const QDate firstOfMay(year.toInt(), 5, 1);
    const auto first
        = std::find_if(rows.begin(), rows.end(), [&](const QString &r) { return dateOf(r) == firstOfMay; });
    if (year == u"2030") {
        QCOMPARE(dateOf(rows[20]).year(), 2025);
        QCOMPARE(dateOf(rows[21]).year(), 2030);
    } else {
        QVERIFY(first != rows.end() && first + 1 != rows.end());
        QCOMPARE(dateOf(first[1]), firstOfMay);
    }
}

void TestWindow::generalRestoresTableOrder()
{
    window->typeYear(QStringLiteral("2025"));
    window->click("easterSpeedButton");
    const QStringList tableOrder = window->rows("generalListView");
    QCOMPARE(feastOf(tableOrder.first()), u"Πρωτοχρονιά");
    window->click("descendingBitBtn");
    QVERIFY(window->rows("generalListView") != tableOrder);
    window->click("generalBitBtn");
    QCOMPARE(window->rows("generalListView"), tableOrder);
}

void TestWindow::onlyTheNumberIsEditable()
{
    window->typeYear(QStringLiteral("2025"));
    window->click("constDaysBitBtn");
    auto *view = window->child<QTreeWidget>("constListView");
    QVERIFY(view->topLevelItem(0)->flags() & Qt::ItemIsEditable);
    const QStyleOptionViewItem option;
    std::unique_ptr<QWidget> editor(
        view->itemDelegate()->createEditor(view->viewport(), option, view->model()->index(0, 0)));
    QVERIFY(editor);
    for (int column = 1; column < 4; ++column)
        QVERIFY(!view->itemDelegate()->createEditor(view->viewport(), option, view->model()->index(0, column)));
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
