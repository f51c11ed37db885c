#pragma once

#include <QString>
#include <QStringList>

class Boxen;
class Dateiliste;

/// Saves `woerter` as a word list in the working folder `arbeitsordner`
/// (whose file list `dateien` shows it afterwards) under a name the
/// user types ("Name der Datei:", `vorschlag` offered). Every window that
/// saves a list goes through here: the name is checked (Dateien::nameAblehnen),
/// a name in other capitals means the file that is there, an existing file
/// is replaced only after "Vorhandene Datei ersetzen?", and a new file is
/// created only when its name is still free at the moment of writing. Every
/// refusal and failure is said in a box titled `titel`. Returns the name
/// typed when the list was written, else an empty string.
QString listeSpeichern(Boxen &boxen, const QString &arbeitsordner, Dateiliste &dateien, const QString &titel,
                       const QString &vorschlag, const QStringList &woerter);
