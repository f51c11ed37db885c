#include "renderings/Darstellung.h"

#include "basis/Zeichen.h"
#include "basis/Zufall.h"

// Renderings by letter position. L is the length of the word in whole
// characters, c(i) its character at the 1-based position i, h = L / 2
// rounded down. A character outside the Basic Multilingual Plane is one
// character here: it is moved and hidden whole.

namespace {

const QString kLuecke = QStringLiteral(" .");    // types 3, 6, 7
const QString kPunkt = QStringLiteral(". ");     // types 16, 23
const QString kZaunlatte = QStringLiteral(" _"); // type 18

QString mal(const QString &teil, qsizetype anzahl)
{
    return anzahl > 0 ? teil.repeated(anzahl) : QString();
}

} // namespace

void Darstellung::Umkehrwort()
{
    const Zeichenfolge w(Loesungswort);
    Anzeigetext.clear();
    Anzeigetext.reserve(Loesungswort.size());
    for (qsizetype i = w.size() - 1; i >= 0; --i)
        Anzeigetext += w.at(i);
}

void Darstellung::Lueckenwort()
{
    const Zeichenfolge w(Loesungswort);
    const qsizetype L = w.size();
    Anzeigetext.clear();
    if (L == 0)
        return;
    Anzeigetext += w.at(0);
    Anzeigetext += mal(kLuecke, L - 2);
    Anzeigetext += QLatin1Char(' ');
    Anzeigetext += w.at(L - 1);
}

void Darstellung::Wortanfang()
{
    const Zeichenfolge w(Loesungswort);
    const qsizetype L = w.size();
    const qsizetype h = L / 2;
    Anzeigetext = w.left(h).toString() + mal(kLuecke, L - h);
}

void Darstellung::Wortende()
{
    const Zeichenfolge w(Loesungswort);
    const qsizetype L = w.size();
    const qsizetype h = L / 2;
    Anzeigetext.clear();
    if (L == 0)
        return;
    Anzeigetext = mal(kLuecke, h) + QLatin1Char(' ');
    Anzeigetext += w.mid(h);
}

void Darstellung::Wortpuzzle()
{
    // The odd positions from the last one down, then the even ones upwards.
    const Zeichenfolge w(Loesungswort);
    const qsizetype L = w.size();
    Anzeigetext.clear();
    Anzeigetext.reserve(Loesungswort.size());
    for (qsizetype i = L % 2 == 1 ? L : L - 1; i >= 1; i -= 2)
        Anzeigetext += w.at(i - 1);
    for (qsizetype i = 2; i <= L; i += 2)
        Anzeigetext += w.at(i - 1);
}

void Darstellung::Wortmitte()
{
    const Zeichenfolge w(Loesungswort);
    const qsizetype L = w.size();
    const double t = L / 3.0;
    Anzeigetext.clear();
    for (qsizetype i = 1; i <= L; ++i) {
        if (t < i && i <= 2 * t) {
            Anzeigetext += w.at(i - 1);
            Anzeigetext += QLatin1Char(' ');
        } else {
            Anzeigetext += kPunkt;
        }
    }
}

void Darstellung::Wortzaun()
{
    const Zeichenfolge w(Loesungswort);
    const qsizetype L = w.size();
    Anzeigetext.clear();
    if (L == 0)
        return;
    Anzeigetext += w.at(0);
    for (qsizetype i = 2; i <= L; ++i) {
        if (i % 2 == 0) {
            Anzeigetext += kZaunlatte;
        } else {
            Anzeigetext += QLatin1Char(' ');
            Anzeigetext += w.at(i - 1);
        }
    }
}

void Darstellung::Buchstabe()
{
    const Zeichenfolge w(Loesungswort);
    const qsizetype L = w.size();
    Anzeigetext.clear();
    qsizetype k = static_cast<qsizetype>(L * zufall.rnd()) + 1;
    if (k > L)
        k = L;
    for (qsizetype i = 1; i <= L; ++i) {
        if (i == k) {
            Anzeigetext += w.at(i - 1);
            Anzeigetext += QLatin1Char(' ');
        } else {
            Anzeigetext += kPunkt;
        }
    }
}

void Darstellung::Vertauscht()
{
    const Zeichenfolge w(Loesungswort);
    const qsizetype h = w.size() / 2;
    Anzeigetext = w.mid(h).toString();
    Anzeigetext += w.left(h);
}

void Darstellung::Teilpuzzle()
{
    // First and last character stay; between them the odd inner positions
    // from the last one down, then the even ones upwards.
    const Zeichenfolge w(Loesungswort);
    const qsizetype L = w.size();
    Anzeigetext.clear();
    if (L == 0)
        return;
    Anzeigetext += w.at(0);
    const qsizetype letzteInnere = L - 1;
    for (qsizetype i = letzteInnere % 2 == 1 ? letzteInnere : letzteInnere - 1; i >= 3; i -= 2)
        Anzeigetext += w.at(i - 1);
    for (qsizetype i = 2; i <= letzteInnere; i += 2)
        Anzeigetext += w.at(i - 1);
    // A one-letter word is its own first and last letter.
    Anzeigetext += w.at(L - 1);
}
