#include "renderings/Darstellung.h"

// Not built yet: these types show nothing.

void Darstellung::ABCWoerter()
{
    Anzeigetext.clear();
}

void Darstellung::Versteckt()
{
    Anzeigetext.clear();
}

void Darstellung::ABCStelle()
{
    Anzeigetext.clear();
}

void Darstellung::Wortreihe()
{
    Anzeigetext.clear();
}

