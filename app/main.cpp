#include "trainer/Programm.h"
#include "ui/Boxen.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tippolo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tippolo.svg")));

    QtBoxen boxen;
    Programm programm(boxen, QDir::currentPath());
    programm.starten();
    return QApplication::exec();
}
