// Word lists: the file browser, loading a list into the trainer and saving the editor list.
#include "support/Testprogramm.h"

#include "lists/Form8.h"
#include "ui/Dateibrowser.h"
#include "ui/Twips.h"

#include <QDir>
#include <QListView>
#include <QTest>

static Form8 &editorOeffnen(Testprogramm &t)
{
    t.boxen.tippe(t.f1().Bezeichnung8->Caption());
    t.f1().Bild5_Click();
    return t.programm->form8();
}

class TestWortlisten : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void laden_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QStringList>("woerter");
        QTest::addColumn<int>("leereFelder");
        QTest::newRow("Komma und Leerzeichen") << QByteArray("Haus, Maus\r\n") << QStringList{"Haus", "Maus"} << 0;
        QTest::newRow("nur leere Zeilen") << QByteArray("\r\n\r\n\r\n") << QStringList{} << 3;
        QTest::newRow("doppelt") << QByteArray("Maus\r\nHaus\r\nMaus\r\n") << QStringList{"Haus", "Maus", "Maus"} << 0;
        QTest::newRow("Anführungszeichen") << QByteArray("\"Haus, Maus\"\r\n\"\"\r\nBaum\r\n") << QStringList{"Baum", "Haus, Maus"} << 1;
        QTest::newRow("Windows-1252") << QByteArray("\xD6tzi\r\ngro\xDF\r\n") << QStringList{"groß", "Ötzi"} << 0;
        QTest::newRow("UTF-8") << QByteArray("\xC3\x96tzi\r\ngro\xC3\x9F\r\n") << QStringList{"groß", "Ötzi"} << 0;
    }
    void laden()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QStringList, woerter);
        QFETCH(int, leereFelder);
        Testprogramm t;
        t.datei("LISTE.TXT", inhalt);
        t.f1().Datei1->Refresh();
        t.m().Uebung = 5;
        t.m().Eingabe = t.m().Loesungswort.left(2);
        t.f1().Bild8->show();
        // Skipped empty fields are told to the teacher after loading.
        if (leereFelder > 0)
            t.boxen.ok();
        t.f1().Datei1->setListIndex(0);
        QCOMPARE(t.f1().Liste1->eintraege(), woerter);
        QCOMPARE(t.f1().Caption(), u("T i p p o l o ( %1 Wörter )").arg(woerter.size()));
        QVERIFY(t.m().Uebung == 13 && !t.f1().Bild8->isVisible() && t.m().Eingabe.isEmpty());
        QCOMPARE(t.m().Benutzt.size(), woerter.size());
        QCOMPARE(t.m().Benutzt.count(QLatin1Char('1')), woerter.isEmpty() ? 0 : 1);
        QVERIFY(woerter.contains(t.m().Loesungswort) || woerter.isEmpty());
        QCOMPARE(t.boxen.anzahl(), leereFelder > 0 ? 1 : 0);
        if (leereFelder > 0)
            QVERIFY(t.boxen.letzte().text.contains(QStringLiteral(" %1 leere").arg(leereFelder)));
    }
    void startLaedtErsteDatei()
    {
        Testprogramm t(3, false);
        QStringList zeilen;
        for (int i = 0; i < 1500; ++i)
            zeilen << u("Wort%1").arg(i);
        t.datei("b.txt", "Eins\r\nZwei\r\n");
        t.datei("A.TXT", zeilen.join("\r\n").toLatin1() + "\r\n");
        for (const char *name : {"C.DOC", "TXT", "x.txt.bak"})
            t.datei(QString::fromLatin1(name), "Nein\r\n");
        QDir(t.programm->arbeitsordner()).mkdir("ordner.txt");
        t.start();
        QCOMPARE(t.f1().Datei1->eintraege(), (QStringList{"A.TXT", "b.txt"}));
        QCOMPARE(titel(&t.f1(), t.f1().Bezeichnung8), (QStringList{u("T i p p o l o ( 1500 Wörter )"), u("Großschrift")}));
        // Loaded once at step 8 and drawn again at step 9.
        QCOMPARE(t.m().Benutzt.count(QLatin1Char('1')), 2);
    }
    void geloeschteDateiGibtStandardliste()
    {
        Testprogramm t("LISTE.TXT", "Haus\r\nMaus\r\n");
        QVERIFY(QFile::remove(t.programm->datei("LISTE.TXT")));
        t.f1().Datei1->setListIndex(0);
        QCOMPARE(t.f1().Caption(), u("T i p p o l o ( 20 Wörter )"));
        // Nothing selected: the standard list too.
        t.liste({"Haus"});
        t.f1().Datei1->setListIndex(-1);
        t.f1().Datei1_Click();
        QCOMPARE(t.f1().Liste1->ListCount(), 20);
        QCOMPARE(t.boxen.anzahl(), 0);
    }
    void speichernUndWiederLaden()
    {
        Testprogramm t;
        Form8 &e = editorOeffnen(t);
        t.boxen.tippe("TIPPOLO.TXT");
        t.boxen.ok();
        e.Bild5_Click();
        pruefeEingabe(t.boxen, 1, u("Name der Datei:"), u("Liste speichern"), u("TIPPOLO.TXT"));
        pruefeBox(t.boxen, u("Liste wurde gespeichert!"), u("TIPPOLO.TXT"), Knoepfe::OK, Symbol::Information);
        const QByteArray bytes = t.lesen("TIPPOLO.TXT");
        QVERIFY(bytes.startsWith("Autobahn\r\nComputer\r\n") && bytes.contains("\r\ngro\xDF\r\n"));
        QCOMPARE(bytes.count("\r\n"), 20);
        // The file list shows it, the running list is untouched.
        QCOMPARE(t.f1().Datei1->eintraege(), QStringList{"TIPPOLO.TXT"});
        QCOMPARE(t.f1().Caption(), u("T i p p o l o"));
    }
    void speichernOhneEintraegeOderName()
    {
        Testprogramm t;
        Form8 &e = editorOeffnen(t);
        t.boxen.tippe(QString());  // cancelled
        e.Bild5_Click();
        t.boxen.tippe("meine");
        t.boxen.ok();
        e.Bild5_Click();
        // Without the ending it is saved, but no word list to show.
        QCOMPARE(t.lesen("meine").count("\r\n"), 20);
        QCOMPARE(QDir(t.programm->arbeitsordner()).entryList({"*.TXT", "*.txt", "meine"}, QDir::Files), QStringList{"meine"});
        e.Liste2->Clear();
        t.boxen.ok();
        e.Bild5_Click();
        pruefeBox(t.boxen, u("Keine Einträge vorhanden!"), u("Liste speichern"), Knoepfe::OK, Symbol::Information);
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
        Testprogramm t("Tiere.txt", "Hund\r\n");
        Form8 &e = editorOeffnen(t);
        t.boxen.tippe("TIERE.TXT");
        t.boxen.antworte(ja ? Antwort::Ja : Antwort::Nein);
        t.boxen.setStreng(false);
        e.Bild5_Click();
        pruefeFrage(t.boxen, u("Vorhandene Datei ersetzen?"), u("TIERE.TXT"), 2);
        // The typed name means the listed file: no second file beside it.
        QVERIFY(!QFile::exists(t.programm->datei("TIERE.TXT")));
        QCOMPARE(t.lesen("Tiere.txt"), QByteArray("Hund\r\n"));
    }
    void speichernVerweigert_data()
    {
        QTest::addColumn<QString>("wort");
        QTest::addColumn<QString>("anfang");
        QTest::addColumn<bool>("ordner");
        QTest::newRow("nicht kodierbar") << u("Łódź")
                                         << u("Das Wort \"Łódź\" enthält ein Zeichen, das in der Datei nicht gespeichert werden kann.\r")
                                         << false;
        QTest::newRow("nicht schreibbar") << QString() << u("Die Datei \"NEU.TXT\" konnte nicht gespeichert werden.\r") << true;
    }
    void speichernVerweigert()
    {
        QFETCH(QString, wort);
        QFETCH(QString, anfang);
        QFETCH(bool, ordner);
        Testprogramm t;
        Form8 &e = editorOeffnen(t);
        if (ordner)
            t.ordnerStatt("NEU.TXT");
        else
            e.Liste2->AddItem(wort);
        t.boxen.tippe("NEU.TXT");
        if (ordner)
            t.boxen.ja();  // a folder of that name is there
        t.boxen.ok();
        e.Bild5_Click();
        const QString text = t.boxen.letzte().text;
        QVERIFY2(text.startsWith(anfang), qPrintable(text));
        QVERIFY(text.endsWith(u("\rDie Liste wurde nicht gespeichert.")));
        pruefeBox(t.boxen, text, u("Liste speichern"), Knoepfe::OK, Symbol::Stop);
        QCOMPARE(QFileInfo(t.programm->datei("NEU.TXT")).isFile(), false);
        QCOMPARE(t.f1().Datei1->ListCount(), 0);
    }
    void dateibrowser_data()
    {
        QTest::addColumn<int>("sperre");
        QTest::addColumn<bool>("boxen");
        QTest::addColumn<int>("hoehe");
        QTest::newRow("offen") << 0 << true << 3150;
        QTest::newRow("gesperrt") << 1 << false << 6075;
    }
    void dateibrowser()
    {
        QFETCH(int, sperre);
        QFETCH(bool, boxen);
        QFETCH(int, hoehe);
        Testprogramm t;
        Form1 &f = t.f1();
        t.programm->form8().Kontroll1->setValue(sperre);
        f.Bild6_Click();
        QVERIFY(f.Bild8->isVisible() && f.Laufwerk1->isVisible() == boxen && f.Verzeichnis1->isVisible() == boxen);
        QCOMPARE(Twips::hoehe(f.Datei1->view()), hoehe);
        f.Bild6_Click();
        QVERIFY(!f.Bild8->isVisible());
        // The grey state leaves the boxes as the last opening left them.
        t.programm->form8().Kontroll1->setValue(2);
        f.Bild6_Click();
        QCOMPARE(f.Laufwerk1->isVisible(), boxen);
        QCOMPARE(Twips::hoehe(f.Datei1->view()), hoehe);
        // The root and the home folder come first; the drive of the working folder is picked.
        QCOMPARE((QStringList{f.Laufwerk1->itemData(0).toString(), f.Laufwerk1->itemData(1).toString()}),
                 (QStringList{QDir::rootPath(), QDir::homePath()}));
        QVERIFY(QDir::cleanPath(t.programm->arbeitsordner()).startsWith(f.Laufwerk1->Drive()));
        QCOMPARE(t.boxen.anzahl(), 0);
    }
    void ordnerWechsel()
    {
        Testprogramm t;
        QDir d(t.programm->arbeitsordner());
        QVERIFY(d.mkdir("Listen"));
        t.datei("Listen/TIERE.TXT", "Hund\r\nKatze\r\n");
        Form1 &f = t.f1();
        f.Verzeichnis1->setPath(d.filePath("Listen"));
        f.Datei1->setListIndex(0);
        QCOMPARE(f.Liste1->eintraege(), (QStringList{"Hund", "Katze"}));
        // Saving goes to the working folder, whatever folder the browser shows.
        t.programm->form8().Form_Activate();
        t.boxen.tippe("NEU.TXT");
        t.boxen.ok();
        t.programm->form8().Bild5_Click();
        QCOMPARE(t.lesen("NEU.TXT"), QByteArray("Hund\r\nKatze\r\n"));
    }
};

QTEST_MAIN(TestWortlisten)
#include "tst_wortlisten.moc"
