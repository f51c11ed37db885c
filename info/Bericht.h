#pragma once

#include "info/Protokoll.h"

#include <QDate>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class Druckflaeche;

/// The teacher's report on the practice log: which letters go wrong, in which
/// error classes, in which words, and on which days. Plain rules without any
/// window; the report window shows them and prints them.
namespace Bericht {

/// Wrong letters per hundred solved words, truncated to a whole number (-1
/// without a solved word). Computed in whole numbers, so 29 of 100 gives 29
/// (not 28.999...). The evaluation and the report show the same figure.
long long fehlerProzent(int fehler, int loesungen);

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
QStringList namen(const Protokoll::Bestand &log);

/// Builds the report for one child and one period ending on `heute`.
Auswertung auswerten(const Protokoll::Bestand &log, const QString &name, Zeitraum z, const QDate &heute);

/// The first and the last day of a period ending on `heute` (today counts;
/// seven days are today and the six days before; "Alle" has no bounds).
QPair<QDate, QDate> grenzen(Zeitraum z, const QDate &heute);
/// The period of the same length just before it; none for "Alle".
QPair<QDate, QDate> davor(Zeitraum z, const QDate &heute);

/// One child's row of the class overview.
struct Kind
{
    QString name;
    int geloest = 0;
    int fehler = 0;
    long long jeHundert = -1;   ///< wrong letters per hundred solved words, -1 without solved words
    int haeufigsteKlasse = -1;  ///< the Fehlerklasse with the most wrong letters, -1 without any
    QDate zuletzt;              ///< the last day the child practised, in any period up to `heute`
    long long jeHundertDavor = -1;  ///< the same figure for the period before
    /// The change of the per-hundred figure against the period before; only when both exist.
    bool hatAenderung() const { return jeHundert >= 0 && jeHundertDavor >= 0; }
    long long aenderung() const { return jeHundert - jeHundertDavor; }
};

/// The class overview: one row for every child in the log, for the period
/// ending on `heute`, sorted by name. One pass over the log.
QList<Kind> klasse(const Protokoll::Bestand &log, Zeitraum z, const QDate &heute);
/// A row's cells as the window and the printout show them: name, words
/// solved, per hundred, most frequent error class, last day, change.
QStringList zellen(const Kind &k);
/// The column titles of the overview.
QStringList klassenspalten();
/// The overview as printed lines, in the order of `kinder`.
void klasseDrucken(const QList<Kind> &kinder, Zeitraum z, const QDate &heute, Druckflaeche &flaeche);

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
