#include "basis/Schrift.h"

#include <QFontDatabase>
#include <QRawFont>
#include <QSet>
#include <QStringList>
#include <QStringView>

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
    QStringList vorhanden = QFontDatabase::families();
    for (const char *eigene : {"tpohalb", "tpofenster", "tpospiegel", "Anlaut"}) {
        const QString name = QString::fromLatin1(eigene);
        if (!vorhanden.contains(name, Qt::CaseInsensitive) &&
            QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/%1.ttf").arg(name)) >= 0)
            vorhanden << name;
    }
    // Close free look-alikes for the fonts the program names. Fonts that
    // exist on the machine under these names are used as they are.
    auto ersetzen = [&](const QString &name, const QStringList &ersatz) {
        if (!vorhanden.contains(name, Qt::CaseInsensitive))
            QFont::insertSubstitutions(name, ersatz);
    };
    ersetzen(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    ersetzen(QStringLiteral("Comic Sans MS"), {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    ersetzen(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    ersetzen(QStringLiteral("Lateinaus"), {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
}

QString buchstabenIn(const QStringList &woerter)
{
    QSet<char32_t> gesehen;
    QString buchstaben;
    for (const QString &wort : woerter) {
        for (const char32_t c : QStringView(wort).toUcs4()) {
            if (QChar::isLetter(c) && !gesehen.contains(c)) {
                gesehen.insert(c);
                buchstaben += QString::fromUcs4(&c, 1);
            }
        }
    }
    return buchstaben;
}

QString fehlendeBuchstaben(const QString &name, const QString &buchstaben)
{
    const QRawFont roh = QRawFont::fromFont(QFont(name));
    QString fehlt;
    for (const char32_t c : QStringView(buchstaben).toUcs4())
        if (!roh.supportsCharacter(c))
            fehlt += QString::fromUcs4(&c, 1);
    return fehlt;
}

} // namespace Schrift
