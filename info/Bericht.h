#pragma once

#include "info/Protokoll.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class Druckflaeche;

/// The teacher's report on the practice log: which letters go wrong, in which
/// error classes, in which words, and on which days. Plain rules without any
/// window; the report window shows them and prints them.
namespace Bericht {

/// The kinds of spelling error a teacher recognises.
enum class Fehlerklasse {
    GrossKlein,      ///< capital for small letter or the other way round
    Umlaut,          ///< ä/a, ö/o, ü/u
    Eszett,          ///< ß for s or the other way round
    Spiegel,         ///< b, d, p, q mixed up
    DoppeltFehlt,    ///< the second letter of a doubled consonant left out
    DoppeltZuviel,   ///< a consonant doubled that is single
    IeI,             ///< ie for i or i for ie
    Andere,
};
constexpr int kAnzahlKlassen = 8;

/// The class of one wrong letter: `soll` was expected at 1-based position
/// `stelle` of `wort`, `ist` was typed. The letter pairs are checked first
/// (capitals, umlauts, ß, mirror letters), then the neighbours in the word
/// (doubled consonants, ie), else "Andere".
Fehlerklasse klassifizieren(const QString &wort, int stelle, const QString &soll, const QString &ist);
/// The German name of a class as the report shows it.
QString klassenname(Fehlerklasse k);

/// The periods the report can cover.
enum class Zeitraum { Heute, SiebenTage, DreissigTage, Alle };
QString zeitraumname(Zeitraum z);
/// Whether `datum` lies in the period that ends on `heute` (today counts;
/// seven days are today and the six days before).
bool imZeitraum(const QDate &datum, Zeitraum z, const QDate &heute);

/// One expected letter typed as another, with its count.
struct Verwechslung
{
    QString soll;
    QString ist;
    int anzahl = 0;
};

/// A word with its wrong letters.
struct Fehlerwort
{
    QString wort;
    int fehler = 0;
};

/// One day with errors and solved words.
struct Tag
{
    QDate datum;
    int fehler = 0;
    int geloest = 0;
};

/// Everything the report shows for one child and one period.
struct Auswertung
{
    QString name;
    Zeitraum zeitraum = Zeitraum::Alle;
    QDate heute;
    int geloest = 0;          ///< words solved
    int verschiedene = 0;     ///< different words practised (solved or with errors)
    int fehler = 0;           ///< wrong letters
    QList<Verwechslung> verwechslungen;  ///< most frequent first
    QList<int> klassen;       ///< count per Fehlerklasse, in its order
    QList<Fehlerwort> woerter;           ///< every word with errors, most errors first
    QList<Tag> tage;          ///< every day of the period with practice, oldest first

    /// Wrong letters per hundred solved words, the evaluation's measure;
    /// -1 when no word was solved.
    long long jeHundert() const;
    /// The words with errors, most errors first: the list to practise again.
    QStringList uebungsliste() const;
};

/// The names in the log, sorted.
QStringList namen(const QList<Protokoll::Eintrag> &eintraege);

/// Builds the report for one child and one period ending on `heute`.
Auswertung auswerten(const QList<Protokoll::Eintrag> &eintraege, const QString &name, Zeitraum z,
                     const QDate &heute);

/// One mix-up as a row shows it, e.g. "d → b   7×".
QString verwechslungText(const Verwechslung &v);

/// The file name offered for the list of words to practise again.
QString listenname(const QString &name);

/// The report as printed lines: title, numbers, the mix-ups, the classes, the
/// words (at most 20) and the days.
void drucken(const Auswertung &a, Druckflaeche &flaeche);

/// The text lines of the summary, as the window and the printout show them.
QStringList zusammenfassung(const Auswertung &a);

} // namespace Bericht
