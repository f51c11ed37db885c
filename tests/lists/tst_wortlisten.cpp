// Word lists: the file browser, loading a list into the trainer and saving the editor list.
#include "support/Testprogramm.h"

#include "ui/Dateibrowser.h"
#include "ui/Twips.h"
#include "windows/Form8.h"

#include <QDir>
#include <QListView>
#include <QTest>

/// A word list's bytes, loaded by hand or at start-up; the words read, those asked, the box and the settings' line.
struct Laden { QByteArray inhalt; bool beimStart; QStringList woerter, fragbar; QString meldung, zeile; };
Q_DECLARE_METATYPE(Laden)

class TestWortlisten : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    /// The list sorted, the task cycle afresh, a box for the teacher only by hand, the finding in the settings.
    void laden_data()
    {
        QTest::addColumn<Laden>("l");
        const QString kopf = u("Die Liste wurde geladen. Bitte prüfen Sie:\r");
        QTest::newRow("UTF-8 mit Emoji, doppelt")
            << Laden{"Haus\xF0\x9F\x98\x80\r\nMaus\r\nMaus\r\n", false, {"Haus😀", "Maus", "Maus"}, {"Maus"},
                     kopf + u("- 1 Wort lässt sich auf einer deutschen Tastatur nicht bis zum Ende tippen und wird nicht abgefragt: \"Haus😀\"\r"
                              "- 1 Wort steht ein zweites Mal in der Liste (gleich oder in anderer Groß- und Kleinschreibung): \"Maus\"\r"),
                     u("Wortliste: 1 Wort nicht tippbar, nicht abgefragt: \"Haus😀\"; 1 Wort doppelt: \"Maus\"")};
        QTest::newRow("nur leere Zeilen") << Laden{"\r\n\r\n\r\n", false, {}, {}, {}, {}};
        QTest::newRow("beim Start nichts tippbar")
            << Laden{"x\xF0\x9F\x98\x80\r\ny\xF0\x9F\x90\xAD\r\n", true, {"x😀", "y🐭"}, {}, {},
                     u("Wortliste: 2 Wörter nicht tippbar, nicht abgefragt: \"x😀\", \"y🐭\"")};
    }
    void laden()
    {
        QFETCH(Laden, l);
        const auto &[inhalt, beimStart, woerter, fragbar, meldung, zeile] = l;
        Testprogramm t(1, false);
        if (beimStart)
            t.datei("LISTE.TXT", inhalt);
        t.start();
        if (!beimStart) {
            t.datei("LISTE.TXT", inhalt);
            t.m().Uebung = 5;
            t.m().Eingabe = t.m().Loesungswort.left(2);
            if (!meldung.isEmpty())
                t.boxen.ok();
            t.f1().Bild6_Click();  // the browser reads the folder as it opens
            t.f1().Datei1->setListIndex(0);
        }
        QCOMPARE(t.boxen.anzahl(), meldung.isEmpty() ? 0 : 1);
        if (!meldung.isEmpty())
            pruefeBox(t.boxen, meldung, u("LISTE.TXT"), Knoepfe::OK, Symbol::Information);
        QCOMPARE(t.f1().Liste1->eintraege(), woerter);
        QCOMPARE(t.f1().Caption(), u("T i p p o l o ( %1 Wörter )").arg(woerter.size()));
        QVERIFY(t.m().Uebung == 13 && !t.f1().Bild8->isVisible() && t.m().Eingabe.isEmpty());
        QCOMPARE(t.m().Benutzt.size(), woerter.size());
        // Words that cannot be typed are never asked, in any number of draws.
        for (int i = 0; i < 10; ++i, t.m().Leeren(), t.m().NaechsteAufgabe())
            QVERIFY(fragbar.isEmpty() ? t.m().Loesungswort.isEmpty() : fragbar.contains(t.m().Loesungswort));
        t.programm->form8().Form_Activate();
        QCOMPARE(t.programm->form8().Listenhinweis->Caption(), zeile);
    }
    void startLaedtErsteDatei()
    {
        Testprogramm t(3, false);
        QStringList zeilen;
        for (int i = 0; i < 1500; ++i)
            zeilen << u("Wort%1").arg(i);
        t.datei("b.txt", "Eins\r\nZwei\r\n");
        t.datei("c.txt.Txt", "Drei\r\n");
        t.datei("A.TXT", zeilen.join("\r\n").toLatin1() + "\r\n");
        for (const char *name : {"C.DOC", "TXT", "x.txt.bak", ".TX"})
            t.datei(QString::fromLatin1(name), "Nein\r\n");
        QDir(t.programm->arbeitsordner()).mkdir("ordner.txt");
        t.start();
        QCOMPARE(t.f1().Datei1->eintraege(), (QStringList{"A.TXT", "b.txt", "c.txt.Txt"}));
        QCOMPARE(titel(&t.f1(), t.f1().Bezeichnung8), (QStringList{u("T i p p o l o ( 1500 Wörter )"), u("Großschrift")}));
        // Loaded once at step 8 and drawn again at step 9.
        QCOMPARE(t.m().Benutzt.count(QLatin1Char('1')), 2);
        // A file gone since the file list was read, or nothing selected: the standard list.
        QVERIFY(QFile::remove(t.programm->datei("b.txt")));
        t.f1().Datei1->setListIndex(1);
        QCOMPARE(t.f1().Caption(), u("T i p p o l o ( 20 Wörter )"));
        t.liste({"Haus"});
        t.f1().Datei1->setListIndex(-1);
        t.f1().Datei1_Click();
        QCOMPARE(t.f1().Liste1->ListCount(), 20);
    }
    /// The browser's boxes and folders; the editor list is saved in the working folder, whatever the browser shows.
    void dateibrowserUndSpeichern()
    {
        Testprogramm t;
        Form1 &f = t.f1();
        // Locked, the file list takes the place of the boxes; the grey state leaves them as they were.
        const struct { int sperre; bool boxen; int hoehe; } schritte[] = {{0, true, 3150}, {1, false, 6075}, {2, false, 6075}};
        for (const auto &s : schritte) {
            t.programm->form8().Kontroll1->setValue(s.sperre);
            f.Bild6_Click();
            QVERIFY(f.Bild8->isVisible() && f.Laufwerk1->isVisible() == s.boxen && f.Verzeichnis1->isVisible() == s.boxen);
            QCOMPARE(Twips::hoehe(f.Datei1->view()), s.hoehe);
            f.Bild6_Click();
            QVERIFY(!f.Bild8->isVisible());
        }
        // The drive of the working folder is picked.
        QVERIFY(QDir::cleanPath(t.programm->arbeitsordner()).startsWith(f.Laufwerk1->Drive()));
        // New folders are offered at the next opening and open on a click, showing only their lists; German names.
        QVERIFY(QDir(t.programm->arbeitsordner()).mkdir(u("Neu")) && QDir(t.programm->arbeitsordner()).mkdir("Listen") &&
                QFile(t.programm->datei("Listen/TIERE.DOC")).open(QIODevice::WriteOnly));
        t.datei("Listen/TIERE.TXT", "Katze\r\nHund\r\n");
        t.datei(u("Listen/äpfel.txt"), "Apfel\r\n");
        f.Bild6_Click();
        const QStringList ordner = f.Verzeichnis1->eintraege();
        QVERIFY(ordner.constLast().endsWith(u("▸ Neu")) && ordner.at(ordner.size() - 2).endsWith(u("▸ Listen")));
        const qsizetype tiefe = ordner.indexOf(QRegularExpression(u(" *▸ .*")));  // the open folders, one step in each
        for (qsizetype i = 0; i < ordner.size(); ++i)
            QVERIFY(ordner.at(i).startsWith(QString(2 * std::min(i, tiefe), ' ') + (i < tiefe ? u("▾ ") : u("▸ "))));
        QCOMPARE((QStringList{f.Laufwerk1->itemText(0), f.Laufwerk1->itemText(1)}), (QStringList{u("Dateisystem  /"), u("Persönlicher Ordner")}));
        klicke(f.Verzeichnis1, int(ordner.size()) - 2);
        QCOMPARE(QStringList{f.Verzeichnis1->Text().trimmed()} + f.Datei1->eintraege(), (QStringList{u("▾ Listen"), u("äpfel.txt"), "TIERE.TXT"}));
        t.f1().Datei1->setListIndex(1);
        QCOMPARE(t.f1().Liste1->eintraege(), (QStringList{"Hund", "Katze"}));
        f.Laufwerk1->setCurrentIndex(1);  // a drive that is ready: no box
        t.boxen.tippe(t.f1().Bezeichnung8->Caption()); // unlocks the editor
        t.f1().Bild5_Click();
        Form8 &e = t.programm->form8();
        t.boxen.tippe("meine");  // saved under the name as typed, without an ending
        t.boxen.ok();
        e.Bild5_Click();
        pruefeEingabe(t.boxen, 1, u("Name der Datei:"), u("Liste speichern"), u("TIPPOLO.TXT"));
        pruefeBox(t.boxen, u("Liste wurde gespeichert!"), u("meine"), Knoepfe::OK, Symbol::Information);
        QCOMPARE(t.lesen("meine"), QByteArray("Hund\r\nKatze\r\n"));
        QCOMPARE(QDir(t.programm->arbeitsordner()).entryList(QDir::Files), (QStringList{"meine", "TIPPOLO.INI"}));
        e.Liste2->Clear();
        t.boxen.ok();
        e.Bild5_Click();
        pruefeBox(t.boxen, u("Keine Einträge vorhanden!"), u("Liste speichern"), Knoepfe::OK, Symbol::Information);
    }
};

QTEST_MAIN(TestWortlisten)
#include "tst_wortlisten.moc"
