#include "trainer/Antworten.h"

#include "basis/Zeichen.h"
#include "info/Bericht.h"
#include "renderings/Schreibung.h"

#include <QStringView>
#include <algorithm>

namespace Antworten {

bool istBuchstabe(QChar c)
{
    return QStringView(u"AÄBCDEFGHIJKLMNOÖPQRSTUÜVWXYZaäbcdefghijklmnoöpqrstuüvwxyzß").contains(c);
}

bool istBuchstabe(QStringView zeichen)
{
    return zeichen.size() == 1 && istBuchstabe(zeichen.front());
}

QString erwarteterBuchstabe(const QString &loesung, const QString &eingabe)
{
    // The usual case, at every key: the input is a beginning of the word and
    // ends on a whole character, so the next character starts right after it.
    const qsizetype k = eingabe.size();
    if (k < loesung.size() && loesung.startsWith(eingabe) && (k == 0 || !eingabe.at(k - 1).isHighSurrogate()))
        return loesung.mid(k, Zeichen::laenge(loesung, k));
    const Zeichenfolge w(loesung);
    const qsizetype n = Zeichen::anzahl(eingabe);
    if (n >= w.size())
        return QString();
    return w.at(n).toString();
}

int restBisBelohnung(int wortmenge, int loesungen)
{
    const int menge = std::max(1, wortmenge);
    int rest = loesungen % menge;
    if (rest < 0)
        rest += menge;
    return menge - rest - 1;
}

QString fortschrittsText(int rest)
{
    return QStringLiteral("Noch") + Schreibung::zahl(rest) + (rest > 1 ? QStringLiteral(" Wörter") : QStringLiteral(" Wort")) +
           QStringLiteral(" bis zur Belohnung!\r");
}

QString buchstabiert(const QString &wort)
{
    const Zeichenfolge w(wort);
    QString text;
    for (qsizetype i = 0; i < w.size(); ++i) {
        text += w.at(i);
        text += QLatin1Char(' ');
    }
    return text;
}

QString urteil(int fehler, int loesungen)
{
    // Compare fehler * 100 / loesungen with each limit without dividing.
    const long long hundertfach = static_cast<long long>(fehler) * 100;
    auto mindestens = [&](long long grenze) { return hundertfach >= grenze * loesungen; };
    if (mindestens(60))
        return QStringLiteral("Du musst viel mehr üben!");
    if (mindestens(50))
        return QStringLiteral("Du musst noch etwas üben!");
    if (mindestens(40))
        return QStringLiteral("Das geht gerade noch so!");
    if (mindestens(30))
        return QStringLiteral("Schon recht ordentlich!");
    if (mindestens(20))
        return QStringLiteral("Das klappt schon fast gut!");
    if (mindestens(10))
        return QStringLiteral("Das hast du gut gemacht!");
    if (mindestens(5))
        return QStringLiteral("Das hast du prima gemacht!");
    return QStringLiteral("Das ist einfach Spitze!");
}

QString auswertungsText(int fehler, int loesungen)
{
    return QStringLiteral("Du hast") + Schreibung::zahl(Bericht::fehlerProzent(fehler, loesungen)) + QStringLiteral("% Fehler:") +
           QStringLiteral("\n\r\n\r") + urteil(fehler, loesungen);
}

} // namespace Antworten
