// Answer checking through real key events and clicks: the letter check, the
// special keys, the progress message, reading mode, the helps and the
// evaluation.
#include "support/Testprogramm.h"

#include "ui/Twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QTest>

namespace {

/// Sends one key, as the keyboard would, to an element of a window.
void taste(QWidget *ziel, QChar c)
{
    int key = 0;
    if (c == QLatin1Char('\r'))
        key = Qt::Key_Return;
    else if (c == QLatin1Char('\b'))
        key = Qt::Key_Backspace;
    else if (c == QChar(27))
        key = Qt::Key_Escape;
    else if (c.unicode() < 0x100)
        key = c.toUpper().unicode();  // Qt's key codes of the Latin-1 letters
    QKeyEvent druck(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
    QApplication::sendEvent(ziel, &druck);
    QKeyEvent los(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
    QApplication::sendEvent(ziel, &los);
}

void tippe(QWidget *ziel, const QString &text)
{
    for (QChar c : text)
        taste(ziel, c);
}

/// Makes `woerter` the word list and draws a new task from it.
void listeVorgeben(Testprogramm &t, const QStringList &woerter)
{
    t.f1().Liste1->Clear();
    t.f1().Liste1->addItems(woerter);
    t.m().Benutzt = QString(static_cast<int>(woerter.size()), QLatin1Char('0'));
    t.m().Leeren();
    t.m().NaechsteAufgabe();
}

int anzahlBoxen(const Testprogramm &t, const QString &titel)
{
    int n = 0;
    for (const BoxEintrag &e : t.boxen.protokoll())
        n += e.titel == titel ? 1 : 0;
    return n;
}

} // namespace

class TestAntworten : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void falscherBuchstabeWirdGemeldetUndGezaehlt();
    void getippteWoerter_data();
    void getippteWoerter();
    void tastenAufDerListeZaehlenAuch();
    void ruecktaste_data();
    void ruecktaste();
    void worteingabeNimmtJedenBuchstaben();
    void escapeFragtNachDemEnde();
    void fortschritt_data();
    void fortschritt();
    void belohnungFaelligKeinFortschritt();
    void tippenBeiOffenerBelohnung();
    void wortdiktatVerschwindetBeiJederTaste_data();
    void wortdiktatVerschwindetBeiJederTaste();
    void lesemodusKlick_data();
    void lesemodusKlick();
    void lesemodusFalscherKlickBleibtStill();
    void lesemodusMausklick();
    void lesemodusBeiOffenerBelohnungZaehltNichtDoppelt();
    void schreibmodusKlickHebtAuswahlAuf();
    void hinweisBuchstabe();
    void loesungZeigen();
    void belohnungsInfo();
    void auswertung_data();
    void auswertung();
    void auswertungOhneLoesungen();
};

void TestAntworten::falscherBuchstabeWirdGemeldetUndGezaehlt()
{
    Testprogramm t;
    listeVorgeben(t, {QStringLiteral("Haus")});
    QCOMPARE(t.m().Loesungswort, QStringLiteral("Haus"));

    t.boxen.ok();
    QTest::keyClick(t.f1().Bezeichnung1, 'h');
    QCOMPARE(t.boxen.anzahl(), 1);
    const BoxEintrag &fehler = t.boxen.letzte();
    QCOMPARE(fehler.text, QStringLiteral("Buchstabe  >h<  ist falsch!"));
    QCOMPARE(fehler.titel, QStringLiteral("Eingabefehler"));
    QCOMPARE(fehler.symbol, Symbol::Information);
    QCOMPARE(fehler.knoepfe, Knoepfe::OK);
    QCOMPARE(t.m().Fehler, 1);
    QCOMPARE(t.f1().Bezeichnung3->Caption(), QStringLiteral("1"));
    QCOMPARE(t.m().Eingabe, QString());

    tippe(t.f1().Bezeichnung1, QStringLiteral("Ha"));
    QCOMPARE(t.m().Eingabe, QStringLiteral("Ha"));
    QCOMPARE(t.f1().Bezeichnung2->Caption(), QStringLiteral("Ha"));

    t.boxen.ok();
    tippe(t.f1().Bezeichnung1, QStringLiteral("us"));
    QCOMPARE(t.boxen.anzahl(), 2);
    QCOMPARE(t.boxen.letzte().titel, QStringLiteral("Richtig, weiter so!"));
    QCOMPARE(t.m().Loesungen, 1);
    QCOMPARE(t.f1().Bezeichnung4->Caption(), QStringLiteral("1"));
    QCOMPARE(t.m().Fehler, 1);
    // The next task is open: the only word of the list again, nothing typed.
    QCOMPARE(t.m().Loesungswort, QStringLiteral("Haus"));
    QCOMPARE(t.m().Eingabe, QString());
    QCOMPARE(t.f1().Bezeichnung2->Caption(), QString());
}

void TestAntworten::getippteWoerter_data()
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
}

