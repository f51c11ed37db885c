#pragma once

#include <QString>
#include <functional>
#include <memory>

class Boxen;
class Druckflaeche;
class QWidget;

/// What one print command prints, as its messages name it.
struct Druckauftrag
{
    QString titel;   ///< title of every box
    QString was;     ///< the document in a sentence, e.g. "das Arbeitsblatt"
    QString stamm;   ///< name of the PDF file without its ending, e.g. "TIPPOLO"
    QString laeuft;  ///< the message once the pages are with the printer
};

/// Where a print goes: the boxes that ask and tell, the working folder that
/// takes the PDF when there is no printer, and the printer. An empty
/// `druckflaeche` means the system's default printer; one that returns
/// nullptr means that no printer is installed.
struct Druckziel
{
    Boxen &boxen;
    QString arbeitsordner;
    std::function<std::unique_ptr<Druckflaeche>()> druckflaeche;
};

/// Prints on the printer, or, when none is set up and the user agrees, into
/// the next free PDF file of the working folder. `seiten` draws the pages;
/// every failure is said in a box and nothing half-written is left.
void drucken(const Druckziel &ziel, QWidget &fenster, const Druckauftrag &auftrag,
             const std::function<void(Druckflaeche &)> &seiten);
