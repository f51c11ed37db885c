// The task cycle: drawing words, the candidate list, the reward and word entry.
#include "support/Testprogramm.h"

#include "basis/Zufall.h"
#include "renderings/Schreibung.h"
#include "trainer/Aufgaben.h"
#include "ui/Twips.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

QStringList woerter(int n)
{
    QStringList l;
    for (int i = 0; i < n; ++i)
        l << u("Wort") + QString::number(i);
    return l;
}

/// The value of the generator that draws index i of n.
double zug(int i, int n) { return (i + 0.5) / n; }

Aufgaben::Eintrag aus(const QStringList &liste)
{
    return [liste](int i) { return liste.at(i); };
}

struct Eingabe { QStringList liste; QString eingabe, text, titel; int danach; };

} // namespace

class TestAufgabenzyklus : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startZeigtWortDerStandardliste()
    {
        Testprogramm t;
        QCOMPARE(titel(t.f1().Bezeichnung8, &t.f1()), (QStringList{u("Großschrift"), u("T i p p o l o")}));
        const QStringList liste = t.f1().Liste1->eintraege();
        QVERIFY(liste.size() == 20 && liste.contains(u("Ötzi")) && !t.f1().Liste1->view());  // only the candidates show
        // The candidate list of a 20-word list is the whole list, sorted the same way.
        QCOMPARE(t.f1().Liste2->eintraege(), liste);
        QCOMPARE(t.m().Benutzt.count(QLatin1Char('1')), 1);
        QCOMPARE(t.f1().Bezeichnung1->Caption(), Schreibung::gross(t.m().Loesungswort));
        for (Bild *b : {t.f1().Bild4, t.f1().Bild8, t.f1().Bild9}) {  // the panels are framed
            const QImage bild = b->grab().toImage();
            QVERIFY(bild.pixel(bild.width() / 2, 0) != bild.pixel(bild.width() / 2, 2));
        }
        // The three sizes of the candidate list, the largest at the start.
        QList<double> groessen{t.f1().Liste2->FontSize()};
        for (Bezeichnung *b : {t.f1().Bezeichnung27, t.f1().Bezeichnung28, t.f1().Bezeichnung29}) {
            QTest::mouseClick(b, Qt::LeftButton);
            groessen << t.f1().Liste2->FontSize();
        }
        QCOMPARE(groessen, (QList<double>{12, 8.25, 9.75, 12}));
        // With an empty list another exercise draws nothing and leaves the display.
        const QString gezeigt = t.f1().Bezeichnung1->Caption();
        t.f1().Liste1->Clear();
        t.m().Benutzt.clear();
        t.f1().Befehl3_Click();
        QVERIFY(t.m().Loesungswort.isEmpty() && t.f1().Bezeichnung1->Caption() == gezeigt);
        QCOMPARE(t.f1().Bezeichnung8->Caption(), u("Lückenwort"));
    }
    void jedesWortEinmalProDurchgang()
    {
        // Generated lists, with flags of any length as list editing leaves them.
        Testprogramm t;
        QRandomGenerator g(9);
        for (int runde = 0; runde < 40; ++runde) {
            const QStringList liste = woerter(1 + g.bounded(9));
            t.liste(liste);
            t.m().Benutzt.clear();
            for (int i = g.bounded(12); i > 0; --i)
                t.m().Benutzt += g.bounded(2) ? u("1") : u("0");
            for (qsizetype zug = 0; zug < 2 * liste.size(); ++zug) {
                QString soll = t.m().Benutzt.leftJustified(liste.size(), QLatin1Char('0'), true);
                if (!soll.contains(QLatin1Char('0')))
                    soll.fill(QLatin1Char('0'));
                t.m().Leeren();
                t.m().NaechsteAufgabe();
                QVERIFY(soll.at(t.m().Wortindex) == QLatin1Char('0') && t.m().Loesungswort == liste.at(t.m().Wortindex));
                soll[t.m().Wortindex] = QLatin1Char('1');
                QCOMPARE(t.m().Benutzt, soll);
            }
        }
    }
    void belohnung()
    {
        // Due at every Wortmenge-th solution (0 counts as 1): the task is held back, Eingabe holds a word for the games.
        for (const auto &[wortmenge, geloest] : QList<std::pair<int, int>>{{20, 19}, {20, 20}, {20, 40}, {0, 1}}) {
            const bool faellig = geloest != 19;
            Testprogramm t;
            t.m().Wortmenge = wortmenge;
            t.m().Loesungen = geloest - 1;
            t.boxen.ok();  // the reward's box, or else the words still to go
            const QString wort = t.m().Loesungswort;
            t.m().Eingabe = wort;
            t.f1().WortRichtig();
            QCOMPARE(t.f1().Bezeichnung4->Caption(), QString::number(geloest));
            QCOMPARE(Twips::links(t.f1().Bild9), faellig ? 3000 : 10440);
            QCOMPARE(t.m().Loesungswort != wort, !faellig);
            QVERIFY(faellig ? t.f1().Liste1->eintraege().contains(t.m().Eingabe) : t.m().Eingabe.isEmpty());
            if (faellig)
                pruefeBox(t.boxen, u("Jetzt ist eine Belohnung fällig!"), u("Belohnung"), Knoepfe::OK, Symbol::Information);
        }
    }
    void wortEingabe()
    {
        // In word entry the word typed is added as long as the list has fewer than 1000 and lacks it.
        for (const auto &[liste, eingabe, text, titel, danach] : QList<Eingabe>{
                 {woerter(999), "Neu", "", "", 1000},
                 {woerter(1000), "Neu", u("Kein Worteintrag mehr möglich!\r  Bitte eine neue Liste erstellen!"), u("1000 Wörter"), 1000},
                 {{"Haus", "Maus"}, "haus", "Wort ist schon vorhanden!", "Worteingabe", 2}}) {
            Testprogramm t;
            t.liste(liste);
            t.m().Uebung = 0;
            t.m().Eingabe = eingabe;
            if (!text.isEmpty())
                t.boxen.ok();
            t.m().NaechsteAufgabe();
            if (!text.isEmpty())
                pruefeBox(t.boxen, text, titel, Knoepfe::OK, Symbol::Information);
            QCOMPARE(t.f1().Liste1->ListCount(), danach);
            QCOMPARE(t.f1().Liste1->eintraege().contains(eingabe), danach > liste.size());
            QCOMPARE(t.m().Eingabe, danach > liste.size() || titel == u("Worteingabe") ? QString() : eingabe);
            if (danach > liste.size()) {
                QCOMPARE(t.f1().Liste1->ListIndex(), danach - 1);
                QCOMPARE(t.m().Benutzt, QString(danach, QLatin1Char('0')));
                QCOMPARE(t.f1().Bezeichnung1->Caption(), u("Wort %1 eingeben:").arg(danach));
            }
        }
    }
    void kandidatenRegel()
    {
        // Under 20 words all of them, in their order, with nothing drawn. Twenty: the solution first, then
        // the words as drawn, the solution drawn again skipped. After 400 misses the rest comes from the
        // words not taken yet, drawn from that rest; a list of one word has none.
        QList<double> folge;
        QStringList gezogen{woerter(20).at(5)};
        for (int i = 19; i >= 0; --i) {
            folge << zug(i, 20);
            if (i != 5)
                gezogen << woerter(20).at(i);
        }
        QStringList wenige(20, u("X"));
        wenige[7] = wenige[12] = u("Y");
        wenige[9] = u("Z");
        struct Fall { QStringList liste; QString wort; QList<double> vorgabe; QStringList erwartet; int uebrig; };
        for (const auto &[liste, wort, vorgabe, erwartet, uebrig] : QList<Fall>{
                 {woerter(19), woerter(19).at(7), {0.5}, woerter(19), 1},
                 {woerter(20), woerter(20).at(5), folge, gezogen, 0},
                 {wenige, u("X"), QList<double>(400, 0.0) + QList<double>{0.9, 0.0, 0.7}, {u("X"), u("Z"), u("Y")}, 1},
                 {QStringList(25, u("Ei")), u("Ei"), QList<double>(401, 0.3), {u("Ei")}, 1}}) {
            Zufall z;
            z.seed(3);
            z.vorgeben(vorgabe);
            QCOMPARE(Aufgaben::kandidaten(static_cast<int>(liste.size()), aus(liste), wort, z), erwartet);
            QCOMPARE(z.vorgegebenUebrig(), uebrig);
        }
    }

    void vorhanden()
    {
        // Generated lists and words: the first entry equal but for case (ß has no capital), none for no word.
        QRandomGenerator g(5);
        const auto wort = [&g] {
            QString w;
            for (int n = g.bounded(3); n > 0; --n)
                w += u("aAäÄßsSz").at(g.bounded(8));
            return w;
        };
        for (int runde = 0; runde < 500; ++runde) {
            QStringList liste;
            for (int n = g.bounded(6); n > 0; --n)
                liste << wort();
            const QString w = wort();
            const auto treffer = std::find_if(liste.begin(), liste.end(), [&w](const QString &e) { return !w.isEmpty() && !e.compare(w, Qt::CaseInsensitive); });
            QCOMPARE(Aufgaben::vorhanden(static_cast<int>(liste.size()), aus(liste), w), treffer == liste.end() ? -1 : int(treffer - liste.begin()));
        }
    }
};

QTEST_MAIN(TestAufgabenzyklus)
#include "tst_aufgabenzyklus.moc"
