#pragma once

#include <QString>
#include <QStringList>

#include "games/Bestenformat.h"

class Liste;
class Boxen;

/// The best lists of the three games: one entry per line, "0006  Freund",
/// best first, at most 50 lines, Windows-1252 with CR LF.
///
/// The list control (a sorted Liste) does the ordering: the score is
/// zero-padded at the front, so sorting on the whole text orders by score and,
/// for equal scores, by name.

/// Fills the list control from the file. A missing or unreadable file gives
/// an empty list without a message; a file read only in part gives what was
/// read. (Saving reads the file again under its lock.)
void BestenlisteLaden(const QString &datei, Liste *liste);

/// Adds `eintrag` to the best list in the file. Several programs may share
/// the working folder, so the file is read again at the moment of saving,
/// under a lock file beside it ("BESTHANG.LST.lock", broken when its
/// program is gone or it is older than kSperreVeraltet); the entry is added,
/// the list sorted as the list control sorts it and its best 50 written. No
/// entry another program saved in the meantime is lost. A file that cannot
/// be read whole is not written over. On failure the old file stays as it
/// was, the function returns false and `fehler` gets a German sentence saying
/// why. A character the file cannot hold is written as "?", so an unusual
/// name never costs the whole list.
bool BestenlisteSpeichern(const QString &datei, const QString &eintrag, QString *fehler = nullptr);

/// After this long a lock file is taken for left behind; a save holds the
/// lock for a moment only.
constexpr int kSperreVeraltet = 10000;

/// What the games do after a win: save the entry in `datei` and, when that
/// fails, tell the child in a message box titled `titel`. The game goes on ending normally.
void BestenlisteSichern(Boxen &boxen, const QString &datei, const QString &eintrag, const QString &titel);
