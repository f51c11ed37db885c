#pragma once

#include <QString>
#include <QStringList>

#include "games/Bestenformat.h"

class Liste;
class Programm;

/// The best lists of the three games: one entry per line, "0006  Freund",
/// best first, at most 50 lines, Windows-1252 with CR LF.
///
/// The list control (a sorted Liste) does the ordering: the score is
/// zero-padded at the front, so sorting on the whole text orders by score and,
/// for equal scores, by name.

/// Fills the list control from the file. A missing or unreadable file gives
/// an empty list without a message; a file read only in part gives what was
/// read. Returns whether the list holds the whole file (true also when there
/// is no file yet): only then may it be saved over it.
bool BestenlisteLaden(const QString &datei, Liste *liste);

/// Writes the first 50 non-empty entries of the list control to the file,
/// replacing it. On failure the old file stays as it was, the function
/// returns false and `fehler` gets a German sentence saying why. A character
/// the file cannot hold is written as "?", so an unusual name never costs
/// the whole list.
bool BestenlisteSpeichern(const QString &datei, const Liste *liste, QString *fehler = nullptr);

/// What the games do after a win: save the list and, when that fails, tell
/// the child in a message box titled `titel`. The game goes on ending normally.
/// A list that was not read whole (`ganzGelesen` false, see BestenlisteLaden)
/// is not saved, so the file keeps all its entries; one line says so.
void BestenlisteSichern(Programm &programm, const QString &dateiname, const Liste *liste, const QString &titel,
                        bool ganzGelesen = true);
