// Several programs on one working folder, as on a school's file server: real
// processes save best-list entries and write PDF files at the same time.
#include "basis/Sortierung.h"
#include "games/Bestenformat.h"
#include "games/Bestenliste.h"
#include "lists/Dateien.h"
#include "support/Testprogramm.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kProgramme = 6;
constexpr int kSiege = 8; // 48 entries: all fit into the 50 of a best list
constexpr int kBlaetter = 4;

QString eintrag(int nr, int i)
{
    return BestenEintrag((nr * kSiege + i) * 37 % 1000, QStringLiteral("P%1-%2").arg(nr).arg(i));
}

/// One program: waits for the start signal, then saves its wins and writes
/// its worksheets in turn; prints "NAME CONTENT" for every PDF written.
int programm(const QString &ordner, int nr)
{
    for (int ms = 0; !QFile::exists(QDir(ordner).filePath(QStringLiteral("LOS"))); ++ms) {
        if (ms > 20000)
            return 3;
        QThread::msleep(1);
    }
    QString fehler;
    for (int i = 0; i < kSiege; ++i) {
        if (!BestenlisteSpeichern(QDir(ordner).filePath(QStringLiteral("BESTHANG.LST")), eintrag(nr, i), &fehler)) {
            std::fprintf(stderr, "%s\n", qPrintable(fehler));
            return 1;
        }
        if (i >= kBlaetter)
            continue;
        const QByteArray inhalt = QStringLiteral("P%1-%2").arg(nr).arg(i).toLatin1();
        const QString name = Dateien::neueDatei(ordner, Dateien::freierName(ordner, QStringLiteral("TIPPOLO"), QStringLiteral("PDF")),
                                                QStringLiteral("TIPPOLO"), QStringLiteral("PDF"), inhalt, &fehler);
        if (name.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(fehler));
            return 2;
        }
        std::printf("%s %s\n", qPrintable(name), inhalt.constData());
    }
    return 0;
}

} // namespace

class TestGemeinsamerOrdner : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    /// No entry and no PDF of another program is lost or replaced; a lock
    /// left behind by a program on another computer is broken.
    void mehrereProgramme()
    {
        QTemporaryDir ordner;
        const QString sperre = ordner.filePath("BESTHANG.LST.lock");
        QVERIFY(dateiSchreiben(sperre, "4711\nTippolo\nanderer-rechner\n"));
        QFile alt(sperre);
        QVERIFY(alt.open(QIODevice::ReadWrite) &&
                alt.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        alt.close();
        QList<QProcess *> programme;
        for (int nr = 0; nr < kProgramme; ++nr) {
            auto *p = new QProcess(this);
            p->start(QCoreApplication::applicationFilePath(), {"--programm", ordner.path(), QString::number(nr)});
            QVERIFY(p->waitForStarted(10000));
            programme << p;
        }
        QVERIFY(dateiSchreiben(ordner.filePath("LOS"), ""));
        QMap<QString, QByteArray> pdfs;
        for (QProcess *p : programme) {
            QVERIFY(p->waitForFinished(60000));
            QCOMPARE(p->readAllStandardError(), QByteArray());
            QCOMPARE(p->exitCode(), 0);
            for (const QByteArray &zeile : p->readAllStandardOutput().split('\n'))
                if (!zeile.isEmpty())
                    pdfs.insert(QString::fromLatin1(zeile.split(' ').at(0)), zeile.split(' ').at(1));
            delete p;
        }
        QStringList erwartet;
        for (int nr = 0; nr < kProgramme; ++nr)
            for (int i = 0; i < kSiege; ++i)
                erwartet << eintrag(nr, i);
        std::sort(erwartet.begin(), erwartet.end(), [](const QString &a, const QString &b) { return Sortierung::vergleichen(a, b) < 0; });
        QCOMPARE(dateiLesen(ordner.filePath("BESTHANG.LST")), (erwartet.join("\r\n") + "\r\n").toLatin1());
        // Every worksheet under a name of its own, each name the next free one.
        QStringList namen{"TIPPOLO.PDF"};
        for (int n = 2; n <= kProgramme * kBlaetter; ++n)
            namen << QStringLiteral("TIPPOLO-%1.PDF").arg(n);
        QCOMPARE(pdfs.size(), namen.size());
        for (const QString &name : namen)
            QCOMPARE(dateiLesen(ordner.filePath(name)), pdfs.value(name));
        // No lock file and no half-written file is left.
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden).size(), namen.size() + 2);
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--programm") == 0)
        return programm(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    TestGemeinsamerOrdner test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_gemeinsamerordner.moc"
