// Several programs on one school server folder save best-list entries and write PDF files at once.
#include "basis/Sortierung.h"
#include "games/Bestenformat.h"
#include "games/Bestenliste.h"
#include "lists/Dateien.h"
#include "support/Testprogramm.h"

#include <QProcess>
#include <QTest>
#include <QThread>

namespace {

constexpr int kProgramme = 6, kSiege = 8, kBlaetter = 4; // 48 entries: all fit into a best list

QString eintrag(int nr, int i)
{
    return BestenEintrag((nr * kSiege + i) * 37 % 1000, QStringLiteral("P%1-%2").arg(nr).arg(i));
}

/// One program: once "LOS" is there, saves its wins and writes worksheets; prints "NAME CONTENT" per PDF.
int programm(const QDir &ordner, int nr)
{
    for (int ms = 0; !ordner.exists("LOS"); ++ms)
        if (ms > 20000 || (QThread::msleep(1), false))
            return 3;
    QString fehler;
    for (int i = 0; i < kSiege; ++i) {
        if (!BestenlisteSpeichern(ordner.filePath("BESTHANG.LST"), eintrag(nr, i), &fehler))
            return std::fprintf(stderr, "%s\n", qPrintable(fehler)), 1;
        const QByteArray inhalt = QStringLiteral("P%1-%2").arg(nr).arg(i).toLatin1();
        const QString name = i >= kBlaetter ? u("-") : Dateien::neueDatei(ordner.path(), Dateien::freierName(ordner.path(), "TIPPOLO", "PDF"),
                                                                           "TIPPOLO", "PDF", inhalt, &fehler);
        if (name.isEmpty())
            return std::fprintf(stderr, "%s\n", qPrintable(fehler)), 2;
        std::printf("%s %s\n", qPrintable(name), inhalt.constData());
    }
    return 0;
}

} // namespace

class TestGemeinsamerOrdner : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    /// No entry or PDF of another program is lost; a lock left by another computer is broken.
    void mehrereProgramme()
    {
        QTemporaryDir ordner;
        QFile sperre(ordner.filePath("BESTHANG.LST.lock"));
        QVERIFY(sperre.open(QIODevice::WriteOnly) && sperre.write("4711\nTippolo\nanderer-rechner\n") > 0 && sperre.flush() &&
                sperre.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        sperre.close();
        QList<QProcess *> programme;
        for (int nr = 0; nr < kProgramme; ++nr) {
            programme << new QProcess(this);
            programme.last()->start(QCoreApplication::applicationFilePath(), {"--programm", ordner.path(), QString::number(nr)});
            QVERIFY(programme.last()->waitForStarted(10000));
        }
        QVERIFY(dateiSchreiben(ordner.filePath("LOS"), ""));
        QMap<QString, QByteArray> pdfs;
        QStringList erwartet;
        for (QProcess *p : programme) {
            QVERIFY(p->waitForFinished(60000));
            QCOMPARE(p->readAllStandardError() + QByteArray::number(p->exitCode()), QByteArray("0"));
            for (const QByteArray &zeile : p->readAllStandardOutput().split('\n'))
                if (!zeile.isEmpty() && !zeile.startsWith('-'))
                    pdfs.insert(QString::fromLatin1(zeile.split(' ').at(0)), zeile.split(' ').at(1));
            for (int i = 0; i < kSiege; ++i)
                erwartet << eintrag(programme.indexOf(p), i);
        }
        std::sort(erwartet.begin(), erwartet.end(), [](const QString &a, const QString &b) { return Sortierung::vergleichen(a, b) < 0; });
        QCOMPARE(dateiLesen(ordner.filePath("BESTHANG.LST")), (erwartet.join("\r\n") + "\r\n").toLatin1());
        // Every worksheet under a name of its own, each the next free one.
        QCOMPARE(pdfs.size(), kProgramme * kBlaetter);
        for (int n = 1; n <= kProgramme * kBlaetter; ++n) {
            const QString name = n == 1 ? u("TIPPOLO.PDF") : u("TIPPOLO-%1.PDF").arg(n);
            QCOMPARE(dateiLesen(ordner.filePath(name)), pdfs.value(name));
        }
        // No lock file and no half-written file is left.
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden).size(), pdfs.size() + 2);
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--programm") == 0)
        return programm(QDir(QString::fromLocal8Bit(argv[2])), QByteArray(argv[3]).toInt());
    TestGemeinsamerOrdner test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_gemeinsamerordner.moc"
