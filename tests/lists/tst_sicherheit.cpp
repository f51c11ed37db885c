#include "games/Bestenliste.h"
#include "lists/Form8.h"
#include "support/EngerRaum.h"
#include "support/Testprogramm.h"
#include "ui/Liste.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <sys/stat.h>

/// Saving and starting on a real small disk that is full or read-only, and
/// files that are links or no regular files: the old file always stays, and
/// the message says why in German.

namespace {

const QByteArray kAlteEinstellungen =
    " 30 \r\nComic Sans MS\r\nArial\r\nArial\r\nArial\r\nArial\r\nArial\r\nArial\r\nArial\r\n 1 \r\n";
const QByteArray kStandard = " 20 \r\nArial\r\nArial\r\nArial\r\nArial\r\nArial\r\nArial\r\nArial\r\nArial\r\n 0 \r\n";

bool fifo(const QString &pfad)
{
    struct stat st;
    return ::lstat(QFile::encodeName(pfad).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

/// The file names of the working folder, without the disk's filler.
QStringList eintraege(const QString &ordner)
{
    QStringList l = QDir(ordner).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    l.removeAll(QStringLiteral("FUELLUNG"));
    l.sort();
    return l;
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
    void init()
    {
        QVERIFY2(m_ohneMounts.isEmpty(), qPrintable(u("No mount namespace of our own: ") + m_ohneMounts));
    }

    /// Each of the three kinds of file, saved with room to spare, on a full
    /// disk, on a read-only disk, as a link and as a pipe.
    void speichern_data()
    {
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("lage");
        QTest::addColumn<QString>("grund");
        const QString voll = u("Auf dem Datenträger ist nicht genug Platz frei.");
        const QString nurLesbar = u("Der Datenträger ist schreibgeschützt.");
        const QString link = u("An ihrer Stelle steht eine Verknüpfung; das Programm schreibt nicht durch Verknüpfungen.");
        const QString fifo = u("Sie ist keine gewöhnliche Datei (sondern zum Beispiel ein Gerät).");
        for (const char *art : {"Liste", "Einstellungen", "Bestenliste"}) {
            QTest::addRow("%s, Platz frei", art) << u(art) << u("frei") << QString();
            QTest::addRow("%s, Platte voll", art) << u(art) << u("voll") << voll;
            QTest::addRow("%s, schreibgeschützt", art) << u(art) << u("nurLesbar") << nurLesbar;
            QTest::addRow("%s, Verknüpfung", art) << u(art) << u("Verknuepfung") << link;
            QTest::addRow("%s, Pipe", art) << u(art) << u("Pipe") << fifo;
        }
    }
    void speichern()
    {
        QFETCH(QString, art);
        QFETCH(QString, lage);
        QFETCH(QString, grund);
        Testprogramm t(1, false);
        EngerRaum raum(t.ordner.path());
        QVERIFY2(raum.fehler().isEmpty(), qPrintable(raum.fehler()));

        const QString name = art == u("Liste") ? u("LISTE.TXT") : art == u("Einstellungen") ? u("TIPPOLO.INI") : u("BESTHANG.LST");
        const QByteArray alt = art == u("Liste") ? QByteArray("alt\r\n")
                               : art == u("Einstellungen") ? kAlteEinstellungen
                                                            : QByteArray("0003  Ida\r\n");
        const QString pfad = t.programm->datei(name);
        if (art != u("Einstellungen"))
            t.datei(u("TIPPOLO.INI"), kAlteEinstellungen);
        if (lage == u("Verknuepfung")) {
            t.datei(u("ziel.dat"), alt);
            QVERIFY(QFile::link(u("ziel.dat"), pfad));
        } else if (lage == u("Pipe")) {
            QCOMPARE(::mkfifo(QFile::encodeName(pfad).constData(), 0644), 0);
            if (art == u("Einstellungen"))
                t.boxen.ok(); // a pipe in place of the settings is not read at start
        } else {
            t.datei(name, alt);
        }
        t.start();
        if (lage == u("voll"))
            QVERIFY(raum.fuellen());
        if (lage == u("nurLesbar"))
            QVERIFY(raum.nurLesbar());
        const int vorher = t.boxen.anzahl();

        Form8 &e = t.programm->form8();
        QString text, titel;
        if (art == u("Liste")) {
            e.Liste2->Clear();
            e.Liste2->addItems({u("neu")});
            t.boxen.tippe(name);
            t.boxen.ja();
            t.boxen.ok();
            e.Bild5_Click();
            pruefeFrage(t.boxen, u("Vorhandene Datei ersetzen?"), name, vorher + 1);
            titel = grund.isEmpty() ? name : u("Liste speichern");
            text = grund.isEmpty() ? u("Liste wurde gespeichert!")
                                   : u("Die Datei \"LISTE.TXT\" konnte nicht gespeichert werden.\r%1\r"
                                       "Die Liste wurde nicht gespeichert.").arg(grund);
        } else if (art == u("Einstellungen")) {
            e.Bezeichnung2->setFontName(u("Courier"));
            e.Bezeichnung5_Click(); // Anzeigeschrift := Courier
            t.boxen.ok();
            e.Bild2_Click();
            titel = u("Einstellungen");
            text = grund.isEmpty() ? u("Daten wurden gespeichert!")
                                   : u("Die Datei \"TIPPOLO.INI\" konnte nicht gespeichert werden.\r%1\r"
                                       "Die Einstellungen wurden nicht gespeichert.").arg(grund);
        } else {
            Liste liste(nullptr, u("Liste2"));
            liste.addItems({u("0003  Ida"), u("0001  Neu")});
            if (!grund.isEmpty())
                t.boxen.ok();
            BestenlisteSichern(*t.programm, name, &liste, u("Galgenspiel"));
            titel = u("Galgenspiel");
            text = u("Die Bestenliste konnte nicht gespeichert werden.\rDie Datei \"BESTHANG.LST\" konnte nicht "
                     "gespeichert werden.\r%1\r").arg(grund);
        }
        QCOMPARE(t.boxen.offeneAntworten(), 0);
        if (art != u("Bestenliste") || !grund.isEmpty())
            pruefeBox(t.boxen, text, titel, Knoepfe::OK,
                      grund.isEmpty() ? (art == u("Liste") ? Symbol::Information : Symbol::Keins) : Symbol::Stop);

        const QByteArray neu = art == u("Liste") ? QByteArray("neu\r\n")
                               : art == u("Einstellungen")
                                   ? QByteArray(" 30 \r\nCourier\r\nArial\r\nArial\r\nArial\r\nArial\r\nArial\r\nArial\r\nArial\r\n 1 \r\n")
                                   : QByteArray("0001  Neu\r\n0003  Ida\r\n");
        if (lage == u("Verknuepfung")) {
            QCOMPARE(QFileInfo(pfad).symLinkTarget(), t.programm->datei(u("ziel.dat")));
            QCOMPARE(t.lesen(u("ziel.dat")), alt);
        } else if (lage == u("Pipe")) {
            QVERIFY(fifo(pfad));
        } else {
            QCOMPARE(t.lesen(name), grund.isEmpty() ? neu : alt);
        }
        // No half-written copy is left behind.
        QStringList erwartet{name, u("TIPPOLO.INI")};
        if (lage == u("Verknuepfung"))
            erwartet << u("ziel.dat");
        erwartet.removeDuplicates();
        erwartet.sort();
        QCOMPARE(eintraege(t.ordner.path()), erwartet);
    }

    /// The start with a settings file that is missing or damaged, on a disk
    /// that cannot take the new one: the old file stays, the program runs with
    /// the defaults and says so once.
    void startOhnePlatz_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("lage");
        QTest::addColumn<QString>("text");
        const QString standard = u("\rDas Programm arbeitet mit den Standardeinstellungen.");
        QTest::newRow("fehlt, Platte voll")
            << QByteArray() << u("voll")
            << u("Die Datei \"TIPPOLO.INI\" konnte nicht gespeichert werden.\r"
                 "Auf dem Datenträger ist nicht genug Platz frei.") + standard;
        QTest::newRow("fehlt, schreibgeschützt")
            << QByteArray() << u("nurLesbar")
            << u("Die Datei \"TIPPOLO.INI\" konnte nicht gespeichert werden.\rDer Datenträger ist schreibgeschützt.") +
                   standard;
        QTest::newRow("beschädigt, Platte voll")
            << QByteArray(" 30 \r\nComic Sans MS\r\n") << u("voll")
            << u("Die Datei \"TIPPOLO.INI.alt\" konnte nicht gespeichert werden.\r"
                 "Auf dem Datenträger ist nicht genug Platz frei.\r"
                 "Die beschädigte Datei \"TIPPOLO.INI\" bleibt deshalb unverändert.") + standard;
        QTest::newRow("beschädigt, schreibgeschützt")
            << QByteArray(" 30 \r\nComic Sans MS\r\n 9 \r\n") << u("nurLesbar")
            << u("Die Datei \"TIPPOLO.INI.alt\" konnte nicht gespeichert werden.\r"
                 "Der Datenträger ist schreibgeschützt.\r"
                 "Die beschädigte Datei \"TIPPOLO.INI\" bleibt deshalb unverändert.") + standard;
    }
    void startOhnePlatz()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, lage);
        QFETCH(QString, text);
        Testprogramm t(1, false);
        EngerRaum raum(t.ordner.path());
        QVERIFY2(raum.fehler().isEmpty(), qPrintable(raum.fehler()));
        if (!inhalt.isEmpty())
            t.datei(u("TIPPOLO.INI"), inhalt);
        QVERIFY(lage == u("voll") ? raum.fuellen() : raum.nurLesbar());
        t.boxen.ok();
        t.start();
        QCOMPARE(t.boxen.anzahl(), 1);
        pruefeBox(t.boxen, text, u("Einstellungen"), Knoepfe::OK, Symbol::Information);
        QCOMPARE(QFile::exists(t.programm->datei(u("TIPPOLO.INI"))), !inhalt.isEmpty());
        QCOMPARE(t.lesen(u("TIPPOLO.INI")), inhalt);
        QVERIFY(!QFile::exists(t.programm->datei(u("TIPPOLO.INI.alt"))));
        QCOMPARE(t.m().Wortmenge, 20);
        QCOMPARE(t.programm->form8().Anzeigeschrift(), u("Arial"));
        // The program goes on: a word is asked.
        QVERIFY(!t.m().Loesungswort.isEmpty());
    }

