#include "games/Bestenliste.h"
#include "lists/Dateien.h"
#include "lists/Form8.h"
#include "support/Testprogramm.h"
#include "ui/Dateibrowser.h"
#include "ui/Druckflaeche.h"
#include "ui/Liste.h"

#include <QDir>
#include <QFile>
#include <QTest>

/// The names files are saved under: a word list only in the working folder
/// and never over the program's own files, the worksheet never over an
/// earlier one, player names without line breaks.

namespace {

QStringList eintraege(const QString &ordner)
{
    QStringList l = QDir(ordner).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    l.sort();
    return l;
}

void listeSpeichern(Testprogramm &t, const QString &name)
{
    Form8 &e = t.programm->form8();
    e.Liste2->Clear();
    e.Liste2->addItems({u("Haus"), u("Maus")});
    t.boxen.tippe(name);
    e.Bild5_Click();
}

} // namespace

class TestDateinamen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void nameAbgelehnt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("grund");
        const QString strich = u("Der Name \"%1\" enthält einen Schrägstrich. Listen werden nur im Arbeitsordner "
                                 "gespeichert; bitte nur den Namen der Datei eingeben.");
        const QString steuer = u("Der Name enthält ein Steuerzeichen (zum Beispiel einen Zeilenumbruch).");
        const QString eigene = u("\"%1\" ist eine Datei des Programms selbst und kann nicht als Wortliste "
                                 "überschrieben werden.");
        QTest::newRow("Ordner darüber") << u("../x.TXT") << strich.arg(u("../x.TXT"));
        QTest::newRow("absoluter Pfad") << u("/tmp/x.TXT") << strich.arg(u("/tmp/x.TXT"));
        QTest::newRow("Unterordner") << u("sub/x.TXT") << strich.arg(u("sub/x.TXT"));
        QTest::newRow("Rückstrich") << u("..\\x.TXT") << strich.arg(u("..\\x.TXT"));
        QTest::newRow("zwei Punkte") << u("..") << u("\"..\" ist kein Name für eine Datei.");
        QTest::newRow("ein Punkt") << u(".") << u("\".\" ist kein Name für eine Datei.");
        QTest::newRow("nur Blanks") << u("   ") << u("Der Name besteht nur aus Leerzeichen.");
        QTest::newRow("Zeilenumbruch") << u("A\r\nB.TXT") << steuer;
        QTest::newRow("NUL") << QString::fromUtf8("X\0.TXT", 6) << steuer;
        QTest::newRow("Tabulator") << u("a\tb.TXT") << steuer;
        QTest::newRow("Einstellungen klein") << u("tippolo.ini") << eigene.arg(u("tippolo.ini"));
        QTest::newRow("Sicherung") << u("TIPPOLO.INI.alt") << eigene.arg(u("TIPPOLO.INI.alt"));
        QTest::newRow("Galgen") << u("BESTHANG.LST") << eigene.arg(u("BESTHANG.LST"));
        QTest::newRow("Gefängnis") << u("BestSuch.lst") << eigene.arg(u("BestSuch.lst"));
        QTest::newRow("Fangen") << u("BESTFANG.LST") << eigene.arg(u("BESTFANG.LST"));
        QTest::newRow("Arbeitsblatt") << u("Tippolo.Pdf") << eigene.arg(u("Tippolo.Pdf"));
    }
    void nameAbgelehnt()
    {
        QFETCH(QString, name);
        QFETCH(QString, grund);
        QTemporaryDir aussen;
        const QString ordner = aussen.filePath(u("arbeit"));
        QVERIFY(QDir().mkpath(ordner + u("/sub")));
        SkriptBoxen boxen;
        boxen.setStreng(true);
        Programm p(boxen, ordner);
        p.zufall().setFesterSeed(1);
        p.starten(false);
        const QByteArray ini = dateiLesen(p.datei(u("TIPPOLO.INI")));
        Form8 &e = p.form8();
        e.Liste2->Clear();
        e.Liste2->addItems({u("Haus")});
        boxen.tippe(name);
        boxen.ok();
        e.Bild5_Click();
        QCOMPARE(boxen.anzahl(), 2);
        pruefeBox(boxen, grund + u("\rDie Liste wurde nicht gespeichert."), u("Liste speichern"), Knoepfe::OK,
                  Symbol::Stop);
        // Nothing written, inside or outside the working folder.
        QCOMPARE(eintraege(ordner), (QStringList{u("TIPPOLO.INI"), u("sub")}));
        QCOMPARE(eintraege(ordner + u("/sub")), QStringList());
        QCOMPARE(eintraege(aussen.path()), QStringList{u("arbeit")});
        QVERIFY(!QFile::exists(u("/tmp/x.TXT")));
        QCOMPARE(dateiLesen(p.datei(u("TIPPOLO.INI"))), ini);
    }

    /// Names that are fine as typed, odd as they look.
    void nameAngenommen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Punkte im Namen") << u("Meine..Liste.TXT");
        QTest::newRow("Blank vorn") << u(" Liste.TXT");
        QTest::newRow("Umlaut") << u("Wörter.TXT");
        QTest::newRow("ähnlich wie eigene") << u("TIPPOLO.INI.TXT");
    }
    void nameAngenommen()
    {
        QFETCH(QString, name);
        Testprogramm t;
        t.boxen.ok();
        listeSpeichern(t, name);
        pruefeBox(t.boxen, u("Liste wurde gespeichert!"), name, Knoepfe::OK, Symbol::Information);
        QCOMPARE(t.lesen(name), QByteArray("Haus\r\nMaus\r\n"));
    }

    /// A name in other capitals than the file in the folder means that
    /// file: asked about, and replaced rather than joined by a second file.
    void grossUndKleinDieselbeDatei_data()
    {
        QTest::addColumn<bool>("ersetzen");
        QTest::newRow("ja") << true;
        QTest::newRow("nein") << false;
    }
    void grossUndKleinDieselbeDatei()
    {
        QFETCH(bool, ersetzen);
        Testprogramm t(1, false);
        t.datei(u("liste.txt"), "alt\r\n");
        t.start();
        // The file list shows another folder, so only the folder itself knows the file.
        QTemporaryDir anderer;
        t.f1().Datei1->setPath(anderer.path());
        if (ersetzen) {
            t.boxen.ja();
            t.boxen.ok();
        } else {
            t.boxen.nein();
        }
        listeSpeichern(t, u("LISTE.TXT"));
        pruefeFrage(t.boxen, u("Vorhandene Datei ersetzen?"), u("LISTE.TXT"), 1);
        QCOMPARE(t.lesen(u("liste.txt")), ersetzen ? QByteArray("Haus\r\nMaus\r\n") : QByteArray("alt\r\n"));
        QVERIFY(!eintraege(t.ordner.path()).contains(u("LISTE.TXT")));
    }

    /// Without a printer the worksheet goes to the first free name; an
    /// earlier worksheet (in any capitals, or a link) is never replaced.
    void pdfName_data()
    {
        QTest::addColumn<QStringList>("vorhanden");
        QTest::addColumn<QString>("name");
        QTest::newRow("keine") << QStringList() << u("TIPPOLO.PDF");
        QTest::newRow("eine") << QStringList{u("TIPPOLO.PDF")} << u("TIPPOLO-2.PDF");
        QTest::newRow("klein geschrieben") << QStringList{u("tippolo.pdf")} << u("TIPPOLO-2.PDF");
        QTest::newRow("zwei") << QStringList{u("TIPPOLO.PDF"), u("Tippolo-2.pdf")} << u("TIPPOLO-3.PDF");
        QTest::newRow("Lücke") << QStringList{u("TIPPOLO.PDF"), u("TIPPOLO-3.PDF")} << u("TIPPOLO-2.PDF");
        QTest::newRow("Verknüpfung") << QStringList{u("TIPPOLO.PDF>")} << u("TIPPOLO-2.PDF");
    }
    void pdfName()
    {
        QFETCH(QStringList, vorhanden);
        QFETCH(QString, name);
        Testprogramm t;
        for (const QString &v : vorhanden) {
            if (v.endsWith(u(">")))
                QVERIFY(QFile::link(u("/dev/null"), t.programm->datei(v.chopped(1))));
            else
                t.datei(v, "alt");
        }
        t.programm->druckflaeche = [] { return std::unique_ptr<Druckflaeche>(); };
        t.boxen.ja();
        t.boxen.ja();
        t.boxen.ok();
        t.f1().Bild14_Click();
        const QString titel = u("Drucken:  Großschrift");
        pruefeFrage(t.boxen, u("Es ist kein Drucker eingerichtet.\rSoll das Arbeitsblatt stattdessen als PDF-Datei "
                               "\"%1\" im Arbeitsordner gespeichert werden?\r").arg(name), titel, 1);
        const QString pfad = t.programm->datei(name);
        pruefeBox(t.boxen, u("Das Arbeitsblatt wurde als PDF-Datei gespeichert:\r%1\r").arg(QDir::toNativeSeparators(pfad)),
                  titel, Knoepfe::OK, Symbol::Information);
        QVERIFY(t.lesen(name).startsWith("%PDF"));
        for (const QString &v : vorhanden)
            if (!v.endsWith(u(">")))
                QCOMPARE(t.lesen(v), QByteArray("alt"));
        QCOMPARE(eintraege(t.ordner.path()).size(), vorhanden.size() + 2); // and TIPPOLO.INI
    }

    /// A pasted name loses its control characters, so a best list gets one
    /// line per win.
    void spielername_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("name");
        QTest::newRow("CR LF") << u("Max\r\n0001  Betrug") << u("Max0001  Betrug");
        QTest::newRow("nur LF") << u("Ida\n") << u("Ida");
        QTest::newRow("NUL") << QString::fromUtf8("Li\0na", 5) << u("Lina");
        QTest::newRow("Tabulator und Umlaut") << u("Jö\trg") << u("Jörg");
        QTest::newRow("Zeilentrenner") << u("Ali\u2028Baba") << u("AliBaba");
        QTest::newRow("nur Steuerzeichen") << u("\r\n") << u("Freund");
        QTest::newRow("Blanks bleiben") << u(" Tom ") << u(" Tom ");
    }
    void spielername()
    {
        QFETCH(QString, eingabe);
        QFETCH(QString, name);
        Testprogramm t;
        t.boxen.tippe(eingabe);
        t.f1().Bild23_Click();
        QCOMPARE(t.f1().Bezeichnung7->Caption(), name);
        Liste liste(nullptr, u("Liste1"));
        liste.AddItem(BestenEintrag(5, t.f1().Bezeichnung7->Caption()));
        BestenlisteSichern(*t.programm, u("BESTFANG.LST"), &liste, u("Wortfangen"));
        QByteArray zeile;
        QVERIFY(Dateien::kodieren(u("0005  ") + name + u("\r\n"), zeile));
        QCOMPARE(t.lesen(u("BESTFANG.LST")), zeile);
    }

    /// A control character that reaches a best-list entry some other way
    /// is written as "?", never as a line end.
    void steuerzeichenInDerBestenliste()
    {
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(u("BESTSUCH.LST"));
        Liste liste(nullptr, u("Liste1"));
        liste.addItems({u("0002  A\r\n0001  B"), QString::fromUtf8("0003  C\0D", 9)});
        QVERIFY(BestenlisteSpeichern(datei, &liste));
        QCOMPARE(dateiLesen(datei), QByteArray("0002  A??0001  B\r\n0003  C?D\r\n"));
    }
};

QTEST_MAIN(TestDateinamen)
#include "tst_dateinamen.moc"
