#include "lists/Dateien.h"
#include "lists/Form8.h"
#include "support/Testprogramm.h"
#include "ui/Dateibrowser.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

/// Reading with a limit: devices, pipes, folders and huge files are refused
/// without being read; a settings file that is there but cannot be read is
/// left alone; a damaged one is kept as a copy before it is replaced.

namespace {

const QByteArray kStandard =
    " 20 \r\nArial\r\ntpohalb\r\nArial\r\ntpofenster\r\ntpospiegel\r\nArial\r\nAnlaut\r\nArial\r\n 0 \r\n";
const QString kKeineDatei = QStringLiteral("Sie ist keine gewöhnliche Datei (sondern zum Beispiel ein Gerät).");

/// Puts something that is no readable word list or settings file at `pfad`.
bool anlegen(const QString &lage, const QString &pfad)
{
    const QByteArray name = QFile::encodeName(pfad);
    if (lage == u("Ordner"))
        return QDir().mkdir(pfad);
    if (lage == u("Pipe"))
        return ::mkfifo(name.constData(), 0644) == 0;
    if (lage == u("ins Leere"))
        return QFile::link(pfad + u(".weg"), pfad);
    if (lage == u("gross"))
        return dateiSchreiben(pfad, "Haus\r\n") && ::truncate(name.constData(), 64 * 1024 * 1024 + 1) == 0;
    return QFile::link(lage, pfad);
}

/// What stands at `pfad`, to see that it was left alone.
QString art(const QString &pfad)
{
    struct stat st;
    if (::lstat(QFile::encodeName(pfad).constData(), &st) != 0)
        return u("fehlt");
    if (S_ISLNK(st.st_mode))
        return u("Verknüpfung auf ") + QFile::symLinkTarget(pfad);
    if (S_ISDIR(st.st_mode))
        return u("Ordner");
    if (S_ISFIFO(st.st_mode))
        return u("Pipe");
    return u("Datei, %1 Bytes").arg(st.st_size);
}

} // namespace

