#include "Spielhilfen.h"

#include "games/gefangen.h"
#include "ui/Twips.h"

#include <QTest>

namespace {

/// A grid of 17 rows: every cell the last letter of the word unless a
/// cell is given; the 5 x 5 centre is cleared by the game itself.
QStringList gitter(const QString &wort, const QList<std::tuple<int, int, QChar>> &zellen)
{
    QStringList zeilen(17, QString(17, wort.back()));
    for (const auto &[spalte, zeile, c] : zellen)
        zeilen[zeile - 1][spalte - 1] = c;
    return zeilen;
}

/// The random values that make the game draw exactly this grid.
QList<double> werteFuer(const QString &wort, const QStringList &zeilen)
{
    QList<double> werte;
    for (const QString &z : zeilen)
        for (QChar c : z) {
            const qsizetype k = wort.indexOf(c);
            werte << (k + 0.5) / wort.size();
        }
    return werte;
}

/// The word "Ostern" with its letters in order above the start cell:
/// (9, 6) O, (9, 5) s, (9, 4) t, (9, 3) e, (9, 2) r, (9, 1) n. Everything else
/// is "n" except (10, 6), an "s".
QStringList ostergitter()
{
    return gitter(QStringLiteral("Ostern"),
                  {{9, 6, QLatin1Char('O')},
                   {9, 5, QLatin1Char('s')},
                   {9, 4, QLatin1Char('t')},
                   {9, 3, QLatin1Char('e')},
                   {9, 2, QLatin1Char('r')},
                   {9, 1, QLatin1Char('n')},
                   {10, 6, QLatin1Char('s')}});
}

} // namespace

class TestGefangen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startBautGitterAuf();
    void zeichnungAusDemSpielstand();
    void kuerzesterAusbruchZaehltFuenf();
    void verweigerterSchritt();
    void buchstabenGenauVerglichen();
    void letzterBuchstabeBleibtDerNaechste();
    void randBegrenztSchritte();
    void pfeiltastenUndEsc();
    void wuensche();
    void abgelehnterWunschAendertNichts();
    void tastenFragenNachWunsch_data();
    void tastenFragenNachWunsch();
    void hinweis();
    void hilfe();
    void abbrechen();
    void leeresWortLeeresGitter();
    void neuesSpielBeginntFrisch();

private:
    static gefangen &starten(Spielprogramm &t, const QString &wort, const QStringList &zeilen);
};

gefangen &TestGefangen::starten(Spielprogramm &t, const QString &wort, const QStringList &zeilen)
{
    t.m().Loesungswort = wort;
    if (!wort.isEmpty())
        t.zufall().vorgeben(werteFuer(wort, zeilen));
    t.f1().Bezeichnung25_Click();
    return t.programm->gefangenFenster();
}

void TestGefangen::startBautGitterAuf()
{
    Spielprogramm t;
    Twips::setzeLinks(t.f1().Bild9, 3000);
    gefangen &g = starten(t, QStringLiteral("Ostern"), ostergitter());
    QCOMPARE(t.zufall().vorgegebenUebrig(), 0);
    QCOMPARE(Twips::links(t.f1().Bild9), 10440);
    QVERIFY(!t.f1().isVisible());
    QVERIFY(g.isVisible());
    QCOMPARE(g.Caption(), QStringLiteral("Wortgefängnis:  Ostern"));
    QCOMPARE(t.m().Eingabe, QStringLiteral("Ostern"));
    QCOMPARE(g.Befehl2->Caption(), QStringLiteral(" ? ? ?"));
    QVERIFY(!g.Liste1->isVisible());

    const Gefaengnisgitter &s = g.gitter();
    QCOMPARE(s.zeilen().size(), 17);
    QCOMPARE(s.zeilen().at(0), QStringLiteral("nnnnnnnnnnnnnnnnn"));
    QCOMPARE(s.zeilen().at(1), QStringLiteral("nnnnnnnnrnnnnnnnn"));
    QCOMPARE(s.zeilen().at(5), QStringLiteral("nnnnnnnnOsnnnnnnn"));
    QCOMPARE(s.zeilen().at(6), QStringLiteral("nnnnnn     nnnnnn"));
    QCOMPARE(s.zeilen().at(10), QStringLiteral("nnnnnn     nnnnnn"));
    QCOMPARE(s.zeilen().at(11), QStringLiteral("nnnnnnnnnnnnnnnnn"));
    QCOMPARE(s.spalte(), 9);
    QCOMPARE(s.zeile(), 9);
    QCOMPARE(s.naechster(), 1);
    QCOMPARE(s.wuensche(), 0);
    QCOMPARE(s.genommen(), 0);
}

