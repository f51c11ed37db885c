#include "Spielhilfen.h"

#include "games/galgen.h"
#include "ui/Twips.h"

#include <QDir>
#include <QListView>
#include <QTest>

class TestGalgen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startZiehtWortAusKandidatenliste();
    void buchstabenlisteZweiZeilen();
    void mehrfacherBuchstabeUeberallAufgedeckt();
    void trefferZeigtSchreibungDesWortes_data();
    void trefferZeigtSchreibungDesWortes();
    void markierterBuchstabeNochmalGeklickt();
    void fehlerZeigenGalgenTeile_data();
    void fehlerZeigenGalgenTeile();
    void zehnterFehlerVerliert();
    void gewinnZaehltMarkierteBuchstaben();
    void unvollendbaresWortNurAbbrechen();
    void leeresWortJederBuchstabeFehler();
    void abbrechenMitFrage();
    void schliessenUeberRahmenFragt();
    void bestenlisteNichtSpeicherbar();
    void neuesSpielBeginntFrisch();

private:
    static galgen &starten(Spielprogramm &t, const QString &wort);
    static void klicke(galgen &g, QChar buchstabe);
};

galgen &TestGalgen::starten(Spielprogramm &t, const QString &wort)
{
    t.f1().Liste2->Clear();
    if (!wort.isEmpty())
        t.f1().Liste2->AddItem(wort);
    t.f1().Bezeichnung26_Click();
    return t.programm->galgenFenster();
}

/// A real mouse click on the letter in the letter list.
void TestGalgen::klicke(galgen &g, QChar buchstabe)
{
    const int i = static_cast<int>(galgen::Buchstaben().indexOf(buchstabe));
    QVERIFY(i >= 0);
    QListView *v = g.Liste1->view();
    const QRect r = v->visualRect(v->model()->index(i, 0));
    QVERIFY(r.isValid());
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, r.center());
}

void TestGalgen::startZiehtWortAusKandidatenliste()
{
    Spielprogramm t;
    Twips::setzeLinks(t.f1().Bild9, 3000);
    const QStringList kandidaten = t.f1().Liste2->eintraege();
    QVERIFY(!kandidaten.isEmpty());
    t.f1().Bezeichnung26_Click();
    galgen &g = t.programm->galgenFenster();

    QCOMPARE(Twips::links(t.f1().Bild9), 10440);
    QVERIFY(!t.f1().isVisible());
    QVERIFY(g.isVisible());
    QCOMPARE(t.programm->aktivesFenster(), &g);
    QCOMPARE(g.Caption(), QStringLiteral("Wortgalgen"));
    QVERIFY(kandidaten.contains(t.m().Loesungswort));
    QCOMPARE(t.m().Eingabe, QStringLiteral(" _").repeated(t.m().Loesungswort.size()));
    QCOMPARE(g.Bezeichnung1->Caption(), t.m().Eingabe);
    QCOMPARE(g.Bezeichnung2->Caption(), QString());
    QCOMPARE(t.m().Fehler, 0);
    QVERIFY(!g.Liste2->isVisible());
    for (QWidget *w : g.Zeichenelemente())
        QVERIFY2(w->isHidden(), qPrintable(w->objectName()));
    QCOMPARE(g.Befehl1->Caption(), QStringLiteral(" E N D E"));
}

