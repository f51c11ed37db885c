// The main window's small commands: mode switch, player's name, list sizes
// and the three information boxes.
#include "support/Testprogramm.h"

#include <QTest>

class TestBefehle : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void modusZweimalWechseln();
    void modusWechselVerwirftHalbesWort();
    void name_data();
    void name();
    void listengroesse_data();
    void listengroesse();
    void kleinDannGrossStelltWiederHer();
    void infoBoxen_data();
    void infoBoxen();
};

void TestBefehle::modusZweimalWechseln()
{
    Testprogramm t;
    Form1 &f = t.f1();
    t.m().Loesungen = 3;
    t.m().Fehler = 5;
    const QString bild10Anfang = f.Bild10->Picture();
    QCOMPARE(f.Bild25->isHidden(), true);
    QCOMPARE(f.Bild26->isHidden(), false);

    QTest::mouseClick(f.Bild26, Qt::LeftButton);
    QCOMPARE(t.m().Lesemodus, short(1));
    QCOMPARE(f.Bild26->isHidden(), true);
    QCOMPARE(f.Bild25->isHidden(), false);
    QCOMPARE(f.Bild10->Picture(), f.Bild25->Picture());
    QVERIFY(f.Bild10->Picture() != bild10Anfang);
    QCOMPARE(f.Bezeichnung2->Caption(), QStringLiteral("Klicke auf das richtige Wort ..."));
    QCOMPARE(t.m().Benutzt.count(QLatin1Char('1')), 2);
    QVERIFY(!t.m().Loesungswort.isEmpty());

    QTest::mouseClick(f.Bild25, Qt::LeftButton);
    QCOMPARE(t.m().Lesemodus, short(0));
    QCOMPARE(f.Bild26->isHidden(), false);
    QCOMPARE(f.Bild25->isHidden(), true);
    QCOMPARE(f.Bild10->Picture(), f.Bild26->Picture());
    QCOMPARE(f.Bezeichnung2->Caption(), QString());
    QCOMPARE(t.m().Benutzt.count(QLatin1Char('1')), 3);
    QVERIFY(!t.m().Loesungswort.isEmpty());

    QCOMPARE(t.m().Loesungen, 3);
    QCOMPARE(t.m().Fehler, 5);
    QCOMPARE(t.boxen.anzahl(), 0);
}

void TestBefehle::modusWechselVerwirftHalbesWort()
{
    Testprogramm t;
    const QString wort = t.m().Loesungswort;
    t.m().Eingabe = wort.left(2);
    t.f1().Bild26_Click();
    QCOMPARE(t.m().Eingabe, QString());
    QCOMPARE(t.m().Loesungen, 0);
    QVERIFY(t.m().Loesungswort != wort);
}

void TestBefehle::name_data()
{
    QTest::addColumn<QString>("antwort");
    QTest::addColumn<QString>("name");
    QTest::newRow("abgebrochen oder leer") << "" << "Anna";
    QTest::newRow("neuer Name") << "Lena" << "Lena";
    QTest::newRow("Vorgabe bestätigt") << "Freund" << "Freund";
}

void TestBefehle::name()
{
    QFETCH(QString, antwort);
    QFETCH(QString, name);
    Testprogramm t;
    t.f1().Bezeichnung7->setCaption(QStringLiteral("Anna"));
    t.boxen.tippe(antwort);
    QTest::mouseClick(t.f1().Bild23, Qt::LeftButton);
    QCOMPARE(t.boxen.anzahl(), 1);
    const BoxEintrag &b = t.boxen.letzte();
    QVERIFY(b.eingabe);
    QCOMPARE(b.text, QStringLiteral("Neuer Name:"));
    QCOMPARE(b.titel, QStringLiteral("Eingabe"));
    QCOMPARE(b.vorgabe, QStringLiteral("Freund"));
    QCOMPARE(t.f1().Bezeichnung7->Caption(), name);
}

void TestBefehle::listengroesse_data()
{
    QTest::addColumn<QString>("bezeichnung");
    QTest::addColumn<double>("punkte");
    QTest::addColumn<int>("hoehe");
    QTest::newRow("klein") << "Bezeichnung27" << 8.25 << 5295;
    QTest::newRow("mittel") << "Bezeichnung28" << 9.75 << 5310;
    QTest::newRow("groß") << "Bezeichnung29" << 12.0 << 5430;
}

void TestBefehle::listengroesse()
{
    QFETCH(QString, bezeichnung);
    QFETCH(double, punkte);
    QFETCH(int, hoehe);
    Testprogramm t;
    auto *b = t.f1().findChild<Bezeichnung *>(bezeichnung);
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(t.f1().Liste2->FontSize(), punkte);
    QCOMPARE(t.f1().Liste2->hoehe(), hoehe);
}

void TestBefehle::kleinDannGrossStelltWiederHer()
{
    Testprogramm t;
    t.f1().Bezeichnung27_Click();
    t.f1().Bezeichnung29_Click();
    QCOMPARE(t.f1().Liste2->FontSize(), 12.0);
    QCOMPARE(t.f1().Liste2->hoehe(), 5430);
}

void TestBefehle::infoBoxen_data()
{
    QTest::addColumn<QString>("bild");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<bool>("information");
    QTest::newRow("Auge") << "Bild21" << "Schreibe dieses Wort ab!\r" << "Befehlsfenster" << false;
    QTest::newRow("Schreibfenster") << "Bild10" << "Hier stehen deine Eingaben!\r" << "Schreibfenster" << false;
    QTest::newRow("Ampel") << "Bild13" << "Unter der Ampel kannst du den\raktiven Programmteil ablesen."
                           << "Programmteil" << true;
}

void TestBefehle::infoBoxen()
{
    QFETCH(QString, bild);
    QFETCH(QString, text);
    QFETCH(QString, titel);
    QFETCH(bool, information);
    Testprogramm t;
    const QString wort = t.m().Loesungswort;
    auto *b = t.f1().findChild<Bild *>(bild);
    QVERIFY(b);
    t.boxen.ok();
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(t.boxen.anzahl(), 1);
    const BoxEintrag &e = t.boxen.letzte();
    QCOMPARE(e.text, text);
    QCOMPARE(e.titel, titel);
    QCOMPARE(e.symbol, information ? Symbol::Information : Symbol::Keins);
    QCOMPARE(e.knoepfe, Knoepfe::OK);
    QCOMPARE(t.m().Loesungswort, wort);
}

QTEST_MAIN(TestBefehle)
#include "tst_befehle.moc"
