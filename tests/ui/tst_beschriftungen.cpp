// Every window as the child sees it: no caption cut off, no element lying on
// another, the help page inside its window, also with long words and names.
#include "support/Testprogramm.h"

#include "games/fang.h"
#include "games/galgen.h"
#include "games/gefangen.h"
#include "info/Form7.h"
#include "info/TPOLABEL.h"
#include "lists/Form8.h"
#include "ui/Elemente.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QTest>

#include <algorithm>

namespace {

/// Width of the widest line of a caption in the given font.
int textbreite(const QFontMetrics &fm, const QString &text)
{
    int breite = 0;
    for (const QString &zeile : text.split(QLatin1Char('\n')))
        breite = std::max(breite, fm.horizontalAdvance(zeile));
    return breite;
}

/// The names of the visible labels, buttons and check boxes of a window
/// whose caption does not fit into them. A label that draws a caption too
/// wide for it in smaller type (einpassen) always fits.
QStringList abgeschnitten(QWidget *fenster)
{
    QStringList l;
    for (Bezeichnung *b : fenster->findChildren<Bezeichnung *>()) {
        if (!b->isVisibleTo(fenster) || b->text().isEmpty() || b->einpassen())
            continue;
        int einzug = b->indent();
        if (einzug < 0)
            einzug = b->frameWidth() > 0 ? b->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
        const bool seitlich = b->alignment() & (Qt::AlignLeft | Qt::AlignRight);
        const QRect platz = b->contentsRect();
        const bool zuBreit = b->wordWrap() ? b->heightForWidth(b->width()) > b->height()
                                           : textbreite(b->fontMetrics(), b->text()) > platz.width() - (seitlich ? einzug : 0);
        if (zuBreit || b->fontMetrics().height() > platz.height() + 2)
            l << b->objectName() + QStringLiteral(" \"") + b->text() + QLatin1Char('"');
    }
    for (QAbstractButton *k : fenster->findChildren<QAbstractButton *>()) {
        if (!k->isVisibleTo(fenster) || k->text().isEmpty())
            continue;
        const bool kaestchen = qobject_cast<QCheckBox *>(k) != nullptr;
        const int noetig = kaestchen ? k->sizeHint().width() : textbreite(k->fontMetrics(), k->text()) + 8;
        if (noetig > k->width() || k->fontMetrics().height() > k->height())
            l << k->objectName() + QStringLiteral(" \"") + k->text() + QLatin1Char('"');
    }
    return l;
}

/// Pairs of visible elements of a window (its direct children, less those
/// named in `ausser`) that lie on each other or stick out of the window.
QStringList ueberlappend(QWidget *fenster, const QStringList &ausser = {})
{
    QList<QWidget *> sichtbar;
    for (QWidget *w : fenster->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (w->isVisibleTo(fenster) && !w->objectName().isEmpty() && !ausser.contains(w->objectName()))
            sichtbar << w;
    QStringList l;
    const QRect innen(QPoint(0, 0), fenster->size());
    for (int i = 0; i < sichtbar.size(); ++i) {
        if (!innen.contains(sichtbar[i]->geometry()))
            l << sichtbar[i]->objectName() + QStringLiteral(" ragt heraus");
        for (int j = i + 1; j < sichtbar.size(); ++j)
            if (sichtbar[i]->geometry().intersects(sichtbar[j]->geometry()))
                l << sichtbar[i]->objectName() + QStringLiteral(" / ") + sichtbar[j]->objectName();
    }
    return l;
}

} // namespace


class TestBeschriftungen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hauptfenster_data()
    {
        QTest::addColumn<int>("uebung");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("wort");
        QTest::newRow("Start") << 13 << "Freund" << "Autobahn";
        QTest::newRow("langer Name") << 13 << "Maximilian-Alexander" << "Autobahn";
        QTest::newRow("langes Wort") << 19 << "Freund" << "Donaudampfschifffahrtsgesellschaft";
        for (int n = 1; n <= 28; ++n)
            QTest::addRow("Übung %d", n) << n << "Freund" << "Geburtstagsfeier";
    }
    void hauptfenster()
    {
        QFETCH(int, uebung);
        QFETCH(QString, name);
        QFETCH(QString, wort);
        Testprogramm t;
        t.boxen.setStreng(false);
        t.f1().Liste1->Clear();
        t.f1().Liste1->AddItem(wort);
        t.m().Benutzt = QStringLiteral("0");
        t.f1().Bezeichnung7->setCaption(name);
        t.f1().Befehl_Click(uebung);
        t.f1().Bezeichnung2->setCaption(wort);
        t.f1().Bezeichnung3->setCaption(QStringLiteral("1024"));
        t.f1().Bezeichnung4->setCaption(QStringLiteral("137"));
        PRUEFE_LEER(abgeschnitten(&t.f1()));
    }
    void einstellungen()
    {
        Testprogramm t;
        Form8 &e = t.programm->form8();
        e.Zeit1_Timer();
        t.boxen.tippe(t.f1().Bezeichnung8->Caption());
        t.f1().Bild5_Click();
        QVERIFY(e.isVisible());
        PRUEFE_LEER(abgeschnitten(&e));
        PRUEFE_LEER(ueberlappend(&e));
    }
    void hilfeseiten_data()
    {
        QTest::addColumn<int>("seite");
        QTest::newRow("Seite 1") << 1;
        QTest::newRow("Seite 2") << 2;
    }
    void hilfeseiten()
    {
        QFETCH(int, seite);
        Testprogramm t;
        t.m().Hilfethema = short(seite);
        Form7 &h = t.programm->form7();
        h.zeigen();
        const Zeichnung &z = h.zeichnung();
        const QStringList zeilen = Form7::Seite(seite);
        QCOMPARE(z.texte().size(), std::count_if(zeilen.begin(), zeilen.end(), [](const QString &s) { return !s.isEmpty(); }));
        for (const Schriftzug &s : z.inhalt()) {
            const QFontMetrics fm(s.schrift);
            const QRect r(Twips::zuPixel(s.x), Twips::zuPixel(s.y), fm.horizontalAdvance(s.text), fm.height());
            QVERIFY2(r.right() < h.width(), qPrintable(s.text));
            // Every line stands above the button "Fertig".
            QVERIFY2(r.bottom() < h.Befehl1->y(), qPrintable(s.text));
        }
        PRUEFE_LEER(abgeschnitten(&h));
    }
    void programminfo()
    {
        Testprogramm t;
        t.f1().Bild16_Click();
        TPOLABEL &i = t.programm->tpolabel();
        QVERIFY(i.isVisible());
        PRUEFE_LEER(abgeschnitten(&i));
        PRUEFE_LEER(ueberlappend(&i));
    }
    void galgenMusterEinzeilig_data()
    {
        QTest::addColumn<QString>("wort");
        QTest::newRow("kurz") << "Maus";
        QTest::newRow("13 Buchstaben") << "Schmetterling";
        QTest::newRow("16 Buchstaben") << "Geburtstagsfeier";
        QTest::newRow("34 Buchstaben") << "Donaudampfschifffahrtsgesellschaft";
    }
    void galgenMusterEinzeilig()
    {
        QFETCH(QString, wort);
        Testprogramm t;
        t.boxen.setStreng(false);
        t.f1().Liste2->Clear();
        t.f1().Liste2->AddItem(wort);
        t.f1().Bezeichnung26_Click();
        galgen &g = t.programm->galgenFenster();
        QVERIFY(g.isVisible());
        // The pattern is one row of gaps: a row broken in the middle of the word
        // would read as two words.
        QVERIFY(!g.Bezeichnung1->wordWrap());
        QVERIFY(!g.Bezeichnung1->Caption().contains(QLatin1Char('\n')));
        PRUEFE_LEER(abgeschnitten(&g));
        // After a loss the solution is shown under the pattern.
        g.Bezeichnung2->setCaption(wort);
        PRUEFE_LEER(abgeschnitten(&g));
        PRUEFE_LEER(ueberlappend(&g, {"Figur2", "Figur3", "Figur5", "Figur7", "Linie1", "Linie2", "Linie3", "Linie4",
                                   "Linie5", "Linie6", "Linie7", "Linie8", "Linie9", "Linie10", "Bild1", "Bild2"}));
    }
    void gefaengnis()
    {
        Testprogramm t;
        t.m().Loesungswort = QStringLiteral("Schmetterling");
        t.f1().Bezeichnung25_Click();
        gefangen &g = t.programm->gefangenFenster();
        QVERIFY(g.isVisible());
        g.Befehl2->setCaption(QStringLiteral(" S c h"));
        PRUEFE_LEER(abgeschnitten(&g));
        PRUEFE_LEER(ueberlappend(&g, {"Figur1", "Figur2"}));
    }
    void wortfangeLangesWort()
    {
        Testprogramm t;
        t.m().Loesungswort = QStringLiteral("Donaudampfschifffahrtsgesellschaft");
        t.f1().Bezeichnung24_Click();
        fang &f = t.programm->fangFenster();
        QVERIFY(f.isVisible());
        f.Bild5_Click();
        PRUEFE_LEER(abgeschnitten(&f));
        // Halfway: the caught letters at the left, the rest at the right.
        for (int i = 0; i < 17; ++i) {
            f.buchstabeSetzen(0, f.feld().spalte(), f.feld().zeile() - 1);
            f.NachOben();
            f.NachUnten();
        }
        QCOMPARE(f.Bezeichnung4->Caption(), QStringLiteral("Donaudampfschifff"));
        PRUEFE_LEER(abgeschnitten(&f));
        PRUEFE_LEER(ueberlappend(&f));
    }
};

QTEST_MAIN(TestBeschriftungen)
#include "tst_beschriftungen.moc"
