#pragma once

#include "basis/Zufall.h"
#include "info/Protokoll.h"
#include "lists/Drucken.h"
#include "trainer/MODUL1.h"

#include <QString>
#include <functional>
#include <memory>

class Aufgabenanzeige;
class Boxen;
class Druckflaeche;

/// What one run of the trainer shares below its windows: the state of
/// MODUL1, the boxes, the random generator, the working folder with its
/// practice log, and where a print goes. The task cycle shows its tasks on
/// the `Aufgabenanzeige` the window layer provides.
///
/// Nothing lives in a global: a test makes a fresh one (as part of the
/// program object) with scripted boxes, a seeded generator and a temporary
/// working folder.
class Sitzung
{
public:
    Sitzung(Boxen &boxen, const QString &arbeitsordner);
    virtual ~Sitzung();
    Sitzung(const Sitzung &) = delete;
    Sitzung &operator=(const Sitzung &) = delete;

    MODUL1 modul;

    Boxen &boxen() { return m_boxen; }
    Zufall &zufall() { return m_zufall; }

    /// The working folder; every file of the program lives there.
    QString arbeitsordner() const { return m_arbeitsordner; }
    /// The full name of a file in the working folder.
    QString datei(const QString &name) const;

    /// The practice log of the working folder.
    Protokoll::Schreiber &protokoll() { return m_protokoll; }

    /// Where the worksheet is printed. Empty means the system's default
    /// printer; a factory that returns nullptr means no printer is installed.
    /// Tests put a recording canvas here.
    std::function<std::unique_ptr<Druckflaeche>()> druckflaeche;
    /// The printer, the boxes and the working folder of a print.
    Druckziel druckziel() { return {m_boxen, m_arbeitsordner, druckflaeche}; }

    /// Where the task cycle shows the task.
    virtual Aufgabenanzeige &anzeige() = 0;

private:
    Boxen &m_boxen;
    Zufall m_zufall;
    QString m_arbeitsordner;
    Protokoll::Schreiber m_protokoll;
};