void TestGefangen::zeichnungAusDemSpielstand()
{
    Spielprogramm t;
    gefangen &g = starten(t, QStringLiteral("Ostern"), ostergitter());
    auto pruefen = [&] {
        const auto &inhalt = g.zeichnung().inhalt();
        // 289 cells, 25 of them cleared, the taken ones empty, and the marker.
        int buchstaben = 0;
        for (const QString &z : g.gitter().zeilen())
            buchstaben += 17 - static_cast<int>(z.count(QLatin1Char(' ')));
        QCOMPARE(inhalt.size(), buchstaben + 1);
        for (const Schriftzug &s : inhalt) {
            QCOMPARE(s.schrift.pointSizeF(), 13.5);
            QCOMPARE(s.schrift.family(), QStringLiteral("Arial"));
            QCOMPARE(s.x % 300, 0);
            QCOMPARE(s.y % 300, 0);
            const int c = s.x / 300, r = s.y / 300;
            if (s.text == QStringLiteral("+") && c == g.gitter().spalte() && r == g.gitter().zeile()) {
                QCOMPARE(s.farbe, QColor(255, 0, 0));
                continue;
            }
            QCOMPARE(s.farbe, QColor(Qt::black));
            QCOMPARE(s.text, QString(g.gitter().zelle(c, r)));
        }
        QCOMPARE(inhalt.last().text, QStringLiteral("+"));
    };
    pruefen();
    QCOMPARE(g.zeichnung().inhalt().size(), 289 - 25 + 1);
    QCOMPARE(g.zeichnung().inhalt().last().x, 2700);
    QCOMPARE(g.zeichnung().inhalt().last().y, 2700);
    g.Bild1_Click();
    g.Bild1_Click();
    g.Bild1_Click(); // takes the O at (9, 6)
    pruefen();
    QCOMPARE(g.zeichnung().inhalt().size(), 289 - 25 - 1 + 1);
    // Covering and uncovering repaints the same picture: nothing piles up.
    g.repaint();
    g.Bild4_Click();
    g.Bild1_Click();
    pruefen();
}

void TestGefangen::kuerzesterAusbruchZaehltFuenf()
{
    Spielprogramm t;
    t.schreiben(QStringLiteral("BESTSUCH.LST"), "0002  Ida\r\n0007  Max\r\n");
    gefangen &g = starten(t, QStringLiteral("Ostern"), ostergitter());
    QCOMPARE(g.Liste1->ListCount(), 2);
    for (int i = 0; i < 7; ++i)
        g.Bild1_Click();
    QCOMPARE(g.gitter().zeile(), 2);
    QCOMPARE(g.gitter().genommen(), 5);
    QCOMPARE(g.gitter().naechster(), 6);
    QCOMPARE(t.boxen.anzahl(), 0);

    bool geprueft = false;
    t.boxen.beiMeldung = [&](const QString &) {
        QVERIFY(g.Liste1->isVisible());
        QCOMPARE(g.Liste1->eintraege(), (QStringList{QStringLiteral("0002  Ida"), QStringLiteral("0005  Freund"),
                                                     QStringLiteral("0007  Max")}));
        geprueft = true;
    };
    t.boxen.ok();
    g.Bild1_Click(); // onto the "n" of the edge: taken, not counted
    QVERIFY(geprueft);
    QCOMPARE(t.boxen.anzahl(), 1);
    QCOMPARE(t.boxen.letzte().text, QStringLiteral("Prima, du bist jetzt frei!\rEs waren 5 Spielzüge!\r"));
    QCOMPARE(t.boxen.letzte().titel, QStringLiteral("Wortgefängnis"));
    QCOMPARE(t.boxen.letzte().knoepfe, Knoepfe::OK);
    QCOMPARE(t.lesen(QStringLiteral("BESTSUCH.LST")), QByteArray("0002  Ida\r\n0005  Freund\r\n0007  Max\r\n"));
    QVERIFY(t.zurueckImHauptfenster(g));
    QVERIFY(!g.Liste1->isVisible());
    QCOMPARE(g.Liste1->ListCount(), 0);
    QCOMPARE(g.Befehl2->Caption(), QStringLiteral(" ? ? ?"));
}

