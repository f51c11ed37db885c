#include "basis/Schrift.h"
#include "trainer/Programm.h"
#include "ui/Boxen.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tippolo"));
    QApplication::setDesktopFileName(QStringLiteral("de.tippolo.Tippolo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tippolo.svg")));
    // The boxes and lists without a font of their own use the program's
    // window font rather than whatever the desktop offers.
    Schrift::ersatzEinrichten();
    QFont fensterSchrift(QStringLiteral("MS Sans Serif"));
    fensterSchrift.setPointSizeF(9.75);
    QApplication::setFont(fensterSchrift);

    // Qt's own dialogs (print dialog, standard buttons) speak German too.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator qtDeutsch;
    if (qtDeutsch.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtDeutsch);

    QtBoxen boxen;
    Programm programm(boxen, QDir::currentPath());
    // Big enough for a child to read: the main window fills about two
    // thirds of the screen's height, and every window stays on the screen.
    if (const QScreen *s = QGuiApplication::primaryScreen())
        programm.setFaktor(Programm::startFaktor(s->availableGeometry().size()));
    programm.starten();
    return QApplication::exec();
}
