#pragma once

#include "ui/Fenster.h"

/// Not built yet.
class galgen : public Fenster
{
    Q_OBJECT
public:
    explicit galgen(Programm &programm);
};
