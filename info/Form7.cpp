#include "info/Form7.h"

Form7::Form7(Programm &programm)
    : Fenster(programm, QStringLiteral("Form7"), QStringLiteral("Tippolo: Hilfe"), 4395, 6870)
{
}
