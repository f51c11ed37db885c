// Answer checking through real key events and clicks: the letter check, the
// special keys, the progress message, reading mode, the helps and the
// evaluation.
#include "support/Testprogramm.h"

#include "ui/Twips.h"

#include <QListView>
#include <QTest>

namespace {

const QString kRichtig = u("Richtig, weiter so!");

int zeileVon(Testprogramm &t, const QString &wort)
{
    return static_cast<int>(t.f1().Liste2->eintraege().indexOf(wort));
}

void klickeZeile(QListView *v, int zeile)
{
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(v->model()->index(zeile, 0)).center());
}

} // namespace

class TestAntworten : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void falscherBuchstabeWirdGemeldetUndGezaehlt()
    {
        Testprogramm t;
        t.liste({u("Haus")}, true);
        t.boxen.ok();
        QTest::keyClick(t.f1().Bezeichnung1, 'h');
        QCOMPARE(t.boxen.anzahl(), 1);
        pruefeBox(t.boxen, u("Buchstabe  >h<  ist falsch!"), u("Eingabefehler"), Knoepfe::OK, Symbol::Information);
        QCOMPARE(t.m().Fehler, 1);
        QCOMPARE(t.f1().Bezeichnung3->Caption(), u("1"));
        QCOMPARE(t.m().Eingabe, QString());
        tippe(t.f1().Bezeichnung1, u("Ha"));
        QCOMPARE(t.f1().Bezeichnung2->Caption(), u("Ha"));
        t.boxen.ok();
        tippe(t.f1().Bezeichnung1, u("us"));
        QCOMPARE(t.boxen.anzahl(), 2);
        QCOMPARE(t.f1().Bezeichnung4->Caption(), u("1"));
        // The next task is open: the only word of the list again, nothing typed.
        QCOMPARE(t.m().Loesungswort, u("Haus"));
        QCOMPARE(t.m().Eingabe, QString());
        QCOMPARE(t.f1().Bezeichnung2->Caption(), QString());
    }

    void getippteWoerter_data()
    {
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<int>("fehler");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<int>("loesungen");
        QTest::newRow("ß vollendet groß") << "groß" << "groß" << 0 << "" << 1;
        QTest::newRow("Ötzi mit Ö") << "Ötzi" << "Ötzi" << 0 << "" << 1;
        QTest::newRow("Ötzi ohne Ö") << "Ötzi" << "Otzi" << 4 << "" << 0;
        QTest::newRow("Stängel mit ä") << "Stängel" << "Stängel" << 0 << "" << 1;
        QTest::newRow("ss statt ß") << "Fuß" << "Fuss" << 2 << "Fu" << 0;
        QTest::newRow("Großbuchstaben sind andere") << "Haus" << "HAUS" << 3 << "H" << 0;
        QTest::newRow("Ziffern, Leerzeichen, Enter") << "Haus" << "H1a \r.u-s" << 0 << "" << 1;
        QTest::newRow("Bindestrich nicht tippbar") << "Ab-Zug" << "Ab-Zug" << 3 << "Ab" << 0;
        QTest::newRow("zu lang") << "Ei" << "E" << 0 << "E" << 0;
        QTest::newRow("Rücktaste, leer bleibt leer") << "Haus" << "\b" << 0 << "" << 0;
        QTest::newRow("Rücktaste, Ha wird H") << "Haus" << "Ha\b" << 0 << "H" << 0;
        QTest::newRow("Rücktaste, dann fertig") << "Haus" << "H\bHaus" << 0 << "" << 1;
    }
    void getippteWoerter()
    {
        QFETCH(QString, wort);
        QFETCH(QString, getippt);
        QFETCH(int, fehler);
        QFETCH(QString, eingabe);
        QFETCH(int, loesungen);
        Testprogramm t;
        t.boxen.setStreng(false);
        t.liste({wort}, true);
        tippe(t.f1().Bezeichnung1, getippt);
        QCOMPARE(anzahlBoxen(t.boxen, u("Eingabefehler")), fehler);
        QCOMPARE(t.m().Fehler, fehler);
        QCOMPARE(t.f1().Bezeichnung3->Caption(), QString::number(fehler));
        QCOMPARE(t.m().Eingabe, eingabe);
        QCOMPARE(t.f1().Bezeichnung2->Caption(), eingabe);
        QCOMPARE(t.m().Loesungen, loesungen);
        QCOMPARE(anzahlBoxen(t.boxen, kRichtig), loesungen);
    }

    void tastenAufDerListeZaehlenAuch()
    {
        // The key preview sees keys typed while the candidate list has the focus.
        Testprogramm t;
        t.liste({u("Haus")}, true);
        QListView *liste = t.f1().Liste2->view();
        tippe(liste, u("Ha"));
        QCOMPARE(t.m().Eingabe, u("Ha"));
        t.boxen.ok();
        taste(liste, QLatin1Char('x'));
        QCOMPARE(t.boxen.letzte().text, u("Buchstabe  >x<  ist falsch!"));
        QCOMPARE(t.m().Fehler, 1);
        QCOMPARE(t.f1().Liste2->ListIndex(), -1);
    }

    void worteingabeNimmtJedenBuchstaben()
    {
        Testprogramm t;
        t.m().Uebung = 0;
        t.m().Leeren();
        tippe(t.f1().Bezeichnung1, u("Maus1 \r"));
        QVERIFY(t.f1().Liste1->eintraege().contains(u("Maus")));
        QCOMPARE(t.f1().Liste1->ListCount(), 21);
        QCOMPARE(t.m().Eingabe, QString());
        QCOMPARE(t.m().Fehler, 0);
        QCOMPARE(t.boxen.anzahl(), 0);
    }

    void escapeFragtNachDemEnde()
    {
        Testprogramm t;
        t.liste({u("Haus")}, true);
        tippe(t.f1().Bezeichnung1, u("Ha"));
        t.boxen.nein();
        taste(t.f1().Bezeichnung1, QChar(27));
        pruefeBox(t.boxen, u("Dieses Programm jetzt beenden?\r"), u("TIPPOLO, Release 13.08.2005"), Knoepfe::JaNein,
                  Symbol::Stop);
        QCOMPARE(t.boxen.letzte().standard, Antwort::Nein);
        QVERIFY(!t.beendet);
        QCOMPARE(t.m().Eingabe, u("Ha"));
        QCOMPARE(t.f1().Bezeichnung2->Caption(), u("Ha"));
        t.boxen.ja();
        taste(t.f1().Bezeichnung1, QChar(27));
        QVERIFY(t.beendet);
        QCOMPARE(t.boxen.anzahl(), 2);
    }

    void fortschritt_data()
    {
        QTest::addColumn<int>("wortmenge");
        QTest::addColumn<int>("loesungen");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("titel");
        QTest::newRow("erstes Wort") << 20 << 0 << "Noch 19 Wörter bis zur Belohnung!\r" << kRichtig;
        QTest::newRow("vorletztes Wort") << 20 << 17 << "Noch 2 Wörter bis zur Belohnung!\r" << kRichtig;
        QTest::newRow("ein Wort fehlt") << 20 << 18 << "Noch 1 Wort bis zur Belohnung!\r" << kRichtig;
        QTest::newRow("nach der Belohnung") << 20 << 20 << "Noch 19 Wörter bis zur Belohnung!\r" << kRichtig;
        QTest::newRow("Wortmenge 10") << 10 << 25 << "Noch 4 Wörter bis zur Belohnung!\r" << kRichtig;
        QTest::newRow("Belohnung fällig") << 20 << 19 << "Jetzt ist eine Belohnung fällig!" << u("Belohnung");
    }
    void fortschritt()
    {
        QFETCH(int, wortmenge);
        QFETCH(int, loesungen);
        QFETCH(QString, text);
        QFETCH(QString, titel);
        Testprogramm t;
        t.liste({u("Haus"), u("Maus")}, true);
        t.m().Wortmenge = wortmenge;
        t.m().Loesungen = loesungen;
        t.boxen.ok();
        tippe(t.f1().Bezeichnung1, t.m().Loesungswort);
        QCOMPARE(t.boxen.anzahl(), 1);
        pruefeBox(t.boxen, text, titel, Knoepfe::OK, titel == kRichtig ? Symbol::Keins : Symbol::Information);
        QCOMPARE(t.m().Loesungen, loesungen + 1);
        QCOMPARE(Twips::links(t.f1().Bild9), titel == kRichtig ? 10440 : 3000);
    }

    void tippenBeiOffenerBelohnung()
    {
        // A reward is pending: Eingabe holds a word drawn for the games.
        Testprogramm t;
        t.liste({u("Haus"), u("Autobahn")}, true);
        t.m().Loesungswort = u("Haus");
        t.m().Eingabe = u("Autobahn");
        t.boxen.ok();
        taste(t.f1().Bezeichnung1, QLatin1Char('a'));
        QCOMPARE(t.boxen.anzahl(), 1);
        QCOMPARE(t.boxen.letzte().text, u("Buchstabe  >a<  ist falsch!"));
        QCOMPARE(t.m().Fehler, 1);
        QCOMPARE(t.m().Eingabe, u("Autobahn"));
        // Enter does not start a new task while the reward is pending.
        taste(t.f1().Bezeichnung1, QLatin1Char('\r'));
        QCOMPARE(t.m().Loesungswort, u("Haus"));
        QCOMPARE(t.m().Loesungen, 0);
    }

    void wortdiktatVerschwindetBeiJederTaste_data()
    {
        QTest::addColumn<QString>("zeichen");
        QTest::addColumn<int>("fehler");
        QTest::newRow("richtiger Buchstabe") << "H" << 0;
        QTest::newRow("falscher Buchstabe") << "x" << 1;
        QTest::newRow("Ziffer") << "7" << 0;
        QTest::newRow("Leerzeichen") << " " << 0;
        QTest::newRow("Rücktaste") << "\b" << 0;
    }
    void wortdiktatVerschwindetBeiJederTaste()
    {
        QFETCH(QString, zeichen);
        QFETCH(int, fehler);
        Testprogramm t;
        t.boxen.setStreng(false);
        t.f1().Befehl20_Click();
        t.liste({u("Haus")}, true);
        QVERIFY(!t.f1().Bezeichnung1->Caption().isEmpty());
        taste(t.f1().Bezeichnung1, zeichen.at(0));
        QCOMPARE(t.f1().Bezeichnung1->Caption(), QString());
        QCOMPARE(t.m().Fehler, fehler);
    }

    void lesemodusKlick_data()
    {
        QTest::addColumn<QString>("loesung");
        QTest::addColumn<QString>("geklickt");
        QTest::newRow("gleich") << "Haus" << "Haus";
        QTest::newRow("klein geschrieben") << "Haus" << "haus";
        QTest::newRow("Umlaut klein") << "Ötzi" << "ötzi";
        QTest::newRow("mit Bindestrich") << "Ab-Zug" << "Ab-Zug";
        QTest::newRow("falsches Wort bleibt still") << "Haus" << "Maus";
    }
    void lesemodusKlick()
    {
        QFETCH(QString, loesung);
        QFETCH(QString, geklickt);
        const bool richtig = geklickt != u("Maus");
        Testprogramm t;
        t.f1().Bild26_Click();
        t.liste({loesung, u("Maus")}, true);
        t.m().Loesungswort = loesung;
        t.f1().Liste2->Clear();
        t.f1().Liste2->addItems({geklickt, u("Maus")});
        if (richtig)
            t.boxen.ok();  // a strict box fails the wrong click
        t.f1().Liste2->setListIndex(zeileVon(t, geklickt));
        QCOMPARE(t.boxen.anzahl(), richtig ? 1 : 0);
        QCOMPARE(t.m().Loesungen, richtig ? 1 : 0);
        QCOMPARE(t.m().Fehler, 0);
        if (!richtig) {
            QCOMPARE(t.m().Loesungswort, loesung);
            QCOMPARE(t.f1().Liste2->ListIndex(), zeileVon(t, geklickt));
            return;
        }
        QCOMPARE(t.boxen.letzte().text, u("Noch 19 Wörter bis zur Belohnung!\r"));
        // The next task is shown with the request of reading mode.
        QCOMPARE(t.f1().Bezeichnung2->Caption(), u("Klicke auf das richtige Wort ..."));
        QVERIFY(!t.m().Loesungswort.isEmpty());
    }

    void lesemodusMausklick()
    {
        Testprogramm t;
        t.f1().Bild26_Click();
        t.liste({u("Haus"), u("Maus")}, true);
        QListView *v = t.f1().Liste2->view();
        t.boxen.ok();
        klickeZeile(v, zeileVon(t, t.m().Loesungswort));
        QCOMPARE(t.boxen.anzahl(), 1);
        QCOMPARE(t.m().Loesungen, 1);
        // The refilled list shows no selection.
        QCOMPARE(t.f1().Liste2->ListIndex(), -1);
        QVERIFY(v->selectionModel()->selectedIndexes().isEmpty());
    }

    void lesemodusBeiOffenerBelohnungZaehltNichtDoppelt()
    {
        Testprogramm t;
        t.f1().Bild26_Click();
        t.liste({u("Haus"), u("Autobahn")}, true);
        // The word just solved made the reward due; Eingabe holds the games' word.
        t.m().Loesungswort = u("Haus");
        t.m().Eingabe = u("Autobahn");
        t.m().Loesungen = 20;
        t.f1().Liste2->setListIndex(zeileVon(t, u("Haus")));
        QCOMPARE(t.boxen.anzahl(), 0);
        QCOMPARE(t.m().Loesungen, 20);
        QCOMPARE(t.m().Eingabe, u("Autobahn"));
    }

    void schreibmodusKlickHebtAuswahlAuf()
    {
        Testprogramm t;
        t.liste({u("Haus"), u("Maus")}, true);
        const QString loesung = t.m().Loesungswort;
        tippe(t.f1().Bezeichnung1, loesung.left(1));
        QListView *v = t.f1().Liste2->view();
        klickeZeile(v, zeileVon(t, loesung));
        QCOMPARE(t.boxen.anzahl(), 0);
        QCOMPARE(t.f1().Liste2->ListIndex(), -1);
        QVERIFY(v->selectionModel()->selectedIndexes().isEmpty());
        QCOMPARE(t.f1().focusWidget(), v);
        QCOMPARE(t.m().Loesungen, 0);
        // Typing goes on as before.
        tippe(v, u("a"));
        QCOMPARE(t.m().Eingabe, loesung.left(2));
    }

    void hinweisBuchstabe()
    {
        Testprogramm t;
        t.liste({u("Haus")}, true);
        t.f1().Bild15_Click();
        QCOMPARE(t.f1().Bezeichnung9->Caption(), u("H"));
        QCOMPARE(t.m().Fehler, 0);
        // A wrong letter leaves the hint; a right one empties it.
        t.boxen.ok();
        taste(t.f1().Bezeichnung1, QLatin1Char('x'));
        QCOMPARE(t.f1().Bezeichnung9->Caption(), u("H"));
        taste(t.f1().Bezeichnung1, QLatin1Char('H'));
        QCOMPARE(t.f1().Bezeichnung9->Caption(), QString());
        t.f1().Bild15_Click();
        QCOMPARE(t.f1().Bezeichnung9->Caption(), u("a"));
        taste(t.f1().Bezeichnung1, QLatin1Char('1'));
        QCOMPARE(t.f1().Bezeichnung9->Caption(), QString());
        // No task: the hint is empty. Empty list: nothing happens.
        t.m().Loesungswort.clear();
        t.f1().Bild15_Click();
        QCOMPARE(t.f1().Bezeichnung9->Caption(), QString());
        t.f1().Liste1->Clear();
        t.f1().Bezeichnung9->setCaption(u("?"));
        t.f1().Bild15_Click();
        QCOMPARE(t.f1().Bezeichnung9->Caption(), u("?"));
    }

    void loesungZeigen()
    {
        Testprogramm t;
        t.liste({u("Ötzi"), u("groß")}, true);
        const QString loesung = t.m().Loesungswort;
        t.boxen.ok();
        t.f1().Bild11_Click();
        QCOMPARE(t.boxen.anzahl(), 1);
        pruefeBox(t.boxen, loesung == u("groß") ? u("g r o ß ") : u("Ö t z i "), u("Gesuchtes Wort:"));
        QCOMPARE(t.f1().Liste1->ListIndex(), t.m().Wortindex);
        QCOMPARE(t.m().Loesungswort, loesung);
        QCOMPARE(t.m().Loesungen, 0);
        QCOMPARE(t.m().Fehler, 0);
        t.m().Loesungswort.clear();
        t.f1().Bild11_Click();
        QCOMPARE(t.boxen.anzahl(), 1);
    }

    void belohnungsInfo()
    {
        Testprogramm t;
        t.m().Wortmenge = 15;
        t.boxen.ok();
        t.f1().Bild3_Click();
        pruefeBox(t.boxen, u("Nach 15 Lösungen gibt es eine Belohnung!\r"), u("Belohnung"));
    }

    void auswertung_data()
    {
        QTest::addColumn<int>("fehler");
        QTest::addColumn<int>("loesungen");
        QTest::addColumn<QString>("prozent");
        QTest::addColumn<QString>("urteil");
        QTest::newRow("ohne Lösungen keine Box") << 4 << 0 << "" << "";
        QTest::newRow("3/12 = 25") << 3 << 12 << "25" << "Das klappt schon fast gut!";
        QTest::newRow("0/5 = 0") << 0 << 5 << "0" << "Das ist einfach Spitze!";
        QTest::newRow("1/3 = 33,3") << 1 << 3 << "33" << "Schon recht ordentlich!";
        QTest::newRow("1/21 = 4,8") << 1 << 21 << "4" << "Das ist einfach Spitze!";
        QTest::newRow("Grenze 5") << 1 << 20 << "5" << "Das hast du prima gemacht!";
        QTest::newRow("Grenze 10") << 1 << 10 << "10" << "Das hast du gut gemacht!";
        QTest::newRow("Grenze 20") << 1 << 5 << "20" << "Das klappt schon fast gut!";
        QTest::newRow("Grenze 30") << 3 << 10 << "30" << "Schon recht ordentlich!";
        QTest::newRow("Grenze 40") << 2 << 5 << "40" << "Das geht gerade noch so!";
        QTest::newRow("Grenze 50") << 1 << 2 << "50" << "Du musst noch etwas üben!";
        QTest::newRow("Grenze 60") << 3 << 5 << "60" << "Du musst viel mehr üben!";
        QTest::newRow("knapp unter 60") << 59 << 100 << "59" << "Du musst noch etwas üben!";
        QTest::newRow("29 von 100 genau") << 29 << 100 << "29" << "Das klappt schon fast gut!";
        QTest::newRow("99") << 99 << 100 << "99" << "Du musst viel mehr üben!";
        QTest::newRow("über 100") << 5 << 2 << "250" << "Du musst viel mehr üben!";
    }
    void auswertung()
    {
        QFETCH(int, fehler);
        QFETCH(int, loesungen);
        QFETCH(QString, prozent);
        QFETCH(QString, urteil);
        Testprogramm t;
        t.m().Fehler = fehler;
        t.m().Loesungen = loesungen;
        if (loesungen)
            t.boxen.ok();
        t.f1().Bild2_Click();
        QCOMPARE(t.boxen.anzahl(), loesungen ? 1 : 0);
        if (loesungen)
            pruefeBox(t.boxen, u("Du hast ") + prozent + u("% Fehler:\n\r\n\r") + urteil, u("Fehler"), Knoepfe::OK,
                      Symbol::Information);
        QCOMPARE(t.m().Fehler, fehler);
        QCOMPARE(t.m().Loesungen, loesungen);
    }
};

QTEST_MAIN(TestAntworten)
#include "tst_antworten.moc"
