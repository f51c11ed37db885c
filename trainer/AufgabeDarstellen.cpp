#include "trainer/AufgabeDarstellen.h"

#include "renderings/Darstellung.h"
#include "trainer/Aufgabenanzeige.h"
#include "trainer/Sitzung.h"
#include "ui/Boxen.h"
#include "ui/Elemente.h"
#include "ui/Liste.h"

void AufgabeDarstellen(Sitzung &p)
{
    MODUL1 &m = p.modul;
    const int typ = m.Uebung;  // 0 (no exercise chosen) shows nothing new
    Aufgabenanzeige &f = p.anzeige();
    Darstellung d{m.Loesungswort, m.Anzeigetext, p.zufall(), {}};
    if (typ == 22)
        d.Liste2 = f.Liste2->eintraege();
    d.ausfuehren(typ);
    if (const std::optional<QString> schrift = f.aufgabenschrift(typ))
        f.Bezeichnung1->setFontName(*schrift);
    switch (typ) {
    case 20:
        f.Liste2->Clear();
        f.Bezeichnung2->setCaption(QString());
        break;
    case 14:
        if (d.zuLang)
            p.boxen().meldung(QStringLiteral("Das Lösungswort ist für diese Übung zu lang!\r"
                                             "Klicke bitte nochmal auf den Versteckt-Knopf!\r"),
                              m.Loesungswort);
        break;
    default: break;
    }
}
