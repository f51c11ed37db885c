#include "games/gefangen.h"

gefangen::gefangen(Programm &programm)
    : Fenster(programm, QStringLiteral("gefangen"), QStringLiteral("Wortgefängnis"), 9000, 6000)
{
}
