#include "lists/Form8.h"
#include "support/Testprogramm.h"
#include "ui/Dateibrowser.h"

#include <QDir>
#include <QFile>
#include <QTest>

/// Loading word lists into the trainer and saving the editor list.

static void editorOeffnen(Testprogramm &t)
{
    t.boxen.tippe(t.f1().Bezeichnung8->Caption());
    t.f1().Bild5_Click();
    QVERIFY(t.programm->form8().isVisible());
}

class TestWortlisten : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void laden_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QStringList>("woerter");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("leereFelder");
        QTest::newRow("Komma und Leerzeichen") << QByteArray("Haus, Maus\r\n") << QStringList{"Haus", "Maus"}
                                               << "T i p p o l o ( 2 Wörter )" << 0;
        QTest::newRow("nur leere Zeilen") << QByteArray("\r\n\r\n\r\n") << QStringList{} << "T i p p o l o ( 0 Wörter )" << 3;
        QTest::newRow("doppelt") << QByteArray("Maus\r\nHaus\r\nMaus\r\n") << QStringList{"Haus", "Maus", "Maus"}
                                 << "T i p p o l o ( 3 Wörter )" << 0;
        QTest::newRow("Anführungszeichen") << QByteArray("\"Haus, Maus\"\r\n\"\"\r\nBaum\r\n")
                                           << QStringList{"Baum", "Haus, Maus"} << "T i p p o l o ( 2 Wörter )" << 1;
        QTest::newRow("Windows-1252") << QByteArray("\xD6tzi\r\ngro\xDF\r\n") << QStringList{"groß", "Ötzi"}
                                      << "T i p p o l o ( 2 Wörter )" << 0;
        QTest::newRow("UTF-8") << QByteArray("\xC3\x96tzi\r\ngro\xC3\x9F\r\n") << QStringList{"groß", "Ötzi"}
                               << "T i p p o l o ( 2 Wörter )" << 0;
    }
    void laden()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QStringList, woerter);
        QFETCH(QString, caption);
        QFETCH(int, leereFelder);
        Testprogramm t;
        t.datei("LISTE.TXT", inhalt);
        t.f1().Datei1->Refresh();
        t.m().Uebung = 5;
        t.f1().Bild8->show();
        // Skipped empty fields are told to the teacher after loading.
        if (leereFelder > 0)
            t.boxen.ok();
        t.f1().Datei1->setListIndex(0);
        QCOMPARE(t.f1().Liste1->eintraege(), woerter);
        QCOMPARE(t.f1().Caption(), caption);
        QCOMPARE(t.m().Uebung, 13);
        QVERIFY(!t.f1().Bild8->isVisible());
        QCOMPARE(t.m().Benutzt.size(), woerter.size());
        QCOMPARE(t.m().Benutzt.count(QLatin1Char('1')), woerter.isEmpty() ? 0 : 1);
        QCOMPARE(t.m().Loesungswort.isEmpty(), woerter.isEmpty());
        QCOMPARE(t.boxen.anzahl(), leereFelder > 0 ? 1 : 0);
        if (leereFelder > 0)
            QVERIFY(t.boxen.letzte().text.contains(QStringLiteral(" %1 leere").arg(leereFelder)));
    }
    void startLaedtErsteDatei()
    {
        Testprogramm t(3, false);
        QStringList zeilen;
        for (int i = 0; i < 1500; ++i)
            zeilen << QStringLiteral("Wort%1").arg(i);
        t.datei("b.txt", "Eins\r\nZwei\r\n");
        t.datei("A.TXT", zeilen.join("\r\n").toLatin1() + "\r\n");
        t.datei("C.DOC", "Nein\r\n");
        t.start();
        QCOMPARE(t.f1().Datei1->eintraege(), (QStringList{"A.TXT", "b.txt"}));
        QCOMPARE(t.f1().Liste1->ListCount(), 1500);
        QCOMPARE(t.f1().Caption(), QStringLiteral("T i p p o l o ( 1500 Wörter )"));
        QCOMPARE(t.m().Uebung, 13);
        QCOMPARE(t.f1().Bezeichnung8->Caption(), QStringLiteral("Großschrift"));
        // Loaded once at step 8 and drawn again at step 9.
        QCOMPARE(t.m().Benutzt.count(QLatin1Char('1')), 2);
        QVERIFY(t.m().Loesungswort.startsWith(QLatin1String("Wort")));
    }
    void ladenVerwirftHalbGetipptesWort()
    {
        Testprogramm t;
        t.datei("LISTE.TXT", "Haus\r\n");
        t.f1().Datei1->Refresh();
        t.m().Eingabe = t.m().Loesungswort.left(2);
        t.f1().Datei1->setListIndex(0);
        QCOMPARE(t.m().Loesungswort, QStringLiteral("Haus"));
        QCOMPARE(t.m().Eingabe, QString());
        QCOMPARE(t.f1().Bezeichnung1->Caption(), QStringLiteral("HAUS"));
    }
    void geloeschteDateiGibtStandardliste()
    {
        Testprogramm t(1, false);
        t.datei("LISTE.TXT", "Haus\r\nMaus\r\n");
        t.start();
        QCOMPARE(t.f1().Liste1->ListCount(), 2);
        QVERIFY(QFile::remove(t.programm->datei("LISTE.TXT")));
        t.f1().Datei1->setListIndex(0);
        QCOMPARE(t.f1().Liste1->ListCount(), 20);
        QCOMPARE(t.f1().Liste1->List(0), QStringLiteral("Autobahn"));
        QCOMPARE(t.f1().Caption(), QStringLiteral("T i p p o l o ( 20 Wörter )"));
        QCOMPARE(t.m().Benutzt.size(), 20);
        QCOMPARE(t.boxen.anzahl(), 0);
        // Nothing selected: the standard list too.
        t.liste({"Haus"});
        t.f1().Datei1->setListIndex(-1);
        t.f1().Datei1_Click();
        QCOMPARE(t.f1().Liste1->ListCount(), 20);
    }
    void speichernUndWiederLaden()
    {
        Testprogramm t;
        editorOeffnen(t);
        Form8 &e = t.programm->form8();
        t.boxen.tippe("TIPPOLO.TXT");
        t.boxen.ok();
        e.Bild5_Click();
        pruefeEingabe(t.boxen, 1, u("Name der Datei:"), u("Liste speichern"), u("TIPPOLO.TXT"));
        pruefeBox(t.boxen, u("Liste wurde gespeichert!"), u("TIPPOLO.TXT"), Knoepfe::OK, Symbol::Information);
        const QByteArray bytes = t.lesen("TIPPOLO.TXT");
        QVERIFY(bytes.startsWith("Autobahn\r\nComputer\r\nDelfin\r\ndurchlesen\r\n"));
        QVERIFY(bytes.contains("\r\ngro\xDF\r\n"));
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\r\n"), 20);
        // The file list shows it, the running list is untouched.
        QCOMPARE(t.f1().Datei1->eintraege(), QStringList{"TIPPOLO.TXT"});
        QCOMPARE(t.f1().Caption(), QStringLiteral("T i p p o l o"));
        const QStringList vorher = t.f1().Liste1->eintraege();
        t.f1().Datei1->setListIndex(0);
        QCOMPARE(t.f1().Liste1->eintraege(), vorher);
        QCOMPARE(t.f1().Caption(), QStringLiteral("T i p p o l o ( 20 Wörter )"));
    }
    void speichernOhneEintraege()
    {
        Testprogramm t;
        Form8 &e = t.programm->form8();
        e.Liste2->Clear();
        t.boxen.ok();
        e.Bild5_Click();
        QCOMPARE(t.boxen.anzahl(), 1);
        pruefeBox(t.boxen, u("Keine Einträge vorhanden!"), u("Liste speichern"), Knoepfe::OK, Symbol::Information);
    }
    void speichernAbgebrochen()
    {
        Testprogramm t;
        editorOeffnen(t);
        t.boxen.tippe(QString());
        t.programm->form8().Bild5_Click();
        QCOMPARE(QDir(t.programm->arbeitsordner()).entryList({"*.TXT"}, QDir::Files), QStringList{});
        QCOMPARE(t.boxen.offeneAntworten(), 0);
    }
    void ersetzenFragtOhneRuecksichtAufGrossschreibung_data()
    {
        QTest::addColumn<bool>("ja");
        QTest::newRow("Ja ersetzt") << true;
        QTest::newRow("Nein behält") << false;
    }
    void ersetzenFragtOhneRuecksichtAufGrossschreibung()
    {
        QFETCH(bool, ja);
        Testprogramm t(1, false);
        t.datei("Tiere.txt", "Hund\r\n");
        t.start();
        editorOeffnen(t);
        t.boxen.tippe("TIERE.TXT");
        if (ja) {
            t.boxen.ja();
            t.boxen.ok();
        } else {
            t.boxen.nein();
        }
        t.programm->form8().Bild5_Click();
        pruefeFrage(t.boxen, u("Vorhandene Datei ersetzen?"), u("TIERE.TXT"), 2);
        QCOMPARE(t.boxen.offeneAntworten(), 0);
        // The typed name means the listed file: no second file beside it.
        QVERIFY(!QFile::exists(t.programm->datei("TIERE.TXT")));
        QCOMPARE(t.lesen("Tiere.txt"), QByteArray("Hund\r\n"));
    }
    void speichernOhneEndungZeigtDateiNicht()
    {
        Testprogramm t;
        editorOeffnen(t);
        t.boxen.tippe("meine");
        t.boxen.ok();
        t.programm->form8().Bild5_Click();
        QCOMPARE(t.lesen("meine").count("\r\n"), 20);
        QCOMPARE(t.f1().Datei1->ListCount(), 0);
    }
    void speichernVerweigertNichtKodierbaresWort()
    {
        Testprogramm t(1, false);
        t.datei("TIPPOLO.TXT", "alt\r\n");
        t.start();
        editorOeffnen(t);
        Form8 &e = t.programm->form8();
        e.Liste2->AddItem(QStringLiteral("Łódź"));
        t.boxen.tippe("TIPPOLO.TXT");
        t.boxen.ja();
        t.boxen.ok();
        e.Bild5_Click();
        pruefeBox(t.boxen,
                  u("Das Wort \"Łódź\" enthält ein Zeichen, das in der Datei nicht gespeichert werden kann.\r"
                    "Die Liste wurde nicht gespeichert."),
                  u("Liste speichern"), Knoepfe::OK, Symbol::Stop);
        QCOMPARE(t.lesen("TIPPOLO.TXT"), QByteArray("alt\r\n"));
        QCOMPARE(e.Liste2->ListCount(), 2);
    }
    void speichernInSchreibgeschuetztenOrdner()
    {
        Testprogramm t;
        editorOeffnen(t);
        if (!schreibschuetzen(t.programm->arbeitsordner()))
            QSKIP("The folder stays writable (running as root).");
        t.boxen.tippe("NEU.TXT");
        t.boxen.ok();
        t.programm->form8().Bild5_Click();
        freigeben(t.programm->arbeitsordner());
        const QString text = t.boxen.letzte().text;
        QVERIFY(text.startsWith(u("Die Datei \"NEU.TXT\" konnte nicht gespeichert werden.\r")));
        QVERIFY(text.endsWith(u("\rDie Liste wurde nicht gespeichert.")));
        pruefeBox(t.boxen, text, u("Liste speichern"), Knoepfe::OK, Symbol::Stop);
        QVERIFY(!QFile::exists(t.programm->datei("NEU.TXT")));
        QCOMPARE(t.f1().Datei1->ListCount(), 0);
    }
};

QTEST_MAIN(TestWortlisten)
#include "tst_wortlisten.moc"
