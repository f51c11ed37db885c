// The main window's small commands: mode switch, player's name, list sizes
// and the three information boxes.
#include "support/Testprogramm.h"

#include <QTest>

class TestBefehle : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void modusZweimalWechseln()
    {
        Testprogramm t;
        Form1 &f = t.f1();
        t.m().Loesungen = 3;
        t.m().Fehler = 5;
        const QString wort = t.m().Loesungswort;
        t.m().Eingabe = wort.left(2);
        const QString bild10Anfang = f.Bild10->Picture();
        QVERIFY(f.Bild25->isHidden() && !f.Bild26->isHidden());

        QTest::mouseClick(f.Bild26, Qt::LeftButton);
        QCOMPARE(t.m().Lesemodus, short(1));
        QVERIFY(f.Bild26->isHidden() && !f.Bild25->isHidden());
        QCOMPARE(f.Bild10->Picture(), f.Bild25->Picture());
        QVERIFY(f.Bild10->Picture() != bild10Anfang);
        QCOMPARE(f.Bezeichnung2->Caption(), u("Klicke auf das richtige Wort ..."));
        QCOMPARE(t.m().Benutzt.count(QLatin1Char('1')), 2);
        // The half-typed word is dropped for a new one.
        QCOMPARE(t.m().Eingabe, QString());
        QVERIFY(t.m().Loesungswort != wort);

        QTest::mouseClick(f.Bild25, Qt::LeftButton);
        QCOMPARE(t.m().Lesemodus, short(0));
        QVERIFY(!f.Bild26->isHidden() && f.Bild25->isHidden());
        QCOMPARE(f.Bild10->Picture(), f.Bild26->Picture());
        QCOMPARE(f.Bezeichnung2->Caption(), QString());
        QCOMPARE(t.m().Benutzt.count(QLatin1Char('1')), 3);
        QVERIFY(!t.m().Loesungswort.isEmpty());
        QCOMPARE(t.m().Loesungen, 3);
        QCOMPARE(t.m().Fehler, 5);
        QCOMPARE(t.boxen.anzahl(), 0);
    }

    void name_data()
    {
        QTest::addColumn<QString>("antwort");
        QTest::addColumn<QString>("name");
        QTest::newRow("abgebrochen oder leer") << "" << "Anna";
        QTest::newRow("neuer Name") << "Lena" << "Lena";
        QTest::newRow("Vorgabe bestätigt") << "Freund" << "Freund";
    }
    void name()
    {
        QFETCH(QString, antwort);
        QFETCH(QString, name);
        Testprogramm t;
        t.f1().Bezeichnung7->setCaption(u("Anna"));
        t.boxen.tippe(antwort);
        QTest::mouseClick(t.f1().Bild23, Qt::LeftButton);
        QCOMPARE(t.boxen.anzahl(), 1);
        const BoxEintrag &b = t.boxen.letzte();
        QVERIFY(b.eingabe);
        QCOMPARE(b.text, u("Neuer Name:"));
        QCOMPARE(b.titel, u("Eingabe"));
        QCOMPARE(b.vorgabe, u("Freund"));
        QCOMPARE(t.f1().Bezeichnung7->Caption(), name);
    }

    void listengroesse_data()
    {
        QTest::addColumn<QString>("bezeichnung");
        QTest::addColumn<double>("punkte");
        QTest::addColumn<int>("hoehe");
        QTest::newRow("klein") << "Bezeichnung27" << 8.25 << 5295;
        QTest::newRow("mittel") << "Bezeichnung28" << 9.75 << 5310;
        QTest::newRow("groß") << "Bezeichnung29" << 12.0 << 5430;
    }
    void listengroesse()
    {
        QFETCH(QString, bezeichnung);
        QFETCH(double, punkte);
        QFETCH(int, hoehe);
        Testprogramm t;
        t.f1().Bezeichnung27_Click();  // another size before: the new one is set whole
        QTest::mouseClick(t.f1().findChild<Bezeichnung *>(bezeichnung), Qt::LeftButton);
        QCOMPARE(t.f1().Liste2->FontSize(), punkte);
        QCOMPARE(t.f1().Liste2->hoehe(), hoehe);
    }

    void infoBoxen_data()
    {
        QTest::addColumn<QString>("bild");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<Symbol>("symbol");
        QTest::newRow("Auge") << "Bild21" << "Schreibe dieses Wort ab!\r" << "Befehlsfenster" << Symbol::Keins;
        QTest::newRow("Schreibfenster") << "Bild10" << "Hier stehen deine Eingaben!\r" << "Schreibfenster"
                                        << Symbol::Keins;
        QTest::newRow("Ampel") << "Bild13" << "Unter der Ampel kannst du den\raktiven Programmteil ablesen."
                               << "Programmteil" << Symbol::Information;
    }
    void infoBoxen()
    {
        QFETCH(QString, bild);
        QFETCH(QString, text);
        QFETCH(QString, titel);
        QFETCH(Symbol, symbol);
        Testprogramm t;
        const QString wort = t.m().Loesungswort;
        t.boxen.ok();
        QTest::mouseClick(t.f1().findChild<Bild *>(bild), Qt::LeftButton);
        QCOMPARE(t.boxen.anzahl(), 1);
        pruefeBox(t.boxen, text, titel, Knoepfe::OK, symbol);
        QCOMPARE(t.m().Loesungswort, wort);
    }
};

QTEST_MAIN(TestBefehle)
#include "tst_befehle.moc"
