#include "games/Bestenformat.h"

QString BestenEintrag(qint64 score, const QString &name)
{
    const QString ziffern = QString::number(score < 0 ? -score : score);
    return (QStringLiteral("0000") + ziffern).right(4) + QStringLiteral("  ") + name;
}

QStringList BestenlisteEintraege(const QString &text)
{
    QStringList eintraege;
    const QStringList zeilen = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                   .replace(QLatin1Char('\r'), QLatin1Char('\n'))
                                   .split(QLatin1Char('\n'));
    for (const QString &zeile : zeilen) {
        qsizetype i = 0;
        while (i < zeile.size() && (zeile.at(i) == QLatin1Char(' ') || zeile.at(i) == QLatin1Char('\t')))
            ++i;
        QString wert;
        if (i < zeile.size() && zeile.at(i) == QLatin1Char('"')) {
            wert = zeile.mid(i + 1).section(QLatin1Char('"'), 0, 0);  // up to the closing quote, if any
        } else {
            wert = zeile.mid(i);
        }
        if (!wert.isEmpty())
            eintraege << wert;
    }
    return eintraege;
}
