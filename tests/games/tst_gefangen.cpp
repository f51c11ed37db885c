// The word prison: the random grid, the letters taken in order, wishes, hint and the empty grid.
#include "support/Testprogramm.h"

#include "windows/gefangen.h"

#include "basis/Zufall.h"

#include <QTest>
#include <set>

namespace {

/// A grid of 17 rows: every cell the last letter of the word unless a cell is given.
QStringList gitter(const QString &wort, const QList<std::tuple<int, int, char>> &zellen)
{
    QStringList zeilen(17, QString(17, wort.isEmpty() ? QLatin1Char(' ') : wort.back()));
    for (const auto &[spalte, zeile, c] : zellen)
        zeilen[zeile - 1][spalte - 1] = QLatin1Char(c);
    return zeilen;
}

/// "Ostern" in order above the start cell, (9, 6) O up to (9, 1) n; all else "n" but an "s" at (10, 6).
const QStringList kOstern = gitter(u("Ostern"), {{9, 6, 'O'}, {9, 5, 's'}, {9, 4, 't'}, {9, 3, 'e'}, {9, 2, 'r'}, {9, 1, 'n'}, {10, 6, 's'}});

/// Starts the game with exactly this grid drawn; its way out is laid along row 9 to the left.
gefangen &starten(Testprogramm &t, const QString &wort = u("Ostern"), const QStringList &zeilen = kOstern)
{
    t.m().Loesungswort = wort;
    QList<double> werte;
    for (QChar c : zeilen.join(QString()))
        werte << (wort.indexOf(c) + 0.5) / wort.size();
    werte << 0.625 << 0.25 << 0.5 << QList<double>(5, 0.25);
    if (!wort.isEmpty())
        t.programm->zufall().vorgeben(werte);
    t.f1().Bezeichnung25_Click();
    return t.programm->gefangenFenster();
}

/// Position, letters taken and the number of the next letter.
QList<int> stand(gefangen &g) { return {g.gitter().spalte(), g.gitter().zeile(), g.gitter().genommen(), g.gitter().naechster()}; }

/// Clicks o, u, l, r (up, down, left, right); in capitals arrow keys, sent to the focused button as the window must catch them.
void ziehe(gefangen &g, const QString &zuege)
{
    const QMap<QChar, Qt::Key> tasten{{'O', Qt::Key_Up}, {'U', Qt::Key_Down}, {'L', Qt::Key_Left}, {'R', Qt::Key_Right}};
    for (QChar z : zuege) {
        if (tasten.contains(z))
            QTest::keyClick(g.Befehl1, tasten[z]);
        else
            z == 'o' ? g.Bild1_Click() : z == 'u' ? g.Bild4_Click() : z == 'l' ? g.Bild2_Click() : g.Bild3_Click();
    }
}

/// The shortest way out as moves "olru" (up, left, right, down), once per cell and next letter.
QString ausweg(const Gefaengnisgitter &start)
{
    QList<std::pair<Gefaengnisgitter, QString>> offen{{start, QString()}};
    std::set<int> gesehen;
    for (int i = 0; i < offen.size(); ++i)
        for (int d = 0; d < 4; ++d) {
            auto [g, weg] = offen.at(i);
            const auto e = g.schritt(Gefaengnisgitter::Richtung(d));
            weg += u("olru").at(d);
            if (e == Gefaengnisgitter::Ergebnis::Ausbruch)
                return weg;
            if (e != Gefaengnisgitter::Ergebnis::Verweigert && gesehen.insert((g.zeile() * 18 + g.spalte()) * 64 + g.naechster()).second)
                offen.append({g, weg});
        }
    return QString();
}

/// A game on this grid, these moves, and the position it comes to (see stand()).
struct Zuege { QString wort; QStringList zeilen; QString zuege; QList<int> stand; };

} // namespace

Q_DECLARE_METATYPE(Zuege)

