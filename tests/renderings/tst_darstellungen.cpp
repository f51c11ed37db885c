// The renderings of the 28 exercise types as plain functions (word in, text
// out), and in the running main window: the exercise buttons, the fonts of
// the special exercises and the enlarged display.
#include "renderings/Darstellung.h"
#include "support/Testprogramm.h"
#include "basis/Zufall.h"

#include <QTest>

namespace {

void zeile(int typ, const QString &wort, const QString &erwartet, const QList<double> &werte = {})
{
    QTest::addRow("%d %s", typ, qPrintable(wort)) << typ << wort << werte << erwartet;
}

/// One row per word: the word, then its text in each of `typen`.
void spalten(const QList<int> &typen, const QList<QStringList> &woerter)
{
    for (const QStringList &w : woerter)
        for (int i = 0; i < typen.size(); ++i)
            zeile(typen.at(i), w.first(), w.at(i + 1));
}

QString mal(const char *teil, int n) { return u(teil).repeated(n); }

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

class TestDarstellungen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The text of a rendering from the given values of chance, and whether
    // the word was too long. Each type takes exactly the values it needs: one
    // more is given, and that one must be left.
    void darstellung_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QList<double>>("werte");
        QTest::addColumn<QString>("erwartet");

        // Every type without chance but those that show the word itself: the
        // catalogue's example word, and words with a blank and a digit, and
        // with "ß", a hyphen and a capital umlaut.
        spalten({2, 3, 4, 5, 6, 7, 8, 9, 11, 13, 15, 16, 17, 18, 19, 25, 26, 28}, {
            {"Stängel", "legnätS", "S . . . . . l", " .  . ä .  . e . ", "St . ng . l", "Stä . . . .", " . . . ngel",
             "äeglnSt", " .  . _  .  . _  . ", "MMUMMSM", "STÄNGEL", "lgäStne", ". . ä n . . . ", "stängel",
             "S _ ä _ g _ l", "19-20-1-14-7-5-12", "ngelStä", "Sgätnel", "Rsämfek"},
            {"Rad 2", "2 daR", "R . . . 2", " . a .  .  . ", "R . d 2", "Ra . . .", " . . d 2", "adR", " . _  .  .  . ",
             "MSM 2", "RAD 2", "2dRa ", ". a d . . ", "rad 2", "R _ d _ 2", "18-1-4-0-0", "d 2Ra", "Rda 2", "Qac 2"},
            {"Fuß-Öl", "lÖ-ßuF", "F . . . . l", " . u .  . Ö . ", "F . ß- . l", "Fuß . . .", " . . . -Öl", "FlÖßu",
             " . _  .  . _  . ", "MSM-UM", "FUß-ÖL", "ÖßFu-l", ". . ß - . . ", "fuß-öl", "F _ ß _ Ö _",
             "6-21-19-0-15-12", "-ÖlFuß", "FÖßu-l", "Duß-Ök"}});

        // Letter classes.
        spalten({4, 5, 9, 11, 28}, {
            {"groß", " .  . o . ", "gr . ß", " .  . _  . ", "MMSM", "fqoß"},
            {"Zebra", " . e .  . a", "Z . br . ", " . _  .  . _ ", "MSMMS", "Yezqa"},
            {"Hand-Ball", " . a .  .  .  . a .  . ", "H . nd-B . ll", " . _  .  .  .  . _  .  . ", "MSMM-MSMM",
             "Gamc-Zakk"}});
        spalten({4, 5, 9}, {{"A", "A", " . ", "_ "}});
        spalten({28}, {{"BZy", "ZYx"}, {"Au", "Au"}, {"bB", "zZ"}});

        // Positions and order, with a word of three letters besides the table's.
        spalten({2, 3, 6, 7, 16, 18, 25, 15, 26}, {
            {"A", "A", "A A", " .", " A", ". ", "A", "A", "A", "AA"},
            {"Eh", "hE", "E h", "E .", " . h", "E . ", "E _", "hE", "Eh", "Eh"},
            {"Uhr", "rhU", "U . r", "U . .", " . hr", ". h . ", "U _ r", "hrU", "rUh", "Uhr"},
            {"Haus", "suaH", "H . . s", "Ha . .", " . . us", ". a . . ", "H _ u _", "usHa", "uHas", "Huas"},
            {"Delfin", "nifleD", "D . . . . n", "Del . . .", " . . . fin", ". . l f . . ", "D _ l _ i _", "finDel",
             "ilDefn", "Dilefn"},
            {"Fotograf", "fargotoF", "F . . . . . . f", "Foto . . . .", " . . . . graf", ". . t o g . . . ",
             "F _ t _ g _ a _", "grafFoto", "agtFoorf", "Fagtoorf"}});
        // Type 16 shows one letter for 2 to 4 letters, two for 5 to 7, three for 8 to 10.
        zeile(16, u("Abcdefghij"), u(". . . d e f . . . . "));

        // Alphabet, and the whole word.
        spalten({8, 19}, {{"Ötzi", "iÖtz", "15-20-26-9"}, {"groß", "gorß", "7-18-15-19"},
                          {"Hand-Ball", "aaBdHlln", "8-1-14-4-0-2-1-12-12"}, {"A", "A", "1"}});
        zeile(8, u("Tintenfüller"), u("eefillnnrTtü"));

