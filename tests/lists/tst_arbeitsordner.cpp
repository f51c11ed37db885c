#include "lists/Arbeitsordner.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

/// The choice of the working folder, on a made-up home and disk.

using namespace Arbeitsordner;

class TestArbeitsordner : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void waehlen_data()
    {
        QTest::addColumn<QStringList>("angaben"); // --ordner, TIPPOLO_ORDNER, /etc/tippolo.conf, XDG_DATA_HOME
        QTest::addColumn<QString>("schlecht");    // folders missing ("F:…") or not writable ("N:…")
        QTest::addColumn<QString>("ordner");
        QTest::addColumn<QString>("meldung");
        const QString std = "/home/kind/.local/share/tippolo", weiter = "Tippolo arbeitet im Ordner \"" + std + "\".\r";
        const QString verloren = "Listen und Einstellungen können nicht gespeichert werden.\r";
        auto zeile = [](const char *n, const QStringList &a, const QString &s, const QString &o, const QString &m) {
            QTest::newRow(n) << a << s << o << m;
        };
        zeile("XDG", {"", "", "", "/daten"}, "", "/daten/tippolo", "");
        zeile("XDG relativ", {"", "", "", "daten"}, "", std, "");
        zeile("Befehl zuerst, Tilde", {"~/listen", "/srv/b", "Ordner=/srv/c", "/d"}, "", "/home/kind/listen", "");
        zeile("Variable", {"", "/srv/b/", "Ordner=/srv/c", ""}, "", "/srv/b", "");
        zeile("Datei", {"", "", "# Klasse 3a\r\n ordner = /srv/klasse 3a \r\n", ""}, "", "/srv/klasse 3a", "");
        zeile("gesperrt", {"", "/nur", "", ""}, "N:/nur", std,
              "In den Ordner \"/nur\" (aus TIPPOLO_ORDNER) kann Tippolo nicht schreiben.\r" + weiter);
        zeile("Datei fehlt", {"", "", "Ordner=/weg", ""}, "F:/weg", std,
              "Den Ordner \"/weg\" (aus /etc/tippolo.conf) gibt es nicht.\r" + weiter);
        zeile("beide", {"/fehlt", "", "", ""}, "F:/fehlt F:" + std, std,
              "Den Ordner \"/fehlt\" (aus --ordner) gibt es nicht.\r" + weiter + "Der Ordner \"" + std +
                  "\" kann nicht angelegt werden.\r" + verloren);
        zeile("Standard gesperrt", {"", "", "", ""}, "N:" + std, std,
              "In den Ordner \"" + std + "\" kann Tippolo nicht schreiben.\r" + verloren);
    }
    void waehlen()
    {
        QFETCH(QStringList, angaben);
        QFETCH(QString, schlecht);
        QMap<QString, Zustand> disk;
        for (const QString &s : schlecht.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            disk[s.mid(2)] = s.startsWith(QLatin1Char('F')) ? Zustand::Fehlt : Zustand::NichtBeschreibbar;
        QStringList angelegt;
        const Wahl w = Arbeitsordner::waehlen(angaben[0], {angaben[1], angaben[2], angaben[3], "/home/kind"},
                                              [&](const QString &o, bool anlegen) {
                                                  angelegt << QString(anlegen ? "+" : "") + o;
                                                  return disk.value(o, Zustand::Beschreibbar);
                                              });
        QTEST(w.ordner, "ordner");
        QTEST(w.meldung, "meldung");
        // Only the default folder is ever made, and nothing is looked at after a usable folder.
        QCOMPARE(angelegt.last(), (w.ordner.endsWith("/tippolo") ? "+" : "") + w.ordner);
    }

    void aufruf()
    {
        // The system-wide file is read as it is; a missing one gives nothing.
        QTemporaryDir d;
        QFile datei(d.filePath("tippolo.conf"));
        QVERIFY(datei.open(QIODevice::WriteOnly) && datei.write("Ordner=/srv/a\r\n") == 15);
        datei.close();
        QVERIFY(umgebung(datei.fileName()).systemweit == "Ordner=/srv/a\r\n" && umgebung(d.filePath("weg")).systemweit.isEmpty());
        const Aufruf a = aufrufLesen({"--ordner", "/a b", "--probelauf"}), b = aufrufLesen({"--ordner=/x", "-h", "d.txt", "--ordner"});
        QVERIFY(a.ordner == "/a b" && a.probelauf && !a.hilfe && a.fehler.isEmpty());
        QVERIFY(b.ordner == "/x" && b.hilfe && !b.probelauf);
        QCOMPARE(b.fehler, QStringList({"Die Angabe \"d.txt\" kennt Tippolo nicht; sie wird übergangen.",
                                        "Nach --ordner fehlt der Name des Ordners."}));
    }
};

QTEST_GUILESS_MAIN(TestArbeitsordner)
#include "tst_arbeitsordner.moc"
