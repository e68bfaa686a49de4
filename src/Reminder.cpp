#include "Reminder.h"

#include "Companion.h"
#include "DayClock.h"
#include "Unit1.h"

#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QMenu>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#ifdef EORTOLOGIO_DBUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#endif

#include <memory>

namespace {

// Sends a notification to the desktop's notification service (freedesktop
// notifications over D-Bus), which shows it with or without a tray, with
// «Άνοιγμα» as the action a click takes; gives its number to sent(), or
// calls failed() when there is no service. It waits for no answer.
void notifyDesktop(
    const QString &text, QObject *context, const std::function<void(uint)> &sent, const std::function<void()> &failed)
{
#ifdef EORTOLOGIO_DBUS
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"), QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("Notify"));
    call << QStringLiteral("Εορτολόγιο") << 0u << QStringLiteral("eortologio") << QStringLiteral("Εορτολόγιο") << text
         << QStringList {QStringLiteral("default"), QStringLiteral("Άνοιγμα")} << QVariantMap() << -1;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        auto *answer = new QDBusPendingCallWatcher(bus.asyncCall(call, 5000), context);
        QObject::connect(answer, &QDBusPendingCallWatcher::finished, context, [answer, sent, failed] {
            const QDBusPendingReply<uint> reply = *answer;
            if (reply.isError())
                failed();
            else
                sent(reply.value());
            answer->deleteLater();
        });
        return;
    }
#else
    Q_UNUSED(text);
    Q_UNUSED(context);
    Q_UNUSED(sent);
#endif
    failed();
}

} // namespace

Reminder::Reminder(ContactBook *book, const std::function<void()> &openCompanion,
    const std::function<void()> &openWindow, QObject *parent)
    : QObject(parent)
    , book(book)
    , openCompanion(openCompanion)
{
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        tray = new QSystemTrayIcon(QIcon(QStringLiteral(":/icons/eortologio.png")), this);
        auto *menu = new QMenu;
        menu->addAction(QStringLiteral("Ονομαστικές εορτές"), this, openCompanion);
        menu->addAction(QStringLiteral("Εορτολόγιο"), this, openWindow);
        menu->addSeparator();
        menu->addAction(QStringLiteral("Έξοδος"), qApp, &QCoreApplication::quit);
        tray->setContextMenu(menu);
        connect(tray, &QSystemTrayIcon::activated, this, [openCompanion](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                openCompanion();
        });
        tray->show();
    }
#ifdef EORTOLOGIO_DBUS
    QDBusConnection::sessionBus().connect(QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"), QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("ActionInvoked"), this, SLOT(actionInvoked(uint, QString)));
#endif
    connect(book, &ContactBook::changed, this, &Reminder::look);
    connect(&DayClock::instance(), &DayClock::dayChanged, this, &Reminder::look);
    look();
}

Reminder::~Reminder()
{
    if (tray)
        delete tray->contextMenu();
}

void Reminder::look()
{
    const QDate day = DayClock::instance().today();
    const QString text
        = whoCelebrates(NameDayTable::builtIn(), book->contacts(), day, QStringLiteral("Σήμερα"), showBirthdays());
    if (tray) {
        tray->setToolTip(text);
        // Today's and tomorrow's contacts first in the menu, each copying its greeting.
        QMenu *menu = tray->contextMenu();
        for (QAction *old : std::as_const(wishActions))
            delete old;
        wishActions.clear();
        QAction *first = menu->actions().value(0);
        for (const Wish &wish : wishes(NameDayTable::builtIn(), book->contacts(), day, showBirthdays())) {
            auto *copy = new QAction(wish.label, menu);
            copy->setToolTip(QStringLiteral("Αντιγραφή: %1").arg(wish.greeting));
            connect(copy, &QAction::triggered, this,
                [greeting = wish.greeting] { QGuiApplication::clipboard()->setText(greeting); });
            menu->insertAction(first, copy);
            wishActions << copy;
        }
        if (!wishActions.isEmpty())
            wishActions << menu->insertSeparator(first);
    }
    if (!setting::reminderOn.value() || setting::reminderLast.value() == day.toString(Qt::ISODate))
        return;
    // A day on which no contact celebrates, today or tomorrow, is told only
    // to a person who asked for every name; it is looked at again should the
    // contacts change that day.
    const QString body = morningText(NameDayTable::builtIn(), book->contacts(), day, showBirthdays());
    if (!body.contains(u'\n') && !setting::reminderEveryone.value()) { // no one tomorrow
        bool anyone = false;
        try {
            anyone = !contactDays(NameDayTable::builtIn(), book->contacts(), day, day, showBirthdays()).isEmpty();
        } catch (const EConvertError &) { }
        if (!anyone)
            return;
    }
    setting::reminderLast.set(day.toString(Qt::ISODate));
    settings().sync();
    notify(body);
}

