#include "Spielhilfen.h"
#include "support/Testprogramm.h"

#include "games/fang.h"
#include "ui/Twips.h"

#include <QTest>

namespace {

/// The two random values that put a letter on cell (x, y).
QList<double> zelle(int x, int y)
{
    return {(x + 0.5) / 17.0, (y + 0.5) / 11.0};
}

QList<double> zellen(const QList<QPoint> &punkte)
{
    QList<double> werte;
    for (const QPoint &p : punkte)
        werte += zelle(p.x(), p.y());
    return werte;
}

} // namespace


static fang &starten(Spielprogramm &t, const QString &wort)
{
    t.m().Loesungswort = wort;
    t.f1().Bezeichnung24_Click();
    return t.programm->fangFenster();
}

static void gehe(fang &f, int x, int y)
{
    while (f.feld().spalte() < x)
        f.NachRechts();
    while (f.feld().spalte() > x)
        f.NachLinks();
    while (f.feld().zeile() < y)
        f.NachUnten();
    while (f.feld().zeile() > y)
        f.NachOben();
}

class TestFang : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startZeigtAnleitung()
    {
        Spielprogramm t;
        Twips::setzeLinks(t.f1().Bild9, 3000);
        fang &f = starten(t, QStringLiteral("Hund"));
        QCOMPARE(Twips::links(t.f1().Bild9), 10440);
        QVERIFY(!t.f1().isVisible());
        QVERIFY(f.isVisible());
        QCOMPARE(f.Caption(), QStringLiteral("Wortfange"));
        QCOMPARE(f.Bezeichnung3->Caption(), QStringLiteral("H"));
        QCOMPARE(f.Bezeichnung4->Caption(), QString());
        QCOMPARE(f.Bezeichnung5->Caption(), QStringLiteral("und"));
        QCOMPARE(f.Bezeichnung6->Caption(), QStringLiteral("0"));
        QCOMPARE(f.Bezeichnung9->Caption(), QStringLiteral("10"));
        QCOMPARE(f.HBildlauf1->minimum(), 1);
        QCOMPARE(f.HBildlauf1->maximum(), 15);
        QCOMPARE(f.HBildlauf1->Value(), 10);
        QCOMPARE(f.Zeit1->interval(), 1000);
        QVERIFY(!f.Zeit1->Enabled());
        QVERIFY(f.Bezeichnung8->isHidden());
        QVERIFY(!f.Liste1->isVisible());
        QCOMPARE(f.Bild5->zeichnung().texte(),
                 (QStringList{"          Zum Starten hier klicken . . .", "          (Anleitung über Hilfe-Knopf)"}));
        const auto &inhalt = f.Bild5->zeichnung().inhalt();
        QVERIFY(inhalt.at(0).y > 0);
        QVERIFY(inhalt.at(1).y > inhalt.at(0).y);
        QCOMPARE(Twips::breite(f.Bild5), 18 * 400);
        QCOMPARE(Twips::hoehe(f.Bild5), 11 * 400);
    }
    void wortErsatz_data()
    {
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QString>("gespielt");
        const QString fuenfzig = QStringLiteral("abcdefghij").repeated(5);
        QTest::newRow("leer") << QString() << QStringLiteral("Wortfangemeister");
        QTest::newRow("50 Zeichen") << fuenfzig << fuenfzig;
        QTest::newRow("51 Zeichen") << fuenfzig + QStringLiteral("k") << QStringLiteral("Wortfangemeister");
        QTest::newRow("normal") << QStringLiteral("Maus") << QStringLiteral("Maus");
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
        t.boxen.ja();
        f.Befehl1->click();
        QVERIFY(t.zurueckImHauptfenster(f));
    }
    void vorDemKlickNichts()
    {
        Spielprogramm t;
        fang &f = starten(t, QStringLiteral("Hund"));
        QTest::keyClick(&f, Qt::Key_Left);
        f.NachOben();
        QCOMPARE(f.feld().spalte(), 9);
        QCOMPARE(f.feld().zeile(), 6);
        QVERIFY(!f.Zeit1->Enabled());
        QCOMPARE(f.Bezeichnung6->Caption(), QStringLiteral("0"));
    }
    void klickStreutBuchstaben()
    {
        Spielprogramm t;
        fang &f = starten(t, QStringLiteral("Hund"));
        t.zufall().vorgeben(zellen({{0, 0}, {16, 10}, {3, 4}, {16, 0}}));
        f.Bild5_Click();
        QVERIFY(f.Zeit1->Enabled());
        QVERIFY(f.Bezeichnung8->isVisibleTo(&f));
        QCOMPARE(f.feld().fangX(), (QList<int>{0, 16, 3, 16}));
        QCOMPARE(f.feld().fangY(), (QList<int>{0, 10, 4, 0}));
        const auto &inhalt = f.Bild5->zeichnung().inhalt();
        QCOMPARE(inhalt.size(), 4);
        QCOMPARE(inhalt.at(0).text, QStringLiteral("H"));
        QCOMPARE(inhalt.at(1).text, QStringLiteral("u"));
        QCOMPARE(inhalt.at(1).x, 16 * 400);
        QCOMPARE(inhalt.at(1).y, 10 * 400);
        QCOMPARE(inhalt.at(2).x, 3 * 400);
        QCOMPARE(inhalt.at(2).y, 4 * 400);
        QCOMPARE(inhalt.at(0).schrift.family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(inhalt.at(0).schrift.pointSizeF(), 18.0);
        QVERIFY(inhalt.at(0).schrift.bold());
        QCOMPARE(Twips::links(f.Bezeichnung8), 9 * 400);
        QCOMPARE(Twips::oben(f.Bezeichnung8), 6 * 400);
        QVERIFY(Twips::breite(f.Bezeichnung8) < 400);
        QCOMPARE(f.Bezeichnung8->Caption(), QStringLiteral("+"));
    }
    void fangenDerReiheNach()
    {
        Spielprogramm t;
        fang &f = starten(t, QStringLiteral("Hund"));
        t.zufall().vorgeben(zellen({{11, 6}, {9, 8}, {15, 2}, {16, 0}}));
        f.Bild5_Click();
        // Right over (10, 6) to the H at (11, 6).
        QTest::keyClick(&f, Qt::Key_Right);
        QCOMPARE(f.Bezeichnung3->Caption(), QStringLiteral("H"));
        QTest::keyClick(&f, Qt::Key_Right);
        QCOMPARE(f.Bezeichnung4->Caption(), QStringLiteral("H"));
        QCOMPARE(f.Bezeichnung3->Caption(), QStringLiteral("u"));
        QCOMPARE(f.Bezeichnung5->Caption(), QStringLiteral("nd"));
        QCOMPARE(t.m().Loesungswort, QStringLiteral("und"));
        QCOMPARE(f.feld().fangX(), (QList<int>{9, 15, 16}));
        QCOMPARE(f.Bild5->zeichnung().texte(), (QStringList{"u", "n", "d"}));
        QCOMPARE(Twips::links(f.Bezeichnung8), 11 * 400);
        gehe(f, 9, 8);
        QCOMPARE(f.Bezeichnung4->Caption(), QStringLiteral("Hu"));
        QCOMPARE(f.Bezeichnung3->Caption(), QStringLiteral("n"));
        QCOMPARE(f.Bezeichnung5->Caption(), QStringLiteral("d"));
    }
    void doppelterBuchstabeNurErster()
    {
        Spielprogramm t;
        fang &f = starten(t, QStringLiteral("Anna"));
        t.zufall().vorgeben(zellen({{0, 0}, {5, 5}, {10, 6}, {0, 10}}));
        f.Bild5_Click();
        gehe(f, 0, 0);
        QCOMPARE(f.Bezeichnung3->Caption(), QStringLiteral("n"));
        // The second n at (10, 6) belongs to the later place: nothing is caught.
        gehe(f, 10, 6);
        QCOMPARE(f.Bezeichnung4->Caption(), QStringLiteral("A"));
        QCOMPARE(f.feld().wort(), QStringLiteral("nna"));
        gehe(f, 5, 5);
        QCOMPARE(f.Bezeichnung4->Caption(), QStringLiteral("An"));
        QCOMPARE(f.feld().wort(), QStringLiteral("na"));
        // Now the n at (10, 6) is letter 1.
        gehe(f, 10, 6);
        QCOMPARE(f.Bezeichnung4->Caption(), QStringLiteral("Ann"));
    }
    void sprungAlle10Sekunden()
    {
        Spielprogramm t;
        fang &f = starten(t, QStringLiteral("Hund"));
        t.zufall().vorgeben(zellen({{0, 0}, {1, 0}, {2, 0}, {3, 0}}));
        f.Bild5_Click();
        const QList<double> sprung1 = zellen({{16, 10}, {15, 10}, {14, 10}, {13, 10}});
        const QList<double> sprung2 = zellen({{4, 4}, {5, 4}, {6, 4}, {7, 4}});
        t.zufall().vorgeben(sprung1 + sprung2);
        for (int s = 1; s <= 9; ++s)
            f.Zeit1_Timer();
        QCOMPARE(f.Bezeichnung6->Caption(), QStringLiteral("9"));
        QCOMPARE(t.zufall().vorgegebenUebrig(), 16);
        QCOMPARE(f.feld().fangX(), (QList<int>{0, 1, 2, 3}));
        f.Zeit1_Timer();
        QCOMPARE(f.Bezeichnung6->Caption(), QStringLiteral("10"));
        QCOMPARE(t.zufall().vorgegebenUebrig(), 8);
        QCOMPARE(f.feld().fangX(), (QList<int>{16, 15, 14, 13}));
        QCOMPARE(f.feld().fangY(), (QList<int>{10, 10, 10, 10}));
        QCOMPARE(f.Bild5->zeichnung().inhalt().first().x, 16 * 400);
        for (int s = 11; s <= 19; ++s)
            f.Zeit1_Timer();
        QCOMPARE(t.zufall().vorgegebenUebrig(), 8);
        f.Zeit1_Timer();
        QCOMPARE(f.Bezeichnung6->Caption(), QStringLiteral("20"));
        QCOMPARE(t.zufall().vorgegebenUebrig(), 0);
        QCOMPARE(f.feld().fangX(), (QList<int>{4, 5, 6, 7}));
        QCOMPARE(t.boxen.anzahl(), 0);
    }
    void sprungNachGeaendertemAbstand()
    {
        Spielprogramm t;
        fang &f = starten(t, QStringLiteral("Hund"));
        t.zufall().vorgeben(zellen({{0, 0}, {1, 0}, {2, 0}, {3, 0}}));
        f.Bild5_Click();
        for (int s = 1; s <= 12; ++s)
            f.Zeit1_Timer();
        f.HBildlauf1->setValue(5);
        QCOMPARE(f.Bezeichnung9->Caption(), QStringLiteral("5"));
        t.zufall().vorgeben(zellen({{4, 4}, {5, 4}, {6, 4}, {7, 4}}));
        f.Zeit1_Timer();
        f.Zeit1_Timer();
        QCOMPARE(t.zufall().vorgegebenUebrig(), 8);
        f.Zeit1_Timer();
        QCOMPARE(f.Bezeichnung6->Caption(), QStringLiteral("15"));
        QCOMPARE(t.zufall().vorgegebenUebrig(), 0);
        QCOMPARE(f.feld().fangX(), (QList<int>{4, 5, 6, 7}));
        // The smallest interval is one second: a jump every tick.
        f.HBildlauf1->setValue(0);
        QCOMPARE(f.HBildlauf1->Value(), 1);
        QCOMPARE(f.Bezeichnung9->Caption(), QStringLiteral("1"));
        t.zufall().vorgeben(zellen({{8, 1}, {8, 2}, {8, 3}, {8, 4}}));
        f.Zeit1_Timer();
        QCOMPARE(t.zufall().vorgegebenUebrig(), 0);
    }
    void sprungNieAufDenFaenger()
    {
        Spielprogramm t;
        fang &f = starten(t, QStringLiteral("Hund"));
        // H first drawn onto the catcher, u onto the H, n onto the catcher again.
        t.zufall().vorgeben(zellen({{9, 6}, {2, 2}, {2, 2}, {3, 3}, {9, 6}, {4, 4}, {5, 5}}));
        f.Bild5_Click();
        QCOMPARE(t.zufall().vorgegebenUebrig(), 0);
        QCOMPARE(f.feld().fangX(), (QList<int>{2, 3, 4, 5}));
        QCOMPARE(f.feld().fangY(), (QList<int>{2, 3, 4, 5}));
        QCOMPARE(f.Bezeichnung4->Caption(), QString());
    }
    void randBegrenztFaenger()
    {
        Fangfeld feld;
        feld.beginnen(QStringLiteral("Hund"));
        for (int i = 0; i < 20; ++i)
            feld.bewegen(1, 1);
        QCOMPARE(feld.spalte(), 17);
        QCOMPARE(feld.zeile(), 10);
        for (int i = 0; i < 20; ++i)
            feld.bewegen(-1, -1);
        QCOMPARE(feld.spalte(), 0);
        QCOMPARE(feld.zeile(), 0);
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
        fang &f = starten(t, QStringLiteral("Eis"));
        t.zufall().vorgeben(zellen({{10, 6}, {11, 6}, {12, 6}}));
        f.Bild5_Click();
        for (int s = 0; s < sekunden; ++s)
            f.Zeit1_Timer();
        bool geprueft = false;
        t.boxen.beiMeldung = [&](const QString &) {
            QVERIFY(f.Liste1->isVisible());
            QVERIFY(!f.Zeit1->Enabled());
            QCOMPARE(f.Liste1->eintraege(), liste);
            geprueft = true;
        };
        t.boxen.ok();
        gehe(f, 12, 6);
        QVERIFY(geprueft);
        QCOMPARE(t.boxen.anzahl(), 1);
        pruefeBox(t.boxen, u("Du hast es in %1 Sekunden geschafft.\r").arg(sekunden), u("Wortfange"));
        QCOMPARE(t.lesen("BESTFANG.LST"), liste.join("\r\n").toLatin1() + "\r\n");
        QVERIFY(t.zurueckImHauptfenster(f));
        QVERIFY(!f.Zeit1->Enabled());
        QVERIFY(f.Bezeichnung8->isHidden());
        QVERIFY(!f.Liste1->isVisible());
    }
    void abbrechenAuchMitEsc()
    {
        Spielprogramm t;
        fang &f = starten(t, QStringLiteral("Hund"));
        f.Bild5_Click();
        t.boxen.nein();
        QTest::keyClick(&f, Qt::Key_Escape);
        pruefeFrage(t.boxen, u("Dieses Spiel vorzeitig beenden?\r"), u("Wortfange"));
        QVERIFY(f.isVisible());
        QVERIFY(f.Zeit1->Enabled());
        t.boxen.ja();
        f.close();
        QVERIFY(t.zurueckImHauptfenster(f));
        QVERIFY(!f.Zeit1->Enabled());
        QVERIFY(f.Bezeichnung8->isHidden());
        QVERIFY(!t.gibt(QStringLiteral("BESTFANG.LST")));

        // The next game starts afresh with the new word.
        const QString neu = t.m().Loesungswort;
        starten(t, neu);
        QCOMPARE(f.Bezeichnung6->Caption(), QStringLiteral("0"));
        QCOMPARE(f.feld().spalte(), 9);
        QCOMPARE(f.feld().zeile(), 6);
        QVERIFY(!f.gestartet());
    }
    void hilfe()
    {
        Spielprogramm t;
        fang &f = starten(t, QStringLiteral("Hund"));
        t.boxen.ok();
        f.Befehl2->click();
        pruefeBox(t.boxen,
                  u("Du musst die Wortbuchstaben der Reihe\rnach fangen. Gesteuert wird mit den vier\r"
                    "Pfeiltasten rechts auf deiner PC-Tastatur.\rBei doppelten Buchstaben weißt du jedoch\r"
                    "nicht, welcher Buchstabe an der Reihe ist.\r"),
                  u("Wortfange: Hilfe"));
    }
};

QTEST_MAIN(TestFang)
#include "tst_fang.moc"