void TestGefangen::verweigerterSchritt()
{
    Spielprogramm t;
    gefangen &g = starten(t, QStringLiteral("Ostern"), ostergitter());
    g.Bild3_Click();
    g.Bild1_Click();
    g.Bild1_Click();
    QCOMPARE(g.gitter().spalte(), 10);
    QCOMPARE(g.gitter().zeile(), 7);
    const QList<Schriftzug> vorher = g.zeichnung().inhalt();
    g.Bild1_Click(); // (10, 6) holds "s", the next letter is "O"
    QCOMPARE(g.gitter().spalte(), 10);
    QCOMPARE(g.gitter().zeile(), 7);
    QCOMPARE(g.gitter().genommen(), 0);
    QCOMPARE(g.gitter().naechster(), 1);
    QCOMPARE(g.gitter().zelle(10, 6), QLatin1Char('s'));
    QCOMPARE(g.zeichnung().inhalt().size(), vorher.size());
    QCOMPARE(g.zeichnung().inhalt().last().x, vorher.last().x);
    QCOMPARE(g.zeichnung().inhalt().last().y, vorher.last().y);
    // Once the O is taken the s is the next letter and may be taken.
    g.Bild2_Click();
    g.Bild1_Click();
    QCOMPARE(g.gitter().genommen(), 1);
    g.Bild3_Click();
    QCOMPARE(g.gitter().spalte(), 10);
    QCOMPARE(g.gitter().zeile(), 6);
    QCOMPARE(g.gitter().genommen(), 2);
    QCOMPARE(g.gitter().zelle(10, 6), QLatin1Char(' '));
    QCOMPARE(t.boxen.anzahl(), 0);
}

void TestGefangen::buchstabenGenauVerglichen()
{
    Spielprogramm t;
    // "Otto": an "o" above the start, an "O" to the left of it.
    gefangen &g = starten(t, QStringLiteral("Otto"),
                          gitter(QStringLiteral("Otto"), {{9, 6, QLatin1Char('o')}, {8, 6, QLatin1Char('O')}}));
    g.Bild1_Click();
    g.Bild1_Click();
    g.Bild1_Click();
    QCOMPARE(g.gitter().zeile(), 7);
    QCOMPARE(g.gitter().genommen(), 0);
    g.Bild2_Click();
    g.Bild1_Click();
    QCOMPARE(g.gitter().zeile(), 6);
    QCOMPARE(g.gitter().genommen(), 1);
    QCOMPARE(g.gitter().naechster(), 2);
}

