#include "Unit1.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

// Answers every error box that opens while it lives, remembering its text.
class ErrorBoxes : public QObject
{
public:
    ErrorBoxes()
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            texts << box->text();
            plainText = plainText && box->textFormat() == Qt::PlainText;
            critical = critical && box->icon() == QMessageBox::Critical;
            captioned = captioned && box->windowTitle() == QGuiApplication::applicationDisplayName();
            box->button(QMessageBox::Ok)->click();
        });
        timer.start(0);
    }

    QStringList texts;
    bool plainText = true;
    bool critical = true;
    bool captioned = true;

private:
    QTimer timer;
};

// What a view shows, one "number|date|day|feast" line per row.
QStringList rowsOf(const QTreeWidget *view)
{
    QStringList rows;
    for (int i = 0; i < view->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = view->topLevelItem(i);
        rows << QStringList {item->text(0), item->text(1), item->text(2), item->text(3)}.join(u'|');
    }
    return rows;
}

QDate dateOfRow(const QString &row)
{
    return QDate::fromString(row.section(u'|', 1, 1), QStringLiteral("d/M/yyyy"));
}

const QStringList greekDays = {QString(), QStringLiteral("Δευτέρα"), QStringLiteral("Τρίτη"), QStringLiteral("Τετάρτη"),
    QStringLiteral("Πέμπτη"), QStringLiteral("Παρασκευή"), QStringLiteral("Σάββατο"), QStringLiteral("Κυριακή")};

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsEmpty();
    void easterFillsEveryView();
    void returnInTheYearBoxComputesEaster_data();
    void returnInTheYearBoxComputesEaster();
    void failuresLeaveTheDesignedState_data();
    void failuresLeaveTheDesignedState();
    void movableFeastsFollowThePicker();
    void pickerRefusesWhatItCannotShow();
    void fixedFeastsOfYear5175();
    void sortsOrderByDate_data();
    void sortsOrderByDate();
    void generalRestoresTableOrder();
    void tablesDoNotGrow();
    void onlyTheNumberIsEditable();

private:
    void typeYear(const QString &year) { yearEdit()->setText(year); }
    void click(const char *button)
    {
        QTest::mouseClick(form->findChild<QAbstractButton *>(QLatin1String(button)), Qt::LeftButton);
    }
    QLineEdit *yearEdit() const { return form->findChild<QLineEdit *>(QStringLiteral("yearEdit")); }
    QDateEdit *picker() const { return form->findChild<QDateEdit *>(QStringLiteral("easterDateTimePicker")); }
    QTreeWidget *view(const char *name) const { return form->findChild<QTreeWidget *>(QLatin1String(name)); }
    QList<QStringList> allViews() const
    {
        return {rowsOf(view("constListView")), rowsOf(view("varListView")), rowsOf(view("allListView")),
            rowsOf(view("generalListView"))};
    }

    TForm1 *form = nullptr;
};

// The offscreen platform warns each time a message box opens; nothing to see.
static QtMessageHandler previousHandler = nullptr;
static void quietOffscreen(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message != u"This plugin does not support propagateSizeHints()")
        previousHandler(type, context, message);
}

void TestWindow::initTestCase()
{
    previousHandler = qInstallMessageHandler(quietOffscreen);
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    QApplication::setApplicationDisplayName(QStringLiteral("Εορτολόγιο"));
}

void TestWindow::init()
{
    form = new TForm1;
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
}

void TestWindow::cleanup()
{
    delete form;
    form = nullptr;
}

