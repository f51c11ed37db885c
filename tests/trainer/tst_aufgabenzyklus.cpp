#include "support/Testprogramm.h"

#include "lists/Form8.h"
#include "renderings/Schreibung.h"
#include "ui/Twips.h"

#include <QFile>
#include <QPushButton>
#include <QSet>
#include <QTest>

namespace {

/// Replaces the word list by `woerter` and starts a fresh pass.
void liste(Testprogramm &t, const QStringList &woerter)
{
    t.f1().Liste1->Clear();
    t.f1().Liste1->addItems(woerter);
    t.m().Benutzt = QString(t.f1().Liste1->ListCount(), QLatin1Char('0'));
    t.m().Leeren();
}

/// Solves the open word as the letter check would, without boxes.
void loesen(Testprogramm &t)
{
    t.m().Eingabe = t.m().Loesungswort;
    t.m().NaechsteAufgabe();
}

QStringList woerter(int n, const QString &stamm = QStringLiteral("Wort"))
{
    QStringList l;
    for (int i = 0; i < n; ++i)
        l << stamm + QString::number(i);
    return l;
}

} // namespace

class TestAufgabenzyklus : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startZeigtWortDerStandardliste();
    void standardlisteSortiert();
    void dreiWoerterDreiZuege();
    void kandidaten_data();
    void kandidaten();
    void kandidatenOhneGenugVerschiedeneWoerter();
    void benutztZuKurz();
    void belohnung_data();
    void belohnung();
    void uebungMittenImWort();
    void uebungWaehrendBelohnung();
    void wortEingabeGrenze();
    void wortEingabeDoppelt();
    void wortEingabeLeer();
    void wortEingabeFuegtHinzu();
    void ganzwortTypen();
    void geheimErklaerungBeiJedemKlick();
    void leereListeTutNichts();
    void beendenFrage();
    void beendenJa();
    void escapeFragtAuchNachEnde();
    void elementeUeberlappenNicht();
};

void TestAufgabenzyklus::startZeigtWortDerStandardliste()
{
    Testprogramm t;
    QCOMPARE(t.m().Uebung, 13);
    QCOMPARE(t.m().Lesemodus, short(0));
    QCOMPARE(t.f1().Bezeichnung8->Caption(), QStringLiteral("Großschrift"));
    QCOMPARE(t.f1().Caption(), QStringLiteral("T i p p o l o"));
    QCOMPARE(t.f1().Liste1->ListCount(), 20);
    QVERIFY(!t.m().Loesungswort.isEmpty());
    QCOMPARE(t.m().Benutzt.size(), 20);
    QCOMPARE(t.m().Benutzt.count(QLatin1Char('1')), 1);
    QCOMPARE(t.f1().Liste1->List(t.m().Wortindex), t.m().Loesungswort);
    QCOMPARE(t.f1().Bezeichnung1->Caption(), Schreibung::gross(t.m().Loesungswort));
    QCOMPARE(t.f1().Bezeichnung3->Caption(), QStringLiteral("0"));
    QCOMPARE(t.f1().Bezeichnung4->Caption(), QStringLiteral("0"));
    QCOMPARE(t.f1().Liste2->ListCount(), 20);
    QCOMPARE(t.f1().Liste2->FontSize(), 12.0);
    QCOMPARE(t.f1().Liste2->hoehe(), 5430);
    QCOMPARE(Twips::links(t.f1().Bild9), 10440);
    QVERIFY(t.f1().Bild26->isVisible());
    QVERIFY(!t.f1().Bild25->isVisible());
    QCOMPARE(t.boxen.anzahl(), 0);
}

void TestAufgabenzyklus::standardlisteSortiert()
{
    Testprogramm t;
    const QStringList erwartet = {
        "Autobahn", "Computer", "Delfin", "durchlesen", "finster", "Fotograf", "fuchsteufelswild",
        "Geburtstagsfeier", "groß", "Hauptbahnhof", "kleinkariert", "Leseabenteuer", "Ötzi", "Puppenhaus",
        "putzig", "schreiben", "Sommerferien", "Stängel", "Tintenfüller", "verlieren"};
    QCOMPARE(t.f1().Liste1->eintraege(), erwartet);
    // The candidate list of a 20-word list is the whole list, sorted the same way.
    QCOMPARE(t.f1().Liste2->eintraege(), erwartet);
}

