#include "basis/Schrift.h"

#include <QFontDatabase>
#include <QStringList>

namespace Schrift {

QFont machen(const QString &name, double punkte, bool fett)
{
    QFont f(name);
    if (punkte > 0)
        f.setPointSizeF(punkte);
    f.setBold(fett);
    return f;
}

void ersatzEinrichten()
{
    // Close free look-alikes for the fonts the program names. Fonts that
    // exist on the machine under these names are used as they are.
    const QStringList vorhanden = QFontDatabase::families();
    auto ersetzen = [&](const QString &name, const QStringList &ersatz) {
        if (!vorhanden.contains(name, Qt::CaseInsensitive))
            QFont::insertSubstitutions(name, ersatz);
    };
    ersetzen(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    ersetzen(QStringLiteral("Comic Sans MS"), {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    ersetzen(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    ersetzen(QStringLiteral("Lateinaus"), {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
}

} // namespace Schrift
