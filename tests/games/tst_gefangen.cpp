#include "Spielhilfen.h"

#include "games/gefangen.h"
#include "support/Testprogramm.h"
#include "ui/Twips.h"

#include <QTest>

namespace {

/// A grid of 17 rows: every cell the last letter of the word unless a
/// cell is given; the 5 x 5 centre is cleared by the game itself.
QStringList gitter(const QString &wort, const QList<std::tuple<int, int, char>> &zellen)
{
    QStringList zeilen(17, QString(17, wort.back()));
    for (const auto &[spalte, zeile, c] : zellen)
        zeilen[zeile - 1][spalte - 1] = QLatin1Char(c);
    return zeilen;
}

/// "Ostern" in order above the start cell, (9, 6) O up to (9, 1) n; all
/// else "n" except the "s" at (10, 6).
QStringList ostergitter()
{
    return gitter(u("Ostern"), {{9, 6, 'O'}, {9, 5, 's'}, {9, 4, 't'}, {9, 3, 'e'}, {9, 2, 'r'}, {9, 1, 'n'}, {10, 6, 's'}});
}

/// Starts the game with exactly this grid drawn.
gefangen &starten(Spielprogramm &t, const QString &wort = u("Ostern"), const QStringList &zeilen = ostergitter())
{
    t.m().Loesungswort = wort;
    QList<double> werte;
    for (const QString &z : zeilen)
        for (QChar c : z)
            werte << (wort.indexOf(c) + 0.5) / wort.size();
    if (!wort.isEmpty())
        t.zufall().vorgeben(werte);
    t.f1().Bezeichnung25_Click();
    return t.programm->gefangenFenster();
}

QPoint stelle(gefangen &g) { return QPoint(g.gitter().spalte(), g.gitter().zeile()); }
/// Position, letters taken and the number of the next letter.
QList<int> stand(gefangen &g) { return {g.gitter().spalte(), g.gitter().zeile(), g.gitter().genommen(), g.gitter().naechster()}; }
QPoint marke(gefangen &g) { return QPoint(g.zeichnung().inhalt().last().x, g.zeichnung().inhalt().last().y); }

void hoch(gefangen &g, int n)
{
    for (int i = 0; i < n; ++i)
        g.Bild1_Click();
}

} // namespace

