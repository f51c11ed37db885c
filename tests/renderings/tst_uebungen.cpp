// The exercise buttons and the rendering dispatch in the running main window.
#include "support/Testprogramm.h"

#include "lists/Form8.h"
#include "renderings/AufgabeDarstellen.h"
#include "renderings/Darstellung.h"

#include <QTest>

namespace {

/// Sets the font settings of the special types to their names at creation,
/// whatever the settings file made of them.
void sonderschriftenSetzen(Testprogramm &t)
{
    Form8 &e = t.programm->form8();
    e.Bezeichnung9->setFontName(u("Arial"));
    e.Bezeichnung11->setFontName(u("tpohalb"));
    e.Bezeichnung13->setFontName(u("tpofenster"));
    e.Bezeichnung14->setFontName(u("tpospiegel"));
    e.Bezeichnung18->setFontName(u("Anlaut"));
}

} // namespace

class TestUebungen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void knopfZeigtNameUndDarstellung_data()
    {
        QTest::addColumn<int>("nummer");
        QTest::addColumn<QString>("name");
        const char *const namen[28] = {
            "Abgedeckt", "Umkehrwort", "Lückenwort", "Selbstlaute", "Mitlaute", "Wortanfang", "Wortende",
            "ABC-Wörter", "Morsewort", "Wortruinen", "MSU-Laute", "Spiegel", "Großschrift", "Versteckt",
            "Wortpuzzle", "Wortmitte", "Kleinschrift", "Wortzaun", "ABC-Stelle", "Wortdiktat", "Abschrift",
            "Wortreihe", "Buchstabe", "Bildwörter", "Vertauscht", "Teilpuzzle", "Chinesen", "Geheim"};
        for (int n = 1; n <= 28; ++n)
            QTest::addRow("%d %s", n, namen[n - 1]) << n << u(namen[n - 1]);
    }
    void knopfZeigtNameUndDarstellung()
    {
        QFETCH(int, nummer);
        QFETCH(QString, name);
        Testprogramm t;
        if (nummer == 28)
            t.boxen.ok();
        t.f1().Befehl[nummer - 1]->click();

        QCOMPARE(t.m().Uebung, nummer);
        QCOMPARE(t.f1().Bezeichnung8->Caption(), name);
        const QString wort = t.m().Loesungswort;
        QVERIFY(!wort.isEmpty());
        QVERIFY(!t.m().Anzeigetext.isEmpty());
        QCOMPARE(t.f1().Bezeichnung1->Caption(), t.m().Anzeigetext);
        QCOMPARE(t.boxen.anzahl(), nummer == 28 ? 1 : 0);
        if (nummer == 8)
            QCOMPARE(t.f1().Befehl[7]->Caption(), u("ABC-Wort"));
        // The renderings without chance give what the plain function gives.
        if (nummer != 14 && nummer != 22 && nummer != 23 && nummer != 27) {
            Zufall z;
            QCOMPARE(t.m().Anzeigetext, darstellen(nummer, wort, z));
        }
        if (nummer == 14)
            QCOMPARE(t.m().Anzeigetext.size(), 24);
    }

    void geheimErklaertBeiJedemKlick()
    {
        Testprogramm t;
        t.boxen.ok();
        t.boxen.ok();
        t.f1().Befehl28_Click();
        const QString erstesWort = t.m().Loesungswort;
        t.boxen.leeren();
        t.f1().Befehl28_Click();
        QCOMPARE(t.boxen.anzahl(), 1);
        pruefeBox(t.boxen, u("Jeder Mitlaut im Wort muss im  ABC  um einen\rBuchstaben nach rechts verschoben werden!\r"),
                  u("Geheimschrift"));
        QVERIFY(t.m().Loesungswort != erstesWort);
        QCOMPARE(t.f1().Bezeichnung1->Caption(), t.m().Anzeigetext);
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
        QTest::newRow("21 Abschrift") << 0 << 21 << u("Arial");
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

    void ohneUebungAendertSichNichts_data()
    {
        QTest::addColumn<int>("uebung");
        QTest::newRow("0") << 0;
        QTest::newRow("29") << 29;
        QTest::newRow("-1") << -1;
    }
    void ohneUebungAendertSichNichts()
    {
        QFETCH(int, uebung);
        Testprogramm t;
        sonderschriftenSetzen(t);
        t.f1().Befehl12_Click();
        t.m().Uebung = uebung;
        t.m().Anzeigetext = u("bleibt");
        AufgabeDarstellen(*t.programm);
        QCOMPARE(t.m().Anzeigetext, u("bleibt"));
        QCOMPARE(t.f1().Bezeichnung1->FontName(), u("tpospiegel"));
        QCOMPARE(t.boxen.anzahl(), 0);
    }

    void wortdiktatLeertKandidaten()
    {
        Testprogramm t;
        QVERIFY(t.f1().Liste2->ListCount() > 0);
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
        QCOMPARE(t.m().Anzeigetext, anzeige);
        QCOMPARE(t.f1().Bezeichnung1->Caption(), anzeige);
        QCOMPARE(t.m().Uebung, 14);
    }

    void wortreiheNenntStelleInListe2()
    {
        Testprogramm t;
        t.liste({u("Apfel"), u("Birne"), u("Kiwi")});
        t.f1().Befehl22_Click();
        const int stelle = t.f1().Liste2->eintraege().indexOf(t.m().Loesungswort) + 1;
        QVERIFY(stelle > 0);
        QCOMPARE(t.f1().Bezeichnung1->Caption(), u("Suche das %1. Wort in der Liste!").arg(stelle));
    }
};

QTEST_MAIN(TestUebungen)
#include "tst_uebungen.moc"
