// The renderings of the 28 exercise types as plain functions: word in, text out.
#include "renderings/Darstellung.h"
#include "renderings/Schreibung.h"
#include "ui/Zufall.h"

#include <QSet>
#include <QTest>

class TestDarstellungen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void festeDarstellung_data();
    void festeDarstellung();
    void leeresWort_data();
    void leeresWort();
    void wortreihe_data();
    void wortreihe();
    void buchstabeMitVorgabe_data();
    void buchstabeMitVorgabe();
    void buchstabeErreichtJedeStelle();
    void chinesen_data();
    void chinesen();
    void verstecktMitVorgabe();
    void verstecktUeberVieleSeeds_data();
    void verstecktUeberVieleSeeds();
    void verstecktVierundzwanzig();
    void verstecktZuLang();
    void unbekannterTyp();
    void darstellungAendertWortNicht();
};

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

void zeile(int typ, const char *wort, const char *erwartet)
{
    QTest::addRow("%d %s", typ, wort) << typ << u(wort) << u(erwartet);
}

} // namespace

void TestDarstellungen::festeDarstellung_data()
{
    QTest::addColumn<int>("typ");
    QTest::addColumn<QString>("wort");
    QTest::addColumn<QString>("erwartet");

    // The catalogue's example word, every type without chance.
    const char *const staengel[29] = {nullptr,
        "Stängel", "legnätS", "S . . . . . l", " .  . ä .  . e . ", "St . ng . l", "Stä . . . .", " . . . ngel",
        "äeglnSt", " .  . _  .  . _  . ", "Stängel", "MMUMMSM", "Stängel", "STÄNGEL", nullptr, "lgäStne",
        ". . ä n . . . ", "stängel", "S _ ä _ g _ l", "19-20-1-14-7-5-12", "Stängel", "Stängel", nullptr, nullptr,
        "Stängel", "ngelStä", "Sgätnel", nullptr, "Rsämfek"};
    for (int typ = 1; typ <= 28; ++typ)
        if (staengel[typ])
            zeile(typ, "Stängel", staengel[typ]);

    // Letter classes.
    const struct { const char *wort, *t4, *t5, *t9, *t11, *t28; } klassen[] = {
        {"Haus", " . au . ", "H .  . s", " . _ _  . ", "MSSM", "Gaur"},
        {"Ötzi", "Ö .  . i", " . tz . ", "_  .  . _ ", "UMMS", "Ösyi"},
        {"groß", " .  . o . ", "gr . ß", " .  . _  . ", "MMSM", "fqoß"},
        {"Zebra", " . e .  . a", "Z . br . ", " . _  .  . _ ", "MSMMS", "Yezqa"},
        {"Hand-Ball", " . a .  .  .  . a .  . ", "H . nd-B . ll", " . _  .  .  .  . _  .  . ", "MSMM-MSMM",
         "Gamc-Zakk"},
    };
    for (const auto &k : klassen) {
        zeile(4, k.wort, k.t4);
        zeile(5, k.wort, k.t5);
        zeile(9, k.wort, k.t9);
        zeile(11, k.wort, k.t11);
        zeile(28, k.wort, k.t28);
    }
    zeile(4, "A", "A");
    zeile(5, "A", " . ");
    zeile(9, "A", "_ ");
    zeile(28, "BZy", "ZYx");
    zeile(28, "Au", "Au");
    zeile(28, "bB", "zZ");

    // Positions and order, with a word of three letters besides the table's.
    const struct { const char *wort, *t2, *t3, *t6, *t7, *t16, *t18, *t25, *t15, *t26; } positionen[] = {
        {"A", "A", "A A", " .", " A", ". ", "A", "A", "A", "AA"},
        {"Eh", "hE", "E h", "E .", " . h", "E . ", "E _", "hE", "Eh", "Eh"},
        {"Uhr", "rhU", "U . r", "U . .", " . hr", ". h . ", "U _ r", "hrU", "rUh", "Uhr"},
        {"Haus", "suaH", "H . . s", "Ha . .", " . . us", ". a . . ", "H _ u _", "usHa", "uHas", "Huas"},
        {"Delfin", "nifleD", "D . . . . n", "Del . . .", " . . . fin", ". . l f . . ", "D _ l _ i _", "finDel",
         "ilDefn", "Dilefn"},
        {"Fotograf", "fargotoF", "F . . . . . . f", "Foto . . . .", " . . . . graf", ". . t o g . . . ",
         "F _ t _ g _ a _", "grafFoto", "agtFoorf", "Fagtoorf"},
    };
    for (const auto &p : positionen) {
        zeile(2, p.wort, p.t2);
        zeile(3, p.wort, p.t3);
        zeile(6, p.wort, p.t6);
        zeile(7, p.wort, p.t7);
        zeile(16, p.wort, p.t16);
        zeile(18, p.wort, p.t18);
        zeile(25, p.wort, p.t25);
        zeile(15, p.wort, p.t15);
        zeile(26, p.wort, p.t26);
    }
    zeile(2, "groß", "ßorg");
    // Type 16 shows one letter for 2 to 4 letters, two for 5 to 7, three for 8 to 10.
    zeile(16, "Abcdefghij", ". . . d e f . . . . ");
    zeile(16, "Abcdefghi", ". . . d e f . . . ");

    // Alphabet.
    const struct { const char *wort, *t8, *t19; } alphabet[] = {
        {"Stängel", "äeglnSt", "19-20-1-14-7-5-12"},
        {"Ötzi", "iÖtz", "15-20-26-9"},
        {"groß", "gorß", "7-18-15-19"},
        {"Hand-Ball", "aaBdHlln", "8-1-14-4-0-2-1-12-12"},
        {"A", "A", "1"},
    };
    for (const auto &a : alphabet) {
        zeile(8, a.wort, a.t8);
        zeile(19, a.wort, a.t19);
    }
    zeile(8, "Tintenfüller", "eefillnnrTtü");
    zeile(19, "Zoo", "26-15-15");

    // Whole word.
    zeile(13, "groß", "GROß");
    zeile(17, "Ötzi", "ötzi");

    // Words with a blank and a digit, and with "ß", a hyphen and a capital umlaut.
    const char *const rad[29] = {nullptr,
        "Rad 2", "2 daR", "R . . . 2", " . a .  .  . ", "R . d 2", "Ra . . .", " . . d 2", "adR", " . _  .  .  . ",
        "Rad 2", "MSM 2", "Rad 2", "RAD 2", nullptr, "2dRa ", ". a d . . ", "rad 2", "R _ d _ 2",
        "18-1-4-0-0", "Rad 2", "Rad 2", nullptr, nullptr, "Rad 2", "d 2Ra", "Rda 2", nullptr, "Qac 2"};
    const char *const fuss[29] = {nullptr,
        "Fuß-Öl", "lÖ-ßuF", "F . . . . l", " . u .  . Ö . ", "F . ß- . l", "Fuß . . .", " . . . -Öl", "FlÖßu",
        " . _  .  . _  . ", "Fuß-Öl", "MSM-UM", "Fuß-Öl", "FUß-ÖL", nullptr, "ÖßFu-l", ". . ß - . . ", "fuß-öl",
        "F _ ß _ Ö _", "6-21-19-0-15-12", "Fuß-Öl", "Fuß-Öl", nullptr, nullptr, "Fuß-Öl", "-ÖlFuß", "FÖßu-l",
        nullptr, "Duß-Ök"};
    for (int typ = 1; typ <= 28; ++typ) {
        if (rad[typ])
            zeile(typ, "Rad 2", rad[typ]);
        if (fuss[typ])
            zeile(typ, "Fuß-Öl", fuss[typ]);
    }
}

