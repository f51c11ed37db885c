#pragma once

#include <QString>
#include <QStringList>
#include <functional>

/// Which folder the program works in. Without being told, it is
/// `${XDG_DATA_HOME:-~/.local/share}/tippolo`, made on the first start, never
/// the home folder itself. A school names another one (the class's shared
/// folder) for every user with the variable TIPPOLO_ORDNER or a line
/// "Ordner=…" in /etc/tippolo.conf; `tippolo --ordner DIR` names one for one
/// start and comes before both. A named folder that is missing or cannot be
/// written is reported and the default folder is used.
namespace Arbeitsordner {

/// What the command line asks for.
struct Aufruf {
    QString ordner;        ///< --ordner DIR (or --ordner=DIR); empty when not given
    bool probelauf = false; ///< --probelauf: start, report the first window, end
    bool hilfe = false;     ///< --help or -h
    QStringList fehler;     ///< German sentences about arguments that were not understood
};
/// Reads the arguments after the program's name (Qt has taken its own).
Aufruf aufrufLesen(const QStringList &argumente);
/// The German usage text of `tippolo --help`.
QString hilfetext();

/// Where the folder may be named, as found on the machine.
struct Umgebung {
    QString variable;    ///< TIPPOLO_ORDNER
    QString systemweit;  ///< the text of /etc/tippolo.conf
    QString xdgDataHome; ///< XDG_DATA_HOME
    QString home;        ///< the user's home folder
};
/// The environment of this process and the system-wide file.
Umgebung umgebung(const QString &systemdatei = QStringLiteral("/etc/tippolo.conf"));
/// The folder named by a "Ordner=…" line of the system-wide file (the key in
/// any capitals, blanks around "=" allowed, "#" starts a comment line).
QString systemweiterOrdner(const QString &text);

/// How a folder is found.
enum class Zustand { Beschreibbar, Fehlt, NichtBeschreibbar };
/// Looks at a folder; with `anlegen` a missing one is made first (with its parents).
using Pruefung = std::function<Zustand(const QString &ordner, bool anlegen)>;
/// The check on the real disk: a file is made and removed again, so a
/// read-only disk counts as not writable for root too.
Zustand pruefen(const QString &ordner, bool anlegen);

struct Wahl {
    QString ordner;  ///< the folder to work in (absolute)
    QString meldung; ///< German message for the user; empty when all is well
};
/// Chooses the working folder: the command line's, else the variable's, else
/// the system-wide file's, else the default folder (made when missing).
Wahl waehlen(const QString &befohlen, const Umgebung &u, const Pruefung &pruefung);

} // namespace Arbeitsordner
