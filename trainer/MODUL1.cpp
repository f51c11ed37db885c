#include "trainer/MODUL1.h"

#include "lists/Listenpruefung.h"
#include "trainer/AufgabeDarstellen.h"
#include "trainer/Aufgaben.h"
#include "trainer/Aufgabenanzeige.h"
#include "trainer/Sitzung.h"
#include "ui/Boxen.h"
#include "ui/Elemente.h"
#include "ui/Liste.h"

#include <algorithm>

void MODUL1::Leeren()
{
    Loesungswort.clear();
    Anzeigetext.clear();
    Eingabe.clear();
    p.anzeige().Bezeichnung9->setCaption(QString());
}

void MODUL1::NaechsteAufgabe()
{
    Aufgabenanzeige &f = p.anzeige();
    if (Uebung == 0) {
        Worteingabe();
        return;
    }
    if (f.Liste1->ListCount() == 0 && Uebung > 0)
        return;
    if (Loesungswort == Eingabe && !Loesungswort.isEmpty())
        LoesungZaehlen();
    if (Loesungswort != Eingabe)
        return;
    WortZiehen();
    if (Loesungswort.isEmpty()) {
        // Not one word of the list can be typed: there is no task to show.
        f.Bezeichnung1->setCaption(QString());
        f.Bezeichnung2->setCaption(QString());
        return;
    }
    f.Bezeichnung1->setFontName(f.Anzeigeschrift());
    AufgabeDarstellen(p);
    f.Bezeichnung1->setCaption(Anzeigetext);
    f.Bezeichnung2->setCaption(QString());
    if (Lesemodus == 1)
        f.Bezeichnung2->setCaption(QStringLiteral("Klicke auf das richtige Wort ..."));
}

void MODUL1::WortZiehen()
{
    Aufgabenanzeige &f = p.anzeige();
    Zufall &z = p.zufall();
    Leeren();
    const int n = f.Liste1->ListCount();
    if (n == 0)
        return;
    // Every entry has its flag, however the list was edited.
    if (Benutzt.size() != n)
        Benutzt = Benutzt.leftJustified(n, QLatin1Char('0'), true);
    if (!Benutzt.contains(QLatin1Char('0')))
        Benutzt = QString(n, QLatin1Char('0'));
    bool frischerDurchgang = false;
    for (;;) {
        do {
            Wortindex = z.index(n);
        } while (Benutzt.at(Wortindex) == QLatin1Char('1'));
        Benutzt[Wortindex] = QLatin1Char('1');
        if (Listenpruefung::tippbar(f.Liste1->List(Wortindex)))
            break;
        // A word a child cannot type (an emoji, a control character) is
        // never asked: it counts as asked at once, and the draw goes on.
        // A whole pass without a word that can be typed gives no task.
        if (!Benutzt.contains(QLatin1Char('0'))) {
            if (frischerDurchgang) {
                f.Liste2->Clear();
                return;
            }
            Benutzt = QString(n, QLatin1Char('0'));
            frischerDurchgang = true;
        }
    }
    Loesungswort = f.Liste1->List(Wortindex);
    f.Liste2->setEintraege(Aufgaben::kandidaten(n, [&f](int i) { return f.Liste1->List(i); }, Loesungswort, z));
}

void MODUL1::LoesungZaehlen()
{
    Aufgabenanzeige &f = p.anzeige();
    ++Loesungen;
    f.Bezeichnung4->setCaption(QString::number(Loesungen));
    const int menge = std::max(1, Wortmenge);
    if (Loesungen % menge != 0)
        return;
    p.boxen().meldung(QStringLiteral("Jetzt ist eine Belohnung fällig!"), QStringLiteral("Belohnung"), Knoepfe::OK,
                      Symbol::Information);
    const int n = f.Liste1->ListCount();
    Eingabe = n > 0 ? f.Liste1->List(p.zufall().index(n)) : QString();
    f.belohnungZeigen();
}

QString MODUL1::Eingabehinweis()
{
    return QStringLiteral("Tippe ein neues Wort und drücke Enter ...");
}

QString MODUL1::Eingabezeile() const
{
    return Uebung == 0 && Eingabe.isEmpty() ? Eingabehinweis() : Eingabe;
}

void MODUL1::WorteingabeZeigen()
{
    Aufgabenanzeige &f = p.anzeige();
    // A task of an exercise is not in force in word entry: the child would
    // type the old word and have it added.
    if (!Loesungswort.isEmpty())
        Leeren();
    f.Bezeichnung1->setFontName(f.Anzeigeschrift());
    f.Bezeichnung1->setCaption(QStringLiteral("Wort %1 eingeben:").arg(f.Liste1->ListCount() + 1));
    f.Bezeichnung2->setFontName(f.Druckschrift());
    f.Bezeichnung2->setCaption(Eingabezeile());
}

void MODUL1::Worteingabe()
{
    Aufgabenanzeige &f = p.anzeige();
    const int k = f.Liste1->ListCount() + 1;
    if (k > 1000) {
        p.boxen().meldung(QStringLiteral("Kein Worteintrag mehr möglich!\r  Bitte eine neue Liste erstellen!"),
                          QStringLiteral("1000 Wörter"), Knoepfe::OK, Symbol::Information);
        return;
    }
    f.Bezeichnung1->setFontName(f.Anzeigeschrift());
    f.Bezeichnung1->setCaption(QStringLiteral("Wort %1 eingeben:").arg(k));
    f.Bezeichnung2->setFontName(f.Druckschrift());
    const int doppelt = Aufgaben::vorhanden(f.Liste1->ListCount(), [&f](int i) { return f.Liste1->List(i); }, Eingabe);
    if (doppelt >= 0) {
        f.Liste1->setListIndex(doppelt);
        p.boxen().meldung(QStringLiteral("Wort ist schon vorhanden!"), QStringLiteral("Worteingabe"), Knoepfe::OK,
                          Symbol::Information);
        f.Bezeichnung2->setCaption(Eingabehinweis());
        f.Liste1->setListIndex(0);
        Leeren();
        return;
    }
    // The input line says what is expected until the first letter is typed.
    if (Eingabe.isEmpty()) {
        f.Bezeichnung2->setCaption(Eingabehinweis());
        return;
    }
    f.Liste1->AddItem(Eingabe);
    f.Liste1->setListIndex(f.Liste1->ListCount() - 1);
    Benutzt = QString(f.Liste1->ListCount(), QLatin1Char('0'));
    f.Bezeichnung2->setCaption(Eingabehinweis());
    Leeren();
}

void MODUL1::FehlerZaehlen()
{
    ++Fehler;
    p.anzeige().Bezeichnung3->setCaption(QString::number(Fehler));
}