void TestWindow::startsEmpty()
{
    QCOMPARE(picker()->date(), QDate(2010, 11, 23));
    QCOMPARE(form->findChild<QTabWidget *>(QStringLiteral("PageControl"))->currentWidget()->objectName(),
        QStringLiteral("generalTabSheet"));
    for (const QStringList &rows : allViews())
        QVERIFY(rows.isEmpty());
    // The fixed tab numbers its rows under a Latin "A/A", the others under a Greek "Α/Α".
    QCOMPARE(view("constListView")->headerItem()->text(0), QStringLiteral("A/A"));
    for (const char *name : {"varListView", "allListView", "generalListView"})
        QCOMPARE(view(name)->headerItem()->text(0), QStringLiteral("Α/Α"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Εορτολόγιο"));
    // One 32 x 32 icon of at most 16 colours.
    QVERIFY(!form->windowIcon().isNull());
    const QImage icon(QStringLiteral(":/icons/eortologio.png"));
    QCOMPARE(icon.size(), QSize(32, 32));
    QVERIFY(icon.colorCount() > 0 && icon.colorCount() <= 16);
}

void TestWindow::easterFillsEveryView()
{
    typeYear(QStringLiteral("2025"));
    click("easterSpeedButton");
    QCOMPARE(picker()->date(), QDate(2025, 4, 20));

    const QStringList var = rowsOf(view("varListView"));
    const QStringList fixed = rowsOf(view("constListView"));
    QCOMPARE(var.size(), 21);
    QCOMPARE(fixed.size(), 8);
    QCOMPARE(var.first(), QStringLiteral("1|9/2/2025|Κυριακή|Τελωνίου και Φαρισαίου - Αρχή Τριωδίου"));
    QCOMPARE(var.last(), QStringLiteral("21|23/4/2025|Τετάρτη|4α Διακαινησίμου - Τετάρτη (Θεοχάρης)"));
    QCOMPARE(fixed.first(), QStringLiteral("1|1/1/2025|Τετάρτη|Πρωτοχρονιά"));
    QCOMPARE(fixed.at(1), QStringLiteral("2|25/12/2025|Πέμπτη|Χριστούγεννα"));

    // Dates of 2025 as the Greek calendar prints them.
    const QList<std::pair<QString, QDate>> known = {
        {QStringLiteral("Τσικνοπέμπτη"), QDate(2025, 2, 20)},
        {QStringLiteral("Καθαρά Δευτέρα"), QDate(2025, 3, 3)},
        {QStringLiteral("Σάββατο του Λαζάρου"), QDate(2025, 4, 12)},
        {QStringLiteral("Μεγάλη Παρασκευή"), QDate(2025, 4, 18)},
        {QStringLiteral("ΤΟ ΑΓΙΟ ΠΑΣΧΑ"), QDate(2025, 4, 20)},
        {QStringLiteral("Κοίμηση της Θεοτόκου"), QDate(2025, 8, 15)},
    };
    const QStringList general = rowsOf(view("generalListView"));
    for (const auto &[feast, date] : known) {
        const auto row = std::find_if(
            general.begin(), general.end(), [&](const QString &r) { return r.section(u'|', 3).startsWith(feast); });
        QVERIFY2(row != general.end(), qPrintable(feast));
        QCOMPARE(dateOfRow(*row), date);
    }

    // The general view holds the fixed feasts, then the movable ones; the
    // combined view the movable ones, then the fixed ones; both numbered 1 to 29.
    const QStringList all = rowsOf(view("allListView"));
    QCOMPARE(general.size(), 29);
    QCOMPARE(all.size(), 29);
    for (int i = 0; i < 29; ++i) {
        QCOMPARE(general[i].section(u'|', 0, 0), QString::number(i + 1));
        QCOMPARE(all[i].section(u'|', 0, 0), QString::number(i + 1));
        const QString generalSource = i < 8 ? fixed[i] : var[i - 8];
        const QString allSource = i < 21 ? var[i] : fixed[i - 21];
        QCOMPARE(general[i].section(u'|', 1), generalSource.section(u'|', 1));
        QCOMPARE(all[i].section(u'|', 1), allSource.section(u'|', 1));
    }
    // Every row's day name is that of its date.
    for (const QString &row : general)
        QCOMPARE(row.section(u'|', 2, 2), greekDays[dateOfRow(row).dayOfWeek()]);
}

void TestWindow::returnInTheYearBoxComputesEaster_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
}

void TestWindow::returnInTheYearBoxComputesEaster()
{
    QFETCH(int, key);
    yearEdit()->setFocus();
    QTest::keyClicks(yearEdit(), QStringLiteral("2024"));
    QTest::keyClick(yearEdit(), Qt::Key(key));
    QCOMPARE(picker()->date(), QDate(2024, 5, 5));
    for (const QStringList &rows : allViews())
        QVERIFY(!rows.isEmpty());
}

void TestWindow::failuresLeaveTheDesignedState_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("year");
    // The views that change, out of const, var, all, general.
    QTest::addColumn<QString>("changed");
    QTest::addColumn<int>("constDays");
    QTest::addColumn<int>("varDays");
    QTest::addColumn<int>("generalDays");

    for (const QString &year : {QString(), QStringLiteral("abc"), QStringLiteral("0"), QStringLiteral("-1"),
             QStringLiteral("10000"), QStringLiteral("4294969321"), QStringLiteral("<b>2025</b>")}) {
        const QByteArray y = year.isEmpty() ? QByteArray("empty") : year.toUtf8();
        QTest::newRow("easter, " + y) << "easterSpeedButton" << year << "" << 8 << 21 << 29;
        QTest::newRow("const, " + y) << "constDaysBitBtn" << year << "" << 0 << 21 << 29;
        QTest::newRow("all, " + y) << "allDaysBitBtn" << year << "" << 0 << 21 << 29;
        QTest::newRow("general, " + y) << "generalBitBtn" << year << "" << 0 << 0 << 0;
        QTest::newRow("ascending, " + y) << "ascendingBitBtn" << year << "" << 0 << 0 << 0;
        QTest::newRow("descending, " + y) << "descendingBitBtn" << year << "" << 0 << 0 << 0;
    }
    // Easter of 5175 would fall in June: nothing changes.
    QTest::newRow("easter, 5175") << "easterSpeedButton"
                                  << "5175"
                                  << "" << 8 << 21 << 29;
}

