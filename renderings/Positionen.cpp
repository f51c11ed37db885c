#include "renderings/Darstellung.h"

// Not built yet: these types show nothing.

void Darstellung::Umkehrwort()
{
    Anzeigetext.clear();
}

void Darstellung::Lueckenwort()
{
    Anzeigetext.clear();
}

void Darstellung::Wortanfang()
{
    Anzeigetext.clear();
}

void Darstellung::Wortende()
{
    Anzeigetext.clear();
}

void Darstellung::Wortpuzzle()
{
    Anzeigetext.clear();
}

void Darstellung::Wortmitte()
{
    Anzeigetext.clear();
}

void Darstellung::Wortzaun()
{
    Anzeigetext.clear();
}

void Darstellung::Buchstabe()
{
    Anzeigetext.clear();
}

void Darstellung::Vertauscht()
{
    Anzeigetext.clear();
}

void Darstellung::Teilpuzzle()
{
    Anzeigetext.clear();
}