    /// Saved bytes are the bytes on disk, up to the last one that fits.
    void speichernBisZumRand()
    {
        Testprogramm t(1, false);
        EngerRaum raum(t.ordner.path(), 16);
        QVERIFY2(raum.fehler().isEmpty(), qPrintable(raum.fehler()));
        t.datei(u("TIPPOLO.INI"), kStandard);
        t.start();
        Form8 &e = t.programm->form8();
        // 16 KiB hold four pages: the INI takes one, so 12 KiB fit and 13 do not.
        for (int kib : {12, 13}) {
            QStringList woerter;
            for (int i = 0; i < kib * 1024 / 8; ++i)
                woerter << u("Wort%1").arg(1000 + i).left(6);
            e.Liste2->Clear();
            e.Liste2->addItems(woerter);
            t.boxen.tippe(u("GROSS.TXT"));
            if (kib == 13)
                t.boxen.ja();
            t.boxen.ok();
            e.Bild5_Click();
            QCOMPARE(t.boxen.letzte().symbol, kib == 12 ? Symbol::Information : Symbol::Stop);
            QCOMPARE(t.lesen(u("GROSS.TXT")).size(), 12 * 1024);
        }
    }
};

int main(int argc, char **argv)
{
    // Before Qt starts any thread.
    const QString ohneMounts = EngerRaum::eigeneMounts();
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestSicherheit test(ohneMounts);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sicherheit.moc"
