#include "Modules.h"

#include "Output.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <map>
#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// A module's file: on Windows beside the program, where the system looks
// first; elsewhere beside the program in the build tree, else in its own
// folder under the libraries, where it is installed.
QString modulePath(const QString &name)
{
#ifdef Q_OS_WIN
    return name;
#else
    const QString folder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -2);
    const QString beside = folder + u'/' + name + QStringLiteral(".so");
    return QFileInfo::exists(beside)
        ? beside
        : folder + QStringLiteral("/" EORTOLOGIO_MODULE_DIR "/") + name + QStringLiteral(".so");
#endif
}

// A function of a module, which stays loaded; null, with the reason, when the
// module or the function is not there.
QFunctionPointer moduleFunction(const QString &module, const char *name, QString *reason = nullptr)
{
    static std::map<QString, std::unique_ptr<QLibrary>> loaded; // deleted at exit, never unloaded
    std::unique_ptr<QLibrary> &library = loaded[module];
    if (!library)
        library = std::make_unique<QLibrary>(modulePath(module));
    if (!library->isLoaded() && !library->load()) {
        const QString path = QDir::toNativeSeparators(QDir::cleanPath(library->fileName()));
        if (reason)
            *reason = QFileInfo::exists(path) ? QStringLiteral("Το αρχείο «%1» του προγράμματος δεν φορτώνεται (%2).")
                                                    .arg(path, library->errorString())
                                              : QStringLiteral("Λείπει το αρχείο «%1» του προγράμματος.").arg(path);
        return nullptr;
    }
    const QFunctionPointer function = library->resolve(name);
    if (!function && reason)
        *reason = QStringLiteral("Το αρχείο «%1» του προγράμματος είναι άλλης έκδοσης.").arg(library->fileName());
    return function;
}

QByteArray documentFromModule(
    const QString &module, const char *name, const QString &what, const QString &caption, const QList<FeastRow> &rows)
{
    QString failure;
    const auto make = reinterpret_cast<DocumentFunction>(moduleFunction(module, name, &failure));
    QByteArray bytes;
    if (make)
        make(&caption, &rows, &bytes, &failure);
    if (!failure.isEmpty())
        throw Exception(make ? failure : QStringLiteral("%1 δεν φτιάχτηκε. %2").arg(what, failure));
    return bytes;
}

} // namespace

int runWindowModule(int &argc, char **argv)
{
    QString reason;
    const QString module = QStringLiteral("eortologio-window");
    if (const auto window
        = reinterpret_cast<int (*)(int *, char **)>(moduleFunction(module, "eortologioWindow", &reason)))
        return window(&argc, argv);
    reason = QStringLiteral("Το παράθυρο του Εορτολογίου δεν ανοίγει. ") + reason;
#ifdef Q_OS_WIN
    // A program started from the Start menu has no console to say it in.
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(reason.utf16()), L"Εορτολόγιο", MB_ICONERROR | MB_OK);
#endif
    writeStandardError(QStringLiteral("eortologio: %1\n").arg(reason));
    return 1;
}

QCoreApplication *makeGuiApplication(int &argc, char **argv)
{
    const auto make = reinterpret_cast<QCoreApplication *(*)(int *, char **)>(
        moduleFunction(QStringLiteral("eortologio-window"), "eortologioGuiApplication"));
    return make ? make(&argc, argv) : nullptr;
}

QByteArray pdfFromModule(const QString &caption, const QList<FeastRow> &rows)
{
    return documentFromModule(
        QStringLiteral("eortologio-window"), "eortologioPdf", QStringLiteral("Το PDF"), caption, rows);
}

QByteArray xlsxFromModule(const QString &caption, const QList<FeastRow> &rows)
{
    return documentFromModule(
        QStringLiteral("eortologio-xlsx"), "eortologioXlsx", QStringLiteral("Το βιβλίο Excel"), caption, rows);
}
