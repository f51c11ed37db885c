#include "lists/Arbeitsordner.h"

#include <QMap>
#include <QTest>

/// The choice of the working folder, with a made-up home and disk.

using namespace Arbeitsordner;

class TestArbeitsordner : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void waehlen_data()
    {
        QTest::addColumn<QStringList>("angaben"); // --ordner, TIPPOLO_ORDNER, /etc/tippolo.conf, XDG_DATA_HOME
        QTest::addColumn<QString>("schlecht");    // "F:folder" missing, "N:folder" not writable
        QTest::addColumn<QString>("ordner");
        QTest::addColumn<QString>("meldung");
        const QString std = QStringLiteral("/home/kind/.local/share/tippolo");
        const QString weiter = QStringLiteral("Tippolo arbeitet im Ordner \"%1\".\r").arg(std);
        QTest::newRow("nichts") << QStringList{"", "", "", ""} << "" << std << "";
        QTest::newRow("XDG") << QStringList{"", "", "", "/daten"} << "" << "/daten/tippolo" << "";
        QTest::newRow("XDG relativ") << QStringList{"", "", "", "daten"} << "" << std << "";
        QTest::newRow("Befehl zuerst") << QStringList{"/srv/a", "/srv/b", "Ordner=/srv/c", "/d"} << ""
                                       << "/srv/a" << "";
        QTest::newRow("Variable") << QStringList{"", "/srv/b/", "Ordner=/srv/c", ""} << "" << "/srv/b" << "";
        QTest::newRow("Datei") << QStringList{"", "", "# Klasse 3a\r\n ordner = /srv/klasse 3a \r\n", ""} << ""
                               << "/srv/klasse 3a" << "";
        QTest::newRow("Tilde") << QStringList{"~/listen", "", "", ""} << "" << "/home/kind/listen" << "";
        QTest::newRow("fehlt") << QStringList{"/fehlt", "", "", ""} << "F:/fehlt" << std
                               << "Den Ordner \"/fehlt\" (aus --ordner) gibt es nicht.\r" + weiter;
        QTest::newRow("gesperrt") << QStringList{"", "/nur", "", ""} << "N:/nur" << std
                                  << "In den Ordner \"/nur\" (aus TIPPOLO_ORDNER) kann Tippolo nicht schreiben.\r" + weiter;
        QTest::newRow("Datei fehlt") << QStringList{"", "", "Ordner=/weg", ""} << "F:/weg" << std
                                     << "Den Ordner \"/weg\" (aus /etc/tippolo.conf) gibt es nicht.\r" + weiter;
        QTest::newRow("beide") << QStringList{"/fehlt", "", "", ""} << "F:/fehlt F:" + std << std
                               << "Den Ordner \"/fehlt\" (aus --ordner) gibt es nicht.\r" + weiter +
                                      "Der Ordner \"" + std + "\" kann nicht angelegt werden.\r"
                                      "Listen und Einstellungen können nicht gespeichert werden.\r";
        QTest::newRow("Standard gesperrt") << QStringList{"", "", "", ""} << "N:" + std << std
                                           << "In den Ordner \"" + std + "\" kann Tippolo nicht schreiben.\r"
                                              "Listen und Einstellungen können nicht gespeichert werden.\r";
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
                                                  if (anlegen)
                                                      angelegt << o;
                                                  return disk.value(o, Zustand::Beschreibbar);
                                              });
        QTEST(w.ordner, "ordner");
        QTEST(w.meldung, "meldung");
        // Only the default folder is ever made, and the home itself is never the folder.
        QCOMPARE(angelegt, w.ordner.endsWith(QLatin1String("/tippolo")) ? QStringList{w.ordner} : QStringList());
    }

    void aufruf()
    {
        Aufruf a = aufrufLesen({"--ordner", "/srv/a b", "--probelauf"});
        QCOMPARE(a.ordner, "/srv/a b");
        QVERIFY(a.probelauf && !a.hilfe && a.fehler.isEmpty());
        a = aufrufLesen({"--ordner=/x", "-h", "datei.txt", "--ordner"});
        QCOMPARE(a.ordner, "/x");
        QVERIFY(a.hilfe && !a.probelauf);
        QCOMPARE(a.fehler, QStringList({"Die Angabe \"datei.txt\" kennt Tippolo nicht; sie wird übergangen.",
                                        "Nach --ordner fehlt der Name des Ordners."}));
    }
};

QTEST_GUILESS_MAIN(TestArbeitsordner)
#include "tst_arbeitsordner.moc"
