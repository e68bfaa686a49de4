#pragma once

// What the window tests share: a driver that uses the program as a person
// does, types a year, presses Return or clicks a button by its caption,
// answers the error boxes and dialogs, and reads what the views, the menus
// and every dialog show. Each test fails on a text shown without Greek.

#include "CommandLine.h"
#include "Companion.h"
#include "Desktop.h"
#include "FeastExport.h"
#include "MonthView.h"
#include "Reminder.h"
#include "Unit1.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QDialogButtonBox>
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
#include <QTableWidget>
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

// A file of these bytes, written anew.
static bool put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What a file holds; nothing when it cannot be read.
static QByteArray got(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A dialog answered by its own button, OK or Cancel, as a person does.
static void reply(QDialog *dialog, bool ok)
{
    auto *box = dialog->findChild<QDialogButtonBox *>(QString(), Qt::FindDirectChildrenOnly);
    QAbstractButton *button = box ? box->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel) : nullptr;
    button ? button->click() : dialog->done(ok);
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

// The first twelve hexadecimal digits of the bytes' SHA-1: what a person
// last saw, in a line of a test.
static QByteArray digest(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(12);
}

// Whether all a window's labels, lists (their rows' texts, tooltips, bold,
// flags, and their columns' widths), tables, buttons, boxes and actions say
// and allow what they did when a person last read them: the digest of that
// text. When not, the text is printed to read again. Windows' fonts give
// other widths.
static bool looksAsBefore(QWidget *window, const QByteArray &expected)
{
    QStringList texts;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        // what each shows and allows: labels, buttons, boxes, the year or day typed
        for (const char *name :
            {"text", "toolTip", "accessibleName", "plainText", "currentText", "checked", "date", "enabled", "visible"})
            texts << widget->property(name).toString();
        if (auto *tree = qobject_cast<QTreeWidget *>(widget))
            for (QTreeWidgetItemIterator row(tree); *row; ++row)
                for (int c = 0; c < tree->columnCount(); ++c)
                    texts << QString("%1|%2|%3|%4|%5")
                                 .arg((*row)->text(c), (*row)->toolTip(c))
                                 .arg((*row)->font(c).bold())
                                 .arg(tree->columnWidth(c))
                                 .arg((*row)->flags());
        if (auto *table = qobject_cast<QTableWidget *>(widget))
            for (const QTableWidgetItem *cell : table->findItems("*", Qt::MatchWildcard))
                texts << cell->text() + cell->background().color().name() + (cell == table->currentItem() ? "*" : "");
        for (const QAction *action : widget->actions())
            texts << action->text() + (action->isChecked() ? " ✓" : "") + (action->isEnabled() ? "" : " -");
    }
    // but the files' names, in temporary folders
    const QString text = texts.join('\n').replace(QRegularExpression("«/[^»]*»"), "«…»");
    const QByteArray got = digest(text.toUtf8());
#ifndef Q_OS_WIN
    if (got != expected)
        return qWarning().noquote() << got << text, false;
#endif
    return true;
}

class Driver : public QObject
{
    Q_OBJECT

protected:
    std::unique_ptr<TForm1> form;
    // the error boxes answered, "markup" for one that would read it
    QStringList boxes;
    // the actions of the menus that opened
    QStringList menus;
    // the kinds of menus and dialogs that opened
    QStringList seen;
    // texts shown without Greek, after their window's kind, or shown cut short
    QStringList english;
    // the file name given to file dialogs
    QString saveTo;
    // the file names they suggested; the name in the last one's box
    QStringList suggested;
    QString offered;
    // a step is on its way
    bool busy = false;
    // fills a dialog in, instead of cancelling it; only one of this kind, when given
    std::function<void(QDialog *)> fill;
    QString fillKind;
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

    template <typename T = QWidget> T *child(const char *name)
    {
        return form->findChild<T *>(name);
    }
    void typeYear(const QString &year)
    {
        child<QLineEdit>("yearEdit")->setText(year);
    }
    // A click on the button of this caption, in this window or the feast window.
    static void press(QWidget *window, const QString &caption)
    {
        QTest::mouseClick(shown<QAbstractButton>(window, caption), Qt::LeftButton);
    }
    void click(const QString &caption)
    {
        press(form.get(), caption);
    }
    QDateEdit *picker()
    {
        return child<QDateEdit>("easterDateTimePicker");
    }
    QDate picked()
    {
        return picker()->date();
    }
    void activate()
    {
        QApplication::setActiveWindow(form.get());
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
        activate();
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
                offered = files->findChild<QLineEdit *>("fileNameEdit")->text();
                if (saveTo.isEmpty())
                    return files->reject();
                files->setViewMode(QFileDialog::Detail);
                files->setDirectory(QFileInfo(saveTo).path());
                // listed, or an empty folder
            } else if (step < 99 && (first.isValid() || step > 50)) {
                open->setProperty("step", 99);
                later(list, [list, first] { emit list->customContextMenuRequested(list->visualRect(first).center()); });
            } else if (step >= 99) {
                // the sizes and dates whole
                for (int column = 1; column < 4; ++column)
                    if (list->header()->sectionSize(column)
                        < list->fontMetrics().horizontalAdvance(first.siblingAtColumn(column).data().toString()))
                        english << "a file dialog's column cut short";
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
            if (fill && !step && (fillKind.isEmpty() || kind == fillKind))
                return std::exchange(fill, nullptr)(dialog);
            reply(dialog, false);
        }
    }

public slots:
    void mailTo(const QUrl &url)
    {
        mailed = url;
    }

protected:
    // the window, opened on the day
    void start(QDate day)
    {
        setToday(day);
        form = std::make_unique<TForm1>();
        form->show();
        boxes.clear();
    }

private slots:
    void initTestCase()
    {
        // the settings and the autostart entry
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        settings().clear();
        QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
        // known from the start
        QCOMPARE(DayClock::instance().today(), QDate::currentDate());
        connect(&answer, &QTimer::timeout, this, &Driver::answerOpen);
        answer.start(0);
    }
    void init()
    {
        start(QDate(2025, 8, 15));
    }
    void cleanup()
    {
        QVERIFY2(stuck.isEmpty(), qPrintable("still open: " + std::exchange(stuck, {}).join(", ")));
        english.removeDuplicates();
        QVERIFY2(english.isEmpty(), qPrintable(english.join(u'\n')));
    }
};
