#include "Spielhilfen.h"

#include "games/galgen.h"
#include "support/Testprogramm.h"
#include "ui/Twips.h"

#include <QDir>
#include <QListView>
#include <QTest>

static galgen &starten(Spielprogramm &t, const QString &wort)
{
    t.f1().Liste2->Clear();
    if (!wort.isEmpty())
        t.f1().Liste2->AddItem(wort);
    t.f1().Bezeichnung26_Click();
    return t.programm->galgenFenster();
}

/// A real mouse click on the letter in the letter list.
static void klicke(galgen &g, QChar buchstabe)
{
    const int i = static_cast<int>(galgen::Buchstaben().indexOf(buchstabe));
    QVERIFY(i >= 0);
    QListView *v = g.Liste1->view();
    const QRect r = v->visualRect(v->model()->index(i, 0));
    QVERIFY(r.isValid());
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, r.center());
}

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

        QCOMPARE(Twips::links(t.f1().Bild9), 10440);
        QVERIFY(!t.f1().isVisible());
        QVERIFY(g.isVisible());
        QCOMPARE(t.programm->aktivesFenster(), &g);
        QCOMPARE(g.Caption(), u("Wortgalgen"));
        QVERIFY(kandidaten.contains(t.m().Loesungswort));
        QCOMPARE(t.m().Eingabe, u(" _").repeated(t.m().Loesungswort.size()));
        QCOMPARE(g.Bezeichnung1->Caption(), t.m().Eingabe);
        QCOMPARE(g.Bezeichnung2->Caption(), QString());
        QCOMPARE(t.m().Fehler, 0);
        QVERIFY(!g.Liste2->isVisible());
        for (QWidget *w : g.Zeichenelemente())
            QVERIFY2(w->isHidden(), qPrintable(w->objectName()));
        QCOMPARE(g.Befehl1->Caption(), u(" E N D E"));
    }
    void buchstabenlisteZweiZeilen()
    {
        Spielprogramm t;
        galgen &g = starten(t, u("Auto"));
        QCOMPARE(g.Liste1->ListCount(), 30);
        QCOMPARE(g.Liste1->List(0), u(" A "));
        QCOMPARE(g.Liste1->List(1), u(" P "));
        QCOMPARE(g.Liste1->List(29), u(" ß "));
        QCOMPARE(g.Liste1->FontName(), u("MS Sans Serif"));
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
    void mehrfacherBuchstabeUeberallAufgedeckt()
    {
        Spielprogramm t;
        galgen &g = starten(t, u("Banane"));
        klicke(g, QLatin1Char('N'));
        QCOMPARE(t.m().Eingabe, u(" _ _ n _ n _"));
        QCOMPARE(g.Bezeichnung1->Caption(), u(" _ _ n _ n _"));
        klicke(g, QLatin1Char('A'));
        QCOMPARE(t.m().Eingabe, u(" _ a n a n _"));
        QCOMPARE(t.m().Fehler, 0);
        QCOMPARE(g.Liste1->SelCount(), 2);
        QVERIFY(g.Liste1->Selected(0));
    }
    void trefferZeigtSchreibungDesWortes_data()
    {
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QString>("buchstabe");
        QTest::addColumn<QString>("muster");
        QTest::newRow("Auto U") << u("Auto") << u("U") << u(" _ u _ _");
        QTest::newRow("Auto A") << u("Auto") << u("A") << u(" A _ _ _");
        QTest::newRow("Otto O") << u("Otto") << u("O") << u(" O _ _ o");
        QTest::newRow("Ähre Ä") << u("Ähre") << u("Ä") << u(" Ä _ _ _");
        QTest::newRow("süß Ü") << u("süß") << u("Ü") << u(" _ ü _");
        QTest::newRow("süß ß") << u("süß") << u("ß") << u(" _ _ ß");
    }
    void trefferZeigtSchreibungDesWortes()
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
    void markierterBuchstabeNochmalGeklickt()
    {
        Spielprogramm t;
        galgen &g = starten(t, u("Auto"));
        klicke(g, QLatin1Char('X'));
        QCOMPARE(t.m().Fehler, 1);
        QCOMPARE(g.Liste1->SelCount(), 1);
        klicke(g, QLatin1Char('X'));
        QCOMPARE(t.m().Fehler, 2);
        QCOMPARE(g.Liste1->SelCount(), 0);
        QVERIFY(g.Figur3->isVisibleTo(&g));

        klicke(g, QLatin1Char('T'));
        QCOMPARE(t.m().Eingabe, u(" _ _ t _"));
        klicke(g, QLatin1Char('T'));
        QCOMPARE(t.m().Eingabe, u(" _ _ t _"));
        QCOMPARE(t.m().Fehler, 2);
        QCOMPARE(g.Liste1->SelCount(), 0);
        QCOMPARE(t.boxen.anzahl(), 0);
    }
    void fehlerZeigenGalgenTeile_data()
    {
        QTest::addColumn<int>("fehler");
        QTest::addColumn<QStringList>("sichtbar");
        const QStringList teile{u("Figur2"), u("Figur3"), u("Linie6"),
                                u("Linie1"), u("Bild2"),  u("Figur5"),
                                u("Linie2"), u("Linie3"), u("Linie4")};
        for (int n = 1; n <= 9; ++n)
            QTest::addRow("%d", n) << n << teile.mid(0, n);
    }
    void fehlerZeigenGalgenTeile()
    {
        QFETCH(int, fehler);
        QFETCH(QStringList, sichtbar);
        Spielprogramm t;
        galgen &g = starten(t, u("Auto"));
        const QString falsche = u("BCDEFGHIJ");
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
    void zehnterFehlerVerliert()
    {
        Spielprogramm t;
        galgen &g = starten(t, u("Auto"));
        bool geprueft = false;
        t.boxen.beiMeldung = [&](const QString &) {
            QCOMPARE(g.Bezeichnung2->Caption(), u("Auto"));
            QVERIFY(g.Linie5->isVisibleTo(&g));
            QVERIFY(!g.Liste2->isVisible());
            geprueft = true;
        };
        t.boxen.ok();
        for (QChar c : u("BCDEFGHIJK"))
            klicke(g, c);
        QVERIFY(geprueft);
        QCOMPARE(t.boxen.anzahl(), 1);
        pruefeBox(t.boxen, u("Du hast verloren!\r"), u("Galgenspiel"));
        QCOMPARE(t.m().Fehler, 10);
        QCOMPARE(t.f1().Bezeichnung3->Caption(), u("10"));
        QVERIFY(!t.gibt(u("BESTHANG.LST")));
        QVERIFY(t.zurueckImHauptfenster(g));
        for (QWidget *w : g.Zeichenelemente())
            QVERIFY(w->isHidden());
    }
    void gewinnZaehltMarkierteBuchstaben()
    {
        Spielprogramm t;
        t.f1().Bezeichnung7->setCaption(u("Jörg"));
        t.schreiben(u("BESTHANG.LST"), "0003  Ida\r\n0009  Max\r\n");
        galgen &g = starten(t, u("Auto"));
        QCOMPARE(g.Liste2->ListCount(), 2);

        bool geprueft = false;
        t.boxen.beiMeldung = [&](const QString &) {
            QVERIFY(g.Liste2->isVisible());
            QCOMPARE(g.Liste2->eintraege(), (QStringList{u("0003  Ida"), u("0009  Jörg"),
                                                         u("0009  Max")}));
            for (const char *n : {"Bild1", "Figur7", "Linie7", "Linie8", "Linie9", "Linie10", "Figur2"})
                QVERIFY2(g.findChild<QWidget *>(QString::fromLatin1(n))->isVisibleTo(&g), n);
            for (const char *n : {"Bild2", "Figur5", "Linie2", "Linie3", "Linie4", "Linie5"})
                QVERIFY2(g.findChild<QWidget *>(QString::fromLatin1(n))->isHidden(), n);
            geprueft = true;
        };
        t.boxen.ok();
        // Misses B, C, D, E, F (the fifth shows the head), one wasted X clicked
        // twice, then A, U, T, O.
        for (QChar c : u("BCDEFXXAUT"))
            klicke(g, c);
        QCOMPARE(t.boxen.anzahl(), 0);
        klicke(g, QLatin1Char('O'));
        QVERIFY(geprueft);
        QCOMPARE(t.boxen.anzahl(), 1);
        pruefeBox(t.boxen, u("Du hast 9 Versuche benötigt!\r"), u("Galgenspiel"));
        QCOMPARE(t.lesen(u("BESTHANG.LST")), QByteArray("0003  Ida\r\n0009  J\xF6rg\r\n0009  Max\r\n"));
        QCOMPARE(t.m().Fehler, 7);
        QCOMPARE(t.f1().Bezeichnung3->Caption(), u("7"));
        QVERIFY(t.zurueckImHauptfenster(g));
        QVERIFY(!g.Liste2->isVisible());
        QCOMPARE(g.Liste2->ListCount(), 0);
    }
    void unvollendbaresWortNurAbbrechen()
    {
        Spielprogramm t;
        galgen &g = starten(t, u("Ab-c 1"));
        for (QChar c : u("ABC"))
            klicke(g, c);
        QCOMPARE(t.m().Eingabe, u(" A b _ c _ _"));
        QCOMPARE(t.boxen.anzahl(), 0);
        t.boxen.ja();
        g.Befehl1->click();
        QCOMPARE(t.boxen.anzahl(), 1);
        QVERIFY(t.zurueckImHauptfenster(g));
        QVERIFY(!t.gibt(u("BESTHANG.LST")));
    }
    void leeresWortJederBuchstabeFehler()
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
    void abbrechenMitFrage()
    {
        Spielprogramm t;
        galgen &g = starten(t, u("Auto"));
        klicke(g, QLatin1Char('B'));
        // The end button and the window's frame both ask first.
        t.boxen.nein();
        g.Befehl1->click();
        t.boxen.nein();
        g.close();
        QCOMPARE(t.boxen.anzahl(), 2);
        pruefeBox(t.boxen, u("Dieses Spiel vorzeitig beenden?\r"), u("Wortgalgen"), Knoepfe::JaNein, Symbol::Frage);
        QCOMPARE(t.boxen.protokoll().at(0).text, t.boxen.letzte().text);
        QCOMPARE(t.boxen.letzte().standard, Antwort::Nein);
        QVERIFY(g.isVisible());
        QCOMPARE(t.m().Eingabe, u(" _ _ _ _"));
        t.boxen.ja();
        g.close();
        QVERIFY(t.zurueckImHauptfenster(g));
        QCOMPARE(t.m().Fehler, 1);
        QVERIFY(g.Linie1->isHidden());
    }
    void bestenlisteNichtSpeicherbar()
    {
        Spielprogramm t;
        QVERIFY(QDir(t.ordner.path()).mkdir(u("BESTHANG.LST")));
        galgen &g = starten(t, u("Eis"));
        t.boxen.ok();
        t.boxen.ok();
        for (QChar c : u("EIS"))
            klicke(g, c);
        QCOMPARE(t.boxen.anzahl(), 2);
        QCOMPARE(t.boxen.protokoll().at(0).text, u("Du hast 3 Versuche benötigt!\r"));
        QVERIFY(t.boxen.letzte().text.startsWith(u("Die Bestenliste konnte nicht gespeichert werden.\r")));
        QCOMPARE(t.boxen.letzte().titel, u("Galgenspiel"));
        QVERIFY(t.zurueckImHauptfenster(g));
    }
    void neuesSpielBeginntFrisch()
    {
        Spielprogramm t;
        galgen &g = starten(t, u("Auto"));
        for (QChar c : u("BCDEA"))
            klicke(g, c);
        t.boxen.ja();
        g.Befehl1->click();
        QCOMPARE(t.m().Fehler, 4);

        starten(t, u("Haus"));
        QCOMPARE(t.m().Loesungswort, u("Haus"));
        QCOMPARE(t.m().Fehler, 0);
        QCOMPARE(g.Liste1->SelCount(), 0);
        QCOMPARE(t.m().Eingabe, u(" _ _ _ _"));
        for (QWidget *w : g.Zeichenelemente())
            QVERIFY(w->isHidden());
    }
};

QTEST_MAIN(TestGalgen)
#include "tst_galgen.moc"