class TestGefangen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    /// Whatever the word and the draw, the grid has a way out.
    void jedesGitterHatAusweg()
    {
        const QString buchstaben = u("AaÄäBbEeKkNnRrUußÖo");
        for (int seed = 1; seed <= 300; ++seed) {
            Zufall z;
            z.seed(seed);
            QString wort;
            for (int i = 1 + z.index(14); i > 0; --i)
                wort += buchstaben.at(z.index(seed % 3 == 0 ? 2 : buchstaben.size()));
            Gefaengnisgitter g;
            g.aufbauen(wort, z);
            QVERIFY2(!ausweg(g).isEmpty(), qPrintable(wort + u(" ") + g.zeilen().join(u("/"))));
        }
    }
    void zuege_data()
    {
        QTest::addColumn<Zuege>("z");
        // (10, 6) holds "s" while "O" is next: refused, and taken after the "O".
        QTest::newRow("Pfeiltasten, danach erlaubt") << Zuege{u("Ostern"), kOstern, u("RUOOOOLOR"), {10, 6, 2, 3}};
        // "Otto": an "o" above the start, an "O" to the left of it.
        const QStringList otto = gitter(u("Otto"), {{9, 6, 'o'}, {8, 6, 'O'}});
        QTest::newRow("O genommen") << Zuege{u("Otto"), otto, u("ooolo"), {8, 6, 1, 2}};
        // The last letter stays the next one once reached.
        const QStringList ab = gitter(u("Ab"), {{9, 6, 'b'}, {9, 5, 'b'}, {8, 6, 'A'}, {10, 6, 'A'}});
        QTest::newRow("letzter noch einmal") << Zuege{u("Ab"), ab, u("looorro"), {9, 5, 3, 2}};
    }
    void zuege()
    {
        QFETCH(Zuege, z);
        const auto &[wort, zeilen, zuege, stand] = z;
        Testprogramm t;
        gefangen &g = starten(t, wort, zeilen);
        QVERIFY(t.programm->zufall().vorgegebenUebrig() == 0 && t.spielOffen(g));
        QCOMPARE(titel(&g, g.Befehl2), (QStringList{u("Wortgefängnis:  ") + wort, u(" ? ? ?")}));
        ziehe(g, zuege);
        QCOMPARE(::stand(g), stand);
        // Only what was taken is gone from the picture; the marker last, on the position.
        const auto &inhalt = g.zeichnung().inhalt();
        QCOMPARE(inhalt.size(), 289 - 25 - stand[2] + 1);
        QCOMPARE((QList<int>{inhalt.last().x, inhalt.last().y}), (QList<int>{stand[0] * 300, stand[1] * 300}));
        QVERIFY(inhalt.last().text == u("+") && t.boxen.anzahl() == 0);
        // A click on the grid spells the word with the next letter marked.
        QString hinweis;
        for (int i = 0; i < wort.size(); ++i)
            hinweis += i + 1 == stand[3] ? u("  ->%1<-  ").arg(wort[i]) : u(" %1 ").arg(wort[i]);
        t.boxen.ok();
        g.Bild5_Click();
        pruefeBox(t.boxen, u("\r") + hinweis + u("\r\r"), u("Wortgefängnis"));
    }
    void wuensche_data()
    {
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QStringList>("kasten");
        QTest::newRow("Ostern") << u("Ostern") << QStringList{" O ? ?", " O s ?", " O s t"};
        QTest::newRow("Ab") << u("Ab") << QStringList{" A ? ?", " A b ?", " A b b"};
        QTest::newRow("leeres Wort") << QString() << QStringList{" ? ? ?", " ? ? ?", " ? ? ?"};
    }
    void wuensche()
    {
        QFETCH(QString, wort);
        QFETCH(QStringList, kasten);
        Testprogramm t;
        gefangen &g = starten(t, wort, gitter(wort, {}));
        const QStringList texte{u("Du hast noch 3 Wünsche frei!"), u("Du hast noch 2 Wünsche frei!"),
                                u("Du hast noch  1 Wunsch frei!")};
        for (int i = 0; i < 3; ++i) {
            t.boxen.ja();
            // A key from the blank up to "z" asks as the button does; an umlaut or "{" does not.
            if (i > 0)
                tippe(&g, i == 1 ? u("ä{z") : u(" "));
            else
                g.Befehl2->click();
            pruefeFrage(t.boxen, texte.at(i) + u("\n\rMöchtest du einen benutzen?\n\r"), u("Wunschbox"));
            QCOMPARE(g.Befehl2->Caption(), kasten.at(i));
        }
        t.boxen.ok();
        g.Befehl2->click();
        pruefeBox(t.boxen, u("Kein Wunsch mehr frei!"), u("Wunschbox"));
        QCOMPARE(g.gitter().wuensche(), 3);
        if (!wort.isEmpty())
            return;
        // The empty grid: no letter, no hint, and walking out at the left edge gives no best-list entry.
        QCOMPARE(g.zeichnung().texte(), QStringList{u("+")});
        t.boxen.ok();
        g.Bild5_Click();
        QCOMPARE(t.boxen.letzte().text, u("\r\r\r"));
        ziehe(g, u("lllllll"));
        QCOMPARE(stand(g), (QList<int>{2, 9, 0, 1}));
        t.spielEnde(g, [&] { ziehe(g, u("l")); }, u("Prima, du bist jetzt frei!\rEs waren 0 Spielzüge!\r"), u("Wortgefängnis"));
        QVERIFY(!QFile::exists(t.programm->datei(u("BESTSUCH.LST"))));
    }
};

QTEST_MAIN(TestGefangen)
#include "tst_gefangen.moc"
