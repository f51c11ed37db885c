#include "lists/Form8.h"
#include "support/Testprogramm.h"
#include "ui/Dateibrowser.h"
#include "ui/Twips.h"

#include <QDir>
#include <QListView>
#include <QTest>

/// The file browser of the main window: opening with the lock, the boxes,
/// the drive error.

struct Oeffnen { int sperre; bool boxen; int oben, hoehe; };
Q_DECLARE_METATYPE(Oeffnen)

class TestDateibrowser : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void oeffnenUndSchliessen_data()
    {
        QTest::addColumn<Oeffnen>("f0");
        QTest::newRow("offen") << Oeffnen{0, true, 3000, 3150};
        QTest::newRow("gesperrt") << Oeffnen{1, false, 120, 6075};
    }
    void oeffnenUndSchliessen()
    {
        QFETCH(Oeffnen, f0);
        const auto [sperre, boxen, oben, hoehe] = f0;
        Testprogramm t;
        Form1 &f = t.f1();
        QVERIFY(!f.Bild8->isVisible());
        t.programm->form8().Kontroll1->setValue(sperre);
        f.Bild6_Click();
        QVERIFY(f.Bild8->isVisible());
        QCOMPARE(f.Laufwerk1->isVisible(), boxen);
        QCOMPARE(f.Verzeichnis1->isVisible(), boxen);
        QCOMPARE(Twips::oben(f.Datei1->view()), oben);
        QCOMPARE(Twips::hoehe(f.Datei1->view()), hoehe);
        f.Bild6_Click();
        QVERIFY(!f.Bild8->isVisible());
        // The grey state leaves the boxes as the last opening left them.
        t.programm->form8().Kontroll1->setValue(2);
        f.Bild6_Click();
        QCOMPARE(f.Laufwerk1->isVisible(), boxen);
        QCOMPARE(Twips::hoehe(f.Datei1->view()), hoehe);
        QCOMPARE(t.boxen.anzahl(), 0);
    }
    void laufwerkeWurzelUndHomeZuerst()
    {
        Testprogramm t;
        Laufwerkliste *l = t.f1().Laufwerk1;
        QVERIFY(l->count() >= 2);
        QCOMPARE(l->itemData(0).toString(), QDir::rootPath());
        QCOMPARE(l->itemData(1).toString(), QDir::homePath());
        // The drive of the working folder is picked.
        QVERIFY(QDir::cleanPath(t.programm->arbeitsordner()).startsWith(l->Drive()));
    }
    void dateilisteMusterUndSortierung()
    {
        Testprogramm t(1, false);
        for (const char *name : {"zoo.TXT", "Affe.txt", "baum.Txt", "notiz.doc", "TXT", "x.txt.bak"})
            t.datei(QString::fromLatin1(name), "Wort\r\n");
        QDir(t.programm->arbeitsordner()).mkdir("ordner.txt");
        t.start();
        QCOMPARE(t.f1().Datei1->eintraege(), (QStringList{"Affe.txt", "baum.Txt", "zoo.TXT"}));
        QCOMPARE(t.f1().Datei1->Path(), t.programm->arbeitsordner());
        QCOMPARE(t.f1().Datei1->ListIndex(), 0);
        QCOMPARE(t.f1().Caption(), u("T i p p o l o ( 1 Wörter )"));
    }
    void ordnerWechsel()
    {
        Testprogramm t;
        QDir d(t.programm->arbeitsordner());
        QVERIFY(d.mkdir("Listen"));
        t.datei("Listen/TIERE.TXT", "Hund\r\nKatze\r\n");
        Form1 &f = t.f1();
        f.Verzeichnis1->setPath(d.filePath("Listen"));
        QCOMPARE(f.Datei1->eintraege(), QStringList{"TIERE.TXT"});
        f.Datei1->setListIndex(0);
        QCOMPARE(f.Liste1->eintraege(), (QStringList{"Hund", "Katze"}));
        QCOMPARE(f.Caption(), u("T i p p o l o ( 2 Wörter )"));
        // Saving goes to the working folder, whatever folder the browser shows.
        t.programm->form8().Form_Activate();
        t.boxen.tippe("NEU.TXT");
        t.boxen.ok();
        t.programm->form8().Bild5_Click();
        QCOMPARE(t.lesen("NEU.TXT"), QByteArray("Hund\r\nKatze\r\n"));
    }
    void laufwerkNichtBereit()
    {
        Testprogramm t;
        Form1 &f = t.f1();
        const QString ordner = f.Verzeichnis1->Path();
        const QString laufwerk = f.Laufwerk1->Drive();
        t.boxen.ok();
        f.Laufwerk1->setDrive(QDir(t.programm->arbeitsordner()).filePath("kein_medium"));
        QCOMPARE(t.boxen.anzahl(), 1);
        pruefeBox(t.boxen, u("Laufwerk ist nicht bereit!"), u("Laufwerkfehler"));
        QCOMPARE(f.Laufwerk1->Drive(), laufwerk);
        QCOMPARE(f.Verzeichnis1->Path(), ordner);
    }
    void laufwerkWechselBehaeltOrdner()
    {
        Testprogramm t;
        Form1 &f = t.f1();
        const QString ordner = f.Verzeichnis1->Path();
        const QString laufwerk = f.Laufwerk1->Drive();
        const int anderes = f.Laufwerk1->findData(laufwerk == QDir::rootPath() ? QDir::homePath() : QDir::rootPath());
        if (anderes < 0 || laufwerk == QDir::homePath())
            QSKIP("No second drive to switch to.");
        f.Laufwerk1->setCurrentIndex(anderes);
        QCOMPARE(f.Verzeichnis1->Path(), QDir::cleanPath(f.Laufwerk1->Drive()));
        // Back on the first drive: its current folder is where the browser was.
        f.Laufwerk1->setCurrentIndex(f.Laufwerk1->findData(laufwerk));
        QCOMPARE(f.Verzeichnis1->Path(), ordner);
        QCOMPARE(t.boxen.anzahl(), 0);
    }
};

QTEST_MAIN(TestDateibrowser)
#include "tst_dateibrowser.moc"
