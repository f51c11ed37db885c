#include "renderings/Darstellung.h"

#include "renderings/Schreibung.h"
#include "basis/Zeichen.h"
#include "basis/Zufall.h"

// The letter classes. Membership is exact: a character belongs to a class
// when it occurs in the class string. A character outside the Basic
// Multilingual Plane belongs to no class: types 4, 5 and 9 give it one mark
// or keep it whole, and the types that replace in place (11, 27, 28) never
// touch its two units.

namespace {

const QString kVokaleMitUmlauten = QStringLiteral("AÄEIOÖUÜaäeioöuü");
const QString kVokale = QStringLiteral("AEIOUaeiou");
const QString kUmlaute = QStringLiteral("ÄÖÜäöü");
const QString kMitlaute = QStringLiteral("BCDFGHJKLMNPQRSTVWXYZbcdfghjklmnpqrsßtvwxyz");
const QString kGrosseVokale = QStringLiteral("AEIOUÄÖÜ");
const QString kKleineVokale = QStringLiteral("aeiouäöü");
const QString kZiehvokale = QStringLiteral("AEIOU");
const QString kGrosseMitlaute = QStringLiteral("BCDFGHJKLMNPQRSTVWXYZ");
const QString kGrosserCode = QStringLiteral("ZBCDFGHJKLMNPQRSTVWXY");
const QString kKleineMitlaute = QStringLiteral("bcdfghjklmnpqrstvwxyz");
const QString kKleinerCode = QStringLiteral("zbcdfghjklmnpqrstvwxyz");

const QString kPunkt = QStringLiteral(" . ");
const QString kStrich = QStringLiteral("_ ");

} // namespace

void Darstellung::Selbstlaute()
{
    const Zeichenfolge w(Loesungswort);
    Anzeigetext.clear();
    for (qsizetype i = 0; i < w.size(); ++i) {
        const QStringView c = w.at(i);
        if (Zeichen::in(kVokaleMitUmlauten, c))
            Anzeigetext += c;
        else
            Anzeigetext += kPunkt;
    }
}

void Darstellung::Mitlaute()
{
    const Zeichenfolge w(Loesungswort);
    Anzeigetext.clear();
    for (qsizetype i = 0; i < w.size(); ++i) {
        const QStringView c = w.at(i);
        if (!Zeichen::in(kVokaleMitUmlauten, c))
            Anzeigetext += c;
        else
            Anzeigetext += kPunkt;
    }
}

void Darstellung::Morsewort()
{
    const Zeichenfolge w(Loesungswort);
    Anzeigetext.clear();
    for (qsizetype i = 0; i < w.size(); ++i)
        Anzeigetext += Zeichen::in(kVokaleMitUmlauten, w.at(i)) ? kStrich : kPunkt;
}

void Darstellung::MSULaute()
{
    Anzeigetext = Loesungswort;
    for (QChar &c : Anzeigetext) {
        if (kVokale.contains(c))
            c = QLatin1Char('S');
        else if (kUmlaute.contains(c))
            c = QLatin1Char('U');
        else if (kMitlaute.contains(c))
            c = QLatin1Char('M');
    }
}

void Darstellung::Chinesen()
{
    Anzeigetext = Loesungswort;
    // One draw per word, also when the word has no vowel at all.
    const QChar gross = kZiehvokale.at(zufall.index(static_cast<int>(kZiehvokale.size())));
    const QChar klein = Schreibung::klein(gross);
    for (QChar &c : Anzeigetext) {
        if (kGrosseVokale.contains(c))
            c = gross;
        if (kKleineVokale.contains(c))
            c = klein;
    }
}

void Darstellung::Geheim()
{
    Anzeigetext = Loesungswort;
    for (QChar &c : Anzeigetext) {
        int p = kGrosseMitlaute.indexOf(c);
        if (p >= 0)
            c = kGrosserCode.at(p);
        p = kKleineMitlaute.indexOf(c);
        if (p >= 0)
            c = kKleinerCode.at(p);
    }
}
