#include "lists/Listenpruefung.h"

#include "lists/Dateien.h"
#include "renderings/Schreibung.h"
#include "basis/Zeichen.h"

#include <QHash>

namespace {

/// How many words of each kind the message names.
constexpr int kGenannt = 3;
/// A word in the message is cut after this many characters.
constexpr int kNamenslaenge = 30;

bool istSteuerzeichen(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0);
}

/// A word as the message names it: in quotes, shortened, its control
/// characters shown as a box so that they neither vanish nor break the line.
QString benannt(const QString &wort)
{
    QString sichtbar = Zeichen::gekuerzt(wort, kNamenslaenge);
    for (QChar &c : sichtbar)
        if (istSteuerzeichen(c))
            c = QChar(0x25A1);
    return QLatin1Char('"') + sichtbar + QLatin1Char('"');
}

QString namen(const QStringList &woerter)
{
    QStringList teile;
    for (int i = 0; i < woerter.size() && i < kGenannt; ++i)
        teile << benannt(woerter.at(i));
    QString text = teile.join(QStringLiteral(", "));
    if (woerter.size() > kGenannt)
        text += QStringLiteral(", …");
    return text;
}

QString anzahl(qsizetype n, const char *einzahl, const char *mehrzahl)
{
    return QStringLiteral(" %1 ").arg(n) + QString::fromUtf8(n == 1 ? einzahl : mehrzahl);
}

} // namespace

QString Listenbefund::meldung() const
{
    if (sauber())
        return QString();
    QString text = QStringLiteral("Die Liste wurde geladen. Bitte prüfen Sie:\r");
    if (!nichtTippbar.isEmpty())
        text += QLatin1Char('-') +
                anzahl(nichtTippbar.size(), "Wort lässt", "Wörter lassen") +
                QStringLiteral(" sich auf einer deutschen Tastatur nicht bis zum Ende tippen: ") +
                namen(nichtTippbar) + QLatin1Char('\r');
    if (!doppelt.isEmpty())
        text += QLatin1Char('-') + anzahl(doppelt.size(), "Wort steht", "Wörter stehen") +
                QStringLiteral(" schon in anderer Groß- und Kleinschreibung in der Liste: ") + namen(doppelt) +
                QLatin1Char('\r');
    if (leereFelder > 0)
        text += QLatin1Char('-') + anzahl(leereFelder, "leeres Feld wurde", "leere Felder wurden") +
                QStringLiteral(" übersprungen.\r");
    return text;
}

namespace Listenpruefung {

bool tippbar(const QString &wort)
{
    if (!Dateien::kodierbar(wort))
        return false;
    bool nurLeer = true;
    for (QChar c : wort) {
        if (istSteuerzeichen(c))
            return false;
        if (!c.isSpace())
            nurLeer = false;
    }
    return !nurLeer;
}

QStringList lesen(const QString &text, Listenbefund &befund)
{
    befund = Listenbefund();
    QStringList woerter;
    // The first spelling of every word, by its capitals.
    QHash<QString, QString> erste;
    Dateien::Feldleser leser(text);
    while (leser.weitere()) {
        QString wort = leser.naechstes();
        if (wort.isEmpty()) {
            ++befund.leereFelder;
            continue;
        }
        if (!tippbar(wort))
            befund.nichtTippbar << wort;
        const QString gross = Schreibung::gross(wort);
        const auto it = erste.constFind(gross);
        if (it == erste.cend())
            erste.insert(gross, wort);
        else if (*it != wort)
            befund.doppelt << wort;
        woerter << std::move(wort);
    }
    return woerter;
}

} // namespace Listenpruefung
