#include "games/Fangfeld.h"

#include "basis/Zufall.h"

#include <algorithm>

void Fangfeld::beginnen(const QString &wort)
{
    m_wort = wort.isEmpty() || wort.size() > MaxLaenge ? ersatzwort() : wort;
    m_x.clear();
    m_y.clear();
    m_spalte = 9;
    m_zeile = 6;
}

void Fangfeld::streuen(Zufall &zufall)
{
    m_x.clear();
    m_y.clear();
    for (qsizetype i = 0; i < m_wort.size(); ++i) {
        int x = 0, y = 0;
        bool belegt = true;
        while (belegt) {
            x = zufall.index(Spalten - 1);
            y = zufall.index(Zeilen);
            belegt = x == m_spalte && y == m_zeile;
            for (qsizetype j = 0; j < m_x.size() && !belegt; ++j)
                belegt = m_x.at(j) == x && m_y.at(j) == y;
        }
        m_x << x;
        m_y << y;
    }
}

void Fangfeld::bewegen(int dSpalte, int dZeile)
{
    m_spalte = std::clamp(m_spalte + dSpalte, 0, Spalten - 1);
    m_zeile = std::clamp(m_zeile + dZeile, 0, Zeilen - 1);
}

QString Fangfeld::fangen()
{
    if (m_wort.isEmpty() || m_x.isEmpty() || m_x.first() != m_spalte || m_y.first() != m_zeile)
        return QString();
    const QString buchstabe = m_wort.left(1);
    m_wort.remove(0, 1);
    m_x.removeFirst();
    m_y.removeFirst();
    return buchstabe;
}
