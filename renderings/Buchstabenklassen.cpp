#include "renderings/Darstellung.h"

// Not built yet: these types show nothing.

void Darstellung::Selbstlaute()
{
    Anzeigetext.clear();
}

void Darstellung::Mitlaute()
{
    Anzeigetext.clear();
}

void Darstellung::Morsewort()
{
    Anzeigetext.clear();
}

void Darstellung::MSULaute()
{
    Anzeigetext.clear();
}

void Darstellung::Chinesen()
{
    Anzeigetext.clear();
}

void Darstellung::Geheim()
{
    Anzeigetext.clear();
}