void TestWindow::failuresLeaveTheDesignedState()
{
    QFETCH(QString, button);
    QFETCH(QString, year);
    QFETCH(QString, changed);
    QFETCH(int, constDays);
    QFETCH(int, varDays);
    QFETCH(int, generalDays);

    typeYear(QStringLiteral("2024"));
    click("easterSpeedButton");
    const QList<QStringList> before = allViews();
    const QDate pickerBefore = picker()->date();

    typeYear(year);
    ErrorBoxes boxes;
    click(button.toLatin1().constData());
    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY(!boxes.texts.first().isEmpty());
    QVERIFY(boxes.plainText);
    QVERIFY(boxes.critical);
    QVERIFY(boxes.captioned);

    QCOMPARE(picker()->date(), pickerBefore);
    QCOMPARE(allViews(), before);
    QCOMPARE(form->constDaysList.Count(), constDays);
    QCOMPARE(form->varDaysList.Count(), varDays);
    QCOMPARE(form->generalDaysList.Count(), generalDays);
    QCOMPARE(form->kinitiList.Count(), 21);
    QCOMPARE(form->statheriList.Count(), 8);
    QCOMPARE(yearEdit()->text(), year);
}

void TestWindow::movableFeastsFollowThePicker()
{
    // With an empty year box, on the start date and on a Wednesday picked by hand.
    for (const QDate base : {QDate(2010, 11, 23), QDate(2021, 3, 3)}) {
        picker()->setDate(base);
        ErrorBoxes boxes;
        click("varDaysBitBtn");
        QVERIFY(boxes.texts.isEmpty());
        const QStringList rows = rowsOf(view("varListView"));
        QCOMPARE(rows.size(), 21);
        QCOMPARE(dateOfRow(rows.first()), base.addDays(-70));
        QCOMPARE(dateOfRow(rows.last()), base.addDays(3));
        QCOMPARE(rows.first().section(u'|', 2, 2), greekDays[base.addDays(-70).dayOfWeek()]);
    }
}

void TestWindow::pickerRefusesWhatItCannotShow()
{
    // An Easter the picker cannot hold is an error, not a date moved to its end.
    typeYear(QStringLiteral("2024"));
    click("easterSpeedButton");
    const QList<QStringList> before = allViews();
    picker()->setMaximumDate(QDate(2025, 1, 1));
    typeYear(QStringLiteral("2025"));
    ErrorBoxes boxes;
    click("easterSpeedButton");
    QCOMPARE(boxes.texts.size(), 1);
    QCOMPARE(picker()->date(), QDate(2024, 5, 5));
    QCOMPARE(allViews(), before);
}

void TestWindow::fixedFeastsOfYear5175()
{
    typeYear(QStringLiteral("5175"));
    ErrorBoxes boxes;
    click("constDaysBitBtn");
    QVERIFY(boxes.texts.isEmpty());
    const QStringList rows = rowsOf(view("constListView"));
    QCOMPARE(rows.size(), 8);
    QCOMPARE(rows.first().section(u'|', 1, 1), QStringLiteral("1/1/5175"));
}

