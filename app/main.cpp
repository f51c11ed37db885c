#include "basis/Schrift.h"
#include "lists/Arbeitsordner.h"
#include "ui/Boxen.h"
#include "windows/Form1.h"
#include "windows/Programm.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

static void ausgeben(FILE *wohin, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), wohin);
    std::fflush(wohin);
}

int main(int argc, char *argv[])
{
    // The usage text needs no screen: it is answered before Qt looks for one.
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--help") == 0 || qstrcmp(argv[i], "-h") == 0) {
            ausgeben(stdout, Arbeitsordner::hilfetext());
            return 0;
        }

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

    const Arbeitsordner::Aufruf aufruf = Arbeitsordner::aufrufLesen(QApplication::arguments().mid(1));
    for (const QString &f : aufruf.fehler)
        ausgeben(stderr, f + QLatin1Char('\n'));
    const Arbeitsordner::Wahl wahl =
        Arbeitsordner::waehlen(aufruf.ordner, Arbeitsordner::umgebung(), Arbeitsordner::pruefen);

    QtBoxen boxen;
    Programm programm(boxen, wahl.ordner);
    if (!wahl.meldung.isEmpty()) {
        // On the terminal too, for the administrator; a trial run has nobody to close a box.
        ausgeben(stderr, QString(wahl.meldung).replace(QLatin1Char('\r'), QLatin1Char('\n')));
        if (!aufruf.probelauf)
            boxen.meldung(wahl.meldung, QStringLiteral("TIPPOLO"), Knoepfe::OK, Symbol::Stop, Antwort::OK);
    }
    // Big enough for a child to read: the main window fills about two
    // thirds of the screen's height, and every window stays on the screen.
    if (const QScreen *s = QGuiApplication::primaryScreen())
        programm.setFaktor(Programm::startFaktor(s->availableGeometry().size()));
    programm.starten();
    if (aufruf.probelauf) {
        // A check of an installation: once the start has settled (the
        // settings window's font timer included), say what the main window
        // shows and end as after "Ja" in the exit question.
        QTimer::singleShot(500, &app, [&programm] {
            Form1 &f = programm.form1();
            ausgeben(stdout, QStringLiteral("Ordner: %1\nFenster: %2\nÜbung: %3\n")
                                 .arg(programm.arbeitsordner(), f.Caption(), f.Bezeichnung8->Caption()));
            programm.beenden();
        });
    }
    return QApplication::exec();
}
