// The exercise buttons and the rendering dispatch in the running main window.
#include "support/Testprogramm.h"

#include "lists/Form8.h"
#include "renderings/AufgabeDarstellen.h"
#include "renderings/Darstellung.h"

#include <QTest>

class TestUebungen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void knopfZeigtNameUndDarstellung_data();
    void knopfZeigtNameUndDarstellung();
    void geheimErklaertBeiJedemKlick();
    void schriftDerSonderuebungen_data();
    void schriftDerSonderuebungen();
    void spiegelDannAbschriftInAnzeigeschrift();
    void ohneUebungAendertSichNichts_data();
    void ohneUebungAendertSichNichts();
    void wortdiktatLeertKandidaten();
    void verstecktZuLangesWort();
    void verstecktVierundzwanzigOhneMeldung();
    void wortreiheNenntStelleInListe2();
};

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

const QString kGeheimText = u("Jeder Mitlaut im Wort muss im  ABC  um einen\r"
                              "Buchstaben nach rechts verschoben werden!\r");

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

/// Replaces the word list by the given words.
void liste(Testprogramm &t, const QStringList &woerter)
{
    t.f1().Liste1->Clear();
    t.f1().Liste1->addItems(woerter);
    t.m().Benutzt = QString(woerter.size(), QLatin1Char('0'));
}

} // namespace

void TestUebungen::knopfZeigtNameUndDarstellung_data()
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

void TestUebungen::knopfZeigtNameUndDarstellung()
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

    // The renderings without chance give what the plain function gives.
    if (nummer != 14 && nummer != 22 && nummer != 23 && nummer != 27) {
        Zufall z;
        QCOMPARE(t.m().Anzeigetext, darstellen(nummer, wort, z));
    }
    if (nummer == 22) {
        const QString text = t.m().Anzeigetext;
        QVERIFY(text.startsWith(u("Suche das ")));
        QVERIFY(text.endsWith(u(". Wort in der Liste!")));
        const int n = text.mid(10, text.indexOf(QLatin1Char('.')) - 10).toInt();
        QCOMPARE(t.f1().Liste2->List(n - 1), wort);
    }
    if (nummer == 14)
        QCOMPARE(t.m().Anzeigetext.size(), 24);
}

void TestUebungen::geheimErklaertBeiJedemKlick()
{
    Testprogramm t;
    t.boxen.ok();
    t.boxen.ok();
    t.f1().Befehl28_Click();
    const QString erstesWort = t.m().Loesungswort;
    t.f1().Befehl28_Click();
    QCOMPARE(t.boxen.anzahl(), 2);
    for (const BoxEintrag &b : t.boxen.protokoll()) {
        QCOMPARE(b.text, kGeheimText);
        QCOMPARE(b.titel, u("Geheimschrift"));
        QCOMPARE(b.knoepfe, Knoepfe::OK);
        QCOMPARE(b.symbol, Symbol::Keins);
    }
    QVERIFY(t.m().Loesungswort != erstesWort);
    QCOMPARE(t.f1().Bezeichnung1->Caption(), t.m().Anzeigetext);
}

void TestUebungen::schriftDerSonderuebungen_data()
{
    QTest::addColumn<int>("nummer");
    QTest::addColumn<QString>("schrift");
    QTest::newRow("1 Abgedeckt") << 1 << u("tpohalb");
    QTest::newRow("10 Wortruinen") << 10 << u("tpofenster");
    QTest::newRow("12 Spiegel") << 12 << u("tpospiegel");
    QTest::newRow("24 Bildwörter") << 24 << u("Anlaut");
    QTest::newRow("13 Großschrift") << 13 << u("Arial");
    QTest::newRow("21 Abschrift") << 21 << u("Arial");
}

void TestUebungen::schriftDerSonderuebungen()
{
    QFETCH(int, nummer);
    QFETCH(QString, schrift);
    Testprogramm t;
    sonderschriftenSetzen(t);
    t.f1().Befehl_Click(nummer);
    QCOMPARE(t.f1().Bezeichnung1->FontName(), schrift);
    // A font that is not installed only changes the look: the word is shown whole.
    if (nummer != 13)
        QCOMPARE(t.f1().Bezeichnung1->Caption(), t.m().Loesungswort);
}

void TestUebungen::spiegelDannAbschriftInAnzeigeschrift()
{
    Testprogramm t;
    sonderschriftenSetzen(t);
    t.f1().Befehl12_Click();
    QCOMPARE(t.f1().Bezeichnung1->FontName(), u("tpospiegel"));
    t.f1().Befehl21_Click();
    QCOMPARE(t.f1().Bezeichnung1->FontName(), u("Arial"));
    QCOMPARE(t.f1().Bezeichnung1->Caption(), t.m().Loesungswort);
}

void TestUebungen::ohneUebungAendertSichNichts_data()
{
    QTest::addColumn<int>("uebung");
    QTest::newRow("0") << 0;
    QTest::newRow("29") << 29;
    QTest::newRow("-1") << -1;
}

void TestUebungen::ohneUebungAendertSichNichts()
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

void TestUebungen::wortdiktatLeertKandidaten()
{
    Testprogramm t;
    QVERIFY(t.f1().Liste2->ListCount() > 0);
    t.f1().Bezeichnung2->setCaption(u("Hau"));
    t.f1().Befehl20_Click();
    QCOMPARE(t.f1().Liste2->ListCount(), 0);
    QCOMPARE(t.f1().Bezeichnung2->Caption(), QString());
    QCOMPARE(t.f1().Bezeichnung1->Caption(), t.m().Loesungswort);
}

void TestUebungen::verstecktZuLangesWort()
{
    Testprogramm t;
    const QString lang = u("Lebensmittelunverträglich");
    liste(t, {lang});
    t.boxen.ok();
    t.f1().Befehl14_Click();

    QCOMPARE(t.boxen.anzahl(), 1);
    const BoxEintrag &b = t.boxen.letzte();
    QCOMPARE(b.text, u("Das Lösungswort ist für diese Übung zu lang!\r"
                       "Klicke bitte nochmal auf den Versteckt-Knopf!\r"));
    QCOMPARE(b.titel, lang);
    QCOMPARE(b.knoepfe, Knoepfe::OK);
    QCOMPARE(b.symbol, Symbol::Keins);
    QCOMPARE(t.m().Loesungswort, lang);
    QCOMPARE(t.m().Anzeigetext, QString());
    QCOMPARE(t.f1().Bezeichnung1->Caption(), QString());
    QCOMPARE(t.m().Uebung, 14);
}

void TestUebungen::verstecktVierundzwanzigOhneMeldung()
{
    Testprogramm t;
    liste(t, {u("Geburtstagsfeierlichkeit")});
    t.f1().Befehl14_Click();
    QCOMPARE(t.boxen.anzahl(), 0);
    QCOMPARE(t.f1().Bezeichnung1->Caption(), u("GEBURTSTAGSFEIERLICHKEIT"));
}

void TestUebungen::wortreiheNenntStelleInListe2()
{
    Testprogramm t;
    liste(t, {u("Apfel"), u("Birne"), u("Kiwi")});
    t.f1().Befehl22_Click();
    const QString wort = t.m().Loesungswort;
    const int stelle = t.f1().Liste2->eintraege().indexOf(wort) + 1;
    QVERIFY(stelle > 0);
    QCOMPARE(t.f1().Bezeichnung1->Caption(), u("Suche das %1. Wort in der Liste!").arg(stelle));
}

QTEST_MAIN(TestUebungen)
#include "tst_uebungen.moc"
