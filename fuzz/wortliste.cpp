// Feeds arbitrary bytes to the word-list reader: decoding and the field reader.
#include "lists/Dateien.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString text = Dateien::dekodieren(bytes);
    const QStringList woerter = Dateien::felder(text);
    for (const QString &w : woerter) {
        if (w.isEmpty())
            __builtin_trap();
        QByteArray zurueck;
        Dateien::kodieren(w, zurueck);
    }
    return 0;
}