void TestAufgabenzyklus::dreiWoerterDreiZuege()
{
    Testprogramm t;
    liste(t, {"Maus", "Haus", "Laus"});
    QSet<QString> gesehen;
    for (int i = 0; i < 3; ++i) {
        t.m().Leeren();
        t.m().NaechsteAufgabe();
        gesehen.insert(t.m().Loesungswort);
        QCOMPARE(t.m().Benutzt.count(QLatin1Char('1')), i + 1);
    }
    QCOMPARE(gesehen.size(), 3);
    t.m().Leeren();
    t.m().NaechsteAufgabe();
    QCOMPARE(t.m().Benutzt.size(), 3);
    QCOMPARE(t.m().Benutzt.count(QLatin1Char('1')), 1);
    QCOMPARE(t.m().Benutzt.at(t.m().Wortindex), QLatin1Char('1'));
}

void TestAufgabenzyklus::kandidaten_data()
{
    QTest::addColumn<int>("anzahl");
    QTest::addColumn<int>("erwartet");
    QTest::newRow("19 Wörter") << 19 << 19;
    QTest::newRow("20 Wörter") << 20 << 20;
    QTest::newRow("25 Wörter") << 25 << 20;
    QTest::newRow("1000 Wörter") << 1000 << 20;
}

void TestAufgabenzyklus::kandidaten()
{
    QFETCH(int, anzahl);
    QFETCH(int, erwartet);
    Testprogramm t;
    liste(t, woerter(anzahl));
    for (int runde = 0; runde < 5; ++runde) {
        t.m().Leeren();
        t.m().NaechsteAufgabe();
        const QStringList k = t.f1().Liste2->eintraege();
        QCOMPARE(k.size(), erwartet);
        QCOMPARE(QSet<QString>(k.begin(), k.end()).size(), erwartet);
        QVERIFY(k.contains(t.m().Loesungswort));
        if (anzahl <= 20)
            QCOMPARE(k, t.f1().Liste1->eintraege());
    }
}

void TestAufgabenzyklus::kandidatenOhneGenugVerschiedeneWoerter()
{
    Testprogramm t;
    QStringList l;
    for (int i = 0; i < 30; ++i)
        l << QStringLiteral("W%1").arg(i % 5);
    liste(t, l);
    t.m().NaechsteAufgabe();
    QCOMPARE(t.f1().Liste2->ListCount(), 5);
    QCOMPARE(t.f1().Liste2->eintraege(), QStringList({"W0", "W1", "W2", "W3", "W4"}));
}

void TestAufgabenzyklus::benutztZuKurz()
{
    Testprogramm t;
    liste(t, woerter(8));
    t.m().Benutzt = QStringLiteral("11");  // shorter than the list, as list editing can leave it
    QSet<QString> gesehen;
    for (int i = 0; i < 6; ++i) {
        t.m().Leeren();
        t.m().NaechsteAufgabe();
        QCOMPARE(t.m().Benutzt.size(), 8);
        QVERIFY(t.m().Wortindex >= 2);
        gesehen.insert(t.m().Loesungswort);
    }
    QCOMPARE(gesehen.size(), 6);
}

void TestAufgabenzyklus::belohnung_data()
{
    QTest::addColumn<int>("geloest");
    QTest::addColumn<bool>("faellig");
    QTest::newRow("19") << 19 << false;
    QTest::newRow("20") << 20 << true;
    QTest::newRow("21") << 21 << false;
    QTest::newRow("40") << 40 << true;
}

void TestAufgabenzyklus::belohnung()
{
    QFETCH(int, geloest);
    QFETCH(bool, faellig);
    Testprogramm t;
    t.m().Loesungen = geloest - 1;
    if (faellig)
        t.boxen.ok();
    const QString wort = t.m().Loesungswort;
    loesen(t);
    QCOMPARE(t.m().Loesungen, geloest);
    QCOMPARE(t.f1().Bezeichnung4->Caption(), QString::number(geloest));
    if (!faellig) {
        QCOMPARE(t.boxen.anzahl(), 0);
        QCOMPARE(Twips::links(t.f1().Bild9), 10440);
        QCOMPARE(t.m().Eingabe, QString());
        return;
    }
    QCOMPARE(t.boxen.anzahl(), 1);
    QCOMPARE(t.boxen.letzte().text, QStringLiteral("Jetzt ist eine Belohnung fällig!"));
    QCOMPARE(t.boxen.letzte().titel, QStringLiteral("Belohnung"));
    QCOMPARE(t.boxen.letzte().symbol, Symbol::Information);
    QCOMPARE(t.boxen.letzte().knoepfe, Knoepfe::OK);
    QCOMPARE(Twips::links(t.f1().Bild9), 3000);
    QVERIFY(t.f1().Liste1->eintraege().contains(t.m().Eingabe));
    if (t.m().Eingabe != wort) {
        // The task is held back: the solved word stays until a game is played.
        QCOMPARE(t.m().Loesungswort, wort);
        t.m().NaechsteAufgabe();
        QCOMPARE(t.m().Loesungswort, wort);
    }
}

