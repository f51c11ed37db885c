#pragma once

class Fenster;

/// What a window tells the one who keeps the program's windows: that it
/// became the active window, or that it was hidden (so the window shown
/// before it can become active again).
class Fensterverwaltung
{
public:
    virtual void aktiviert(Fenster *f) = 0;
    virtual void verborgen(Fenster *f) = 0;

protected:
    ~Fensterverwaltung() = default;
};
