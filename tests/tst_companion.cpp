// The companion window and the reminder: contacts from a file, greetings,
// choices by hand, the tray, the notification, a second start.

#include "WindowDriver.h"

// What the running desktop shows a person, once started on 22 April 2026
// with a file of one contact, Γιώργος, who celebrates the next day.
struct Desktop
{
    QWidget *main = nullptr;
    QWidget *companion = nullptr;
    QTreeWidget *contacts = nullptr;
};
// One thing a person does with it, and what they should see.
using Step = std::function<void(Desktop &)>;
Q_DECLARE_METATYPE(Step)

class TestCompanion : public Driver
{
    Q_OBJECT

    // the desktop's notification service, on the session bus when there is one
    Recorder recorder;
    // what the tray and the notification say on Saint George's day
    const QString georgios = "Σήμερα γιορτάζουν: Γιώργος Παπαδόπουλος, Γεώργιος, Γιώργος";

    // The shown window of this title, waited for five seconds at the most:
    // one the system made no window for (Wine's, on a prefix still being set
    // up) is not shown.
    static QWidget *window(const QString &title)
    {
        QWidget *shown = nullptr;
        (void)QTest::qWaitFor([&] {
            for (QWidget *open : QApplication::topLevelWidgets())
                if (open->isVisible() && open->windowTitle() == title && open->windowHandle()->handle())
                    shown = open;
            return shown;
        });
        return shown;
    }
    static QString status(Desktop &d) { return part<QLabel>(d.companion, "statusLabel")->text(); }
    // From the feast window to the companion window, with the contacts file
    // chosen before.
    void open(Desktop &desktop)
    {
        desktop.main = window("Εορτολόγιο");
        QVERIFY2(desktop.main, "the window did not show, or the system made no window for it");
        press(desktop.main, "Οι επαφές μου…");
        desktop.companion = window("Ονομαστικές εορτές");
        QVERIFY2(desktop.companion, "the companion did not show");
        desktop.contacts = part<QTreeWidget>(desktop.companion, "contactsView");
        QCOMPARE(desktop.contacts->topLevelItem(0)->text(1), "Γιώργος Παπαδόπουλος");
        english << withoutGreek(desktop.companion);
    }

private slots:
    // clang-format off
    void companionAndReminder_data()
    {
        QTest::addColumn<Step>("step");
        QTest::newRow("the notification, once a day, clicked") << Step([this](Desktop &d) {
            if (!recorder.connected)
                return unchecked << "a D-Bus session", void();
            // one at the start: tomorrow's contact the day before (first, with no
            // notification of another start yet to come)
            QTRY_COMPARE(recorder.bodies.size(), 1);
            QVERIFY2(recorder.bodies[0].endsWith("\nΑύριο: Γιώργος Παπαδόπουλος"), qPrintable(recorder.bodies[0]));
            // a minute later, or the contacts file written again: nothing new that day
            setToday(now);
            QFile file(saveTo);
            QVERIFY(file.open(QIODevice::Append) && file.write("\r\n"));
            file.close();
            QTest::qWait(3 * ContactBook::settleTime);
            setToday(now.addDays(1));
            QTRY_COMPARE(recorder.bodies.size(), 2);
            QVERIFY2(recorder.bodies[1].startsWith(georgios), qPrintable(recorder.bodies[1]));
            d.companion->close();
            recorder.click(2);
            QTRY_VERIFY(d.companion->isVisible());
        });
        QTest::newRow("minimized, it comes back when asked for") << Step([](Desktop &d) {
            d.companion->showMinimized();
            press(d.main, "Οι επαφές μου…");
            QVERIFY(!d.companion->isMinimized());
        });
        QTest::newRow("started again, the running one shows the window asked for") << Step([](Desktop &d) {
            d.companion->close();
            QProcess second;
            second.start(EORTOLOGIO_PROGRAM, {"--companion"});
            // a first start in a new Wine prefix may take long
            QTRY_VERIFY_WITH_TIMEOUT(d.companion->isVisible(), 60000);
#ifdef Q_OS_WIN
            // Under Wine, in a new prefix, the second program has at times
            // not ended within 20 s of telling the first; said, not failed.
            if (!second.waitForFinished(20000))
                qWarning("the second start has not ended");
#else
            QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 20000);
            QCOMPARE(second.exitCode(), 0);
#endif
        });
        QTest::newRow("the file chosen again, a greeting copied") << Step([this](Desktop &d) {
            seen.clear();
            // The file chosen before; without one, an existing folder (no
            // missing downloads folder as a file's name).
            press(d.companion, "Επαφές…");
            QCOMPARE(offered, "επαφές.vcf");
            setting::contactsFile.set({});
            QVERIFY(put(qEnvironmentVariable("XDG_CONFIG_HOME") + "/user-dirs.dirs", "XDG_DOWNLOAD_DIR=\"$HOME/missing\"\n"));
            press(d.companion, "Επαφές…");
            QCOMPARE(offered, "");
            QVERIFY(seen.contains("QFileDialog"));
            QCOMPARE(status(d), "Διαβάστηκε 1 επαφή από το " + quoted(QDir::toNativeSeparators(saveTo)) + ".");
            d.contacts->setCurrentItem(d.contacts->topLevelItem(0));
            press(d.companion, "Αντιγραφή ευχής");
            QCOMPARE(status(d), "Αντιγράφηκε η ευχή: Χρόνια πολλά, Γιώργο!");
            // and with Return
            QApplication::clipboard()->clear();
            QTest::keyClick(d.contacts, Qt::Key_Return);
            QCOMPARE(QApplication::clipboard()->text(), "Χρόνια πολλά, Γιώργο!");
            QVERIFY(part<QLabel>(d.companion, "tomorrowLabel")->text()
                        .startsWith("Αύριο γιορτάζουν: Γιώργος Παπαδόπουλος, Γεώργιος, Γιώργος"));
            // read again at the next start
            QVERIFY(!ContactBook().contacts().isEmpty());
            // every contact, with the next name day and all of them in the year
            QTabBar *tabs = part<QTabWidget>(d.companion, "contactTabs")->tabBar();
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
            QCOMPARE(tabs->tabText(1).remove('&'), "Όλες οι επαφές");
            auto *list = part<QTreeWidget>(d.companion, "allContactsView");
            QTreeWidgetItem *all = list->topLevelItem(0);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(all).center());
            QCOMPARE(QStringList({all->text(0), all->text(1), all->text(5)}).join(" | "),
                "23/4/2026 | Γιώργος Παπαδόπουλος | 23/4, 3/11");
            // its menu, as in the other list
            QVERIFY(shown<QAction>(list, "Γιορτάζει άλλη ημέρα…"));
        });
        QTest::newRow("the days ahead, a week and a month") << Step([](Desktop &d) {
            // On Saint Demetrius's day: from the next day to 30 days ahead,
            // each day named on its side of the week's end («Τις επόμενες 7
            // ημέρες» 27/10 to 2/11, «Έως τις 30 ημέρες» 3/11 to 25/11).
            setToday(QDate(2026, 10, 26));
            for (QTreeWidgetItemIterator row(part<QTreeWidget>(d.companion, "daysView")); *row; ++row) {
                // A heading spans its row; a day's names and commemoration,
                // hovered, show the whole row.
                const QTreeWidgetItem *day = *row;
                QCOMPARE(day->isFirstColumnSpanned(), day->text(1).isEmpty());
                QCOMPARE(day->toolTip(2), day->toolTip(3));
                QVERIFY(day->toolTip(3).contains(day->text(3)));
            }
            QVERIFY(looksAsBefore(d.companion, "b053cb5a5223"));
            // a name's days in the next twelve months; a name not in the table
            auto *view = part<QTreeWidget>(d.companion, "daysView");
            auto *search = part<QLineEdit>(d.companion, "searchEdit");
            search->setText("Γιώργ");
            // and the contacts of that name first: «Οι επαφές σας (1)», 3/11/2026,
            // «Στους δώδεκα μήνες από σήμερα», 3/11/2026, 3/5/2027
            QVERIFY(looksAsBefore(d.companion, "38e2eebb8a0e"));
            // a contact by a part of the surname, typed in Latin letters
            search->setText("papad");
            QCOMPARE(view->topLevelItem(0)->text(0) + " " + view->topLevelItem(1)->text(2),
                "Οι επαφές σας (1) Γιώργος Παπαδόπουλος");
        });
        QTest::newRow("the contacts' days to iCalendar") << Step([this](Desktop &d) {
            const QString contactsFile = std::exchange(saveTo, QFileInfo(saveTo).path() + "/επαφές.ics");
            press(d.companion, "Υπενθύμιση στις 09:00 στο ημερολόγιο");
            press(d.companion, "Εξαγωγή σε iCalendar…");
            const QString calendar = std::exchange(saveTo, contactsFile);
            // this year and the next four, 23 April and 3 November
            const QByteArray events = got(calendar);
            QCOMPARE(events.count("SUMMARY:Γιορτάζει ο Γιώργος"), 10);
            QCOMPARE(events.count("DESCRIPTION:Χρόνια πολλά\\, Γιώργο!"), 10);
            QCOMPARE(events.count("TRIGGER:PT9H"), 10);
            // kept for the next start
            QVERIFY(setting::reminderAlarm.value());
            QCOMPARE(status(d), "Οι γιορτές των επαφών σας για τα έτη 2026–2030 γράφτηκαν στο "
                    + quoted(QDir::toNativeSeparators(calendar)) + ".");
        });
        QTest::newRow("started with the session, then not") << Step([this](Desktop &d) {
            QAbstractButton *session = shown<QCheckBox>(d.companion, "Έναρξη μαζί με τον υπολογιστή");
            session->click();
            QVERIFY2(autostart().endsWith("\" --tray"), qPrintable(autostart()));
            QVERIFY2(autostart().contains("tst_companion"), qPrintable(autostart()));
            session->click();
            QCOMPARE(autostart(), "");
            QCOMPARE(boxes, QStringList());
        });
        QTest::newRow("the file spoilt, the contacts kept") << Step([this](Desktop &d) {
            QVERIFY(put(saveTo, "\x89PNG"));
            QTRY_COMPARE(part<QLabel>(d.companion, "fileLabel")->text().section(": ", 1),
                "γραμμή 1: αναμενόταν BEGIN:VCARD.");
            QCOMPARE(d.contacts->topLevelItem(0)->text(1), "Γιώργος Παπαδόπουλος");
        });
        QTest::newRow("past midnight, both windows with the one clock") << Step([](Desktop &d) {
            setToday(now.addDays(1));
            QTRY_VERIFY(part<QLabel>(d.companion, "todayLabel")->text()
                            .startsWith("Σήμερα, Πέμπτη 23 Απριλίου 2026, γιορτάζουν: Γιώργος"));
            QVERIFY(part<QLabel>(d.main, "todayLabel")->property("fullText").toString()
                        .startsWith("Σήμερα γιορτάζουν: Γεώργιος"));
            QVERIFY(d.contacts->topLevelItem(0)->font(1).bold());
        });
        QTest::newRow("the tray: a click opens it, a right click the menu") << Step([this](Desktop &d) {
            QSystemTrayIcon *tray = qApp->findChild<Reminder *>()->trayIcon();
            if (!tray)
                return unchecked << "a tray", void();
            setToday(now.addDays(1));
            QVERIFY2(tray->toolTip().startsWith(georgios), qPrintable(tray->toolTip()));
            for (QSystemTrayIcon::ActivationReason click : {QSystemTrayIcon::Trigger, QSystemTrayIcon::Context}) {
                d.companion->close();
                emit tray->activated(click);
                QCOMPARE(d.companion->isVisible(), click == QSystemTrayIcon::Trigger);
            }
            shown<QAction>(tray->contextMenu(), "Ονομαστικές εορτές")->trigger();
            QVERIFY(d.companion->isVisible());
            d.main->close();
            shown<QAction>(tray->contextMenu(), "Εορτολόγιο")->trigger();
            QVERIFY(d.main->isVisible());
            // days on, the 23rd's wish gone from the menu and none in its place
            setToday(now.addDays(1)), setToday(now.addDays(1));
            QCOMPARE(tray->contextMenu()->actions()[0]->text(), "Ονομαστικές εορτές");
        });
        QTest::newRow("a month without a contact's name day") << Step([](Desktop &d) {
            setToday(QDate(2026, 6, 1));
            QTRY_COMPARE(d.contacts->topLevelItem(0)->text(0),
                "Καμία από τις επαφές σας δεν γιορτάζει τις επόμενες 30 ημέρες.");
        });
    }
    // clang-format on
    void companionAndReminder()
    {
        QFETCH(Step, step);
        form.reset();
        settings().clear();
        recorder.bodies.clear();
        // A run given a tray waits for it, a few seconds at the most.
        if (qEnvironmentVariableIsSet("EORTOLOGIO_TEST_TRAY"))
            QTRY_VERIFY2_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), "no tray came", 10000);
        // on a desktop's platform too
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QTemporaryDir folder;
        saveTo = folder.filePath("επαφές.vcf");
        QVERIFY(put(saveTo,
            "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Παπαδόπουλος;Γιώργος;;;\r\nFN:Γιώργος Παπαδόπουλος\r\nEND:VCARD\r\n"));
        setting::contactsFile.set(saveTo);
        setToday(QDate(2026, 4, 22));
        // a socket left by a program that crashed
        if (instanceName().contains('/'))
            QVERIFY(QFile(instanceName()).open(QIODevice::WriteOnly));
        QTimer::singleShot(0, this, [&] {
            Desktop desktop;
            open(desktop);
            if (!QTest::currentTestFailed())
                step(desktop);
            // Its windows close as it returns; quit() would close them first,
            // and never return on a platform that lost them.
            QApplication::exit();
        });
        runDesktop({"eortologio"});
        saveTo.clear();
        if (!unchecked.isEmpty())
            QSKIP(qPrintable("without " + std::exchange(unchecked, {}).join(" and ") + ", not checked"));
    }
    // The companion's size kept; a start that finds another program in the
    // tray returns at once; one asked for the companion opens it alone.
    void startsAsAsked()
    {
        form.reset();
        menus.clear(), seen.clear(), suggested.clear();
        ContactBook book;
        auto companion = std::make_unique<Companion>(&book);
        companion->resize(701, 502);
        // quit with it open: its size is kept
        companion.reset();
        QCOMPARE(Companion(&book).size(), QSize(701, 502));
        // as another program in the tray holds it
        QLockFile held(trayLockName());
        QVERIFY(held.tryLock(0));
        QTimer opened;
        connect(&opened, &QTimer::timeout, qApp, [] { QApplication::exit(); });
        opened.start(0);
        // returns at once, nothing opened
        runDesktop({"eortologio", "--tray"});
        QVERIFY(opened.isActive());
        opened.stop();
        // The companion opened on its own.
        QStringList titles;
        QTimer::singleShot(0, this, [&] {
            for (const QWidget *open : QApplication::topLevelWidgets())
                titles << (open->isVisible() ? open->windowTitle() : QString());
        });
        opened.start(0);
        runDesktop({"eortologio", "--companion"});
        QCOMPARE(titles.join(""), "Ονομαστικές εορτές");
        if (!unchecked.isEmpty())
            QSKIP(qPrintable("without " + std::exchange(unchecked, {}).join(" and ") + ", not all was checked"));
    }
    // The month at a glance, from the companion, moved by the keyboard: a
    // day's whole list below the grid, the holidays of the country chosen.
    void monthAtAGlance()
    {
        QTemporaryDir folder;
        QVERIFY(put(folder.filePath("επαφές.vcf"), "BEGIN:VCARD\nFN:Γιώργος Π.\nEND:VCARD\n"));
        ContactBook book;
        book.open(folder.filePath("επαφές.vcf"));
        setToday(QDate(2026, 4, 22));
        Companion companion(&book);
        companion.show();
        press(&companion, "Μήνας…");
        QWidget *month = companion.findChild<MonthView *>();
        QVERIFY(month->isVisible());
        QTableWidget *grid = part<QTableWidget>(month, "monthGrid");
        const auto read = [&] {
            return part<QLabel>(month, "monthLabel")->text() + " | "
                + QTextDocumentFragment::fromHtml(part<QLabel>(month, "dayLabel")->text())
                      .toPlainText()
                      .replace('\n', " | ")
                + " | " + QTextDocumentFragment::fromHtml(grid->currentItem()->text()).toPlainText().section(' ', 0, 0);
        };
        const auto key = [&](Qt::Key k) { return QTest::keyClick(grid, k), read(); };
        QCOMPARE(key(Qt::Key_Right),
            "Απρίλιος 2026 | Πέμπτη 23 Απριλίου 2026 | Κατάλυση εις πάντα | Οι επαφές σας: Γιώργος Π. | "
            "Αγίου Γεωργίου του Τροπαιοφόρου | Γιορτάζουν: Γεώργιος, Γιώργος, Γεωργία, Γιωργία | 23");
        QCOMPARE(key(Qt::Key_Up).section(" | ", 0, 2), "Απρίλιος 2026 | Πέμπτη 16 Απριλίου 2026 | Κατάλυση εις πάντα");
        key(Qt::Key_Down), key(Qt::Key_Down), key(Qt::Key_Left);
        QCOMPARE(key(Qt::Key_PageDown).section(" | ", 0, 2), "Μάιος 2026 | Παρασκευή 29 Μαΐου 2026 | Νηστεία");
        const QString back = key(Qt::Key_PageUp);
        QCOMPARE(back.section(" | ", 0, 1), "Απρίλιος 2026 | Τετάρτη 29 Απριλίου 2026");
        // the chosen cell on the grid's fifth row
        QCOMPARE(back.section(" | ", -1), "29");
        press(month, "◀"), press(month, "▶"), press(month, "▶");
        QCOMPARE(read().section(" | ", 0, 1), "Μάιος 2026 | Παρασκευή 29 Μαΐου 2026");
        key(Qt::Key_Home);
        // 1 April, a holiday in Cyprus: in its list and red in the grid once chosen
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(0, 2)).center());
        QCOMPARE(read().section(" | ", 1, 2), "Τετάρτη 1 Απριλίου 2026 | Νηστεία");
        qobject_cast<QComboBox *>(shown<QLabel>(&companion, "Αργίες:")->buddy())->setCurrentIndex(1);
        QCOMPARE(read().section(" | ", 1, 2), "Τετάρτη 1 Απριλίου 2026 | Αργία: Εθνική Επέτειος της 1ης Απριλίου");
        QVERIFY(grid->item(0, 2)->text().contains("color:#c00000"));
