// The word gallows: the word from the candidate list, hits, misses, win and loss.
#include "support/Testprogramm.h"

#include "windows/galgen.h"

#include <QTest>

#include <algorithm>

namespace {

galgen &starten(Testprogramm &t, const QString &wort)
{
    t.f1().Liste2->setEintraege(wort.isEmpty() ? QStringList() : QStringList{wort});
    t.f1().Bezeichnung26_Click();
    return t.programm->galgenFenster();
}

/// Real mouse clicks on these letters in the letter list.
void klicke(galgen &g, const QString &buchstaben)
{
    for (QChar c : buchstaben)
        klicke(g.Liste1, int(galgen::Buchstaben().indexOf(c)));
}

int teileGezeigt(galgen &g)
{
    const auto teile = g.Zeichenelemente();
    return int(std::count_if(teile.begin(), teile.end(), [&](QWidget *w) { return w->isVisibleTo(&g); }));
}

struct Zug { QString wort, buchstaben, muster; int fehler, markiert; };

} // namespace

Q_DECLARE_METATYPE(Zug)

class TestGalgen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void zuege_data()
    {
        QTest::addColumn<Zug>("z");
        QTest::newRow("Ährensüß Ä ß") << Zug{u("Ährensüß"), u("Äß"), u(" Ä _ _ _ _ _ _ ß"), 0, 2};
        // A hit or a miss clicked again clears its mark; the miss counts again. Nine misses do not lose yet.
        QTest::newRow("Auto T T X X, neun Fehler") << Zug{u("Auto"), u("TTXXBCDEFGH"), u(" _ _ t _"), 9, 7};
        // A letter shows at each of its places, as the word writes it; signs stay open: the game can only be ended.
        QTest::newRow("Anna-c 1 N A C") << Zug{u("Anna-c 1"), u("NAC"), u(" A n n a _ c _ _"), 0, 3};
        QTest::newRow("leeres Wort") << Zug{QString(), u("AE"), QString(), 2, 2};
        QTest::newRow("langes Wort") << Zug{u("Donaudampfschifffahrtsgesellschaft"), u(""), u(" _").repeated(34), 0, 0};
    }
    void zuege()
    {
        QFETCH(Zug, z);
        const auto &[wort, buchstaben, muster, fehler, markiert] = z;
        Testprogramm t;
        galgen &g = starten(t, wort);
        klicke(g, buchstaben);
        QCOMPARE((QStringList{g.Bezeichnung1->Caption(), t.m().Eingabe}), (QStringList{muster, muster}));
        QCOMPARE((QList<int>{t.m().Fehler, teileGezeigt(g), g.Liste1->SelCount()}), (QList<int>{fehler, fehler, markiert}));
        QVERIFY(t.boxen.anzahl() == 0 && g.isVisible());
        // The pattern is one row of gaps: a row broken inside the word would read as two words.
        QVERIFY(!g.Bezeichnung1->wordWrap() && !g.Bezeichnung1->Caption().contains(QLatin1Char('\n')));
        QVERIFY(g.Bezeichnung1->einpassen() || g.Bezeichnung1->sizeHint().width() <= g.Bezeichnung1->width());
    }
    /// The tenth miss loses; the next game starts afresh with a word that can be typed; a win counts the marks.
    void verlorenUndGewonnen()
    {
        Testprogramm t;
        galgen &g = starten(t, u("Auto"));
        t.spielEnde(g, [&] { klicke(g, u("BCDEFGHIJK")); }, u("Du hast verloren!\r"), u("Galgenspiel"), [&] {
            QCOMPARE(g.Bezeichnung2->Caption(), u("Auto"));
            QCOMPARE(teileGezeigt(g), 10);
        });
        QVERIFY(t.m().Fehler == 10 && t.f1().Bezeichnung3->Caption() == u("10"));
        QVERIFY(!QFile::exists(t.programm->datei(u("BESTHANG.LST"))));
        t.f1().Liste2->setEintraege({u("Haus"), u("x😀"), u("y😀"), u("z😀")});
        t.f1().Bezeichnung26_Click();
        QCOMPARE((QStringList{t.m().Loesungswort, t.m().Eingabe, g.Bezeichnung2->Caption()}), (QStringList{"Haus", " _ _ _ _", ""}));
        QVERIFY(t.spielOffen(g) && t.m().Fehler == 0 && g.Liste1->SelCount() == 0 && teileGezeigt(g) == 0);
        // Misses B to F, one wasted X clicked twice, then H, A, U and S.
        klicke(g, u("BCDEFXXHAU"));
        t.spielEnde(g, [&] { klicke(g, u("S")); }, u("Du hast 9 Versuche benötigt!\r"), u("Galgenspiel"));
        QCOMPARE(t.m().Fehler, 7);
    }
};

QTEST_MAIN(TestGalgen)
#include "tst_galgen.moc"