void TestAntworten::getippteWoerter()
{
    QFETCH(QString, wort);
    QFETCH(QString, getippt);
    QFETCH(int, fehler);
    QFETCH(QString, eingabe);
    QFETCH(int, loesungen);

    Testprogramm t;
    t.boxen.setStreng(false);
    listeVorgeben(t, {wort});
    tippe(t.f1().Bezeichnung1, getippt);
    QCOMPARE(anzahlBoxen(t, QStringLiteral("Eingabefehler")), fehler);
    QCOMPARE(t.m().Fehler, fehler);
    QCOMPARE(t.f1().Bezeichnung3->Caption(), QString::number(fehler));
    QCOMPARE(t.m().Eingabe, eingabe);
    QCOMPARE(t.f1().Bezeichnung2->Caption(), eingabe);
    QCOMPARE(t.m().Loesungen, loesungen);
    QCOMPARE(anzahlBoxen(t, QStringLiteral("Richtig, weiter so!")), loesungen);
}

void TestAntworten::tastenAufDerListeZaehlenAuch()
{
    // The key preview sees keys typed while the candidate list has the focus.
    Testprogramm t;
    listeVorgeben(t, {QStringLiteral("Haus")});
    QListView *liste = t.f1().Liste2->view();
    tippe(liste, QStringLiteral("Ha"));
    QCOMPARE(t.m().Eingabe, QStringLiteral("Ha"));
    t.boxen.ok();
    taste(liste, QLatin1Char('x'));
    QCOMPARE(t.boxen.letzte().text, QStringLiteral("Buchstabe  >x<  ist falsch!"));
    QCOMPARE(t.m().Fehler, 1);
    QCOMPARE(t.f1().Liste2->ListIndex(), -1);
}

void TestAntworten::ruecktaste_data()
{
    QTest::addColumn<QString>("vorher");
    QTest::addColumn<QString>("nachher");
    QTest::newRow("leer bleibt leer") << "" << "";
    QTest::newRow("Ha wird H") << "Ha" << "H";
    QTest::newRow("H wird leer") << "H" << "";
}

void TestAntworten::ruecktaste()
{
    QFETCH(QString, vorher);
    QFETCH(QString, nachher);
    Testprogramm t;
    listeVorgeben(t, {QStringLiteral("Haus")});
    tippe(t.f1().Bezeichnung1, vorher);
    taste(t.f1().Bezeichnung1, QLatin1Char('\b'));
    QCOMPARE(t.m().Eingabe, nachher);
    QCOMPARE(t.f1().Bezeichnung2->Caption(), nachher);
    QCOMPARE(t.m().Fehler, 0);
    // The word can still be finished.
    t.boxen.ok();
    tippe(t.f1().Bezeichnung1, QStringLiteral("Haus").mid(nachher.size()));
    QCOMPARE(t.m().Loesungen, 1);
}

