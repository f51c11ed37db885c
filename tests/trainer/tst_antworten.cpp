// Answer checking through real key events and clicks: the letter check, the special keys, the
// progress message, reading mode, the helps, the evaluation and the main window's small commands.
#include "support/Testprogramm.h"

#include "basis/Zufall.h"
#include "trainer/Antworten.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QTest>

namespace {

/// One key press with the text `text`, as a keyboard or an input method delivers an emoji too.
void zeichenTaste(QWidget *ziel, const QString &text)
{
    QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(ziel, &druck);
    QKeyEvent los(QEvent::KeyRelease, 0, Qt::NoModifier, text);
    QApplication::sendEvent(ziel, &los);
}

} // namespace

class TestAntworten : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    /// For generated words of letters, umlauts, ß and emoji (whole characters), at every place: each other letter
    /// key is refused with its box, the backspace takes back one whole character, the right key is taken (an umlaut
    /// as letter and combining mark in one event), the last one solves; ten words to a reward, 13 solved: the count
    /// goes down to one. In the dictation the word shown disappears at the first key, a letter or not.
    void jedeStelle()
    {
        const QString buchstaben = u("AÄBCDEFGHIJKLMNOÖPQRSTUÜVWXYZaäbcdefghijklmnoöpqrstuüvwxyzß");
        const QStringList teile = QStringList{u("😀"), u("🐭")} + buchstaben.split(QString(), Qt::SkipEmptyParts);
        Testprogramm t;
        t.boxen.setStreng(false);
        t.f1().Befehl20_Click();
        t.m().Wortmenge = 10;
        t.m().Loesungen = 13;
        Zufall &z = t.programm->zufall();
        for (int n = 0; n < 6; ++n) {
            // Emoji only inside: the word begins and ends with a key.
            QStringList c{buchstaben.at(z.index(int(buchstaben.size())))};
            for (int i = z.index(6); i > 0; --i)
                c << teile.at(z.index(int(teile.size())));
            c << buchstaben.at(z.index(int(buchstaben.size())));
            t.liste({c.join(QString())});
            t.m().Loesungswort = c.join(QString());
            // The solution, spelt out by whole characters.
            t.f1().Bild11_Click();
            QCOMPARE(t.boxen.letzte().text, c.join(u(" ")) + u(" "));
            for (qsizetype i = 0; i < c.size(); ++i) {
                const QString vorher = c.mid(0, i).join(QString());
                const int fehler = t.m().Fehler, boxen = t.boxen.anzahl();
                // Digits, blanks, signs and Enter are no letters: nothing happens.
                QCOMPARE(t.f1().Bezeichnung1->Caption().isEmpty(), i > 0);
                tippe(t.f1().Bezeichnung2, u("1 .-\r"));
                QCOMPARE(t.f1().Bezeichnung1->Caption(), QString());
                // The hint shows the next whole character; a wrong key keeps it.
                t.f1().Bild15_Click();
                for (QChar b : buchstaben)
                    if (QString(b) != c.at(i))
                        zeichenTaste(t.f1().Bezeichnung2, b);
                QCOMPARE(t.f1().Bezeichnung9->Caption(), c.at(i));
                pruefeBox(t.boxen, u("Buchstabe  >%1<  ist falsch!").arg(c.at(i) == u("ß") ? u("z") : u("ß")), u("Eingabefehler"),
                          Knoepfe::OK, Symbol::Information);
                QCOMPARE(t.m().Fehler - fehler, int(buchstaben.size()) - (c.at(i).size() == 1 ? 1 : 0));
                QCOMPARE(t.boxen.anzahl() - boxen, t.m().Fehler - fehler);
                QCOMPARE((QStringList{t.m().Eingabe, t.f1().Bezeichnung3->Caption()}), (QStringList{vorher, QString::number(t.m().Fehler)}));
                if (i > 0) {
                    taste(t.f1().Bezeichnung2, QLatin1Char('\b'));
                    QCOMPARE(t.f1().Bezeichnung2->Caption(), c.mid(0, i - 1).join(QString()));
                    t.m().Eingabe = vorher;
                }
                QInputMethodEvent komponiert;  // every other letter as an input method composes it
                komponiert.setCommitString(c.at(i).normalized(QString::NormalizationForm_D));
                if (i % 2)
                    QCoreApplication::sendEvent(t.f1().Bezeichnung2, &komponiert);
                else
                    zeichenTaste(t.f1().Bezeichnung2, komponiert.commitString());
                // An emoji cannot be typed: it is put in as if it were.
                if (c.at(i).size() == 2)
                    t.m().Eingabe += c.at(i);
                else if (i + 1 < c.size())
                    QCOMPARE(t.f1().Bezeichnung9->Caption(), QString());
            }
            QCOMPARE(t.f1().Bezeichnung4->Caption(), QString::number(14 + n));
            QCOMPARE(t.boxen.letzte().titel, u("Richtig, weiter so!"));
            QCOMPARE(t.boxen.letzte().text, n < 5 ? u("Noch %1 Wörter bis zur Belohnung!\r").arg(6 - n) : u("Noch 1 Wort bis zur Belohnung!\r"));
        }
    }
    void lesemodusKlick()
    {
        // A reward pending (Eingabe holds a game's word): a letter is wrong, Enter and the word start nothing.
        Testprogramm t;
        t.f1().Bild26_Click();
        t.liste({u("Ötzi"), u("Maus")}, true);
        t.m().Loesungswort = u("Ötzi");
        t.f1().Liste2->setEintraege({u("ötzi"), u("Maus")});
        t.m().Eingabe = u("Maus");
        t.boxen.ok();
        tippe(t.f1().Bezeichnung1, u("a\r"));
        klicke(t.f1().Liste2, u("ötzi"));
        QCOMPARE((QList<int>{t.m().Fehler, t.m().Loesungen, t.boxen.anzahl()}), (QList<int>{1, 0, 1}));
        QCOMPARE((QStringList{t.m().Loesungswort, t.m().Eingabe}), (QStringList{u("Ötzi"), u("Maus")}));
        // Else another word stays silent; the word, in whatever case, solves the task.
        t.m().Eingabe.clear();
        klicke(t.f1().Liste2, u("Maus"));
        QCOMPARE(t.m().Loesungswort, u("Ötzi"));
        t.boxen.ok();
        klicke(t.f1().Liste2, u("ötzi"));
        QCOMPARE((QList<int>{t.m().Fehler, t.m().Loesungen, t.boxen.anzahl()}), (QList<int>{1, 1, 2}));
        QCOMPARE(t.f1().Bezeichnung2->Caption(), u("Klicke auf das richtige Wort ..."));
        // The click moved on to the next task: its view marks no word.
        QVERIFY(t.f1().Liste2->ListIndex() == -1 && t.f1().Liste2->view()->selectionModel()->selectedIndexes().isEmpty());
        // Back to writing: the task is typed again; a click on the word marks nothing, and keys typed on the list count.
        t.f1().Bild25_Click();
        QVERIFY(t.m().Lesemodus == 0 && t.f1().Bezeichnung2->Caption().isEmpty() && t.f1().Bild26->isVisible());
        const QString loesung = t.m().Loesungswort;
        tippe(t.f1().Bezeichnung1, loesung.left(1));
        klicke(t.f1().Liste2, loesung);
        QCOMPARE((QList<int>{t.f1().Liste2->ListIndex(), t.m().Loesungen}), (QList<int>{-1, 1}));
        tippe(t.f1().Liste2->view(), loesung.mid(1, 1));
        QCOMPARE(t.m().Eingabe, loesung.left(2));
    }
    void auswertung()
    {
        // Every count of errors and solutions up to 60: the whole percent, and the verdict of the band the exact share is in.
        const QList<int> grenzen{5, 10, 20, 30, 40, 50, 60};
        const QStringList urteile{u("Das ist einfach Spitze!"), u("Das hast du prima gemacht!"), u("Das hast du gut gemacht!"),
                                  u("Das klappt schon fast gut!"), u("Schon recht ordentlich!"), u("Das geht gerade noch so!"),
                                  u("Du musst noch etwas üben!"), u("Du musst viel mehr üben!")};
        for (int loesungen = 1; loesungen <= 60; ++loesungen)
            for (int fehler = 0; fehler <= 60; ++fehler) {
                const auto band = std::count_if(grenzen.begin(), grenzen.end(), [&](int g) { return fehler * 100 >= g * loesungen; });
                QCOMPARE(Antworten::auswertungsText(fehler, loesungen),
                         u("Du hast %1% Fehler:\n\r\n\r").arg(fehler * 100 / loesungen) + urteile.at(band));
            }
    }
    void meldungen()
    {
        // The pictures explain themselves; with nothing solved and no word two stay silent. Escape and the end picture ask.
        Testprogramm t;
        t.liste({u("groß")}, true);
        tippe(t.f1().Bezeichnung1, u("gr"));
        t.m().Fehler = 1;
        t.m().Loesungen = 3;
        for (const auto &[bild, text, titel, symbol] : QList<std::tuple<const char *, const char *, const char *, Symbol>>{
                 {"Bild2", "Du hast 33% Fehler:\n\r\n\rSchon recht ordentlich!", "Fehler", Symbol::Information},
                 {"Bild3", "Nach 20 Lösungen gibt es eine Belohnung!\r", "Belohnung", Symbol::Keins},
                 {"Bild21", "Schreibe dieses Wort ab!\r", "Befehlsfenster", Symbol::Keins},
                 {"Bild10", "Hier stehen deine Eingaben!\r", "Schreibfenster", Symbol::Keins},
                 {"Bild13", "Unter der Ampel kannst du den\raktiven Programmteil ablesen.", "Programmteil", Symbol::Information}}) {
            t.boxen.ok();
            QTest::mouseClick(t.f1().findChild<Bild *>(u(bild)), Qt::LeftButton);
            pruefeBox(t.boxen, u(text), u(titel), Knoepfe::OK, symbol);
        }
        // No keeps everything as it was.
        t.boxen.nein();
        taste(t.f1().Bezeichnung1, QChar(27));
        pruefeBox(t.boxen, u("Dieses Programm jetzt beenden?\r"), u("TIPPOLO, Release 13.08.2005"), Knoepfe::JaNein, Symbol::Stop);
        QCOMPARE(t.boxen.letzte().standard, Antwort::Nein);
        QVERIFY(!t.beendet && t.f1().isVisible() && t.m().Eingabe == u("gr") && t.m().Loesungswort == u("groß") && t.m().Loesungen == 3);
        t.m().Loesungen = 0;
        t.m().Loesungswort.clear();
        t.f1().Bild2_Click();
        t.f1().Bild11_Click();
        t.boxen.ja();
        QTest::mouseClick(t.f1().Bild1, Qt::LeftButton);
        QVERIFY(t.beendet && !t.f1().isVisible());
    }
};

QTEST_MAIN(TestAntworten)
#include "tst_antworten.moc"
