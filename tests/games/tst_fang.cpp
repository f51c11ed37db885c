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

/// Walks the catcher with the arrow keys, first across, then up or down.
void gehe(fang &f, int x, int y)
{
    while (f.feld().spalte() != x)
        QTest::keyClick(&f, f.feld().spalte() < x ? Qt::Key_Right : Qt::Key_Left);
    while (f.feld().zeile() != y)
        QTest::keyClick(&f, f.feld().zeile() < y ? Qt::Key_Down : Qt::Key_Up);
}

QPoint faenger(fang &f) { return QPoint(f.feld().spalte(), f.feld().zeile()); }

} // namespace

class TestFang : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    /// A game ended early leaves nothing behind: the next one starts afresh and only after a click.
    void startErstNachKlick()
    {
        Testprogramm t;
        fang &vorige = starten(t, u("Hund"), {{0, 0}, {1, 0}, {2, 0}, {3, 0}});
        vorige.Zeit1_Timer();
        gehe(vorige, 5, 3);
        t.boxen.ja();
        vorige.close();
        QVERIFY(t.zurueck(vorige) && !QFile::exists(t.programm->datei("BESTFANG.LST")));
        Twips::setzeLinks(t.f1().Bild9, 3000);
        fang &f = starten(t, u("Hund"));
        QVERIFY(t.spielOffen(f) && !f.gestartet());
        QCOMPARE(titel(f.Bezeichnung4, f.Bezeichnung3, f.Bezeichnung5, f.Bezeichnung6, f.Bezeichnung9),
                 (QStringList{"", "H", "und", "0", "10"}));
        QVERIFY(!f.Zeit1->Enabled() && f.Bezeichnung8->isHidden() && !f.Liste1->isVisible());
        // Before the click the keys do nothing.
        QTest::keyClick(&f, Qt::Key_Left);
        QCOMPARE(faenger(f), QPoint(9, 6));
        // H first drawn onto the catcher, u onto the H, n onto the catcher again.
        t.programm->zufall().vorgeben(zellen({{9, 6}, {0, 0}, {0, 0}, {16, 10}, {9, 6}, {3, 4}, {16, 0}}));
        f.Bild5_Click();
        QCOMPARE(t.programm->zufall().vorgegebenUebrig(), 0);
        QVERIFY(f.Zeit1->Enabled() && f.Bezeichnung8->isVisibleTo(&f));
        QCOMPARE(f.feld().fangX(), (QList<int>{0, 16, 3, 16}));
        QCOMPARE(f.feld().fangY(), (QList<int>{0, 10, 4, 0}));
        QCOMPARE(f.Bild5->zeichnung().texte(), (QStringList{"H", "u", "n", "d"}));
    }
    void wortErsatz()
    {
        // No word or one of more than 50 characters: a word of the game's own.
        const QString fuenfzig = u("abcdefghij").repeated(5);
        for (const QString &wort : {QString(), fuenfzig, fuenfzig + u("k")}) {
            Testprogramm t;
            fang &f = starten(t, wort);
            QCOMPARE(t.m().Loesungswort, wort == fuenfzig ? wort : u("Wortfangemeister"));
            f.Bild5_Click();
            QCOMPARE(f.Bild5->zeichnung().inhalt().size(), t.m().Loesungswort.size());
        }
    }
    void fangen_data()
    {
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QList<QPoint>>("weg");
        QTest::addColumn<QStringList>("stand");
        QTest::newRow("erster") << u("Hund") << QList<QPoint>{{11, 6}} << QStringList{"H", "u", "nd"};
        QTest::newRow("zweiter") << u("Hund") << QList<QPoint>{{11, 6}, {9, 8}} << QStringList{"Hu", "n", "d"};
        QTest::newRow("falsche Reihe") << u("Hund") << QList<QPoint>{{9, 8}, {15, 2}} << QStringList{"", "H", "und"};
        // The second n belongs to the later place: nothing caught there.
        QTest::newRow("doppelt, zweites zu früh") << u("Anna") << QList<QPoint>{{0, 0}, {10, 6}} << QStringList{"A", "n", "na"};
        QTest::newRow("doppelt der Reihe nach") << u("Anna") << QList<QPoint>{{0, 0}, {10, 6}, {5, 5}, {10, 6}}
                                                << QStringList{"Ann", "a", ""};
        QTest::newRow("Rand") << u("Hund") << QList<QPoint>{{0, 0}, {17, 10}, {17, 0}} << QStringList{"", "H", "und"};
    }
    void fangen()
    {
        QFETCH(QString, wort);
        QFETCH(QList<QPoint>, weg);
        QFETCH(QStringList, stand);
        Testprogramm t;
        const QList<QPoint> hund{{11, 6}, {9, 8}, {15, 2}, {16, 0}}, anna{{0, 0}, {5, 5}, {10, 6}, {0, 10}};
        fang &f = starten(t, wort, wort == u("Anna") ? anna : hund);
        for (const QPoint &p : weg)
            gehe(f, p.x(), p.y());
        QCOMPARE(titel(f.Bezeichnung4, f.Bezeichnung3, f.Bezeichnung5), stand);
        // Only what is left stays on the field and in the word; the catcher where it went.
        QCOMPARE(t.m().Loesungswort, stand.at(1) + stand.at(2));
        QCOMPARE(f.Bild5->zeichnung().texte().join(""), t.m().Loesungswort);
        QCOMPARE(f.feld().fangX().size(), t.m().Loesungswort.size());
        QCOMPARE(QPoint(Twips::links(f.Bezeichnung8), Twips::oben(f.Bezeichnung8)), weg.last() * 400);
        // Beyond the edge the catcher stays on it.
        for (int i = 0; i < 20; ++i)
            QTest::keyClick(&f, Qt::Key_Down);
        QCOMPARE(faenger(f).y(), 10);
    }
    void spruenge_data()
    {
        QTest::addColumn<QList<int>>("abstandAbSekunden");
        QTest::addColumn<QList<int>>("spruenge");
        QTest::newRow("alle 10 Sekunden") << QList<int>{10, 0, 20} << QList<int>{10, 20};
        QTest::newRow("nach 12 Sekunden auf 5") << QList<int>{5, 12, 16} << QList<int>{10, 15};
        QTest::newRow("kleinster Abstand 1") << QList<int>{0, 0, 3} << QList<int>{1, 2, 3};
    }
    void spruenge()
    {
        QFETCH(QList<int>, abstandAbSekunden);
        const int abstand = abstandAbSekunden[0], ab = abstandAbSekunden[1], sekunden = abstandAbSekunden[2];
        Testprogramm t;
        fang &f = starten(t, u("Hund"), {{0, 0}, {1, 0}, {2, 0}, {3, 0}});
        Zufall &z = t.programm->zufall();
        QList<int> gesprungen;
        for (int s = 1; s <= sekunden; ++s) {
            if (s == ab + 1)
                f.HBildlauf1->setValue(abstand);
            if (z.vorgegebenUebrig() == 0)
                z.vorgeben(zellen({{16, 10}, {15, 10}, {14, 10}, {13, 10}}));
            f.Zeit1_Timer();
            if (z.vorgegebenUebrig() == 0)
                gesprungen << s;
        }
        QTEST(gesprungen, "spruenge");
        QCOMPARE(titel(f.Bezeichnung6, f.Bezeichnung9), (QStringList{QString::number(sekunden), QString::number(qMax(abstand, 1))}));
        QCOMPARE(f.feld().fangX(), (QList<int>{16, 15, 14, 13}));
        QCOMPARE(f.feld().fangY(), (QList<int>{10, 10, 10, 10}));
    }
    void gewinnNachSekunden()
    {
        Testprogramm t;
        fang &f = starten(t, u("Eis"), {{10, 6}, {11, 6}, {12, 6}});
        for (int i = 0; i < 7; ++i)
            f.Zeit1_Timer();
        t.spielEnde(f, [&] { gehe(f, 12, 6); }, u("Du hast es in 7 Sekunden geschafft.\r"), u("Wortfange"),
                    [&] { QVERIFY(!f.Zeit1->Enabled()); });
        QVERIFY(!f.Zeit1->Enabled() && f.Bezeichnung8->isHidden());
    }
};

QTEST_MAIN(TestFang)
#include "tst_fang.moc"
