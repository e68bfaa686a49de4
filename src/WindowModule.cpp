// The module that draws: the windows, and the PDF for the command line. The
// program loads it when it needs one of them; these are its entry points.

#include "Application.h"
#include "Desktop.h"
#include "FeastPdf.h"

#include <QApplication>
#include <QIcon>

extern "C" {

Q_DECL_EXPORT int eortologioWindow(int *argc, char **argv)
{
    if (noDisplayForWindow(*argc, argv))
        return 1;
    QApplication application(*argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(EORTOLOGIO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("eortologio"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/eortologio.png")));
    int status = 0;
    runCommand([&] { status = runDesktop(QApplication::arguments()); });
    return status;
}

Q_DECL_EXPORT QCoreApplication *eortologioGuiApplication(int *argc, char **argv)
{
    return new QGuiApplication(*argc, argv);
}

Q_DECL_EXPORT void eortologioPdf(const QString *caption, const QList<FeastRow> *rows, QByteArray *pdf, QString *)
{
    *pdf = toPdf(*caption, *rows);
}
}
