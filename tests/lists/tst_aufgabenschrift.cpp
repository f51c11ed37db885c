// The task font of an exercise: one answer for the task display and the
// worksheet.
#include "lists/Form8.h"
#include "support/Testprogramm.h"
#include "ui/Druckflaeche.h"

#include <QTest>

class TestAufgabenschrift : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void schriftDerUebung_data()
    {
        QTest::addColumn<int>("uebung");
        QTest::addColumn<QString>("schrift");  // empty: the exercise has none of its own
        QTest::newRow("1 Abgedeckt") << 1 << u("Abgedeckt-Probe");
        QTest::newRow("2 Umkehrwort") << 2 << QString();
        QTest::newRow("9 Morsewort") << 9 << QString();
        QTest::newRow("10 Wortruinen") << 10 << u("Ruinen-Probe");
        QTest::newRow("11 MSU-Laute") << 11 << QString();
        QTest::newRow("12 Spiegel") << 12 << u("Spiegel-Probe");
        QTest::newRow("13 Großschrift") << 13 << QString();
        QTest::newRow("23 Buchstabe") << 23 << QString();
        QTest::newRow("24 Bildwörter") << 24 << u("Bilder-Probe");
        QTest::newRow("25 Vertauscht") << 25 << QString();
    }

    void schriftDerUebung()
    {
        QFETCH(int, uebung);
        QFETCH(QString, schrift);
        Testprogramm t;
        Form8 &e = t.programm->form8();
        e.Bezeichnung9->setFontName(u("Anzeige-Probe"));
        e.Bezeichnung11->setFontName(u("Abgedeckt-Probe"));
        e.Bezeichnung13->setFontName(u("Ruinen-Probe"));
        e.Bezeichnung14->setFontName(u("Spiegel-Probe"));
        e.Bezeichnung18->setFontName(u("Bilder-Probe"));
        // The other samples carry names that no row expects.
        for (Bezeichnung *b : {e.Bezeichnung12, e.Bezeichnung15, e.Bezeichnung20})
            b->setFontName(u("Falsch"));
        t.liste({u("Haus"), u("Maus")}, true);

        QCOMPARE(e.aufgabenschrift(uebung).value_or(QString()), schrift);
        QCOMPARE(e.aufgabenschrift(uebung).has_value(), !schrift.isEmpty());

        const QString aufgabe = schrift.isEmpty() ? u("Anzeige-Probe") : schrift;
        t.f1().Befehl_Click(uebung);
        QCOMPARE(t.f1().Bezeichnung1->FontName(), aufgabe);

        QList<Druckzeile> zeilen;
        t.programm->druckflaeche = [&zeilen] { return std::make_unique<DruckAufzeichnung>(zeilen); };
        t.boxen.ja();
        t.boxen.ok();
        t.f1().Bild14_Click();
        QCOMPARE(zeilen.size(), 7);
        QCOMPARE(zeilen.at(0).schrift, u("Anzeige-Probe"));
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(zeilen.at(1 + 3 * i).schrift, aufgabe);
            QCOMPARE(zeilen.at(2 + 3 * i).schrift, aufgabe);
            QCOMPARE(zeilen.at(3 + 3 * i).schrift, u("Anzeige-Probe"));
        }
    }
};

QTEST_MAIN(TestAufgabenschrift)
#include "tst_aufgabenschrift.moc"
