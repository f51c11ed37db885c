#pragma once

#include <QFont>
#include <QString>

/// Font helpers: fonts are referred to by name only; a name that no
/// installed font carries falls back to a substitute without error, and the
/// name itself is kept as given.
namespace Schrift {
QFont machen(const QString &name, double punkte, bool fett = false);
/// Registers the free substitutes for the fonts the program names.
void ersatzEinrichten();
} // namespace Schrift
