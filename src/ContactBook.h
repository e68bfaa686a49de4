#pragma once

#include "Choices.h"
#include "Contacts.h"
#include "CoreExport.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

// The person's contacts, matched to the name-day table: read from the file the
// settings remember at start, again whenever the file changes, and from a new
// file when one is chosen. A file that does not read leaves the contacts as
// they were.
class EORTOLOGIO_CORE ContactBook : public QObject
{
    Q_OBJECT

public:
    static constexpr int settleTime = 300; // ms after the file's last change
    explicit ContactBook(QObject *parent = nullptr);

    const QList<MatchedContact> &contacts() const { return matched; }
    QString fileName() const;
    // Why the remembered file last failed to read, in Greek; empty once it read.
    const QString &error() const { return problem; }
    // The Greek code page the file was taken to be in, when it names none.
    const QString &codePage() const { return assumed; }

    // Reads the file and remembers it; raises Exception when it does not read.
    void open(const QString &path);

    // Keeps a choice made for a contact and matches the contacts again.
    void choose(const Contact &contact, const ContactChoice &choice);
    // The keys of the choices kept for contacts no longer in the file.
    QStringList unused() const { return unusedChoices(read, contactChoices()); }
    // Matches the contacts again, after the person's own names changed.
    void rematch();

signals:
    void changed();

private:
    void reload();
    void watch(const QString &file);

    QList<Contact> read;
    QList<MatchedContact> matched;
    QString problem;
    QString assumed;
    QFileSystemWatcher watcher;
    QTimer settle;
};
