// The list check for the teacher after loading a word list.
#include "lists/Dateien.h"
#include "lists/Listenpruefung.h"
#include "support/Testprogramm.h"
#include "ui/Dateibrowser.h"

#include <QTest>

namespace {

/// The head line of every message of the check.
const char *const kKopf = "Die Liste wurde geladen. Bitte prüfen Sie:\r";

} // namespace

class TestListenpruefung : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void meldung_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("woerter");
        QTest::addColumn<QString>("meldung");
        const QString kopf = u(kKopf);
        QTest::newRow("sauber") << u("Haus\r\nMaus\r\n") << QStringList{u("Haus"), u("Maus")} << QString();
        QTest::newRow("gleiche Schreibung zweimal") << u("Haus\r\nHaus\r\n") << QStringList{u("Haus"), u("Haus")}
                                                   << QString();
        QTest::newRow("Bindestrich und Ziffer") << u("Hand-Ball, 3D-Kino, Ötzi, groß, €uro")
                                                << QStringList{u("Hand-Ball"), u("3D-Kino"), u("Ötzi"), u("groß"),
                                                               u("€uro")}
                                                << QString();
        QTest::newRow("leer") << QString() << QStringList{} << QString();
        QTest::newRow("Emoji") << u("Haus😀\r\nMaus\r\n") << QStringList{u("Haus😀"), u("Maus")}
                               << kopf + u("- 1 Wort lässt sich auf einer deutschen Tastatur nicht bis zum Ende "
                                           "tippen: \"Haus😀\"\r");
        QTest::newRow("polnisch und mathematisch")
            << u("Łódź,𝔸pfel,Haus") << QStringList{u("Łódź"), u("𝔸pfel"), u("Haus")}
            << kopf + u("- 2 Wörter lassen sich auf einer deutschen Tastatur nicht bis zum Ende tippen: \"Łódź\", "
                        "\"𝔸pfel\"\r");
        QTest::newRow("Steuerzeichen") << u("Ma\tus\r\nBa\x01um\r\nRa\x7F") << QStringList{u("Ma\tus"), u("Ba\x01um"), u("Ra\x7F")}
                                       << kopf + u("- 3 Wörter lassen sich auf einer deutschen Tastatur nicht bis "
                                                   "zum Ende tippen: \"Ma□us\", \"Ba□um\", \"Ra□\"\r");
        QTest::newRow("C1-Steuerzeichen aus Windows-1252")
            << (u("Ha") + QChar(0x81) + u("us")) << QStringList{u("Ha") + QChar(0x81) + u("us")}
            << kopf + u("- 1 Wort lässt sich auf einer deutschen Tastatur nicht bis zum Ende tippen: \"Ha□us\"\r");
        QTest::newRow("nur geschützte Leerzeichen")
            << u("Haus\r\n\u00A0\u00A0\r\n") << QStringList{u("Haus"), u("\u00A0\u00A0")}
            << kopf + u("- 1 Wort lässt sich auf einer deutschen Tastatur nicht bis zum Ende tippen: "
                        "\"\u00A0\u00A0\"\r");
        QTest::newRow("mehr als drei") << u("a😀\r\nb😀\r\nc😀\r\nd😀\r\ne😀\r\nHaus\r\n")
                                       << QStringList{u("a😀"), u("b😀"), u("c😀"), u("d😀"), u("e😀"), u("Haus")}
                                       << kopf + u("- 5 Wörter lassen sich auf einer deutschen Tastatur nicht bis "
                                                   "zum Ende tippen: \"a😀\", \"b😀\", \"c😀\", …\r");
        const QString lang = QString(29, QLatin1Char('x')) + u("😀🐭");
        QTest::newRow("langes Wort gekürzt")
            << lang << QStringList{lang}
            << kopf + u("- 1 Wort lässt sich auf einer deutschen Tastatur nicht bis zum Ende tippen: \"") +
                   QString(29, QLatin1Char('x')) + u("😀…\"\r");
        QTest::newRow("andere Großschreibung")
            << u("Haus\r\nhaus\r\nMaus\r\nMAUS\r\nHaus\r\nhaus\r\n")
            << QStringList{u("Haus"), u("haus"), u("Maus"), u("MAUS"), u("Haus"), u("haus")}
            << kopf + u("- 3 Wörter stehen schon in anderer Groß- und Kleinschreibung in der Liste: \"haus\", "
                        "\"MAUS\", \"haus\"\r");
        QTest::newRow("Umlaut groß und klein") << u("Ötzi,ötzi") << QStringList{u("Ötzi"), u("ötzi")}
                                               << kopf + u("- 1 Wort steht schon in anderer Groß- und "
                                                           "Kleinschreibung in der Liste: \"ötzi\"\r");
        QStringList viele;
        for (int i = 0; i < 100; ++i)
            viele << u("Wort%1").arg(i);
        QTest::newRow("hundert Wörter, eine Variante am Ende")
            << (viele.join(u("\r\n")) + u("\r\nwORT57\r\nWort57")) << (QStringList(viele) << u("wORT57") << u("Wort57"))
            << kopf + u("- 1 Wort steht schon in anderer Groß- und Kleinschreibung in der Liste: \"wORT57\"\r");
        QTest::newRow("ß hat keine große Form") << u("Fuß,FUSS") << QStringList{u("Fuß"), u("FUSS")} << QString();
        QTest::newRow("leere Felder") << u("Haus\r\n\r\nMaus,,\"\"\r\n") << QStringList{u("Haus"), u("Maus")}
                                      << kopf + u("- 3 leere Felder wurden übersprungen.\r");
        QTest::newRow("eine leere Zeile am Ende") << u("Haus\r\n\r\n") << QStringList{u("Haus")}
                                                  << kopf + u("- 1 leeres Feld wurde übersprungen.\r");
        QTest::newRow("nur leere Zeilen") << u("\r\n\r\n") << QStringList{}
                                          << kopf + u("- 2 leere Felder wurden übersprungen.\r");
        QTest::newRow("alles zusammen")
            << u(",Haus😀\r\nhaus😀\r\n") << QStringList{u("Haus😀"), u("haus😀")}
            << kopf + u("- 2 Wörter lassen sich auf einer deutschen Tastatur nicht bis zum Ende tippen: \"Haus😀\", "
                        "\"haus😀\"\r- 1 Wort steht schon in anderer Groß- und Kleinschreibung in der Liste: "
                        "\"haus😀\"\r- 1 leeres Feld wurde übersprungen.\r");
    }
    void meldung()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, woerter);
        QFETCH(QString, meldung);
        Listenbefund befund;
        befund.leereFelder = 99;
        // The words are exactly those of the word-list rule.
        QCOMPARE(Listenpruefung::lesen(text, befund), woerter);
        QCOMPARE(Dateien::felder(text), woerter);
        QCOMPARE(befund.meldung(), meldung);
        QCOMPARE(befund.sauber(), meldung.isEmpty());
    }

    // Through the file browser and at start-up: one box after loading, the
    // list loaded all the same; a clean list and the standard list show none.
    void nachDemLaden_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<bool>("beimStart");
        QTest::addColumn<QStringList>("woerter");
        QTest::addColumn<QString>("meldung");
        const QString kopf = u(kKopf);
        const QString doppelt =
            kopf + u("- 1 Wort steht schon in anderer Groß- und Kleinschreibung in der Liste: \"haus\"\r");
        QTest::newRow("beim Start") << QByteArray("Haus\r\nhaus\r\n") << true << QStringList{u("Haus"), u("haus")}
                                    << doppelt;
        QTest::newRow("im Dateibrowser") << QByteArray("Haus\r\nhaus\r\n") << false
                                         << QStringList{u("Haus"), u("haus")} << doppelt;
        QTest::newRow("UTF-8 mit Emoji")
            << QByteArray("Haus\xF0\x9F\x98\x80\r\nMaus\r\n") << false << QStringList{u("Haus😀"), u("Maus")}
            << kopf + u("- 1 Wort lässt sich auf einer deutschen Tastatur nicht bis zum Ende tippen: \"Haus😀\"\r");
        QTest::newRow("nur leere Zeilen") << QByteArray("\r\n\r\n\r\n") << false << QStringList{}
                                          << kopf + u("- 3 leere Felder wurden übersprungen.\r");
        QTest::newRow("sauber beim Start") << QByteArray("Maus\r\nHaus\r\n") << true
                                           << QStringList{u("Haus"), u("Maus")} << QString();
        QTest::newRow("sauber") << QByteArray("Maus\r\nHaus\r\nMaus\r\n") << false
                                << QStringList{u("Haus"), u("Maus"), u("Maus")} << QString();
    }
    void nachDemLaden()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(bool, beimStart);
        QFETCH(QStringList, woerter);
        QFETCH(QString, meldung);
        Testprogramm t(1, false);
        t.datei(u("LISTE.TXT"), inhalt);
        if (!meldung.isEmpty())
            t.boxen.ok();
        t.start();
        if (!beimStart) {
            t.boxen.leeren();
            if (!meldung.isEmpty())
                t.boxen.ok();
            t.f1().Datei1->setListIndex(-1);
            t.f1().Datei1->setListIndex(0);
        }
        QCOMPARE(t.boxen.anzahl(), meldung.isEmpty() ? 0 : 1);
        if (!meldung.isEmpty())
            pruefeBox(t.boxen, meldung, u("LISTE.TXT"), Knoepfe::OK, Symbol::Information);
        QCOMPARE(t.f1().Liste1->eintraege(), woerter);
        QCOMPARE(t.f1().Caption(), u("T i p p o l o (") + u(" %1 Wörter )").arg(woerter.size()));
        // The task runs on: a word is drawn, the exercise is Großschrift.
        QCOMPARE(t.m().Uebung, 13);
        QCOMPARE(t.m().Loesungswort.isEmpty(), woerter.isEmpty());
        QCOMPARE(t.boxen.offeneAntworten(), 0);
    }

    // A file that cannot be read gives the standard list, and no check.
    void standardlisteOhneMeldung()
    {
        Testprogramm t(1, false);
        t.datei(u("LISTE.TXT"), "Haus\r\nhaus\r\n");
        t.boxen.ok();
        t.start();
        t.boxen.leeren();
        QVERIFY(QFile::remove(t.programm->datei(u("LISTE.TXT"))));
        t.f1().Datei1->setListIndex(-1);
        t.f1().Datei1->setListIndex(0);
        QCOMPARE(t.f1().Liste1->ListCount(), 20);
        QCOMPARE(t.boxen.anzahl(), 0);
    }
};

QTEST_MAIN(TestListenpruefung)
#include "tst_listenpruefung.moc"
