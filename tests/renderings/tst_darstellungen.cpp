// The 28 exercise renderings as plain functions, and in the main window: buttons, fonts, the enlarged display.
#include "renderings/Darstellung.h"
#include "support/Testprogramm.h"
#include "basis/Zufall.h"
#include "ui/Twips.h"

#include <QFontMetricsF>
#include <QTest>

namespace {

/// The whole characters of a word: a pair of surrogate halves is one, a lone half is one of its own.
QStringList zeichenVon(const QString &w)
{
    QStringList c;
    for (qsizetype i = 0; i < w.size(); ++i)
        c << (w.at(i).isHighSurrogate() && i + 1 < w.size() && w.at(i + 1).isLowSurrogate() ? w.mid(i++, 2) : w.mid(i, 1));
    return c;
}

/// What a rendering shows for the characters `c`, the values of chance `werte` (r the first) and the candidate
/// list, by position (1-based p, length L, h = L / 2), letter class and alphabet: the rules the exercise types are made of.
QString modell(int typ, const QStringList &c, const QList<double> &werte, const QStringList &liste)
{
    const double r = werte.first();
    const qsizetype L = c.size(), h = L / 2, k = qMin(qsizetype(L * r) + 1, L);
    if (typ < 1 || typ > 28 || (typ == 14 && L > 24))  // no such type; too long to hide
        return QString();
    const QString vokal27 = u("AEIOU").at(qMin(int(r * 5), 4)), mitlaute = u("bcdfghjklmnpqrstvwxyz");
    const auto in = [](const QString &klasse, const QString &z) { return z.size() == 1 && klasse.contains(z); };
    const auto vokal = [&](const QString &z) { return in(u("AÄEIOÖUÜaäeioöuü"), z); };
    QString t;
    for (qsizetype p = 1; p <= L; ++p) {
        const QString &z = c.at(p - 1);
        switch (typ) {
        case 2: t.prepend(z); break;
        case 3: t += p == 1 ? z : p < L ? u(" .") : QString(); t += p == L ? u(" ") + z : QString(); break;
        case 4: t += vokal(z) ? z : u(" . "); break;
        case 5: t += vokal(z) ? u(" . ") : z; break;
        case 6: t += p <= h ? z : u(" ."); break;
        case 7: t += p <= h ? u(" .") : p == h + 1 ? u(" ") + z : z; break;
        case 9: t += vokal(z) ? u("_ ") : u(" . "); break;
        case 16: t += L < 3 * p && 3 * p <= 2 * L ? z + u(" ") : u(". "); break;
        case 23: t += p == k ? z + u(" ") : u(". "); break;
        case 27: t += u("AEIOUÄÖÜ").contains(z) ? vokal27 : u("aeiouäöü").contains(z) ? vokal27.toLower() : z; break;
        case 18: t += p == 1 ? z : p % 2 == 0 ? u(" _") : u(" ") + z; break;
        case 11: t += in(u("AEIOUaeiou"), z) ? u("S") : in(u("ÄÖÜäöü"), z) ? u("U") : in(mitlaute + u("ß"), z.toLower()) ? u("M") : z; break;
        case 13: t += z == u("ß") ? z : z.toUpper(); break;
        case 17: t += z.toLower(); break;
        case 19: {
            // The place in the alphabet of the letter or its base letter, 0 for every other character.
            const QString b = z.toLower().replace(u("ä"), u("a")).replace(u("ö"), u("o")).replace(u("ü"), u("u")).replace(u("ß"), u("s"));
            t += (p > 1 ? u("-") : QString()) + QString::number(in(u("abcdefghijklmnopqrstuvwxyz"), b) ? b.at(0).unicode() - 'a' + 1 : 0);
            break;
        }
        case 28: {
            // Each consonant one back in the row of consonants, b to z.
            const qsizetype i = z.size() == 1 ? mitlaute.indexOf(z.toLower()) : -1;
            const QString neu = i < 0 ? z : QString(mitlaute.at((i + 20) % 21));
            t += z == z.toLower() ? neu : neu.toUpper();
            break;
        }
        case 25: t = c.mid(h).join(QString()) + c.mid(0, h).join(QString()); break;
        case 15: case 26: {
            // The odd positions from the last one down, then the even ones up; 26 keeps the first and the last.
            if (typ == 26 && (p == 1 || p == L))
                t = (p == 1 ? z : t) + (p == L ? z : QString());  // a one-letter word is both
            else if (p % 2 == 1)
                t.insert(typ == 26 ? c.first().size() : 0, z);
            else
                t += z;
            break;
        }
        default: t += z;
        }
    }
    if (typ == 8) {
        // The letters in the order of the alphabet, each umlaut after its base letter, ß after s.
        t.clear();
        for (QChar a : u("aäbcdefghijklmnoöpqrsßtuüvwxyz"))
            for (const QString &z : c)
                if (z.size() == 1 && z.toLower() == a)
                    t += z;
    }
    if (typ == 14 && L > 0) {
        // 24 fillers, each drawn, and the word in capitals over them from a place drawn among the first 24 - L.
        t.clear();
        for (int i = 0; i < 24; ++i)
            t += u("ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ").at(int(werte.at(i) * 29));
        t.replace(int(werte.at(24) * std::max<qsizetype>(24 - L, 1)), L, modell(13, c, werte, liste));
    }
    if (typ == 22)  // the place of the word's last entry in exactly its spelling, 0 for none
        t = L > 0 ? u("Suche das %1. Wort in der Liste!").arg(liste.lastIndexOf(c.join(QString())) + 1) : QString();
    return t;
}

/// The enlarged display shows `text` alone, at `punkte` points or only as much smaller as it takes to fit the box.
void pruefeVergroesserung(Form1 &f, const QString &text, double punkte)
{
    const auto &inhalt = f.Bild4->zeichnung().inhalt();
    QVERIFY(f.Bild4->isVisible() && inhalt.size() == 1);
    const Schriftzug &s = inhalt.first();
    QCOMPARE((QList<double>{double(s.x), double(s.y), f.Bild4->FontSize()}), (QList<double>{840, 120, punkte}));
    QCOMPARE(s.text, text);
    QCOMPARE(s.schrift.family(), f.Bild4->FontName());
    QFont gewaehlt = s.schrift;
    gewaehlt.setPointSizeF(punkte);
    const auto passt = [&text](const QFont &schrift) {
        return QFontMetricsF(schrift).horizontalAdvance(text) * Twips::proPixel() <= 10335 - 120 - 840;
    };
    QFont groesser = s.schrift;  // drawn as big as fits: a seventh bigger would not
    groesser.setPointSizeF(s.schrift.pointSizeF() * 1.15);
    QVERIFY(passt(s.schrift) && s.schrift.pointSizeF() <= punkte && (s.schrift.pointSizeF() == punkte || !passt(groesser)));
    QCOMPARE(s.schrift.pointSizeF() == punkte, passt(gewaehlt));
}

} // namespace

