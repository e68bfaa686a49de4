// The fifth tab: the name days from the start, at midnight and at a new
// year, and the search as people type.

#include "WindowDriver.h"

class TestNames : public Driver
{
    Q_OBJECT

private slots:
    // From the start: this year's name days from this year's Easter, today's
    // row in view and in bold, the names in a column of their own that shows
    // them whole, who celebrates today in their everyday names, and tomorrow.
    void nameDaysFromTheStart()
    {
        openTab("Ονομαστικές");
        auto *view = child<QTreeWidget>("namesListView");
        const Rows all = rows("namesListView");
        QCOMPARE(all.size(), NameDayTable::builtIn().commemorations().size());
        // Easter 20 April
        QVERIFY(all.contains({"79", "27/4/2025", "Κυριακή", "Θωμάς, Θωμαΐς | Κυριακή του Θωμά"}));
        QCOMPARE(bold("namesListView"), QStringList {"15/8/2025"});
        const QTreeWidgetItem *today = view->findItems("15/8/2025", Qt::MatchExactly, 1).value(0);
        QTRY_VERIFY(view->visualItemRect(today).top() >= 0
            && view->visualItemRect(today).bottom() < view->viewport()->height());
        QVERIFY(label("todayLabel").startsWith("Σήμερα γιορτάζουν: Μαρία"));
        const QFontMetrics metrics(view->font());
        const int room
            = view->header()->sectionSize(3) - 2 * view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) - 2;
        const auto whole = std::count_if(all.begin(), all.end(),
            [&](const QStringList &row) { return metrics.horizontalAdvance(row[3].section(" | ", 0, 0)) <= room; });
        // Wine draws the window's font with a far wider one of its own.
        const bool wine
            = !QSettings("HKEY_LOCAL_MACHINE\\Software\\Wine", QSettings::NativeFormat).childGroups().isEmpty();
        QVERIFY2(wine || whole * 100 >= all.size() * 95, qPrintable(QString::number(whole)));
        // the commemoration's first words in view
        QVERIFY(wine
            || view->viewport()->width() - view->header()->sectionViewportPosition(4)
                >= 10 * metrics.averageCharWidth());
        typeYear("2025");
        click("Υπολογισμός Πάσχα");
        QCOMPARE(rows("namesListView"), all);
        // every view, label and menu as a person last read them
        click("Κινητές & Σταθερές");
        QVERIFY(looksAsBefore(form.get(), "0f7bb7063955"));
    }
    // At midnight, with nothing pressed: today's names and bold rows move on a
    // day, and at the new year the fifth view to the new year.
    void midnight_data()
    {
        // clang-format off
        QTest::addColumn<QDate>("day");
        // typed before midnight, whose days stay
        QTest::addColumn<QString>("year");
        QTest::newRow("16 August") << QDate(2025, 8, 15) << "";
        QTest::newRow("new year") << QDate(2025, 12, 31) << "";
        QTest::newRow("new year, 2030 shown") << QDate(2025, 12, 31) << "2030";
        QTest::newRow("new year, its year shown") << QDate(2024, 12, 31) << "2025";
        // clang-format on
    }
    void midnight()
    {
        QFETCH(QDate, day);
        QFETCH(QString, year);
        start(day);
        openTab("Ονομαστικές");
        if (!year.isEmpty()) {
            typeYear(year);
            click("Υπολογισμός Πάσχα");
        }
        const QString tomorrow = child<QLabel>("tomorrowLabel")->toolTip();
        // as if the time had come
        setToday(day.addDays(1));
        QTRY_COMPARE(child<QLabel>("todayLabel")->toolTip(), tomorrow);
        // today's row in bold where the year shown (none typed: 0) holds it
        QCOMPARE(
            bold("namesListView"), year.toInt() % now.year() ? QStringList() : QStringList {now.toString("d/M/yyyy")});
        QCOMPARE(dateOf(rows("namesListView")[0]).year(), year.isEmpty() ? now.year() : year.toInt());
        // and at the next new year too
        if (year.isEmpty() && now.dayOfYear() == 1) {
            setToday(now.addYears(1));
            QTRY_COMPARE(dateOf(rows("namesListView")[0]).year(), now.year());
        }
    }
    // Today's rows in bold in the feasts' views too; the search box, reached
    // by Ctrl+F, that filters the name days as the user types, shows the form
    // found in its row, takes a full or a double name, says when it finds
    // nothing and what may be meant; Escape anywhere in the tab clears it.
    void nameDays_data()
    {
        // clang-format off
        QTest::addColumn<QString>("typed");
        // in every row found, folded; or the hint
        QTest::addColumn<QString>("shown");
        // the name a CSV of the rows found is offered
        QTest::addColumn<QString>("suggested");
        QTest::newRow("prefix") << "Γιω" << "γιω" << "onomastikes-eortes-2025.csv";
        QTest::newRow("prefix of three") << "Σταυρ" << "σταυρ" << "onomastikes-eortes-stavros-stavroula-stavriani-2025.csv";
        QTest::newRow("base") << "Γεώργιος" << "^γεωργιοσ(?! \\()" << "onomastiki-eorti-georgios-2025.csv";
        QTest::newRow("full name") << "Γιώργος Παπαδόπουλος" << "γεωργιοσ \\(γιωργοσ\\)" << "onomastiki-eorti-georgios-2025.csv";
        QTest::newRow("double name") << "Άννα Μαρία" << "αννα|μαρια" << "onomastikes-eortes-anna-maria-2025.csv";
        QTest::newRow("in Latin letters") << "Afroditi" << "^αφροδιτη" << "onomastiki-eorti-afroditi-2025.csv";
        QTest::newRow("Latin, as typed") << "Jorgos" << "γεωργιοσ \\(γιωργοσ\\)" << "onomastiki-eorti-georgios-2025.csv";
        QTest::newRow("nothing") << "Γιοργοσ" << "δεν αρχίζει από «Γιοργοσ». Μήπως εννοείτε: Γιώργος" << "onomastikes-eortes.csv";
        // clang-format on
    }
    void nameDays()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, suggested);
        start(QDate(2025, 4, 23));
        typeYear("2025");
        click("Υπολογισμός Πάσχα");
        for (const char *view : {"generalListView", "allListView"})
            QCOMPARE(bold(view), QStringList {"23/4/2025"});
        openTab("Ονομαστικές");
        QVERIFY(label("todayLabel").startsWith("Σήμερα γιορτάζουν: Θεοχάρης, Χάρης, Γεώργιος"));
        const Rows all = rows("namesListView");
        search(typed);
        const Rows found = rows("namesListView");
        QCOMPARE(child("searchHintLabel")->isVisible(), found.isEmpty());
        if (found.isEmpty())
            QVERIFY(QTextDocumentFragment::fromHtml(label("searchHintLabel")).toPlainText().contains(shown));
        // The companion's search: the same message, the same names on the
        // same days, from today to the year's end.
        ContactBook book;
        Companion companion(&book);
        for (const QChar letter : typed)
            QTest::sendKeyEvent(QTest::Click, part(&companion, "searchEdit"), Qt::Key_unknown, letter, {});
        QCOMPARE(part<QLabel>(&companion, "searchHintLabel")->text(), child<QLabel>("searchHintLabel")->text());
        QCOMPARE(part(&companion, "searchHintLabel")->isHidden(), !found.isEmpty());
        QStringList companionRows, tabRows;
        for (QTreeWidgetItemIterator row(part<QTreeWidget>(&companion, "daysView")); *row; ++row)
            if ((*row)->text(0).endsWith("/2025"))
                companionRows << (*row)->text(0) + " " + (*row)->text(2);
        for (const QStringList &row : found)
            if (dateOf(row) >= QDate(2025, 4, 23))
                tabRows << row[1] + " " + row[3].section(" | ", 0, 0);
        QCOMPARE(companionRows.join("\n"), tabRows.join("\n"));
        // the file dialog closed once it suggests a name
        saveTo.clear(), this->suggested.clear();
        ::shown<QAction>(child("namesListView"), "Εξαγωγή σε CSV…")->trigger();
        QCOMPARE(this->suggested.join(u' '), suggested);
        // the filter holds for another year's rows, and again for this year's
        for (const QString year : {"2026", "2025"}) {
            typeYear(year), click("Υπολογισμός Πάσχα");
            for (const QStringList &row : rows("namesListView"))
                QVERIFY2(foldGreek(row[3]).contains(QRegularExpression(shown)), qPrintable(row[3]));
        }
        activate();
        // Escape outside the tab keeps the search; in it, clears it.
        child("yearEdit")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(rows("namesListView"), found);
        child("namesListView")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(rows("namesListView"), all);
        // today's row back at the top
        QTRY_COMPARE(child<QTreeWidget>("namesListView")->itemAt(1, 1)->text(1), "23/4/2025");
    }
};

QTEST_MAIN(TestNames)
#include "tst_names.moc"
