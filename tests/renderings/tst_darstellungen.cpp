// The renderings of the 28 exercise types as plain functions: word in, text out.
#include "renderings/Darstellung.h"
#include "renderings/Schreibung.h"
#include "support/Testprogramm.h"
#include "basis/Zufall.h"

#include <QSet>
#include <QTest>

namespace {

void zeile(int typ, const char *wort, const char *erwartet)
{
    QTest::addRow("%d %s", typ, wort) << typ << u(wort) << u(erwartet);
}

void vorgabe(int typ, const char *wort, const QList<double> &werte, const char *erwartet, bool zuLang = false,
             int uebrig = 1)
{
    QTest::addRow("%d %s %s", typ, wort, erwartet) << typ << u(wort) << werte << u(erwartet) << zuLang << uebrig;
}

} // namespace

class TestDarstellungen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void festeDarstellung_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QString>("erwartet");
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
    void festeDarstellung()
    {
        QFETCH(int, typ);
        QFETCH(QString, wort);
        QFETCH(QString, erwartet);
        Zufall z;
        z.seed(7);
        QCOMPARE(darstellen(typ, wort, z), erwartet);
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
        QTest::newRow("dritte") << liste << u("Stängel") << 3;
        QTest::newRow("erste") << liste << u("Apfel") << 1;
        QTest::newRow("zweimal, die spätere zählt") << QStringList{u("Haus"), u("Maus"), u("Haus"), u("Rad")} << u("Haus") << 3;
        QTest::newRow("zwanzigste") << (QStringList(19, u("x")) << u("Zug")) << u("Zug") << 20;
        QTest::newRow("fehlt") << liste << u("Maus") << 0;
        QTest::newRow("Großschreibung zählt") << QStringList{u("haus")} << u("Haus") << 0;
        QTest::newRow("leere Liste") << QStringList() << u("Haus") << 0;
    }
    void wortreihe()
    {
        QFETCH(QStringList, liste);
        QFETCH(QString, wort);
        QFETCH(int, stelle);
        Zufall z;
        QCOMPARE(darstellen(22, wort, z, liste), u("Suche das %1. Wort in der Liste!").arg(stelle));
    }

    // Renderings with given chance: the text, the too-long flag and how many
    // of the given values are left (each type takes exactly what it needs).
    void mitVorgabe_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QList<double>>("werte");
        QTest::addColumn<QString>("erwartet");
        QTest::addColumn<bool>("zuLang");
        QTest::addColumn<int>("uebrig");
        vorgabe(23, "Haus", {0.0, 0.5}, "H . . . ");
        vorgabe(23, "Haus", {0.25, 0.5}, ". a . . ");
        vorgabe(23, "Haus", {0.5, 0.5}, ". . u . ");
        vorgabe(23, "Haus", {0.999, 0.5}, ". . . s ");
        vorgabe(23, "Stängel", {0.3, 0.5}, ". . ä . . . . ");
        vorgabe(23, "A", {0.7, 0.5}, "A ");
        // Chinese: one value per word, also when no vowel is there to replace.
        const struct { const char *wort; double r; const char *erwartet; } chinesen[] = {
            {"Stängel", 0.1, "Stangal"}, {"Ötzi", 0.9, "Utzu"}, {"Ötzi", 0.2, "Etze"}, {"Haus", 0.3, "Hees"},
            {"Haus", 0.0, "Haas"}, {"Haus", 0.4, "Hiis"}, {"Haus", 0.79, "Hoos"}, {"Pst", 0.5, "Pst"},
            {"Eule", 0.8, "Uulu"}, {"Fuß-Öl", 0.3, "Feß-El"}, {"Aal", 0.0, "Aal"}};
        for (const auto &c : chinesen)
            vorgabe(27, c.wort, {c.r, 0.0}, c.erwartet);
        // Hidden word: 24 fillers, then the start.
        QList<double> werte(24, 0.0);
        werte[0] = 28.5 / 29;  // "Ü"
        werte[23] = 25.5 / 29; // "Z" at the last place
        vorgabe(14, "Stängel", werte << 0.999 << 0.5, "ÜAAAAAAAAAAAAAAASTÄNGELZ");
        vorgabe(14, "Fuß", QList<double>(24, 0.5) << 0.0, "FUßOOOOOOOOOOOOOOOOOOOOO", false, 0);
        vorgabe(14, "Geburtstagsfeierlichkeit", QList<double>(25, 0.3) << 0.5, "GEBURTSTAGSFEIERLICHKEIT");
        vorgabe(14, "Lebensmittelunverträglich", {0.5}, "", true);
        vorgabe(0, "Haus", {0.5}, "");
        vorgabe(29, "Haus", {0.5}, "");
    }
    void mitVorgabe()
    {
        QFETCH(int, typ);
        QFETCH(QString, wort);
        QFETCH(QList<double>, werte);
        QFETCH(QString, erwartet);
        QFETCH(bool, zuLang);
        QFETCH(int, uebrig);
        Zufall z;
        z.vorgeben(werte);
        bool gemeldet = !zuLang;
        QCOMPARE(darstellen(typ, wort, z, {}, &gemeldet), erwartet);
        QCOMPARE(gemeldet, zuLang);
        QCOMPARE(z.vorgegebenUebrig(), uebrig);
    }

};

QTEST_GUILESS_MAIN(TestDarstellungen)
#include "tst_darstellungen.moc"
