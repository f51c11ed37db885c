// The program drawn big: the start factor for a screen, windows and
// elements at a factor, the large box font, the zoom box fitting a long
// rendering, and the task that is in force again after printing.
#include "support/Testprogramm.h"

#include "games/fang.h"
#include "games/galgen.h"
#include "games/gefangen.h"
#include "info/Form7.h"
#include "info/TPOLABEL.h"
#include "lists/Form8.h"
#include "ui/Boxen.h"
#include "ui/Druckflaeche.h"
#include "ui/Twips.h"

#include <QFontMetricsF>
#include <QInputDialog>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

/// All seven windows of a program.
QList<Fenster *> alleFenster(Programm &p)
{
    return {&p.form1(), &p.form8(), &p.form7(), &p.tpolabel(), &p.galgenFenster(), &p.gefangenFenster(),
            &p.fangFenster()};
}

} // namespace

class TestSkalierung : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startFaktor_data()
    {
        QTest::addColumn<QSize>("verfuegbar");
        QTest::addColumn<double>("faktor");
        // The main window is 687 x 457 pixels at factor 1, the settings
        // window the tallest at 480; frames take 16 x 48.
        QTest::newRow("1280 x 1024") << QSize(1280, 984) << 1.43;
        QTest::newRow("1024 x 768") << QSize(1024, 728) << 1.06;
        QTest::newRow("1280 x 1024, doppelte Pixel") << QSize(640, 492) << 0.90;
        QTest::newRow("kleiner Schirm hoch") << QSize(800, 1280) << 1.14;
    }
    void startFaktor()
    {
        QFETCH(QSize, verfuegbar);
        QFETCH(double, faktor);
        const double f = Programm::startFaktor(verfuegbar);
        QCOMPARE(f, faktor);
        Testprogramm t;
        t.programm->setFaktor(f);
        for (Fenster *w : alleFenster(*t.programm)) {
            QCOMPARE(w->faktor(), f);
            const QSize mitRahmen = w->size() + QSize(16, 48);
            QVERIFY2(mitRahmen.width() <= verfuegbar.width() && mitRahmen.height() <= verfuegbar.height(),
                     qPrintable(w->objectName()));
        }
    }
    void fenstergroessen()
    {
        // The sizes the start factor is chosen for are those of the windows.
        Testprogramm t;
        QList<QSize> echt;
        for (Fenster *w : alleFenster(*t.programm))
            echt << w->twipsGroesse();
        QCOMPARE(Programm::fenstergroessen(), echt);
    }

    void elemente_data()
    {
        QTest::addColumn<QString>("fenster");
        QTest::addColumn<QString>("element");
        QTest::addColumn<QRect>("pixel");
        QTest::addColumn<double>("punkte");
        // Twips times 1.5, 15 twips a pixel; points times 1.5.
        QTest::newRow("Eingabezeile") << "Form1" << "Bezeichnung2" << QRect(180, 95, 608, 74) << 27.0;
        QTest::newRow("Übungsknopf") << "Form1" << "Befehl1" << QRect(120, 185, 164, 42) << 12.0;
        QTest::newRow("Wortliste") << "Form1" << "Liste2" << QRect(804, 56, 215, 543) << 18.0;
        QTest::newRow("Galgen ENDE") << "galgen" << "Befehl1" << QRect(816, 564, 120, 48) << 14.625;
        QTest::newRow("Fangen: Trefferzahl") << "fang" << "Bezeichnung3" << QRect(366, 482, 42, 45) << 21.0;
    }
    void elemente()
    {
        QFETCH(QString, fenster);
        QFETCH(QString, element);
        QFETCH(QRect, pixel);
        QFETCH(double, punkte);
        Testprogramm t;
        t.programm->setFaktor(1.5);
        Fenster *f = fenster == u("galgen") ? static_cast<Fenster *>(&t.programm->galgenFenster())
                     : fenster == u("fang")  ? static_cast<Fenster *>(&t.programm->fangFenster())
                                             : static_cast<Fenster *>(&t.f1());
        auto *w = f->findChild<QWidget *>(element);
        QVERIFY(w);
        QCOMPARE(w->geometry(), pixel);
        QCOMPARE(w->font().pointSizeF(), punkte);
    }
    void hauptfensterZiehen()
    {
        Testprogramm t;
        Form1 &f = t.f1();
        QCOMPARE(f.size(), QSize(687, 457));
        // The user drags the window to twice its size: everything follows,
        // the other windows too, and what the program set stays as set.
        f.resize(1374, 914);
        QCOMPARE(f.faktor(), 2.0);
        QCOMPARE(f.Bezeichnung2->geometry(), QRect(240, 126, 810, 98));
        QCOMPARE(f.Bezeichnung2->font().pointSizeF(), 36.0);
        QCOMPARE(f.Bezeichnung2->FontSize(), 18.0);
        QCOMPARE(Twips::links(f.Bezeichnung2), 1800);
        QCOMPARE(t.programm->form8().faktor(), 2.0);
        QCOMPARE(t.programm->form8().size(), QSize(1360, 960));
        QCOMPARE(t.programm->faktor(), 2.0);
        // A window made later is drawn at that factor from the start.
        QCOMPARE(t.programm->tpolabel().size(), QSize(736, 496));
        // Stretched wider only: the height decides, and the window takes its proportions back.
        f.resize(1500, 686);
        QVERIFY(qAbs(f.faktor() - 686.0 / 457) < 1e-9);
        QTRY_COMPARE(f.size(), QSize(1031, 686));
    }
    void zeichnungBleibtInTwips()
    {
        Testprogramm t;
        t.programm->setFaktor(1.5);
        t.f1().Bezeichnung1_Click();
        const Schriftzug &s = t.f1().Bild4->zeichnung().inhalt().at(0);
        QCOMPARE(s.x, 840);
        QCOMPARE(s.y, 120);
        QCOMPARE(s.schrift.pointSizeF(), 28.0);
    }

    void boxSchrift_data()
    {
        QTest::addColumn<double>("faktor");
        QTest::addColumn<double>("punkte");
        QTest::newRow("Faktor 1") << 1.0 << 16.0;
        QTest::newRow("Faktor 1,5") << 1.5 << 24.0;
        QTest::newRow("Faktor 2") << 2.0 << 32.0;
    }
    void boxSchrift()
    {
        QFETCH(double, faktor);
        QFETCH(double, punkte);
        Testprogramm t;
        t.programm->setFaktor(faktor);
        QMessageBox box(&t.f1());
        QtBoxen::meldungEinrichten(box, u("Buchstabe  >x<  ist falsch!"), u("Eingabefehler"), Knoepfe::OK,
                                   Symbol::Stop, Antwort::OK);
        QCOMPARE(box.font().pointSizeF(), punkte);
        QCOMPARE(box.text(), u("Buchstabe  >x<  ist falsch!"));
        for (QPushButton *k : box.findChildren<QPushButton *>())
            QCOMPARE(k->font().pointSizeF(), punkte);
        QInputDialog dlg(&t.f1());
        QtBoxen::eingabeEinrichten(dlg, u("Neuer Name:"), u("Eingabe"), u("Freund"));
        QCOMPARE(dlg.font().pointSizeF(), punkte);
    }

    void groessenA()
    {
        // The six size labels, in the order of the sizes they stand for.
        Testprogramm t;
        Form1 &f = t.f1();
        const QList<Bezeichnung *> reihe = {f.Bezeichnung23, f.Bezeichnung17, f.Bezeichnung19,
                                           f.Bezeichnung20, f.Bezeichnung21, f.Bezeichnung22};
        for (int i = 0; i < reihe.size(); ++i) {
            QCOMPARE(reihe.at(i)->Caption(), u("A"));
            if (i > 0)
                QVERIFY2(reihe.at(i)->FontSize() > reihe.at(i - 1)->FontSize(), qPrintable(reihe.at(i)->objectName()));
        }
    }

    void lupePasst_data()
    {
        QTest::addColumn<QString>("anzeige");
        QTest::addColumn<bool>("kleiner");
        QTest::newRow("kurz") << u("HAUS") << false;
        QTest::newRow("40 Buchstaben") << u("DONAUDAMPFSCHIFFFAHRTSGESELLSCHAFTSKAPIT") << true;
        QTest::newRow("40 schmale") << QString(40, QLatin1Char('i')) << false;
    }
    void lupePasst()
    {
        QFETCH(QString, anzeige);
        QFETCH(bool, kleiner);
        Testprogramm t;
        t.f1().Bezeichnung1->setCaption(anzeige);
        t.f1().Bezeichnung22_Click();
        const Schriftzug &s = t.f1().Bild4->zeichnung().inhalt().at(0);
        QCOMPARE(s.text, anzeige);
        QCOMPARE(t.f1().Bild4->FontSize(), 40.0);
        QCOMPARE(s.schrift.pointSizeF() < 40.0, kleiner);
        // From 840 twips to the box's right edge less 120 twips.
        const double breite = QFontMetricsF(s.schrift).horizontalAdvance(s.text) * Twips::proPixel();
        QVERIFY2(breite <= 10335 - 120 - 840, qPrintable(QString::number(breite)));
    }

    void nachDemDruckenWeiter()
    {
        Testprogramm t;
        QList<Druckzeile> zeilen;
        t.programm->druckflaeche = [&zeilen] { return std::make_unique<DruckAufzeichnung>(zeilen); };
        const QString wort = t.m().Loesungswort;
        tippe(t.f1().Bezeichnung1, wort.left(2));
        t.boxen.ja();
        t.boxen.ok();
        t.f1().Bild14_Click();
        QCOMPARE(zeilen.size(), 61);
        QCOMPARE(t.m().Loesungswort, wort);
        QCOMPARE(t.f1().Bezeichnung2->Caption(), wort.left(2));
        t.boxen.ok();
        tippe(t.f1().Bezeichnung1, wort.mid(2));
        QCOMPARE(t.m().Fehler, 0);
        QCOMPARE(t.m().Loesungen, 1);
        pruefeBox(t.boxen, u("Noch 19 Wörter bis zur Belohnung!\r"), u("Richtig, weiter so!"));
    }
};

QTEST_MAIN(TestSkalierung)
#include "tst_skalierung.moc"
