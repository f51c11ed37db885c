#include "games/Bestenliste.h"
#include "lists/Arbeitsordner.h"
#include "lists/Dateien.h"
#include "lists/Form8.h"
#include "support/EngerRaum.h"
#include "support/Testprogramm.h"
#include "ui/Dateibrowser.h"
#include "ui/Liste.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

/// Files on full and read-only disks (a real tmpfs), links, devices, pipes
/// and odd names: the old file always stays, and the message says why in German.

namespace {

const QByteArray kIni = " 30 \r\nCourier\r\nArial\r\nArial\r\nArial\r\nArial\r\nArial\r\nArial\r\nArial\r\n 1 \r\n";
const QString kPlatz = QStringLiteral("Auf dem Datenträger ist nicht genug Platz frei.");
const QString kNurLesbar = QStringLiteral("Der Datenträger ist schreibgeschützt.");
const QString kKeineDatei = QStringLiteral("Sie ist keine gewöhnliche Datei (sondern zum Beispiel ein Gerät).");
const QString kOrdner = QStringLiteral("An ihrer Stelle steht ein Ordner.");
const QString kStandard = QStringLiteral("\rDas Programm arbeitet mit den Standardeinstellungen.");

/// Puts `lage` at `pfad`: "Pipe", "Ordner", "gross" (over 64 MB), else a link to `lage`.
bool anlegen(const QString &lage, const QString &pfad)
{
    const QByteArray n = QFile::encodeName(pfad);
    if (lage == u("Pipe"))
        return ::mkfifo(n.constData(), 0644) == 0;
    if (lage == u("Ordner"))
        return QDir().mkdir(pfad);
    if (lage == u("gross"))
        return dateiSchreiben(pfad, "Haus") && ::truncate(n.constData(), 64 * 1024 * 1024 + 1) == 0;
    return QFile::link(lage, pfad);
}

/// What stands at `pfad`: kind, link target and bytes.
QString art(const QString &pfad)
{
    struct stat st;
    if (::lstat(QFile::encodeName(pfad).constData(), &st) != 0)
        return u("fehlt");
    const bool klein = S_ISREG(st.st_mode) && st.st_size < 4096;
    return u("%1 %2 %3 %4").arg(st.st_mode & S_IFMT).arg(st.st_size).arg(QFile::symLinkTarget(pfad),
                                                                        klein ? QString::fromLatin1(dateiLesen(pfad)) : QString());
}

} // namespace

