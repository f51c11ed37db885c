// The main window's file browser, settings, unlock, printing and script switch.
#include "windows/Form1.h"

#include "lists/Dateien.h"
#include "lists/Drucken.h"
#include "lists/Einstellungen.h"
#include "lists/Listenpruefung.h"
#include "renderings/Schreibung.h"
#include "trainer/AufgabeDarstellen.h"
#include "ui/Boxen.h"
#include "ui/Dateibrowser.h"
#include "ui/Druckflaeche.h"
#include "ui/Twips.h"
#include "windows/Form8.h"
#include "windows/Programm.h"

#include <QFileInfo>

namespace {

const char *const kEinstellungsdatei = "TIPPOLO.INI";

/// Prints the word list as a worksheet: an opening blank line, then per word
/// a blank line, the word as the selected exercise renders it from column 5
/// in the task font, and 30 underscores from column 50, all at 16 points.
void arbeitsblatt(Programm &p, Druckflaeche &flaeche)
{
    MODUL1 &m = p.modul;
    Form1 &f = p.form1();
    Form8 &e = p.form8();
    const std::optional<QString> aufgabenschrift = e.aufgabenschrift(m.Uebung);
    flaeche.setSchrift(e.Anzeigeschrift(), 16);
    flaeche.zeile(QStringLiteral(" "));
    const QStringList woerter = f.Liste1->eintraege();
    for (const QString &wort : woerter) {
        m.Loesungswort = wort;
        if (aufgabenschrift)
            flaeche.setSchrift(*aufgabenschrift, 16);
        // A type without a rendering must not print the previous word again.
        m.Anzeigetext.clear();
        AufgabeDarstellen(p);
        flaeche.zeile(QStringLiteral(" "));
        flaeche.zeile(m.Anzeigetext, 5);
        flaeche.setSchrift(e.Anzeigeschrift(), 16);
        flaeche.zeile(QString(30, QLatin1Char('_')), 50);
    }
}

} // namespace

void Form1::EinstellungenLesen()
{
    Programm &p = programm();
    Form8 &e = p.form8();
    const QString name = QString::fromLatin1(kEinstellungsdatei);
    const QString pfad = p.datei(name);
    auto standard = [&](const QString &warum) {
        p.modul.Wortmenge = 20;
        e.uebernehmen(Einstellungen::standard(e.Kontroll1->Value()));
        p.boxen().meldung(warum + QStringLiteral("\rDas Programm arbeitet mit den Standardeinstellungen."),
                          QStringLiteral("Einstellungen"), Knoepfe::OK, Symbol::Information);
    };
    QByteArray bytes;
    QString fehler;
    Einstellungen gelesen;
    const Dateien::Lesestand stand = Dateien::einlesen(pfad, bytes, &fehler);
    if (stand == Dateien::Lesestand::Gelesen && gelesen.lesen(Dateien::dekodieren(bytes))) {
        e.uebernehmen(gelesen);
        return;
    }
    if (stand == Dateien::Lesestand::Abgelehnt || stand == Dateien::Lesestand::Fehler) {
        // It is there but cannot be read: perhaps only for now. It is not ours to replace.
        standard(fehler + QStringLiteral("\rDie Datei bleibt unverändert."));
        return;
    }
    // A damaged file keeps its bytes in a copy, so fonts can be recovered by hand.
    if (stand == Dateien::Lesestand::Gelesen &&
        !Dateien::bytesSchreiben(p.datei(name + QStringLiteral(".alt")), bytes, &fehler)) {
        standard(fehler + QStringLiteral("\rDie beschädigte Datei \"%1\" bleibt deshalb unverändert.").arg(name));
        return;
    }
    // Missing or damaged: write the defaults and read them back, once.
    p.modul.Wortmenge = 20;
    gelesen = Einstellungen::standard(e.Kontroll1->Value());
    if (!Dateien::zeilenSchreiben(pfad, gelesen.zeilen(), &fehler)) {
        standard(fehler);
        return;
    }
    Einstellungen zurueck;
    if (Dateien::lesen(pfad, bytes) && zurueck.lesen(Dateien::dekodieren(bytes)))
        gelesen = zurueck;
    e.uebernehmen(gelesen);
}

void Form1::Bild6_Click()
{
    if (Bild8->isVisible()) {
        Bild8->hide();
        return;
    }
    switch (programm().form8().Kontroll1->Value()) {
    case 0:
        Laufwerk1->show();
        Verzeichnis1->setVisible(true);
        Datei1->setTwips(120, 3000, 3420, 3150);
        break;
    case 1:
        Laufwerk1->hide();
        Verzeichnis1->setVisible(false);
        Datei1->setTwips(120, 120, 3420, 6075);
        break;
    default:
        break;
    }
    // The folders are read afresh at every opening: a list copied into the
    // folder, a stick plugged in, while the program runs, is offered at once.
    Laufwerk1->neuLesen();
    if (!Verzeichnis1->setPath(Verzeichnis1->Path()))
        Verzeichnis1->setPath(programm().arbeitsordner());
    Laufwerk1->setDriveFor(Verzeichnis1->Path());
    Bild8->show();
    Bild8->raise();
    // The panel reaches into the icon column: the icon that closes it, and
    // its caption, stay on top of it.
    Bild6->raise();
    Beschriftungen.at(3)->raise();
}

