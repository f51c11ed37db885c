#pragma once

#include <QString>
#include <optional>

class Bezeichnung;
class Liste;

/// Where the task cycle shows its tasks: the elements of the main window it
/// reads and writes, under their names there, and the fonts the settings
/// window holds. The task cycle knows no window, only this; the main window
/// provides it.
class Aufgabenanzeige
{
public:
    Liste *Liste1 = nullptr;              ///< the word list (hidden, sorted)
    Liste *Liste2 = nullptr;              ///< the candidate list
    Bezeichnung *Bezeichnung1 = nullptr;  ///< task display
    Bezeichnung *Bezeichnung2 = nullptr;  ///< input line
    Bezeichnung *Bezeichnung3 = nullptr;  ///< Fehler
    Bezeichnung *Bezeichnung4 = nullptr;  ///< Loesungen
    Bezeichnung *Bezeichnung9 = nullptr;  ///< hint letter

    /// The font of the task display, and that of the input line.
    virtual QString Anzeigeschrift() = 0;
    virtual QString Druckschrift() = 0;
    /// The font exercise `uebung` shows its task in, if it has one of its own.
    virtual std::optional<QString> aufgabenschrift(int uebung) = 0;
    /// Brings the reward panel into view.
    virtual void belohnungZeigen() = 0;

protected:
    ~Aufgabenanzeige() = default;
};
