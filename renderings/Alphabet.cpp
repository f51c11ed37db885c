#include "renderings/Darstellung.h"

#include "renderings/Schreibung.h"
#include "basis/Zeichen.h"
#include "basis/Zufall.h"

namespace {

/// The sorting order of type 8: each umlaut right after its base letter, "ß" after "s".
const QString kAbcReihe = QStringLiteral("aäbcdefghijklmnoöpqrsßtuüvwxyz");
const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
/// The filler letters of type 14.
const QString kFuellbuchstaben = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ");
constexpr int kReihenlaenge = 24;

/// The base letter of an umlaut, "S" for "ß", else the character itself.
QChar grundbuchstabe(QChar c)
{
    switch (c.unicode()) {
    case u'ä': case u'Ä': return QLatin1Char('A');
    case u'ö': case u'Ö': return QLatin1Char('O');
    case u'ü': case u'Ü': return QLatin1Char('U');
    case u'ß': return QLatin1Char('S');
    default: return c;
    }
}

/// An index from 0 to n - 1 from one draw.
int ziehen(Zufall &zufall, int n)
{
    const int i = static_cast<int>(n * zufall.rnd());
    return i < n ? i : n - 1;
}

} // namespace

void Darstellung::ABCWoerter()
{
    // The two units of a character outside the Basic Multilingual Plane are
    // in no order, so such a character is left out whole.
    Anzeigetext.clear();
    for (const QChar a : kAbcReihe) {
        for (const QChar c : Loesungswort) {
            if (Schreibung::klein(c) == a)
                Anzeigetext += c;
        }
    }
}

void Darstellung::Versteckt()
{
    const qsizetype L = Zeichen::anzahl(Loesungswort);
    Anzeigetext.clear();
    if (L > kReihenlaenge) {
        zuLang = true;
        return;
    }
    // Nothing to hide in an empty word: the row of fillers alone would be no task.
    if (L == 0)
        return;
    for (int i = 0; i < kReihenlaenge; ++i)
        Anzeigetext += kFuellbuchstaben.at(ziehen(zufall, kFuellbuchstaben.size()));
    const QString W = Schreibung::gross(Loesungswort);
    const int d = kReihenlaenge - static_cast<int>(L);
    // A word of 24 characters fills the row from the first position.
    const int p = d < 1 ? ziehen(zufall, 1) : ziehen(zufall, d);
    // The fillers are one unit each: L of them give way to the whole word.
    Anzeigetext.replace(p, L, W);
}

void Darstellung::ABCStelle()
{
    const Zeichenfolge w(Loesungswort);
    QStringList zahlen;
    for (qsizetype i = 0; i < w.size(); ++i) {
        const QStringView c = w.at(i);
        // A character of two units is outside the alphabet: 0.
        zahlen << QString::number(c.size() == 1 ? kAlphabet.indexOf(Schreibung::gross(grundbuchstabe(c.front()))) + 1 : 0);
    }
    Anzeigetext = zahlen.join(QLatin1Char('-'));
}

void Darstellung::Wortreihe()
{
    Anzeigetext.clear();
    if (Loesungswort.isEmpty())
        return;
    int N = 0;  // 0 when the word is not in the list (printing renders other words)
    for (int i = 0; i < Liste2.size(); ++i) {
        if (Liste2.at(i) == Loesungswort)
            N = i + 1;
    }
    Anzeigetext = QStringLiteral("Suche das ") + QString::number(N) + QStringLiteral(". Wort in der Liste!");
}