void Form1::Laufwerk1_Change()
{
    if (Verzeichnis1->setPath(Laufwerk1->aktuellerOrdner()))
        return;
    programm().boxen().meldung(QStringLiteral("Laufwerk ist nicht bereit!"), QStringLiteral("Laufwerkfehler"));
    // Back to the drive the folder box shows; its folder is that drive's current one.
    Laufwerk1->setDriveFor(Verzeichnis1->Path());
}

void Form1::Verzeichnis1_Change()
{
    Laufwerk1->merken(Verzeichnis1->Path());
    Datei1->setPath(Verzeichnis1->Path());
}

void Form1::Datei1_Click()
{
    listeLaden(true);
}

void Form1::listeLaden(bool melden)
{
    MODUL1 &m = programm().modul;
    Bild8->hide();
    QStringList woerter;
    Listenbefund befund;
    bool gelesen = false;
    if (Datei1->ListIndex() >= 0) {
        QString pfad = Datei1->Path();
        if (!pfad.endsWith(QLatin1Char('/')))
            pfad += QLatin1Char('/');
        pfad += Datei1->Text();
        QByteArray bytes;
        QString fehler;
        switch (Dateien::einlesen(pfad, bytes, &fehler)) {
        case Dateien::Lesestand::Gelesen:
            woerter = Listenpruefung::lesen(Dateien::dekodieren(bytes), befund);
            gelesen = true;
            break;
        case Dateien::Lesestand::Abgelehnt:
            // No word list (a device, a huge file): the list in use stays.
            if (melden)
                programm().boxen().meldung(fehler + QStringLiteral("\rDie bisherige Liste bleibt."),
                                           QStringLiteral("Liste laden"), Knoepfe::OK, Symbol::Stop);
            return;
        default:
            break;
        }
    }
    if (gelesen) {
        Liste1->Clear();
        Liste1->addItems(woerter);
    } else {
        Standardliste();
    }
    // The task cycle starts afresh: also letters typed for the old word go.
    m.Leeren();
    setCaption(QStringLiteral("T i p p o l o (") + Schreibung::zahl(Liste1->ListCount()) +
               QStringLiteral(" Wörter )"));
    m.Benutzt = QString(Liste1->ListCount(), QLatin1Char('0'));
    m.Uebung = 13;
    m.NaechsteAufgabe();
    // The teacher who loads a list hears once what in the file keeps a child
    // from a word; the settings window names it too.
    if (melden && gelesen && !befund.sauber())
        programm().boxen().meldung(befund.meldung(), Datei1->Text(), Knoepfe::OK, Symbol::Information);
}

void Form1::Bild5_Click()
{
    const QString antwort = programm().boxen().eingabe(QStringLiteral("Passwort eingeben:"),
                                                       QStringLiteral("Liste freischalten"));
    if (antwort.isEmpty() || antwort != Bezeichnung8->Caption())
        return;
    verbergen();
    programm().form8().zeigen();
}

void Form1::Bild14_Click()
{
    Programm &p = programm();
    MODUL1 &m = p.modul;
    Boxen &boxen = p.boxen();
    const QString titel = QStringLiteral("Drucken:  ") + Bezeichnung8->Caption();
    if (!boxen.frage(QStringLiteral("Die aktuelle Wortliste ausdrucken?"), titel))
        return;

    // Rendering the list runs through the task's own variables; the task
    // shown before printing is the one in force afterwards, so the child's
    // letters are checked against the word on the display.
    const QString loesungswort = m.Loesungswort, eingabe = m.Eingabe, anzeigetext = m.Anzeigetext;
    ::drucken(p.druckziel(), *this,
            {titel, QStringLiteral("das Arbeitsblatt"), QStringLiteral("TIPPOLO"),
             QStringLiteral("Die Daten werden gedruckt ...")},
            [&p](Druckflaeche &flaeche) { arbeitsblatt(p, flaeche); });
    m.Loesungswort = loesungswort;
    m.Eingabe = eingabe;
    m.Anzeigetext = anzeigetext;
}

void Form1::Bild17_Click()
{
    Form8 &e = programm().form8();
    if (Bezeichnung2->FontName() == e.Schreibschrift()) {
        Bezeichnung2->setFontName(e.Druckschrift());
        Bezeichnung10->setCaption(QStringLiteral("Druckschrift"));
    } else {
        Bezeichnung2->setFontName(e.Schreibschrift());
        Bezeichnung10->setCaption(QStringLiteral("Schreibschrift"));
    }
}
