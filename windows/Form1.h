#pragma once

#include "trainer/Aufgabenanzeige.h"
#include "ui/Elemente.h"
#include "ui/Fenster.h"
#include "ui/Liste.h"

#include <QList>

class Dateiliste;
class Laufwerkliste;
class Verzeichnisliste;

/// The main window: the task display, the input line, the 28 exercise
/// buttons, the candidate list, the icons with their captions, the reward
/// panel, the enlarged display and the file browser.
///
/// The event procedures of the window are grouped by what they belong to:
/// start-up, exit and the exercise catalogue here (Form1.cpp); answer
/// checking and the small commands (Form1_Antworten.cpp, Form1_Befehle.cpp);
/// the enlarged display (Form1_Vergroesserung.cpp); file browser, settings,
/// unlock, printing and the script switch (Form1_Listen.cpp); the game
/// launch (Form1_Spiele.cpp).
class Programm;

class Form1 : public Fenster, public Aufgabenanzeige
{
    Q_OBJECT
public:
    explicit Form1(Programm &programm);

    Programm &programm() const { return m_programm; }
    ~Form1() override;

    // ---- elements (the word list, the candidate list, the task display, the
    // input line, the counters and the hint letter are the Aufgabenanzeige's)
    Bezeichnung *Bezeichnung6;  ///< "Buchstabe             Wort "
    Bezeichnung *Bezeichnung7;  ///< player's name
    Bezeichnung *Bezeichnung8;  ///< exercise name under the traffic light
    Bezeichnung *Bezeichnung10; ///< script name
    Bezeichnung *Bezeichnung27, *Bezeichnung28, *Bezeichnung29; ///< list sizes
    /// Captions under the icons of the left column, top to bottom.
    QList<Bezeichnung *> Beschriftungen;

    Bild *Bild1, *Bild5, *Bild23, *Bild6, *Bild14, *Bild26, *Bild25, *Bild7, *Bild16; ///< left column
    Bild *Bild21;  ///< eye beside the task display
    Bild *Bild10;  ///< beside the input line, shows the mode picture
    Bild *Bild3;   ///< sand bucket: reward information
    Bild *Bild2;   ///< evaluation
    Bild *Bild15;  ///< hint letter
    Bild *Bild11;  ///< show solution
    Bild *Bild17;  ///< script switch
    Bild *Bild13;  ///< traffic light

    QList<Knopf *> Befehl;  ///< Befehl[0] is Befehl1 ... Befehl[27] is Befehl28

    /// Reward panel with the three game labels.
    Bild *Bild9;
    Bezeichnung *Bezeichnung24, *Bezeichnung25, *Bezeichnung26;

    /// Enlarged display with its six size labels.
    Bild *Bild4;
    Bezeichnung *Bezeichnung23, *Bezeichnung17, *Bezeichnung19, *Bezeichnung20, *Bezeichnung21, *Bezeichnung22;

    /// File browser panel.
    Bild *Bild8;
    Laufwerkliste *Laufwerk1;
    Verzeichnisliste *Verzeichnis1;
    Dateiliste *Datei1;

