// Started several times at once by the info test, as programs on other computers appending to one log.
//   treiber_protokoll ORDNER KENNUNG ANZAHL   appends ANZAHL solved words of "Kind KENNUNG"
//   treiber_protokoll ORDNER abbrechen        dies in the middle of an append, holding the lock
#include "info/Protokoll.h"

#include <QDir>
#include <QLockFile>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc < 3)
        return 2;
    const QString pfad = QDir(QString::fromLocal8Bit(argv[1])).filePath(Protokoll::dateiname());
    if (qstrcmp(argv[2], "abbrechen") == 0) {
        QLockFile sperre(pfad + QStringLiteral(".lock"));
        if (!sperre.tryLock(5000))
            return 3;
        const int fd = ::open(QFile::encodeName(pfad).constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        const char halb[] = "2026-12-06 09:00:00;Wort;Tot;13;Schreiben;Ma";
        if (fd < 0 || ::write(fd, halb, sizeof halb - 1) != sizeof halb - 1)
            return 4;
        std::fflush(nullptr);
        ::_exit(0);  // the lock stays behind
    }
    if (argc < 4)
        return 2;
    Protokoll::Schreiber log(pfad);
    const QString kind = QStringLiteral("Kind %1").arg(QString::fromLocal8Bit(argv[2]));
    for (int i = 0, n = QByteArray(argv[3]).toInt(); i < n; ++i) {
        log.wortGeloest(kind, 1 + i % 28, false, QStringLiteral("Wort%1").arg(i));
        log.warten();  // every word an append of its own
    }
    return log.fehler().isEmpty() ? 0 : 1;
}
