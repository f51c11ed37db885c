#pragma once

#include "ui/Fenster.h"

/// Not built yet.
class fang : public Fenster
{
    Q_OBJECT
public:
    explicit fang(Programm &programm);
};
