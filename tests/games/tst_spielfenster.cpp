// What the three games share: the best lists (entries, order, bytes, loaded at
// every start), Escape, the early end and the way back to the main window.
#include "games/Bestenformat.h"
#include "games/Bestenliste.h"
#include "support/Testprogramm.h"
#include "ui/Elemente.h"
#include "ui/Liste.h"
#include "windows/Spielfenster.h"

#include <QDir>
#include <QTest>

class TestSpielfenster : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void eintrag()
    {
        // Four digits, the thousands and below of a larger score; the name after two blanks.
        QCOMPARE((QStringList{BestenEintrag(6, u("Freund")), BestenEintrag(12345, u("Max")), BestenEintrag(7, QString())}),
                 (QStringList{"0006  Freund", "2345  Max", "0007  "}));
    }
    void lesen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("eintraege");
        const QStringList freund{"0006  Freund"};
        // Line ends of every kind, empty lines and a last line without an end: see speichern().
        QTest::newRow("Blanks und Tab davor") << " \t 0006  Freund\r" << freund;
        QTest::newRow("in Anführungszeichen") << "\"0006  Freund\"\r\n" << freund;
        QTest::newRow("offenes Anführungszeichen") << "\"0006  Freund\n" << freund;
        QTest::newRow("Komma im Namen") << "0004  Mei, Ling\n" << QStringList{"0004  Mei, Ling"};
    }
    void lesen()
    {
        QFETCH(QString, text);
        QTEST(BestenlisteEintraege(text), "eintraege");
    }
    /// A win adds its entry to the list as the file holds it at that moment.
    void speichern_data()
    {
        QTest::addColumn<QByteArray>("vorher");
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<QByteArray>("nachher");
        // Ordered by score, then by name in dictionary order; a later equal entry after the earlier one.
        QTest::newRow("sortiert mit CR LF") << QByteArray("0012  Zora\n0005  zora\r\n  \r\n0005  Anna\r\n\r\n0003  max")
                                            << u("0005  Ömer")
                                            << QByteArray("0003  max\r\n0005  Anna\r\n0005  \xD6mer\r\n0005  zora\r\n0012  Zora\r\n");
        QTest::newRow("gleich") << QByteArray("0005  Anna\r\n") << u("0005  Anna") << QByteArray("0005  Anna\r\n0005  Anna\r\n");
        QTest::newRow("nicht kodierbar") << QByteArray() << u("0002  Łukasz 🐯") << QByteArray("0002  ?ukasz ?\r\n");
        // Only the best 50 are kept.
        QByteArray fuenfzig, besser = BestenEintrag(0, u("Kai")).toLatin1() + "\r\n";
        for (int i = 1; i <= 50; ++i)
            fuenfzig += BestenEintrag(i, u("Kai")).toLatin1() + "\r\n";
        besser += fuenfzig.left(fuenfzig.size() - 11);
        QTest::newRow("schlechter als 50") << fuenfzig << u("0051  Kai") << fuenfzig;
        QTest::newRow("besser als der 50.") << fuenfzig << u("0000  Kai") << besser;
    }
    void speichern()
    {
        QFETCH(QByteArray, vorher);
        QFETCH(QString, eintrag);
        QTemporaryDir ordner;
        const QString datei = ordner.filePath("BESTHANG.LST");
        if (!vorher.isEmpty())
            dateiSchreiben(datei, vorher);
        QString fehler;
        QVERIFY(BestenlisteSpeichern(datei, eintrag, &fehler) && fehler.isEmpty());
        QTEST(dateiLesen(datei), "nachher");
        // The lock file is gone again.
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files), QStringList{"BESTHANG.LST"});
    }
    void gemeinsamerAblauf_data()
    {
        QTest::addColumn<int>("nr");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("liste");
        QTest::addColumn<bool>("escapeFragt");
        // The row's name is the title of the boxes.
        QTest::newRow("Wortfange") << 24 << u("BESTFANG.LST") << u("Liste1") << true;
        QTest::newRow("Wortgefängnis") << 25 << u("BESTSUCH.LST") << u("Liste1") << true;
        QTest::newRow("Wortgalgen") << 26 << u("BESTHANG.LST") << u("Liste2") << false;
    }
    void gemeinsamerAblauf()
    {
        QFETCH(int, nr);
        QFETCH(QString, datei);
        QFETCH(QString, liste);
        QFETCH(bool, escapeFragt);
        const QString titel = u(QTest::currentDataTag());
        Testprogramm t;
        // Not in order: the list would be saved in another order if it were saved.
        const QByteArray bestenliste = "0007  Ben\r\n0003  Anna\r\n";
        t.datei(datei, bestenliste);
        // Twice: the second start loads the list again.
        for (int runde = 1; runde <= 2; ++runde) {
            t.f1().belohnungZeigen();
            nr == 24 ? t.f1().Bezeichnung24_Click() : nr == 25 ? t.f1().Bezeichnung25_Click() : t.f1().Bezeichnung26_Click();
            auto *s = dynamic_cast<Spielfenster *>(t.programm->aktivesFenster());
            QVERIFY(s && s->isVisible());
            Liste *besten = s->findChild<Liste *>(liste);
            QVERIFY(!besten->isVisible());
            QCOMPARE(besten->eintraege(), (QStringList{u("0003  Anna"), u("0007  Ben")}));
            // Escape and the end button ask first; answered No, the game goes on.
            const int vorher = t.boxen.anzahl();
            if (escapeFragt)
                t.boxen.nein();
            QTest::keyClick(s, Qt::Key_Escape);
            QCOMPARE(t.boxen.anzahl(), vorher + (escapeFragt ? 1 : 0));
            t.boxen.nein();
            s->findChild<Knopf *>(u("Befehl1"))->click();
            pruefeFrage(t.boxen, u("Dieses Spiel vorzeitig beenden?\r"), titel);
            QVERIFY(s->isVisible());
            t.boxen.ja();
            s->close();
            pruefeFrage(t.boxen, u("Dieses Spiel vorzeitig beenden?\r"), titel);
            QVERIFY(t.zurueck(*s) && !besten->isVisible() && besten->ListCount() == 0);
            QCOMPARE(t.lesen(datei), bestenliste);
        }
    }
};

QTEST_MAIN(TestSpielfenster)
#include "tst_spielfenster.moc"