void TestAufgabenzyklus::uebungMittenImWort()
{
    Testprogramm t;
    t.m().Eingabe = t.m().Loesungswort.left(1);
    const QString vorher = t.m().Loesungswort;
    t.f1().Befehl5_Click();
    QCOMPARE(t.m().Uebung, 5);
    QCOMPARE(t.f1().Bezeichnung8->Caption(), QStringLiteral("Mitlaute"));
    QCOMPARE(t.m().Loesungen, 0);
    QCOMPARE(t.m().Eingabe, QString());
    QVERIFY(!t.m().Loesungswort.isEmpty());
    QVERIFY(t.m().Loesungswort != vorher);
    QCOMPARE(t.m().Benutzt.count(QLatin1Char('1')), 2);
}

void TestAufgabenzyklus::uebungWaehrendBelohnung()
{
    Testprogramm t;
    t.m().Loesungen = 19;
    t.boxen.ok();
    loesen(t);
    QCOMPARE(Twips::links(t.f1().Bild9), 3000);
    t.f1().Befehl21_Click();
    QVERIFY(!t.m().Loesungswort.isEmpty());
    QCOMPARE(t.f1().Bezeichnung1->Caption(), t.m().Loesungswort);
    QCOMPARE(Twips::links(t.f1().Bild9), 3000);
}

void TestAufgabenzyklus::wortEingabeGrenze()
{
    Testprogramm t;
    liste(t, woerter(1000));
    t.m().Uebung = 0;
    t.m().Eingabe = QStringLiteral("Neu");
    t.boxen.ok();
    t.m().NaechsteAufgabe();
    QCOMPARE(t.boxen.letzte().text, QStringLiteral("Kein Worteintrag mehr möglich!\r  Bitte eine neue Liste erstellen!"));
    QCOMPARE(t.boxen.letzte().titel, QStringLiteral("1000 Wörter"));
    QCOMPARE(t.boxen.letzte().symbol, Symbol::Information);
    QCOMPARE(t.f1().Liste1->ListCount(), 1000);
    QCOMPARE(t.m().Eingabe, QStringLiteral("Neu"));
}

void TestAufgabenzyklus::wortEingabeDoppelt()
{
    Testprogramm t;
    liste(t, {"Haus", "Maus"});
    t.m().Uebung = 0;
    t.m().Eingabe = QStringLiteral("haus");
    t.boxen.ok();
    t.m().NaechsteAufgabe();
    QCOMPARE(t.boxen.letzte().text, QStringLiteral("Wort ist schon vorhanden!"));
    QCOMPARE(t.boxen.letzte().titel, QStringLiteral("Worteingabe"));
    QCOMPARE(t.boxen.letzte().symbol, Symbol::Information);
    QCOMPARE(t.f1().Liste1->eintraege(), QStringList({"Haus", "Maus"}));
    QCOMPARE(t.f1().Liste1->ListIndex(), 0);
    QCOMPARE(t.m().Eingabe, QString());
    QCOMPARE(t.f1().Bezeichnung1->Caption(), QStringLiteral("Wort 3 eingeben:"));
}

void TestAufgabenzyklus::wortEingabeLeer()
{
    Testprogramm t;
    t.m().Uebung = 0;
    t.m().Leeren();
    t.m().NaechsteAufgabe();
    QCOMPARE(t.f1().Bezeichnung1->Caption(), QStringLiteral("Wort 21 eingeben:"));
    QCOMPARE(t.f1().Bezeichnung1->FontName(), t.programm->form8().Anzeigeschrift());
    QCOMPARE(t.f1().Bezeichnung2->FontName(), t.programm->form8().Druckschrift());
    QCOMPARE(t.f1().Liste1->ListCount(), 20);
    QCOMPARE(t.boxen.anzahl(), 0);
}

