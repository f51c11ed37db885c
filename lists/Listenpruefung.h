#pragma once

#include <QString>
#include <QStringList>

/// The check of a word list for the teacher: what in a list file keeps a
/// child from finishing a word, or is likely a slip of the pen. The list is
/// loaded all the same; the check only tells.
struct Listenbefund
{
    /// Words a child cannot type to the end on a German keyboard: a
    /// character outside Windows-1252 (an emoji, a Polish "ł"), a control
    /// character, or nothing but blanks. In file order.
    QStringList nichtTippbar;
    /// Words that repeat an earlier word in other capitals ("haus" after
    /// "Haus"). The same spelling twice is a choice of the teacher and not
    /// counted.
    QStringList doppelt;
    /// Empty fields the reader skipped (empty lines, two commas in a row, "").
    int leereFelder = 0;

    bool sauber() const { return nichtTippbar.isEmpty() && doppelt.isEmpty() && leereFelder == 0; }

    /// The German message after loading: how many of each, and the first few
    /// words by name. Empty for a clean list.
    QString meldung() const;
};

namespace Listenpruefung {

/// Whether a child can type the word to its end: only Windows-1252
/// characters, no control character, not only blanks.
bool tippbar(const QString &wort);

/// Reads the words of a list file's text by the word-list rule (every field
/// that is not empty, in order, as Dateien::felder) and checks them on the way.
QStringList lesen(const QString &text, Listenbefund &befund);

} // namespace Listenpruefung