void TestGefangen::letzterBuchstabeBleibtDerNaechste()
{
    Spielprogramm t;
    gefangen &g = starten(t, QStringLiteral("Ab"),
                          gitter(QStringLiteral("Ab"), {{9, 6, QLatin1Char('b')}, {9, 5, QLatin1Char('b')},
                                                        {8, 6, QLatin1Char('A')}, {10, 6, QLatin1Char('A')}}));
    g.Bild2_Click();
    g.Bild1_Click();
    g.Bild1_Click();
    g.Bild1_Click(); // A at (8, 6)
    QCOMPARE(g.gitter().naechster(), 2);
    g.Bild3_Click(); // b at (9, 6)
    QCOMPARE(g.gitter().genommen(), 2);
    QCOMPARE(g.gitter().naechster(), 2);
    g.Bild3_Click(); // A at (10, 6): refused
    QCOMPARE(g.gitter().spalte(), 9);
    g.Bild1_Click(); // b again at (9, 5)
    QCOMPARE(g.gitter().zeile(), 5);
    QCOMPARE(g.gitter().genommen(), 3);
}

void TestGefangen::randBegrenztSchritte()
{
    Gefaengnisgitter s;
    QStringList leer(17, QString(17, QLatin1Char(' ')));
    s.setzen(QStringLiteral("Wort"), leer);
    for (int i = 0; i < 7; ++i)
        QCOMPARE(s.schritt(Gefaengnisgitter::Richtung::Links), Gefaengnisgitter::Ergebnis::Gegangen);
    QCOMPARE(s.schritt(Gefaengnisgitter::Richtung::Links), Gefaengnisgitter::Ergebnis::Ausbruch);
    QCOMPARE(s.spalte(), 1);
    QCOMPARE(s.ausgebrochen(), true);
    QCOMPARE(s.genommen(), 0);
}

void TestGefangen::pfeiltastenUndEsc()
{
    Spielprogramm t;
    gefangen &g = starten(t, QStringLiteral("Ostern"), ostergitter());
    QTest::keyClick(&g, Qt::Key_Up);
    QCOMPARE(g.gitter().zeile(), 8);
    QTest::keyClick(g.Befehl1, Qt::Key_Left);
    QCOMPARE(g.gitter().spalte(), 8);
    QTest::keyClick(&g, Qt::Key_Right);
    QTest::keyClick(&g, Qt::Key_Down);
    QCOMPARE(g.gitter().spalte(), 9);
    QCOMPARE(g.gitter().zeile(), 9);
    t.boxen.nein();
    QTest::keyClick(&g, Qt::Key_Escape);
    QCOMPARE(t.boxen.anzahl(), 1);
    QCOMPARE(t.boxen.letzte().text, QStringLiteral("Dieses Spiel vorzeitig beenden?\r"));
    QVERIFY(g.isVisible());
}

void TestGefangen::wuensche()
{
    Spielprogramm t;
    gefangen &g = starten(t, QStringLiteral("Ostern"), ostergitter());
    const QStringList texte{QStringLiteral("Du hast noch 3 Wünsche frei!"), QStringLiteral("Du hast noch 2 Wünsche frei!"),
                            QStringLiteral("Du hast noch  1 Wunsch frei!")};
    const QStringList kasten{QStringLiteral(" O ? ?"), QStringLiteral(" O s ?"), QStringLiteral(" O s t")};
    for (int i = 0; i < 3; ++i) {
        t.boxen.ja();
        g.Befehl2->click();
        const BoxEintrag b = t.boxen.letzte();
        QCOMPARE(b.text, texte.at(i) + QStringLiteral("\n\rMöchtest du einen benutzen?\n\r"));
        QCOMPARE(b.titel, QStringLiteral("Wunschbox"));
        QCOMPARE(b.knoepfe, Knoepfe::JaNein);
        QCOMPARE(b.standard, Antwort::Nein);
        QCOMPARE(b.symbol, Symbol::Frage);
        QCOMPARE(g.Befehl2->Caption(), kasten.at(i));
        QCOMPARE(g.gitter().wuensche(), i + 1);
        QCOMPARE(g.gitter().naechster(), i + 2);
    }
    QCOMPARE(g.gitter().genommen(), 0);
    t.boxen.ok();
    g.Befehl2->click();
    QCOMPARE(t.boxen.letzte().text, QStringLiteral("Kein Wunsch mehr frei!"));
    QCOMPARE(t.boxen.letzte().titel, QStringLiteral("Wunschbox"));
    QCOMPARE(t.boxen.letzte().knoepfe, Knoepfe::OK);
    QCOMPARE(g.Befehl2->Caption(), QStringLiteral(" O s t"));
    QCOMPARE(g.gitter().naechster(), 4);
    // The wished letters are skipped: the O above the start is refused now.
    g.Bild1_Click();
    g.Bild1_Click();
    g.Bild1_Click();
    QCOMPARE(g.gitter().zeile(), 7);
}