class TestEinlesen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void einlesen_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("lage");
        QTest::addColumn<qint64>("grenze");
        QTest::addColumn<int>("stand");
        QTest::addColumn<QString>("fehler");
        const auto gelesen = int(Dateien::Lesestand::Gelesen), abgelehnt = int(Dateien::Lesestand::Abgelehnt);
        const QString vorn = u("Die Datei \"X.TXT\" konnte nicht gelesen werden.\r");
        QTest::newRow("genau an der Grenze") << QByteArray("0123456789") << QString() << qint64(10) << gelesen << QString();
        QTest::newRow("ein Byte zu viel") << QByteArray("0123456789A") << QString() << qint64(10) << abgelehnt
                                          << vorn + u("Sie ist größer als 64 MB.");
        QTest::newRow("leer") << QByteArray() << QString() << qint64(10) << gelesen << QString();
        QTest::newRow("fehlt") << QByteArray() << u("fehlt") << qint64(10) << int(Dateien::Lesestand::Fehlt) << QString();
        QTest::newRow("Ordner") << QByteArray() << u("Ordner") << qint64(10) << abgelehnt << vorn + u("An ihrer Stelle steht ein Ordner.");
        QTest::newRow("Pipe") << QByteArray() << u("Pipe") << qint64(10) << abgelehnt << vorn + kKeineDatei;
        QTest::newRow("Gerät") << QByteArray() << u("/dev/zero") << qint64(10) << abgelehnt << vorn + kKeineDatei;
        QTest::newRow("Verknüpfung ins Leere") << QByteArray() << u("ins Leere") << qint64(10) << abgelehnt << vorn + kKeineDatei;
        QTest::newRow("Lesefehler") << QByteArray() << u("/proc/self/mem") << qint64(10) << int(Dateien::Lesestand::Fehler)
                                    << vorn + u("Der Datenträger meldet einen Fehler.");
        QTest::newRow("Verknüpfung auf eine Datei") << QByteArray("Haus\r\n") << u("echt") << qint64(10) << gelesen << QString();
    }
    void einlesen()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, lage);
        QFETCH(qint64, grenze);
        QFETCH(int, stand);
        QFETCH(QString, fehler);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(u("X.TXT"));
        if (lage.isEmpty())
            QVERIFY(dateiSchreiben(pfad, inhalt));
        else if (lage == u("echt"))
            QVERIFY(dateiSchreiben(ordner.filePath(u("echt")), inhalt) && QFile::link(ordner.filePath(u("echt")), pfad));
        else if (lage != u("fehlt"))
            QVERIFY(anlegen(lage, pfad));
        QByteArray bytes("alt");
        QString text;
        QCOMPARE(int(Dateien::einlesen(pfad, bytes, &text, grenze)), stand);
        QCOMPARE(text, fehler);
        QCOMPARE(bytes, stand == int(Dateien::Lesestand::Gelesen) ? inhalt : QByteArray());
    }

    /// Word lists that are no regular file or too large are refused with a
    /// message; the list in use stays. A deleted file still gives the
    /// standard list.
    void listeAbgelehnt_data()
    {
        QTest::addColumn<QString>("lage");
        QTest::addColumn<QString>("grund");
        QTest::newRow("über 64 MB") << u("gross") << u("Sie ist größer als 64 MB.");
        QTest::newRow("Gerät ohne Ende") << u("/dev/zero") << kKeineDatei;
        QTest::newRow("Gerät") << u("/dev/null") << kKeineDatei;
        QTest::newRow("Pipe") << u("Pipe") << kKeineDatei;
        QTest::newRow("Ordner") << u("Ordner") << u("An ihrer Stelle steht ein Ordner.");
        QTest::newRow("gelöscht") << u("fehlt") << QString();
    }
    void listeAbgelehnt()
    {
        QFETCH(QString, lage);
        QFETCH(QString, grund);
        Testprogramm t(1, false);
        t.datei(u("A.TXT"), "Haus\r\nMaus\r\nLaus\r\n");
        t.datei(u("B.TXT"), "Baum\r\n");
        t.start();
        QCOMPARE(t.f1().Datei1->ListCount(), 2);
        const QString wort = t.m().Loesungswort;
        // Swapped after the file list was read, as another program might.
        const QString pfad = t.programm->datei(u("B.TXT"));
        QVERIFY(QFile::remove(pfad));
        if (lage != u("fehlt"))
            QVERIFY(anlegen(lage, pfad));
        if (!grund.isEmpty())
            t.boxen.ok();
        t.f1().Datei1->setListIndex(1);
        QCOMPARE(t.boxen.offeneAntworten(), 0);
        if (grund.isEmpty()) {
            QCOMPARE(t.boxen.anzahl(), 0);
            QCOMPARE(t.f1().Liste1->ListCount(), 20);
            QCOMPARE(t.f1().Caption(), u("T i p p o l o ( 20 Wörter )"));
            return;
        }
        pruefeBox(t.boxen,
                  u("Die Datei \"B.TXT\" konnte nicht gelesen werden.\r%1\rDie bisherige Liste bleibt.").arg(grund),
                  u("Liste laden"), Knoepfe::OK, Symbol::Stop);
        QCOMPARE(t.f1().Liste1->eintraege(), (QStringList{u("Haus"), u("Laus"), u("Maus")}));
        QCOMPARE(t.f1().Caption(), u("T i p p o l o ( 3 Wörter )"));
        QCOMPARE(t.m().Loesungswort, wort);
        QVERIFY(!t.f1().Bild8->isVisible());
    }

    /// A settings file that is there but cannot be read stays as it is; the
    /// program runs with the defaults and says so once.
    void einstellungenUnlesbar_data()
    {
        QTest::addColumn<QString>("lage");
        QTest::addColumn<QString>("grund");
        QTest::newRow("Ordner") << u("Ordner") << u("An ihrer Stelle steht ein Ordner.");
        QTest::newRow("Gerät ohne Ende") << u("/dev/zero") << kKeineDatei;
        QTest::newRow("Pipe") << u("Pipe") << kKeineDatei;
        QTest::newRow("Verknüpfung ins Leere") << u("ins Leere") << kKeineDatei;
        QTest::newRow("über 64 MB") << u("gross") << u("Sie ist größer als 64 MB.");
        QTest::newRow("Lesefehler") << u("/proc/self/mem") << u("Der Datenträger meldet einen Fehler.");
    }
    void einstellungenUnlesbar()
    {
        QFETCH(QString, lage);
        QFETCH(QString, grund);
        Testprogramm t(1, false);
        const QString pfad = t.programm->datei(u("TIPPOLO.INI"));
        QVERIFY(anlegen(lage, pfad));
        const QString vorher = art(pfad);
        t.boxen.ok();
        t.start();
        QCOMPARE(t.boxen.anzahl(), 1);
        pruefeBox(t.boxen,
                  u("Die Datei \"TIPPOLO.INI\" konnte nicht gelesen werden.\r%1\rDie Datei bleibt unverändert.\r"
                    "Das Programm arbeitet mit den Standardeinstellungen.").arg(grund),
                  u("Einstellungen"), Knoepfe::OK, Symbol::Information);
        QCOMPARE(art(pfad), vorher);
        QVERIFY(!QFileInfo::exists(pfad + u(".alt")));
        Form8 &e = t.programm->form8();
        QCOMPARE(t.m().Wortmenge, 20);
        QCOMPARE((QStringList{e.Anzeigeschrift(), e.Druckschrift(), e.SpiegelSchrift(), e.WoerterlisteSchrift()}),
                 (QStringList{u("Arial"), u("Arial"), u("tpospiegel"), u("Arial")}));
        QCOMPARE(e.Kontroll1->Value(), 0);
        QVERIFY(!t.m().Loesungswort.isEmpty());
    }

    /// A damaged settings file keeps its bytes as "TIPPOLO.INI.alt", which
    /// replaces an older copy; then it is replaced by the defaults, without
    /// a message.
    void beschaedigteEinstellungenGesichert_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QByteArray>("alteKopie");
        QTest::newRow("fünf Datensätze") << QByteArray(" 30 \r\nLateinaus\r\nB\r\nC\r\nD\r\n") << QByteArray();
        QTest::newRow("Sperre 7, ältere Kopie")
            << QByteArray(" 30 \r\nA\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\nH\r\n 7 \r\n") << QByteArray("ganz alt\r\n");
        QTest::newRow("leer") << QByteArray("") << QByteArray("ganz alt\r\n");
        QTest::newRow("binär") << QByteArray("\x00\xFF\r\n\x01", 5) << QByteArray();
    }
    void beschaedigteEinstellungenGesichert()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QByteArray, alteKopie);
        Testprogramm t(1, false);
        t.datei(u("TIPPOLO.INI"), inhalt);
        if (!alteKopie.isEmpty())
            t.datei(u("TIPPOLO.INI.alt"), alteKopie);
        t.start();
        QCOMPARE(t.boxen.anzahl(), 0);
        QCOMPARE(t.lesen(u("TIPPOLO.INI.alt")), inhalt);
        QVERIFY(QFileInfo(t.programm->datei(u("TIPPOLO.INI.alt"))).isFile());
        QCOMPARE(t.lesen(u("TIPPOLO.INI")), kStandard);
    }

    /// The first start writes the defaults and no copy.
    void ersterStartOhneKopie()
    {
        Testprogramm t;
        QCOMPARE(t.lesen(u("TIPPOLO.INI")), kStandard);
        QVERIFY(!QFileInfo::exists(t.programm->datei(u("TIPPOLO.INI.alt"))));
    }

    /// A link in the place of a damaged settings file is not written through.
    void beschaedigteVerknuepfungBleibt()
    {
        Testprogramm t(1, false);
        t.datei(u("echt.ini"), " 30 \r\nA\r\n");
        QVERIFY(QFile::link(u("echt.ini"), t.programm->datei(u("TIPPOLO.INI"))));
        t.boxen.ok();
        t.start();
        pruefeBox(t.boxen,
                  u("Die Datei \"TIPPOLO.INI\" konnte nicht gespeichert werden.\rAn ihrer Stelle steht eine "
                    "Verknüpfung; das Programm schreibt nicht durch Verknüpfungen.\r"
                    "Das Programm arbeitet mit den Standardeinstellungen."),
                  u("Einstellungen"), Knoepfe::OK, Symbol::Information);
        QCOMPARE(t.lesen(u("echt.ini")), QByteArray(" 30 \r\nA\r\n"));
        QCOMPARE(QFile::symLinkTarget(t.programm->datei(u("TIPPOLO.INI"))), t.programm->datei(u("echt.ini")));
    }

    /// The system's errors as a teacher reads them.
    void gruende_data()
    {
        QTest::addColumn<int>("nummer");
        QTest::addColumn<QString>("satz");
        const QString platz = u("Auf dem Datenträger ist nicht genug Platz frei.");
        QTest::newRow("kein Platz") << ENOSPC << platz;
        QTest::newRow("Kontingent") << EDQUOT << platz;
        QTest::newRow("zu groß für das System") << EFBIG << platz;
        QTest::newRow("schreibgeschützt") << EROFS << u("Der Datenträger ist schreibgeschützt.");
        QTest::newRow("keine Berechtigung") << EACCES << u("Das Programm hat dafür keine Berechtigung.");
        QTest::newRow("nicht erlaubt") << EPERM << u("Das Programm hat dafür keine Berechtigung.");
        QTest::newRow("nicht gefunden") << ENOENT << u("Die Datei oder ihr Ordner wurde nicht gefunden.");
        QTest::newRow("Ordner im Pfad fehlt") << ENOTDIR << u("Die Datei oder ihr Ordner wurde nicht gefunden.");
        QTest::newRow("ein Ordner") << EISDIR << u("An ihrer Stelle steht ein Ordner.");
        QTest::newRow("Ein-/Ausgabefehler") << EIO << u("Der Datenträger meldet einen Fehler.");
        QTest::newRow("unbekannt") << 0 << u("Der Datenträger meldet einen Fehler.");
    }
    void gruende()
    {
        QFETCH(int, nummer);
        QFETCH(QString, satz);
        QCOMPARE(Dateien::grund(Dateien::Grund::System, nummer), satz);
        // Qt keeps only the system's text; the number is found again from it.
        if (nummer != 0 && nummer != EIO)
            QCOMPARE(Dateien::grund(Dateien::Grund::System, Dateien::fehlernummer(qt_error_string(nummer))), satz);
    }
    void englischeTexteBleibenDraussen_data()
    {
        QTest::addColumn<QString>("systemtext");
        QTest::addColumn<int>("nummer");
        QTest::newRow("No space left on device") << u("No space left on device") << ENOSPC;
        QTest::newRow("Read-only file system") << u("Read-only file system") << EROFS;
        QTest::newRow("Permission denied") << u("Permission denied") << EACCES;
        QTest::newRow("No such file or directory") << u("No such file or directory") << ENOENT;
        QTest::newRow("Filename refers to a directory") << u("Filename refers to a directory") << EISDIR;
        QTest::newRow("Unknown error") << u("Unknown error") << 0;
    }
    void englischeTexteBleibenDraussen()
    {
        QFETCH(QString, systemtext);
        QFETCH(int, nummer);
        QCOMPARE(Dateien::fehlernummer(systemtext), nummer);
    }
};

QTEST_MAIN(TestEinlesen)
#include "tst_einlesen.moc"
