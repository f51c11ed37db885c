#pragma once

#include <QString>
#include <QStringList>

class Zufall;

/// The rules of the word prison, without a window: a 17 x 17 grid of letters
/// of the word, the marker that walks over it, the next letter to take, the
/// wishes and the count of letters taken.
///
/// Cells are numbered 1 to 17 in both directions; row string r holds the
/// cells of row r, a blank for an empty cell.
class Gefaengnisgitter
{
public:
    static constexpr int Groesse = 17;

    enum class Richtung { Oben, Links, Rechts, Unten };
    enum class Ergebnis {
        Verweigert, ///< a letter that is not the next one: nothing happens
        Gegangen,   ///< onto an empty cell
        Genommen,   ///< the next letter taken
        Ausbruch    ///< onto the outer ring: the game is won
    };

    /// A new game: every cell a random letter of the word (a letter that
    /// occurs twice is twice as likely), the 5 x 5 centre empty, the marker
    /// at (9, 9), and one path to the edge laid with the word's letters in
    /// their order, so there is always a way out. With an empty word every
    /// cell is empty.
    void aufbauen(const QString &wort, Zufall &zufall);

    /// One step; the marker stays on the border when the step would leave the
    /// grid. A letter taken by the step onto the outer ring is not counted.
    Ergebnis schritt(Richtung r);

    /// The wish box asks this: 0 to 3 wishes used.
    int wuensche() const { return m_wuensche; }
    /// Uses a wish: returns the letter wished (the next one, empty for an
    /// empty word) and moves on to the letter after it. No cell changes.
    QString wunsch();

    /// The word with the next letter marked: "  ->" letter "<-  ", every
    /// other letter between two blanks.
    QString hinweis() const;

    const QString &wort() const { return m_wort; }
    const QStringList &zeilen() const { return m_zeilen; }
    QChar zelle(int spalte, int zeile) const;
    int spalte() const { return m_spalte; }
    int zeile() const { return m_zeile; }
    int naechster() const { return m_naechster; }
    int genommen() const { return m_genommen; }
    bool ausgebrochen() const { return m_ausgebrochen; }

    /// Test hook: a grid given row by row (17 strings of 17 characters).
    void setzen(const QString &wort, const QStringList &zeilen);

private:
    void nachUmsetzen();
    void auswegLegen(Zufall &zufall);

    QString m_wort;
    QStringList m_zeilen;
    int m_spalte = 9;
    int m_zeile = 9;
    int m_vorherSpalte = 9;
    int m_vorherZeile = 9;
    int m_naechster = 1;
    int m_wuensche = 0;
    int m_genommen = 0;
    bool m_ausgebrochen = false;
};
