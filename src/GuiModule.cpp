#include "GuiModule.h"

#include "Output.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// The module's file: beside the program in the build tree and on Windows,
// where the system looks in the program's folder first; in its own folder
// under the libraries once installed elsewhere.
QString modulePath()
{
#ifdef Q_OS_WIN
    return QStringLiteral("eortologio-window");
#else
    const QString folder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -2);
    const QString beside = folder + QStringLiteral("/eortologio-window.so");
    return QFileInfo::exists(beside) ? beside
                                     : folder + QStringLiteral("/" EORTOLOGIO_MODULE_DIR "/eortologio-window.so");
#endif
}

// A function of the module, loaded once; null, with the reason, when the
// module or the function is not there.
QFunctionPointer moduleFunction(const char *name, QString *reason = nullptr)
{
    static QLibrary module(modulePath());
    if (!module.isLoaded() && !module.load()) {
        const QString path = QDir::toNativeSeparators(QDir::cleanPath(module.fileName()));
        if (reason)
            *reason = QFileInfo::exists(path)
                ? QStringLiteral("Το αρχείο «%1» του προγράμματος δεν φορτώνεται (%2).").arg(path, module.errorString())
                : QStringLiteral("Λείπει το αρχείο «%1» του προγράμματος.").arg(path);
        return nullptr;
    }
    const QFunctionPointer function = module.resolve(name);
    if (!function && reason)
        *reason = QStringLiteral("Το τμήμα «%1» του προγράμματος είναι άλλης έκδοσης.").arg(module.fileName());
    return function;
}

} // namespace

int runWindowModule(int &argc, char **argv)
{
    QString reason;
    if (const auto window = reinterpret_cast<int (*)(int *, char **)>(moduleFunction("eortologioWindow", &reason)))
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
    const auto make = reinterpret_cast<QCoreApplication *(*)(int *, char **)>(moduleFunction("eortologioGuiApplication"));
    return make ? make(&argc, argv) : nullptr;
}

QByteArray pdfFromModule(const QString &caption, const QList<FeastRow> &rows)
{
    QString reason;
    const auto pdf = reinterpret_cast<void (*)(const QString *, const QList<FeastRow> *, QByteArray *)>(
        moduleFunction("eortologioPdf", &reason));
    if (!pdf)
        throw Exception(QStringLiteral("Το PDF δεν φτιάχτηκε. ") + reason);
    QByteArray bytes;
    pdf(&caption, &rows, &bytes);
    return bytes;
}
