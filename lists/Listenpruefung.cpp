#include "lists/Listenpruefung.h"

#include "lists/Dateien.h"
#include "renderings/Schreibung.h"
#include "basis/Zeichen.h"

#include <algorithm>
#include <vector>

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

/// A 64-bit FNV-1a hash of the word in capitals, made without a copy.
quint64 grossSchluessel(const QString &wort)
{
    quint64 h = 14695981039346656037ull;
    for (QChar c : wort) {
        h ^= Schreibung::gross(c).unicode();
        h *= 1099511628211ull;
    }
    return h;
}

bool grossGleich(const QString &a, const QString &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](QChar x, QChar y) { return Schreibung::gross(x) == Schreibung::gross(y); });
}

QString anzahl(qsizetype n, const char *einzahl, const char *mehrzahl)
{
    return Schreibung::zahl(n) + QLatin1Char(' ') + QString::fromUtf8(n == 1 ? einzahl : mehrzahl);
}

} // namespace

QString Listenbefund::meldung() const
{
    if (sauber())
        return QString();
    QString text = QStringLiteral("Die Liste wurde geladen. Bitte prüfen Sie:\r");
    if (!nichtTippbar.isEmpty())
        text += QLatin1Char('-') + anzahl(nichtTippbar.size(), "Wort lässt", "Wörter lassen") +
                QStringLiteral(" sich auf einer deutschen Tastatur nicht bis zum Ende tippen und ") +
                QString::fromUtf8(nichtTippbar.size() == 1 ? "wird" : "werden") +
                QStringLiteral(" nicht abgefragt: ") + namen(nichtTippbar) + QLatin1Char('\r');
    if (!doppelt.isEmpty())
        text += QLatin1Char('-') + anzahl(doppelt.size(), "Wort steht", "Wörter stehen") +
                QStringLiteral(" ein zweites Mal in der Liste (gleich oder in anderer Groß- und Kleinschreibung): ") +
                namen(doppelt) + QLatin1Char('\r');
    return text;
}

QString Listenbefund::zeile() const
{
    QStringList teile;
    if (!nichtTippbar.isEmpty())
        teile << anzahl(nichtTippbar.size(), "Wort", "Wörter").trimmed() +
                     QStringLiteral(" nicht tippbar, nicht abgefragt: ") + namen(nichtTippbar);
    if (!doppelt.isEmpty())
        teile << anzahl(doppelt.size(), "Wort", "Wörter").trimmed() + QStringLiteral(" doppelt: ") + namen(doppelt);
    return teile.isEmpty() ? QString() : QStringLiteral("Wortliste: ") + teile.join(QStringLiteral("; "));
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

Listenbefund pruefen(const QStringList &woerter)
{
    Listenbefund befund;
    for (const QString &wort : woerter)
        if (!tippbar(wort))
            befund.nichtTippbar << wort;

    // Words by their capitals, in a table of word numbers with open
    // addressing: a million words cost no copy and no allocation per word.
    const qsizetype n = woerter.size();
    qsizetype groesse = 16;
    while (groesse < 2 * n)
        groesse *= 2;
    std::vector<qsizetype> platz(static_cast<size_t>(groesse), -1);
    std::vector<quint64> schluessel(static_cast<size_t>(n));
    for (qsizetype i = 0; i < n; ++i) {
        const QString &wort = woerter.at(i);
        const quint64 h = grossSchluessel(wort);
        schluessel[i] = h;
        qsizetype p = static_cast<qsizetype>(h & static_cast<quint64>(groesse - 1));
        for (;; p = (p + 1) & (groesse - 1)) {
            const qsizetype j = platz[p];
            if (j < 0) {
                platz[p] = i;
                break;
            }
            if (schluessel[j] == h && grossGleich(woerter.at(j), wort)) {
                befund.doppelt << wort;
                break;
            }
        }
    }
    return befund;
}

QStringList lesen(const QString &text, Listenbefund &befund)
{
    QStringList woerter;
    Dateien::Feldleser leser(text);
    while (leser.weitere()) {
        QString wort = leser.naechstes();
        if (!wort.isEmpty())
            woerter << std::move(wort);
    }
    befund = pruefen(woerter);
    return woerter;
}

} // namespace Listenpruefung
