#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

/// Font helpers: fonts are referred to by name only; a name that no
/// installed font carries falls back to a substitute without error, and the
/// name itself is kept as given.
namespace Schrift {
QFont machen(const QString &name, double punkte, bool fett = false);
/// Registers the program's own exercise fonts ("tpohalb", "tpofenster",
/// "tpospiegel", "Anlaut") and the stand-in "Fibel" from the resources,
/// unless fonts of these names are installed, and the free substitutes for
/// the other fonts the program names. Registers each font once per process, however often it is called.
void ersatzEinrichten();
/// The letters that occur in `woerter`, each once, in order of first appearance.
QString buchstabenIn(const QStringList &woerter);
/// Those of `buchstaben` that the font of this name cannot show itself
/// (without the fallback fonts the screen would fill in with).
QString fehlendeBuchstaben(const QString &name, const QString &buchstaben);
} // namespace Schrift
