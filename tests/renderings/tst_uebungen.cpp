// The exercise buttons, the rendering dispatch and the enlarged display in the
// running main window.
#include "support/Testprogramm.h"

#include "lists/Form8.h"
#include "renderings/Darstellung.h"

#include <QTest>

namespace {

/// Gives the fonts of the special exercises recognisable names.
void sonderschriftenSetzen(Testprogramm &t)
{
    Form8 &e = t.programm->form8();
    e.Bezeichnung9->setFontName(u("Arial"));
    e.Bezeichnung11->setFontName(u("tpohalb"));
    e.Bezeichnung13->setFontName(u("tpofenster"));
    e.Bezeichnung14->setFontName(u("tpospiegel"));
    e.Bezeichnung18->setFontName(u("Anlaut"));
}

/// The enlarged display shows `text` in `punkte` points as its only line.
void pruefeVergroesserung(Form1 &f, const QString &text, double punkte)
{
    const auto &inhalt = f.Bild4->zeichnung().inhalt();
    QVERIFY(f.Bild4->isVisible());
    QCOMPARE(inhalt.size(), 1);
    QCOMPARE(inhalt.first().text, text);
    QCOMPARE(inhalt.first().schrift.pointSizeF(), punkte);
    QCOMPARE(inhalt.first().schrift.family(), f.Bild4->FontName());
}

} // namespace

