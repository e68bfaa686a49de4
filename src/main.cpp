#include "CommandLine.h"
#include "Application.h"
#include "Reminder.h"

#include <QApplication>
#include <QIcon>

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
    runCommand([] { runDesktop(QApplication::arguments()); });
    return 0;
}
