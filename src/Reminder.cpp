#include "Reminder.h"

#include "DayClock.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QSystemTrayIcon>
#ifdef EORTOLOGIO_DBUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#endif

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
