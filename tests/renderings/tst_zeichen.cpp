// Characters outside the Basic Multilingual Plane (emoji, mathematical
// letters) are whole characters: in every rendering, the key check, the hint
// and the solution.
#include "renderings/Darstellung.h"
#include "support/Testprogramm.h"
#include "trainer/Antworten.h"
#include "basis/Zeichen.h"
#include "basis/Zufall.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

namespace {

/// One word through all 28 types. `erwartet[typ]` is the text shown; types
/// 14, 23 and 27 draw the values given in `werte[typ]`.
struct Wortzeile
{
    const char *wort;
    const char *erwartet[29];
};

/// Sends one key press whose text is `text` (possibly two UTF-16 units), as a
/// keyboard or an input method delivers an emoji.
void zeichenTaste(QWidget *ziel, const QString &text)
{
    QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(ziel, &druck);
    QKeyEvent los(QEvent::KeyRelease, 0, Qt::NoModifier, text);
    QApplication::sendEvent(ziel, &los);
}

QString mal(const char *teil, int n)
{
    return u(teil).repeated(n);
}

} // namespace

class TestZeichen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void alleDarstellungen_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QList<double>>("werte");
        QTest::addColumn<QString>("erwartet");

        // Type 14 draws 24 fillers (0.0 is "A") and the start, type 23 the
        // shown place, type 27 the vowel (0.0 "A", 0.5 "I", 0.99 "U").
        QList<QList<double>> werte(29);
        werte[14] = QList<double>(24, 0.0) << 0.0;
        werte[23] = {0.99};
        werte[27] = {0.0};
        const Wortzeile zeilen[] = {
            {"Haus😀", {nullptr, "Haus😀", "😀suaH", "H . . . 😀", " . au .  . ", "H .  . s😀", "Ha . . .",
                        " . . us😀", "aHsu", " . _ _  .  . ", "Haus😀", "MSSM😀", "Haus😀", "HAUS😀",
                        "HAUS😀AAAAAAAAAAAAAAAAAAA", "😀uHas", ". a u . . ", "haus😀", "H _ u _ 😀", "8-1-21-19-0",
                        "Haus😀", "Haus😀", "Suche das 2. Wort in der Liste!", ". . . . 😀 ", "Haus😀", "us😀Ha",
                        "Huas😀", "Haas😀", "Gaur😀"}},
            {"😀", {nullptr, "😀", "😀", "😀 😀", " . ", "😀", " .", " 😀", "", " . ", "😀", "😀", "😀", "😀",
                   "😀AAAAAAAAAAAAAAAAAAAAAAA", "😀", ". ", "😀", "😀", "0", "😀", "😀",
                   "Suche das 2. Wort in der Liste!", "😀 ", "😀", "😀", "😀😀", "😀", "😀"}},
            {"𝔸bc", {nullptr, "𝔸bc", "cb𝔸", "𝔸 . c", " .  .  . ", "𝔸bc", "𝔸 . .", " . bc", "bc", " .  .  . ",
                     "𝔸bc", "𝔸MM", "𝔸bc", "𝔸BC", "𝔸BCAAAAAAAAAAAAAAAAAAAAA", "c𝔸b", ". b . ", "𝔸bc", "𝔸 _ c",
                     "0-2-3", "𝔸bc", "𝔸bc", "Suche das 2. Wort in der Liste!", ". . c ", "𝔸bc", "bc𝔸", "𝔸bc",
                     "𝔸bc", "𝔸zb"}},
            {"Ö😀zi", {nullptr, "Ö😀zi", "iz😀Ö", "Ö . . i", "Ö .  . i", " . 😀z . ", "Ö😀 . .", " . . zi", "iÖz",
                      "_  .  . _ ", "Ö😀zi", "U😀MS", "Ö😀zi", "Ö😀ZI", "Ö😀ZIAAAAAAAAAAAAAAAAAAAA", "zÖ😀i",
                      ". 😀 . . ", "ö😀zi", "Ö _ z _", "15-0-26-9", "Ö😀zi", "Ö😀zi",
                      "Suche das 2. Wort in der Liste!", ". . . i ", "Ö😀zi", "ziÖ😀", "Öz😀i", "A😀za", "Ö😀yi"}},
            // Two emoji in a row stay two whole characters, in their order.
            {"😀🐭", {nullptr, "😀🐭", "🐭😀", "😀 🐭", " .  . ", "😀🐭", "😀 .", " . 🐭", "", " .  . ", "😀🐭",
                     "😀🐭", "😀🐭", "😀🐭", "😀🐭AAAAAAAAAAAAAAAAAAAAAA", "😀🐭", "😀 . ", "😀🐭", "😀 _",
                     "0-0", "😀🐭", "😀🐭", "Suche das 2. Wort in der Liste!", ". 🐭 ", "😀🐭", "🐭😀", "😀🐭",
                     "😀🐭", "😀🐭"}},
        };
        for (const Wortzeile &z : zeilen) {
            for (int typ = 1; typ <= 28; ++typ)
                QTest::addRow("%d %s", typ, z.wort) << typ << u(z.wort) << werte[typ] << u(z.erwartet[typ]);
        }
        // A lone half of a pair (never read from a file) is one character of its own.
        const QString halb = QString(QChar(0xD83D)) + u("ab");
        QTest::newRow("2 einzelne Hälfte") << 2 << halb << QList<double>() << (u("ba") + QChar(0xD83D));
        QTest::newRow("25 einzelne Hälfte") << 25 << halb << QList<double>() << (u("ab") + QChar(0xD83D));
        const QString tiefeHaelfte = u("ab") + QChar(0xDE00);
        QTest::newRow("2 einzelne tiefe Hälfte") << 2 << tiefeHaelfte << QList<double>()
                                                 << (QString(QChar(0xDE00)) + u("ba"));
        // Versteckt counts whole characters: the word can start at the last
        // possible place, and 24 emoji (48 units) are not too long.
        QTest::newRow("14 am Ende") << 14 << u("Haus😀") << (QList<double>(24, 0.0) << 0.999)
                                    << (mal("A", 18) + u("HAUS😀A"));
        QTest::newRow("14 vierundzwanzig") << 14 << mal("😀", 24) << QList<double>(25, 0.5) << mal("😀", 24);
        QTest::newRow("14 zu lang") << 14 << mal("😀", 25) << QList<double>() << QString();
        QTest::newRow("19 mathematisch") << 19 << u("𝔸𝔹𝕮") << QList<double>() << u("0-0-0");
    }
    void alleDarstellungen()
    {
        QFETCH(int, typ);
        QFETCH(QString, wort);
        QFETCH(QList<double>, werte);
        QFETCH(QString, erwartet);
        Zufall z;
        z.seed(5);
        z.vorgeben(werte);
        bool zuLang = false;
        const QString text = darstellen(typ, wort, z, {u("Maus"), wort}, &zuLang);
        QCOMPARE(text, erwartet);
        QCOMPARE(zuLang, typ == 14 && erwartet.isEmpty());
        // Every value given was drawn, and no more.
        QCOMPARE(z.vorgegebenUebrig(), 0);
        // Never half a pair in what is shown, when the word had none.
        if (wort.isValidUtf16())
            QVERIFY2(text.isValidUtf16(), qPrintable(text));
    }

    // The running trainer: typed keys against a word with such characters.
    void tastenpruefung_data()
    {
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QStringList>("tasten");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<int>("fehler");
        QTest::addColumn<QString>("falsch");
        QTest::addColumn<QString>("hinweis");
        QTest::addColumn<QString>("anzeigetext");
        const QStringList haus{u("H"), u("a"), u("u"), u("s")};
        QTest::newRow("bis zum Emoji") << u("Haus😀") << haus << u("Haus") << 0 << QString() << u("😀") << u("s");
        QTest::newRow("Emoji getippt") << u("Haus😀") << (QStringList(haus) << u("😀")) << u("Haus") << 0
                                       << QString() << u("😀") << u("😀");
        QTest::newRow("Buchstabe statt Emoji") << u("Haus😀") << (QStringList(haus) << u("x")) << u("Haus") << 1
                                               << u("x") << u("😀") << u("x");
        QTest::newRow("Emoji vorn") << u("😀Haus") << QStringList{u("H")} << QString() << 1 << u("H") << u("😀")
                                    << u("H");
        QTest::newRow("Emoji in der Mitte") << u("Ö😀zi") << QStringList{u("Ö"), u("z")} << u("Ö") << 1 << u("z")
                                            << u("😀") << u("z");
        QTest::newRow("mathematisch getippt") << u("𝔸bc") << QStringList{u("𝔸"), u("b")} << QString() << 1
                                              << u("b") << u("𝔸") << u("b");
        // Two characters in one key event: each is checked whole, in order.
        QTest::newRow("zwei in einem") << u("Maus") << QStringList{u("M😀")} << u("M") << 0 << QString() << u("a")
                                       << u("😀");
    }
    void tastenpruefung()
    {
        QFETCH(QString, wort);
        QFETCH(QStringList, tasten);
        QFETCH(QString, eingabe);
        QFETCH(int, fehler);
        QFETCH(QString, falsch);
        QFETCH(QString, hinweis);
        QFETCH(QString, anzeigetext);
        Testprogramm t;
        t.f1().Befehl21_Click();
        t.liste({wort}, true);
        QCOMPARE(t.m().Loesungswort, wort);
        for (int i = 0; i < fehler; ++i)
            t.boxen.ok();
        for (const QString &taste : tasten)
            zeichenTaste(t.f1().Bezeichnung2, taste);
        QCOMPARE(t.m().Eingabe, eingabe);
        QCOMPARE(t.f1().Bezeichnung2->Caption(), eingabe);
        QCOMPARE(t.m().Fehler, fehler);
        if (fehler > 0)
            QCOMPARE(t.f1().Bezeichnung3->Caption(), QString::number(fehler));
        QCOMPARE(t.boxen.anzahl(), fehler);
        if (fehler > 0)
            pruefeBox(t.boxen, u("Buchstabe  >") + falsch + u("<  ist falsch!"), u("Eingabefehler"), Knoepfe::OK,
                      Symbol::Information);
        // The last key is kept whole.
        QCOMPARE(t.m().Anzeigetext, anzeigetext);
        // The hint shows the whole next character; the word is still open.
        t.f1().Bild15_Click();
        QCOMPARE(t.f1().Bezeichnung9->Caption(), hinweis);
        QCOMPARE(t.m().Loesungswort, wort);
        QCOMPARE(t.m().Loesungen, 0);
    }

    void loesungGezeigt_data()
    {
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QString>("text");
        QTest::newRow("Emoji am Ende") << u("Haus😀") << u("H a u s 😀 ");
        QTest::newRow("mathematisch") << u("𝔸bc") << u("𝔸 b c ");
        QTest::newRow("zwei Emoji") << u("😀🐭") << u("😀 🐭 ");
        QTest::newRow("nur Umlaute") << u("Öl") << u("Ö l ");
    }
    void loesungGezeigt()
    {
        QFETCH(QString, wort);
        QFETCH(QString, text);
        Testprogramm t;
        t.liste({wort}, true);
        t.boxen.ok();
        t.f1().Bild11_Click();
        pruefeBox(t.boxen, text, u("Gesuchtes Wort:"));
        QCOMPARE(t.m().Loesungswort, wort);
    }

    // The expected letter by whole characters, also when the input is not a
    // beginning of the word (a reward is pending and Eingabe holds another word).
    void erwarteterBuchstabe_data()
    {
        QTest::addColumn<QString>("loesung");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("Emoji zuerst") << u("😀ab") << QString() << u("😀");
        QTest::newRow("nach einem Zeichen") << u("😀ab") << u("x") << u("a");
        QTest::newRow("nach dem Emoji") << u("a😀b") << u("a😀") << u("b");
        QTest::newRow("Emoji in der Eingabe zählt einmal") << u("abc") << u("😀") << u("b");
        QTest::newRow("am Ende") << u("a😀") << u("xy") << QString();
        QTest::newRow("Eingabe länger") << u("😀") << u("ab") << QString();
    }
    void erwarteterBuchstabe()
    {
        QFETCH(QString, loesung);
        QFETCH(QString, eingabe);
        QFETCH(QString, erwartet);
        QCOMPARE(Antworten::erwarteterBuchstabe(loesung, eingabe), erwartet);
    }

    void ruecktaste_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("danach");
        QTest::newRow("Emoji am Ende") << u("a😀") << u("a");
        QTest::newRow("nur Emoji") << u("😀") << QString();
        QTest::newRow("Buchstabe nach Emoji") << u("😀b") << u("😀");
        QTest::newRow("leer") << QString() << QString();
        QTest::newRow("einzelne tiefe Hälfte") << (u("a") + QChar(0xDE00)) << u("a");
    }
    void ruecktaste()
    {
        QFETCH(QString, eingabe);
        QFETCH(QString, danach);
        Testprogramm t;
        t.m().Eingabe = eingabe;
        taste(t.f1().Bezeichnung2, QLatin1Char('\b'));
        QCOMPARE(t.m().Eingabe, danach);
        QCOMPARE(t.f1().Bezeichnung2->Caption(), danach);
    }

    void gekuerzt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("hoechstens");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("kurz genug") << u("Haus😀") << 5 << u("Haus😀");
        QTest::newRow("Emoji nicht halbiert") << u("Haus😀🐭") << 5 << u("Haus😀…");
        QTest::newRow("vor dem Emoji") << u("Haus😀") << 4 << u("Haus…");
        QTest::newRow("leer") << QString() << 3 << QString();
    }
    void gekuerzt()
    {
        QFETCH(QString, text);
        QFETCH(int, hoechstens);
        QFETCH(QString, erwartet);
        QCOMPARE(Zeichen::gekuerzt(text, hoechstens), erwartet);
    }
};

QTEST_MAIN(TestZeichen)
#include "tst_zeichen.moc"