class TestUebungen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void knopfZeigtDarstellung_data()
    {
        QTest::addColumn<int>("nummer");
        for (int n = 1; n <= 28; ++n)
            QTest::addRow("%d", n) << n;
    }
    void knopfZeigtDarstellung()
    {
        QFETCH(int, nummer);
        Testprogramm t;
        t.boxen.setStreng(false);
        t.f1().Befehl[nummer - 1]->click();
        QCOMPARE(t.m().Uebung, nummer);
        const QString wort = t.m().Loesungswort;
        QVERIFY(!wort.isEmpty() && !t.m().Anzeigetext.isEmpty());
        QCOMPARE(t.f1().Bezeichnung1->Caption(), t.m().Anzeigetext);
        QCOMPARE(t.f1().Bezeichnung8->Caption().isEmpty(), false);
        // The renderings without chance give what the plain function gives.
        Zufall z;
        if (nummer != 14 && nummer != 22 && nummer != 23 && nummer != 27)
            QCOMPARE(t.m().Anzeigetext, darstellen(nummer, wort, z));
        if (nummer == 22)
            QCOMPARE(t.m().Anzeigetext, darstellen(nummer, wort, z, t.f1().Liste2->eintraege()));
        if (nummer == 28)
            pruefeBox(t.boxen, u("Jeder Mitlaut im Wort muss im  ABC  um einen\rBuchstaben nach rechts verschoben werden!\r"),
                      u("Geheimschrift"));
        else
            QCOMPARE(t.boxen.anzahl(), 0);
    }
    void schriftDerSonderuebungen_data()
    {
        QTest::addColumn<int>("vorher");
        QTest::addColumn<int>("nummer");
        QTest::addColumn<QString>("schrift");
        QTest::newRow("1 Abgedeckt") << 0 << 1 << u("tpohalb");
        QTest::newRow("10 Wortruinen") << 0 << 10 << u("tpofenster");
        QTest::newRow("12 Spiegel") << 0 << 12 << u("tpospiegel");
        QTest::newRow("24 Bildwörter") << 0 << 24 << u("Anlaut");
        QTest::newRow("13 Großschrift") << 0 << 13 << u("Arial");
        QTest::newRow("21 nach Spiegel") << 12 << 21 << u("Arial");
    }
    void schriftDerSonderuebungen()
    {
        QFETCH(int, vorher);
        QFETCH(int, nummer);
        QFETCH(QString, schrift);
        Testprogramm t;
        sonderschriftenSetzen(t);
        if (vorher)
            t.f1().Befehl_Click(vorher);
        t.f1().Befehl_Click(nummer);
        QCOMPARE(t.f1().Bezeichnung1->FontName(), schrift);
        // A font that is not installed only changes the look: the word is shown whole.
        if (nummer != 13)
            QCOMPARE(t.f1().Bezeichnung1->Caption(), t.m().Loesungswort);
    }
    void wortdiktatLeertKandidaten()
    {
        Testprogramm t;
        t.f1().Bezeichnung2->setCaption(u("Hau"));
        t.f1().Befehl20_Click();
        QCOMPARE(t.f1().Liste2->ListCount(), 0);
        QCOMPARE(t.f1().Bezeichnung2->Caption(), QString());
        QCOMPARE(t.f1().Bezeichnung1->Caption(), t.m().Loesungswort);
    }
    void versteckt_data()
    {
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QString>("anzeige");
        QTest::newRow("25 Zeichen: Meldung") << u("Lebensmittelunverträglich") << QString();
        QTest::newRow("24 Zeichen passen") << u("Geburtstagsfeierlichkeit") << u("GEBURTSTAGSFEIERLICHKEIT");
    }
    void versteckt()
    {
        QFETCH(QString, wort);
        QFETCH(QString, anzeige);
        Testprogramm t;
        t.liste({wort});
        if (anzeige.isEmpty())
            t.boxen.ok();
        t.f1().Befehl14_Click();
        QCOMPARE(t.boxen.anzahl(), anzeige.isEmpty() ? 1 : 0);
        if (anzeige.isEmpty())
            pruefeBox(t.boxen, u("Das Lösungswort ist für diese Übung zu lang!\rKlicke bitte nochmal auf den Versteckt-Knopf!\r"), wort);
        QCOMPARE(t.m().Loesungswort, wort);
        QCOMPARE(t.f1().Bezeichnung1->Caption(), anzeige);
    }
    void vergroesserung()
    {
        Testprogramm t;
        Form1 &f = t.f1();
        t.programm->form8().Bezeichnung14->setFontName(u("tpospiegel"));
        f.Befehl12_Click();
        QVERIFY(!f.Bild4->isVisible());
        QTest::mouseClick(f.Bezeichnung1, Qt::LeftButton);
        // It opens with 28 points over everything else of the window, in the display's font.
        QCOMPARE(f.children().last(), f.Bild4);
        QCOMPARE(f.Bild4->FontName(), u("tpospiegel"));
        pruefeVergroesserung(f, f.Bezeichnung1->Caption(), 28);
        const QString alt = f.Bezeichnung1->Caption();
        // The size labels; a click on one does not reach the box underneath.
        const QList<QPair<QString, double>> groessen{{u("Bezeichnung23"), 20}, {u("Bezeichnung17"), 24},
                                                     {u("Bezeichnung19"), 28}, {u("Bezeichnung20"), 32},
                                                     {u("Bezeichnung21"), 36}, {u("Bezeichnung22"), 40}};
        for (const auto &[name, punkte] : groessen) {
            QTest::mouseClick(f.Bild4->findChild<Bezeichnung *>(name), Qt::LeftButton);
            pruefeVergroesserung(f, alt, punkte);
        }
        // A new word leaves the old text until a size is chosen again.
        f.Befehl13_Click();
        pruefeVergroesserung(f, alt, 40);
        f.Bezeichnung17_Click();
        pruefeVergroesserung(f, f.Bezeichnung1->Caption(), 24);
        // Closed by a click on the box, it opens again with 28 points.
        QTest::mouseClick(f.Bild4, Qt::LeftButton, {}, QPoint(f.Bild4->width() - 20, f.Bild4->height() / 2));
        QVERIFY(!f.Bild4->isVisible());
        f.Bezeichnung1_Click();
        pruefeVergroesserung(f, f.Bezeichnung1->Caption(), 28);
        QCOMPARE(t.boxen.anzahl(), 0);
    }
};

QTEST_MAIN(TestUebungen)
#include "tst_uebungen.moc"
