// The enlarged display of the task over the top of the main window.
#include "support/Testprogramm.h"

#include "lists/Form8.h"

#include <QTest>

namespace {

void pruefeText(Form1 &f, const QString &text, double punkte)
{
    const auto &inhalt = f.Bild4->zeichnung().inhalt();
    QCOMPARE(inhalt.size(), 1);
    QCOMPARE(inhalt.first().text, text);
    QCOMPARE(QPoint(inhalt.first().x, inhalt.first().y), QPoint(840, 120));
    QCOMPARE(inhalt.first().schrift.pointSizeF(), punkte);
    QCOMPARE(f.Bild4->FontSize(), punkte);
}

} // namespace

class TestVergroesserung : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void klickOeffnetMit28PunktenUndSchliesst()
    {
        Testprogramm t;
        Form1 &f = t.f1();
        QVERIFY(!f.Bild4->isVisible());
        QTest::mouseClick(f.Bezeichnung1, Qt::LeftButton);
        QVERIFY(f.Bild4->isVisible());
        // It lies over everything else of the window, the task display included.
        QCOMPARE(f.children().last(), f.Bild4);
        QCOMPARE(f.Bild4->FontName(), f.Bezeichnung1->FontName());
        QVERIFY(!f.Bezeichnung1->Caption().isEmpty());
        pruefeText(f, f.Bezeichnung1->Caption(), 28);
        // Right of the size labels, on the box itself.
        QTest::mouseClick(f.Bild4, Qt::LeftButton, {}, QPoint(f.Bild4->width() - 20, f.Bild4->height() / 2));
        QVERIFY(!f.Bild4->isVisible());
        QCOMPARE(t.boxen.anzahl(), 0);
    }

    void groesseKnopf_data()
    {
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<double>("punkte");
        QTest::newRow("Bezeichnung23") << u("Bezeichnung23") << 20.0;
        QTest::newRow("Bezeichnung17") << u("Bezeichnung17") << 24.0;
        QTest::newRow("Bezeichnung19") << u("Bezeichnung19") << 28.0;
        QTest::newRow("Bezeichnung20") << u("Bezeichnung20") << 32.0;
        QTest::newRow("Bezeichnung21") << u("Bezeichnung21") << 36.0;
        QTest::newRow("Bezeichnung22") << u("Bezeichnung22") << 40.0;
    }
    void groesseKnopf()
    {
        QFETCH(QString, knopf);
        QFETCH(double, punkte);
        Testprogramm t;
        Form1 &f = t.f1();
        f.Bezeichnung1_Click();
        auto *a = f.Bild4->findChild<Bezeichnung *>(knopf);
        QVERIFY(a);
        QCOMPARE(a->Caption(), u("A"));
        QTest::mouseClick(a, Qt::LeftButton);
        // The click on the size label does not reach the box underneath.
        QVERIFY(f.Bild4->isVisible());
        pruefeText(f, f.Bezeichnung1->Caption(), punkte);
        // Opened again, it starts with 28 points.
        f.Bild4_Click();
        f.Bezeichnung1_Click();
        pruefeText(f, f.Bezeichnung1->Caption(), 28);
    }

    void spiegelschriftWieAnzeige()
    {
        Testprogramm t;
        Form1 &f = t.f1();
        t.programm->form8().Bezeichnung14->setFontName(u("tpospiegel"));
        f.Befehl12_Click();
        f.Bezeichnung20_Click();  // some other size chosen before
        f.Bezeichnung1_Click();
        QCOMPARE(f.Bild4->FontName(), u("tpospiegel"));
        QCOMPARE(f.Bild4->zeichnung().inhalt().first().schrift.family(), u("tpospiegel"));
        pruefeText(f, t.m().Loesungswort, 28);
    }

    void behaeltAltenTextNachNeuemWort()
    {
        Testprogramm t;
        Form1 &f = t.f1();
        f.Befehl2_Click();
        const QString alt = f.Bezeichnung1->Caption();
        f.Bezeichnung1_Click();
        f.Befehl13_Click();
        QVERIFY(f.Bezeichnung1->Caption() != alt);
        QVERIFY(f.Bild4->isVisible());
        pruefeText(f, alt, 28);
        f.Bezeichnung17_Click();
        pruefeText(f, f.Bezeichnung1->Caption(), 24);
    }

    void leereAnzeigeLeereVergroesserung()
    {
        Testprogramm t;
        Form1 &f = t.f1();
        f.Befehl20_Click();
        f.Bezeichnung1_Click();
        pruefeText(f, t.m().Loesungswort, 28);
        // After the first key press of the word dictation the task display is empty.
        f.Bezeichnung1->setCaption(QString());
        f.Bezeichnung19_Click();
        pruefeText(f, QString(), 28);
    }
};

QTEST_MAIN(TestVergroesserung)
#include "tst_vergroesserung.moc"