        // Letter to keep (23) and vowel (27), with chance.
        zeile(23, u("Haus"), u("H . . . "), {0.0});
        zeile(23, u("Haus"), u(". . . s "), {0.999});
        zeile(23, u("Stängel"), u(". . ä . . . . "), {0.3});
        zeile(23, u("A"), u("A "), {0.7});
        // Chinese: one value per word, also when no vowel is there to replace.
        const struct { const char *wort; double r; const char *erwartet; } chinesen[] = {
            {"Stängel", 0.1, "Stangal"}, {"Ötzi", 0.9, "Utzu"}, {"Ötzi", 0.2, "Etze"}, {"Haus", 0.3, "Hees"},
            {"Haus", 0.0, "Haas"}, {"Haus", 0.4, "Hiis"}, {"Haus", 0.79, "Hoos"}, {"Pst", 0.5, "Pst"},
            {"Eule", 0.8, "Uulu"}, {"Fuß-Öl", 0.3, "Feß-El"}, {"Aal", 0.0, "Aal"}};
        for (const auto &c : chinesen)
            zeile(27, u(c.wort), u(c.erwartet), {c.r});
        // Hidden word: 24 fillers, then the start.
        QList<double> werte(24, 0.0);
        werte[0] = 28.5 / 29;  // "Ü"
        werte[23] = 25.5 / 29; // "Z" at the last place
        zeile(14, u("Stängel"), u("ÜAAAAAAAAAAAAAAASTÄNGELZ"), werte << 0.999);
        zeile(14, u("Fuß"), u("FUßOOOOOOOOOOOOOOOOOOOOO"), QList<double>(24, 0.5) << 0.0);
        zeile(14, u("Geburtstagsfeierlichkeit"), u("GEBURTSTAGSFEIERLICHKEIT"), QList<double>(25, 0.3));
        zeile(14, u("Lebensmittelunverträglich"), QString());
        zeile(0, u("Haus"), QString());
        zeile(29, u("Haus"), QString());