void Reminder::actionInvoked(uint id, const QString &)
{
    if (notified.contains(id)) // ours, clicked or «Άνοιγμα»
        openCompanion();
}

void Reminder::notify(const QString &text)
{
    notifyDesktop(
        text, this, [this](uint id) { notified << id; },
        [this, text] {
            if (tray)
                tray->showMessage(QStringLiteral("Εορτολόγιο"), text, QApplication::windowIcon());
        });
}

namespace {

// A name of the user's own, from the folder of their settings: each user, and
// each test with settings of its own, has its own tray and running program.
QString userKey()
{
    const QByteArray user = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(user, QCryptographicHash::Sha1).toHex());
}

// Asks the program already running to show what this start asks for, and
// whether it was told: not when none listens (one still starting, or one of
// an earlier version).
bool askRunning(const QByteArray &request)
{
    QLocalSocket running;
    running.connectToServer(instanceName());
    if (!running.waitForConnected(2000))
        return false;
    running.write(request + '\n');
    const bool told = running.waitForBytesWritten(2000);
    running.disconnectFromServer();
    return told;
}

} // namespace

QString trayLockName()
{
    // A folder of the user's own, which no other user can write to: one that
    // could would let anyone take the lock first, and the tray would never start.
#ifdef Q_OS_WIN
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
    return folder + QStringLiteral("/eortologio-tray-") + userKey() + QStringLiteral(".lock");
}

QString instanceName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("eortologio-") + userKey(); // a named pipe, which only this user may open
#else
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/eortologio-")
        + userKey() + QStringLiteral(".socket");
#endif
}

int runDesktop(const QStringList &arguments)
{
    const bool trayOnly = arguments.contains(u"--tray");
    // One tray icon and one notification a day: a program started while
    // another runs opens its window without them, and a second start in the
    // tray does nothing.
    QLockFile tray(trayLockName());
    tray.setStaleLockTime(0); // held as long as the program runs; one whose process is gone is taken over
    const bool first = tray.tryLock();
    // A second start has the first show its window, and ends.
    const QByteArray request = trayOnly ? "tray" : arguments.contains(u"--companion") ? "companion" : "window";
    if (!first && (askRunning(request) || trayOnly))
        return 0;
    ContactBook book;
    std::unique_ptr<TForm1> window;
    std::unique_ptr<Companion> companion;
    const auto raise = [](QWidget *shown) {
        shown->show();
        shown->setWindowState(shown->windowState() & ~Qt::WindowMinimized);
        shown->raise();
        shown->activateWindow();
    };
    const auto openCompanion = [&] {
        if (!companion)
            companion = std::make_unique<Companion>(&book);
        raise(companion.get());
    };
    const auto openWindow = [&] {
        if (!window) {
            window = std::make_unique<TForm1>();
            QObject::connect(window.get(), &TForm1::companionRequested, window.get(), openCompanion);
        }
        raise(window.get());
    };
    std::unique_ptr<Reminder> reminder;
    if (first)
        reminder = std::make_unique<Reminder>(&book, openCompanion, openWindow, qApp);
    // What a later start asks for. A socket left by a program that crashed
    // is taken over: the lock says that no other program listens.
    QLocalServer server;
    server.setSocketOptions(QLocalServer::UserAccessOption);
    if (first && QLocalServer::removeServer(instanceName()))
        server.listen(instanceName());
    QObject::connect(&server, &QLocalServer::newConnection, &server, [&] {
        while (QLocalSocket *asking = server.nextPendingConnection()) {
            const auto answer = [&, asking] {
                if (!asking->canReadLine())
                    return;
                const QByteArray asked = asking->readLine().trimmed();
                if (asked == "window")
                    openWindow();
                else if (asked == "companion" || (asked == "tray" && !reminder->trayIcon()))
                    openCompanion();
                asking->disconnectFromServer();
            };
            QObject::connect(asking, &QLocalSocket::readyRead, asking, answer);
            QObject::connect(asking, &QLocalSocket::disconnected, asking, &QObject::deleteLater);
            answer();
        }
    });
    if (trayOnly && reminder->trayIcon())
        QApplication::setQuitOnLastWindowClosed(false); // it stays in the tray
    else if (trayOnly || arguments.contains(u"--companion"))
        openCompanion();
    else
        openWindow();
    return QApplication::exec();
}
