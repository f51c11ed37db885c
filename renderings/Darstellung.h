#pragma once

#include <QString>
#include <QStringList>

class Zufall;

/// The renderings of the exercise types, as procedures on one work context:
/// each reads `Loesungswort` and writes `Anzeigetext`, nothing else (type 14
/// also notes a word that is too long, type 22 reads the candidate list).
///
/// The dispatch AufgabeDarstellen binds the context to the shared state and
/// also serves printing, which runs it once per word of the list; tests and
/// benchmarks render a single word with darstellen() below.
struct Darstellung
{
    const QString &Loesungswort;
    QString &Anzeigetext;
    Zufall &zufall;
    QStringList Liste2;   ///< entries of the candidate list, for type 22
    bool zuLang = false;  ///< type 14 found a word of more than 24 characters

    // Whole word (types 1, 10, 12, 13, 17, 20, 21, 24; the fonts are the dispatch's).
    void Ganzwort();      // 1, 10, 12, 20, 21, 24
    void Grossschrift();  // 13
    void Kleinschrift();  // 17

    // Letter classes.
    void Selbstlaute();   // 4
    void Mitlaute();      // 5
    void Morsewort();     // 9
    void MSULaute();      // 11
    void Chinesen();      // 27
    void Geheim();        // 28

    // Positions and order.
    void Umkehrwort();    // 2
    void Lueckenwort();   // 3
    void Wortanfang();    // 6
    void Wortende();      // 7
    void Wortpuzzle();    // 15
    void Wortmitte();     // 16
    void Wortzaun();      // 18
    void Buchstabe();     // 23
    void Vertauscht();    // 25
    void Teilpuzzle();    // 26

    // Alphabet and search.
    void ABCWoerter();    // 8
    void Versteckt();     // 14
    void ABCStelle();     // 19
    void Wortreihe();     // 22

    /// Runs the rendering of exercise `typ` (1 to 28); any other number runs none.
    void ausfuehren(int typ);
};

/// Renders `wort` for exercise `typ` without touching any window: the text the
/// task display would show. `zuLang` (optional) tells of type 14's refusal.
QString darstellen(int typ, const QString &wort, Zufall &zufall, const QStringList &liste2 = {},
                   bool *zuLang = nullptr);
