#pragma once

#include <QString>
#include <functional>

class Druckflaeche;
class Programm;
class QWidget;

/// What one print command prints, as its messages name it.
struct Druckauftrag
{
    QString titel;   ///< title of every box
    QString was;     ///< the document in a sentence, e.g. "das Arbeitsblatt"
    QString stamm;   ///< name of the PDF file without its ending, e.g. "TIPPOLO"
    QString laeuft;  ///< the message once the pages are with the printer
};

/// Prints on the printer, or, when none is set up and the user agrees, into
/// the next free PDF file of the working folder. `seiten` draws the pages;
/// every failure is said in a box and nothing half-written is left.
void drucken(Programm &p, QWidget &fenster, const Druckauftrag &auftrag,
             const std::function<void(Druckflaeche &)> &seiten);
