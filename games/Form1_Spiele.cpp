// The main window's game launch: the three labels of the reward panel.
#include "games/fang.h"
#include "games/galgen.h"
#include "games/gefangen.h"
#include "trainer/Form1.h"
#include "trainer/Programm.h"
#include "ui/Twips.h"

namespace {

/// Where the reward panel waits, out of view, until a reward falls due.
constexpr int PanelVersteckt = 10440;

void spielOeffnen(Form1 &f, Fenster &spiel)
{
    Twips::setzeLinks(f.Bild9, PanelVersteckt);
    f.verbergen();
    spiel.zeigen();
}

} // namespace

void Form1::Bezeichnung24_Click()
{
    spielOeffnen(*this, programm().fangFenster());
}

void Form1::Bezeichnung25_Click()
{
    spielOeffnen(*this, programm().gefangenFenster());
}

void Form1::Bezeichnung26_Click()
{
    Programm &p = programm();
    p.zufall().seedFromClock();
    const int n = Liste2->ListCount();
    const int k = p.zufall().index(n);
    p.modul.Eingabe = n > 0 ? Liste2->List(k) : QString();
    spielOeffnen(*this, p.galgenFenster());
}
