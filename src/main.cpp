#include "CommandLine.h"
#include "Unit1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const bool commandLine = prepareCommandLine(argc, argv);
    if (!commandLine && noDisplayForWindow(argc, argv))
        return 1;
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(EORTOLOGIO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("eortologio"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/eortologio.png")));
    if (commandLine)
        return runCommandLine(QApplication::arguments());
    runCommand([] {
        TForm1 Form1;
        Form1.show();
        QApplication::exec();
    });
    return 0;
}
