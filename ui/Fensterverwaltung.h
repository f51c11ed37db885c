#pragma once

class Fenster;

/// What a window tells the one who keeps the program's windows: that it
/// became the active window, or that it was hidden (so the window shown
/// before it can become active again), or that the user gave it a new size.
class Fensterverwaltung
{
public:
    virtual void aktiviert(Fenster *f) = 0;
    virtual void verborgen(Fenster *f) = 0;
    /// The user resized `f` so that it is now drawn at `faktor`.
    virtual void skaliert(Fenster *f, double faktor) = 0;
    /// The factor the program's windows are drawn at now; a window takes it
    /// each time it is shown.
    virtual double faktor() const = 0;

protected:
    ~Fensterverwaltung() = default;
};