void TestAntworten::worteingabeNimmtJedenBuchstaben()
{
    Testprogramm t;
    t.m().Uebung = 0;
    t.m().Leeren();
    tippe(t.f1().Bezeichnung1, QStringLiteral("Maus1 \r"));
    QVERIFY(t.f1().Liste1->eintraege().contains(QStringLiteral("Maus")));
    QCOMPARE(t.f1().Liste1->ListCount(), 21);
    QCOMPARE(t.m().Eingabe, QString());
    QCOMPARE(t.m().Fehler, 0);
    QCOMPARE(t.boxen.anzahl(), 0);
}

void TestAntworten::escapeFragtNachDemEnde()
{
    Testprogramm t;
    listeVorgeben(t, {QStringLiteral("Haus")});
    tippe(t.f1().Bezeichnung1, QStringLiteral("Ha"));
    t.boxen.nein();
    taste(t.f1().Bezeichnung1, QChar(27));
    QCOMPARE(t.boxen.anzahl(), 1);
    QCOMPARE(t.boxen.letzte().titel, QStringLiteral("TIPPOLO, Release 13.08.2005"));
    QVERIFY(!t.beendet);
    QCOMPARE(t.m().Eingabe, QStringLiteral("Ha"));
    QCOMPARE(t.f1().Bezeichnung2->Caption(), QStringLiteral("Ha"));

    t.boxen.ja();
    taste(t.f1().Bezeichnung1, QChar(27));
    QVERIFY(t.beendet);
    QCOMPARE(t.boxen.anzahl(), 2);
}

void TestAntworten::fortschritt_data()
{
    QTest::addColumn<int>("wortmenge");
    QTest::addColumn<int>("loesungen");
    QTest::addColumn<QString>("text");
    QTest::newRow("erstes Wort") << 20 << 0 << "Noch 19 Wörter bis zur Belohnung!\r";
    QTest::newRow("vorletztes Wort") << 20 << 17 << "Noch 2 Wörter bis zur Belohnung!\r";
    QTest::newRow("ein Wort fehlt") << 20 << 18 << "Noch 1 Wort bis zur Belohnung!\r";
    QTest::newRow("nach der Belohnung") << 20 << 20 << "Noch 19 Wörter bis zur Belohnung!\r";
    QTest::newRow("Wortmenge 10") << 10 << 25 << "Noch 4 Wörter bis zur Belohnung!\r";
}

void TestAntworten::fortschritt()
{
    QFETCH(int, wortmenge);
    QFETCH(int, loesungen);
    QFETCH(QString, text);
    Testprogramm t;
    listeVorgeben(t, {QStringLiteral("Haus")});
    t.m().Wortmenge = wortmenge;
    t.m().Loesungen = loesungen;
    t.boxen.ok();
    tippe(t.f1().Bezeichnung1, QStringLiteral("Haus"));
    QCOMPARE(t.boxen.anzahl(), 1);
    const BoxEintrag &b = t.boxen.letzte();
    QCOMPARE(b.text, text);
    QCOMPARE(b.titel, QStringLiteral("Richtig, weiter so!"));
    QCOMPARE(b.symbol, Symbol::Keins);
    QCOMPARE(b.knoepfe, Knoepfe::OK);
    QCOMPARE(t.m().Loesungen, loesungen + 1);
}

void TestAntworten::belohnungFaelligKeinFortschritt()
{
    Testprogramm t;
    listeVorgeben(t, {QStringLiteral("Haus"), QStringLiteral("Maus")});
    const QString geloest = t.m().Loesungswort;
    t.m().Loesungen = 19;
    t.boxen.ok();
    tippe(t.f1().Bezeichnung1, geloest);
    QCOMPARE(t.boxen.anzahl(), 1);
    QCOMPARE(t.boxen.letzte().text, QStringLiteral("Jetzt ist eine Belohnung fällig!"));
    QCOMPARE(t.m().Loesungen, 20);
    QCOMPARE(Twips::links(t.f1().Bild9), 3000);
}

