#pragma once

#include "ui/Elemente.h"
#include "ui/Liste.h"
#include "windows/Spielfenster.h"

#include <QList>

/// The word gallows: the hidden word as a row of underscores, a letter list
/// to click, and a gallows that grows with every miss. The tenth miss loses;
/// a complete word frees the figure and the number of highlighted letters
/// goes into the best list BESTHANG.LST.
///
/// The word is in Loesungswort, the pattern in Eingabe and the misses in
/// Fehler, the trainer's own counters, while the game runs.
class galgen : public Spielfenster
{
    Q_OBJECT
public:
    explicit galgen(Programm &programm);

    Liste *Liste1;             ///< the 30 letters, two rows, simple multiple selection
    Bezeichnung *Bezeichnung1; ///< the pattern
    Bezeichnung *Bezeichnung2; ///< the solution after a loss
    Liste *Liste2;             ///< best list, hidden during play
    Knopf *Befehl1;            ///< " E N D E"

    /// The gallows (shown one per miss) and the freed figure.
    Figur *Figur2, *Figur3, *Figur5, *Figur7;
    Linie *Linie1, *Linie2, *Linie3, *Linie4, *Linie5, *Linie6, *Linie7, *Linie8, *Linie9, *Linie10;
    Bild *Bild1, *Bild2;

    /// The letters in list order: the upper row A to O, the lower row P to ß.
    static QString Buchstaben();
    /// The pattern for a word: " _" per character.
    static QString MusterFuer(const QString &wort);
    /// The pattern after the letter (a capital or "ß") has been found: the
    /// word's own case shows through.
    static QString Aufdecken(const QString &muster, const QString &wort, QChar buchstabe);
    /// The element made visible by the n-th miss (1 to 10).
    QWidget *Teil(int fehler) const;
    /// The sixteen drawing elements in the order FigurVerbergen names them.
    QList<QWidget *> Zeichenelemente() const;

    void Form_Activate() override;
    void Liste1_Click();
    void Befehl1_Click() override;
    void FigurVerbergen();
    void SpielBeenden();

private:
    void aufbauen();
};
