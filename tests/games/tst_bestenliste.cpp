// The best lists of the games: the entry, the order, the file bytes, the 50
// kept, and a file that cannot be written.
#include "support/Testprogramm.h"

#include "games/Bestenformat.h"
#include "games/Bestenliste.h"
#include "ui/Liste.h"

#include <QTest>

class TestBestenliste : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void eintrag_data()
    {
        QTest::addColumn<qint64>("punkte");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("sechs") << qint64(6) << u("Freund") << u("0006  Freund");
        QTest::newRow("fünfstellig") << qint64(12345) << u("Max") << u("2345  Max");
        QTest::newRow("leerer Name") << qint64(7) << QString() << u("0007  ");
    }
    void eintrag()
    {
        QFETCH(qint64, punkte);
        QFETCH(QString, name);
        QFETCH(QString, erwartet);
        QCOMPARE(BestenEintrag(punkte, name), erwartet);
    }
    void lesen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("eintraege");
        const QStringList freund{"0006  Freund"};
        QTest::newRow("zwei Zeilen") << "0006  Freund\r\n0002  Ida\r\n" << QStringList{"0006  Freund", "0002  Ida"};
        QTest::newRow("ohne Zeilenende") << "0006  Freund" << freund;
        QTest::newRow("leere Zeilen") << "\r\n0006  Freund\r\n\r\n   \r\n" << freund;
        QTest::newRow("Blanks und Tab davor") << " \t 0006  Freund\r" << freund;
        QTest::newRow("in Anführungszeichen") << "\"0006  Freund\"\r\n" << freund;
        QTest::newRow("offenes Anführungszeichen") << "\"0006  Freund\n" << freund;
        QTest::newRow("Komma im Namen") << "0004  Mei, Ling\n" << QStringList{"0004  Mei, Ling"};
    }
    void lesen()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, eintraege);
        QCOMPARE(BestenlisteEintraege(text), eintraege);
    }
    void speichernUndLaden_data()
    {
        QTest::addColumn<QStringList>("eintraege");
        QTest::addColumn<QByteArray>("bytes");
        // Ordered by score, then by name in dictionary order.
        QTest::newRow("sortiert mit CR LF")
            << QStringList{"0012  Zora", "0005  zora", "0005  Anna", u("0005  Ömer"), "0003  max"}
            << QByteArray("0003  max\r\n0005  Anna\r\n0005  \xD6mer\r\n0005  zora\r\n0012  Zora\r\n");
        QTest::newRow("nicht kodierbar") << QStringList{u("0002  Łukasz")} << QByteArray("0002  ?ukasz\r\n");
    }
    void speichernUndLaden()
    {
        QFETCH(QStringList, eintraege);
        QFETCH(QByteArray, bytes);
        QTemporaryDir ordner;
        const QString datei = ordner.filePath("BESTHANG.LST");
        Liste l(nullptr, u("Liste2"));
        l.addItems(eintraege);
        QString fehler;
        QVERIFY(BestenlisteSpeichern(datei, &l, &fehler) && fehler.isEmpty());
        QCOMPARE(dateiLesen(datei), bytes);
        // Read back into a list that held something: the same entries; a missing file gives none.
        Liste zurueck(nullptr, u("Liste2"));
        zurueck.AddItem("0001  alt");
        BestenlisteLaden(datei, &zurueck);
        QCOMPARE(zurueck.ListCount(), l.ListCount());
        BestenlisteLaden(ordner.filePath("FEHLT.LST"), &zurueck);
        QCOMPARE(zurueck.ListCount(), 0);
    }
    void nichtSchreibbarMeldetFehler()
    {
        Testprogramm t;
        t.ordnerStatt(u("BESTSUCH.LST"));
        Liste l(nullptr, u("Liste1"));
        l.AddItem(BestenEintrag(5, "Freund"));
        QString fehler;
        QVERIFY(!BestenlisteSpeichern(t.programm->datei(u("BESTSUCH.LST")), &l, &fehler));
        t.boxen.ok();
        BestenlisteSichern(*t.programm, u("BESTSUCH.LST"), &l, u("Wortgefängnis"));
        pruefeBox(t.boxen, u("Die Bestenliste konnte nicht gespeichert werden.\r") + fehler + u("\r"), u("Wortgefängnis"),
                  Knoepfe::OK, Symbol::Stop);
        // Saving that works shows nothing.
        BestenlisteSichern(*t.programm, "BESTHANG.LST", &l, u("Galgenspiel"));
        QCOMPARE(t.boxen.anzahl(), 1);
        QCOMPARE(t.lesen("BESTHANG.LST"), QByteArray("0005  Freund\r\n"));
    }
};

QTEST_MAIN(TestBestenliste)
#include "tst_bestenliste.moc"
