#include "renderings/Darstellung.h"

#include "renderings/Schreibung.h"

void Darstellung::Ganzwort()
{
    Anzeigetext = Loesungswort;
}

void Darstellung::Grossschrift()
{
    Anzeigetext = Schreibung::gross(Loesungswort);
}

void Darstellung::Kleinschrift()
{
    Anzeigetext = Schreibung::klein(Loesungswort);
}

void Darstellung::ausfuehren(int typ)
{
    switch (typ) {
    case 1: case 10: case 12: case 20: case 21: case 24: Ganzwort(); break;
    case 2: Umkehrwort(); break;
    case 3: Lueckenwort(); break;
    case 4: Selbstlaute(); break;
    case 5: Mitlaute(); break;
    case 6: Wortanfang(); break;
    case 7: Wortende(); break;
    case 8: ABCWoerter(); break;
    case 9: Morsewort(); break;
    case 11: MSULaute(); break;
    case 13: Grossschrift(); break;
    case 14: Versteckt(); break;
    case 15: Wortpuzzle(); break;
    case 16: Wortmitte(); break;
    case 17: Kleinschrift(); break;
    case 18: Wortzaun(); break;
    case 19: ABCStelle(); break;
    case 22: Wortreihe(); break;
    case 23: Buchstabe(); break;
    case 25: Vertauscht(); break;
    case 26: Teilpuzzle(); break;
    case 27: Chinesen(); break;
    case 28: Geheim(); break;
    default: break;
    }
}

QString darstellen(int typ, const QString &wort, Zufall &zufall, const QStringList &liste2, bool *zuLang)
{
    QString text;
    Darstellung d{wort, text, zufall, liste2};
    d.ausfuehren(typ);
    if (zuLang)
        *zuLang = d.zuLang;
    return text;
}