void TestGalgen::buchstabenlisteZweiZeilen()
{
    Spielprogramm t;
    galgen &g = starten(t, QStringLiteral("Auto"));
    QCOMPARE(g.Liste1->ListCount(), 30);
    QCOMPARE(g.Liste1->List(0), QStringLiteral(" A "));
    QCOMPARE(g.Liste1->List(1), QStringLiteral(" P "));
    QCOMPARE(g.Liste1->List(29), QStringLiteral(" ß "));
    QCOMPARE(g.Liste1->FontName(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(g.Liste1->FontSize(), 13.5);
    QVERIFY(g.Liste1->FontBold());

    // A above P, B to the right of A on the same row, O the last of the upper row.
    QListView *v = g.Liste1->view();
    auto rechteck = [v](int i) { return v->visualRect(v->model()->index(i, 0)); };
    QCOMPARE(rechteck(1).left(), rechteck(0).left());
    QVERIFY(rechteck(1).top() >= rechteck(0).bottom());
    QCOMPARE(rechteck(2).top(), rechteck(0).top());
    QVERIFY(rechteck(2).left() > rechteck(0).left());
    QCOMPARE(rechteck(28).top(), rechteck(0).top());
    QCOMPARE(rechteck(29).top(), rechteck(1).top());
    QVERIFY(v->viewport()->rect().contains(rechteck(29)));
}

void TestGalgen::mehrfacherBuchstabeUeberallAufgedeckt()
{
    Spielprogramm t;
    galgen &g = starten(t, QStringLiteral("Banane"));
    klicke(g, QLatin1Char('N'));
    QCOMPARE(t.m().Eingabe, QStringLiteral(" _ _ n _ n _"));
    QCOMPARE(g.Bezeichnung1->Caption(), QStringLiteral(" _ _ n _ n _"));
    klicke(g, QLatin1Char('A'));
    QCOMPARE(t.m().Eingabe, QStringLiteral(" _ a n a n _"));
    QCOMPARE(t.m().Fehler, 0);
    QCOMPARE(g.Liste1->SelCount(), 2);
    QVERIFY(g.Liste1->Selected(0));
}

void TestGalgen::trefferZeigtSchreibungDesWortes_data()
{
    QTest::addColumn<QString>("wort");
    QTest::addColumn<QString>("buchstabe");
    QTest::addColumn<QString>("muster");
    QTest::newRow("Auto U") << QStringLiteral("Auto") << QStringLiteral("U") << QStringLiteral(" _ u _ _");
    QTest::newRow("Auto A") << QStringLiteral("Auto") << QStringLiteral("A") << QStringLiteral(" A _ _ _");
    QTest::newRow("Otto O") << QStringLiteral("Otto") << QStringLiteral("O") << QStringLiteral(" O _ _ o");
    QTest::newRow("Ähre Ä") << QStringLiteral("Ähre") << QStringLiteral("Ä") << QStringLiteral(" Ä _ _ _");
    QTest::newRow("süß Ü") << QStringLiteral("süß") << QStringLiteral("Ü") << QStringLiteral(" _ ü _");
    QTest::newRow("süß ß") << QStringLiteral("süß") << QStringLiteral("ß") << QStringLiteral(" _ _ ß");
}

void TestGalgen::trefferZeigtSchreibungDesWortes()
{
    QFETCH(QString, wort);
    QFETCH(QString, buchstabe);
    QFETCH(QString, muster);
    Spielprogramm t;
    galgen &g = starten(t, wort);
    QCOMPARE(t.m().Loesungswort, wort);
    klicke(g, buchstabe.at(0));
    QCOMPARE(t.m().Eingabe, muster);
    QCOMPARE(t.m().Fehler, 0);
}

void TestGalgen::markierterBuchstabeNochmalGeklickt()
{
    Spielprogramm t;
    galgen &g = starten(t, QStringLiteral("Auto"));
    klicke(g, QLatin1Char('X'));
    QCOMPARE(t.m().Fehler, 1);
    QCOMPARE(g.Liste1->SelCount(), 1);
    klicke(g, QLatin1Char('X'));
    QCOMPARE(t.m().Fehler, 2);
    QCOMPARE(g.Liste1->SelCount(), 0);
    QVERIFY(g.Figur3->isVisibleTo(&g));

    klicke(g, QLatin1Char('T'));
    QCOMPARE(t.m().Eingabe, QStringLiteral(" _ _ t _"));
    klicke(g, QLatin1Char('T'));
    QCOMPARE(t.m().Eingabe, QStringLiteral(" _ _ t _"));
    QCOMPARE(t.m().Fehler, 2);
    QCOMPARE(g.Liste1->SelCount(), 0);
    QCOMPARE(t.boxen.anzahl(), 0);
}

void TestGalgen::fehlerZeigenGalgenTeile_data()
{
    QTest::addColumn<int>("fehler");
    QTest::addColumn<QStringList>("sichtbar");
    const QStringList teile{QStringLiteral("Figur2"), QStringLiteral("Figur3"), QStringLiteral("Linie6"),
                            QStringLiteral("Linie1"), QStringLiteral("Bild2"),  QStringLiteral("Figur5"),
                            QStringLiteral("Linie2"), QStringLiteral("Linie3"), QStringLiteral("Linie4")};
    for (int n = 1; n <= 9; ++n)
        QTest::addRow("%d", n) << n << teile.mid(0, n);
}

void TestGalgen::fehlerZeigenGalgenTeile()
{
    QFETCH(int, fehler);
    QFETCH(QStringList, sichtbar);
    Spielprogramm t;
    galgen &g = starten(t, QStringLiteral("Auto"));
    const QString falsche = QStringLiteral("BCDEFGHIJ");
    for (int i = 0; i < fehler; ++i)
        klicke(g, falsche.at(i));
    QCOMPARE(t.m().Fehler, fehler);
    QStringList gezeigt;
    for (QWidget *w : g.Zeichenelemente())
        if (w->isVisibleTo(&g))
            gezeigt << w->objectName();
    std::sort(gezeigt.begin(), gezeigt.end());
    std::sort(sichtbar.begin(), sichtbar.end());
    QCOMPARE(gezeigt, sichtbar);
    QVERIFY(g.isVisible());
}

void TestGalgen::zehnterFehlerVerliert()
{
    Spielprogramm t;
    galgen &g = starten(t, QStringLiteral("Auto"));
    bool geprueft = false;
    t.boxen.beiMeldung = [&](const QString &) {
        QCOMPARE(g.Bezeichnung2->Caption(), QStringLiteral("Auto"));
        QVERIFY(g.Linie5->isVisibleTo(&g));
        QVERIFY(!g.Liste2->isVisible());
        geprueft = true;
    };
    t.boxen.ok();
    for (QChar c : QStringLiteral("BCDEFGHIJK"))
        klicke(g, c);
    QVERIFY(geprueft);
    QCOMPARE(t.boxen.anzahl(), 1);
    QCOMPARE(t.boxen.letzte().text, QStringLiteral("Du hast verloren!\r"));
    QCOMPARE(t.boxen.letzte().titel, QStringLiteral("Galgenspiel"));
    QCOMPARE(t.boxen.letzte().knoepfe, Knoepfe::OK);
    QCOMPARE(t.m().Fehler, 10);
    QCOMPARE(t.f1().Bezeichnung3->Caption(), QStringLiteral("10"));
    QVERIFY(!t.gibt(QStringLiteral("BESTHANG.LST")));
    QVERIFY(t.zurueckImHauptfenster(g));
    for (QWidget *w : g.Zeichenelemente())
        QVERIFY(w->isHidden());
}

void TestGalgen::gewinnZaehltMarkierteBuchstaben()
{
    Spielprogramm t;
    t.f1().Bezeichnung7->setCaption(QStringLiteral("Jörg"));
    t.schreiben(QStringLiteral("BESTHANG.LST"), "0003  Ida\r\n0009  Max\r\n");
    galgen &g = starten(t, QStringLiteral("Auto"));
    QCOMPARE(g.Liste2->ListCount(), 2);

    bool geprueft = false;
    t.boxen.beiMeldung = [&](const QString &) {
        QVERIFY(g.Liste2->isVisible());
        QCOMPARE(g.Liste2->eintraege(), (QStringList{QStringLiteral("0003  Ida"), QStringLiteral("0009  Jörg"),
                                                     QStringLiteral("0009  Max")}));
        for (const char *n : {"Bild1", "Figur7", "Linie7", "Linie8", "Linie9", "Linie10", "Figur2"})
            QVERIFY2(g.findChild<QWidget *>(QString::fromLatin1(n))->isVisibleTo(&g), n);
        for (const char *n : {"Bild2", "Figur5", "Linie2", "Linie3", "Linie4", "Linie5"})
            QVERIFY2(g.findChild<QWidget *>(QString::fromLatin1(n))->isHidden(), n);
        geprueft = true;
    };
    t.boxen.ok();
    // Misses B, C, D, E, F (the fifth shows the head), one wasted X clicked
    // twice, then A, U, T, O.
    for (QChar c : QStringLiteral("BCDEFXXAUT"))
        klicke(g, c);
    QCOMPARE(t.boxen.anzahl(), 0);
    klicke(g, QLatin1Char('O'));
    QVERIFY(geprueft);
    QCOMPARE(t.boxen.anzahl(), 1);
    QCOMPARE(t.boxen.letzte().text, QStringLiteral("Du hast 9 Versuche benötigt!\r"));
    QCOMPARE(t.boxen.letzte().titel, QStringLiteral("Galgenspiel"));
    QCOMPARE(t.boxen.letzte().knoepfe, Knoepfe::OK);
    QCOMPARE(t.lesen(QStringLiteral("BESTHANG.LST")), QByteArray("0003  Ida\r\n0009  J\xF6rg\r\n0009  Max\r\n"));
    QCOMPARE(t.m().Fehler, 7);
    QCOMPARE(t.f1().Bezeichnung3->Caption(), QStringLiteral("7"));
    QVERIFY(t.zurueckImHauptfenster(g));
    QVERIFY(!g.Liste2->isVisible());
    QCOMPARE(g.Liste2->ListCount(), 0);
}

void TestGalgen::unvollendbaresWortNurAbbrechen()
{
    Spielprogramm t;
    galgen &g = starten(t, QStringLiteral("Ab-c 1"));
    for (QChar c : QStringLiteral("ABC"))
        klicke(g, c);
    QCOMPARE(t.m().Eingabe, QStringLiteral(" A b _ c _ _"));
    QCOMPARE(t.boxen.anzahl(), 0);
    t.boxen.ja();
    g.Befehl1->click();
    QCOMPARE(t.boxen.anzahl(), 1);
    QVERIFY(t.zurueckImHauptfenster(g));
    QVERIFY(!t.gibt(QStringLiteral("BESTHANG.LST")));
}

void TestGalgen::leeresWortJederBuchstabeFehler()
{
    Spielprogramm t;
    galgen &g = starten(t, QString());
    QCOMPARE(t.m().Loesungswort, QString());
    QCOMPARE(g.Bezeichnung1->Caption(), QString());
    klicke(g, QLatin1Char('A'));
    klicke(g, QLatin1Char('E'));
    QCOMPARE(t.m().Fehler, 2);
    t.boxen.ja();
    g.Befehl1->click();
    QVERIFY(t.zurueckImHauptfenster(g));
}

void TestGalgen::abbrechenMitFrage()
{
    Spielprogramm t;
    galgen &g = starten(t, QStringLiteral("Auto"));
    klicke(g, QLatin1Char('B'));
    t.boxen.nein();
    g.Befehl1->click();
    const BoxEintrag b = t.boxen.letzte();
    QCOMPARE(b.text, QStringLiteral("Dieses Spiel vorzeitig beenden?\r"));
    QCOMPARE(b.titel, QStringLiteral("Wortgalgen"));
    QCOMPARE(b.knoepfe, Knoepfe::JaNein);
    QCOMPARE(b.standard, Antwort::Nein);
    QCOMPARE(b.symbol, Symbol::Frage);
    QVERIFY(g.isVisible());
    QCOMPARE(t.m().Eingabe, QStringLiteral(" _ _ _ _"));

    t.boxen.ja();
    g.Befehl1->click();
    QVERIFY(t.zurueckImHauptfenster(g));
    QCOMPARE(t.m().Fehler, 1);
    QVERIFY(g.Linie1->isHidden());
}

void TestGalgen::schliessenUeberRahmenFragt()
{
    Spielprogramm t;
    galgen &g = starten(t, QStringLiteral("Auto"));
    t.boxen.nein();
    g.close();
    QCOMPARE(t.boxen.anzahl(), 1);
    QCOMPARE(t.boxen.letzte().text, QStringLiteral("Dieses Spiel vorzeitig beenden?\r"));
    QVERIFY(g.isVisible());
    t.boxen.ja();
    g.close();
    QVERIFY(t.zurueckImHauptfenster(g));
}

void TestGalgen::bestenlisteNichtSpeicherbar()
{
    Spielprogramm t;
    QVERIFY(QDir(t.ordner.path()).mkdir(QStringLiteral("BESTHANG.LST")));
    galgen &g = starten(t, QStringLiteral("Eis"));
    t.boxen.ok();
    t.boxen.ok();
    for (QChar c : QStringLiteral("EIS"))
        klicke(g, c);
    QCOMPARE(t.boxen.anzahl(), 2);
    QCOMPARE(t.boxen.protokoll().at(0).text, QStringLiteral("Du hast 3 Versuche benötigt!\r"));
    QVERIFY(t.boxen.letzte().text.startsWith(QStringLiteral("Die Bestenliste konnte nicht gespeichert werden.\r")));
    QCOMPARE(t.boxen.letzte().titel, QStringLiteral("Galgenspiel"));
    QVERIFY(t.zurueckImHauptfenster(g));
}

void TestGalgen::neuesSpielBeginntFrisch()
{
    Spielprogramm t;
    galgen &g = starten(t, QStringLiteral("Auto"));
    for (QChar c : QStringLiteral("BCDEA"))
        klicke(g, c);
    t.boxen.ja();
    g.Befehl1->click();
    QCOMPARE(t.m().Fehler, 4);

    starten(t, QStringLiteral("Haus"));
    QCOMPARE(t.m().Loesungswort, QStringLiteral("Haus"));
    QCOMPARE(t.m().Fehler, 0);
    QCOMPARE(g.Liste1->SelCount(), 0);
    QCOMPARE(t.m().Eingabe, QStringLiteral(" _ _ _ _"));
    for (QWidget *w : g.Zeichenelemente())
        QVERIFY(w->isHidden());
}

QTEST_MAIN(TestGalgen)
#include "tst_galgen.moc"
