#pragma once

#include "games/Gefaengnisgitter.h"
#include "ui/Elemente.h"
#include "ui/Liste.h"
#include "windows/Spielfenster.h"

/// The word prison: a red "+" in the middle of a 17 x 17 grid of letters of
/// the word. The marker walks over empty cells and takes the letters of the
/// word in their order; reaching the outer ring frees it, and the letters
/// taken go into the best list BESTSUCH.LST.
///
/// The grid is drawn straight onto the window (1 pt = 20 twips, a cell every
/// 15 pt). The drawing is rebuilt from the game state after every change, so
/// it survives the window being covered and a test reads it from zeichnung().
class gefangen : public Spielfenster
{
    Q_OBJECT
public:
    explicit gefangen(Programm &programm);

    Figur *Figur1;  ///< frame of the grid
    Figur *Figur2;  ///< frame of the command column
    Knopf *Befehl1; ///< "ENDE"
    Knopf *Befehl3; ///< "HILFE"
    Bild *Bild1;    ///< arrow up
    Bild *Bild2;    ///< arrow left
    Bild *Bild3;    ///< arrow right
    Bild *Bild4;    ///< arrow down
    Knopf *Befehl2; ///< the wish box, " ? ? ?" while no wish is used
    Bild *Bild5;    ///< prison bars: shows the word with the next letter marked
    Liste *Liste1;  ///< best list, hidden during play

    const Gefaengnisgitter &gitter() const { return m_gitter; }
    /// Test hook: plays on with this grid instead of the one drawn.
    void gitterVorgeben(const QStringList &zeilen);

    /// Where the character of cell (spalte, zeile) is drawn, in twips.
    static int zellenX(int spalte) { return 300 * spalte; }
    static int zellenY(int zeile) { return 300 * zeile; }
    static QColor markenfarbe() { return QColor(255, 0, 0); }

    void Form_Activate() override;
    void Form_KeyPress(QStringView zeichen) override;
    void Bild1_Click();
    void Bild2_Click();
    void Bild3_Click();
    void Bild4_Click();
    void Befehl1_Click() override;
    void Befehl2_Click();
    void Befehl3_Click();
    void Bild5_Click();
    void SpielAbbrechen();

protected:
    void pfeil(Pfeil richtung) override;

private:
    void aufbauen();
    void schritt(Gefaengnisgitter::Richtung r);
    /// Draws the grid and the marker from the game state.
    void zeichnen();
    void gewonnen();
    void beenden();

    Gefaengnisgitter m_gitter;
};
