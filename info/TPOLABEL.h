#pragma once

#include "ui/Fenster.h"

/// Not built yet.
class TPOLABEL : public Fenster
{
    Q_OBJECT
public:
    explicit TPOLABEL(Programm &programm);
};
