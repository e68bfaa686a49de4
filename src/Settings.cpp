#include "Settings.h"

#include "DateUtils.h"
#include "FeastExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

#ifdef Q_OS_WIN
QSettings &runKey()
{
    static QSettings run(QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"),
        QSettings::NativeFormat);
    return run;
}
#else
QString autostartFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/autostart/eortologio.desktop");
}

// The program as a desktop entry's Exec runs it: quoted, with the quote, the
// backquote, the dollar and the backslash escaped inside the quotes, and each
// backslash escaped again as the entry's strings are.
QString execArgument(const QString &program)
{
    QString escaped;
    for (const QChar c : program)
        escaped += (QStringLiteral("\"`$\\").contains(c) ? QStringLiteral("\\") : QString()) + c;
    return QString(u'"' + escaped + u'"').replace(u'\\', QStringLiteral("\\\\"));
}
#endif

} // namespace

bool startsWithSession()
{
#ifdef Q_OS_WIN
    return runKey().contains(QStringLiteral("Eortologio"));
#else
    return QFileInfo::exists(autostartFile());
#endif
}

void setStartsWithSession(bool on)
{
    const QString program = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
#ifdef Q_OS_WIN
    if (on)
        runKey().setValue(QStringLiteral("Eortologio"), u'"' + program + QStringLiteral("\" --tray"));
    else
        runKey().remove(QStringLiteral("Eortologio"));
    runKey().sync();
    if (runKey().status() != QSettings::NoError)
        throw Exception(QStringLiteral("Η ρύθμιση έναρξης με τον υπολογιστή δεν αποθηκεύτηκε στο μητρώο των Windows."));
#else
    const QString entry = autostartFile();
    if (!on) {
        if (QFile::exists(entry) && !QFile::remove(entry))
            throw Exception(QStringLiteral("Το αρχείο %1 δεν διαγράφεται.").arg(quoted(entry)));
        return;
    }
    const QByteArray text = QStringLiteral("[Desktop Entry]\nType=Application\nName=Εορτολόγιο\n"
                                           "Comment=Ποιοι γιορτάζουν σήμερα\nExec=%1 --tray\nIcon=eortologio\n"
                                           "Terminal=false\nX-GNOME-Autostart-enabled=true\n")
                                .arg(execArgument(program))
                                .toUtf8();
    if (!QDir().mkpath(QFileInfo(entry).path()))
        throw Exception(QStringLiteral("Ο φάκελος %1 δεν φτιάχνεται.").arg(quoted(QFileInfo(entry).path())));
    saveFile(entry, text); // whole or not at all, as every file the program writes
#endif
}

ContactBook::ContactBook(QObject *parent)
    : QObject(parent)
{
    // An editor or a sync replaces the file rather than writing into it: the
    // watch is renewed each time it fires.
    useOwnNames();
    // A file written in steps (emptied, then written; written, then added
    // to) is read once, a moment after the last change, when it is whole.
    settle.setSingleShot(true);
    settle.setInterval(settleTime);
    connect(&settle, &QTimer::timeout, this, &ContactBook::reload);
    connect(&watcher, &QFileSystemWatcher::fileChanged, &settle, qOverload<>(&QTimer::start));
    connect(&watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        if (watcher.files().isEmpty()) // the file, or a folder on its way, was missing: there now?
            settle.start();
    });
    reload();
}

QString ContactBook::fileName() const
{
    return setting::contactsFile.value();
}

void ContactBook::open(const QString &path)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    try {
        read = readContactsFile(file);
        matched = matchContacts(NameDayTable::builtIn(), read, contactChoices());
    } catch (const Exception &e) {
        problem = e.Message;
        emit changed();
        throw;
    }
    problem.clear();
    setting::contactsFile.set(file);
    watch(file);
    emit changed();
}

void ContactBook::choose(const Contact &contact, const ContactChoice &choice)
{
    setContactChoice(contactKey(contact), choice);
    rematch();
}

void ContactBook::rematch()
{
    matched = matchContacts(NameDayTable::builtIn(), read, contactChoices());
    emit changed();
}

// The file, and its folder, where a file replaced or deleted and written
// again shows up.
void ContactBook::watch(const QString &file)
{
    const QStringList watched = watcher.files() + watcher.directories();
    if (!watched.isEmpty())
        watcher.removePaths(watched);
    // The nearest folder that exists: a drive not yet mounted, a folder a sync has yet to make.
    QFileInfo folder(QFileInfo(file).absolutePath());
    while (!folder.exists() && !folder.isRoot())
        folder.setFile(folder.absolutePath());
    watcher.addPath(folder.absoluteFilePath());
    if (QFileInfo::exists(file))
        watcher.addPath(file);
}

void ContactBook::reload()
{
    const QString path = fileName();
    if (path.isEmpty())
        return;
    try {
        open(path);
    } catch (const Exception &) { // kept in error(), the contacts as they were
        watch(path);
    }
}