#ifndef Q_OS_WIN // as a person last looked at it, with Debian's fonts
        const QImage look = month->grab().toImage();
        QCOMPARE(digest({look.constBits(), look.sizeInBytes()}), "6f3d2b30a64a");
        // The shown year's wall calendar, without a printer to a PDF; to a
        // folder's name, an error.
        for (const QString &name : {folder.filePath("τοίχος.pdf"), folder.path()}) {
            fill = [&](QDialog *print) { print->findChild<QLineEdit *>("filename")->setText(name), print->accept(); };
            press(&companion, "Εκτύπωση ημερολογίου τοίχου…");
        }
        // without a printer, a PDF in A4 landscape (842 points wide)
        QVERIFY(QPrinterInfo::availablePrinters().size()
            || (got(folder.filePath("τοίχος.pdf")).contains("MediaBox [0 0 842")
                && boxes == QStringList {"Το ημερολόγιο τοίχου δεν τυπώθηκε: ο εκτυπωτής ή το αρχείο δεν ανοίγει."}));
#endif
        english << withoutGreek(month);
        // the first and last days shown stay chosen
        for (const auto &[end, away] :
            {std::pair(QDate(1, 1, 1), Qt::Key_Left), {QDate(9999, 12, 31), Qt::Key_Right}}) {
            setToday(end), key(Qt::Key_Home), key(away);
            QCOMPARE(grid->currentItem()->data(Qt::UserRole).toDate(), end);
        }
        settings().clear();
    }
    // Choices made from a contact's menu in the companion window, as the
    // command line reads them back: a shared nickname's name, a name for one
    // the table lacks, one of a name's days, a day of one's own, a contact
    // left out, and a name of one's own.
    void choicesByHand()
    {
        QTemporaryDir folder;
        QFile file(folder.filePath("επαφές.vcf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (const char *name : {"Βούλα Κ.", "Τάκης Π.", "Νίκος Ν.\nEMAIL:nikos@example.org", "Ξυλούρης Ζ.",
                 "Σπύρος Σ.", "Κέβιν Κ.", "Ιζαμπέλ Ι.\nBDAY:--1201"})
            file.write(QByteArray("BEGIN:VCARD\nFN:") + name + "\nEND:VCARD\n");
        // named by what it has
        file.write("BEGIN:VCARD\nEMAIL:maria@example.com\nEND:VCARD\n");
        file.close();
        ContactBook book;
        book.open(file.fileName());
        setToday(QDate(2026, 11, 20));
        Companion companion(&book);
        auto *contacts = part<QTreeWidget>(&companion, "contactsView");
        const auto choose = [&](const QString &who, const QString &what) {
            contacts->setCurrentItem(contacts->findItems(who, Qt::MatchExactly, 1).value(0));
            const QList<QAction *> actions = contacts->actions();
            const auto action
                = std::find_if(actions.begin(), actions.end(), [&](QAction *a) { return a->text() == what; });
            QVERIFY2(action != actions.end(), qPrintable(who + ": " + what));
            (*action)->trigger();
        };
        choose("Βούλα Κ.", "Γιορτάζει ως Σταυρούλα");
        fill = [](QDialog *name) { name->findChild<QLineEdit *>()->setText("Θεόδωρος"), reply(name, true); };
        choose("Τάκης Π.", "Γιορτάζει με άλλο όνομα…");
        choose("Νίκος Ν.", "Γιορτάζει: Τρίτη της Διακαινησίμου, Αγίων Ραφαήλ, Νικολάου και Ειρήνης των εν Λέσβω");
        fill = [](QDialog *day) { day->findChild<QDateEdit *>()->setDate(QDate(2000, 1, 1)), reply(day, true); };
        choose("Ξυλούρης Ζ.", "Γιορτάζει άλλη ημέρα…");
        choose("Σπύρος Σ.", "Να μη φαίνεται στη λίστα");
        // under «Εκτός λίστας», to bring back
        QCOMPARE(contacts->findItems("Σπύρος Σ.", Qt::MatchExactly, 1).size(), 1);
        choose("Ιζαμπέλ Ι.", "Χωρίς τα γενέθλια");
        fill = [](QDialog *own) {
            own->findChild<QLineEdit *>()->setText("Κέβιν");
            own->findChild<QDateEdit *>()->setDate(QDate(2000, 10, 10)), reply(own, true);
        };
        press(&companion, "Δικό σας όνομα…");
        QCOMPARE(boxes, QStringList());
        QVERIFY(runCommandLine(
                    {"eortologio", "--contacts", file.fileName(), "--year", "2026", "--csv", folder.filePath("a.csv")})
            == 0);
        QStringList rows = QString(got(folder.filePath("a.csv"))).split("\r\n", Qt::SkipEmptyParts).mid(1);
        rows.replaceInStrings(QRegularExpression("^\\d+,|,[^,]*$"), "");
        QCOMPARE(rows,
            QStringList({"2026-01-01,Πέμπτη,Ξυλούρης Ζ.,,\"Χρόνια πολλά, Ξυλούρη!\"",
                "2026-02-08,Κυριακή,Τάκης Π.,Θεόδωρος,\"Χρόνια πολλά, Τάκη!\"",
                "2026-02-17,Τρίτη,Τάκης Π.,Θεόδωρος,\"Χρόνια πολλά, Τάκη!\"",
                "2026-02-28,Σάββατο,Τάκης Π.,Θεόδωρος,\"Χρόνια πολλά, Τάκη!\"",
                "2026-06-08,Δευτέρα,Τάκης Π.,Θεόδωρος,\"Χρόνια πολλά, Τάκη!\"",
                "2026-09-14,Δευτέρα,Βούλα Κ.,Σταυρούλα,\"Χρόνια πολλά, Βούλα!\"",
                "2026-10-10,Σάββατο,Κέβιν Κ.,Κέβιν,\"Χρόνια πολλά, Κέβιν!\"",
                "2026-12-06,Κυριακή,Νίκος Ν.,Νικόλαος,\"Χρόνια πολλά, Νίκο!\""}));
        // All the contacts by their next day, or by their days, that of one without any last.
        auto *all = part<QTreeWidget>(&companion, "allContactsView");
        // by name at first; the nickname's name chosen, her menu asks no more
        all->setCurrentItem(all->topLevelItem(0));
        QCOMPARE(all->currentItem()->text(1), "Βούλα Κ.");
        for (const int column : {0, 5}) {
            all->sortByColumn(column, Qt::AscendingOrder);
            QStringList next;
            for (QTreeWidgetItemIterator row(all); *row; ++row)
                next << (*row)->text(0) + " " + (*row)->text(1);
            QCOMPARE(next.join(", "),
                "6/12/2026 Νίκος Ν., 1/1/2027 Ξυλούρης Ζ., 8/2/2027 Τάκης Π., 14/9/2027 Βούλα Κ., "
                "10/10/2027 Κέβιν Κ.,  Ιζαμπέλ Ι.,  Σπύρος Σ.,  χωρίς όνομα: maria@example.com, γραμμή 24");
        }
        // the greeting sent with the mail program
        QDesktopServices::setUrlHandler("mailto", this, "mailTo");
        choose("Νίκος Ν.", "Αποστολή με e-mail");
        QDesktopServices::unsetUrlHandler("mailto");
        QCOMPARE(mailed.toString(QUrl::FullyDecoded),
            "mailto:nikos@example.org?subject=Χρόνια πολλά!&body=Χρόνια πολλά, Νίκο!");
        // by birthday
        all->sortByColumn(4, Qt::AscendingOrder);
        // and, among the days, a contact searched for with her next day
        part<QLineEdit>(&companion, "searchEdit")->setText("Βούλα");
        QVERIFY(looksAsBefore(&companion, "4e322ffd1d9e"));
        // undone, the contact as in the file
        choose("Νίκος Ν.", "Όπως στο αρχείο επαφών");
        QCOMPARE(contactChoices().size(), 5);
        // a contact gone from the file: the choice kept, unused
        QVERIFY(put(file.fileName(), "BEGIN:VCARD\nFN:Νίκος Ν.\nEND:VCARD\n"));
        book.open(file.fileName());
        // the five unused, by name
        QVERIFY(looksAsBefore(&companion, "8d431ee9206a"));
        choose("Βούλα Κ.", "Διαγραφή της επιλογής");
        QCOMPARE(contactChoices().size(), 4);
        // gone from the list too
        QVERIFY(contacts->findItems("Βούλα Κ.", Qt::MatchExactly, 1).isEmpty());
        // the options kept, shown as kept in a new window: each the other way
        // from its start, Cyprus's holidays
        for (const char *option :
            {"Ειδοποίηση κάθε πρωί", "Και χωρίς επαφές", "Γενέθλια", "Υπενθύμιση στις 09:00 στο ημερολόγιο"})
            shown<QCheckBox>(&companion, option)->click();
        part<QComboBox>(&companion, "countryBox")->setCurrentText("Κύπρος");
        QVERIFY(looksAsBefore(std::make_unique<Companion>(&book).get(), "4938a6089207"));
        settings().clear();
        setOwnNames({});
        seen.clear();
    }
};

QTEST_MAIN(TestCompanion)
#include "tst_companion.moc"
