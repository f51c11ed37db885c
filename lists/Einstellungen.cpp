#include "lists/Einstellungen.h"

#include "lists/Dateien.h"
#include "renderings/Schreibung.h"

#include <cmath>
#include <limits>

double zahlAmAnfang(const QString &text, bool *gefunden)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto ziffer = [&](qsizetype k) { return k < n && text.at(k) >= QLatin1Char('0') && text.at(k) <= QLatin1Char('9'); };
    while (i < n && (text.at(i) == QLatin1Char(' ') || text.at(i) == QLatin1Char('\t')))
        ++i;
    const qsizetype start = i;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        ++i;
    bool ziffern = false;
    while (ziffer(i)) {
        ++i;
        ziffern = true;
    }
    if (i < n && text.at(i) == QLatin1Char('.')) {
        ++i;
        while (ziffer(i)) {
            ++i;
            ziffern = true;
        }
    }
    if (!ziffern) {
        if (gefunden)
            *gefunden = false;
        return 0;
    }
    // An exponent counts only when digits follow it.
    if (i < n && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        qsizetype k = i + 1;
        if (k < n && (text.at(k) == QLatin1Char('+') || text.at(k) == QLatin1Char('-')))
            ++k;
        if (ziffer(k)) {
            while (ziffer(k))
                ++k;
            i = k;
        }
    }
    if (gefunden)
        *gefunden = true;
    const double wert = text.mid(start, i - start).toDouble();
    return std::isfinite(wert) ? wert : (wert < 0 ? -std::numeric_limits<double>::max()
                                                  : std::numeric_limits<double>::max());
}

Einstellungen Einstellungen::standard(int sperre)
{
    Einstellungen e;
    // The four exercises that show the word in a font of their own get the
    // program's own fonts, so that a new installation covers, breaks,
    // mirrors and draws the word instead of showing it plain.
    e.schriften[1] = QStringLiteral("tpohalb");
    e.schriften[3] = QStringLiteral("tpofenster");
    e.schriften[4] = QStringLiteral("tpospiegel");
    e.schriften[6] = QStringLiteral("Anlaut");
    e.sperre = sperre;
    return e;
}

bool Einstellungen::lesen(const QString &text)
{
    Dateien::Feldleser leser(text);
    QStringList felder;
    while (felder.size() < 10 && leser.weitere())
        felder << leser.naechstes();
    if (felder.size() < 10)
        return false;

    // Record 10 must be 0, 1 or 2 and nothing else.
    bool ganz = false;
    const double s = felder.at(9).trimmed().toDouble(&ganz);
    if (!ganz || (s != 0 && s != 1 && s != 2))
        return false;

    bool zahl = false;
    const double w = zahlAmAnfang(felder.at(0), &zahl);
    const double gerundet = std::round(std::min(w, static_cast<double>(std::numeric_limits<int>::max())));
    wortmenge = zahl && gerundet >= 1 ? static_cast<int>(gerundet) : 20;
    schriften = felder.mid(1, kSchriften);
    sperre = static_cast<int>(s);
    return true;
}

QStringList Einstellungen::zeilen() const
{
    QStringList z;
    z << Schreibung::zahl(wortmenge) + QLatin1Char(' ');
    for (int i = 0; i < kSchriften; ++i)
        z << schriften.value(i);
    z << Schreibung::zahl(sperre) + QLatin1Char(' ');
    return z;
}
