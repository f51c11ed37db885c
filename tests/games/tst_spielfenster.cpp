// What the three games share: the best list loaded at every start and hidden
// during play, Escape, the early end and the way back to the main window.
#include "games/fang.h"
#include "games/galgen.h"
#include "games/gefangen.h"
#include "support/Testprogramm.h"

#include <QTest>

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
        QTest::newRow("Wortfange") << 24 << u("BESTFANG.LST") << u("Wortfange") << true;
        QTest::newRow("Wortgefängnis") << 25 << u("BESTSUCH.LST") << u("Wortgefängnis") << true;
        QTest::newRow("Wortgalgen") << 26 << u("BESTHANG.LST") << u("Wortgalgen") << false;
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
        // Twice: the second start loads the list again.
        for (int runde = 1; runde <= 2; ++runde) {
            t.f1().belohnungZeigen();
            Spielfenster *s = nullptr;
            Liste *besten = nullptr;
            Programm &p = *t.programm;
            if (nr == 24) {
                t.f1().Bezeichnung24_Click();
                s = &p.fangFenster();
                besten = p.fangFenster().Liste1;
            } else if (nr == 25) {
                t.f1().Bezeichnung25_Click();
                s = &p.gefangenFenster();
                besten = p.gefangenFenster().Liste1;
            } else {
                t.f1().Bezeichnung26_Click();
                s = &p.galgenFenster();
                besten = p.galgenFenster().Liste2;
            }
            QVERIFY(s->isVisible() && !besten->isVisible());
            QCOMPARE(besten->eintraege(), (QStringList{u("0003  Anna"), u("0007  Ben")}));

            const int vorher = t.boxen.anzahl();
            if (escapeFragt)
                t.boxen.nein();
            QTest::keyClick(s, Qt::Key_Escape);
            QCOMPARE(t.boxen.anzahl(), vorher + (escapeFragt ? 1 : 0));
            QVERIFY(s->isVisible());

            t.boxen.ja();
            s->close();
            pruefeFrage(t.boxen, u("Dieses Spiel vorzeitig beenden?\r"), titel);
            QVERIFY(!s->isVisible() && t.f1().isVisible() && !besten->isVisible());
            QCOMPARE(p.aktivesFenster(), &t.f1());
            QVERIFY(!t.m().Loesungswort.isEmpty() && t.m().Eingabe.isEmpty());
            QCOMPARE(besten->ListCount(), 0);
            QCOMPARE(t.lesen(datei), bestenliste);
        }
    }
};

QTEST_MAIN(TestSpielfenster)
#include "tst_spielfenster.moc"