void TestAufgabenzyklus::wortEingabeFuegtHinzu()
{
    Testprogramm t;
    t.m().Uebung = 0;
    t.m().Eingabe = QStringLiteral("Apfel");
    t.m().NaechsteAufgabe();
    QCOMPARE(t.f1().Liste1->ListCount(), 21);
    QCOMPARE(t.f1().Liste1->List(0), QStringLiteral("Apfel"));
    QCOMPARE(t.f1().Liste1->ListIndex(), 20);
    QCOMPARE(t.m().Benutzt, QString(21, QLatin1Char('0')));
    QCOMPARE(t.m().Eingabe, QString());
    // The prompt still shows the number just used; the next call the next one.
    QCOMPARE(t.f1().Bezeichnung1->Caption(), QStringLiteral("Wort 21 eingeben:"));
    t.m().NaechsteAufgabe();
    QCOMPARE(t.f1().Bezeichnung1->Caption(), QStringLiteral("Wort 22 eingeben:"));
}

void TestAufgabenzyklus::ganzwortTypen()
{
    Testprogramm t;
    auto zeige = [&](int typ, const QString &wort) {
        liste(t, {wort});
        t.f1().Befehl_Click(typ);
        return t.f1().Bezeichnung1->Caption();
    };
    QCOMPARE(zeige(13, QStringLiteral("groß")), QStringLiteral("GROß"));
    QCOMPARE(zeige(17, QStringLiteral("Ötzi")), QStringLiteral("ötzi"));
    QCOMPARE(zeige(21, QStringLiteral("Stängel")), QStringLiteral("Stängel"));
    QCOMPARE(zeige(12, QStringLiteral("Stängel")), QStringLiteral("Stängel"));
    QCOMPARE(t.f1().Bezeichnung1->FontName(), t.programm->form8().SpiegelSchrift());
    QCOMPARE(t.f1().Bezeichnung8->Caption(), QStringLiteral("Spiegel"));
    zeige(21, QStringLiteral("Stängel"));
    QCOMPARE(t.f1().Bezeichnung1->FontName(), t.programm->form8().Anzeigeschrift());
    zeige(1, QStringLiteral("Haus"));
    QCOMPARE(t.f1().Bezeichnung1->FontName(), t.programm->form8().AbgedecktSchrift());
    zeige(10, QStringLiteral("Haus"));
    QCOMPARE(t.f1().Bezeichnung1->FontName(), t.programm->form8().WortruinenSchrift());
    zeige(24, QStringLiteral("Haus"));
    QCOMPARE(t.f1().Bezeichnung1->FontName(), t.programm->form8().BildwoerterSchrift());
    QCOMPARE(t.f1().Bezeichnung8->Caption(), QStringLiteral("Bildwörter"));
    zeige(8, QStringLiteral("Haus"));
    QCOMPARE(t.f1().Bezeichnung8->Caption(), QStringLiteral("ABC-Wörter"));
    QCOMPARE(t.f1().Befehl[7]->Caption(), QStringLiteral("ABC-Wort"));

    // Type 20 empties the candidate list and the input line.
    liste(t, {"Haus", "Maus"});
    t.f1().Bezeichnung2->setCaption(QStringLiteral("x"));
    t.f1().Befehl20_Click();
    QCOMPARE(t.f1().Bezeichnung8->Caption(), QStringLiteral("Wortdiktat"));
    QCOMPARE(t.f1().Liste2->ListCount(), 0);
    QCOMPARE(t.f1().Bezeichnung1->Caption(), t.m().Loesungswort);
    QCOMPARE(t.f1().Bezeichnung2->Caption(), QString());
    QCOMPARE(t.boxen.anzahl(), 0);
}

void TestAufgabenzyklus::geheimErklaerungBeiJedemKlick()
{
    Testprogramm t;
    t.boxen.ok();
    t.boxen.ok();
    t.f1().Befehl28_Click();
    const QString erstes = t.m().Loesungswort;
    t.f1().Befehl28_Click();
    QCOMPARE(t.boxen.anzahl(), 2);
    for (const BoxEintrag &b : t.boxen.protokoll()) {
        QCOMPARE(b.text, QStringLiteral("Jeder Mitlaut im Wort muss im  ABC  um einen\r"
                                        "Buchstaben nach rechts verschoben werden!\r"));
        QCOMPARE(b.titel, QStringLiteral("Geheimschrift"));
        QCOMPARE(b.symbol, Symbol::Keins);
        QCOMPARE(b.knoepfe, Knoepfe::OK);
    }
    QVERIFY(t.m().Loesungswort != erstes);
    QCOMPARE(t.f1().Bezeichnung8->Caption(), QStringLiteral("Geheim"));
}

