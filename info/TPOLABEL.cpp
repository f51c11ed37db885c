#include "info/TPOLABEL.h"

TPOLABEL::TPOLABEL(Programm &programm)
    : Fenster(programm, QStringLiteral("TPOLABEL"), QStringLiteral("Programm-Info"), 6000, 4000)
{
}
