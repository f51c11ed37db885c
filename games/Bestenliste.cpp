#include "games/Bestenliste.h"

#include "lists/Dateien.h"
#include "trainer/Programm.h"
#include "ui/Boxen.h"
#include "ui/Liste.h"

#include <algorithm>

bool BestenlisteLaden(const QString &datei, Liste *liste)
{
    liste->Clear();
    QByteArray bytes;
    const Dateien::Lesestand stand = Dateien::einlesen(datei, bytes);
    if (!bytes.isEmpty())
        liste->addItems(BestenlisteEintraege(Dateien::dekodieren(bytes)));
    return stand == Dateien::Lesestand::Gelesen || stand == Dateien::Lesestand::Fehlt;
}

static QString speicherbar(const QString &text)
{
    if (Dateien::kodierbar(text) && std::none_of(text.begin(), text.end(), [](QChar c) {
            return c.category() == QChar::Other_Control;
        }))
        return text;
    QString s;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            s += QLatin1Char('?');
            ++i;
            continue;
        }
        s += Dateien::kodierbar(QString(c)) && c.category() != QChar::Other_Control ? c : QLatin1Char('?');
    }
    return s;
}

bool BestenlisteSpeichern(const QString &datei, const Liste *liste, QString *fehler)
{
    QStringList zeilen;
    for (int i = 0; i < BestenlisteGroesse && i < liste->ListCount(); ++i) {
        const QString eintrag = liste->List(i);
        if (!eintrag.isEmpty())
            zeilen << speicherbar(eintrag);
    }
    return Dateien::zeilenSchreiben(datei, zeilen, fehler);
}

void BestenlisteSichern(Programm &programm, const QString &dateiname, const Liste *liste, const QString &titel,
                        bool ganzGelesen)
{
    if (!ganzGelesen) {
        programm.boxen().meldung(QStringLiteral("Die Bestenliste \"%1\" konnte nicht ganz gelesen werden und wird "
                                                "deshalb nicht gespeichert.\r")
                                     .arg(dateiname),
                                 titel, Knoepfe::OK, Symbol::Information);
        return;
    }
    QString fehler;
    if (BestenlisteSpeichern(programm.datei(dateiname), liste, &fehler))
        return;
    programm.boxen().meldung(QStringLiteral("Die Bestenliste konnte nicht gespeichert werden.\r") + fehler +
                                 QStringLiteral("\r"),
                             titel, Knoepfe::OK, Symbol::Stop);
}