void TestAntworten::tippenBeiOffenerBelohnung()
{
    // A reward is pending: Eingabe holds a word drawn for the games.
    Testprogramm t;
    listeVorgeben(t, {QStringLiteral("Haus"), QStringLiteral("Autobahn")});
    t.m().Loesungswort = QStringLiteral("Haus");
    t.m().Eingabe = QStringLiteral("Autobahn");
    t.boxen.ok();
    taste(t.f1().Bezeichnung1, QLatin1Char('a'));
    QCOMPARE(t.boxen.anzahl(), 1);
    QCOMPARE(t.boxen.letzte().text, QStringLiteral("Buchstabe  >a<  ist falsch!"));
    QCOMPARE(t.m().Fehler, 1);
    QCOMPARE(t.m().Eingabe, QStringLiteral("Autobahn"));
    // Enter does not start a new task while the reward is pending.
    taste(t.f1().Bezeichnung1, QLatin1Char('\r'));
    QCOMPARE(t.m().Loesungswort, QStringLiteral("Haus"));
    QCOMPARE(t.m().Loesungen, 0);
}

void TestAntworten::wortdiktatVerschwindetBeiJederTaste_data()
{
    QTest::addColumn<QString>("zeichen");
    QTest::addColumn<int>("fehler");
    QTest::newRow("richtiger Buchstabe") << "H" << 0;
    QTest::newRow("falscher Buchstabe") << "x" << 1;
    QTest::newRow("Ziffer") << "7" << 0;
    QTest::newRow("Leerzeichen") << " " << 0;
    QTest::newRow("Rücktaste") << "\b" << 0;
}

void TestAntworten::wortdiktatVerschwindetBeiJederTaste()
{
    QFETCH(QString, zeichen);
    QFETCH(int, fehler);
    Testprogramm t;
    t.boxen.setStreng(false);
    t.f1().Befehl20_Click();
    listeVorgeben(t, {QStringLiteral("Haus")});
    QVERIFY(!t.f1().Bezeichnung1->Caption().isEmpty());
    taste(t.f1().Bezeichnung1, zeichen.at(0));
    QCOMPARE(t.f1().Bezeichnung1->Caption(), QString());
    QCOMPARE(t.m().Fehler, fehler);
}

void TestAntworten::lesemodusKlick_data()
{
    QTest::addColumn<QString>("loesung");
    QTest::addColumn<QString>("geklickt");
    QTest::newRow("gleich") << "Haus" << "Haus";
    QTest::newRow("klein geschrieben") << "Haus" << "haus";
    QTest::newRow("Umlaut klein") << "Ötzi" << "ötzi";
    QTest::newRow("mit Bindestrich") << "Ab-Zug" << "Ab-Zug";
}

void TestAntworten::lesemodusKlick()
{
    QFETCH(QString, loesung);
    QFETCH(QString, geklickt);
    Testprogramm t;
    t.f1().Bild26_Click();
    listeVorgeben(t, {loesung, QStringLiteral("Maus")});
    t.m().Loesungswort = loesung;
    t.f1().Liste2->Clear();
    t.f1().Liste2->addItems({geklickt, QStringLiteral("Maus")});
    const int zeile = static_cast<int>(t.f1().Liste2->eintraege().indexOf(geklickt));

    t.boxen.ok();
    t.f1().Liste2->setListIndex(zeile);
    QCOMPARE(t.boxen.anzahl(), 1);
    QCOMPARE(t.boxen.letzte().text, QStringLiteral("Noch 19 Wörter bis zur Belohnung!\r"));
    QCOMPARE(t.m().Loesungen, 1);
    QCOMPARE(t.m().Fehler, 0);
    // The next task is shown with the request of reading mode.
    QCOMPARE(t.f1().Bezeichnung2->Caption(), QStringLiteral("Klicke auf das richtige Wort ..."));
    QVERIFY(!t.m().Loesungswort.isEmpty());
}

