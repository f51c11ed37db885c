#include "games/galgen.h"

galgen::galgen(Programm &programm)
    : Fenster(programm, QStringLiteral("galgen"), QStringLiteral("Wortgalgen"), 9000, 6000)
{
}
