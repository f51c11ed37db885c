// The main window's reward panel and game launch: the panel comes into view
// when a reward falls due, and its three labels start the games.
#include "lists/Listenpruefung.h"
#include "ui/Twips.h"
#include "windows/Form1.h"
#include "windows/Programm.h"
#include "windows/fang.h"
#include "windows/galgen.h"
#include "windows/gefangen.h"

namespace {

/// The left edge of the reward panel in view, and out of view at the right
/// of the window, where it waits until a reward falls due.
constexpr int kPanelLinksSichtbar = 3000;
constexpr int kPanelLinksVersteckt = 10440;

void spielOeffnen(Form1 &f, Fenster &spiel)
{
    f.belohnungVerbergen();
    f.verbergen();
    spiel.zeigen();
}

} // namespace

void Form1::belohnungZeigen()
{
    Twips::setzeLinks(Bild9, kPanelLinksSichtbar);
    Bild9->raise();
}

void Form1::belohnungVerbergen()
{
    Twips::setzeLinks(Bild9, kPanelLinksVersteckt);
}

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
    // As in the task cycle, a word the child cannot type is not played.
    QStringList woerter = Liste2->eintraege();
    woerter.removeIf([](const QString &w) { return !Listenpruefung::tippbar(w); });
    const int n = static_cast<int>(woerter.size());
    const int k = p.zufall().index(n);
    p.modul.Eingabe = n > 0 ? woerter.at(k) : QString();
    spielOeffnen(*this, p.galgenFenster());
}
