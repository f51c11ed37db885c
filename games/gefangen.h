#pragma once

#include "ui/Fenster.h"

/// Not built yet.
class gefangen : public Fenster
{
    Q_OBJECT
public:
    explicit gefangen(Programm &programm);
};
