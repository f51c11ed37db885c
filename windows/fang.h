#pragma once

#include "games/Fangfeld.h"
#include "ui/Elemente.h"
#include "ui/Liste.h"
#include "windows/Spielfenster.h"

/// The word catch: the letters of the word lie scattered over a field and
/// jump to new places every few seconds; the child steers the red catcher
/// with the arrow keys and catches the letters in the order of the word. The
/// seconds it took go into the best list BESTFANG.LST.
class fang : public Spielfenster
{
    Q_OBJECT
public:
    explicit fang(Programm &programm);

    Bild *Bild5;               ///< the field, 18 x 11 cells of 400 twips
    Bezeichnung *Bezeichnung8; ///< the catcher
    Bezeichnung *Bezeichnung4; ///< letters caught
    Bezeichnung *Bezeichnung3; ///< the next letter
    Bezeichnung *Bezeichnung5; ///< the letters after it
    Bezeichnung *Bezeichnung6; ///< seconds
    Bezeichnung *Bezeichnung7; ///< " Sek"
    Bezeichnung *Bezeichnung1; ///< "schnell"
    Bezeichnung *Bezeichnung2; ///< "langsam"
    Bezeichnung *Bezeichnung9; ///< the jump interval
    Bildlauf *HBildlauf1;      ///< jump interval in seconds, 1 to 15
    Zeitgeber *Zeit1;          ///< one second
    Knopf *Befehl1;            ///< "ENDE"
    Knopf *Befehl2;            ///< "HILFE"
    Liste *Liste1;             ///< best list, hidden during play

    static constexpr int Zelle = 400;

    const Fangfeld &feld() const { return m_feld; }
    bool gestartet() const { return m_gestartet; }

    void Form_Activate() override;
    void Bild5_Click();
    void Zeit1_Timer();
    void HBildlauf1_Change();
    void HBildlauf1_Scroll() { HBildlauf1_Change(); }
    void Befehl1_Click() override;
    void Befehl2_Click();

    void NachOben();
    void NachUnten();
    void NachLinks();
    void NachRechts();
    void FangPruefen();
    void BuchstabenStreuen();
    void BuchstabenZeichnen();
    void FeldLeeren();
    void SpielGewonnen();
    void SpielBeenden();

protected:
    void pfeil(Pfeil richtung) override;

private:
    void aufbauen();
    void bewegen(int dSpalte, int dZeile);

    Fangfeld m_feld;
    bool m_gestartet = false;
};
