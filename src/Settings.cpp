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