class TestSicherheit : public QObject
{
    Q_OBJECT
public:
    explicit TestSicherheit(const QString &ohneMounts) : m_ohneMounts(ohneMounts) {}

private:
    QString m_ohneMounts;

private Q_SLOTS:
    void speichernScheitert_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("lage");
        QTest::addColumn<QString>("grund");
        const QString link = u("An ihrer Stelle steht eine Verknüpfung; das Programm schreibt nicht durch Verknüpfungen.");
        for (const char *datei : {"LISTE.TXT", "TIPPOLO.INI", "BESTHANG.LST"}) {
            QTest::addRow("%s, Platte voll", datei) << u(datei) << u("voll") << kPlatz;
            QTest::addRow("%s, schreibgeschützt", datei) << u(datei) << u("nurLesbar") << kNurLesbar;
            QTest::addRow("%s, Verknüpfung", datei) << u(datei) << u("ziel.dat") << link;
            QTest::addRow("%s, Pipe", datei) << u(datei) << u("Pipe") << kKeineDatei;
            QTest::addRow("%s, Ordner", datei) << u(datei) << u("Ordner") << kOrdner;
        }
    }
    void speichernScheitert()
    {
        QFETCH(QString, datei);
        QFETCH(QString, lage);
        QFETCH(QString, grund);
        QVERIFY2(m_ohneMounts.isEmpty(), qPrintable(m_ohneMounts));
        Testprogramm t(1, false);
        EngerRaum raum(t.ordner.path());
        QVERIFY(raum.eingehaengt());
        const QString pfad = t.programm->datei(datei);
        t.datei(u("TIPPOLO.INI"), kIni);
        t.datei(lage == u("ziel.dat") ? lage : datei, datei == u("TIPPOLO.INI") ? kIni : QByteArray("0003  Ida\r\n"));
        if (lage == u("ziel.dat") || lage == u("Pipe") || lage == u("Ordner")) {
            QFile::remove(pfad);
            QVERIFY(anlegen(lage, pfad));
        }
        if (datei == u("TIPPOLO.INI") && (lage == u("Pipe") || lage == u("Ordner")))
            t.boxen.ok(); // not read at start either
        t.start();
        QVERIFY(lage != u("voll") || raum.fuellen());
        QVERIFY(lage != u("nurLesbar") || raum.nurLesbar());
        const QString vorher = art(pfad), ziel = art(t.programm->datei(u("ziel.dat")));
        Form8 &e = t.programm->form8();
        Liste liste(nullptr, u("Liste2"));
        liste.addItems({u("0001  Neu")});
        QString text = u("Die Datei \"%1\" konnte nicht gespeichert werden.\r%2").arg(datei, grund), titel;
        if (datei == u("LISTE.TXT")) {
            e.Liste2->addItems({u("neu")});
            t.boxen.tippe(datei);
            t.boxen.ja();
            t.boxen.ok();
            e.Bild5_Click();
            text += u("\rDie Liste wurde nicht gespeichert.");
            titel = u("Liste speichern");
        } else if (datei == u("TIPPOLO.INI")) {
            t.boxen.ok();
            e.Bild2_Click();
            text += u("\rDie Einstellungen wurden nicht gespeichert.");
            titel = u("Einstellungen");
        } else {
            t.boxen.ok();
            BestenlisteSichern(*t.programm, datei, &liste, u("Galgenspiel"));
            text = u("Die Bestenliste konnte nicht gespeichert werden.\r") + text + u("\r");
            titel = u("Galgenspiel");
        }
        pruefeBox(t.boxen, text, titel, Knoepfe::OK, Symbol::Stop);
        QCOMPARE(t.boxen.offeneAntworten(), 0);
        QCOMPARE(art(pfad), vorher);
        QCOMPARE(art(t.programm->datei(u("ziel.dat"))), ziel);
        // No half-written copy is left behind.
        QCOMPARE(QDir(t.ordner.path()).entryList({u("*.TXT*"), u("*.INI*"), u("*.LST*")}, QDir::AllEntries | QDir::System).size(),
                 datei == u("TIPPOLO.INI") ? 1 : 2);
    }

    /// The settings at start: a file that is there but cannot be read stays
    /// as it is, and a disk that cannot take the copy of a damaged file or
    /// the new file leaves the old ones.
    void einstellungenBeimStart_data()
    {
        QTest::addColumn<QString>("lage");
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("text");
        const QString unlesbar = u("Die Datei \"TIPPOLO.INI\" konnte nicht gelesen werden.\r%1\rDie Datei bleibt unverändert.") + kStandard;
        const QString kopie = u("Die Datei \"TIPPOLO.INI.alt\" konnte nicht gespeichert werden.\r%1\r"
                                "Die beschädigte Datei \"TIPPOLO.INI\" bleibt deshalb unverändert.") + kStandard;
        QTest::newRow("Ordner") << u("Ordner") << QByteArray() << unlesbar.arg(kOrdner);
        QTest::newRow("Gerät ohne Ende") << u("/dev/zero") << QByteArray() << unlesbar.arg(kKeineDatei);
        QTest::newRow("über 64 MB") << u("gross") << QByteArray() << unlesbar.arg(u("Sie ist größer als 64 MB."));
        QTest::newRow("beschädigt, Platte voll") << u("voll") << QByteArray(" 30 \r\nLateinaus\r\n") << kopie.arg(kPlatz);
        QTest::newRow("fehlt, Platte voll") << u("voll") << QByteArray()
                                            << u("Die Datei \"TIPPOLO.INI\" konnte nicht gespeichert werden.\r") + kPlatz + kStandard;
    }
    void einstellungenBeimStart()
    {
        QFETCH(QString, lage);
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, text);
        QVERIFY2(m_ohneMounts.isEmpty(), qPrintable(m_ohneMounts));
        Testprogramm t(1, false);
        EngerRaum raum(t.ordner.path());
        QVERIFY(raum.eingehaengt());
        const QString pfad = t.programm->datei(u("TIPPOLO.INI"));
        t.datei(u("TIPPOLO.INI.alt"), "ganz alt");
        if (!inhalt.isEmpty())
            t.datei(u("TIPPOLO.INI"), inhalt);
        else if (lage != u("voll"))
            QVERIFY(anlegen(lage, pfad));
        QVERIFY(lage != u("voll") || raum.fuellen());
        const QString vorher = art(pfad);
        t.boxen.ok();
        t.start();
        QCOMPARE(t.boxen.anzahl(), 1);
        pruefeBox(t.boxen, text, u("Einstellungen"), Knoepfe::OK, Symbol::Information);
        QCOMPARE(art(pfad), vorher);
        QCOMPARE(t.lesen(u("TIPPOLO.INI.alt")), QByteArray("ganz alt"));
        QCOMPARE((QList<QVariant>{t.m().Wortmenge, t.programm->form8().Anzeigeschrift()}), (QList<QVariant>{20, u("Arial")}));
    }

    void arbeitsordnerPruefen()
    {
        QVERIFY2(m_ohneMounts.isEmpty(), qPrintable(m_ohneMounts));
        using Arbeitsordner::Zustand;
        QTemporaryDir tmp;
        const QString neu = tmp.filePath(u("a/b/tippolo")), datei = tmp.filePath(u("datei"));
        QVERIFY(dateiSchreiben(datei, "x"));
        QCOMPARE(Arbeitsordner::pruefen(neu, false), Zustand::Fehlt);
        QCOMPARE(Arbeitsordner::pruefen(datei, true), Zustand::Fehlt);
        QCOMPARE(Arbeitsordner::pruefen(neu, true), Zustand::Beschreibbar);
        QVERIFY(QDir(neu).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)); // the probe is gone
        EngerRaum raum(neu);
        QVERIFY(raum.eingehaengt() && raum.nurLesbar());
        QCOMPARE(Arbeitsordner::pruefen(neu, true), Zustand::NichtBeschreibbar);
    }

    void nameAbgelehnt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("grund");
        const QString strich = u("Der Name \"%1\" enthält einen Schrägstrich. Listen werden nur im Arbeitsordner "
                                 "gespeichert; bitte nur den Namen der Datei eingeben.");
        const QString eigene = u("\"%1\" ist eine Datei des Programms selbst und kann nicht als Wortliste überschrieben werden.");
        QTest::newRow("Ordner darüber") << u("../x.TXT") << strich.arg(u("../x.TXT"));
        QTest::newRow("zwei Punkte") << u("..") << u("\"..\" ist kein Name für eine Datei.");
        QTest::newRow("nur Blanks") << u("   ") << u("Der Name besteht nur aus Leerzeichen.");
        QTest::newRow("Zeilenumbruch") << u("A\r\nB.TXT") << u("Der Name enthält ein Steuerzeichen (zum Beispiel einen Zeilenumbruch).");
        QTest::newRow("Einstellungen") << u("tippolo.ini") << eigene.arg(u("tippolo.ini"));
        QTest::newRow("Bestenliste") << u("BestSuch.lst") << eigene.arg(u("BestSuch.lst"));
    }
    void nameAbgelehnt()
    {
        QFETCH(QString, name);
        QFETCH(QString, grund);
        Testprogramm t;
        t.programm->form8().Liste2->addItems({u("Haus")});
        t.boxen.tippe(name);
        t.boxen.ok();
        t.programm->form8().Bild5_Click();
        pruefeBox(t.boxen, grund + u("\rDie Liste wurde nicht gespeichert."), u("Liste speichern"), Knoepfe::OK, Symbol::Stop);
        QCOMPARE(QDir(t.ordner.path()).entryList(QDir::Files), QStringList{u("TIPPOLO.INI")});
        // Nothing outside the working folder; a stray file is removed, so that it fails this run only.
        QVERIFY(!QFile::remove(t.ordner.filePath(u("../x.TXT"))));
    }

    /// A name in other capitals means the file the folder holds.
    void grossUndKleinDieselbeDatei()
    {
        Testprogramm t(1, false);
        t.datei(u("liste.txt"), "alt\r\n");
        t.start();
        t.programm->form8().Liste2->addItems({u("neu")});
        t.boxen.tippe(u("LISTE.TXT"));
        t.boxen.ja();
        t.boxen.ok();
        t.programm->form8().Bild5_Click();
        pruefeFrage(t.boxen, u("Vorhandene Datei ersetzen?"), u("LISTE.TXT"), 1);
        QCOMPARE(QDir(t.ordner.path()).entryList({u("*.txt")}), QStringList{u("liste.txt")});
        QCOMPARE(t.lesen(u("liste.txt")), QByteArray("neu\r\n"));
        // Answered No, the file stays as it is.
        t.programm->form8().Liste2->addItems({u("mehr")});
        t.boxen.tippe(u("Liste.txt"));
        t.boxen.nein();
        t.programm->form8().Bild5_Click();
        pruefeFrage(t.boxen, u("Vorhandene Datei ersetzen?"), u("Liste.txt"));
        QCOMPARE(t.lesen(u("liste.txt")), QByteArray("neu\r\n"));
    }

    /// Word lists that are no regular file or too large are refused; the list in use stays.
    void listeAbgelehnt_data()
    {
        QTest::addColumn<QString>("lage");
        QTest::addColumn<QString>("grund");
        QTest::newRow("über 64 MB") << u("gross") << u("Sie ist größer als 64 MB.");
        QTest::newRow("Gerät ohne Ende") << u("/dev/zero") << kKeineDatei;
    }
    void listeAbgelehnt()
    {
        QFETCH(QString, lage);
        QFETCH(QString, grund);
        Testprogramm t(1, false);
        t.datei(u("A.TXT"), "Haus\r\nMaus\r\n");
        t.datei(u("B.TXT"), "Baum\r\n");
        t.start();
        const QString wort = t.m().Loesungswort;
        // Swapped after the file list was read.
        QVERIFY(QFile::remove(t.programm->datei(u("B.TXT"))) && anlegen(lage, t.programm->datei(u("B.TXT"))));
        t.boxen.ok();
        t.f1().Datei1->setListIndex(1);
        pruefeBox(t.boxen, u("Die Datei \"B.TXT\" konnte nicht gelesen werden.\r%1\rDie bisherige Liste bleibt.").arg(grund),
                  u("Liste laden"), Knoepfe::OK, Symbol::Stop);
        QCOMPARE(t.f1().Liste1->eintraege(), (QStringList{u("Haus"), u("Maus")}));
        QCOMPARE((QStringList{t.f1().Caption(), t.m().Loesungswort}), (QStringList{u("T i p p o l o ( 2 Wörter )"), wort}));
    }

    /// A best list not read whole (here a read error; devices and files over
    /// 64 MB are refused for word lists above) is not saved over the file.
    void bestenlisteNichtGanz()
    {
        Testprogramm t;
        const QString pfad = t.programm->datei(u("BESTFANG.LST"));
        QVERIFY(anlegen(u("/proc/self/mem"), pfad));
        const QString vorher = art(pfad);
        Liste liste(nullptr, u("Liste1"));
        QVERIFY(!BestenlisteLaden(pfad, &liste));
        liste.AddItem(u("0005  Freund"));
        t.boxen.ok();
        BestenlisteSichern(*t.programm, u("BESTFANG.LST"), &liste, u("Wortfangen"), false);
        pruefeBox(t.boxen, u("Die Bestenliste \"BESTFANG.LST\" konnte nicht ganz gelesen werden und wird deshalb nicht gespeichert.\r"),
                  u("Wortfangen"), Knoepfe::OK, Symbol::Information);
        QCOMPARE(art(pfad), vorher);
    }

    /// A pasted player name loses its control characters; with nothing left, the name stays.
    void spielername()
    {
        Testprogramm t;
        for (const QString &eingabe : {u("Max\r\n0001  Betrug"), u("\r\n")}) {
            t.boxen.tippe(eingabe);
            t.f1().Bild23_Click();
            QCOMPARE(t.f1().Bezeichnung7->Caption(), u("Max0001  Betrug"));
        }
    }

    /// Qt's English system texts become German sentences (those of a full
    /// or read-only disk are met above, on a real one).
    void gruende()
    {
        const auto satz = [](int nummer) {
            return Dateien::grund(Dateien::Grund::System, Dateien::fehlernummer(qt_error_string(nummer)));
        };
        QCOMPARE((QStringList{satz(EACCES), satz(EISDIR)}), (QStringList{u("Das Programm hat dafür keine Berechtigung."), kOrdner}));
    }

    /// The drive box comes from the mount table alone: a hung network drive
    /// (whose folder does not even exist here) is listed without being asked.
    void laufwerke()
    {
        const QByteArray tabelle = "server:/schule /mnt/schule nfs4 rw,hard 0 0\nproc /proc proc rw 0 0\n"
                                   "tmpfs /run tmpfs rw 0 0\n/dev/sdc1 /media/USB\\040Stick vfat rw 0 0\n";
        QCOMPARE(Laufwerkliste::laufwerkeAus(tabelle),
                 (QStringList{QDir::rootPath(), QDir::homePath(), u("/mnt/schule"), u("/media/USB Stick")}));
        // Picking the first drive again does not add it a second time.
        Laufwerkliste box(nullptr, u("L"));
        const int n = box.count();
        box.setCurrentIndex(1);
        box.setDrive(QDir::rootPath());
        QVERIFY(n >= 2 && box.count() == n && box.currentIndex() == 0);
    }
};

int main(int argc, char **argv)
{
    const QString ohneMounts = EngerRaum::eigeneMounts(); // before Qt starts a thread
    QApplication app(argc, argv);
    TestSicherheit test(ohneMounts);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sicherheit.moc"
