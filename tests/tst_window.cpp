// Drives the window as a person does: types a year, presses Return or clicks a
// button, answers the error boxes and dialogs, and reads what the views, the
// menus and every dialog show. Each test fails on a text shown without Greek.

#include "CommandLine.h"
#include "Companion.h"
#include "Desktop.h"
#include "FeastExport.h"
#include "Reminder.h"
#include "Unit1.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLabel>
#include <QLockFile>
#include <QMenu>
#include <QMessageBox>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QScrollBar>
#include <QSystemTrayIcon>
#include <QTabBar>
#include <QTextDocumentFragment>
#include <QtTest>
#ifdef EORTOLOGIO_DBUS
#include <QtDBus>

// The desktop's notification service, as the program sees it on the session
// bus: it records what it is sent.
class Recorder : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "recorder");
    bool connected = bus.registerService("org.freedesktop.Notifications")
        && bus.registerObject("/org/freedesktop/Notifications", this, QDBusConnection::ExportAllSlots);
    QStringList bodies;

    // A notification clicked: what the service tells its sender.
    void click(uint id)
    {
        bus.send(QDBusMessage::createSignal(
                     "/org/freedesktop/Notifications", "org.freedesktop.Notifications", "ActionInvoked")
            << id << QString("default"));
    }

public slots:
    uint Notify(const QString &, uint, const QString &, const QString &, const QString &body, const QStringList &,
        const QVariantMap &, int)
    {
        bodies << body;
        return bodies.size();
    }
};
#else
struct Recorder
{
    bool connected = false;
    QStringList bodies;
    void click(uint) { }
};
#endif

// number, date, day, feast (or "names | commemoration")
using Rows = QList<QStringList>;

// the program's clock
static QDate now;

// The clock moved to this day, and looked at, as a minute after midnight.
static void setToday(QDate day)
{
    now = day;
    DayClock::source = [] { return now; };
    DayClock::instance().look();
}

static QDate dateOf(const QStringList &row)
{
    return QDate::fromString(row[1], "d/M/yyyy");
}

static Rows renumbered(Rows rows)
{
    for (int i = 0; i < rows.size(); ++i)
        rows[i][0] = QString::number(i + 1);
    return rows;
}

// The button or action that shows this caption (a button without one by its tooltip).
template <typename T> static T *shown(QWidget *window, const QString &caption)
{
    for (T *item : window->findChildren<T *>())
        if (QString(item->text()).remove(QRegularExpression("&(?!&)")) == caption || item->toolTip() == caption)
            return item;
    return nullptr;
}

// The texts of a window that hold no Greek: its title, and the text, title,
// tooltip, actions, list entries and headings of what it shows. Paper
// sizes, paths, formats, units and key names may stay Latin.
static QStringList withoutGreek(QWidget *window)
{
    QStringList texts = {window->windowTitle()};
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (QWidget *widget : widgets << window) {
        if (!widget->isVisible())
            continue;
        texts << widget->toolTip() << widget->property("title").toString();
        // what is typed in a box is the user's
        if (!qobject_cast<QLineEdit *>(widget))
            texts << widget->property("text").toString();
        for (const QAction *action : widget->actions())
            texts << action->text() << action->toolTip();
        if (auto *box = qobject_cast<QComboBox *>(widget))
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
        if (auto *header = qobject_cast<QHeaderView *>(widget))
            for (int i = 0; i < header->count(); ++i)
                texts << header->model()->headerData(i, header->orientation()).toString();
    }
    for (int id = 0; id <= QPageSize::LastPageSize; ++id)
        texts.removeAll(QPageSize(QPageSize::PageSizeId(id)).name());
    const QRegularExpression latin("[A-Za-z]{2}"),
        allowed("PDF|CSV|Excel|iCalendar|\\.(ics|csv|xlsx|pdf)|Ctrl|Shift|Alt|"
                "\\d ?(mm|in|pt)\\b|(\\w:)?[/\\\\]\\S*|\\p{Greek}.*");
    return texts.filter(latin).replaceInStrings(allowed, {}).filter(latin);
}

class TestWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TForm1> form;
    // the error boxes answered, "markup" for one that would read it
    QStringList boxes;
    // the actions of the menus that opened
    QStringList menus;
    // the kinds of menus and dialogs that opened
    QStringList seen;
    // texts shown without Greek, after their window's kind
    QStringList english;
    // the file name given to file dialogs
    QString saveTo;
    // the file names they suggested
    QStringList suggested;
    // a step is on its way
    bool busy = false;
    // fills a dialog in, instead of cancelling it
    std::function<void(QDialog *)> fill;
    // menus and dialogs that would not close when answered, given up on
    QStringList stuck;
    // what the desktop lacked, and the scenario could not check
    QStringList unchecked;
    QTimer answer;
    QTemporaryDir config;
    // what the mail program was opened with
    QUrl mailed;

    // The command the session starts the program with, empty when none.
    static QString autostart()
    {
#ifdef Q_OS_WIN
        return QSettings(
            "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run", QSettings::NativeFormat)
            .value("Eortologio")
            .toString();
#else
        QFile entry(qEnvironmentVariable("XDG_CONFIG_HOME") + "/autostart/eortologio.desktop");
        return entry.open(QIODevice::ReadOnly) ? QString(entry.readAll()).section("Exec=", 1).section('\n', 0, 0)
                                               : QString();
#endif
    }
    template <typename T = QWidget> static T *part(QWidget *window, const char *name)
    {
        return window->findChild<T *>(name);
    }

    // From the feast window's fifth view to the companion window; contacts
    // chosen from a file, a greeting copied, the file spoilt; starting with
    // the session, on and off; the tray; the notification, once a day.
    void drive(Recorder &recorder)
    {
        // The shown window of this title, waited for five seconds at the most:
        // one the system made no window for (Wine's, on a prefix still being
        // set up) is not shown.
        const auto window = [](const QString &title) {
            QWidget *shown = nullptr;
            (void)QTest::qWaitFor([&] {
                for (QWidget *open : QApplication::topLevelWidgets())
                    if (open->isVisible() && open->windowTitle() == title && open->windowHandle()->handle())
                        shown = open;
                return shown;
            });
            return shown;
        };
        QWidget *main = window("Εορτολόγιο");
        QVERIFY2(main, "the window did not show, or the system made no window for it");
        QTest::mouseClick(shown<QPushButton>(main, "Οι επαφές μου…"), Qt::LeftButton);
        QWidget *companion = window("Ονομαστικές εορτές");
        QVERIFY2(companion, "the companion did not show");
        // Minimized and asked for again, it comes back.
        companion->showMinimized();
        QTest::mouseClick(shown<QPushButton>(main, "Οι επαφές μου…"), Qt::LeftButton);
        QVERIFY(!companion->isMinimized());
        // Started again, the program has the running one show the window asked for, and ends.
        companion->close();
        QProcess second;
        second.start(EORTOLOGIO_PROGRAM, {"--companion"});
        QTRY_VERIFY_WITH_TIMEOUT(companion->isVisible(), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 20000);
        QCOMPARE(second.exitCode(), 0);
        QTest::mouseClick(shown<QPushButton>(companion, "Επαφές…"), Qt::LeftButton);
        QVERIFY2(stuck.isEmpty(), "the contacts file's dialog did not close");
        auto *contacts = part<QTreeWidget>(companion, "contactsView");
        QCOMPARE(contacts->topLevelItem(0)->text(1) + ", " + contacts->topLevelItem(0)->text(3),
            "Γιώργος Παπαδόπουλος, Χρόνια πολλά, Γιώργο!");
        contacts->setCurrentItem(contacts->topLevelItem(0));
        QTest::mouseClick(shown<QPushButton>(companion, "Αντιγραφή ευχής"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), "Χρόνια πολλά, Γιώργο!");
        // read again at the next start
        QVERIFY(!ContactBook().contacts().isEmpty());
        QVERIFY(part<QLabel>(companion, "tomorrowLabel")
                    ->text()
                    .startsWith("Αύριο γιορτάζουν: Γιώργος Παπαδόπουλος, Γεώργιος, Γιώργος"));
        english << withoutGreek(companion);
        // the days ahead, in two parts
        QStringList headings;
        for (QTreeWidgetItemIterator row(part<QTreeWidget>(companion, "daysView")); *row; ++row) {
            // A heading spans its row; a day's names and commemoration, hovered, show the whole row.
            const QTreeWidgetItem *day = *row;
            QCOMPARE(day->isFirstColumnSpanned(), day->text(1).isEmpty());
            QVERIFY(day->text(1).isEmpty()
                || (day->toolTip(2) == day->toolTip(3) && day->toolTip(3).contains(day->text(3))));
            headings << (day->isFirstColumnSpanned() ? day->text(0) : day->text(0).section('/', 0, 0));
        }
        QCOMPARE(headings.join(' '),
            "Τις επόμενες 7 ημέρες 23 25 26 28 Έως τις 30 ημέρες 30 1 2 3 5 6 7 8 9 10 10 11 12 13 15 20 21");
        part<QLineEdit>(companion, "searchEdit")->setText("Ζζζ");
        QCOMPARE(part<QTreeWidget>(companion, "daysView")->topLevelItem(0)->text(0),
            "Κανένα όνομα του εορτολογίου δεν αρχίζει από «Ζζζ».");
        part<QLineEdit>(companion, "searchEdit")->clear();
        const QString contactsFile = std::exchange(saveTo, QFileInfo(saveTo).path() + "/επαφές.ics");
        QTest::mouseClick(shown<QPushButton>(companion, "Εξαγωγή σε iCalendar…"), Qt::LeftButton);
        QFile calendar(std::exchange(saveTo, contactsFile));
        QVERIFY(calendar.open(QIODevice::ReadOnly));
        // this year and the next four, 23 April and 3 November
        const QByteArray events = calendar.readAll();
        QCOMPARE(events.count("SUMMARY:Γιορτάζει ο Γιώργος"), 10);
        QCOMPARE(events.count("DESCRIPTION:Χρόνια πολλά\\, Γιώργο!"), 10);
        QAbstractButton *session = shown<QCheckBox>(companion, "Έναρξη μαζί με τον υπολογιστή");
        session->click();
        QVERIFY2(autostart().endsWith("\" --tray") && autostart().contains("tst_window"), qPrintable(autostart()));
        session->click();
        QCOMPARE(autostart(), "");
        // both without an error
        QCOMPARE(boxes, QStringList());
        // every name known: no heading of unknown ones; the contact among all, at the next day
        QCOMPARE(
            contacts->topLevelItem(contacts->topLevelItemCount() - 2)->text(0), "Όλες οι επαφές που γιορτάζουν (1)");
        QCOMPARE(contacts->topLevelItem(contacts->topLevelItemCount() - 1)->text(0), "23/4/2026");
        QFile file(saveTo);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\x89PNG");
        file.close();
        QTRY_COMPARE(
            part<QLabel>(companion, "fileLabel")->text().section(": ", 1), "γραμμή 1: αναμενόταν BEGIN:VCARD.");
        QCOMPARE(contacts->topLevelItem(0)->text(1), "Γιώργος Παπαδόπουλος");
        auto *reminder = qApp->findChild<Reminder *>();
        // a minute later: nothing new that day
        setToday(now);
        // woken after midnight
        setToday(now.addDays(1));
        QTRY_VERIFY(part<QLabel>(companion, "todayLabel")
                        ->text()
                        .startsWith("Σήμερα, Πέμπτη 23 Απριλίου 2026, γιορτάζουν: Γιώργος"));
        // the main window with it, from the one clock
        QVERIFY(part<QLabel>(main, "todayLabel")
                    ->property("fullText")
                    .toString()
                    .startsWith("Σήμερα γιορτάζουν: Γεώργιος"));
        // today's
        QVERIFY(contacts->topLevelItem(0)->font(1).bold());
        const QString georgios = "Σήμερα γιορτάζουν: Γιώργος Παπαδόπουλος, Γεώργιος, Γιώργος";
        if (QSystemTrayIcon *tray = reminder->trayIcon()) {
            QVERIFY2(tray->toolTip().startsWith(georgios), qPrintable(tray->toolTip()));
            for (QSystemTrayIcon::ActivationReason click : {QSystemTrayIcon::Trigger, QSystemTrayIcon::Context}) {
                companion->close();
                // a click opens it, a right click the menu
                emit tray->activated(click);
                QCOMPARE(companion->isVisible(), click == QSystemTrayIcon::Trigger);
            }
            shown<QAction>(tray->contextMenu(), "Ονομαστικές εορτές")->trigger();
            QVERIFY(companion->isVisible());
        } else {
            unchecked << "a tray";
        }
#ifdef EORTOLOGIO_DBUS
        if (!recorder.connected)
            unchecked << "a D-Bus session";
#endif
        if (recorder.connected) {
            QTRY_COMPARE(recorder.bodies.size(), 2);
            // none at the start, before the contacts: tomorrow's contact the day before
            QVERIFY2(recorder.bodies[0].endsWith("\nΑύριο: Γιώργος Παπαδόπουλος"), qPrintable(recorder.bodies[0]));
            QVERIFY2(recorder.bodies[1].startsWith(georgios), qPrintable(recorder.bodies[1]));
            // clicked, it opens the companion window
            companion->close();
            recorder.click(2);
            QTRY_VERIFY(companion->isVisible());
        }
        // a month without a contact's name day
        setToday(QDate(2026, 6, 1));
        QTRY_COMPARE(
            contacts->topLevelItem(0)->text(0), "Καμία από τις επαφές σας δεν γιορτάζει τις επόμενες 30 ημέρες.");
    }

    template <typename T = QWidget> T *child(const char *name)
    {
        return form->findChild<T *>(name);
    }
    void typeYear(const QString &year)
    {
        child<QLineEdit>("yearEdit")->setText(year);
    }
    void click(const QString &caption)
    {
        QTest::mouseClick(shown<QAbstractButton>(form.get(), caption), Qt::LeftButton);
    }
    QDate picked()
    {
        return child<QDateEdit>("easterDateTimePicker")->date();
    }
    Rows rows(const char *view)
    {
        Rows rows;
        for (const FeastRow &row : feastRows(child<QTreeWidget>(view)))
            rows << QStringList {row.number, row.dateText, row.day,
                row.names.isEmpty() ? row.feast : row.names + " | " + row.commemoration};
        return rows;
    }
    void openTab(const QString &caption)
    {
        QTabBar *tabs = child<QTabWidget>("PageControl")->tabBar();
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabText(i) == caption)
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
    }
    // What a person reads of a label: its text, and its tooltip when the text is cut short.
    QString label(const char *name)
    {
        const QLabel *label = child<QLabel>(name);
        return label->text() + (label->text().endsWith(u'…') ? label->toolTip() : QString());
    }
    // The rows that show in bold, by their date.
    QStringList bold(const char *view)
    {
        QStringList dates;
        for (QTreeWidgetItem *row : child<QTreeWidget>(view)->findItems("*", Qt::MatchWildcard))
            if (row->font(3).bold())
                dates << row->text(1);
        return dates;
    }
    void search(const QString &text)
    {
        QApplication::setActiveWindow(form.get());
        QTest::keyClick(form->windowHandle(), Qt::Key_F, Qt::ControlModifier);
        // typed as a Greek keyboard sends it
        for (const QChar letter : text)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, letter, {});
    }
    QList<Rows> views()
    {
        return {rows("varListView"), rows("constListView"), rows("allListView"), rows("generalListView")};
    }

    // A file name suggested, after "…/" when not in the folder saved to.
    void suggest(const QString &path)
    {
        const QFileInfo file(path);
        suggested << (saveTo.isEmpty() || file.path() == QFileInfo(saveTo).path() ? "" : "…/") + file.fileName();
    }

    // Runs the next step once the current one is over: it may open a dialog.
    void later(QObject *context, const std::function<void()> &next)
    {
        busy = true;
        QTimer::singleShot(0, context, [this, next] { busy = false, next(); });
    }
    // Reads whatever menu or dialog is open and answers it, one step at a time.
    void answerOpen()
    {
        QWidget *open = QApplication::activePopupWidget();
        open = open ? open : QApplication::activeModalWidget();
        if (!open || busy)
            return;
        const int step = open->property("step").toInt();
        open->setProperty("step", step + 1);
        // Answered for ten seconds and still open: the platform lost it (as
        // Wine does on a prefix still being set up). Hidden, the test goes on
        // and fails, rather than answering it until the test's time runs out.
        const qint64 since = step ? open->property("since").toLongLong() : QDateTime::currentMSecsSinceEpoch();
        open->setProperty("since", since);
        if (QDateTime::currentMSecsSinceEpoch() - since > 10000)
            return stuck << QString("%1 «%2», %3 steps")
                                .arg(open->metaObject()->className(), open->windowTitle())
                                .arg(step),
                   open->hide();
        const QString kind = open->metaObject()->className();
        if (step == 0)
            seen << kind;
        for (const QString &text : withoutGreek(open))
            english << kind + ": " + text;
        if (auto *menu = qobject_cast<QMenu *>(open)) {
            for (const QAction *action : menu->actions())
                menus << action->text() + (action->isEnabled() ? "" : " (off)");
            menu->close();
        } else if (auto *box = qobject_cast<QMessageBox *>(open)) {
            QAbstractButton *ok = box->button(QMessageBox::Ok);
            if (ok)
                boxes << (box->textFormat() == Qt::PlainText ? box->text() : "markup");
            // Yes replaces the file
            (ok ? ok : box->button(QMessageBox::Yes))->click();
        } else if (auto *files = qobject_cast<QFileDialog *>(open)) {
            // In the folder to save to, the menu of the first file once listed
            // (or of none, in a while); then the name, typed.
            auto *list = files->findChild<QTreeView *>("treeView");
            const QModelIndex first = list->model()->index(0, 0, list->rootIndex());
            if (step == 0) {
                suggest(files->selectedFiles().value(0));
                if (saveTo.isEmpty())
                    return files->reject();
                files->setViewMode(QFileDialog::Detail);
                files->setDirectory(QFileInfo(saveTo).path());
                // listed, or an empty folder
            } else if (step < 99 && (first.isValid() || step > 50)) {
                open->setProperty("step", 99);
                later(list, [list, first] { emit list->customContextMenuRequested(list->visualRect(first).center()); });
            } else if (step >= 99) {
                files->findChild<QLineEdit *>("fileNameEdit")->setText(saveTo);
                later(files, [files] { static_cast<QDialog *>(files)->accept(); });
            }
        } else if (auto *preview = qobject_cast<QPrintPreviewDialog *>(open)) {
            QAction *next = step < 2 ? shown<QAction>(preview, step ? "Εκτύπωση" : "Διαμόρφωση σελίδας") : nullptr;
            if (next)
                later(preview, [next] { next->trigger(); });
            // a step later: the dialog that printed has just closed
            else if (step > 2)
                seen << "open", preview->reject();
        } else if (auto *dialog = qobject_cast<QDialog *>(open)) {
            // printed to a file, under what name
            if (auto *print = qobject_cast<QPrintDialog *>(open); print && !step)
                suggest(print->printer()->outputFileName());
            if (fill && !step)
                return std::exchange(fill, nullptr)(dialog);
            dialog->reject();
        }
    }

