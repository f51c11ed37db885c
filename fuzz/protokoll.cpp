// Feeds arbitrary bytes to the practice log's reader and builds the report
// and the class overview from what it read.
#include "info/Bericht.h"
#include "info/Protokoll.h"
#include "lists/Dateien.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    Protokoll::Bestand log;
    log.lesen(bytes);
    const QDate heute(2026, 12, 6);
    // Every event belongs to one child of the report, and every child has events.
    int ereignisse = 0;
    for (const QString &name : Bericht::namen(log)) {
        const Bericht::Auswertung a = Bericht::auswerten(log, name, Bericht::Zeitraum::Alle, heute);
        if (a.geloest + a.fehler == 0 || Bericht::zusammenfassung(a).size() != 5)
            __builtin_trap();
        ereignisse += a.geloest + a.fehler;
    }
    if (ereignisse != log.size() || Bericht::klasse(log, Bericht::Zeitraum::SiebenTage, heute).size() != log.namen().size())
        __builtin_trap();
    // An event written again reads back the same, where Windows-1252 holds it and
    // its line cannot be taken for UTF-8.
    for (qsizetype i = 0; i < log.size(); ++i) {
        const Protokoll::Eintrag e = log.eintrag(i);
        const QByteArray zeile = Protokoll::zeile(e);
        if (!Dateien::kodierbar(e.name + e.wort + e.soll + e.ist) || Dateien::istUtf8MitUmlauten(zeile))
            continue;
        const QList<Protokoll::Eintrag> zurueck = Protokoll::einlesen(zeile);
        if (zurueck.size() != 1 || !(zurueck.first() == e))
            __builtin_trap();
    }
    return 0;
}