void TestDarstellungen::festeDarstellung()
{
    QFETCH(int, typ);
    QFETCH(QString, wort);
    QFETCH(QString, erwartet);
    Zufall z;
    z.seed(7);
    QCOMPARE(darstellen(typ, wort, z), erwartet);
}

void TestDarstellungen::leeresWort_data()
{
    QTest::addColumn<int>("typ");
    for (int typ = 1; typ <= 28; ++typ)
        QTest::addRow("%d", typ) << typ;
}

void TestDarstellungen::leeresWort()
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

void TestDarstellungen::wortreihe_data()
{
    QTest::addColumn<QStringList>("liste");
    QTest::addColumn<QString>("wort");
    QTest::addColumn<QString>("erwartet");
    const QStringList liste{u("Apfel"), u("Haus"), u("Stängel"), u("Zebra")};
    QTest::newRow("dritte") << liste << u("Stängel") << u("Suche das 3. Wort in der Liste!");
    QTest::newRow("erste") << liste << u("Apfel") << u("Suche das 1. Wort in der Liste!");
    QTest::newRow("zweimal, die spätere zählt")
        << QStringList{u("Haus"), u("Maus"), u("Haus"), u("Rad")} << u("Haus") << u("Suche das 3. Wort in der Liste!");
    QTest::newRow("zwanzigste") << (QStringList(19, u("x")) << u("Zug")) << u("Zug")
                                << u("Suche das 20. Wort in der Liste!");
    QTest::newRow("fehlt") << liste << u("Maus") << u("Suche das 0. Wort in der Liste!");
    QTest::newRow("Großschreibung zählt") << QStringList{u("haus")} << u("Haus") << u("Suche das 0. Wort in der Liste!");
    QTest::newRow("leere Liste") << QStringList() << u("Haus") << u("Suche das 0. Wort in der Liste!");
}

