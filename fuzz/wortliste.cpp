// Feeds arbitrary bytes to the word-list reader: decoding, the field reader
// and the list check after loading.
#include "lists/Dateien.h"
#include "lists/Listenpruefung.h"

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
    // The check reads the very words the reader reads, and the text holds
    // whole characters only.
    Listenbefund befund;
    if (Listenpruefung::lesen(text, befund) != woerter || !text.isValidUtf16())
        __builtin_trap();
    befund.meldung();
    return 0;
}
