// Feeds arbitrary bytes to the best-list reader and makes entries from them.
#include "games/Bestenformat.h"
#include "lists/Dateien.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QStringList eintraege = BestenlisteEintraege(Dateien::dekodieren(bytes));
    for (const QString &e : eintraege)
        if (e.isEmpty() || e.contains(QLatin1Char('\r')) || e.contains(QLatin1Char('\n')))
            __builtin_trap();
    qint64 score = 0;
    std::memcpy(&score, data, size < sizeof score ? size : sizeof score);
    const QString eintrag = BestenEintrag(score == INT64_MIN ? 0 : score, eintraege.value(0));
    if (eintrag.size() < 6 || eintrag.mid(4, 2) != QLatin1String("  "))
        __builtin_trap();
    return 0;
}