void TestDarstellungen::wortreihe()
{
    QFETCH(QStringList, liste);
    QFETCH(QString, wort);
    QFETCH(QString, erwartet);
    Zufall z;
    QCOMPARE(darstellen(22, wort, z, liste), erwartet);
}

void TestDarstellungen::buchstabeMitVorgabe_data()
{
    QTest::addColumn<QString>("wort");
    QTest::addColumn<double>("r");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("Haus 0") << u("Haus") << 0.0 << u("H . . . ");
    QTest::newRow("Haus 0.25") << u("Haus") << 0.25 << u(". a . . ");
    QTest::newRow("Haus 0.5") << u("Haus") << 0.5 << u(". . u . ");
    QTest::newRow("Haus 0.999") << u("Haus") << 0.999 << u(". . . s ");
    QTest::newRow("Stängel 3") << u("Stängel") << 0.3 << u(". . ä . . . . ");
    QTest::newRow("A") << u("A") << 0.7 << u("A ");
}

void TestDarstellungen::buchstabeMitVorgabe()
{
    QFETCH(QString, wort);
    QFETCH(double, r);
    QFETCH(QString, erwartet);
    Zufall z;
    z.vorgeben({r, 0.5});
    QCOMPARE(darstellen(23, wort, z), erwartet);
    QCOMPARE(z.vorgegebenUebrig(), 1);
}

void TestDarstellungen::buchstabeErreichtJedeStelle()
{
    Zufall z;
    z.seed(42);
    QSet<QString> gesehen;
    for (int i = 0; i < 400; ++i)
        gesehen.insert(darstellen(23, u("Haus"), z));
    const QSet<QString> erwartet{u("H . . . "), u(". a . . "), u(". . u . "), u(". . . s ")};
    QCOMPARE(gesehen, erwartet);
}

void TestDarstellungen::chinesen_data()
{
    QTest::addColumn<QString>("wort");
    QTest::addColumn<double>("r");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("Stängel A") << u("Stängel") << 0.1 << u("Stangal");
    QTest::newRow("Ötzi U") << u("Ötzi") << 0.9 << u("Utzu");
    QTest::newRow("Ötzi E") << u("Ötzi") << 0.2 << u("Etze");
    QTest::newRow("Haus E") << u("Haus") << 0.3 << u("Hees");
    QTest::newRow("Haus A") << u("Haus") << 0.0 << u("Haas");
    QTest::newRow("Haus I") << u("Haus") << 0.4 << u("Hiis");
    QTest::newRow("Haus O") << u("Haus") << 0.79 << u("Hoos");
    QTest::newRow("Pst") << u("Pst") << 0.5 << u("Pst");
    QTest::newRow("Eule U") << u("Eule") << 0.8 << u("Uulu");
    QTest::newRow("Fuß-Öl E") << u("Fuß-Öl") << 0.3 << u("Feß-El");
    QTest::newRow("schon alles A") << u("Aal") << 0.0 << u("Aal");
}

void TestDarstellungen::chinesen()
{
    QFETCH(QString, wort);
    QFETCH(double, r);
    QFETCH(QString, erwartet);
    Zufall z;
    z.vorgeben({r, 0.0});
    QCOMPARE(darstellen(27, wort, z), erwartet);
    // Exactly one value per word, also when no vowel is there to replace.
    QCOMPARE(z.vorgegebenUebrig(), 1);
}

