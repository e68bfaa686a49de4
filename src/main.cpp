#include "Unit1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Εορτολόγιο"));
    runCommand([] {
        TForm1 Form1;
        Form1.show();
        QApplication::exec();
    });
    return 0;
}