class TestGefangen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startZeichnungUndHilfe()
    {
        Spielprogramm t;
        Twips::setzeLinks(t.f1().Bild9, 3000);
        gefangen &g = starten(t);
        QCOMPARE(t.zufall().vorgegebenUebrig(), 0);
        QVERIFY(t.spielOffen(g) && !g.Liste1->isVisible());
        QCOMPARE(g.Caption(), u("Wortgefängnis:  Ostern"));
        QCOMPARE(t.m().Eingabe, u("Ostern"));
        QCOMPARE(g.Befehl2->Caption(), u(" ? ? ?"));
        const QStringList z = g.gitter().zeilen();
        QCOMPARE(z.size(), 17);
        QCOMPARE((QStringList{z[0], z[1], z[5], z[6], z[10], z[11]}),
                 (QStringList{"nnnnnnnnnnnnnnnnn", "nnnnnnnnrnnnnnnnn", "nnnnnnnnOsnnnnnnn", "nnnnnn     nnnnnn",
                              "nnnnnn     nnnnnn", "nnnnnnnnnnnnnnnnn"}));
        QCOMPARE(stand(g), (QList<int>{9, 9, 0, 1}));
        auto pruefen = [&](int anzahl) {
            const auto &inhalt = g.zeichnung().inhalt();
            // The cells not cleared or taken, and the marker last.
            QCOMPARE(inhalt.size(), anzahl);
            for (const Schriftzug &s : inhalt) {
                QCOMPARE(s.schrift.pointSizeF(), 13.5);
                QCOMPARE(s.schrift.family(), u("Arial"));
                QVERIFY(s.x % 300 == 0 && s.y % 300 == 0);
                const int c = s.x / 300, r = s.y / 300;
                const bool istMarke = &s == &inhalt.last();
                QCOMPARE(s.farbe, istMarke ? QColor(255, 0, 0) : QColor(Qt::black));
                QCOMPARE(s.text, istMarke ? u("+") : QString(g.gitter().zelle(c, r)));
                if (istMarke)
                    QCOMPARE(QPoint(c, r), stelle(g));
            }
        };
        pruefen(289 - 25 + 1);
        QCOMPARE(marke(g), QPoint(2700, 2700));
        // A click on the grid shows the next letter.
        t.boxen.setStreng(false);
        g.Bild5_Click();
        pruefeBox(t.boxen, u("\r  ->O<-   s  t  e  r  n \r\r"), u("Wortgefängnis"));
        hoch(g, 3); // takes the O at (9, 6)
        g.Bild5_Click();
        QCOMPARE(t.boxen.letzte().text, u("\r O   ->s<-   t  e  r  n \r\r"));
        // Covering and uncovering repaints the same picture: nothing piles up.
        g.repaint();
        g.Bild4_Click();
        g.Bild1_Click();
        pruefen(289 - 25 - 1 + 1);
        g.Befehl3->click();
        pruefeBox(t.boxen,
                  u("Suche mit den Pfeiltasten die Buchstaben des\rLösungswortes bis du an den Rand kommst und\r"
                    "ausgebrochen bist. Überlege immer gut, von\rwelcher Stelle du einen Buchstaben wegnimmst.\r"
                    "Du hast drei Buchstabenwünsche frei, die du mit\rKlick auf die Fragezeichen holen kannst oder wenn\r"
                    "du den gewünschten Buchstaben auf der Tastatur\rdrückst. Ein Klick auf das Gitter zeigt den nächsten\r"
                    "Buchstaben, falls du die Reihenfolge nicht mehr weißt.\r\r"),
                  u("Hilfe"));
    }

    void kuerzesterAusbruchZaehltFuenf()
    {
        Spielprogramm t;
        t.schreiben(u("BESTSUCH.LST"), "0002  Ida\r\n0007  Max\r\n");
        gefangen &g = starten(t);
        QCOMPARE(g.Liste1->ListCount(), 2);
        hoch(g, 7);
        // Onto the "n" of the edge: taken, not counted.
        spielEnde(t, g, [&] { g.Bild1_Click(); }, u("Prima, du bist jetzt frei!\rEs waren 5 Spielzüge!\r"),
                  u("Wortgefängnis"), g.Liste1, {"0002  Ida", "0005  Freund", "0007  Max"});
        QCOMPARE(t.lesen(u("BESTSUCH.LST")), QByteArray("0002  Ida\r\n0005  Freund\r\n0007  Max\r\n"));
        QCOMPARE(g.Liste1->ListCount(), 0);
        QCOMPARE(g.Befehl2->Caption(), u(" ? ? ?"));
    }

    void zuege_data()
    {
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QString>("zuege");
        QTest::addColumn<QList<int>>("stand");
        // Clicks: o up, u down, l left, r right; the same in capitals are the
        // arrow keys. (10, 6) holds "s" while "O" is next.
        QTest::newRow("Pfeiltasten") << u("Ostern") << ostergitter() << u("OLRU") << QList<int>{9, 9, 0, 1};
        QTest::newRow("Pfeiltasten hinaus") << u("Ostern") << ostergitter() << u("OOOOOOO") << QList<int>{9, 2, 5, 6};
        QTest::newRow("falscher Buchstabe verweigert") << u("Ostern") << ostergitter() << u("rooo") << QList<int>{10, 7, 0, 1};
        QTest::newRow("danach erlaubt") << u("Ostern") << ostergitter() << u("rooolor") << QList<int>{10, 6, 2, 3};
        QTest::newRow("kuerzester Weg") << u("Ostern") << ostergitter() << u("ooooooo") << QList<int>{9, 2, 5, 6};
        // "Otto": an "o" above the start, an "O" to the left of it.
        const QStringList otto = gitter(u("Otto"), {{9, 6, 'o'}, {8, 6, 'O'}});
        QTest::newRow("o ist nicht O") << u("Otto") << otto << u("ooo") << QList<int>{9, 7, 0, 1};
        QTest::newRow("O genommen") << u("Otto") << otto << u("ooolo") << QList<int>{8, 6, 1, 2};
        // The last letter stays the next one once reached.
        const QStringList ab = gitter(u("Ab"), {{9, 6, 'b'}, {9, 5, 'b'}, {8, 6, 'A'}, {10, 6, 'A'}});
        QTest::newRow("letzter Buchstabe") << u("Ab") << ab << u("looor") << QList<int>{9, 6, 2, 2};
        QTest::newRow("letzter noch einmal") << u("Ab") << ab << u("looorro") << QList<int>{9, 5, 3, 2};
    }
    void zuege()
    {
        QFETCH(QString, wort);
        QFETCH(QStringList, zeilen);
        QFETCH(QString, zuege);
        QFETCH(QList<int>, stand);
        Spielprogramm t;
        gefangen &g = starten(t, wort, zeilen);
        const QMap<QChar, Qt::Key> tasten{{'O', Qt::Key_Up}, {'U', Qt::Key_Down}, {'L', Qt::Key_Left}, {'R', Qt::Key_Right}};
        for (QChar z : zuege) {
            if (tasten.contains(z))
                QTest::keyClick(&g, tasten[z]);
            else
                z == 'o' ? g.Bild1_Click() : z == 'u' ? g.Bild4_Click() : z == 'l' ? g.Bild2_Click() : g.Bild3_Click();
        }
        QCOMPARE(::stand(g), stand);
        // Only what was taken is gone from the picture; the marker on the position.
        QCOMPARE(g.zeichnung().inhalt().size(), 289 - 25 - stand[2] + 1);
        QCOMPARE(marke(g), QPoint(stand[0] * 300, stand[1] * 300));
        QCOMPARE(t.boxen.anzahl(), 0);
    }

    void randBegrenztSchritte()
    {
        using G = Gefaengnisgitter;
        G s;
        s.setzen(u("Wort"), QStringList(17, QString(17, QLatin1Char(' '))));
        for (int i = 0; i < 7; ++i)
            QCOMPARE(s.schritt(G::Richtung::Links), G::Ergebnis::Gegangen);
        QCOMPARE(s.schritt(G::Richtung::Links), G::Ergebnis::Ausbruch);
        QCOMPARE(s.spalte(), 1);
        QVERIFY(s.ausgebrochen());
        QCOMPARE(s.genommen(), 0);
    }

    void pfeiltastenUndAbbrechen()
    {
        Spielprogramm t;
        t.schreiben(u("BESTSUCH.LST"), "0004  Ida\r\n");
        gefangen &g = starten(t);
        QTest::keyClick(g.Befehl1, Qt::Key_Left); // the window sees the keys first
        QCOMPARE(stelle(g), QPoint(8, 9));
        t.boxen.ja();
        g.Befehl2->click();
        // Escape, the end button and the window's close all ask first.
        abbruchVerneint(t, g, u("Wortgefängnis"), [&] { QTest::keyClick(&g, Qt::Key_Escape); });
        abbruchVerneint(t, g, u("Wortgefängnis"), [&] { g.Befehl1->click(); });
        t.boxen.ja();
        g.close();
        QVERIFY(t.zurueckImHauptfenster(g));
        QCOMPARE(t.lesen(u("BESTSUCH.LST")), QByteArray("0004  Ida\r\n"));
        starten(t); // a new game starts fresh
        QCOMPARE(stand(g), (QList<int>{9, 9, 0, 1}));
        QVERIFY(g.gitter().wuensche() == 0 && g.isVisible());
        QCOMPARE(g.Befehl2->Caption(), u(" ? ? ?"));
    }

    void wuensche()
    {
        Spielprogramm t;
        gefangen &g = starten(t);
        t.boxen.nein();
        g.Befehl2->click();
        QCOMPARE(g.Befehl2->Caption(), u(" ? ? ?"));
        QCOMPARE(g.gitter().wuensche(), 0);
        const QStringList texte{u("Du hast noch 3 Wünsche frei!"), u("Du hast noch 2 Wünsche frei!"),
                                u("Du hast noch  1 Wunsch frei!")};
        const QStringList kasten{" O ? ?", " O s ?", " O s t"};
        for (int i = 0; i < 3; ++i) {
            t.boxen.ja();
            g.Befehl2->click();
            pruefeFrage(t.boxen, texte.at(i) + u("\n\rMöchtest du einen benutzen?\n\r"), u("Wunschbox"));
            QCOMPARE(g.Befehl2->Caption(), kasten.at(i));
            QCOMPARE((QList<int>{g.gitter().wuensche(), g.gitter().naechster()}), (QList<int>{i + 1, i + 2}));
        }
        t.boxen.ok();
        g.Befehl2->click();
        pruefeBox(t.boxen, u("Kein Wunsch mehr frei!"), u("Wunschbox"));
        QCOMPARE(g.Befehl2->Caption(), u(" O s t"));
        // The wished letters are skipped: the O above the start is refused now.
        hoch(g, 3);
        QCOMPARE(stand(g), (QList<int>{9, 7, 0, 4}));
    }

    void tastenFragenNachWunsch_data()
    {
        QTest::addColumn<QString>("zeichen");
        QTest::addColumn<bool>("fragt");
        for (const char *z : {" ", "a", "z", "Q", "7"})
            QTest::newRow(z) << u(z) << true;
        for (const char *z : {"{", "ä", "Ü", "ß"})
            QTest::newRow(z) << u(z) << false;
    }
    void tastenFragenNachWunsch()
    {
        QFETCH(QString, zeichen);
        QFETCH(bool, fragt);
        Spielprogramm t;
        gefangen &g = starten(t);
        if (fragt)
            t.boxen.nein();
        QTest::sendKeyEvent(QTest::Click, &g, Qt::Key_unknown, zeichen, Qt::NoModifier);
        QCOMPARE(anzahlBoxen(t.boxen, u("Wunschbox")), fragt ? 1 : 0);
        QCOMPARE(t.boxen.anzahl(), fragt ? 1 : 0);
        QCOMPARE(g.gitter().wuensche(), 0);
    }

    void leeresWortLeeresGitter()
    {
        Spielprogramm t;
        gefangen &g = starten(t, QString(), {});
        QCOMPARE(g.Caption(), u("Wortgefängnis:  "));
        QCOMPARE(g.zeichnung().texte(), QStringList{u("+")});
        t.boxen.ok();
        g.Bild5_Click();
        QCOMPARE(t.boxen.letzte().text, u("\r\r\r"));
        t.boxen.ja();
        g.Befehl2->click();
        QCOMPARE(g.Befehl2->Caption(), u(" ? ? ?"));
        // Walking out of the empty grid ends the game without a best-list entry.
        spielEnde(t, g, [&] { hoch(g, 8); }, u("Prima, du bist jetzt frei!\rEs waren 0 Spielzüge!\r"),
                  u("Wortgefängnis"), nullptr);
        QVERIFY(!t.gibt(u("BESTSUCH.LST")));
    }
};

QTEST_MAIN(TestGefangen)
#include "tst_gefangen.moc"
