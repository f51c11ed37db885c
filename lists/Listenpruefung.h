#pragma once

#include <QString>
#include <QStringList>

/// The check of a word list for the teacher: what in a list keeps a child
/// from a word, or is likely a slip of the pen. The list is used all the
/// same; the check only tells. Empty fields are skipped by the reader and
/// harm nobody, so they are no finding.
struct Listenbefund
{
    /// Words a child cannot type to the end on a German keyboard: a
    /// character outside Windows-1252 (an emoji, a Polish "ł"), a control
    /// character, or nothing but blanks. They stay in the list but are never
    /// asked. In list order.
    QStringList nichtTippbar;
    /// Words that repeat an earlier word of the list, in the same spelling
    /// or in other capitals ("Haus" or "haus" after "Haus"): the child would
    /// meet the word twice in a pass and among the candidates.
    QStringList doppelt;

    bool sauber() const { return nichtTippbar.isEmpty() && doppelt.isEmpty(); }

    /// The German message after loading a list: how many of each, and the
    /// first few words by name. Empty for a clean list.
    QString meldung() const;
    /// The same in one line, for the settings window. Empty for a clean list.
    QString zeile() const;
};

namespace Listenpruefung {

/// Whether a child can type the word to its end: only Windows-1252
/// characters, no control character, not only blanks.
bool tippbar(const QString &wort);

/// Checks the words of a list, in their order.
Listenbefund pruefen(const QStringList &woerter);

/// Reads the words of a list file's text by the word-list rule (every field
/// that is not empty, in order, as Dateien::felder) and checks them.
QStringList lesen(const QString &text, Listenbefund &befund);

} // namespace Listenpruefung
