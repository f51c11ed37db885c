#pragma once

#include <QList>
#include <QString>

class Zufall;

/// The rules of the word catch, without a window: the letters of the word
/// scattered over a field of 18 x 11 cells (letters only in columns 0 to
/// 16), and the catcher that can catch only the first of them.
///
/// The word shrinks as letters are caught: its first character is always
/// the next one to catch.
class Fangfeld
{
public:
    static constexpr int Spalten = 18;
    static constexpr int Zeilen = 11;
    static constexpr int MaxLaenge = 50;
    static QString ersatzwort() { return QStringLiteral("Wortfangemeister"); }

    /// A new game: the word (an empty word or one longer than 50 characters
    /// becomes "Wortfangemeister"), the catcher at (9, 6), no letter placed.
    void beginnen(const QString &wort);

    /// Every remaining letter to a new random cell: never the catcher's
    /// cell, never the cell of an earlier letter.
    void streuen(Zufall &zufall);

    /// Moves the catcher by one cell, staying inside the field.
    void bewegen(int dSpalte, int dZeile);

    /// Whether the catcher stands on letter 1; if so, takes it off the word
    /// and returns it.
    QString fangen();

    const QString &wort() const { return m_wort; }
    int spalte() const { return m_spalte; }
    int zeile() const { return m_zeile; }
    /// Cells of the remaining letters, letter 1 first.
    const QList<int> &fangX() const { return m_x; }
    const QList<int> &fangY() const { return m_y; }

private:
    QString m_wort;
    QList<int> m_x, m_y;
    int m_spalte = 9;
    int m_zeile = 6;
};
