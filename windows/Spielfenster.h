#pragma once

#include "ui/Fenster.h"

#include <QPointer>
#include <QRect>
#include <QSize>
#include <functional>

class Knopf;
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
///
/// After a win the window stays open with the best list in view and the new
/// entry marked, the rest of the game at rest, until the child clicks
/// "Weiter" (or presses Enter or Escape, or closes the window): the win
/// message never hides the list for good.
class Spielfenster : public Fenster
{
    Q_OBJECT
public:
    /// `bestendatei` is the best-list file in the working folder.
    /// `groesseTwips` is the inner size of the window in twips.
    Spielfenster(Programm &programm, const QString &name, const QString &caption, QSize groesseTwips,
                 const QString &bestendatei);

    Programm &programm() const { return m_programm; }

    void Form_Load() override;
    /// Arrow keys go to pfeil(), Escape to Befehl1_Click(); a game sees them
    /// only once it has switched the key preview on.
    void Form_KeyDown(int keyCode) override;

    /// The end button.
    virtual void Befehl1_Click() = 0;

    /// Under the best list after a win: ends the game.
    Knopf *Weiter = nullptr;
    void Weiter_Click();
    Liste *bestenliste() const { return m_besten; }
    /// Whether the window shows the best list after a win.
    bool siegerehrung() const { return static_cast<bool>(m_ende); }

protected:
    enum class Pfeil { Oben, Unten, Links, Rechts };
    /// An arrow key (default: nothing).
    virtual void pfeil(Pfeil richtung) { Q_UNUSED(richtung); }

    void schliessenAngefragt() override;
    /// A window without key preview (the gallows) gets the keys "Weiter" leaves.
    void keyPressEvent(QKeyEvent *ev) override;

    /// Makes the best list, black on cyan in bold Courier New, hidden, at
    /// the given place in twips, and the hidden "Weiter" button under it.
    Liste *bestenlisteAnlegen(const QString &name, const QRect &twips);
    /// Fills the best list from its file.
    void bestenlisteLaden();
    /// Adds the score with the player's name and shows the best list with
    /// the new entry marked.
    void bestenEintragen(int punkte);
    /// The end of a won game: with `eintragen` the score goes into the best
    /// list, which is shown; then the message `text` under `titel`; then the
    /// list is saved and stays in view, with the rest of the window at rest,
    /// until Weiter_Click runs `ende`. Without an entry `ende` runs at once.
    void gewonnen(int punkte, const QString &text, const QString &titel, std::function<void()> ende,
                  bool eintragen = true);
    /// Adds the entry of this win to the best list in its file, as it stands
    /// there now; a failure is told in a box titled `titel`.
    void bestenlisteSichern(const QString &titel);

    /// "Dieses Spiel vorzeitig beenden?" under `titel`; true when the answer is Yes.
    bool vorzeitigBeenden(const QString &titel);
    /// Hides and empties the best list, hides the game and shows the main window.
    void zurueckZumHauptfenster();

private:
    /// Wakes the window from the rest after a win.
    void ruheBeenden();

    Programm &m_programm;
    QString m_bestendatei;
    Liste *m_besten = nullptr;
    /// The entry of the last win.
    QString m_neuerEintrag;
    /// How the game ends once the child has seen the best list after a win.
    std::function<void()> m_ende;
    /// The elements put at rest while the best list is shown.
    QList<QPointer<QWidget>> m_ruhend;
};
