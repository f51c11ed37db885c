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
    const QStringList vorhanden = QFontDatabase::families();
    // Files in the resources: the family's name, "-Fett" for its bold face.
    for (const char *eigene : {"tpohalb", "tpofenster", "tpospiegel", "Anlaut", "Fibel", "Fibel-Fett"}) {
        const QString datei = QString::fromLatin1(eigene), name = datei.section(QLatin1Char('-'), 0, 0);
        const bool da = vorhanden.contains(name, Qt::CaseInsensitive) &&
                        (name == datei || QFontDatabase::styles(name).contains(QStringLiteral("Bold")));
        if (!da)
            QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/%1.ttf").arg(datei));
    }
    // Free stand-ins for the fonts the program names; "Fibel" keeps I, l
    // and 1 apart, which a child copying a word must see. Fonts that exist
    // on the machine under these names are used as they are.
    auto ersetzen = [&](const QString &name, const QStringList &ersatz) {
        if (!vorhanden.contains(name, Qt::CaseInsensitive))
            QFont::insertSubstitutions(name, ersatz);
    };
    for (const char *name : {"Arial", "Comic Sans MS", "MS Sans Serif"})
        ersetzen(QString::fromLatin1(name), {QStringLiteral("Fibel"), QStringLiteral("DejaVu Sans")});
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
