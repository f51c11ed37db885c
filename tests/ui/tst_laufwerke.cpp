#include "support/Testprogramm.h"
#include "ui/Dateibrowser.h"

#include <QDir>
#include <QTest>

/// The drive box comes from the system's table of mounts alone: no drive is
/// asked whether it is ready, so a hung network drive cannot stall the start.

class TestLaufwerke : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void laufwerke_data()
    {
        QTest::addColumn<QByteArray>("tabelle");
        QTest::addColumn<QStringList>("weitere");
        QTest::newRow("leer") << QByteArray() << QStringList();
        // Neither mount point exists here: the box lists them without looking.
        QTest::newRow("Netzlaufwerk, das hängt")
            << QByteArray("server:/schule /mnt/schule nfs4 rw,hard 0 0\n//nas/klasse /mnt/klasse cifs rw 0 0\n")
            << QStringList{u("/mnt/schule"), u("/mnt/klasse")};
        QTest::newRow("Systemdateisysteme fallen weg")
            << QByteArray("proc /proc proc rw 0 0\nsysfs /sys sysfs rw 0 0\ntmpfs /run tmpfs rw 0 0\n"
                          "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n/dev/sdb1 /media/stick vfat rw 0 0\n")
            << QStringList{u("/media/stick")};
        QTest::newRow("Blank im Namen") << QByteArray("/dev/sdc1 /media/USB\\040Stick vfat rw 0 0\n")
                                        << QStringList{u("/media/USB Stick")};
        QTest::newRow("Wurzel nur einmal") << QByteArray("/dev/sda1 / ext4 rw 0 0\n/dev/sda1 / ext4 rw 0 0\n")
                                           << QStringList();
        QTest::newRow("kaputte Zeile") << QByteArray("nur zwei\n\n/dev/sdd1 relativ ext4 rw 0 0\n") << QStringList();
    }
    void laufwerke()
    {
        QFETCH(QByteArray, tabelle);
        QFETCH(QStringList, weitere);
        QCOMPARE(Laufwerkliste::laufwerkeAus(tabelle), QStringList({QDir::rootPath(), QDir::homePath()}) + weitere);
    }

    /// The main window's drive box holds the drives as soon as it exists,
    /// the working folder's drive picked.
    void startMitLaufwerken()
    {
        Testprogramm t;
        Laufwerkliste *box = t.f1().Laufwerk1;
        QVERIFY(box->count() >= 2);
        QCOMPARE(box->itemData(0).toString(), QDir::rootPath());
        QCOMPARE(box->Drive(), box->laufwerkVon(t.programm->arbeitsordner()));
    }
};

QTEST_MAIN(TestLaufwerke)
#include "tst_laufwerke.moc"
