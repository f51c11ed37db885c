#pragma once

#include "ui/Fenster.h"

class Liste;
class Programm;

/// What the three game windows have in common: the light cyan background,
/// centring on first use, the best list (hidden while a game runs, loaded
/// at every start, shown with the new entry and saved after a win), the
/// question before a game ends early, the arrow keys and Escape of the key
/// preview, and the way back to the main window.
///
/// Each game names its end button Befehl1; Escape and closing the window by
/// its frame do what that button does.
class Spielfenster : public Fenster
{
    Q_OBJECT
public:
    /// `bestendatei` is the best-list file in the working folder.
    Spielfenster(Programm &programm, const QString &name, const QString &caption, int breiteTwips, int hoeheTwips,
                 const QString &bestendatei);

    Programm &programm() const { return m_programm; }

    void Form_Load() override;
    /// Arrow keys go to pfeil(), Escape to Befehl1_Click(); a game sees them
    /// only once it has switched the key preview on.
    void Form_KeyDown(int keyCode) override;

    /// The end button.
    virtual void Befehl1_Click() = 0;

protected:
    enum class Pfeil { Oben, Unten, Links, Rechts };
    /// An arrow key (default: nothing).
    virtual void pfeil(Pfeil richtung) { Q_UNUSED(richtung); }

    void schliessenAngefragt() override { Befehl1_Click(); }

    /// Makes the best list, black on cyan in bold Courier New, hidden, at
    /// the given place in twips.
    Liste *bestenlisteAnlegen(const QString &name, int links, int oben, int breite, int hoehe);
    /// Fills the best list from its file.
    void bestenlisteLaden();
    /// Adds the score with the player's name and shows the best list.
    void bestenEintragen(int punkte);
    /// Adds the entry of this win to the best list in its file, as it stands
    /// there now; a failure is told in a box titled `titel`.
    void bestenlisteSichern(const QString &titel);

    /// "Dieses Spiel vorzeitig beenden?" under `titel`; true when the answer is Yes.
    bool vorzeitigBeenden(const QString &titel);
    /// Hides and empties the best list, hides the game and shows the main window.
    void zurueckZumHauptfenster();

private:
    Programm &m_programm;
    QString m_bestendatei;
    Liste *m_besten = nullptr;
    /// The entry of the last win.
    QString m_neuerEintrag;
};