        // Emoji, outside the Basic Multilingual Plane, are whole characters in every rendering.
        // Type 14 draws 24 fillers (0.0 is "A") and the start, type 23 the
        // shown place, type 27 the vowel (0.0 "A", 0.5 "I", 0.99 "U").
        QList<QList<double>> zufall(29);
        zufall[14] = QList<double>(24, 0.0) << 0.0;
        zufall[23] = {0.99};
        zufall[27] = {0.0};
        // The types that show the word itself, and the word list's type 22,
        // are the same for every word; the table gives all the others.
        const QList<int> typen{2, 3, 4, 5, 6, 7, 8, 9, 11, 13, 14, 15, 16, 17, 18, 19, 23, 25, 26, 27, 28};
        const QList<QStringList> zeilen{
            {"Haus😀", "😀suaH", "H . . . 😀", " . au .  . ", "H .  . s😀", "Ha . . .", " . . us😀", "aHsu",
             " . _ _  .  . ", "MSSM😀", "HAUS😀", "HAUS😀AAAAAAAAAAAAAAAAAAA", "😀uHas", ". a u . . ", "haus😀",
             "H _ u _ 😀", "8-1-21-19-0", ". . . . 😀 ", "us😀Ha", "Huas😀", "Haas😀", "Gaur😀"},
            {"😀", "😀", "😀 😀", " . ", "😀", " .", " 😀", "", " . ", "😀", "😀", "😀AAAAAAAAAAAAAAAAAAAAAAA", "😀",
             ". ", "😀", "😀", "0", "😀 ", "😀", "😀😀", "😀", "😀"},
            {"Ö😀zi", "iz😀Ö", "Ö . . i", "Ö .  . i", " . 😀z . ", "Ö😀 . .", " . . zi", "iÖz", "_  .  . _ ", "U😀MS",
             "Ö😀ZI", "Ö😀ZIAAAAAAAAAAAAAAAAAAAA", "zÖ😀i", ". 😀 . . ", "ö😀zi", "Ö _ z _", "15-0-26-9", ". . . i ",
             "ziÖ😀", "Öz😀i", "A😀za", "Ö😀yi"},
            // Two emoji in a row stay two whole characters, in their order.
            {"😀🐭", "🐭😀", "😀 🐭", " .  . ", "😀🐭", "😀 .", " . 🐭", "", " .  . ", "😀🐭", "😀🐭",
             "😀🐭AAAAAAAAAAAAAAAAAAAAAA", "😀🐭", "😀 . ", "😀🐭", "😀 _", "0-0", ". 🐭 ", "🐭😀", "😀🐭", "😀🐭", "😀🐭"},
        };
        for (const QStringList &z : zeilen) {
            const QString &wort = z.first();
            for (int typ = 1; typ <= 28; ++typ) {
                const qsizetype i = typen.indexOf(typ);
                const QString erwartet = i >= 0 ? z.at(i + 1)
                                         : typ == 22 ? u("Suche das 2. Wort in der Liste!") : wort;
                zeile(typ, wort, erwartet, zufall[typ]);
            }
        }
        // A lone half of a pair (never read from a file) is one character of its own.
        const QString halb = QString(QChar(0xD83D)) + u("ab");
        zeile(2, halb, u("ba") + QChar(0xD83D));
        zeile(25, halb, u("ab") + QChar(0xD83D));
        const QString tiefeHaelfte = u("ab") + QChar(0xDE00);
        zeile(2, tiefeHaelfte, QString(QChar(0xDE00)) + u("ba"));
        // Versteckt counts whole characters: the word can start at the last
        // possible place, and 24 emoji (48 units) are not too long.
        zeile(14, u("Haus😀"), mal("A", 18) + u("HAUS😀A"), QList<double>(24, 0.0) << 0.999);
        zeile(14, mal("😀", 24), mal("😀", 24), QList<double>(25, 0.5));
        zeile(14, mal("😀", 25), QString());
    }
    void darstellung()
    {
        QFETCH(int, typ);
        QFETCH(QString, wort);
        QFETCH(QList<double>, werte);
        QFETCH(QString, erwartet);
        Zufall z;
        z.vorgeben(werte << 0.5);
        bool zuLang = !(typ == 14 && erwartet.isEmpty());
        const QString text = darstellen(typ, wort, z, {u("Maus"), wort}, &zuLang);
        QCOMPARE(text, erwartet);
        QCOMPARE(zuLang, typ == 14 && erwartet.isEmpty());
        QCOMPARE(z.vorgegebenUebrig(), 1);
    }
    void leeresWort_data()
    {
        QTest::addColumn<int>("typ");
        for (int typ = 1; typ <= 28; ++typ)
            QTest::addRow("%d", typ) << typ;
    }
    void leeresWort()
    {
        QFETCH(int, typ);
        Zufall z;
        z.seed(3);
        bool zuLang = true;
        QCOMPARE(darstellen(typ, QString(), z, {QStringLiteral("Haus")}, &zuLang), QString());
        QVERIFY(!zuLang);
        // Chance at the very top of its range must not reach past the word either.
        z.vorgeben({0.9999999999, 0.9999999999});
        QCOMPARE(darstellen(typ, QString(), z), QString());
    }

    void wortreihe_data()
    {
        QTest::addColumn<QStringList>("liste");
        QTest::addColumn<QString>("wort");
        QTest::addColumn<int>("stelle");
        const QStringList liste{u("Apfel"), u("Haus"), u("Stängel"), u("Zebra")};
        QTest::newRow("erste") << liste << u("Apfel") << 1;
        QTest::newRow("zweimal, die spätere zählt") << QStringList{u("Haus"), u("Maus"), u("Haus"), u("Rad")} << u("Haus") << 3;
        QTest::newRow("zwanzigste") << (QStringList(19, u("x")) << u("Zug")) << u("Zug") << 20;
        QTest::newRow("fehlt") << liste << u("Maus") << 0;
        QTest::newRow("Großschreibung zählt") << QStringList{u("haus")} << u("Haus") << 0;
    }
    void wortreihe()
    {
        QFETCH(QStringList, liste);
        QFETCH(QString, wort);
        QFETCH(int, stelle);
        Zufall z;
        QCOMPARE(darstellen(22, wort, z, liste), u("Suche das %1. Wort in der Liste!").arg(stelle));
    }

    // The main window.
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
        QVERIFY(t.f1().Befehl.size() == 28 && !t.f1().findChild<QWidget *>(u("Befehl29")));
        const QString wort = t.m().Loesungswort;
        QVERIFY(!wort.isEmpty() && !t.m().Anzeigetext.isEmpty());
        QCOMPARE(t.f1().Bezeichnung1->Caption(), t.m().Anzeigetext);
        // Word dictation empties the candidate list.
        QCOMPARE(t.f1().Liste2->ListCount() == 0, nummer == 20);
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
        // The settings as they are made new.
        Testprogramm t;
        if (vorher)
            t.f1().Befehl_Click(vorher);
        t.f1().Befehl_Click(nummer);
        QCOMPARE(t.f1().Bezeichnung1->FontName(), schrift);
        // The special fonts do the work: the word itself is shown.
        if (nummer != 13)
            QCOMPARE(t.f1().Bezeichnung1->Caption(), t.m().Loesungswort);
    }
    void versteckt()
    {
        Testprogramm t;
        const QString wort = u("Lebensmittelunverträglich");
        t.liste({wort});
        t.boxen.ok();
        t.f1().Befehl14_Click();
        pruefeBox(t.boxen, u("Das Lösungswort ist für diese Übung zu lang!\rKlicke bitte nochmal auf den Versteckt-Knopf!\r"), wort);
        QCOMPARE(t.m().Loesungswort, wort);
        QCOMPARE(t.f1().Bezeichnung1->Caption(), QString());
    }
    void vergroesserung()
    {
        Testprogramm t;
        Form1 &f = t.f1();
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
    }
};

QTEST_MAIN(TestDarstellungen)
#include "tst_darstellungen.moc"