class TestDarstellungen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    /// Every rendering and two numbers beyond them, for generated words of letters of every class, signs and
    /// emoji, candidate lists of the word in other capitals, and values of chance, each type taking those it needs.
    void jedesWort()
    {
        const QStringList teile = zeichenVon(u("aAäÄeEiIoOöÖuUüÜbBcDgHlNrRsßTtzZyY- 1😀🐭") + QChar(0xD83D) + QChar(0xDE00));
        Zufall g;
        g.seed(11);
        for (int n = 0; n < 400; ++n) {
            QString wort;
            for (int i = g.index(27); i > 0; --i)
                wort += teile.at(g.index(int(teile.size())));
            const bool lang = zeichenVon(wort).size() > 24;
            QStringList liste;
            for (int i = g.index(6); i > 0; --i)
                liste << QStringList{wort, wort.toLower(), wort.toUpper(), u("Haus")}.at(g.index(4));
            for (int typ = 0; typ <= 29; ++typ) {
                QList<double> werte;
                for (int i = typ == 14 ? 25 : 1; i > 0; --i)
                    werte << (n == 0 ? 0.9999999999 : g.rnd());  // once at the very top of the range
                Zufall z;
                z.vorgeben(werte + QList<double>{0.5});
                bool zuLang = !(typ == 14 && lang);
                QCOMPARE(darstellen(typ, wort, z, liste, &zuLang), modell(typ, zeichenVon(wort), werte, liste));
                const int verbraucht = typ == 14 ? (wort.isEmpty() || lang ? 0 : 25) : typ == 23 || typ == 27 ? 1 : 0;
                QVERIFY(z.vorgegebenUebrig() == werte.size() + 1 - verbraucht && zuLang == (typ == 14 && lang));
            }
        }
    }
    void knopfZeigtDarstellung()
    {
        // Each button, pressed after Spiegel: named as its exercise, the rendering in its font, as the plain function's.
        Testprogramm t;
        t.boxen.setStreng(false);
        const QMap<int, QString> schriften{{1, u("tpohalb")}, {10, u("tpofenster")}, {12, u("tpospiegel")}, {24, u("Anlaut")}};
        for (int n = 1; n <= 28; ++n) {
            t.f1().Befehl12_Click();
            const int boxen = t.boxen.anzahl();
            t.f1().Befehl[n - 1]->click();
            QVERIFY2(t.m().Uebung == n && t.f1().Bezeichnung1->FontName() == schriften.value(n, u("Arial")), qPrintable(QString::number(n)));
            QCOMPARE(t.f1().Befehl[n - 1]->Caption(), n == 8 ? u("ABC-Wort") : t.f1().Bezeichnung8->Caption());
            const QString wort = t.m().Loesungswort;
            QVERIFY(!wort.isEmpty() && !t.m().Anzeigetext.isEmpty() && !t.f1().Bezeichnung8->Caption().isEmpty());
            QCOMPARE(t.f1().Bezeichnung1->Caption(), t.m().Anzeigetext);
            QCOMPARE(t.f1().Liste2->ListCount() == 0, n == 20);  // word dictation empties the candidates
            Zufall z;
            if (n != 14 && n != 23 && n != 27)
                QCOMPARE(t.m().Anzeigetext, darstellen(n, wort, z, n == 22 ? t.f1().Liste2->eintraege() : QStringList()));
            QCOMPARE(t.boxen.anzahl() - boxen, n == 28 ? 1 : 0);
        }
        pruefeBox(t.boxen, u("Jeder Mitlaut im Wort muss im  ABC  um einen\rBuchstaben nach rechts verschoben werden!\r"),
                  u("Geheimschrift"));
        const QString lang = u("Lebensmittelunverträglich");  // too long to hide: the display stays empty
        t.liste({lang});
        t.f1().Befehl14_Click();
        pruefeBox(t.boxen, u("Das Lösungswort ist für diese Übung zu lang!\rKlicke bitte nochmal auf den Versteckt-Knopf!\r"), lang);
        QVERIFY(t.m().Loesungswort == lang && t.f1().Bezeichnung1->Caption().isEmpty());
    }
    void vergroesserung()
    {
        Testprogramm t;
        Form1 &f = t.f1();
        t.programm->setFaktor(1.5);  // the drawing stays in twips and points
        f.Befehl12_Click();
        QVERIFY(!f.Bild4->isVisible());
        QTest::mouseClick(f.Bezeichnung1, Qt::LeftButton);
        // It opens with 28 points over everything else of the window, in the display's font.
        QVERIFY(f.children().last() == f.Bild4 && f.Bild4->FontName() == u("tpospiegel"));
        pruefeVergroesserung(f, f.Bezeichnung1->Caption(), 28);
        // The size labels for long words of wide and of narrow letters and a short one; a click on one
        // does not reach the box underneath, and a new word waits until a size is chosen again.
        const QList<QPair<QString, double>> groessen{{u("Bezeichnung23"), 20}, {u("Bezeichnung17"), 24},
                                                     {u("Bezeichnung19"), 28}, {u("Bezeichnung20"), 32},
                                                     {u("Bezeichnung21"), 36}, {u("Bezeichnung22"), 40}};
        for (const QString &text : {u("DONAUDAMPFSCHIFFFAHRTSGESELLSCHAFTSKAPIT"), QString(36, 'i'), u("HAUS")}) {
            f.Bezeichnung1->setCaption(text);
            QVERIFY(f.Bild4->zeichnung().inhalt().first().text != text);
            for (const auto &[name, punkte] : groessen) {
                QTest::mouseClick(f.Bild4->findChild<Bezeichnung *>(name), Qt::LeftButton);
                pruefeVergroesserung(f, text, punkte);
            }
        }
        // Closed by a click on the box.
        QTest::mouseClick(f.Bild4, Qt::LeftButton, {}, QPoint(f.Bild4->width() - 20, f.Bild4->height() / 2));
        QVERIFY(!f.Bild4->isVisible());
    }
};

QTEST_MAIN(TestDarstellungen)
#include "tst_darstellungen.moc"
