// Answer checking through real key events and clicks: the letter check, the
// special keys, the progress message, reading mode, the helps and the
// evaluation.
#include "support/Testprogramm.h"

#include "ui/Twips.h"

#include <QListView>
#include <QTest>

namespace {

const QString kRichtig = u("Richtig, weiter so!");

struct Getippt { QString wort, getippt; int fehler; QString eingabe; int loesungen; };
struct Fortschritt { int wortmenge, loesungen; QString text, titel; };
struct Auswertung { int fehler, loesungen; QString prozent, urteil; };

int zeileVon(Testprogramm &t, const QString &wort)
{
    return static_cast<int>(t.f1().Liste2->eintraege().indexOf(wort));
}

void klickeZeile(QListView *v, int zeile)
{
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(v->model()->index(zeile, 0)).center());
}

/// A program with `woerter` as the list and a task drawn from it.
struct Aufgabe : Testprogramm
{
    explicit Aufgabe(const QStringList &woerter, bool lesemodus = false)
    {
        if (lesemodus)
            f1().Bild26_Click();
        liste(woerter, true);
    }
};

} // namespace

Q_DECLARE_METATYPE(Getippt)
Q_DECLARE_METATYPE(Fortschritt)
Q_DECLARE_METATYPE(Auswertung)

class TestAntworten : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void falscherBuchstabeWirdGemeldetUndGezaehlt()
    {
        Aufgabe t({u("Haus")});
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
        QTest::addColumn<Getippt>("f");
        QTest::newRow("ß vollendet groß") << Getippt{u("groß"), u("groß"), 0, {}, 1};
        QTest::newRow("Ötzi mit Ö") << Getippt{u("Ötzi"), u("Ötzi"), 0, {}, 1};
        QTest::newRow("Ötzi ohne Ö") << Getippt{u("Ötzi"), u("Otzi"), 4, {}, 0};
        QTest::newRow("Stängel mit ä") << Getippt{u("Stängel"), u("Stängel"), 0, {}, 1};
        QTest::newRow("ss statt ß") << Getippt{u("Fuß"), u("Fuss"), 2, u("Fu"), 0};
        QTest::newRow("Großbuchstaben sind andere") << Getippt{u("Haus"), u("HAUS"), 3, u("H"), 0};
        QTest::newRow("Ziffern, Leerzeichen, Enter") << Getippt{u("Haus"), u("H1a \r.u-s"), 0, {}, 1};
        QTest::newRow("Bindestrich nicht tippbar") << Getippt{u("Ab-Zug"), u("Ab-Zug"), 3, u("Ab"), 0};
        QTest::newRow("zu lang") << Getippt{u("Ei"), u("E"), 0, u("E"), 0};
        QTest::newRow("Rücktaste, leer bleibt leer") << Getippt{u("Haus"), u("\b"), 0, {}, 0};
        QTest::newRow("Rücktaste, Ha wird H") << Getippt{u("Haus"), u("Ha\b"), 0, u("H"), 0};
        QTest::newRow("Rücktaste, dann fertig") << Getippt{u("Haus"), u("H\bHaus"), 0, {}, 1};
    }
    void getippteWoerter()
    {
        QFETCH(Getippt, f);
        Aufgabe t({f.wort});
        t.boxen.setStreng(false);
        tippe(t.f1().Bezeichnung1, f.getippt);
        QCOMPARE(anzahlBoxen(t.boxen, u("Eingabefehler")), f.fehler);
        QCOMPARE(t.m().Fehler, f.fehler);
        QCOMPARE(t.f1().Bezeichnung3->Caption(), QString::number(f.fehler));
        QCOMPARE(t.m().Eingabe, f.eingabe);
        QCOMPARE(t.f1().Bezeichnung2->Caption(), f.eingabe);
        QCOMPARE(t.m().Loesungen, f.loesungen);
        QCOMPARE(anzahlBoxen(t.boxen, kRichtig), f.loesungen);
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
        Aufgabe t({u("Haus")});
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
        QTest::addColumn<Fortschritt>("f");
        QTest::newRow("erstes Wort") << Fortschritt{20, 0, u("Noch 19 Wörter bis zur Belohnung!\r"), kRichtig};
        QTest::newRow("vorletztes Wort") << Fortschritt{20, 17, u("Noch 2 Wörter bis zur Belohnung!\r"), kRichtig};
        QTest::newRow("ein Wort fehlt") << Fortschritt{20, 18, u("Noch 1 Wort bis zur Belohnung!\r"), kRichtig};
        QTest::newRow("nach der Belohnung") << Fortschritt{20, 20, u("Noch 19 Wörter bis zur Belohnung!\r"), kRichtig};
        QTest::newRow("Wortmenge 10") << Fortschritt{10, 25, u("Noch 4 Wörter bis zur Belohnung!\r"), kRichtig};
        QTest::newRow("Belohnung fällig") << Fortschritt{20, 19, u("Jetzt ist eine Belohnung fällig!"), u("Belohnung")};
    }
    void fortschritt()
    {
        QFETCH(Fortschritt, f);
        Aufgabe t({u("Haus"), u("Maus")});
        t.m().Wortmenge = f.wortmenge;
        t.m().Loesungen = f.loesungen;
        t.boxen.ok();
        tippe(t.f1().Bezeichnung1, t.m().Loesungswort);
        QCOMPARE(t.boxen.anzahl(), 1);
        const bool richtig = f.titel == kRichtig;
        pruefeBox(t.boxen, f.text, f.titel, Knoepfe::OK, richtig ? Symbol::Keins : Symbol::Information);
        QCOMPARE(t.m().Loesungen, f.loesungen + 1);
        QCOMPARE(Twips::links(t.f1().Bild9), richtig ? 10440 : 3000);
    }

    void tippenBeiOffenerBelohnung()
    {
        // A reward is pending: Eingabe holds a word drawn for the games.
        Aufgabe t({u("Haus"), u("Autobahn")});
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
        Aufgabe t({loesung, u("Maus")}, true);
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
        Aufgabe t({u("Haus"), u("Maus")}, true);
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
        Aufgabe t({u("Haus"), u("Autobahn")}, true);
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
        Aufgabe t({u("Haus"), u("Maus")});
        const QString loesung = t.m().Loesungswort;
        tippe(t.f1().Bezeichnung1, loesung.left(1));
        QListView *v = t.f1().Liste2->view();
        klickeZeile(v, zeileVon(t, loesung));
        QCOMPARE(t.boxen.anzahl(), 0);
        QCOMPARE(t.f1().Liste2->ListIndex(), -1);
        QVERIFY(v->selectionModel()->selectedIndexes().isEmpty());
        QCOMPARE(t.f1().focusWidget(), v);
        QCOMPARE(t.m().Loesungen, 0);
        // Typing goes on as before: the key preview sees the keys typed on the list.
        tippe(v, u("a"));
        QCOMPARE(t.m().Eingabe, loesung.left(2));
        t.boxen.ok();
        taste(v, QLatin1Char('x'));
        QCOMPARE(t.boxen.letzte().text, u("Buchstabe  >x<  ist falsch!"));
        QCOMPARE(t.m().Fehler, 1);
        QCOMPARE(t.f1().Liste2->ListIndex(), -1);
    }

    void hinweisBuchstabe()
    {
        Aufgabe t({u("Haus")});
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
        Aufgabe t({u("Ötzi"), u("groß")});
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
        QTest::addColumn<Auswertung>("f");
        QTest::newRow("ohne Lösungen keine Box") << Auswertung{4, 0, {}, {}};
        QTest::newRow("0/5 = 0") << Auswertung{0, 5, u("0"), u("Das ist einfach Spitze!")};
        QTest::newRow("1/3 = 33,3") << Auswertung{1, 3, u("33"), u("Schon recht ordentlich!")};
        QTest::newRow("1/21 = 4,8") << Auswertung{1, 21, u("4"), u("Das ist einfach Spitze!")};
        QTest::newRow("Grenze 5") << Auswertung{1, 20, u("5"), u("Das hast du prima gemacht!")};
        QTest::newRow("Grenze 10") << Auswertung{1, 10, u("10"), u("Das hast du gut gemacht!")};
        QTest::newRow("Grenze 20") << Auswertung{1, 5, u("20"), u("Das klappt schon fast gut!")};
        QTest::newRow("Grenze 30") << Auswertung{3, 10, u("30"), u("Schon recht ordentlich!")};
        QTest::newRow("Grenze 40") << Auswertung{2, 5, u("40"), u("Das geht gerade noch so!")};
        QTest::newRow("Grenze 50") << Auswertung{1, 2, u("50"), u("Du musst noch etwas üben!")};
        QTest::newRow("Grenze 60") << Auswertung{3, 5, u("60"), u("Du musst viel mehr üben!")};
        QTest::newRow("knapp unter 60") << Auswertung{59, 100, u("59"), u("Du musst noch etwas üben!")};
        QTest::newRow("29 von 100 genau") << Auswertung{29, 100, u("29"), u("Das klappt schon fast gut!")};
        QTest::newRow("über 100") << Auswertung{5, 2, u("250"), u("Du musst viel mehr üben!")};
    }
    void auswertung()
    {
        QFETCH(Auswertung, f);
        Testprogramm t;
        t.m().Fehler = f.fehler;
        t.m().Loesungen = f.loesungen;
        if (f.loesungen)
            t.boxen.ok();
        t.f1().Bild2_Click();
        QCOMPARE(t.boxen.anzahl(), f.loesungen ? 1 : 0);
        if (f.loesungen)
            pruefeBox(t.boxen, u("Du hast %1% Fehler:\n\r\n\r%2").arg(f.prozent, f.urteil), u("Fehler"), Knoepfe::OK,
                      Symbol::Information);
        QCOMPARE(t.m().Fehler, f.fehler);
        QCOMPARE(t.m().Loesungen, f.loesungen);
    }
};

QTEST_MAIN(TestAntworten)
#include "tst_antworten.moc"
