// A main for a fuzz target built without libFuzzer: feeds every file named
// on the command line (a folder: every file in it) to the target once.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char **argv)
{
    int anzahl = 0;
    for (int i = 1; i < argc; ++i) {
        const QString pfad = QString::fromLocal8Bit(argv[i]);
        QStringList dateien{pfad};
        if (QFileInfo(pfad).isDir()) {
            dateien.clear();
            for (const QString &name : QDir(pfad).entryList(QDir::Files, QDir::Name))
                dateien << QDir(pfad).filePath(name);
        }
        for (const QString &datei : dateien) {
            QFile f(datei);
            if (!f.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "%s: nicht lesbar\n", qPrintable(datei));
                return 1;
            }
            const QByteArray bytes = f.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
            ++anzahl;
        }
    }
    std::printf("%d Eingaben geprüft\n", anzahl);
    return anzahl > 0 ? 0 : 1;
}
