// The module that draws: the windows, and the PDF for the command line.

#include "Application.h"
#include "Desktop.h"
#include "FeastPdf.h"
#include "ModuleInterfaces.h"
#include "WallCalendar.h"

#include <QApplication>
#include <QIcon>
#include <QObject>

#include <memory>

class WindowPlugin : public QObject, public WindowModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID EORTOLOGIO_WINDOW_MODULE)
    Q_INTERFACES(WindowModule)

public:
    int runWindows(int &argc, char **argv) override
    {
        if (noDisplayForWindow(argc, argv))
            return 1;
        QApplication application(argc, argv);
        QApplication::setApplicationVersion(QStringLiteral(EORTOLOGIO_VERSION));
        QApplication::setDesktopFileName(QStringLiteral("eortologio"));
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/eortologio.png")));
        int status = 0;
        runCommand([&] { status = runDesktop(QApplication::arguments()); });
        return status;
    }

    QCoreApplication *startApplication(int &argc, char **argv) override
    {
        application = std::make_unique<QGuiApplication>(argc, argv);
        return application.get();
    }

    void endApplication() override { application.reset(); }

    Document pdf(const QString &caption, const QList<FeastRow> &rows) override
    {
        return documentOf([&] { return toPdf(caption, rows); });
    }

    Document wallCalendar(int year, const QString &country) override
    {
        return documentOf([&] { return wallCalendarPdf(year, country); });
    }

private:
    std::unique_ptr<QGuiApplication> application;
};

#include "WindowModule.moc"