void TestGefangen::abgelehnterWunschAendertNichts()
{
    Spielprogramm t;
    gefangen &g = starten(t, QStringLiteral("Ostern"), ostergitter());
    t.boxen.nein();
    g.Befehl2->click();
    QCOMPARE(g.Befehl2->Caption(), QStringLiteral(" ? ? ?"));
    QCOMPARE(g.gitter().wuensche(), 0);
    QCOMPARE(g.gitter().naechster(), 1);
}

void TestGefangen::tastenFragenNachWunsch_data()
{
    QTest::addColumn<QString>("zeichen");
    QTest::addColumn<bool>("fragt");
    QTest::newRow("Blank") << QStringLiteral(" ") << true;
    QTest::newRow("a") << QStringLiteral("a") << true;
    QTest::newRow("z") << QStringLiteral("z") << true;
    QTest::newRow("O (nicht der naechste)") << QStringLiteral("Q") << true;
    QTest::newRow("Ziffer") << QStringLiteral("7") << true;
    QTest::newRow("geschweifte Klammer") << QStringLiteral("{") << false;
    QTest::newRow("ä") << QStringLiteral("ä") << false;
    QTest::newRow("Ü") << QStringLiteral("Ü") << false;
    QTest::newRow("ß") << QStringLiteral("ß") << false;
}

void TestGefangen::tastenFragenNachWunsch()
{
    QFETCH(QString, zeichen);
    QFETCH(bool, fragt);
    Spielprogramm t;
    gefangen &g = starten(t, QStringLiteral("Ostern"), ostergitter());
    if (fragt)
        t.boxen.nein();
    QTest::sendKeyEvent(QTest::Click, &g, Qt::Key_unknown, zeichen, Qt::NoModifier);
    QCOMPARE(t.boxen.anzahl(), fragt ? 1 : 0);
    if (fragt)
        QCOMPARE(t.boxen.letzte().titel, QStringLiteral("Wunschbox"));
    QCOMPARE(g.gitter().wuensche(), 0);
}

void TestGefangen::hinweis()
{
    Spielprogramm t;
    gefangen &g = starten(t, QStringLiteral("Ostern"), ostergitter());
    t.boxen.ok();
    g.Bild5_Click();
    QCOMPARE(t.boxen.letzte().text, QStringLiteral("\r  ->O<-   s  t  e  r  n \r\r"));
    QCOMPARE(t.boxen.letzte().titel, QStringLiteral("Wortgefängnis"));
    QCOMPARE(t.boxen.letzte().knoepfe, Knoepfe::OK);
    g.Bild1_Click();
    g.Bild1_Click();
    g.Bild1_Click();
    t.boxen.ok();
    g.Bild5_Click();
    QCOMPARE(t.boxen.letzte().text, QStringLiteral("\r O   ->s<-   t  e  r  n \r\r"));
}

