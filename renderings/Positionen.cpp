#include "renderings/Darstellung.h"

#include "basis/Zufall.h"

// Renderings by letter position. L is the length of the word, c(i) its
// character at the 1-based position i, h = L / 2 rounded down.

namespace {

const QString kLuecke = QStringLiteral(" .");    // types 3, 6, 7
const QString kPunkt = QStringLiteral(". ");     // types 16, 23
const QString kZaunlatte = QStringLiteral(" _"); // type 18

QString mal(const QString &teil, int anzahl)
{
    return anzahl > 0 ? teil.repeated(anzahl) : QString();
}

} // namespace

void Darstellung::Umkehrwort()
{
    Anzeigetext.clear();
    for (const QChar c : Loesungswort)
        Anzeigetext.prepend(c);
}

void Darstellung::Lueckenwort()
{
    const int L = Loesungswort.size();
    Anzeigetext.clear();
    if (L == 0)
        return;
    Anzeigetext = Loesungswort.at(0) + mal(kLuecke, L - 2) + QLatin1Char(' ') + Loesungswort.at(L - 1);
}

void Darstellung::Wortanfang()
{
    const int L = Loesungswort.size();
    const int h = L / 2;
    Anzeigetext = Loesungswort.left(h) + mal(kLuecke, L - h);
}

void Darstellung::Wortende()
{
    const int L = Loesungswort.size();
    const int h = L / 2;
    Anzeigetext.clear();
    if (L == 0)
        return;
    Anzeigetext = mal(kLuecke, h) + QLatin1Char(' ') + Loesungswort.mid(h);
}

void Darstellung::Wortpuzzle()
{
    Anzeigetext.clear();
    for (int i = 1; i <= Loesungswort.size(); ++i) {
        const QChar c = Loesungswort.at(i - 1);
        if (i % 2 == 0)
            Anzeigetext.append(c);
        else
            Anzeigetext.prepend(c);
    }
}

void Darstellung::Wortmitte()
{
    const int L = Loesungswort.size();
    const double t = L / 3.0;
    Anzeigetext.clear();
    for (int i = 1; i <= L; ++i) {
        if (t < i && i <= 2 * t)
            Anzeigetext += Loesungswort.at(i - 1) + QLatin1Char(' ');
        else
            Anzeigetext += kPunkt;
    }
}

void Darstellung::Wortzaun()
{
    const int L = Loesungswort.size();
    Anzeigetext.clear();
    if (L == 0)
        return;
    Anzeigetext = Loesungswort.at(0);
    for (int i = 2; i <= L; ++i) {
        if (i % 2 == 0)
            Anzeigetext += kZaunlatte;
        else
            Anzeigetext += QLatin1Char(' ') + Loesungswort.at(i - 1);
    }
}

void Darstellung::Buchstabe()
{
    const int L = Loesungswort.size();
    Anzeigetext.clear();
    int k = static_cast<int>(L * zufall.rnd()) + 1;
    if (k > L)
        k = L;
    for (int i = 1; i <= L; ++i) {
        if (i == k)
            Anzeigetext += Loesungswort.at(i - 1) + QLatin1Char(' ');
        else
            Anzeigetext += kPunkt;
    }
}

void Darstellung::Vertauscht()
{
    const int h = Loesungswort.size() / 2;
    Anzeigetext = Loesungswort.mid(h) + Loesungswort.left(h);
}

void Darstellung::Teilpuzzle()
{
    const int L = Loesungswort.size();
    Anzeigetext.clear();
    if (L == 0)
        return;
    for (int i = 2; i <= L - 1; ++i) {
        const QChar c = Loesungswort.at(i - 1);
        if (i % 2 == 0)
            Anzeigetext.append(c);
        else
            Anzeigetext.prepend(c);
    }
    // A one-letter word is its own first and last letter.
    Anzeigetext = Loesungswort.at(0) + Anzeigetext + Loesungswort.at(L - 1);
}