void TestWindow::sortsOrderByDate_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QDate>("easter");
    QTest::addColumn<QString>("button");
    // Two feasts on 1 May: Holy Wednesday in 2024, Bright Wednesday in 2019.
    QTest::newRow("2024 ascending") << "2024" << QDate(2024, 5, 5) << "ascendingBitBtn";
    QTest::newRow("2024 descending") << "2024" << QDate(2024, 5, 5) << "descendingBitBtn";
    QTest::newRow("2019 ascending") << "2019" << QDate(2019, 4, 28) << "ascendingBitBtn";
    QTest::newRow("2019 descending") << "2019" << QDate(2019, 4, 28) << "descendingBitBtn";
    // Fixed feasts of 2030 with the movable feasts of 2025: all of 2025 first.
    QTest::newRow("2030 over Easter 2025") << "2030" << QDate(2025, 4, 20) << "ascendingBitBtn";
}

void TestWindow::sortsOrderByDate()
{
    QFETCH(QString, year);
    QFETCH(QDate, easter);
    QFETCH(QString, button);
    picker()->setDate(easter);
    typeYear(year);
    click(button.toLatin1().constData());

    const QStringList rows = rowsOf(view("generalListView"));
    QCOMPARE(rows.size(), 29);
    const bool ascending = button.startsWith(u'a');
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows[i].section(u'|', 0, 0), QString::number(i + 1));
        if (i > 0) {
            const QDate previous = dateOfRow(rows[i - 1]);
            const QDate current = dateOfRow(rows[i]);
            QVERIFY2(ascending ? previous <= current : previous >= current, qPrintable(rows[i]));
        }
    }
    if (year == u"2030") {
        for (int i = 0; i < 21; ++i)
            QCOMPARE(dateOfRow(rows[i]).year(), 2025);
    } else {
        const QString firstOfMay = QStringLiteral("1/5/") + year;
        const auto first = std::find_if(
            rows.begin(), rows.end(), [&](const QString &r) { return r.section(u'|', 1, 1) == firstOfMay; });
        QVERIFY(first != rows.end() && first + 1 != rows.end());
        QCOMPARE((first + 1)->section(u'|', 1, 1), firstOfMay);
    }
}

void TestWindow::generalRestoresTableOrder()
{
    typeYear(QStringLiteral("2025"));
    click("easterSpeedButton");
    const QStringList tableOrder = rowsOf(view("generalListView"));
    QVERIFY(tableOrder.first().endsWith(QStringLiteral("|Πρωτοχρονιά")));
    click("descendingBitBtn");
    QVERIFY(rowsOf(view("generalListView")) != tableOrder);
    click("generalBitBtn");
    QCOMPARE(rowsOf(view("generalListView")), tableOrder);
}

void TestWindow::tablesDoNotGrow()
{
    typeYear(QStringLiteral("2025"));
    for (int i = 0; i < 20; ++i) {
        click("easterSpeedButton");
        click("ascendingBitBtn");
        click("allDaysBitBtn");
    }
    QCOMPARE(form->kinitiList.Count(), 21);
    QCOMPARE(form->statheriList.Count(), 8);
    QCOMPARE(form->generalDaysList.Count(), 29);
    QCOMPARE(rowsOf(view("generalListView")).size(), 29);
    QCOMPARE(rowsOf(view("allListView")).size(), 29);
}

void TestWindow::onlyTheNumberIsEditable()
{
    typeYear(QStringLiteral("2025"));
    click("constDaysBitBtn");
    QTreeWidget *fixed = view("constListView");
    QTreeWidgetItem *row = fixed->topLevelItem(0);
    QVERIFY(row->flags() & Qt::ItemIsEditable);
    QStyleOptionViewItem option;
    auto *delegate = fixed->itemDelegate();
    QWidget *editor = delegate->createEditor(fixed->viewport(), option, fixed->model()->index(0, 0));
    QVERIFY(editor);
    delete editor;
    for (int column = 1; column < 4; ++column)
        QVERIFY(!delegate->createEditor(fixed->viewport(), option, fixed->model()->index(0, column)));
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
