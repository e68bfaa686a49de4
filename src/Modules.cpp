#include "Modules.h"

#include "ModuleInterfaces.h"
#include "Output.h"

#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// A module's file: beside the program in the build tree and on Windows, else
// in its own folder under the libraries, where it is installed. The program's
// folder is read from the system: no application exists yet when the windows
// are asked for.
QString modulePath(const QString &name)
{
#ifdef Q_OS_WIN
    wchar_t program[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    const QString folder = QString::fromWCharArray(program, int(length)).replace(u'\\', u'/').section(u'/', 0, -2);
    return folder + u'/' + name + QStringLiteral(".dll");
#else
    const QString folder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -2);
    const QString beside = folder + u'/' + name + QStringLiteral(".so");
    return QFileInfo::exists(beside)
        ? beside
        : folder + QStringLiteral("/" EORTOLOGIO_MODULE_DIR "/") + name + QStringLiteral(".so");
#endif
}

// A module's interface, loaded once and kept; null, with the reason in Greek,
// when the module is missing, does not load, or is of another version.
template <typename Interface> Interface *module(const QString &name, QString *reason)
{
    static const QString file = modulePath(name);
    static QPluginLoader loader(file); // never unloaded
    if (auto *loaded = qobject_cast<Interface *>(loader.instance()))
        return loaded;
    const QString path = QDir::toNativeSeparators(QDir::cleanPath(file));
    if (!QFileInfo::exists(path))
        *reason = QStringLiteral("Λείπει το αρχείο «%1» του προγράμματος.").arg(path);
    else if (loader.isLoaded())
        *reason = QStringLiteral("Το αρχείο «%1» του προγράμματος είναι άλλης έκδοσης.").arg(path);
    else
        *reason
            = QStringLiteral("Το αρχείο «%1» του προγράμματος δεν φορτώνεται (%2).").arg(path, loader.errorString());
    return nullptr;
}

WindowModule *windowModule(QString *reason)
{
    return module<WindowModule>(QStringLiteral("eortologio-window"), reason);
}

QByteArray document(const Document &made, const QString &what, const QString &reason)
{
    if (!reason.isEmpty())
        throw Exception(QStringLiteral("%1 δεν φτιάχτηκε. %2").arg(what, reason));
    if (!made.failure.isEmpty())
        throw Exception(made.failure);
    return made.bytes;
}

} // namespace

int runWindowModule(int &argc, char **argv)
{
    QString reason;
    if (WindowModule *windows = windowModule(&reason))
        return windows->runWindows(argc, argv);
    reason = QStringLiteral("Το παράθυρο του Εορτολογίου δεν ανοίγει. ") + reason;
#ifdef Q_OS_WIN
    // A program started from the Start menu has no console to say it in.
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(reason.utf16()), L"Εορτολόγιο", MB_ICONERROR | MB_OK);
#endif
    writeStandardError(QStringLiteral("eortologio: %1\n").arg(reason));
    return 1;
}

QCoreApplication *startGuiApplication(int &argc, char **argv)
{
    QString reason;
    WindowModule *windows = windowModule(&reason);
    return windows ? windows->startApplication(argc, argv) : nullptr;
}

void endGuiApplication()
{
    QString reason;
    if (WindowModule *windows = windowModule(&reason))
        windows->endApplication();
}

QByteArray pdfFromModule(const QString &caption, const QList<FeastRow> &rows)
{
    QString reason;
    WindowModule *windows = windowModule(&reason);
    return document(windows ? windows->pdf(caption, rows) : Document(), QStringLiteral("Το PDF"), reason);
}

QByteArray wallCalendarFromModule(int year, const QString &country)
{
    QString reason;
    WindowModule *windows = windowModule(&reason);
    return document(
        windows ? windows->wallCalendar(year, country) : Document(), QStringLiteral("Το ημερολόγιο τοίχου"), reason);
}

QByteArray xlsxFromModule(const QString &caption, const QList<FeastRow> &rows)
{
    QString reason;
    WorkbookModule *workbook = module<WorkbookModule>(QStringLiteral("eortologio-xlsx"), &reason);
    return document(workbook ? workbook->xlsx(caption, rows) : Document(), QStringLiteral("Το βιβλίο Excel"), reason);
}
