// What the three games share: the launch from the reward panel, the best list
// loaded at every start and hidden during play, Escape, the early end and the
// way back to the main window.
#include "games/fang.h"
#include "games/galgen.h"
#include "games/gefangen.h"
#include "support/Testprogramm.h"
#include "ui/Twips.h"

#include <QTest>

namespace {

struct Spiel
{
    Spielfenster *fenster;
    Liste *besten;
    QPushButton *ende;
};

/// Brings the reward panel into view and starts game `nr` (0 gallows, 1 prison, 2 catch) from it.
Spiel starten(Testprogramm &t, int nr)
{
    Form1 &f = t.f1();
    f.belohnungZeigen();
    switch (nr) {
    case 0: {
        f.Bezeichnung26_Click();
        galgen &g = t.programm->galgenFenster();
        return {&g, g.Liste2, g.Befehl1};
    }
    case 1: {
        f.Bezeichnung25_Click();
        gefangen &g = t.programm->gefangenFenster();
        return {&g, g.Liste1, g.Befehl1};
    }
    default: {
        f.Bezeichnung24_Click();
        fang &g = t.programm->fangFenster();
        return {&g, g.Liste1, g.Befehl1};
    }
    }
}

} // namespace

class TestSpielfenster : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void gemeinsamerAblauf_data()
    {
        QTest::addColumn<int>("nr");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<bool>("escapeFragt");
        QTest::newRow("Wortgalgen") << 0 << u("BESTHANG.LST") << u("Wortgalgen") << false;
        QTest::newRow("Wortgefängnis") << 1 << u("BESTSUCH.LST") << u("Wortgefängnis") << true;
        QTest::newRow("Wortfange") << 2 << u("BESTFANG.LST") << u("Wortfange") << true;
    }

    void gemeinsamerAblauf()
    {
        QFETCH(int, nr);
        QFETCH(QString, datei);
        QFETCH(QString, titel);
        QFETCH(bool, escapeFragt);
        Testprogramm t;
        const QByteArray bestenliste = "0003  Anna\r\n0007  Ben\r\n";
        t.datei(datei, bestenliste);
        const QStringList eintraege{u("0003  Anna"), u("0007  Ben")};

        for (int runde = 1; runde <= 2; ++runde) {
            Spiel s = starten(t, nr);
            QVERIFY(s.fenster->isVisible() && !t.f1().isVisible());
            QCOMPARE(t.programm->aktivesFenster(), s.fenster);
            QCOMPARE(Twips::links(t.f1().Bild9), 10440);
            QVERIFY(!s.besten->isVisible());
            QCOMPARE(s.besten->eintraege(), eintraege);

            const int vorher = t.boxen.anzahl();
            if (escapeFragt)
                t.boxen.nein();
            QTest::keyClick(s.fenster, Qt::Key_Escape);
            QCOMPARE(t.boxen.anzahl(), vorher + (escapeFragt ? 1 : 0));
            QVERIFY(s.fenster->isVisible());

            t.boxen.ja();
            s.ende->click();
            pruefeFrage(t.boxen, u("Dieses Spiel vorzeitig beenden?\r"), titel);
            QVERIFY(!s.fenster->isVisible() && t.f1().isVisible());
            QCOMPARE(t.programm->aktivesFenster(), &t.f1());
            QVERIFY(!t.m().Loesungswort.isEmpty());
            QCOMPARE(t.m().Eingabe, QString());
            QVERIFY(!s.besten->isVisible());
            QCOMPARE(s.besten->ListCount(), 0);
            QCOMPARE(t.lesen(datei), bestenliste);
        }
    }
};

QTEST_MAIN(TestSpielfenster)
#include "tst_spielfenster.moc"
