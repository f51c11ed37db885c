// Feeds arbitrary bytes to the settings-file reader.
#include "lists/Dateien.h"
#include "lists/Einstellungen.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    Einstellungen e;
    if (e.lesen(Dateien::dekodieren(bytes))) {
        // Whatever was read, the reward interval can divide and the file can be written again.
        if (e.wortmenge < 1 || e.sperre < 0 || e.sperre > 2 || e.schriften.size() != Einstellungen::kSchriften)
            __builtin_trap();
        if (e.zeilen().size() != 10)
            __builtin_trap();
    }
    return 0;
}
