#include "Desktop.h"

#include "Companion.h"
#include "Reminder.h"
#include "Unit1.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QSystemTrayIcon>

#include <memory>

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
    if (!running.waitForConnected(5000))
        return false;
    running.write(request + '\n');
    const bool told = running.waitForBytesWritten(5000);
    running.abort(); // written: nothing more to wait for
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
    if (first && QLocalServer::removeServer(instanceName()) && !server.listen(instanceName())) {
        // Where the user's own access cannot be set, the runtime folder's
        // (or on Windows the pipe's default, which lets only this user write) serves.
        server.setSocketOptions(QLocalServer::NoOptions);
        server.listen(instanceName());
    }
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
