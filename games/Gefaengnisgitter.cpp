#include "games/Gefaengnisgitter.h"

#include "basis/Zufall.h"

#include <algorithm>

void Gefaengnisgitter::aufbauen(const QString &wort, Zufall &zufall)
{
    m_wort = wort;
    m_zeilen.clear();
    const int l = static_cast<int>(wort.size());
    for (int r = 1; r <= Groesse; ++r) {
        QString zeile;
        for (int c = 1; c <= Groesse; ++c)
            zeile += l > 0 ? wort.at(zufall.index(l)) : QLatin1Char(' ');
        m_zeilen << zeile;
    }
    for (int r = 7; r <= 11; ++r)
        for (int c = 7; c <= 11; ++c)
            m_zeilen[r - 1][c - 1] = QLatin1Char(' ');
    if (l > 0)
        auswegLegen(zufall);
    nachUmsetzen();
}

void Gefaengnisgitter::auswegLegen(Zufall &zufall)
{
    // From a cell beside the empty centre to the outer ring, a path of cells
    // each next to the one before, away from the centre or to one side,
    // never back. Cell k of it holds letter k of the word (the last letter
    // once the word is used up), so walking it takes the letters in their
    // order: however the rest of the grid fell, there is a way out.
    const int seite = zufall.index(4);        // up, down, left, right
    const int quer = zufall.index(2) * 2 - 1;  // the side it may turn to
    const int aussen = seite % 2 == 0 ? -1 : 1;
    const bool senkrecht = seite < 2;
    int laengs = aussen < 0 ? 6 : 12;          // row (or column) beside the centre
    int seitlich = 7 + zufall.index(5);
    const int l = static_cast<int>(m_wort.size());
    for (int k = 1;; ++k) {
        const int c = senkrecht ? seitlich : laengs;
        const int r = senkrecht ? laengs : seitlich;
        m_zeilen[r - 1][c - 1] = m_wort.at(std::min(k, l) - 1);
        if (laengs == 1 || laengs == Groesse || seitlich == 1 || seitlich == Groesse)
            return;
        if (zufall.index(2) == 0)
            laengs += aussen;
        else
            seitlich += quer;
    }
}

void Gefaengnisgitter::setzen(const QString &wort, const QStringList &zeilen)
{
    m_wort = wort;
    m_zeilen = zeilen;
    nachUmsetzen();
}

void Gefaengnisgitter::nachUmsetzen()
{
    m_spalte = m_zeile = m_vorherSpalte = m_vorherZeile = 9;
    m_naechster = 1;
    m_wuensche = 0;
    m_genommen = 0;
    m_ausgebrochen = false;
}

QChar Gefaengnisgitter::zelle(int spalte, int zeile) const
{
    if (zeile < 1 || zeile > m_zeilen.size())
        return QLatin1Char(' ');
    const QString &z = m_zeilen.at(zeile - 1);
    return spalte >= 1 && spalte <= z.size() ? z.at(spalte - 1) : QLatin1Char(' ');
}

Gefaengnisgitter::Ergebnis Gefaengnisgitter::schritt(Richtung r)
{
    if (m_ausgebrochen)
        return Ergebnis::Verweigert;
    m_vorherSpalte = m_spalte;
    m_vorherZeile = m_zeile;
    switch (r) {
    case Richtung::Oben: --m_zeile; break;
    case Richtung::Unten: ++m_zeile; break;
    case Richtung::Links: --m_spalte; break;
    case Richtung::Rechts: ++m_spalte; break;
    }
    m_spalte = std::clamp(m_spalte, 1, Groesse);
    m_zeile = std::clamp(m_zeile, 1, Groesse);

    const QChar c = zelle(m_spalte, m_zeile);
    const bool leer = c == QLatin1Char(' ');
    if (!leer) {
        const bool passt = m_naechster >= 1 && m_naechster <= m_wort.size() && c == m_wort.at(m_naechster - 1);
        if (!passt) {
            m_spalte = m_vorherSpalte;
            m_zeile = m_vorherZeile;
            return Ergebnis::Verweigert;
        }
        m_zeilen[m_zeile - 1][m_spalte - 1] = QLatin1Char(' ');
    }
    if (m_spalte == 1 || m_spalte == Groesse || m_zeile == 1 || m_zeile == Groesse) {
        m_ausgebrochen = true;
        return Ergebnis::Ausbruch;
    }
    if (leer)
        return Ergebnis::Gegangen;
    m_naechster = std::min(m_naechster + 1, static_cast<int>(m_wort.size()));
    ++m_genommen;
    return Ergebnis::Genommen;
}

QString Gefaengnisgitter::wunsch()
{
    ++m_wuensche;
    const QString buchstabe = m_naechster >= 1 && m_naechster <= m_wort.size() ? QString(m_wort.at(m_naechster - 1))
                                                                                : QString();
    m_naechster = std::max(1, std::min(m_naechster + 1, static_cast<int>(m_wort.size())));
    return buchstabe;
}

QString Gefaengnisgitter::hinweis() const
{
    QString s;
    for (int i = 1; i <= m_wort.size(); ++i) {
        if (i == m_naechster)
            s += QStringLiteral("  ->") + m_wort.at(i - 1) + QStringLiteral("<-  ");
        else
            s += QLatin1Char(' ') + QString(m_wort.at(i - 1)) + QLatin1Char(' ');
    }
    return s;
}
