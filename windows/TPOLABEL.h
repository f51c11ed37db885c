#pragma once

#include "ui/Fenster.h"

#include <QList>

class Bezeichnung;
class Bild;

/// The program-information window: the program's name in large coloured
/// letters, the release, a picture and "O k a y". While it is open the main
/// window is hidden; the picture and "O k a y" bring the main window back.
class Programm;

class TPOLABEL : public Fenster
{
    Q_OBJECT
public:
    explicit TPOLABEL(Programm &programm);

    Programm &programm() const { return m_programm; }

    Bild *Bild1;                 ///< the program's picture
    Bezeichnung *Bezeichnung1;   ///< "O k a y"
    Bezeichnung *Bezeichnung2;   ///< the release line
    Bezeichnung *Bezeichnung10;  ///< what the program is
    QList<Bezeichnung *> Namensbuchstaben;  ///< "T", "i", "p", "p", "o", "l", "o" (Bezeichnung3 ... Bezeichnung9)

    /// Centred across the screen, in its upper part; fills the release line.
    void Form_Activate() override;
    void Bild1_Click();
    void Bezeichnung1_Click();

protected:
    /// Closing the window by its frame returns to the main window as "O k a y" does.
    void schliessenAngefragt() override { Bild1_Click(); }

private:
    Programm &m_programm;
};
