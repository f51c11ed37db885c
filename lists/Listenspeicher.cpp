#include "lists/Listenspeicher.h"

#include "lists/Dateien.h"
#include "renderings/Schreibung.h"
#include "ui/Boxen.h"
#include "ui/Dateibrowser.h"

#include <QDir>

#include <algorithm>

QString listeSpeichern(Boxen &boxen, const QString &arbeitsordner, Dateiliste &dateien, const QString &titel,
                      const QString &vorschlag, const QStringList &woerter)
{
    auto scheitern = [&](const QString &warum) {
        boxen.meldung(warum + QStringLiteral("\rDie Liste wurde nicht gespeichert."), titel, Knoepfe::OK, Symbol::Stop);
        return QString();
    };
    const QString name = boxen.eingabe(QStringLiteral("Name der Datei:"), titel, vorschlag);
    if (name.isEmpty())
        return QString();
    const QString abgelehnt = Dateien::nameAblehnen(name, arbeitsordner);
    if (!abgelehnt.isEmpty())
        return scheitern(abgelehnt);
    QByteArray inhalt;
    QString fehler;
    if (!Dateien::zeilenKodieren(woerter, inhalt, &fehler))
        return scheitern(fehler);
    const QString gross = Schreibung::gross(name);
    // Each round loses only to a file that another program made in between.
    for (int runde = 0;; ++runde) {
        if (runde == 100)
            return scheitern(fehler);
        // A name that differs from a file of the working folder only in
        // capitals means that file, as the file list shows it.
        const QString vorhanden = Dateien::vorhandenerName(arbeitsordner, name);
        const QStringList gezeigt = dateien.eintraege();
        const bool ersetzen = !vorhanden.isEmpty() || std::any_of(gezeigt.begin(), gezeigt.end(), [&](const QString &d) {
            return Schreibung::gross(d) == gross;
        });
        if (ersetzen && !boxen.frage(QStringLiteral("Vorhandene Datei ersetzen?"), name))
            return QString();
        const QString pfad = QDir(arbeitsordner).filePath(vorhanden.isEmpty() ? name : vorhanden);
        bool vergeben = false;
        if (ersetzen ? Dateien::bytesSchreiben(pfad, inhalt, &fehler)
                     : Dateien::neuSchreiben(pfad, inhalt, &fehler, &vergeben))
            break;
        // Another program made the file since the look above: ask about it next.
        if (!vergeben)
            return scheitern(fehler);
    }
    dateien.Refresh();
    return name;
}