void TestGefangen::hilfe()
{
    Spielprogramm t;
    gefangen &g = starten(t, QStringLiteral("Ostern"), ostergitter());
    t.boxen.ok();
    g.Befehl3->click();
    QCOMPARE(t.boxen.letzte().titel, QStringLiteral("Hilfe"));
    QCOMPARE(t.boxen.letzte().knoepfe, Knoepfe::OK);
    QCOMPARE(t.boxen.letzte().text,
             QStringLiteral("Suche mit den Pfeiltasten die Buchstaben des\r"
                            "Lösungswortes bis du an den Rand kommst und\r"
                            "ausgebrochen bist. Überlege immer gut, von\r"
                            "welcher Stelle du einen Buchstaben wegnimmst.\r"
                            "Du hast drei Buchstabenwünsche frei, die du mit\r"
                            "Klick auf die Fragezeichen holen kannst oder wenn\r"
                            "du den gewünschten Buchstaben auf der Tastatur\r"
                            "drückst. Ein Klick auf das Gitter zeigt den nächsten\r"
                            "Buchstaben, falls du die Reihenfolge nicht mehr weißt.\r\r"));
}

void TestGefangen::abbrechen()
{
    Spielprogramm t;
    t.schreiben(QStringLiteral("BESTSUCH.LST"), "0004  Ida\r\n");
    gefangen &g = starten(t, QStringLiteral("Ostern"), ostergitter());
    t.boxen.ja();
    g.Befehl2->click();
    t.boxen.nein();
    g.Befehl1->click();
    const BoxEintrag b = t.boxen.letzte();
    QCOMPARE(b.text, QStringLiteral("Dieses Spiel vorzeitig beenden?\r"));
    QCOMPARE(b.titel, QStringLiteral("Wortgefängnis"));
    QCOMPARE(b.knoepfe, Knoepfe::JaNein);
    QCOMPARE(b.standard, Antwort::Nein);
    QCOMPARE(b.symbol, Symbol::Frage);
    QVERIFY(g.isVisible());
    t.boxen.ja();
    g.close();
    QVERIFY(t.zurueckImHauptfenster(g));
    QCOMPARE(g.Befehl2->Caption(), QStringLiteral(" ? ? ?"));
    QCOMPARE(t.lesen(QStringLiteral("BESTSUCH.LST")), QByteArray("0004  Ida\r\n"));
}

void TestGefangen::leeresWortLeeresGitter()
{
    Spielprogramm t;
    gefangen &g = starten(t, QString(), {});
    QCOMPARE(g.Caption(), QStringLiteral("Wortgefängnis:  "));
    QCOMPARE(g.zeichnung().texte(), QStringList{QStringLiteral("+")});
    t.boxen.ok();
    g.Bild5_Click();
    QCOMPARE(t.boxen.letzte().text, QStringLiteral("\r\r\r"));
    t.boxen.ja();
    g.Befehl2->click();
    QCOMPARE(g.Befehl2->Caption(), QStringLiteral(" ? ? ?"));
    // Walking out of the empty grid ends the game without a best-list entry.
    t.boxen.ok();
    for (int i = 0; i < 8; ++i)
        g.Bild1_Click();
    QCOMPARE(t.boxen.letzte().text, QStringLiteral("Prima, du bist jetzt frei!\rEs waren 0 Spielzüge!\r"));
    QVERIFY(!t.gibt(QStringLiteral("BESTSUCH.LST")));
    QVERIFY(t.zurueckImHauptfenster(g));
}

void TestGefangen::neuesSpielBeginntFrisch()
{
    Spielprogramm t;
    gefangen &g = starten(t, QStringLiteral("Ostern"), ostergitter());
    t.boxen.ja();
    g.Befehl2->click();
    g.Bild3_Click();
    t.boxen.ja();
    g.Befehl1->click();
    QVERIFY(t.zurueckImHauptfenster(g));

    starten(t, QStringLiteral("Ostern"), ostergitter());
    QCOMPARE(g.gitter().spalte(), 9);
    QCOMPARE(g.gitter().zeile(), 9);
    QCOMPARE(g.gitter().wuensche(), 0);
    QCOMPARE(g.gitter().naechster(), 1);
    QCOMPARE(g.Befehl2->Caption(), QStringLiteral(" ? ? ?"));
    QVERIFY(g.isVisible());
}

QTEST_MAIN(TestGefangen)
#include "tst_gefangen.moc"
