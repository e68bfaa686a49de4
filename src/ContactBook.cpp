#include "ContactBook.h"

#include "Exceptions.h"

#include <QFileInfo>

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
        read = readContactsFile(file, &assumed);
        matched = matchContacts(NameDayTable::builtIn(), read, contactChoices());
    } catch (const Exception &e) {
        // The remembered file that no longer reads is the window's to say; a
        // new file that does not read is only this call's failure.
        if (file == fileName()) {
            problem = e.Message;
            emit changed();
        }
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
