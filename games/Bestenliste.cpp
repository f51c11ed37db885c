#include "games/Bestenliste.h"

#include "basis/Sortierung.h"

#include "lists/Dateien.h"
#include "ui/Boxen.h"
#include "ui/Liste.h"

#include <QFileInfo>
#include <QLockFile>

#include <algorithm>
#include <chrono>

void BestenlisteLaden(const QString &datei, Liste *liste)
{
    liste->Clear();
    QByteArray bytes;
    Dateien::einlesen(datei, bytes);
    if (!bytes.isEmpty())
        liste->addItems(BestenlisteEintraege(Dateien::dekodieren(bytes)));
}

bool BestenlisteSpeichern(const QString &datei, const QString &eintrag, QString *fehler)
{
    QLockFile sperre(datei + QStringLiteral(".lock"));
    sperre.setStaleLockTime(std::chrono::milliseconds(kSperreVeraltet));
    if (!sperre.tryLock(std::chrono::milliseconds(kSperreVeraltet + 5000)) &&
        sperre.error() == QLockFile::LockFailedError) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei \"%1\" wird gerade von einem anderen Programm gespeichert.")
                          .arg(QFileInfo(datei).fileName());
        return false;
    }
    // A folder where no lock file can be made (read-only, full) cannot take
    // the list either; the writer below says why.
    QByteArray bytes;
    const Dateien::Lesestand stand = Dateien::einlesen(datei, bytes, fehler);
    if (stand != Dateien::Lesestand::Gelesen && stand != Dateien::Lesestand::Fehlt)
        return false;
    QStringList eintraege = BestenlisteEintraege(Dateien::dekodieren(bytes));
    eintraege << eintrag;
    std::stable_sort(eintraege.begin(), eintraege.end(),
                     [](const QString &a, const QString &b) { return Sortierung::vergleichen(a, b) < 0; });
    QStringList zeilen;
    for (const QString &e : eintraege)
        if (zeilen.size() < BestenlisteGroesse && !e.isEmpty())
            zeilen << Dateien::ersetztNichtKodierbare(e);
    return Dateien::zeilenSchreiben(datei, zeilen, fehler);
}

void BestenlisteSichern(Boxen &boxen, const QString &datei, const QString &eintrag, const QString &titel)
{
    QString fehler;
    if (BestenlisteSpeichern(datei, eintrag, &fehler))
        return;
    boxen.meldung(QStringLiteral("Die Bestenliste konnte nicht gespeichert werden.\r") + fehler + QStringLiteral("\r"), titel,
                  Knoepfe::OK, Symbol::Stop);
}