void TestDarstellungen::verstecktMitVorgabe()
{
    Zufall z;
    QList<double> werte(24, 0.0);
    werte[0] = 28.5 / 29;  // "Ü"
    werte[23] = 25.5 / 29; // "Z" at the last place
    werte << 0.999 << 0.5; // the start (17 of 17), then one value left over
    z.vorgeben(werte);
    QCOMPARE(darstellen(14, u("Stängel"), z), u("ÜAAAAAAAAAAAAAAASTÄNGELZ"));
    QCOMPARE(z.vorgegebenUebrig(), 1);

    Zufall z2;
    z2.vorgeben(QList<double>(24, 0.5) << 0.0);
    QCOMPARE(darstellen(14, u("Fuß"), z2), u("FUßOOOOOOOOOOOOOOOOOOOOO"));
}

void TestDarstellungen::verstecktUeberVieleSeeds_data()
{
    QTest::addColumn<QString>("wort");
    QTest::newRow("Stängel") << u("Stängel");
    QTest::newRow("ein Buchstabe") << u("a");
    QTest::newRow("23 Zeichen") << u("Lebensmittelverträglich");
}

void TestDarstellungen::verstecktUeberVieleSeeds()
{
    QFETCH(QString, wort);
    const QString fueller = u("ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ");
    const int L = wort.size();
    const QString W = Schreibung::gross(wort);
    QSet<int> anfaenge;
    for (int seed = 1; seed <= 1500; ++seed) {
        Zufall z;
        z.seed(seed);
        const QString t = darstellen(14, wort, z);
        QCOMPARE(t.size(), 24);
        QVERIFY2(fueller.contains(t.at(23)), qPrintable(t));
        int anfang = -1;
        for (int p = 0; p <= 23 - L && anfang < 0; ++p) {
            if (t.mid(p, L) != W)
                continue;
            bool sonstFueller = true;
            for (int i = 0; i < 24; ++i)
                if ((i < p || i >= p + L) && !fueller.contains(t.at(i)))
                    sonstFueller = false;
            if (sonstFueller)
                anfang = p;
        }
        QVERIFY2(anfang >= 0, qPrintable(t));
        anfaenge.insert(anfang);
    }
    // Every start from 1 to 24 - L is reached (0-based here).
    QCOMPARE(anfaenge.size(), 24 - L);
}

void TestDarstellungen::verstecktVierundzwanzig()
{
    const QString wort = u("Geburtstagsfeierlichkeit");
    QCOMPARE(wort.size(), 24);
    Zufall z;
    z.vorgeben(QList<double>(25, 0.3) << 0.5);
    bool zuLang = true;
    QCOMPARE(darstellen(14, wort, z, {}, &zuLang), u("GEBURTSTAGSFEIERLICHKEIT"));
    QVERIFY(!zuLang);
    QCOMPARE(z.vorgegebenUebrig(), 1);
}

void TestDarstellungen::verstecktZuLang()
{
    const QString wort = u("Lebensmittelunverträglich");
    QCOMPARE(wort.size(), 25);
    Zufall z;
    z.vorgeben({0.5});
    bool zuLang = false;
    QCOMPARE(darstellen(14, wort, z, {}, &zuLang), QString());
    QVERIFY(zuLang);
    QCOMPARE(z.vorgegebenUebrig(), 1);
}

void TestDarstellungen::unbekannterTyp()
{
    Zufall z;
    z.vorgeben({0.5});
    QCOMPARE(darstellen(0, u("Haus"), z), QString());
    QCOMPARE(darstellen(29, u("Haus"), z), QString());
    QCOMPARE(z.vorgegebenUebrig(), 1);
}

void TestDarstellungen::darstellungAendertWortNicht()
{
    Zufall z;
    z.seed(5);
    for (int typ = 1; typ <= 28; ++typ) {
        const QString wort = u("Fuß-Öl");
        QString text = u("alter Text");
        Darstellung d{wort, text, z, {wort}};
        d.ausfuehren(typ);
        QCOMPARE(wort, u("Fuß-Öl"));
        QVERIFY2(!text.contains(u("alter")), qPrintable(QString::number(typ)));
    }
}

QTEST_GUILESS_MAIN(TestDarstellungen)
#include "tst_darstellungen.moc"
