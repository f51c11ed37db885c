#pragma once

#include <QString>
#include <QtGlobal>

/// German dictionary order for the sorted lists: case ignored, umlauts with
/// their base letters, "ß" as "ss". Entries with equal keys keep the order in
/// which they came.
namespace Sortierung {
/// The text the order compares: small letters, umlauts as base letters, "ß" as "ss".
QString schluessel(const QString &text);
/// Compares two texts by their keys without building them: < 0, 0 or > 0.
int vergleichen(const QString &a, const QString &b);
/// The first eight key units packed into two numbers that order like the
/// keys (ties are decided by vergleichen()).
struct Praefix
{
    quint64 vorne = 0;
    quint64 hinten = 0;
    bool operator==(const Praefix &o) const { return vorne == o.vorne && hinten == o.hinten; }
    bool operator<(const Praefix &o) const { return vorne != o.vorne ? vorne < o.vorne : hinten < o.hinten; }
};
Praefix praefix(const QString &text);
} // namespace Sortierung
