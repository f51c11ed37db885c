#include "games/fang.h"

fang::fang(Programm &programm)
    : Fenster(programm, QStringLiteral("fang"), QStringLiteral("Wortfange"), 9000, 6000)
{
}
