#include "lists/Einstellungen.h"
#include "lists/Form8.h"
#include "support/Testprogramm.h"

#include <QFile>
#include <QTest>

/// The settings file "TIPPOLO.INI": first start, damaged files, saving.

const QByteArray kStandard =
    " 20 \r\nArial\r\ntpohalb\r\nArial\r\ntpofenster\r\ntpospiegel\r\nArial\r\nAnlaut\r\nArial\r\n 0 \r\n";
const QStringList kStandardSchriften = {"Arial", "tpohalb", "Arial", "tpofenster", "tpospiegel", "Arial", "Anlaut", "Arial"};

static QStringList schriften(Testprogramm &t)
{
    Form8 &e = t.programm->form8();
    return {e.Anzeigeschrift(), e.AbgedecktSchrift(), e.Druckschrift(), e.WortruinenSchrift(),
            e.SpiegelSchrift(), e.Schreibschrift(), e.BildwoerterSchrift(), e.WoerterlisteSchrift()};
}

class TestEinstellungen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void beschaedigteDateiWirdErsetzt_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::newRow("erster Start") << QByteArray("fehlt");
        QTest::newRow("fünf Datensätze") << QByteArray(" 30 \r\nA\r\nB\r\nC\r\nD\r\n");
        QTest::newRow("Sperre 7") << QByteArray(" 30 \r\nA\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\nH\r\n 7 \r\n");
        QTest::newRow("Sperre -1") << QByteArray(" 30 \r\nA\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\nH\r\n-1 \r\n");
        QTest::newRow("Sperre Text") << QByteArray(" 30 \r\nA\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\nH\r\nja\r\n");
        QTest::newRow("Sperre 1.5") << QByteArray(" 30 \r\nA\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\nH\r\n1.5\r\n");
        QTest::newRow("leer") << QByteArray();
        QTest::newRow("binär") << QByteArray("\x00\xFF\x13\x37\r\n\x01", 7);
    }
    void beschaedigteDateiWirdErsetzt()
    {
        QFETCH(QByteArray, inhalt);
        Testprogramm t(1, false);
        if (inhalt != "fehlt")
            t.datei("TIPPOLO.INI", inhalt);
        t.start();
        QCOMPARE(t.lesen("TIPPOLO.INI"), kStandard);
        QCOMPARE(schriften(t), kStandardSchriften);
        QCOMPARE(t.m().Wortmenge, 20);
        QCOMPARE(t.programm->form8().Kontroll1->Value(), 0);
        QCOMPARE(t.f1().Bezeichnung2->FontName(), u("Arial"));
        QCOMPARE(t.f1().Liste2->FontName(), u("Arial"));
        QCOMPARE(t.boxen.anzahl(), 0);
    }
    void gueltigeDateiWirdGelesen_data()
    {
        QTest::addColumn<QByteArray>("satz1");
        QTest::addColumn<int>("wortmenge");
        QTest::newRow("25") << QByteArray(" 25 ") << 25;
        QTest::newRow("gerundet") << QByteArray("12.5") << 13;
        QTest::newRow("Text") << QByteArray("viele") << 20;
        QTest::newRow("null") << QByteArray(" 0 ") << 20;
        QTest::newRow("negativ") << QByteArray("-5 ") << 20;
        QTest::newRow("leer") << QByteArray("") << 20;
        QTest::newRow("riesig") << QByteArray("1e30") << 2147483647;
    }
    void gueltigeDateiWirdGelesen()
    {
        QFETCH(QByteArray, satz1);
        QFETCH(int, wortmenge);
        Testprogramm t(1, false);
        const QByteArray inhalt = satz1 +
                                  "\r\nVerdana\r\ntpohalb\r\nComic Sans MS\r\ntpofenster\r\ntpospiegel\r\n"
                                  "Lateinaus\r\nAnlaut\r\nMS Sans Serif\r\n 1 \r\n";
        t.datei("TIPPOLO.INI", inhalt);
        t.start();
        QCOMPARE(t.m().Wortmenge, wortmenge);
        QCOMPARE(schriften(t), (QStringList{"Verdana", "tpohalb", "Comic Sans MS", "tpofenster", "tpospiegel",
                                            "Lateinaus", "Anlaut", "MS Sans Serif"}));
        QCOMPARE(t.f1().Liste2->FontName(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(t.f1().Bezeichnung2->FontName(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(t.programm->form8().Kontroll1->Value(), 1);
        // Reading never writes.
        QCOMPARE(t.lesen("TIPPOLO.INI"), inhalt);
    }
    void sperreZwei()
    {
        Testprogramm t(1, false);
        t.datei("TIPPOLO.INI", " 20 \r\nArial\r\nArial\r\nArial\r\nArial\r\nArial\r\nArial\r\nArial\r\nArial\r\n 2 \r\n");
        t.start();
        QCOMPARE(t.programm->form8().Kontroll1->Value(), 2);
        QCOMPARE(t.programm->form8().Kontroll1->checkState(), Qt::PartiallyChecked);
    }
    void speichernAendernNeustart()
    {
        Testprogramm t;
        Form8 &e = t.programm->form8();
        e.Bezeichnung2->setFontName(QStringLiteral("Comic Sans MS"));
        e.Bezeichnung7_Click();
        e.Bezeichnung2->setFontName(QStringLiteral("Arial"));
        e.Bezeichnung4_Click();
        t.m().Wortmenge = 35;
        e.Kontroll1->setValue(1);
        t.boxen.ok();
        e.Bild2_Click();
        QCOMPARE(t.lesen("TIPPOLO.INI"),
                 QByteArray(" 35 \r\nArial\r\ntpohalb\r\nComic Sans MS\r\ntpofenster\r\nArial\r\nArial\r\nAnlaut\r\nArial\r\n 1 \r\n"));
        // Changed after saving: lost at the restart.
        e.Bezeichnung2->setFontName(QStringLiteral("Anlaut"));
        e.Bezeichnung7_Click();

        Testprogramm zweites(2, false);
        zweites.datei("TIPPOLO.INI", t.lesen("TIPPOLO.INI"));
        zweites.start();
        Form8 &e2 = zweites.programm->form8();
        QCOMPARE(e2.Druckschrift(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(e2.SpiegelSchrift(), QStringLiteral("Arial"));
        QCOMPARE(zweites.m().Wortmenge, 35);
        QCOMPARE(e2.Kontroll1->Value(), 1);
        QCOMPARE(zweites.f1().Bezeichnung2->FontName(), QStringLiteral("Comic Sans MS"));
    }
    void speichernMeldung()
    {
        Testprogramm t;
        t.boxen.ok();
        t.programm->form8().Bild2_Click();
        QCOMPARE(t.boxen.anzahl(), 1);
        pruefeBox(t.boxen, u("Daten wurden gespeichert!"), u("Einstellungen"));
    }
    void speichernVerweigertNichtKodierbareSchrift()
    {
        Testprogramm t;
        Form8 &e = t.programm->form8();
        e.Bezeichnung2->setFontName(QStringLiteral("Noto Sans CJK 日本"));
        e.Bezeichnung5_Click();
        t.boxen.ok();
        e.Bild2_Click();
        pruefeBox(t.boxen,
                  u("Der Schriftname \"Noto Sans CJK 日本\" enthält ein Zeichen, das in der Datei nicht gespeichert "
                    "werden kann.\rDie Einstellungen wurden nicht gespeichert."),
                  u("Einstellungen"), Knoepfe::OK, Symbol::Stop);
        QCOMPARE(t.lesen("TIPPOLO.INI"), kStandard);
    }
    void schreibgeschuetzterOrdner()
    {
        Testprogramm t(1, false);
        const QString ordner = t.programm->arbeitsordner();
        if (!schreibschuetzen(ordner))
            QSKIP("The folder stays writable (running as root).");
        t.boxen.ok();
        t.start();
        QCOMPARE(t.boxen.anzahl(), 1);
        QVERIFY(t.boxen.letzte().text.startsWith(QStringLiteral("Die Datei \"TIPPOLO.INI\" konnte nicht gespeichert werden.\r")));
        QVERIFY(t.boxen.letzte().text.endsWith(QStringLiteral("\rDas Programm arbeitet mit den Standardeinstellungen.")));
        QCOMPARE(t.boxen.letzte().titel, QStringLiteral("Einstellungen"));
        QCOMPARE(schriften(t), kStandardSchriften);
        QCOMPARE(t.m().Wortmenge, 20);
        QVERIFY(!t.m().Loesungswort.isEmpty());
        // Saving later fails the same way and says so instead of claiming success.
        t.boxen.ok();
        t.programm->form8().Bild2_Click();
        freigeben(ordner);
        QCOMPARE(t.boxen.anzahl(), 2);
        QVERIFY(t.boxen.letzte().text.endsWith(QStringLiteral("\rDie Einstellungen wurden nicht gespeichert.")));
        QVERIFY(!QFile::exists(t.programm->datei("TIPPOLO.INI")));
    }
    void zahlAmAnfang_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("zahl");
        QTest::addColumn<bool>("gefunden");
        QTest::newRow("ganz") << " 25 " << 25.0 << true;
        QTest::newRow("Bruch") << "12.5 Wörter" << 12.5 << true;
        QTest::newRow("Komma ist keine Dezimalstelle") << "12,5" << 12.0 << true;
        QTest::newRow("Text") << "abc" << 0.0 << false;
        QTest::newRow("leer") << "" << 0.0 << false;
        QTest::newRow("Zahl dahinter") << "a5" << 0.0 << false;
        QTest::newRow("negativ") << "-7" << -7.0 << true;
        QTest::newRow("Exponent") << "2e2x" << 200.0 << true;
        QTest::newRow("halber Exponent") << "2ex" << 2.0 << true;
        QTest::newRow("nur Punkt") << "." << 0.0 << false;
    }
    void zahlAmAnfang()
    {
        QFETCH(QString, text);
        QFETCH(double, zahl);
        QFETCH(bool, gefunden);
        bool g = !gefunden;
        QCOMPARE(::zahlAmAnfang(text, &g), zahl);
        QCOMPARE(g, gefunden);
    }
};

QTEST_MAIN(TestEinstellungen)
#include "tst_einstellungen.moc"
