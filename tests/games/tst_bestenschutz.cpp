#include "games/Bestenliste.h"
#include "games/gefangen.h"
#include "support/Testprogramm.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

/// A best list that could not be read whole is shown as far as read, but a
/// win does not save it over the file, which keeps all its entries.

namespace {

/// Starts the prison game with "Ostern" straight above the start cell, so
/// seven steps up win with 5 moves.
gefangen &starten(Testprogramm &t)
{
    const QString wort = u("Ostern");
    QStringList zeilen(17, QString(17, QLatin1Char('n')));
    const char *oben = "nretsO";
    for (int z = 0; z < 6; ++z)
        zeilen[z][8] = QLatin1Char(oben[z]);
    zeilen[5][9] = QLatin1Char('s');
    t.m().Loesungswort = wort;
    QList<double> werte;
    for (const QString &z : zeilen)
        for (QChar c : z)
            werte << (wort.indexOf(c) + 0.5) / wort.size();
    t.programm->zufall().vorgeben(werte);
    t.f1().Bezeichnung25_Click();
    return t.programm->gefangenFenster();
}

QString art(const QString &pfad)
{
    struct stat st;
    if (::lstat(QFile::encodeName(pfad).constData(), &st) != 0)
        return u("fehlt");
    if (S_ISLNK(st.st_mode))
        return u("Verknüpfung auf ") + QFileInfo(pfad).symLinkTarget();
    if (S_ISDIR(st.st_mode))
        return u("Ordner");
    if (S_ISFIFO(st.st_mode))
        return u("Pipe");
    return u("Datei, %1 Bytes").arg(st.st_size);
}

} // namespace

class TestBestenschutz : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void gewinnOhneGanzeListe_data()
    {
        QTest::addColumn<QString>("lage");
        QTest::addColumn<bool>("gespeichert");
        QTest::newRow("fehlt") << u("fehlt") << true;
        QTest::newRow("ganz gelesen") << u("Datei") << true;
        QTest::newRow("Ordner") << u("Ordner") << false;
        QTest::newRow("Gerät ohne Ende") << u("/dev/zero") << false;
        QTest::newRow("Lesefehler") << u("/proc/self/mem") << false;
        QTest::newRow("Pipe") << u("Pipe") << false;
        QTest::newRow("über 64 MB") << u("gross") << false;
    }
    void gewinnOhneGanzeListe()
    {
        QFETCH(QString, lage);
        QFETCH(bool, gespeichert);
        Testprogramm t;
        const QString pfad = t.programm->datei(u("BESTSUCH.LST"));
        if (lage == u("Datei"))
            t.datei(u("BESTSUCH.LST"), "0002  Ida\r\n");
        else if (lage == u("Ordner"))
            QVERIFY(QDir().mkdir(pfad));
        else if (lage.startsWith(u("/")))
            QVERIFY(QFile::link(lage, pfad));
        else if (lage == u("Pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(pfad).constData(), 0644), 0);
        else if (lage == u("gross")) {
            t.datei(u("BESTSUCH.LST"), "0002  Ida\r\n");
            QCOMPARE(::truncate(QFile::encodeName(pfad).constData(), 64 * 1024 * 1024 + 1), 0);
        }
        const QString vorher = art(pfad);

        gefangen &g = starten(t);
        QCOMPARE(g.Liste1->eintraege(), lage == u("Datei") ? QStringList{u("0002  Ida")} : QStringList());
        for (int i = 0; i < 7; ++i)
            g.Bild1_Click();
        t.boxen.ok();
        if (!gespeichert)
            t.boxen.ok();
        g.Bild1_Click();
        QCOMPARE(t.boxen.offeneAntworten(), 0);
        QVERIFY(t.zurueck(g));
        if (gespeichert) {
            pruefeBox(t.boxen, u("Prima, du bist jetzt frei!\rEs waren 5 Spielzüge!\r"), u("Wortgefängnis"));
            QCOMPARE(t.lesen(u("BESTSUCH.LST")),
                     lage == u("Datei") ? QByteArray("0002  Ida\r\n0005  Freund\r\n") : QByteArray("0005  Freund\r\n"));
        } else {
            pruefeBox(t.boxen,
                      u("Die Bestenliste \"BESTSUCH.LST\" konnte nicht ganz gelesen werden und wird deshalb nicht "
                        "gespeichert.\r"),
                      u("Wortgefängnis"), Knoepfe::OK, Symbol::Information);
            QCOMPARE(art(pfad), vorher);
        }
        // The next game reads the file again; with the file whole again, it saves.
        if (lage == u("Ordner")) {
            QVERIFY(QDir().rmdir(pfad));
            gefangen &h = starten(t);
            for (int i = 0; i < 8; ++i) {
                if (i == 7)
                    t.boxen.ok();
                h.Bild1_Click();
            }
            QCOMPARE(t.lesen(u("BESTSUCH.LST")), QByteArray("0005  Freund\r\n"));
        }
    }

    /// Loading tells whether the list holds the whole file, also when there
    /// is no file yet.
    void ladenMeldetGanzOderNicht_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<bool>("ganz");
        QTest::newRow("leer") << QByteArray() << true;
        QTest::newRow("zwei Zeilen") << QByteArray("0001  A\r\n0002  B\r\n") << true;
    }
    void ladenMeldetGanzOderNicht()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(bool, ganz);
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(u("BESTHANG.LST"));
        Liste l(nullptr, u("Liste2"));
        QVERIFY(BestenlisteLaden(datei, &l)); // none there yet
        QVERIFY(dateiSchreiben(datei, inhalt));
        QCOMPARE(BestenlisteLaden(datei, &l), ganz);
        QCOMPARE(l.ListCount(), inhalt.count('\n'));
    }
};

QTEST_MAIN(TestBestenschutz)
#include "tst_bestenschutz.moc"
