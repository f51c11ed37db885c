// Answer checking through real key events and clicks: the letter check, the
// special keys, the progress message, reading mode, the helps, the
// evaluation and the main window's small commands. Emoji, outside the Basic
// Multilingual Plane, are whole characters in the key check, the hint and the
// solution.
#include "support/Testprogramm.h"

#include "trainer/Antworten.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QTest>

namespace {

const QString kRichtig = u("Richtig, weiter so!");

/// A program with `woerter` as the list and a task drawn from it.
struct Aufgabe : Testprogramm
{
    explicit Aufgabe(const QStringList &woerter, bool lesemodus = false)
    {
        if (lesemodus)
            f1().Bild26_Click();
        liste(woerter, true);
    }
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

struct Tasten { QString wort; QStringList tasten; QString eingabe; int fehler; QString falsch, hinweis, anzeigetext, loesung; };
struct Getippt { QString wort, getippt; int fehler; QString eingabe; int loesungen; };

} // namespace

Q_DECLARE_METATYPE(Getippt)
Q_DECLARE_METATYPE(Tasten)

class TestAntworten : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void getippt_data()
    {
        QTest::addColumn<Getippt>("f");
        QTest::newRow("ß vollendet groß") << Getippt{u("groß"), u("groß"), 0, {}, 1};
        QTest::newRow("Ötzi ohne Ö") << Getippt{u("Ötzi"), u("Otzi"), 4, {}, 0};
        QTest::newRow("ss statt ß") << Getippt{u("Fuß"), u("Fuss"), 2, u("Fu"), 0};
        QTest::newRow("Großbuchstaben sind andere") << Getippt{u("Haus"), u("HAUS"), 3, u("H"), 0};
        QTest::newRow("Ziffern, Leerzeichen, Enter") << Getippt{u("Haus"), u("H1a \r.u-s"), 0, {}, 1};
        QTest::newRow("Bindestrich nicht tippbar") << Getippt{u("Ab-Zug"), u("Ab-Zug"), 3, u("Ab"), 0};
        QTest::newRow("Rücktaste, dann fertig") << Getippt{u("Haus"), u("H\bHaus"), 0, {}, 1};
    }
    void getippt()
    {
        QFETCH(Getippt, f);
        const auto &[wort, getippt, fehler, eingabe, loesungen] = f;
        Aufgabe t({wort});
        t.boxen.setStreng(false);
        tippe(t.f1().Bezeichnung1, getippt);
        QCOMPARE(anzahlBoxen(t.boxen, u("Eingabefehler")), fehler);
        QCOMPARE(titel(t.f1().Bezeichnung3, t.f1().Bezeichnung2, t.f1().Bezeichnung4),
                 (QStringList{QString::number(fehler), eingabe, QString::number(loesungen)}));
        QCOMPARE(t.m().Eingabe, eingabe);
        QCOMPARE(anzahlBoxen(t.boxen, kRichtig), loesungen);
    }
    // The running trainer: typed keys against a word with such characters,
    // the hint (kept by a wrong key, gone with a right one) and the solution.
    void tastenpruefung_data()
    {
        QTest::addColumn<Tasten>("f");
        const QStringList haus{u("H"), u("a"), u("u"), u("s")};
        const QString hausEmoji = u("H a u s 😀 ");
        QTest::newRow("bis zum Emoji") << Tasten{u("Haus😀"), haus, u("Haus"), 0, {}, u("😀"), u("s"), hausEmoji};
        QTest::newRow("zwei Emoji") << Tasten{u("😀🐭"), {u("😀")}, {}, 0, {}, u("😀"), u("😀"), u("😀 🐭 ")};
        // Two characters in one key event: each is checked whole, in order.
        QTest::newRow("zwei in einem") << Tasten{u("Öl"), {u("Ö😀")}, u("Ö"), 0, {}, u("l"), u("😀"), u("Ö l ")};
    }
    void tastenpruefung()
    {
        QFETCH(Tasten, f);
        Testprogramm t;
        t.f1().Befehl21_Click();
        t.liste({f.wort});
        // A word with an emoji is never drawn; whole characters are checked for any task all the same.
        t.m().Loesungswort = f.wort;
        for (int i = 0; i < f.fehler; ++i)
            t.boxen.ok();
        t.f1().Bild15_Click();
        const QString ersterHinweis = t.f1().Bezeichnung9->Caption();
        for (const QString &taste : f.tasten)
            zeichenTaste(t.f1().Bezeichnung2, taste);
        QCOMPARE(t.f1().Bezeichnung9->Caption(), f.eingabe.isEmpty() && f.fehler > 0 ? ersterHinweis : QString());
        QCOMPARE(t.m().Eingabe, f.eingabe);
        QCOMPARE(t.f1().Bezeichnung2->Caption(), f.eingabe);
        QCOMPARE(t.m().Fehler, f.fehler);
        if (f.fehler > 0)
            QCOMPARE(t.f1().Bezeichnung3->Caption(), QString::number(f.fehler));
        QCOMPARE(t.boxen.anzahl(), f.fehler);
        if (f.fehler > 0)
            pruefeBox(t.boxen, u("Buchstabe  >") + f.falsch + u("<  ist falsch!"), u("Eingabefehler"), Knoepfe::OK,
                      Symbol::Information);
        // The last key is kept whole.
        QCOMPARE(t.m().Anzeigetext, f.anzeigetext);
        // The hint shows the whole next character; the word is still open.
        t.f1().Bild15_Click();
        QCOMPARE(t.f1().Bezeichnung9->Caption(), f.hinweis);
        QCOMPARE(t.m().Loesungen, 0);
        // An empty list gives no hint at all.
        t.f1().Bezeichnung9->setCaption(u("?"));
        t.f1().Liste1->Clear();
        t.f1().Bild15_Click();
        QCOMPARE(t.f1().Bezeichnung9->Caption(), u("?"));
        t.boxen.ok();
        t.f1().Bild11_Click();
        pruefeBox(t.boxen, f.loesung, u("Gesuchtes Wort:"));
        QCOMPARE(t.m().Loesungswort, f.wort);
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
    void beenden_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Escape") << true;
        QTest::newRow("Ende") << false;
    }
    void beenden()
    {
        QFETCH(bool, escape);
        Aufgabe t({u("Haus")});
        tippe(t.f1().Bezeichnung1, u("Ha"));
        auto ende = [&] { escape ? taste(t.f1().Bezeichnung1, QChar(27)) : t.f1().Bild1_Click(); };
        t.boxen.nein();
        ende();
        pruefeBox(t.boxen, u("Dieses Programm jetzt beenden?\r"), u("TIPPOLO, Release 13.08.2005"), Knoepfe::JaNein,
                  Symbol::Stop);
        QCOMPARE(t.boxen.letzte().standard, Antwort::Nein);
        QVERIFY(!t.beendet && t.f1().isVisible() && t.m().Eingabe == u("Ha"));
        t.boxen.ja();
        ende();
        QVERIFY(t.beendet && !t.f1().isVisible());
    }
    void fortschritt_data()
    {
        QTest::addColumn<int>("wortmenge");
        QTest::addColumn<int>("loesungen");
        QTest::addColumn<QString>("text");
        QTest::newRow("erstes Wort") << 20 << 0 << u("Noch 19 Wörter bis zur Belohnung!\r");
        QTest::newRow("ein Wort fehlt") << 20 << 18 << u("Noch 1 Wort bis zur Belohnung!\r");
        QTest::newRow("Wortmenge 10") << 10 << 25 << u("Noch 4 Wörter bis zur Belohnung!\r");
        QTest::newRow("Belohnung fällig") << 20 << 19 << u("Jetzt ist eine Belohnung fällig!");
    }
    void fortschritt()
    {
        QFETCH(int, wortmenge);
        QFETCH(int, loesungen);
        QFETCH(QString, text);
        Aufgabe t({u("Haus"), u("Maus")});
        t.m().Wortmenge = wortmenge;
        t.m().Loesungen = loesungen;
        t.boxen.ok();
        tippe(t.f1().Bezeichnung1, t.m().Loesungswort);
        const bool richtig = text.startsWith(u("Noch"));
        pruefeBox(t.boxen, text, richtig ? kRichtig : u("Belohnung"), Knoepfe::OK,
                  richtig ? Symbol::Keins : Symbol::Information);
        QCOMPARE(t.m().Loesungen, loesungen + 1);
        QCOMPARE(Twips::links(t.f1().Bild9), richtig ? 10440 : 3000);
    }
    void tippenBeiOffenerBelohnung()
    {
        // A reward is pending: Eingabe holds a word drawn for the games. A
        // letter is wrong, Enter starts no new task, nor does a click on the
        // word just solved in reading mode.
        Aufgabe t({u("Haus"), u("Autobahn")}, true);
        t.m().Loesungswort = u("Haus");
        t.m().Eingabe = u("Autobahn");
        t.boxen.ok();
        tippe(t.f1().Bezeichnung1, u("a\r"));
        t.f1().Liste2->setListIndex(static_cast<int>(t.f1().Liste2->eintraege().indexOf(u("Haus"))));
        QCOMPARE((QList<int>{t.m().Fehler, t.m().Loesungen, t.boxen.anzahl()}), (QList<int>{1, 0, 1}));
        QCOMPARE((QStringList{t.m().Loesungswort, t.m().Eingabe}), (QStringList{"Haus", "Autobahn"}));
    }
    void wortdiktatVerschwindetBeiJederTaste()
    {
        Testprogramm t;
        t.boxen.setStreng(false);
        t.f1().Befehl20_Click();
        for (QChar c : u("Hx7 \b")) {
            t.liste({u("Haus")}, true);
            QVERIFY(!t.f1().Bezeichnung1->Caption().isEmpty());
            taste(t.f1().Bezeichnung1, c);
            QCOMPARE(t.f1().Bezeichnung1->Caption(), QString());
        }
        QCOMPARE(t.m().Fehler, 1);
    }
    void lesemodusKlick()
    {
        // Another word stays silent; the word, in whatever case, solves the task.
        Aufgabe t({u("Ötzi"), u("Maus")}, true);
        t.m().Loesungswort = u("Ötzi");
        t.f1().Liste2->setEintraege({u("ötzi"), u("Maus")});
        klicke(t.f1().Liste2, u("Maus"));
        QCOMPARE(t.m().Loesungswort, u("Ötzi"));
        t.boxen.ok();
        klicke(t.f1().Liste2, u("ötzi"));
        QCOMPARE(t.m().Loesungen, 1);
        QCOMPARE(t.m().Fehler, 0);
        QCOMPARE(t.boxen.letzte().text, u("Noch 19 Wörter bis zur Belohnung!\r"));
        QCOMPARE(t.f1().Bezeichnung2->Caption(), u("Klicke auf das richtige Wort ..."));
        // The click moved on to the next task: its view marks no word.
        QCOMPARE(t.f1().Liste2->ListIndex(), -1);
        QVERIFY(t.f1().Liste2->view()->selectionModel()->selectedIndexes().isEmpty());
    }
    void schreibmodusKlickHebtAuswahlAuf()
    {
        Aufgabe t({u("Haus"), u("Maus")});
        const QString loesung = t.m().Loesungswort;
        tippe(t.f1().Bezeichnung1, loesung.left(1));
        klicke(t.f1().Liste2, loesung);
        QCOMPARE(t.f1().Liste2->ListIndex(), -1);
        QCOMPARE(t.m().Loesungen, 0);
        // Typing goes on: the key preview sees the keys typed on the list.
        tippe(t.f1().Liste2->view(), u("a"));
        QCOMPARE(t.m().Eingabe, loesung.left(2));
    }
    void auswertung_data()
    {
        QTest::addColumn<int>("fehler");
        QTest::addColumn<int>("loesungen");
        QTest::addColumn<QString>("text");
        QTest::newRow("keine") << 0 << 5 << u("0% Fehler:\n\r\n\rDas ist einfach Spitze!");
        QTest::newRow("1/21") << 1 << 21 << u("4% Fehler:\n\r\n\rDas ist einfach Spitze!");
        QTest::newRow("Grenze 5") << 1 << 20 << u("5% Fehler:\n\r\n\rDas hast du prima gemacht!");
        QTest::newRow("Grenze 10") << 1 << 10 << u("10% Fehler:\n\r\n\rDas hast du gut gemacht!");
        QTest::newRow("Grenze 20") << 1 << 5 << u("20% Fehler:\n\r\n\rDas klappt schon fast gut!");
        QTest::newRow("Grenze 30") << 3 << 10 << u("30% Fehler:\n\r\n\rSchon recht ordentlich!");
        QTest::newRow("1/3") << 1 << 3 << u("33% Fehler:\n\r\n\rSchon recht ordentlich!");
        QTest::newRow("Grenze 40") << 2 << 5 << u("40% Fehler:\n\r\n\rDas geht gerade noch so!");
        QTest::newRow("Grenze 50") << 1 << 2 << u("50% Fehler:\n\r\n\rDu musst noch etwas üben!");
        QTest::newRow("Grenze 60") << 3 << 5 << u("60% Fehler:\n\r\n\rDu musst viel mehr üben!");
        QTest::newRow("über 100") << 5 << 2 << u("250% Fehler:\n\r\n\rDu musst viel mehr üben!");
    }
    void auswertung()
    {
        QFETCH(int, fehler);
        QFETCH(int, loesungen);
        QFETCH(QString, text);
        QCOMPARE(Antworten::auswertungsText(fehler, loesungen), u("Du hast ") + text);
    }
    void meldungen_data()
    {
        QTest::addColumn<QString>("bild");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<Symbol>("symbol");
        QTest::newRow("Auswertung") << "Bild2" << "Du hast 33% Fehler:\n\r\n\rSchon recht ordentlich!" << "Fehler"
                                    << Symbol::Information;
        QTest::newRow("Sandeimer") << "Bild3" << "Nach 20 Lösungen gibt es eine Belohnung!\r" << "Belohnung" << Symbol::Keins;
        QTest::newRow("Auge") << "Bild21" << "Schreibe dieses Wort ab!\r" << "Befehlsfenster" << Symbol::Keins;
        QTest::newRow("Schreibfenster") << "Bild10" << "Hier stehen deine Eingaben!\r" << "Schreibfenster" << Symbol::Keins;
        QTest::newRow("Ampel") << "Bild13" << "Unter der Ampel kannst du den\raktiven Programmteil ablesen."
                               << "Programmteil" << Symbol::Information;
    }
    void meldungen()
    {
        QFETCH(QString, bild);
        QFETCH(QString, text);
        QFETCH(QString, titel);
        QFETCH(Symbol, symbol);
        Aufgabe t({u("groß")});
        t.m().Fehler = 1;
        t.m().Loesungen = 3;
        t.boxen.ok();
        QTest::mouseClick(t.f1().findChild<Bild *>(bild), Qt::LeftButton);
        pruefeBox(t.boxen, text, titel, Knoepfe::OK, symbol);
        QCOMPARE(t.m().Loesungswort, u("groß"));
        QCOMPARE(t.m().Loesungen, 3);
        // Nothing solved, no word: the evaluation and the solution stay silent.
        t.m().Loesungen = 0;
        t.m().Loesungswort.clear();
        t.f1().Bild2_Click();
        t.f1().Bild11_Click();
    }
};

QTEST_MAIN(TestAntworten)
#include "tst_antworten.moc"
