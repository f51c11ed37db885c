#include "Spielhilfen.h"
#include "support/Testprogramm.h"

#include "games/fang.h"
#include "ui/Twips.h"

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

fang &starten(Spielprogramm &t, const QString &wort, const QList<QPoint> &punkte = {})
{
    t.m().Loesungswort = wort;
    t.f1().Bezeichnung24_Click();
    fang &f = t.programm->fangFenster();
    if (!punkte.isEmpty()) {
        t.zufall().vorgeben(zellen(punkte));
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

void ticks(fang &f, int n)
{
    for (int i = 0; i < n; ++i)
        f.Zeit1_Timer();
}

/// Caught, current and remaining letters.
QStringList stand(fang &f) { return titel(f.Bezeichnung4, f.Bezeichnung3, f.Bezeichnung5); }

} // namespace

class TestFang : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startZeigtAnleitung()
    {
        Spielprogramm t;
        Twips::setzeLinks(t.f1().Bild9, 3000);
        fang &f = starten(t, u("Hund"));
        QVERIFY(t.spielOffen(f));
        QCOMPARE(f.Caption(), u("Wortfange"));
        QCOMPARE(stand(f), (QStringList{"", "H", "und"}));
        QCOMPARE(titel(f.Bezeichnung6, f.Bezeichnung9), (QStringList{"0", "10"}));
        QCOMPARE((QList<int>{f.HBildlauf1->minimum(), f.HBildlauf1->maximum(), f.HBildlauf1->Value()}),
                 (QList<int>{1, 15, 10}));
        QCOMPARE(f.Zeit1->interval(), 1000);
        QVERIFY(!f.Zeit1->Enabled() && f.Bezeichnung8->isHidden() && !f.Liste1->isVisible());
        QCOMPARE(f.Bild5->zeichnung().texte(),
                 (QStringList{"          Zum Starten hier klicken . . .", u("          (Anleitung über Hilfe-Knopf)")}));
        const auto &inhalt = f.Bild5->zeichnung().inhalt();
        QVERIFY(inhalt.at(0).y > 0 && inhalt.at(1).y > inhalt.at(0).y);
        QCOMPARE(QSize(Twips::breite(f.Bild5), Twips::hoehe(f.Bild5)), QSize(18 * 400, 11 * 400));
        // Before the click the keys and the timer do nothing.
        QTest::keyClick(&f, Qt::Key_Left);
        f.NachOben();
        QCOMPARE(QPoint(f.feld().spalte(), f.feld().zeile()), QPoint(9, 6));
        QVERIFY(!f.Zeit1->Enabled());
        t.boxen.ok();
        f.Befehl2->click();
        pruefeBox(t.boxen,
                  u("Du musst die Wortbuchstaben der Reihe\rnach fangen. Gesteuert wird mit den vier\r"
                    "Pfeiltasten rechts auf deiner PC-Tastatur.\rBei doppelten Buchstaben weißt du jedoch\r"
                    "nicht, welcher Buchstabe an der Reihe ist.\r"),
                  u("Wortfange: Hilfe"));
        QVERIFY(!f.Zeit1->Enabled());
    }
    void wortErsatz_data()
    {
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QString>("gespielt");
        const QString fuenfzig = u("abcdefghij").repeated(5);
        QTest::newRow("leer") << QString() << u("Wortfangemeister");
        QTest::newRow("50 Zeichen") << fuenfzig << fuenfzig;
        QTest::newRow("51 Zeichen") << fuenfzig + "k" << u("Wortfangemeister");
        QTest::newRow("normal") << u("Maus") << u("Maus");
    }
    void wortErsatz()
    {
        QFETCH(QString, wort);
        QFETCH(QString, gespielt);
        Spielprogramm t;
        fang &f = starten(t, wort);
        QCOMPARE(t.m().Loesungswort, gespielt);
        QCOMPARE(f.Bezeichnung3->Caption() + f.Bezeichnung5->Caption(), gespielt);
        f.Bild5_Click();
        QCOMPARE(f.feld().fangX().size(), gespielt.size());
        QCOMPARE(f.Bild5->zeichnung().inhalt().size(), gespielt.size());
        QVERIFY(t.abbrechen(f.Befehl1, f));
    }
    void klickStreutBuchstaben()
    {
        Spielprogramm t;
        // H first drawn onto the catcher, u onto the H, n onto the catcher again.
        fang &f = starten(t, u("Hund"), {{9, 6}, {0, 0}, {0, 0}, {16, 10}, {9, 6}, {3, 4}, {16, 0}});
        QCOMPARE(t.zufall().vorgegebenUebrig(), 0);
        QVERIFY(f.Zeit1->Enabled() && f.Bezeichnung8->isVisibleTo(&f));
        QCOMPARE(f.feld().fangX(), (QList<int>{0, 16, 3, 16}));
        QCOMPARE(f.feld().fangY(), (QList<int>{0, 10, 4, 0}));
        const auto &inhalt = f.Bild5->zeichnung().inhalt();
        QCOMPARE(f.Bild5->zeichnung().texte(), (QStringList{"H", "u", "n", "d"}));
        QCOMPARE(QPoint(inhalt.at(1).x, inhalt.at(1).y), QPoint(16 * 400, 10 * 400));
        QCOMPARE(QPoint(inhalt.at(2).x, inhalt.at(2).y), QPoint(3 * 400, 4 * 400));
        QCOMPARE(inhalt.at(0).schrift.family(), u("MS Sans Serif"));
        QCOMPARE(inhalt.at(0).schrift.pointSizeF(), 18.0);
        QVERIFY(inhalt.at(0).schrift.bold());
        QCOMPARE(QPoint(Twips::links(f.Bezeichnung8), Twips::oben(f.Bezeichnung8)), QPoint(9 * 400, 6 * 400));
        QVERIFY(Twips::breite(f.Bezeichnung8) < 400);
        QCOMPARE(f.Bezeichnung8->Caption(), u("+"));
    }
    void fangen_data()
    {
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QList<QPoint>>("buchstaben");
        QTest::addColumn<QList<QPoint>>("weg");
        QTest::addColumn<QStringList>("stand");
        const QList<QPoint> hund{{11, 6}, {9, 8}, {15, 2}, {16, 0}}, anna{{0, 0}, {5, 5}, {10, 6}, {0, 10}};
        QTest::newRow("erster") << u("Hund") << hund << QList<QPoint>{{11, 6}} << QStringList{"H", "u", "nd"};
        QTest::newRow("zweiter") << u("Hund") << hund << QList<QPoint>{{11, 6}, {9, 8}} << QStringList{"Hu", "n", "d"};
        QTest::newRow("falsche Reihe") << u("Hund") << hund << QList<QPoint>{{9, 8}, {15, 2}} << QStringList{"", "H", "und"};
        // The second n belongs to the later place: nothing caught there.
        QTest::newRow("doppelt, zweites zu frueh") << u("Anna") << anna << QList<QPoint>{{0, 0}, {10, 6}}
                                                   << QStringList{"A", "n", "na"};
        QTest::newRow("doppelt der Reihe nach") << u("Anna") << anna << QList<QPoint>{{0, 0}, {10, 6}, {5, 5}, {10, 6}}
                                                << QStringList{"Ann", "a", ""};
    }
    void fangen()
    {
        QFETCH(QString, wort);
        QFETCH(QList<QPoint>, buchstaben);
        QFETCH(QList<QPoint>, weg);
        QFETCH(QStringList, stand);
        Spielprogramm t;
        fang &f = starten(t, wort, buchstaben);
        for (const QPoint &p : weg)
            gehe(f, p.x(), p.y());
        QCOMPARE(::stand(f), stand);
        // Only what is left stays on the field and in the word; the catcher where it went.
        QCOMPARE(f.feld().wort(), stand.at(1) + stand.at(2));
        QCOMPARE(t.m().Loesungswort, f.feld().wort());
        QCOMPARE(f.Bild5->zeichnung().texte().join(""), f.feld().wort());
        QCOMPARE(f.feld().fangX().size(), f.feld().wort().size());
        QCOMPARE(QPoint(Twips::links(f.Bezeichnung8), Twips::oben(f.Bezeichnung8)), weg.last() * 400);
    }
    void spruenge_data()
    {
        QTest::addColumn<int>("abstand");
        QTest::addColumn<int>("ab");
        QTest::addColumn<int>("sekunden");
        QTest::addColumn<QList<int>>("spruenge");
        QTest::newRow("alle 10 Sekunden") << 10 << 0 << 20 << QList<int>{10, 20};
        QTest::newRow("nach 12 Sekunden auf 5") << 5 << 12 << 16 << QList<int>{10, 15};
        QTest::newRow("kleinster Abstand 1") << 0 << 0 << 3 << QList<int>{1, 2, 3};
    }
    void spruenge()
    {
        QFETCH(int, abstand);
        QFETCH(int, ab);
        QFETCH(int, sekunden);
        QFETCH(QList<int>, spruenge);
        Spielprogramm t;
        fang &f = starten(t, u("Hund"), {{0, 0}, {1, 0}, {2, 0}, {3, 0}});
        QList<int> gesprungen;
        for (int s = 1; s <= sekunden; ++s) {
            if (s == ab + 1)
                f.HBildlauf1->setValue(abstand);
            if (t.zufall().vorgegebenUebrig() == 0)
                t.zufall().vorgeben(zellen({{16, 10}, {15, 10}, {14, 10}, {13, 10}}));
            f.Zeit1_Timer();
            if (t.zufall().vorgegebenUebrig() == 0)
                gesprungen << s;
        }
        QCOMPARE(gesprungen, spruenge);
        QCOMPARE(f.HBildlauf1->Value(), qMax(abstand, 1));
        QCOMPARE(titel(f.Bezeichnung6, f.Bezeichnung9), (QStringList{QString::number(sekunden), QString::number(qMax(abstand, 1))}));
        QCOMPARE(f.feld().fangX(), (QList<int>{16, 15, 14, 13}));
        QCOMPARE(f.feld().fangY(), (QList<int>{10, 10, 10, 10}));
        QCOMPARE(f.Bild5->zeichnung().inhalt().first().x, 16 * 400);
        QCOMPARE(t.boxen.anzahl(), 0);
    }
    void randBegrenztFaenger()
    {
        Fangfeld feld;
        feld.beginnen(u("Hund"));
        for (const int d : {1, -1}) {
            for (int i = 0; i < 20; ++i)
                feld.bewegen(d, d);
            QCOMPARE(QPoint(feld.spalte(), feld.zeile()), d > 0 ? QPoint(17, 10) : QPoint(0, 0));
        }
    }
    void gewinn_data()
    {
        QTest::addColumn<int>("sekunden");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("vorher");
        QTest::addColumn<QStringList>("liste");
        QTest::newRow("0 Sekunden") << 0 << QString() << QByteArray() << QStringList{"0000  Freund"};
        QTest::newRow("7 Sekunden") << 7 << "Ida" << QByteArray("0005  Max\r\n0042  Zoe\r\n")
                                    << QStringList{"0005  Max", "0007  Ida", "0042  Zoe"};
    }
    void gewinn()
    {
        QFETCH(int, sekunden);
        QFETCH(QString, name);
        QFETCH(QByteArray, vorher);
        QFETCH(QStringList, liste);
        Spielprogramm t;
        if (!name.isNull())
            t.f1().Bezeichnung7->setCaption(name);
        if (!vorher.isEmpty())
            t.schreiben("BESTFANG.LST", vorher);
        fang &f = starten(t, u("Eis"), {{10, 6}, {11, 6}, {12, 6}});
        ticks(f, sekunden);
        spielEnde(t, f, [&] { gehe(f, 12, 6); }, u("Du hast es in %1 Sekunden geschafft.\r").arg(sekunden),
                  u("Wortfange"), f.Liste1, liste, [&] { QVERIFY(!f.Zeit1->Enabled()); });
        QCOMPARE(t.lesen("BESTFANG.LST"), liste.join("\r\n").toLatin1() + "\r\n");
        QVERIFY(!f.Zeit1->Enabled() && f.Bezeichnung8->isHidden());
    }
    void abbrechenAuchMitEsc()
    {
        Spielprogramm t;
        fang &f = starten(t, u("Hund"), {{0, 0}, {1, 0}, {2, 0}, {3, 0}});
        abbruchVerneint(t, f, u("Wortfange"), [&] { QTest::keyClick(&f, Qt::Key_Escape); });
        QVERIFY(f.Zeit1->Enabled());
        t.boxen.ja();
        f.close();
        QVERIFY(t.zurueckImHauptfenster(f));
        QVERIFY(!f.Zeit1->Enabled() && f.Bezeichnung8->isHidden());
        QVERIFY(!t.gibt("BESTFANG.LST"));
        // The next game starts afresh with the new word.
        starten(t, t.m().Loesungswort);
        QCOMPARE(f.Bezeichnung6->Caption(), u("0"));
        QCOMPARE(QPoint(f.feld().spalte(), f.feld().zeile()), QPoint(9, 6));
        QVERIFY(!f.gestartet());
    }
};

QTEST_MAIN(TestFang)
#include "tst_fang.moc"