void TestAufgabenzyklus::leereListeTutNichts()
{
    Testprogramm t;
    const QString gezeigt = t.f1().Bezeichnung1->Caption();
    t.f1().Liste1->Clear();
    t.m().Benutzt.clear();
    t.f1().Befehl3_Click();
    QCOMPARE(t.m().Loesungswort, QString());
    QCOMPARE(t.f1().Bezeichnung1->Caption(), gezeigt);
    QCOMPARE(t.f1().Bezeichnung8->Caption(), QStringLiteral("Lückenwort"));
}

void TestAufgabenzyklus::beendenFrage()
{
    Testprogramm t;
    t.m().Eingabe = t.m().Loesungswort.left(2);
    const QString wort = t.m().Loesungswort;
    t.boxen.nein();
    t.f1().Bild1_Click();
    QCOMPARE(t.boxen.anzahl(), 1);
    const BoxEintrag &b = t.boxen.letzte();
    QCOMPARE(b.text, QStringLiteral("Dieses Programm jetzt beenden?\r"));
    QCOMPARE(b.titel, QStringLiteral("TIPPOLO, Release 13.08.2005"));
    QCOMPARE(b.symbol, Symbol::Stop);
    QCOMPARE(b.knoepfe, Knoepfe::JaNein);
    QCOMPARE(b.standard, Antwort::Nein);
    QVERIFY(!t.beendet);
    QVERIFY(t.f1().isVisible());
    QCOMPARE(t.m().Loesungswort, wort);
    QCOMPARE(t.m().Eingabe, wort.left(2));
    QCOMPARE(t.m().Loesungen, 0);
}

void TestAufgabenzyklus::beendenJa()
{
    Testprogramm t;
    t.boxen.ja();
    t.f1().Bild1_Click();
    QVERIFY(t.beendet);
    QVERIFY(!t.f1().isVisible());
}

void TestAufgabenzyklus::escapeFragtAuchNachEnde()
{
    Testprogramm t;
    t.boxen.nein();
    QTest::keyClick(&t.f1(), Qt::Key_Escape);
    QCOMPARE(t.boxen.anzahl(), 1);
    QCOMPARE(t.boxen.letzte().titel, QStringLiteral("TIPPOLO, Release 13.08.2005"));
    QVERIFY(!t.beendet);
}

void TestAufgabenzyklus::elementeUeberlappenNicht()
{
    Testprogramm t;
    QList<QWidget *> sichtbar;
    for (QWidget *w : t.f1().findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (w->isVisible() && !w->objectName().isEmpty() && w != t.f1().Bild9)
            sichtbar << w;
    QVERIFY(sichtbar.size() > 40);
    const QRect fenster(QPoint(0, 0), t.f1().size());
    for (int i = 0; i < sichtbar.size(); ++i) {
        QVERIFY2(fenster.contains(sichtbar[i]->geometry()), qPrintable(sichtbar[i]->objectName()));
        for (int j = i + 1; j < sichtbar.size(); ++j)
            QVERIFY2(!sichtbar[i]->geometry().intersects(sichtbar[j]->geometry()),
                     qPrintable(sichtbar[i]->objectName() + " / " + sichtbar[j]->objectName()));
    }
    for (int n = 1; n <= 28; ++n)
        QCOMPARE(t.f1().findChild<QPushButton *>(QStringLiteral("Befehl%1").arg(n))->text(), Form1::Knopfbeschriftung(n));
    for (const char *name : {"Bild1", "Bild2", "Bild3", "Bild5", "Bild6", "Bild7", "Bild10", "Bild11", "Bild13",
                             "Bild14", "Bild15", "Bild16", "Bild17", "Bild21", "Bild23", "Bild25", "Bild26"}) {
        auto *b = t.f1().findChild<Bild *>(QString::fromLatin1(name));
        QVERIFY2(b && !b->Picture().isEmpty(), name);
        QVERIFY2(QFile::exists(b->Picture()), name);
    }
}

QTEST_MAIN(TestAufgabenzyklus)
#include "tst_aufgabenzyklus.moc"
