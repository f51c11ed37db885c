#pragma once

#include <QString>

class Sitzung;

/// The trainer's global module: the shared state every part of the program
/// reads and writes under these names, and the procedures of the task cycle.
class MODUL1
{
public:
    explicit MODUL1(Sitzung &sitzung) : p(sitzung) {}

    QString Loesungswort;  ///< the word asked; empty when no task is open
    QString Anzeigetext;   ///< its rendering for the selected exercise; also a work string
    QString Eingabe;       ///< the letters typed so far
    QString Benutzt;       ///< one "0"/"1" flag per word-list entry: asked in this pass
    int Loesungen = 0;     ///< words solved since start
    int Fehler = 0;        ///< wrong letters since start (the gallows counts its misses here)
    int Wortindex = 1;     ///< index of the current word in the word list
    int Uebung = 0;        ///< selected exercise 1..28; 0 = word-entry mode
    int Wortmenge = 20;    ///< solved words per reward, a whole number of at least 1
    short Lesemodus = 0;   ///< 0 writing, 1 reading
    short Hilfethema = 0;  ///< help page: 1 main window, 2 settings window

    /// Ends the open task without counting it.
    void Leeren();
    /// The single entry point of the task cycle: next word, or word entry.
    void NaechsteAufgabe();
    /// Draws the next word of the pass and refills the candidate list.
    void WortZiehen();
    /// Counts a solved word and announces the reward when it is due.
    void LoesungZaehlen();
    /// Word-entry mode: adds the typed word to the list.
    void Worteingabe();
    /// Word-entry mode as the main window comes to the front: no task of an
    /// exercise left over, the prompt, and the input line with the letters
    /// typed or, before the first one, what is expected.
    void WorteingabeZeigen();
    /// What the input line says in word entry before a letter is typed.
    static QString Eingabehinweis();
    /// What the input line shows: the letters typed; in word entry, before
    /// the first one, what is expected.
    QString Eingabezeile() const;
    /// Counts a wrong letter and shows the count.
    void FehlerZaehlen();

private:
    Sitzung &p;
};