    // ---- start-up and exit (Form1.cpp)
    void Form_Load() override;
    /// In word-entry mode the window shows what word entry expects.
    void Form_Activate() override;
    void Standardliste();
    void Bild1_Click();
    /// The exercise catalogue: Befehl1_Click ... Befehl28_Click.
    void Befehl_Click(int nummer);
    void Befehl1_Click() { Befehl_Click(1); }
    void Befehl2_Click() { Befehl_Click(2); }
    void Befehl3_Click() { Befehl_Click(3); }
    void Befehl4_Click() { Befehl_Click(4); }
    void Befehl5_Click() { Befehl_Click(5); }
    void Befehl6_Click() { Befehl_Click(6); }
    void Befehl7_Click() { Befehl_Click(7); }
    void Befehl8_Click() { Befehl_Click(8); }
    void Befehl9_Click() { Befehl_Click(9); }
    void Befehl10_Click() { Befehl_Click(10); }
    void Befehl11_Click() { Befehl_Click(11); }
    void Befehl12_Click() { Befehl_Click(12); }
    void Befehl13_Click() { Befehl_Click(13); }
    void Befehl14_Click() { Befehl_Click(14); }
    void Befehl15_Click() { Befehl_Click(15); }
    void Befehl16_Click() { Befehl_Click(16); }
    void Befehl17_Click() { Befehl_Click(17); }
    void Befehl18_Click() { Befehl_Click(18); }
    void Befehl19_Click() { Befehl_Click(19); }
    void Befehl20_Click() { Befehl_Click(20); }
    void Befehl21_Click() { Befehl_Click(21); }
    void Befehl22_Click() { Befehl_Click(22); }
    void Befehl23_Click() { Befehl_Click(23); }
    void Befehl24_Click() { Befehl_Click(24); }
    void Befehl25_Click() { Befehl_Click(25); }
    void Befehl26_Click() { Befehl_Click(26); }
    void Befehl27_Click() { Befehl_Click(27); }
    void Befehl28_Click() { Befehl_Click(28); }

    // ---- answer checking (Form1_Antworten.cpp)
    void Form_KeyDown(int keyCode) override;
    void Form_KeyPress(QStringView zeichen) override;
    void ZeichenLoeschen();
    void WortRichtig();
    void Liste2_Click();
    void Bild15_Click();
    void Bild11_Click();
    void Bild2_Click();
    void Bild3_Click();

    // ---- main-window commands (Form1_Befehle.cpp)
    void Bild26_Click();
    void Bild25_Click();
    void Bild23_Click();
    void Bezeichnung27_Click();
    void Bezeichnung28_Click();
    void Bezeichnung29_Click();
    void Bild21_Click();
    void Bild10_Click();
    void Bild13_Click();
    void Bild7_Click();
    void Bild16_Click();

    // ---- enlarged display (Form1_Vergroesserung.cpp)
    void Bezeichnung1_Click();
    void Vergroessern(double punkte);
    void Bezeichnung23_Click() { Vergroessern(20); }
    void Bezeichnung17_Click() { Vergroessern(24); }
    void Bezeichnung19_Click() { Vergroessern(28); }
    void Bezeichnung20_Click() { Vergroessern(32); }
    void Bezeichnung21_Click() { Vergroessern(36); }
    void Bezeichnung22_Click() { Vergroessern(40); }
    void Bild4_Click();

    // ---- word lists, settings, printing (Form1_Listen.cpp)
    void EinstellungenLesen();
    void Bild6_Click();
    void Laufwerk1_Change();
    void Verzeichnis1_Change();
    void Datei1_Click();
    /// Loads the file selected in Datei1 (see Datei1_Click); with `melden`
    /// the teacher is told what the list check found. The start-up loads
    /// silently: the child at the screen cannot act on it.
    void listeLaden(bool melden);
    void Bild5_Click();
    void Bild14_Click();
    void Bild17_Click();

    // ---- reward panel and game launch (Form1_Spiele.cpp)
    /// Brings the reward panel Bild9 into view, over the other elements.
    void belohnungZeigen() override;
    /// Moves the reward panel out of view again, to the right of the window.
    void belohnungVerbergen();
    void Bezeichnung24_Click();
    void Bezeichnung25_Click();
    void Bezeichnung26_Click();

    // ---- the fonts the task is shown in, from the settings window
    QString Anzeigeschrift() override;
    QString Druckschrift() override;
    std::optional<QString> aufgabenschrift(int uebung) override;

    /// The names of the 28 exercise types as shown under the traffic light.
    static QString Uebungsname(int nummer);
    /// The captions of the 28 exercise buttons.
    static QString Knopfbeschriftung(int nummer);

protected:
    void schliessenAngefragt() override { Bild1_Click(); }

private:
    Programm &m_programm;
    void aufbauen();
    void verbinden();
};
