#include "Unit1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Εορτολόγιο"));
    QApplication::setDesktopFileName(QStringLiteral("eortologio"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/eortologio.png")));
    runCommand([] {
        TForm1 Form1;
        Form1.show();
        QApplication::exec();
    });
    return 0;
}