void TestAntworten::lesemodusFalscherKlickBleibtStill()
{
    Testprogramm t;
    t.f1().Bild26_Click();
    listeVorgeben(t, {QStringLiteral("Haus"), QStringLiteral("Maus")});
    const QString loesung = t.m().Loesungswort;
    const int falsch = loesung == QStringLiteral("Haus") ? 1 : 0;
    t.f1().Liste2->setListIndex(falsch);  // a strict box would fail here
    QCOMPARE(t.boxen.anzahl(), 0);
    QCOMPARE(t.m().Fehler, 0);
    QCOMPARE(t.m().Loesungen, 0);
    QCOMPARE(t.m().Loesungswort, loesung);
    QCOMPARE(t.f1().Liste2->ListIndex(), falsch);
}

void TestAntworten::lesemodusMausklick()
{
    Testprogramm t;
    t.f1().Bild26_Click();
    listeVorgeben(t, {QStringLiteral("Haus"), QStringLiteral("Maus")});
    const QString loesung = t.m().Loesungswort;
    QListView *v = t.f1().Liste2->view();
    const int zeile = static_cast<int>(t.f1().Liste2->eintraege().indexOf(loesung));
    t.boxen.ok();
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(v->model()->index(zeile, 0)).center());
    QCOMPARE(t.boxen.anzahl(), 1);
    QCOMPARE(t.m().Loesungen, 1);
    // The refilled list shows no selection.
    QCOMPARE(t.f1().Liste2->ListIndex(), -1);
    QVERIFY(v->selectionModel()->selectedIndexes().isEmpty());
}

void TestAntworten::lesemodusBeiOffenerBelohnungZaehltNichtDoppelt()
{
    Testprogramm t;
    t.f1().Bild26_Click();
    listeVorgeben(t, {QStringLiteral("Haus"), QStringLiteral("Autobahn")});
    // The word just solved made the reward due; Eingabe holds the games' word.
    t.m().Loesungswort = QStringLiteral("Haus");
    t.m().Eingabe = QStringLiteral("Autobahn");
    t.m().Loesungen = 20;
    t.f1().Liste2->setListIndex(static_cast<int>(t.f1().Liste2->eintraege().indexOf(QStringLiteral("Haus"))));
    QCOMPARE(t.boxen.anzahl(), 0);
    QCOMPARE(t.m().Loesungen, 20);
    QCOMPARE(t.m().Eingabe, QStringLiteral("Autobahn"));
}

void TestAntworten::schreibmodusKlickHebtAuswahlAuf()
{
    Testprogramm t;
    listeVorgeben(t, {QStringLiteral("Haus"), QStringLiteral("Maus")});
    const QString loesung = t.m().Loesungswort;
    tippe(t.f1().Bezeichnung1, loesung.left(1));
    QListView *v = t.f1().Liste2->view();
    const int zeile = static_cast<int>(t.f1().Liste2->eintraege().indexOf(loesung));
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(v->model()->index(zeile, 0)).center());
    QCOMPARE(t.boxen.anzahl(), 0);
    QCOMPARE(t.f1().Liste2->ListIndex(), -1);
    QVERIFY(v->selectionModel()->selectedIndexes().isEmpty());
    QCOMPARE(t.f1().focusWidget(), v);
    QCOMPARE(t.m().Loesungen, 0);
    QCOMPARE(t.m().Eingabe, loesung.left(1));
    // Typing goes on as before.
    tippe(v, QStringLiteral("a"));
    QCOMPARE(t.m().Eingabe, loesung.left(2));
}

