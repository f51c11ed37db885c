#include "Spielhilfen.h"

#include "games/galgen.h"
#include "support/Testprogramm.h"
#include "ui/Twips.h"

#include <QDir>
#include <QListView>
#include <QTest>

namespace {

galgen &starten(Spielprogramm &t, const QString &wort)
{
    t.f1().Liste2->Clear();
    if (!wort.isEmpty())
        t.f1().Liste2->AddItem(wort);
    t.f1().Bezeichnung26_Click();
    return t.programm->galgenFenster();
}

/// Real mouse clicks on these letters in the letter list.
void klicke(galgen &g, const QString &buchstaben)
{
    QListView *v = g.Liste1->view();
    for (QChar c : buchstaben) {
        const QRect r = v->visualRect(v->model()->index(int(galgen::Buchstaben().indexOf(c)), 0));
        QVERIFY(r.isValid());
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, r.center());
    }
}

/// The names of the gallows parts shown, sorted.
QStringList gezeigt(galgen &g)
{
    QStringList namen;
    for (QWidget *w : g.Zeichenelemente())
        if (w->isVisibleTo(&g))
            namen << w->objectName();
    namen.sort();
    return namen;
}

} // namespace

class TestGalgen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startZiehtWortAusKandidatenliste()
    {
        Spielprogramm t;
        Twips::setzeLinks(t.f1().Bild9, 3000);
        const QStringList kandidaten = t.f1().Liste2->eintraege();
        QVERIFY(!kandidaten.isEmpty());
        t.f1().Bezeichnung26_Click();
        galgen &g = t.programm->galgenFenster();
        QVERIFY(t.spielOffen(g) && !g.Liste2->isVisible());
        QCOMPARE(g.Caption(), u("Wortgalgen"));
        QVERIFY(kandidaten.contains(t.m().Loesungswort));
        QCOMPARE(t.m().Eingabe, u(" _").repeated(t.m().Loesungswort.size()));
        QCOMPARE(titel(g.Bezeichnung1, g.Bezeichnung2, g.Befehl1), (QStringList{t.m().Eingabe, "", " E N D E"}));
        QCOMPARE(t.m().Fehler, 0);
        QCOMPARE(gezeigt(g), QStringList());
    }
    void buchstabenlisteZweiZeilen()
    {
        Spielprogramm t;
        galgen &g = starten(t, u("Auto"));
        QCOMPARE(g.Liste1->ListCount(), 30);
        QCOMPARE((QStringList{g.Liste1->List(0), g.Liste1->List(1), g.Liste1->List(29)}),
                 (QStringList{" A ", " P ", u(" ß ")}));
        QCOMPARE(g.Liste1->FontName(), u("MS Sans Serif"));
        QCOMPARE(g.Liste1->FontSize(), 13.5);
        QVERIFY(g.Liste1->FontBold());
        // A above P, B to the right of A on the same row, O the last of the upper row.
        QListView *v = g.Liste1->view();
        auto r = [v](int i) { return v->visualRect(v->model()->index(i, 0)); };
        QCOMPARE(r(1).left(), r(0).left());
        QVERIFY(r(1).top() >= r(0).bottom() && r(2).left() > r(0).left());
        QCOMPARE((QList<int>{r(2).top(), r(28).top(), r(29).top()}), (QList<int>{r(0).top(), r(0).top(), r(1).top()}));
        QVERIFY(v->viewport()->rect().contains(r(29)));
    }
    void treffer_data()
    {
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QString>("buchstaben");
        QTest::addColumn<QString>("muster");
        QTest::addColumn<int>("markiert");
        QTest::newRow("Auto U") << u("Auto") << u("U") << u(" _ u _ _") << 1;
        QTest::newRow("Auto A") << u("Auto") << u("A") << u(" A _ _ _") << 1;
        QTest::newRow("Otto O") << u("Otto") << u("O") << u(" O _ _ o") << 1;
        QTest::newRow("Ähre Ä") << u("Ähre") << u("Ä") << u(" Ä _ _ _") << 1;
        QTest::newRow("süß Ü") << u("süß") << u("Ü") << u(" _ ü _") << 1;
        QTest::newRow("süß ß") << u("süß") << u("ß") << u(" _ _ ß") << 1;
        QTest::newRow("Banane N A") << u("Banane") << u("NA") << u(" _ a n a n _") << 2;
        // A hit clicked again changes nothing but clears its mark.
        QTest::newRow("Auto T T") << u("Auto") << u("TT") << u(" _ _ t _") << 0;
        // Signs that are no letters stay open: the game can only be ended.
        QTest::newRow("Ab-c 1") << u("Ab-c 1") << u("ABC") << u(" A b _ c _ _") << 3;
    }
    void treffer()
    {
        QFETCH(QString, wort);
        QFETCH(QString, buchstaben);
        QFETCH(QString, muster);
        QFETCH(int, markiert);
        Spielprogramm t;
        galgen &g = starten(t, wort);
        QCOMPARE(t.m().Loesungswort, wort);
        klicke(g, buchstaben);
        QCOMPARE(t.m().Eingabe, muster);
        QCOMPARE(g.Bezeichnung1->Caption(), muster);
        QCOMPARE(t.m().Fehler, 0);
        QCOMPARE(g.Liste1->SelCount(), markiert);
        QCOMPARE(t.boxen.anzahl(), 0);
    }
    void fehlerZeigenGalgenTeile_data()
    {
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QString>("buchstaben");
        QTest::addColumn<QStringList>("sichtbar");
        const QStringList teile{"Figur2", "Figur3", "Linie6", "Linie1", "Bild2", "Figur5", "Linie2", "Linie3", "Linie4"};
        for (int n = 1; n <= 9; ++n)
            QTest::addRow("%d", n) << u("Auto") << u("BCDEFGHIJ").left(n) << teile.mid(0, n);
        // A miss clicked again counts again and clears its mark; in an empty
        // word every letter is a miss.
        QTest::newRow("X X") << u("Auto") << u("XX") << teile.mid(0, 2);
        QTest::newRow("leeres Wort") << QString() << u("AE") << teile.mid(0, 2);
    }
    void fehlerZeigenGalgenTeile()
    {
        QFETCH(QString, wort);
        QFETCH(QString, buchstaben);
        QFETCH(QStringList, sichtbar);
        Spielprogramm t;
        galgen &g = starten(t, wort);
        klicke(g, buchstaben);
        QCOMPARE(t.m().Fehler, buchstaben.size());
        sichtbar.sort();
        QCOMPARE(gezeigt(g), sichtbar);
        QCOMPARE(g.Liste1->SelCount(), buchstaben == u("XX") ? 0 : int(buchstaben.size()));
        QVERIFY(g.isVisible());
        QVERIFY(t.abbrechen(g.Befehl1, g));
    }
    void zehnterFehlerVerliert()
    {
        Spielprogramm t;
        galgen &g = starten(t, u("Auto"));
        spielEnde(t, g, [&] { klicke(g, u("BCDEFGHIJK")); }, u("Du hast verloren!\r"), u("Galgenspiel"), nullptr, {},
                  [&] {
                      QCOMPARE(g.Bezeichnung2->Caption(), u("Auto"));
                      QVERIFY(g.Linie5->isVisibleTo(&g) && !g.Liste2->isVisible());
                  });
        QCOMPARE(t.m().Fehler, 10);
        QCOMPARE(t.f1().Bezeichnung3->Caption(), u("10"));
        QVERIFY(!t.gibt(u("BESTHANG.LST")));
        QCOMPARE(gezeigt(g), QStringList());
    }
    void gewinnZaehltMarkierteBuchstaben()
    {
        Spielprogramm t;
        t.f1().Bezeichnung7->setCaption(u("Jörg"));
        t.schreiben(u("BESTHANG.LST"), "0003  Ida\r\n0009  Max\r\n");
        galgen &g = starten(t, u("Auto"));
        QCOMPARE(g.Liste2->ListCount(), 2);
        // Misses B to F (the fifth shows the head), one wasted X clicked twice, then A, U, T.
        klicke(g, u("BCDEFXXAUT"));
        QCOMPARE(t.boxen.anzahl(), 0);
        // At the win the hanged figure gives way to the free one.
        spielEnde(t, g, [&] { klicke(g, u("O")); }, u("Du hast 9 Versuche benötigt!\r"), u("Galgenspiel"), g.Liste2,
                  {"0003  Ida", u("0009  Jörg"), "0009  Max"}, [&] {
                      QCOMPARE(gezeigt(g), (QStringList{"Bild1", "Figur2", "Figur3", "Figur7", "Linie1", "Linie10",
                                                        "Linie6", "Linie7", "Linie8", "Linie9"}));
                  });
        QCOMPARE(t.lesen(u("BESTHANG.LST")), QByteArray("0003  Ida\r\n0009  J\xF6rg\r\n0009  Max\r\n"));
        QCOMPARE(t.m().Fehler, 7);
        QCOMPARE(t.f1().Bezeichnung3->Caption(), u("7"));
        QCOMPARE(g.Liste2->ListCount(), 0);
    }
    void abbrechenMitFrageUndNeuesSpiel()
    {
        Spielprogramm t;
        galgen &g = starten(t, u("Auto"));
        klicke(g, u("BCDEA"));
        // The end button and the window's frame both ask first.
        abbruchVerneint(t, g, u("Wortgalgen"), [&] { g.Befehl1->click(); });
        abbruchVerneint(t, g, u("Wortgalgen"), [&] { g.close(); });
        QCOMPARE(t.m().Eingabe, u(" A _ _ _"));
        t.boxen.ja();
        g.close();
        QVERIFY(t.zurueckImHauptfenster(g) && !t.gibt(u("BESTHANG.LST")));
        QCOMPARE(t.m().Fehler, 4);
        QCOMPARE(gezeigt(g), QStringList());
        // The next game starts afresh.
        starten(t, u("Haus"));
        QCOMPARE((QStringList{t.m().Loesungswort, t.m().Eingabe}), (QStringList{"Haus", " _ _ _ _"}));
        QVERIFY(t.m().Fehler == 0 && g.Liste1->SelCount() == 0);
        QCOMPARE(gezeigt(g), QStringList());
    }
    void bestenlisteNichtSpeicherbar()
    {
        Spielprogramm t;
        QVERIFY(QDir(t.ordner.path()).mkdir(u("BESTHANG.LST")));
        galgen &g = starten(t, u("Eis"));
        t.boxen.ok();
        t.boxen.ok();
        klicke(g, u("EIS"));
        QCOMPARE(anzahlBoxen(t.boxen, u("Galgenspiel")), 2);
        QCOMPARE(t.boxen.protokoll().at(0).text, u("Du hast 3 Versuche benötigt!\r"));
        QCOMPARE(t.boxen.letzte().text, u("Die Bestenliste \"BESTHANG.LST\" konnte nicht ganz gelesen werden und "
                                          "wird deshalb nicht gespeichert.\r"));
        QVERIFY(t.zurueckImHauptfenster(g));
    }
};

QTEST_MAIN(TestGalgen)
#include "tst_galgen.moc"
