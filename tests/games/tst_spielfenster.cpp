// What the three games share: the best lists, Escape, the early end, the rest after a win and the way back.
#include "games/Bestenformat.h"
#include "games/Bestenliste.h"
#include "support/Testprogramm.h"
#include "ui/Elemente.h"
#include "ui/Liste.h"
#include "windows/fang.h"
#include "windows/galgen.h"

#include <QRandomGenerator>
#include <QListView>
#include <QTest>

namespace {

/// Wins the game just started with the word "A".
void gewinnen(Spielfenster &s, Zufall &zufall)
{
    if (auto *g = dynamic_cast<galgen *>(&s)) {
        klicke(g->Liste1, int(galgen::Buchstaben().indexOf(QLatin1Char('A'))));
    } else if (auto *f = dynamic_cast<fang *>(&s)) {
        zufall.vorgeben({10.5 / 17, 6.5 / 11});  // the letter right of the catcher
        f->Bild5_Click();
        QTest::keyClick(f, Qt::Key_Right);
    } else {
        for (int i = 0; i < 8; ++i)  // up through the empty centre and five letters
            QTest::keyClick(&s, Qt::Key_Up);
    }
}

} // namespace

class TestSpielfenster : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    /// Generated wins, many equal but for capitals and umlauts, added to a file in a loose form: after each save
    /// the file holds the entries so far sorted by score and name, equal ones in the order they were won, the best 50.
    void speichern()
    {
        QTemporaryDir ordner;
        const QString datei = ordner.filePath("BESTFANG.LST");
        dateiSchreiben(datei, "0012  Zora\n \t\"0005  zora\"\r\n  \r\n\"0005  Anna\r\r\n0004  Mei, Ling\n0003  max");
        QStringList soll{"0003  max", "0004  Mei, Ling", "0005  Anna", "0005  zora", "0012  Zora"};
        const QStringList namen{"Anna", "anna", "ANNA", u("Ömer"), "omer", "Kai"};
        QRandomGenerator z(7);
        for (int i = 0; i < 80; ++i) {
            // Of a score only the last four digits count.
            soll << BestenEintrag(i ? z.bounded(4) : 10005, namen.at(i ? z.bounded(int(namen.size())) : 3));
            QVERIFY(BestenlisteSpeichern(datei, soll.last()));
            std::stable_sort(soll.begin(), soll.end(), [](QString a, QString b) { return a.toLower().replace(u("ö"), "o") < b.toLower().replace(u("ö"), "o"); });
            soll = soll.mid(0, 50);
            QCOMPARE(dateiLesen(datei), (soll.join("\r\n") + "\r\n").toLatin1());
        }
        // A new list; what Windows-1252 cannot hold is saved as "?".
        QVERIFY(BestenlisteSpeichern(ordner.filePath("BESTHANG.LST"), BestenEintrag(2, u("Łukasz 🐯"))));
        QCOMPARE(dateiLesen(ordner.filePath("BESTHANG.LST")), QByteArray("0002  ?ukasz ?\r\n"));
    }
    void gemeinsamerAblauf_data()
    {
        QTest::addColumn<int>("nr");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<bool>("escapeFragt");
        QTest::addColumn<int>("punkte");
        QTest::addColumn<QString>("sieg");
        // The row's name is the title of the question before ending early.
        QTest::newRow("Wortfange") << 24 << u("BESTFANG.LST") << true << 0
                                   << u("Wortfange|Du hast es in 0 Sekunden geschafft.\r");
        QTest::newRow("Wortgefängnis") << 25 << u("BESTSUCH.LST") << true << 5
                                       << u("Wortgefängnis|Prima, du bist jetzt frei!\rEs waren 5 Spielzüge!\r");
        QTest::newRow("Wortgalgen") << 26 << u("BESTHANG.LST") << false << 1 << u("Galgenspiel|Du hast 1 Versuche benötigt!\r");
    }
    /// Ended early, then won three times, going on by Enter, Escape and the frame; each start loads the list.
    void gemeinsamerAblauf()
    {
        QFETCH(int, nr);
        QFETCH(QString, datei);
        QFETCH(bool, escapeFragt);
        QFETCH(int, punkte);
        QFETCH(QString, sieg);
        const QString titel = u(QTest::currentDataTag());
        Testprogramm t;
        // Not in order: the list would be saved in another order if it were saved.
        const QByteArray bestenliste = "0007  Ben\r\n0003  Anna\r\n";
        t.datei(datei, bestenliste);
        QStringList eintraege{u("0003  Anna"), u("0007  Ben")};
        for (int runde = 0; runde <= 3; ++runde) {
            t.f1().belohnungZeigen();
            t.m().Loesungswort = u("A");
            t.f1().Liste2->setEintraege({u("A")});
            nr == 24 ? t.f1().Bezeichnung24_Click() : nr == 25 ? t.f1().Bezeichnung25_Click() : t.f1().Bezeichnung26_Click();
            auto *s = dynamic_cast<Spielfenster *>(t.programm->aktivesFenster());
            QVERIFY(s && s->isVisible());
            Knopf *ende = s->findChild<Knopf *>(u("Befehl1"));
            Liste *besten = s->bestenliste();
            QVERIFY(!besten->isVisible() && ende->isEnabled() && !s->Weiter->isVisible() &&
                    besten->view()->palette().color(QPalette::Base) == QColor(0, 255, 255));  // black on cyan
            QCOMPARE(besten->eintraege(), eintraege);
            if (runde == 0) {
                // Escape and the end button ask first; answered No, the game goes on.
                if (escapeFragt)
                    t.boxen.nein();
                QTest::keyClick(s, Qt::Key_Escape);
                QCOMPARE(t.boxen.anzahl(), escapeFragt ? 1 : 0);
                t.boxen.nein();
                ende->click();
                pruefeFrage(t.boxen, u("Dieses Spiel vorzeitig beenden?\r"), titel);
                QVERIFY(s->isVisible());
                t.boxen.ja();
                s->close();
                pruefeFrage(t.boxen, u("Dieses Spiel vorzeitig beenden?\r"), titel);
                QVERIFY(t.zurueck(*s) && !besten->isVisible() && besten->ListCount() == 0);
                QCOMPARE(t.lesen(datei), bestenliste);
                continue;
            }
            t.boxen.ok();
            gewinnen(*s, t.programm->zufall());
            pruefeBox(t.boxen, sieg.section(QLatin1Char('|'), 1), sieg.section(QLatin1Char('|'), 0, 0));
            // The list waits with the child's line marked, the rest of the game at rest: an arrow key does nothing.
            const QString eintrag = BestenEintrag(punkte, t.f1().Bezeichnung7->Caption());
            QTest::keyClick(s, Qt::Key_Up);
            QVERIFY(s->siegerehrung() && s->Weiter->isVisible() && besten->isVisible() && !ende->isEnabled());
            QCOMPARE(besten->Text(), eintrag);
            runde == 3 ? void(s->close()) : QTest::keyClick(s, runde == 1 ? Qt::Key_Return : Qt::Key_Escape);
            QVERIFY(t.zurueck(*s) && !besten->isVisible() && besten->ListCount() == 0 && !s->siegerehrung());
            eintraege << eintrag;
            eintraege.sort();
            QCOMPARE(t.lesen(datei), eintraege.join(u("\r\n")).toLatin1() + "\r\n");
        }
    }
};

QTEST_MAIN(TestSpielfenster)
#include "tst_spielfenster.moc"
