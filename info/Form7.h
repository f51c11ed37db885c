#pragma once

#include "ui/Fenster.h"

/// Not built yet.
class Form7 : public Fenster
{
    Q_OBJECT
public:
    explicit Form7(Programm &programm);
};
