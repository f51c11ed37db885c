// The word catch: letters strewn at random, the catcher, the timer's jumps, the win, ending early.
#include "support/Testprogramm.h"

#include "ui/Twips.h"
#include "windows/fang.h"

#include <QTest>

namespace {

/// The random values that put the letters on these cells, in order.
QList<double> zellen(const QList<QPoint> &punkte)
{
    QList<double> werte;
    for (const QPoint &p : punkte)
        werte << (p.x() + 0.5) / 17.0 << (p.y() + 0.5) / 11.0;
    return werte;
}

fang &starten(Testprogramm &t, const QString &wort, const QList<QPoint> &punkte = {})
{
    t.m().Loesungswort = wort;
    t.f1().Bezeichnung24_Click();
    fang &f = t.programm->fangFenster();
    if (!punkte.isEmpty()) {
        t.programm->zufall().vorgeben(zellen(punkte));
        f.Bild5_Click();
    }
    return f;
}

} // namespace

class TestFang : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    /// No word or one over 50 characters gives the game's own; the next game starts afresh, after a click.
    void startErstNachKlick()
    {
        Testprogramm t;
        const QString fuenfzig = u("abcdefghij").repeated(5);
        for (const QString &wort : {QString(), fuenfzig, fuenfzig + u("k")}) {
            fang &vorige = starten(t, wort);
            QCOMPARE(t.m().Loesungswort, wort == fuenfzig ? wort : u("Wortfangemeister"));
            vorige.Bild5_Click();
            QCOMPARE(vorige.Bild5->zeichnung().inhalt().size(), t.m().Loesungswort.size());
            vorige.Zeit1_Timer();
            QTest::keyClick(&vorige, Qt::Key_Up);
            t.boxen.ja();
            vorige.close();
            QVERIFY(t.zurueck(vorige) && !QFile::exists(t.programm->datei("BESTFANG.LST")));
        }
        Twips::setzeLinks(t.f1().Bild9, 3000);
        fang &f = starten(t, u("Hund"));
        QVERIFY(t.spielOffen(f) && !f.gestartet());
        QCOMPARE(titel(f.Bezeichnung4, f.Bezeichnung3, f.Bezeichnung5, f.Bezeichnung6, f.Bezeichnung9),
                 (QStringList{"", "H", "und", "0", "10"}));
        QVERIFY(!f.Zeit1->Enabled() && f.Bezeichnung8->isHidden() && !f.Liste1->isVisible());
        // Before the click the keys do nothing.
        QTest::keyClick(&f, Qt::Key_Left);
        QCOMPARE(QPoint(f.feld().spalte(), f.feld().zeile()), QPoint(9, 6));
        // H first drawn onto the catcher, u onto the H, n onto the catcher again.
        t.programm->zufall().vorgeben(zellen({{9, 6}, {0, 0}, {0, 0}, {16, 10}, {9, 6}, {3, 4}, {16, 0}}));
        f.Bild5_Click();
        QVERIFY(f.Zeit1->Enabled() && f.Bezeichnung8->isVisibleTo(&f));
        QCOMPARE(f.feld().fangX(), (QList<int>{0, 16, 3, 16}));
        QCOMPARE(f.feld().fangY(), (QList<int>{0, 10, 4, 0}));
        QCOMPARE(f.Bild5->zeichnung().texte(), (QStringList{"H", "u", "n", "d"}));
    }
    /// On random walks a letter is caught exactly when the catcher steps onto the place of the next one.
    void fangen()
    {
        Zufall z;
        z.seed(5);
        const Qt::Key tasten[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
        for (int spiel = 0; spiel < 8; ++spiel) {
            Testprogramm t;
            const QString wort = spiel % 2 ? u("Anna") : u("Otto");
            QList<QPoint> orte;
            while (orte.size() < 4)
                if (const QPoint p(z.index(17), z.index(11)); p != QPoint(9, 6) && !orte.contains(p))
                    orte << p;
            fang &f = starten(t, wort, orte);
            QPoint p(9, 6);
            for (int zug = 0; orte.size() > 1; ++zug) {
                const QPoint d = orte.first() - p;
                int k = z.index(4), n = 1 + z.index(12);
                if (zug % 2)  // straight towards the next letter, first across
                    std::tie(k, n) = d.x() ? std::pair(d.x() < 0 ? 0 : 1, qAbs(d.x()))
                                           : std::pair(d.y() < 0 ? 2 : 3, qAbs(d.y()));
                for (; n > 0 && orte.size() > 1; --n) {
                    QTest::keyClick(&f, tasten[k]);
                    p = QPoint(std::clamp(p.x() + (k == 1) - (k == 0), 0, 17), std::clamp(p.y() + (k == 3) - (k == 2), 0, 10));
                    if (p == orte.first())
                        orte.removeFirst();
                    const int i = 4 - int(orte.size());
                    QCOMPARE(titel(f.Bezeichnung4, f.Bezeichnung3, f.Bezeichnung5), (QStringList{wort.left(i), wort.mid(i, 1), wort.mid(i + 1)}));
                    QVERIFY(t.m().Loesungswort == wort.mid(i) && f.Bild5->zeichnung().texte().join(QString()) == wort.mid(i));
                    QCOMPARE(QPoint(Twips::links(f.Bezeichnung8), Twips::oben(f.Bezeichnung8)), p * 400);
                }
            }
        }
    }
    /// The letters jump every 10 seconds counted from the start, at 15 when set to 5, then every second; the win counts them.
    void spruenge()
    {
        Testprogramm t;
        fang &f = starten(t, u("Hund"), {{0, 0}, {1, 0}, {2, 0}, {3, 0}});
        Zufall &z = t.programm->zufall();
        QList<int> gesprungen;
        for (int s = 1; s <= 19; ++s) {
            if (s == 13 || s == 17)
                f.HBildlauf1->setValue(s == 13 ? 5 : 0);
            if (z.vorgegebenUebrig() == 0)
                z.vorgeben(zellen({{16, 10}, {15, 10}, {14, 10}, {13, 10}}));
            f.Zeit1_Timer();
            if (z.vorgegebenUebrig() == 0)
                gesprungen << s;
        }
        QCOMPARE(gesprungen, (QList<int>{10, 15, 17, 18, 19}));
        QCOMPARE(titel(f.Bezeichnung6, f.Bezeichnung9), (QStringList{"19", "1"}));
        f.HBildlauf1->setValue(99);  // the slowest is 15, a click beside the knob moves by 5
        f.HBildlauf1->triggerAction(QAbstractSlider::SliderPageStepSub);
        QCOMPARE(f.Bezeichnung9->Caption(), u("10"));
        // Caught where the jumps put them, along the bottom row: the win names the seconds, the clock stops.
        for (int i = 0; i < 13; ++i)
            QTest::keyClick(&f, i < 7 ? Qt::Key_Right : i < 11 ? Qt::Key_Down : Qt::Key_Left);
        t.spielEnde(f, [&] { QTest::keyClick(&f, Qt::Key_Left); }, u("Du hast es in 19 Sekunden geschafft.\r"), u("Wortfange"),
                    [&] { QVERIFY(!f.Zeit1->Enabled()); });
        QVERIFY(!f.Zeit1->Enabled() && f.Bezeichnung8->isHidden());
    }
};

QTEST_MAIN(TestFang)
#include "tst_fang.moc"