void TestAntworten::hinweisBuchstabe()
{
    Testprogramm t;
    listeVorgeben(t, {QStringLiteral("Haus")});
    t.f1().Bild15_Click();
    QCOMPARE(t.f1().Bezeichnung9->Caption(), QStringLiteral("H"));
    QCOMPARE(t.m().Fehler, 0);

    // A wrong letter leaves the hint; a right one empties it.
    t.boxen.ok();
    taste(t.f1().Bezeichnung1, QLatin1Char('x'));
    QCOMPARE(t.f1().Bezeichnung9->Caption(), QStringLiteral("H"));
    taste(t.f1().Bezeichnung1, QLatin1Char('H'));
    QCOMPARE(t.f1().Bezeichnung9->Caption(), QString());
    t.f1().Bild15_Click();
    QCOMPARE(t.f1().Bezeichnung9->Caption(), QStringLiteral("a"));
    taste(t.f1().Bezeichnung1, QLatin1Char('1'));
    QCOMPARE(t.f1().Bezeichnung9->Caption(), QString());

    // No task: the hint is empty. Empty list: nothing happens.
    t.m().Loesungswort.clear();
    t.f1().Bild15_Click();
    QCOMPARE(t.f1().Bezeichnung9->Caption(), QString());
    t.f1().Liste1->Clear();
    t.f1().Bezeichnung9->setCaption(QStringLiteral("?"));
    t.f1().Bild15_Click();
    QCOMPARE(t.f1().Bezeichnung9->Caption(), QStringLiteral("?"));
}

void TestAntworten::loesungZeigen()
{
    Testprogramm t;
    listeVorgeben(t, {QStringLiteral("Ötzi"), QStringLiteral("groß")});
    const QString loesung = t.m().Loesungswort;
    t.boxen.ok();
    t.f1().Bild11_Click();
    QCOMPARE(t.boxen.anzahl(), 1);
    const BoxEintrag &b = t.boxen.letzte();
    QCOMPARE(b.text, loesung == QStringLiteral("groß") ? QStringLiteral("g r o ß ") : QStringLiteral("Ö t z i "));
    QCOMPARE(b.titel, QStringLiteral("Gesuchtes Wort:"));
    QCOMPARE(b.symbol, Symbol::Keins);
    QCOMPARE(t.f1().Liste1->ListIndex(), t.m().Wortindex);
    QCOMPARE(t.m().Loesungswort, loesung);
    QCOMPARE(t.m().Loesungen, 0);
    QCOMPARE(t.m().Fehler, 0);

    t.m().Loesungswort.clear();
    t.f1().Bild11_Click();
    QCOMPARE(t.boxen.anzahl(), 1);
}

void TestAntworten::belohnungsInfo()
{
    Testprogramm t;
    t.m().Wortmenge = 15;
    t.boxen.ok();
    t.f1().Bild3_Click();
    const BoxEintrag &b = t.boxen.letzte();
    QCOMPARE(b.text, QStringLiteral("Nach 15 Lösungen gibt es eine Belohnung!\r"));
    QCOMPARE(b.titel, QStringLiteral("Belohnung"));
    QCOMPARE(b.symbol, Symbol::Keins);
    QCOMPARE(b.knoepfe, Knoepfe::OK);
}

void TestAntworten::auswertung_data()
{
    QTest::addColumn<int>("fehler");
    QTest::addColumn<int>("loesungen");
    QTest::addColumn<QString>("prozent");
    QTest::addColumn<QString>("urteil");

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

void TestAntworten::auswertung()
{
    QFETCH(int, fehler);
    QFETCH(int, loesungen);
    QFETCH(QString, prozent);
    QFETCH(QString, urteil);
    Testprogramm t;
    t.m().Fehler = fehler;
    t.m().Loesungen = loesungen;
    t.boxen.ok();
    t.f1().Bild2_Click();
    QCOMPARE(t.boxen.anzahl(), 1);
    const BoxEintrag &b = t.boxen.letzte();
    QCOMPARE(b.text, QStringLiteral("Du hast ") + prozent + QStringLiteral("% Fehler:\n\r\n\r") + urteil);
    QCOMPARE(b.titel, QStringLiteral("Fehler"));
    QCOMPARE(b.symbol, Symbol::Information);
    QCOMPARE(b.knoepfe, Knoepfe::OK);
    QCOMPARE(t.m().Fehler, fehler);
    QCOMPARE(t.m().Loesungen, loesungen);
}

void TestAntworten::auswertungOhneLoesungen()
{
    Testprogramm t;
    t.m().Fehler = 4;
    t.f1().Bild2_Click();
    QCOMPARE(t.boxen.anzahl(), 0);
}

QTEST_MAIN(TestAntworten)
#include "tst_antworten.moc"