public slots:
    void mailTo(const QUrl &url)
    {
        mailed = url;
    }

private slots:
    void initTestCase()
    {
        // the settings and the autostart entry
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        settings().clear();
        QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
        connect(&answer, &QTimer::timeout, this, &TestWindow::answerOpen);
        answer.start(0);
    }
    void init()
    {
        start(QDate(2025, 8, 15));
    }
    void companionAndReminder()
    {
        form.reset();
        // A run given a tray waits for it, a few seconds at the most.
        if (qEnvironmentVariableIsSet("EORTOLOGIO_TEST_TRAY"))
            QTRY_VERIFY2_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), "no tray came", 10000);
        // on a desktop's platform too
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QTemporaryDir folder;
        saveTo = folder.filePath("επαφές.vcf");
        QFile file(saveTo);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Παπαδόπουλος;Γιώργος;;;\r\nFN:Γιώργος Παπαδόπουλος\r\nEND:VCARD\r\n");
        file.close();
        setToday(QDate(2026, 4, 22));
        // a socket left by a program that crashed
        if (instanceName().contains('/'))
            QVERIFY(QFile(instanceName()).open(QIODevice::WriteOnly));
        Recorder recorder;
        QTimer::singleShot(0, this, [&] {
            drive(recorder);
            // Its windows close as it returns; quit() would close them first,
            // and never return on a platform that lost them.
            QApplication::exit();
        });
        runDesktop({"eortologio"});
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
        fill = [](QDialog *name) { name->findChild<QLineEdit *>()->setText("Παναγιώτης"), name->accept(); };
        choose("Τάκης Π.", "Γιορτάζει με άλλο όνομα…");
        choose("Νίκος Ν.", "Γιορτάζει: Τρίτη της Διακαινησίμου, Αγίων Ραφαήλ, Νικολάου και Ειρήνης των εν Λέσβω");
        fill = [](QDialog *day) { day->findChild<QDateEdit *>()->setDate(QDate(2000, 3, 7)), day->accept(); };
        choose("Ξυλούρης Ζ.", "Γιορτάζει άλλη ημέρα…");
        choose("Σπύρος Σ.", "Να μη φαίνεται στη λίστα");
        QCOMPARE(
            contacts->findItems("Σπύρος Σ.", Qt::MatchExactly, 1).size(), 1); // under «Εκτός λίστας», to bring back
        choose("Ιζαμπέλ Ι.", "Χωρίς τα γενέθλια");
        fill = [](QDialog *own) {
            own->findChild<QLineEdit *>()->setText("Κέβιν");
            own->findChild<QDateEdit *>()->setDate(QDate(2000, 10, 10)), own->accept();
        };
        QTest::mouseClick(shown<QPushButton>(&companion, "Δικό σας όνομα…"), Qt::LeftButton);
        QCOMPARE(boxes, QStringList());
        QVERIFY(runCommandLine(
                    {"eortologio", "--contacts", file.fileName(), "--year", "2026", "--csv", folder.filePath("a.csv")})
            == 0);
        QFile csv(folder.filePath("a.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QStringList rows = QString(csv.readAll()).split("\r\n", Qt::SkipEmptyParts).mid(1);
        rows.replaceInStrings(QRegularExpression("^\\d+,|,[^,]*$"), "");
        QCOMPARE(rows,
            QStringList({"2026-03-07,Σάββατο,Ξυλούρης Ζ.,,\"Χρόνια πολλά, Ξυλούρη!\"",
                "2026-08-15,Σάββατο,Τάκης Π.,Παναγιώτης,\"Χρόνια πολλά, Τάκη!\"",
                "2026-09-14,Δευτέρα,Βούλα Κ.,Σταυρούλα,\"Χρόνια πολλά, Βούλα!\"",
                "2026-10-10,Σάββατο,Κέβιν Κ.,Κέβιν,\"Χρόνια πολλά, Κέβιν!\"",
                "2026-12-06,Κυριακή,Νίκος Ν.,Νικόλαος,\"Χρόνια πολλά, Νίκο!\""}));
        // the greeting sent with the mail program
        QDesktopServices::setUrlHandler("mailto", this, "mailTo");
        choose("Νίκος Ν.", "Αποστολή με e-mail");
        QDesktopServices::unsetUrlHandler("mailto");
        QCOMPARE(mailed.path() + " " + QUrlQuery(mailed).queryItemValue("body", QUrl::FullyDecoded),
            "nikos@example.org Χρόνια πολλά, Νίκο!");
        // undone, the contact as in the file
        choose("Νίκος Ν.", "Όπως στο αρχείο επαφών");
        QCOMPARE(contactChoices().size(), 5);
        // a contact gone from the file: the choice kept, unused
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            && file.write("BEGIN:VCARD\nFN:Νίκος Ν.\nEND:VCARD\n"));
        file.close();
        book.open(file.fileName());
        QCOMPARE(contacts->findItems("Βούλα Κ.", Qt::MatchExactly, 1).value(0)->text(2), "δεν χρησιμοποιείται");
        choose("Βούλα Κ.", "Διαγραφή της επιλογής");
        QCOMPARE(contactChoices().size(), 4);
        // the options kept, shown as kept in a new window
        setting::reminderEveryone.set(true);
        setting::birthdays.set(false);
        Companion again(&book);
        QCOMPARE(shown<QCheckBox>(&again, "Και χωρίς επαφές")->isChecked(), true);
        QCOMPARE(shown<QCheckBox>(&again, "Γενέθλια")->isChecked(), false);
        settings().clear();
        setOwnNames({});
        seen.clear();
    }
    // the window, opened on the day
    void start(QDate day)
    {
        setToday(day);
        form = std::make_unique<TForm1>();
        form->show();
        boxes.clear();
    }
    void cleanup()
    {
        QVERIFY2(stuck.isEmpty(), qPrintable("still open: " + std::exchange(stuck, {}).join(", ")));
        english.removeDuplicates();
        QVERIFY2(english.isEmpty(), qPrintable(english.join(u'\n')));
    }

    void startsAsDesigned()
    {
        // The window keeps its place on the 800 x 800 offscreen screen, and goes
        // to the top left of one too small for it (400 x 400 at scale 2).
        QCOMPARE(form->pos(), form->screen()->size().width() < 604 ? QPoint(0, 0) : QPoint(186, 107));
        QCOMPARE(child<QDateEdit>("easterDateTimePicker")->calendarWidget()->firstDayOfWeek(),
            QLocale::system().firstDayOfWeek());
        // F4 and Alt+Down open the calendar; Escape closes it, the date unchanged.
        for (const auto [key, modifier] : {std::pair {Qt::Key_F4, Qt::NoModifier}, {Qt::Key_Down, Qt::AltModifier}}) {
            QTest::keyClick(child("easterDateTimePicker"), key, modifier);
            QVERIFY(QApplication::activePopupWidget());
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
            QVERIFY(!QApplication::activePopupWidget());
        }
        const QDate before = picked();
        // other keys, and Alt alone, still reach the picker
        QTest::keyClick(child("easterDateTimePicker"), Qt::Key_Up, Qt::AltModifier);
        QVERIFY(picked() != before);
        // With the year box empty the movable feasts are dated from the picker.
        click("Κινητές");
        QCOMPARE(dateOf(rows("varListView").first()), picked().addDays(-70));
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
        QVERIFY(var.size() == 21 && fixed.size() == 8 && renumbered(var) == var && renumbered(fixed) == fixed);
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

    // A view's menu from the keyboard, disabled while the view is empty, and
    // Ctrl+C; the menus of the year box and the picker; a right click that
    // leaves the view in place; a CSV export that replaces a file and equals
    // the command line's; the print preview with its page setup and printing.
    void menusAndDialogs()
    {
        auto *view = child<QTreeWidget>("varListView");
        child<QTabWidget>("PageControl")->setCurrentIndex(1);
        for (const bool filled : {false, true}) {
            if (filled)
                click("Κινητές");
            QApplication::setActiveWindow(form.get());
            view->setFocus();
            QTest::keyClick(form->windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
        }
        QCOMPARE(menus.size(), 12);
        QCOMPARE(menus.filter(" (off)").size(), 6);
        // nothing selected: every row
        QTest::keySequence(form->windowHandle(), QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text().count(u'\n'), view->topLevelItemCount());
        view->topLevelItem(2)->setSelected(true);
        view->topLevelItem(4)->setSelected(true);
        QTest::keySequence(form->windowHandle(), QKeySequence::Copy);
        const Rows var = rows("varListView");
        QCOMPARE(QGuiApplication::clipboard()->text(), var[2].join(u'\t') + u'\n' + var[4].join(u'\t') + u'\n');
        // other keys still move in the view
        QTest::keyClick(view, Qt::Key_End);
        QCOMPARE(view->currentIndex().row(), var.size() - 1);

        for (QWidget *box : {child("yearEdit"), child("easterDateTimePicker")}) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 5}, {5, 5});
            QCoreApplication::sendEvent(box, &event);
        }
        const QRect feast = view->visualRect(view->model()->index(5, 3)) & view->viewport()->rect();
        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, feast.center());
        QTest::qWait(QApplication::doubleClickInterval() + 200);
        QCOMPARE(view->horizontalScrollBar()->value(), 0);

        // "γιορτές" is saved as γιορτές.csv, after the question whether to replace it.
        const QTemporaryDir folder;
        QFile(folder.filePath("γιορτές.csv")).open(QIODevice::WriteOnly);
        saveTo = folder.filePath("γιορτές");
        typeYear("2024");
        click("Υπολογισμός Πάσχα");
        click("Αυξουσα");
        view = child<QTreeWidget>("generalListView");
        shown<QAction>(view, "Εξαγωγή σε CSV…")->trigger();
        shown<QAction>(view, "Εξαγωγή σε Excel (.xlsx)…")->trigger();
        QFile book(saveTo + ".xlsx");
        // a zip, as .xlsx is
        QVERIFY(book.open(QIODevice::ReadOnly) && book.read(4) == "PK\3\4");
        openTab("Όλες οι γιορτές");
        QApplication::setActiveWindow(form.get());
        view->setFocus();
        // «Εκτύπωση…»
        QTest::keyClick(form->windowHandle(), Qt::Key_P, Qt::ControlModifier);
        // the same bytes
        QCOMPARE(runCommandLine({{}, "--year=2024", "--csv", saveTo + ".cli"}), 0);
        QFile window(saveTo + ".csv"), cli(saveTo + ".cli"), names(saveTo + ".names");
        QVERIFY(window.open(QIODevice::ReadOnly) && cli.open(QIODevice::ReadOnly));
        QCOMPARE(window.readAll(), cli.readAll());
        // and the name days
        QCOMPARE(runCommandLine({{}, "--year=2024", "--names", "--csv", names.fileName()}), 0);
        QVERIFY(names.open(QIODevice::ReadOnly));
        QCOMPARE(names.readAll(), toCsv("Ονομαστικές", feastRows(child<QTreeWidget>("namesListView"))));
        seen.removeDuplicates();
        QCOMPARE(seen.join(u' '),
            u"QMenu QFileDialog QMessageBox QPrintPreviewDialog"
#ifndef Q_OS_WIN // where it is the system's; cancelled there, which leaves the preview open
            " QPrintDialog open"
#endif
        );
        // With no printer the preview prints to a PDF; on Windows its print button saves one.
        const bool pdf = QPrinterInfo::availablePrinters().isEmpty();
        QCOMPARE(suggested.join(u' '),
            QString("…/eortologio-2024.csv eortologio-2024.xlsx ") + (pdf ? "eortologio-2024.pdf" : ""));
        // the name days with an alarm at 09:00 of each day
        saveTo = folder.filePath("ονομαστικές.ics");
        shown<QAction>(child<QTreeWidget>("namesListView"), "Εξαγωγή σε ημερολόγιο με υπενθύμιση στις 09:00 (.ics)…")
            ->trigger();
        QFile calendar(saveTo);
        QVERIFY(calendar.open(QIODevice::ReadOnly));
        QCOMPARE(calendar.readAll().count("TRIGGER:PT9H"), rows("namesListView").size());
    }

    // From the start: this year's name days from this year's Easter, today's
    // row in view and in bold, the names in a column of their own that shows
    // them whole, who celebrates today in their everyday names, and tomorrow.
    void nameDaysFromTheStart()
    {
        openTab("Ονομαστικές");
        auto *view = child<QTreeWidget>("namesListView");
        const Rows all = rows("namesListView");
        QCOMPARE(all.size(), NameDayTable::builtIn().commemorations().size());
        QCOMPARE(all.first()[1], "1/1/2025");
        // Easter 20 April
        QVERIFY(all.contains({"79", "27/4/2025", "Κυριακή", "Θωμάς, Θωμαΐς | Κυριακή του Θωμά"}));
        QCOMPARE(bold("namesListView"), QStringList {"15/8/2025"});
        const QTreeWidgetItem *today = view->findItems("15/8/2025", Qt::MatchExactly, 1).value(0);
        QVERIFY(today->toolTip(3).contains("Κοίμησις της Υπεραγίας Θεοτόκου (Μαρία, Μαίρη"));
        QTRY_VERIFY(view->visualItemRect(today).top() >= 0
            && view->visualItemRect(today).bottom() < view->viewport()->height());
        for (const char *name : {"Σήμερα γιορτάζουν: Μαρία", "Παναγιώτα", "Γιώτα"})
            QVERIFY(label("todayLabel").contains(name));
        QVERIFY(label("tomorrowLabel").startsWith("Αύριο γιορτάζουν: "));
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
        QCOMPARE(bold("namesListView"), year.isEmpty() ? QStringList {now.toString("d/M/yyyy")} : QStringList());
        QCOMPARE(dateOf(rows("namesListView").first()).year(), year.isEmpty() ? now.year() : year.toInt());
        // and at the next new year too
        if (year.isEmpty() && now.dayOfYear() == 1) {
            setToday(now.addYears(1));
            QTRY_COMPARE(dateOf(rows("namesListView").first()).year(), now.year());
        }
    }

    // A date picked by hand dates the movable feasts and the name days counted
    // from Easter alike.
    void pickedByHand()
    {
        child<QDateEdit>("easterDateTimePicker")->setDate(QDate(2030, 5, 5));
        click("Κινητές");
        int same = 0;
        for (const QStringList &name : rows("namesListView"))
            for (const QStringList &feast : rows("varListView"))
                if (feast[3].startsWith(name[3].section(" | ", 1) + " (") && ++same)
                    QCOMPARE(name[1], feast[1]);
        QVERIFY(same >= 2);
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
        QTest::newRow("base") << "Γεώργιος" << "^γεωργιοσ(?! \\()" << "onomastiki-eorti-georgios-2025.csv";
        QTest::newRow("full name") << "Γιώργος Παπαδόπουλος" << "γεωργιοσ \\(γιωργοσ\\)" << "onomastiki-eorti-georgios-2025.csv";
        QTest::newRow("double name") << "Άννα Μαρία" << "αννα|μαρια" << "onomastikes-eortes-anna-maria-2025.csv";
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
        for (const QStringList &row : found)
            QVERIFY2(foldGreek(row[3]).contains(QRegularExpression(shown)), qPrintable(row[3]));
        // the file dialog closed once it suggests a name
        saveTo.clear(), this->suggested.clear();
        ::shown<QAction>(child("namesListView"), "Εξαγωγή σε CSV…")->trigger();
        QCOMPARE(this->suggested.join(u' '), suggested);
        // the filter holds for the new rows
        click("Υπολογισμός Πάσχα");
        QCOMPARE(rows("namesListView"), found);
        QApplication::setActiveWindow(form.get());
        child("namesListView")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(rows("namesListView"), all);
    }

    // An Easter on the picker's first or last day is within its bounds.
    void easterOnThePickersBounds()
    {
        child<QDateEdit>("easterDateTimePicker")->setDateRange(QDate(2025, 4, 20), QDate(2025, 4, 20));
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
            {"20\u200F25", "Το «20U+200F25» δεν είναι ακέραιος αριθμός."},
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
            child<QDateEdit>("easterDateTimePicker")->setMaximumDate(QDate(2025, 1, 1));
        typeYear(year);
        click(button);
        QCOMPARE(boxes, QStringList {message});
        QCOMPARE(picked(), QDate(2024, 5, 5));
        QCOMPARE(views(), before);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
