// The main window's answer checking, helps and evaluation.
#include "windows/Form1.h"

#include "basis/Zeichen.h"
#include "renderings/Schreibung.h"
#include "trainer/Antworten.h"
#include "ui/Boxen.h"
#include "windows/Programm.h"

#include <QSignalBlocker>

namespace {

/// Whether a task is open: a word is asked and the input is a beginning of it.
/// (While a reward is pending the input holds a word drawn for the games.)
bool zuProtokollieren(const MODUL1 &m)
{
    return !m.Loesungswort.isEmpty() && m.Eingabe.size() < m.Loesungswort.size() &&
           m.Loesungswort.startsWith(m.Eingabe);
}

} // namespace

void Form1::Form_KeyDown(int keyCode)
{
    if (keyCode == 27)
        Bild1_Click();
    if (programm().beendet())
        return;
    if (keyCode == 13)
        programm().modul.NaechsteAufgabe();
    if (keyCode == 8)
        ZeichenLoeschen();
}

void Form1::Form_KeyPress(QStringView zeichen)
{
    if (programm().beendet())
        return;
    MODUL1 &m = programm().modul;
    m.Anzeigetext = zeichen.toString();
    const bool buchstabe = Antworten::istBuchstabe(zeichen);
    if (m.Uebung != 0) {
        // The dictation: the word disappears as soon as the child starts typing.
        if (m.Uebung == 20)
            Bezeichnung1->setCaption(QString());
        if (buchstabe) {
            if (zeichen != Antworten::erwarteterBuchstabe(m.Loesungswort, m.Eingabe)) {
                programm().boxen().meldung(QStringLiteral("Buchstabe  >") + zeichen.toString() + QStringLiteral("<  ist falsch!"),
                                           QStringLiteral("Eingabefehler"), Knoepfe::OK, Symbol::Information);
                m.FehlerZaehlen();
                if (zuProtokollieren(m))
                    programm().protokoll().falscherBuchstabe(
                        Bezeichnung7->Caption(), m.Uebung, m.Lesemodus == 1, m.Loesungswort,
                        static_cast<int>(m.Eingabe.size()) + 1, Antworten::erwarteterBuchstabe(m.Loesungswort, m.Eingabe),
                        zeichen.toString());
                return;
            }
            m.Eingabe += zeichen;
        }
    } else if (buchstabe) {
        m.Eingabe += zeichen;
    }
    Bezeichnung9->setCaption(QString());
    Bezeichnung2->setCaption(m.Eingabezeile());
    if (m.Eingabe == m.Loesungswort && !m.Loesungswort.isEmpty())
        WortRichtig();
}

void Form1::ZeichenLoeschen()
{
    MODUL1 &m = programm().modul;
    m.Eingabe = Zeichen::ohneLetztes(m.Eingabe);
    Bezeichnung2->setCaption(m.Eingabezeile());
}

void Form1::WortRichtig()
{
    MODUL1 &m = programm().modul;
    if (m.Uebung != 0)
        programm().protokoll().wortGeloest(Bezeichnung7->Caption(), m.Uebung, m.Lesemodus == 1, m.Loesungswort);
    const int rest = Antworten::restBisBelohnung(m.Wortmenge, m.Loesungen);
    if (rest > 0)
        programm().boxen().meldung(Antworten::fortschrittsText(rest), QStringLiteral("Richtig, weiter so!"));
    m.NaechsteAufgabe();
}

void Form1::Liste2_Click()
{
    MODUL1 &m = programm().modul;
    const QString wort = Liste2->Text();
    if (m.Lesemodus == 1) {
        // Only an open task takes an answer: while a reward is pending Eingabe
        // holds a word drawn for the games, and the word just solved must not
        // be counted a second time.
        const bool aufgabeOffen = !m.Loesungswort.isEmpty() && m.Loesungswort.startsWith(m.Eingabe);
        if (aufgabeOffen && Schreibung::gross(wort) == Schreibung::gross(m.Loesungswort)) {
            m.Eingabe = m.Loesungswort;
            Bezeichnung2->setCaption(m.Eingabe);
            WortRichtig();
        }
        return;
    }
    // Writing mode: the list is only shown; the click leaves nothing selected.
    {
        const QSignalBlocker stumm(Liste2);
        Liste2->setListIndex(-1);
    }
    Liste2->setFocus();
}

void Form1::Bild15_Click()
{
    if (Liste1->ListCount() == 0)
        return;
    const MODUL1 &m = programm().modul;
    Bezeichnung9->setCaption(Antworten::erwarteterBuchstabe(m.Loesungswort, m.Eingabe));
}

void Form1::Bild11_Click()
{
    const MODUL1 &m = programm().modul;
    if (m.Loesungswort.isEmpty())
        return;
    programm().boxen().meldung(Antworten::buchstabiert(m.Loesungswort), QStringLiteral("Gesuchtes Wort:"));
    Liste1->setListIndex(m.Wortindex);
}

void Form1::Bild2_Click()
{
    const MODUL1 &m = programm().modul;
    if (m.Loesungen <= 0)
        return;
    programm().boxen().meldung(Antworten::auswertungsText(m.Fehler, m.Loesungen), QStringLiteral("Fehler"), Knoepfe::OK,
                               Symbol::Information);
}

void Form1::Bild3_Click()
{
    programm().boxen().meldung(QStringLiteral("Nach") + Schreibung::zahl(programm().modul.Wortmenge) +
                                   QStringLiteral(" Lösungen gibt es eine Belohnung!\r"),
                               QStringLiteral("Belohnung"));
}
